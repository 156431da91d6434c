#pragma once

#include "ScriptureStore.h"

#include <string>
#include <string_view>
#include <vector>

// Verses one lookup keeps per language (a chapter has at most 176).
inline constexpr std::size_t kMaxLookupVerses = 200;

// Last verse of a lookup whose two verse edits are both empty: the whole chapter.
inline constexpr int kOpenRangeLastVerse = 10000;

struct VerseRange {
    int first = 1;
    int last = 1;
};

// The verse range from the two edit texts; false when the first verse is no number.
// ("", "") -> 1..10000; ("5", "") -> 5..5; ("5", "0") and ("5", "x") -> 5..5;
// ("12abc", "14") -> 12..14; ("abc", ...) and ("0", ...) -> false. A value below 1 counts as
// no number: -3 is an error as a first verse and means "the first verse" as a last one.
bool ParseVerseRange(std::string_view firstText, std::string_view lastText, VerseRange& range);

// One lookup line: (3, "text") -> "[3] text\r\n".
std::string FormatLookupLine(int verse, std::string_view text);

// Appends the lines of the verses first..last of one chapter, read from the chapter's offset
// until a line lies past the chapter or past `last`; at most kMaxLookupVerses lines in all.
// False when the text file can't be opened.
bool ReadLookupLines(const std::string& textPath, const ChapterOffsetTable& offsets, int book,
                     int chapter, const VerseRange& range, std::vector<std::string>& lines);

// The chosen language's text and the parallel text, paired by position: every primary line,
// in the parallel text followed by the other language's line at the same place when there is
// one. Primary {"[1] a", "[2] b"}, other {"[1] A"} -> display "[1] a[2] b",
// parallel "[1] a[1] A[2] b".
void ComposeLookupTexts(const std::vector<std::string>& primary,
                        const std::vector<std::string>& other, std::string& displayText,
                        std::string& parallelText);
