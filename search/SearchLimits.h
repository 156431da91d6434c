#pragma once

#include <array>
#include <string_view>

// One item of the hit-limit box: its text, its item data and the hits it allows.
struct SearchLimitItem {
    std::string_view text;
    int code = 0;
    int maxHits = 0;
};

// The limit box in order; the item data is the position, "단일검색" (0) first.
extern const std::array<SearchLimitItem, 7> g_searchLimits;

// Maximum hits of a limit code: 0 -> 1, 1 -> 10, 6 -> 100; a code outside 0..6 counts as 0.
int MaxHitsOf(int limitCode);
