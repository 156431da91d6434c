#include "BibleFiles.h"

#include "AtomicFile.h"
#include "BookCatalogue.h"
#include "ScriptureStore.h"
#include "TextFile.h"
#include "TextUtil.h"
#include "ToolFiles.h"
#include "VerseLine.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

bool IsFoldable(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b <= 0x20 || b == 0x7F;
}

std::string Reference(int book, int chapter, int verse) {
    return StrFormat("%d:%d:%d", book, chapter, verse);
}

// Counts the index's lines and checks each is a plain decimal number ending in a line feed.
bool CheckIndexLines(const std::string& index, const std::string& indexPath, std::string& error) {
    int lines = 0;
    std::size_t start = 0;
    while (start < index.size()) {
        const std::size_t end = index.find('\n', start);
        if (end == std::string::npos) {
            error = indexPath + ": the last line has no line feed";
            return false;
        }
        const std::string_view line(index.data() + start, end - start);
        if (line.empty() || line.find_first_not_of("0123456789") != std::string_view::npos) {
            error = indexPath + StrFormat(": line %d is not an offset", lines + 1);
            return false;
        }
        ++lines;
        start = end + 1;
    }
    if (lines != kChapterTotal) {
        error = indexPath + StrFormat(": %d lines, expected %d", lines, kChapterTotal);
        return false;
    }
    return true;
}

} // namespace

std::string FoldWhiteSpace(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingBlank = false;
    for (char c : text) {
        if (IsFoldable(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) {
            out.push_back(' ');
            pendingBlank = false;
        }
        out.push_back(c);
    }
    return out;
}

void ChapterAtPosition(int position, int& book, int& chapter) {
    book = 1;
    while (book < kBookCount && position >= g_chapterCounts[book - 1]) {
        position -= g_chapterCounts[book - 1];
        ++book;
    }
    chapter = position + 1;
}

bool FormatBibleFiles(const BibleText& verses, BibleFiles& files, std::string& error) {
    files = BibleFiles{};
    files.text.reserve(verses.size() * 160);
    int position = -1; // chapter position of the last verse written
    int book = 0;
    int chapter = 0;
    int lastVerse = 0;
    for (const BibleVerse& v : verses) {
        const std::string ref = Reference(v.book, v.chapter, v.verse);
        if (v.book != book || v.chapter != chapter) {
            // A new chapter must be the next one of the catalogue, starting at verse 1.
            int nextBook = 0;
            int nextChapter = 0;
            if (position + 1 < kChapterTotal) {
                ChapterAtPosition(position + 1, nextBook, nextChapter);
            }
            if (v.book != nextBook || v.chapter != nextChapter) {
                error = StrFormat("verse %s is out of order: chapter %d:%d is due", ref.c_str(),
                                  nextBook, nextChapter);
                return false;
            }
            if (v.verse != 1) {
                error = StrFormat("chapter %d:%d begins with verse %d, not 1", v.book, v.chapter,
                                  v.verse);
                return false;
            }
            ++position;
            book = v.book;
            chapter = v.chapter;
            if (files.text.size() > static_cast<std::size_t>(INT32_MAX)) {
                error = "the text outgrows the 32-bit chapter offsets";
                return false;
            }
            files.index += std::to_string(files.text.size());
            files.index += '\n';
        } else if (v.verse <= lastVerse) {
            error = StrFormat("verse %s does not follow verse %d", ref.c_str(), lastVerse);
            return false;
        }
        if (v.text.find_first_of("\r\n") != std::string::npos) {
            error = "verse " + ref + " holds a line break";
            return false;
        }
        lastVerse = v.verse;
        files.text += ref;
        files.text += ' ';
        files.text += v.text;
        files.text += '\n';
        ++files.verseCount;
    }
    if (position + 1 != kChapterTotal) {
        int nextBook = 0;
        int nextChapter = 0;
        ChapterAtPosition(position + 1, nextBook, nextChapter);
        error = StrFormat("the text ends before chapter %d:%d", nextBook, nextChapter);
        return false;
    }
    return true;
}

bool VerifyBiblePair(const std::string& textPath, const std::string& indexPath, int expectedVerses,
                     std::string& error) {
    std::string index;
    std::string text;
    if (!ReadWholeFile(indexPath, index)) {
        error = indexPath + ": cannot be read back";
        return false;
    }
    if (!ReadWholeFile(textPath, text)) {
        error = textPath + ": cannot be read back";
        return false;
    }
    if (!CheckIndexLines(index, indexPath, error)) {
        return false;
    }
    ChapterOffsetTable offsets{};
    if (!LoadChapterIndex(indexPath, offsets)) {
        error = indexPath + ": cannot be opened";
        return false;
    }
    for (int k = 0; k < kChapterTotal; ++k) {
        int book = 0;
        int chapter = 0;
        ChapterAtPosition(k, book, chapter);
        const std::int64_t offset = offsets[k];
        const bool atLineStart =
            offset == 0 ||
            (offset > 0 && offset <= std::int64_t(text.size()) && text[offset - 1] == '\n');
        VerseLine v;
        const std::size_t at = static_cast<std::size_t>(offset);
        const bool ok =
            atLineStart && at < text.size() &&
            ParseVerseLine(std::string_view(text).substr(at, text.find('\n', at) - at), v) &&
            v.book == book && v.chapter == chapter && v.verse == 1;
        if (!ok) {
            error = indexPath +
                    StrFormat(": offset %lld of chapter %d:%d does not start its "
                              "verse 1 in ",
                              static_cast<long long>(offset), book, chapter) +
                    textPath;
            return false;
        }
    }
    if (!text.empty() && text.back() != '\n') {
        error = textPath + ": the last line has no line feed";
        return false;
    }
    int verseLines = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        VerseLine v;
        if (!ParseVerseLine(std::string_view(text).substr(start, end - start), v)) {
            error = textPath + StrFormat(": line %d is not a verse line", verseLines + 1);
            return false;
        }
        ++verseLines;
        start = end + 1;
    }
    if (verseLines != expectedVerses) {
        error = textPath + StrFormat(": %d verse lines, expected %d", verseLines, expectedVerses);
        return false;
    }
    return true;
}

