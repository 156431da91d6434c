#include "ChapterText.h"
#include "ScriptureStore.h"
#include "TestBible.h"

#include <gtest/gtest.h>

namespace {

std::vector<TestVerse> Join(std::vector<std::vector<TestVerse>> parts) {
    std::vector<TestVerse> all;
    for (auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

ChapterSource Korean() {
    return {g_koreanTextPath, &g_koreanChapterOffsets};
}
ChapterSource English() {
    return {g_englishTextPath, &g_englishChapterOffsets};
}

TEST(ChapterTitles, PerLanguageAndThePsalms) {
    EXPECT_EQ(ChapterTitle(ViewLanguage::Korean, 1, 3), "말씀 - 창세기 :   3 장");
    EXPECT_EQ(ChapterTitle(ViewLanguage::Korean, 19, 119), "말씀 - 시편 : 119 편");
    EXPECT_EQ(ChapterTitle(ViewLanguage::English, 19, 119), "Words - Psalms : 119");
    EXPECT_EQ(ChapterTitle(ViewLanguage::English, 66, 2), "Words - Revelation : 2");
}

TEST(ChapterText, VersesOfOneChapterInViewForm) {
    CTestBible bible(Join({ChapterVerses(1, 50, 3, "창"), ChapterVerses(2, 1, 2, "출")}),
                     ChapterVerses(1, 50, 3, "Gen"));
    EXPECT_EQ(LoadChapterText(Korean(), English(), 1, 50, false),
              "[1] 창 verse 1\n[2] 창 verse 2\n[3] 창 verse 3\n")
        << "the first line of the next book ends the chapter";
    EXPECT_EQ(LoadChapterText(Korean(), English(), 2, 1, false), "[1] 출 verse 1\n[2] 출 verse 2\n")
        << "the last chapter in the file ends at the file's end";
    EXPECT_EQ(LoadChapterText(Korean(), English(), 1, 0, false), "");
    EXPECT_EQ(LoadChapterText(Korean(), English(), 1, 51, false), "") << "no such chapter";
    EXPECT_EQ(LoadChapterText(Korean(), English(), 3, 1, false), "") << "a chapter without text";
}

TEST(ChapterText, ParallelVersesArePairedByPlace) {
    std::vector<TestVerse> english = ChapterVerses(1, 1, 3, "Gen");
    english[1].verse = 7; // paired by order, shown with its own number
    CTestBible bible(ChapterVerses(1, 1, 3, "창"), english);
    EXPECT_EQ(LoadChapterText(Korean(), English(), 1, 1, true),
              "[1] 창 verse 1\n[1] Gen verse 1\n[2] 창 verse 2\n[7] Gen verse 2\n"
              "[3] 창 verse 3\n[3] Gen verse 3\n");
    EXPECT_EQ(LoadChapterText(English(), Korean(), 1, 1, true),
              "[1] Gen verse 1\n[1] 창 verse 1\n[7] Gen verse 2\n[2] 창 verse 2\n"
              "[3] Gen verse 3\n[3] 창 verse 3\n");
}

TEST(ChapterText, AShorterOtherChapterStopsAfterTheFirstUnpairedVerse) {
    CTestBible bible(Join({ChapterVerses(1, 1, 4, "창"), ChapterVerses(1, 2, 1, "창")}),
                     Join({ChapterVerses(1, 1, 2, "Gen"), ChapterVerses(1, 2, 1, "Gen")}));
    EXPECT_EQ(LoadChapterText(Korean(), English(), 1, 1, true),
              "[1] 창 verse 1\n[1] Gen verse 1\n[2] 창 verse 2\n[2] Gen verse 2\n[3] 창 verse 3\n");
}

TEST(ChapterText, WithoutTheOtherBibleTheOwnChapterStandsAlone) {
    CTestBible bible(ChapterVerses(1, 1, 3, "창"), ChapterVerses(1, 1, 3, "Gen"));
    std::filesystem::remove(bible.Dir().File("ebible.dat"));
    EXPECT_EQ(LoadChapterText(Korean(), English(), 1, 1, true),
              "[1] 창 verse 1\n[2] 창 verse 2\n[3] 창 verse 3\n");
    EXPECT_EQ(LoadChapterText(English(), Korean(), 1, 1, true), "")
        << "the own Bible missing shows nothing";
}

TEST(ChapterText, AnOverlongVerseIsOnePiece) {
    const std::string longText(700, 'x'); // more than one 511-character read
    CTestBible bible({{1, 1, 1, longText}, {1, 1, 2, "next"}}, {});
    EXPECT_EQ(LoadChapterText(Korean(), English(), 1, 1, false),
              "[1] " + longText + "\n[2] next\n");
}

} // namespace
