#include "SearchLimits.h"

const std::array<SearchLimitItem, 7> g_searchLimits = {{
    {"단일검색", 0, 1},
    {" 10개까지", 1, 10},
    {" 20개까지", 2, 20},
    {" 30개까지", 3, 30},
    {" 40개까지", 4, 40},
    {" 50개까지", 5, 50},
    {"100개까지", 6, 100},
}};

int MaxHitsOf(int limitCode) {
    if (limitCode < 0 || limitCode >= static_cast<int>(g_searchLimits.size())) {
        limitCode = 0;
    }
    return g_searchLimits[static_cast<std::size_t>(limitCode)].maxHits;
}
