#include "TestBible.h"

#include "BookCatalogue.h"
#include "ReaderGlobals.h"
#include "ScriptureStore.h"

#include <utility>

namespace {

// Text file and index: every chapter's offset is where its first line is, or where the next
// present chapter starts (an absent chapter then reads nothing of its own).
std::pair<std::string, std::string> BuildFiles(const std::vector<TestVerse>& verses) {
    std::string text;
    std::string index;
    std::size_t v = 0;
    for (int book = 1; book <= kBookCount; ++book) {
        for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter) {
            index += std::to_string(text.size()) + "\n";
            while (v < verses.size() && verses[v].book == book && verses[v].chapter == chapter) {
                const TestVerse& t = verses[v++];
                text += std::to_string(t.book) + ":" + std::to_string(t.chapter) + ":" +
                        std::to_string(t.verse) + " " + t.text + "\n";
            }
        }
    }
    return {text, index};
}

} // namespace

CTestBible::CTestBible(const std::vector<TestVerse>& korean,
                       const std::vector<TestVerse>& english) {
    const auto [kText, kIndex] = BuildFiles(korean);
    const auto [eText, eIndex] = BuildFiles(english);
    m_dir.Write("kbible.dat", kText);
    m_dir.Write("kbible.inx", kIndex);
    m_dir.Write("ebible.dat", eText);
    m_dir.Write("ebible.inx", eIndex);
    ResetScriptureStore();
    ResetReaderGlobals();
    SetDataFolder(m_dir.Path());
    SetKoreanTextPath(DataFilePath("kbible.dat"));
    SetEnglishTextPath(DataFilePath("ebible.dat"));
    LoadKoreanChapterIndex(DataFilePath("kbible.inx"));
    LoadEnglishChapterIndex(DataFilePath("ebible.inx"));
    BuildChapterKeys();
}

CTestBible::~CTestBible() {
    ResetScriptureStore();
    ResetReaderGlobals();
}

std::vector<TestVerse> ChapterVerses(int book, int chapter, int count, const std::string& prefix) {
    std::vector<TestVerse> verses;
    for (int k = 1; k <= count; ++k) {
        verses.push_back({book, chapter, k, prefix + " verse " + std::to_string(k)});
    }
    return verses;
}
