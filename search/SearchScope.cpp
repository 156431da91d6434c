#include "SearchScope.h"

#include "BookCatalogue.h"

const std::array<std::string_view, 4> g_searchScopeTexts = {" 전체", " 구약", " 신약", " 4복음서"};

std::vector<ComboItem> BookItemsOfScope(int scope) {
    int first = 1;
    int last = kBookCount;
    if (scope == kScopeOldTestament) {
        last = kOldTestamentBooks;
    } else if (scope == kScopeNewTestament || scope == kScopeGospels) {
        // The gospels scope lists the whole New Testament; only a search narrows it to 40..43.
        first = kOldTestamentBooks + 1;
    }
    const int count = last - first + 1;
    std::vector<ComboItem> items;
    items.reserve(static_cast<std::size_t>(count));
    for (int book = first; book <= last; ++book) {
        items.push_back({std::string(KoreanBookName(book)), book});
    }
    return items;
}

std::vector<ComboItem> ChapterItemsOfBook(int book) {
    std::vector<ComboItem> items;
    const int count = ChapterCountOf(book);
    items.reserve(static_cast<std::size_t>(count));
    for (int chapter = 1; chapter <= count; ++chapter) {
        items.push_back({KoreanChapterCaption(book, chapter), chapter});
    }
    return items;
}

int ChooseSearchKind(int scope, int book, int chapter) {
    if (book != -1 && chapter != -1) {
        return kSearchOneChapter;
    }
    if (book != -1) {
        return kSearchOneBook;
    }
    switch (scope) {
    case kScopeOldTestament:
        return kSearchOldTestament;
    case kScopeNewTestament:
        return kSearchNewTestament;
    case kScopeGospels:
        return kSearchGospels;
    default:
        return kSearchWholeBible;
    }
}

SearchRange SearchRangeOf(int kind, int book, int chapter) {
    switch (kind) {
    case kSearchOldTestament:
        return {kind, 1, kOldTestamentBooks, 1, false};
    case kSearchNewTestament:
        return {kind, kOldTestamentBooks + 1, kBookCount, 1, false};
    case kSearchGospels:
        return {kind, 40, 43, 1, false};
    case kSearchOneBook:
        return {kind, book, book, 1, false};
    case kSearchOneChapter:
        return {kind, book, book, chapter, true};
    default:
        return {kSearchWholeBible, 1, kBookCount, 1, false};
    }
}
