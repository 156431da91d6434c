#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// An item of a combo box: its text and its item data.
struct ComboItem {
    std::string text;
    int data = 0;
};

// Scope box item data.
inline constexpr int kScopeWholeBible = 0;
inline constexpr int kScopeOldTestament = 1;
inline constexpr int kScopeNewTestament = 2;
inline constexpr int kScopeGospels = 3;

// Scope box items in order; item data = position.
extern const std::array<std::string_view, 4> g_searchScopeTexts;

// Edit texts of the book and chapter boxes while nothing is chosen.
inline constexpr std::string_view kBookBoxInitialText = "선택";
inline constexpr std::string_view kBookBoxRefilledText = "성경선택";
inline constexpr std::string_view kChapterBoxText = "장선택";

// Books the book box lists for a scope, as Korean names with the book number as data:
// " 구약" -> 1..39, " 신약" and " 4복음서" -> 40..66, " 전체" (or anything else) -> 1..66.
std::vector<ComboItem> BookItemsOfScope(int scope);

// Chapter box items of a book: "%3d 편" for the Psalms, "%3d 장" otherwise, data = chapter.
// Book 19 -> "  1 편" .. "150 편"; a book outside 1..66 -> no items.
std::vector<ComboItem> ChapterItemsOfBook(int book);

// The search kinds, each a contiguous run of books from a chapter start.
inline constexpr int kSearchWholeBible = 1;
inline constexpr int kSearchOldTestament = 2;
inline constexpr int kSearchNewTestament = 3;
inline constexpr int kSearchGospels = 4;
inline constexpr int kSearchOneBook = 5;
inline constexpr int kSearchOneChapter = 6;

// The kind a search runs with: a chosen chapter (with its book) -> 6, else a chosen book -> 5,
// else the scope -> 1..4. -1 stands for "none chosen". (3, 40, -1) -> 5; (3, -1, -1) -> 4.
int ChooseSearchKind(int scope, int book, int chapter);

// Where a scan starts and what ends it.
struct SearchRange {
    int kind = kSearchWholeBible;
    int firstBook = 1;
    int lastBook = 66;
    int startChapter = 1;
    // Kind 6 also stops at the first line whose chapter is greater than startChapter.
    bool singleChapter = false;
};

// The books and start chapter of a kind: 4 -> books 40..43 from chapter 1; (6, 19, 23) ->
// book 19 only, from chapter 23, stopping after it. An unknown kind counts as 1.
SearchRange SearchRangeOf(int kind, int book, int chapter);
