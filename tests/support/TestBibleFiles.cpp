#include "TestBibleFiles.h"

#include "ScriptureStore.h"
#include "TextUtil.h"

TestBibleShape ThreeVerseBibles() {
    return {[](int, int) { return 3; },
            [](int book, int chapter, int verse) {
                return StrFormat("%s %d장 %d절 말씀", std::string(KoreanBookName(book)).c_str(),
                                 chapter, verse);
            },
            [](int book, int chapter, int verse) {
                return StrFormat("Word of %s %d:%d", std::string(EnglishBookName(book)).c_str(),
                                 chapter, verse);
            }};
}

void WriteTestBibles(const CTempDir& folder, const TestBibleShape& shape) {
    std::string korean;
    std::string english;
    std::string koreanIndex;
    std::string englishIndex;
    for (int book = 1; book <= kBookCount; ++book) {
        for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter) {
            koreanIndex += std::to_string(korean.size()) + "\n";
            englishIndex += std::to_string(english.size()) + "\n";
            for (int verse = 1; verse <= shape.verseCount(book, chapter); ++verse) {
                const std::string reference = StrFormat("%d:%d:%d ", book, chapter, verse);
                korean += reference + shape.koreanText(book, chapter, verse) + "\n";
                english += reference + shape.englishText(book, chapter, verse) + "\n";
            }
        }
    }
    folder.Write("kbible.dat", korean);
    folder.Write("ebible.dat", english);
    folder.Write("kbible.inx", koreanIndex);
    folder.Write("ebible.inx", englishIndex);
}

void LoadTestBibles(const CTempDir& folder) {
    SetKoreanTextPath(folder.File("kbible.dat"));
    SetEnglishTextPath(folder.File("ebible.dat"));
    LoadKoreanChapterIndex(folder.File("kbible.inx"));
    LoadEnglishChapterIndex(folder.File("ebible.inx"));
    BuildChapterKeys();
}