bool InstallBiblePair(const std::string& folder, std::string_view baseName, const BibleFiles& files,
                      int expectedVerses, std::string& error) {
    const std::string textPath = folder + std::string(baseName) + ".dat";
    const std::string indexPath = folder + std::string(baseName) + ".inx";
    std::string tempText;
    std::string tempIndex;
    auto fail = [&] {
        RemoveIfSet(tempText);
        RemoveIfSet(tempIndex);
        return false;
    };
    if (!WriteTemporary(textPath, files.text, tempText, error) ||
        !WriteTemporary(indexPath, files.index, tempIndex, error)) {
        return fail();
    }
    if (!VerifyBiblePair(tempText, tempIndex, expectedVerses, error)) {
        return fail();
    }
    // Two renames can't be one atomic step. The small index goes first, with its old content
    // kept, so that a failing second rename can put the old pair back together.
    std::string oldIndex;
    const bool hadIndex = ReadWholeFile(indexPath, oldIndex);
    if (::rename(tempIndex.c_str(), indexPath.c_str()) != 0) {
        error = indexPath + ": cannot be replaced: " + std::strerror(errno);
        return fail();
    }
    tempIndex.clear();
    if (::rename(tempText.c_str(), textPath.c_str()) != 0) {
        error = textPath + ": cannot be replaced: " + std::strerror(errno);
        const bool restored =
            hadIndex ? WriteFileAtomically(indexPath, oldIndex) : ::unlink(indexPath.c_str()) == 0;
        if (!restored) {
            error += "; " + indexPath + " no longer matches it";
        }
        return fail();
    }
    SyncFolder(folder);
    return true;
}
