#include "VerseLine.h"

#include "TextUtil.h"

bool ParseVerseLine(std::string_view line, VerseLine& out) {
    if (line.find(':') == std::string_view::npos) {
        return false;
    }
    line = StripLineEnd(line);
    const auto space = line.find(' ');
    std::string_view reference = line.substr(0, space);
    out.text = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    int* fields[3] = {&out.book, &out.chapter, &out.verse};
    for (int* field : fields) {
        const auto colon = reference.find(':');
        *field = ParseLeadingInt(reference.substr(0, colon));
        reference =
            colon == std::string_view::npos ? std::string_view() : reference.substr(colon + 1);
    }
    return true;
}

bool CVerseLineReader::Open(const std::string& path, std::int64_t offset) {
    if (!m_file.Open(path, "r")) {
        return false;
    }
    m_seekFailed = !m_file.Seek(offset);
    return true;
}

bool CVerseLineReader::Next(VerseLine& out) {
    if (m_seekFailed || !m_file.ReadLine(m_line, kVerseLineChars)) {
        return false;
    }
    // A verse longer than one read (Esther 8:9 of the KJV has 535 characters) is read whole, so
    // that its continuation is never taken for a line of its own; beyond kMaxVerseLineBytes it
    // is cut and the rest skipped.
    while (m_line.back() != '\n' && !m_file.AtEnd() && m_file.ReadLine(m_piece, kVerseLineChars)) {
        if (m_line.size() < kMaxVerseLineBytes) {
            m_line += m_piece;
        }
    }
    return ParseVerseLine(m_line, out);
}

std::vector<VerseEntry> ReadChapter(const std::string& textPath, const ChapterOffsetTable& offsets,
                                    int book, int chapter) {
    std::vector<VerseEntry> verses;
    const int k = ChapterIndexOf(book, chapter);
    if (k == kChapterTotal) {
        // The spare slot points at Revelation 22, whose lines would pass the stop rule for a
        // non-existent chapter of book 66 such as (66, 23).
        return verses;
    }
    CVerseLineReader reader;
    if (!reader.Open(textPath, offsets[k])) {
        return verses;
    }
    VerseLine v;
    while (!reader.AtEnd() && reader.Next(v) && !IsPastChapter(v, book, chapter)) {
        verses.push_back({v.verse, std::string(v.text)});
    }
    return verses;
}
