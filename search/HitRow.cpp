#include "HitRow.h"

#include "BookCatalogue.h"

const std::array<HitColumn, kHitColumnCount> g_hitColumns = {{
    {"No", 30},
    {"성경", 50},
    {"장", 40},
    {"절", 40},
    {"내용", 300},
}};

HitRowTexts MakeHitRow(int number, const SearchHit& hit) {
    return {std::to_string(number), std::string(KoreanBookName(hit.book)),
            std::to_string(hit.chapter), std::to_string(hit.verse), hit.text};
}

VerseViewFields MakeVerseViewFields(std::string_view searchWord, const HitRowTexts& row) {
    return {std::string(searchWord), row[0] + " 번", row[1],
            row[2] + " 장",          row[3] + " 절", row[4]};
}
