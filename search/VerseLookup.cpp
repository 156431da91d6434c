#include "VerseLookup.h"

#include "TextUtil.h"
#include "VerseLine.h"

bool ParseVerseRange(std::string_view firstText, std::string_view lastText, VerseRange& range) {
    const bool open = firstText.empty();
    int first = 1;
    if (!open) {
        first = ParseLeadingInt(firstText);
        if (first < 1) {
            return false;
        }
    }
    int last = 0;
    if (!lastText.empty()) {
        last = ParseLeadingInt(lastText);
        if (last < 1) {
            last = first;
        }
    } else {
        last = open ? kOpenRangeLastVerse : first;
    }
    range = {first, last};
    return true;
}

std::string FormatLookupLine(int verse, std::string_view text) {
    std::string line;
    line.reserve(text.size() + 16);
    line.append("[").append(std::to_string(verse)).append("] ").append(text);
    line.append("\r\n");
    return line;
}

bool ReadLookupLines(const std::string& textPath, const ChapterOffsetTable& offsets, int book,
                     int chapter, const VerseRange& range, std::vector<std::string>& lines) {
    const int position = ChapterIndexOf(book, chapter);
    CVerseLineReader reader;
    if (!reader.Open(textPath, offsets[static_cast<std::size_t>(position)])) {
        return false;
    }
    VerseLine v;
    while (lines.size() < kMaxLookupVerses && !reader.AtEnd() && reader.Next(v)) {
        if (IsPastChapter(v, book, chapter) || v.verse > range.last) {
            break;
        }
        if (v.verse >= range.first) {
            lines.push_back(FormatLookupLine(v.verse, v.text));
        }
    }
    return true;
}

void ComposeLookupTexts(const std::vector<std::string>& primary,
                        const std::vector<std::string>& other, std::string& displayText,
                        std::string& parallelText) {
    displayText.clear();
    parallelText.clear();
    for (std::size_t i = 0; i < primary.size(); ++i) {
        displayText += primary[i];
        parallelText += primary[i];
        if (i < other.size()) {
            parallelText += other[i];
        }
    }
}
