#include "KrvFolder.h"

#include "BookCatalogue.h"
#include "KrvImport.h"
#include "TextUtil.h"

int GeneratedVerseCount(int book, int chapter) {
    return 1 + (book + chapter) % 3;
}

std::string GeneratedVerseText(int book, int chapter, int verse) {
    return StrFormat("%s %d장 %d절", std::string(KoreanBookName(book)).c_str(), chapter, verse);
}

int GeneratedVerseTotal() {
    int total = 0;
    for (int book = 1; book <= kBookCount; ++book) {
        for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter) {
            total += GeneratedVerseCount(book, chapter);
        }
    }
    return total;
}

nlohmann::json GeneratedBook(int book) {
    nlohmann::json chapters = nlohmann::json::array();
    for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter) {
        nlohmann::json verses = nlohmann::json::array();
        for (int verse = 1; verse <= GeneratedVerseCount(book, chapter); ++verse) {
            verses.push_back(
                {{"verse", verse}, {"text", GeneratedVerseText(book, chapter, verse)}});
        }
        chapters.push_back({{"chapter", chapter}, {"verses", verses}});
    }
    std::string name = KrvFileName(book);
    name.resize(name.size() - 5); // ".json"
    return {{"book", name}, {"chapters", chapters}};
}

void WriteKrvBook(const CTempDir& dir, int bookNumber, const nlohmann::json& book) {
    dir.Write(KrvFileName(bookNumber), book.dump(1));
}

void WriteKrvFolder(const CTempDir& dir) {
    for (int book = 1; book <= kBookCount; ++book) {
        WriteKrvBook(dir, book, GeneratedBook(book));
    }
}
