#include "SmallKoreanBible.h"

#include "ScriptureStore.h"
#include "TextUtil.h"

#include <map>
#include <utility>

CSmallKoreanBible::CSmallKoreanBible(const CTempDir& dir) {
    ResetScriptureStore();
    BuildChapterKeys();
    const std::pair<int, int> chapters[] = {{1, 1}, {19, 119}, {45, 8}, {66, 22}};
    const int verseCounts[] = {30, 176, 39, 3};
    std::string text;
    std::map<int, std::size_t> offsets;
    for (std::size_t i = 0; i < std::size(chapters); ++i) {
        const auto [book, chapter] = chapters[i];
        offsets[ChapterIndexOf(book, chapter)] = text.size();
        for (int verse = 1; verse <= verseCounts[i]; ++verse) {
            text += StrFormat("%d:%d:%d ", book, chapter, verse) + VerseText(book, chapter, verse) +
                    "\n";
        }
    }
    std::string index;
    for (int k = 0; k < kChapterTotal; ++k) {
        const auto found = offsets.find(k);
        index += std::to_string(found == offsets.end() ? text.size() : found->second) + "\n";
    }
    dir.Write("kbible.dat", text);
    dir.Write("kbible.inx", index);
    SetKoreanTextPath(dir.File("kbible.dat"));
    LoadKoreanChapterIndex(dir.File("kbible.inx"));
}

std::string CSmallKoreanBible::VerseText(int book, int chapter, int verse) {
    return StrFormat("%d장 %d절 말씀: %d권", chapter, verse, book);
}
