#pragma once

#include "ScriptureStore.h"
#include "SearchScope.h"

#include <string>
#include <string_view>
#include <vector>

// One verse whose text holds the search word.
struct SearchHit {
    int book = 0;
    int chapter = 0;
    int verse = 0;
    std::string text; // the verse text without leading and trailing white space
};

struct KeywordScanResult {
    bool opened = false; // false: the text file could not be opened (distinct from no hits)
    std::vector<SearchHit> hits;
};

// Scans a Bible text forward from the offset of chapter position ChapterIndexOf(firstBook,
// startChapter) for verses whose text contains `word` (case-sensitive bytes; the reference
// never counts). Ends at a line without ':', at a book past lastBook, in a one-chapter range
// at a chapter past startChapter, after `maxHits` hits (at least 1) or at the end of the file.
// "1:1:1 ab" with word "1:1" -> no hit; with word "b" -> {1, 1, 1, "ab"}.
KeywordScanResult ScanKeyword(const std::string& textPath, const ChapterOffsetTable& offsets,
                              const SearchRange& range, std::string_view word, int maxHits);
