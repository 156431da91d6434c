#pragma once

#include "KeywordScan.h"

#include <array>
#include <string>
#include <string_view>

// A column of the hit list: header and width in pixels; every column is centred.
struct HitColumn {
    std::string_view header;
    int width = 0;
};

inline constexpr std::size_t kHitColumnCount = 5;
extern const std::array<HitColumn, kHitColumnCount> g_hitColumns;

// The texts of one hit row: number, Korean book name, chapter, verse, verse text.
using HitRowTexts = std::array<std::string, kHitColumnCount>;

// Row of the hit with the 1-based `number`: (3, {40, 5, 9, "화평케 하는 자는"}) ->
// {"3", "마태복음", "5", "9", "화평케 하는 자는"}. The book name is Korean for either Bible.
HitRowTexts MakeHitRow(int number, const SearchHit& hit);

// What the verse view shows for one hit row.
struct VerseViewFields {
    std::string searchWord;
    std::string numberText;  // "3 번"
    std::string bookText;    // "마태복음"
    std::string chapterText; // "5 장"
    std::string verseText;   // "9 절"
    std::string bodyText;    // the verse text
};

// The verse view's fields from a hit row's texts: number + " 번", chapter + " 장",
// verse + " 절".
VerseViewFields MakeVerseViewFields(std::string_view searchWord, const HitRowTexts& row);
