#include "ReaderGlobals.h"

namespace {
struct ReaderValues {
    int activeLanguage = static_cast<int>(ViewLanguage::Korean);
    int lastKoreanBook = 1;
};

ReaderValues& Values() {
    static ReaderValues values;
    return values;
}
} // namespace

const int& g_activeLanguage = Values().activeLanguage;
const int& g_lastKoreanBook = Values().lastKoreanBook;

void SetActiveLanguage(ViewLanguage language) {
    Values().activeLanguage = static_cast<int>(language);
}

void SetLastKoreanBook(int book) {
    Values().lastKoreanBook = book;
}

void ResetReaderGlobals() {
    Values() = ReaderValues{};
}
