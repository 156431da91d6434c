#include "BookCatalogue.h"
#include "ScriptureStore.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

TEST(Catalogue, CountsAndNames) {
    EXPECT_EQ(std::accumulate(g_chapterCounts.begin(), g_chapterCounts.end(), 0), 1189);
    EXPECT_EQ(std::accumulate(g_chapterCounts.begin(), g_chapterCounts.begin() + 39, 0), 929);
    EXPECT_EQ(*std::max_element(g_chapterCounts.begin(), g_chapterCounts.end()), 150);
    EXPECT_EQ(g_chapterCounts[18], 150);
    for (int book : {31, 57, 63, 64, 65}) {
        EXPECT_EQ(ChapterCountOf(book), 1) << book;
    }
    EXPECT_EQ(KoreanBookName(1), "창세기");
    EXPECT_EQ(KoreanBookName(19), "시편");
    EXPECT_EQ(KoreanBookName(66), "요한계시록");
    EXPECT_EQ(EnglishBookName(22), "Song_of_Songs");
    EXPECT_EQ(EnglishBookName(62), "John1");
    EXPECT_EQ(KoreanBookName(0), "");
    EXPECT_EQ(KoreanBookName(67), "");
    EXPECT_EQ(ChapterCountOf(67), 0);
    for (auto name : g_englishBookNames) {
        EXPECT_EQ(name.find(' '), std::string_view::npos) << name;
    }
}

TEST(Catalogue, TestamentPositionsAndCaptions) {
    EXPECT_EQ(TestamentOf(39), 0);
    EXPECT_EQ(TestamentListPosition(39), 38);
    EXPECT_EQ(TestamentOf(40), 1);
    EXPECT_EQ(TestamentListPosition(40), 0);
    EXPECT_EQ(TestamentListPosition(66), 26);
    for (int book = 1; book <= 66; ++book) {
        EXPECT_EQ(BookAtTestamentPosition(TestamentOf(book), TestamentListPosition(book)), book);
    }
    EXPECT_EQ(g_koreanTestamentLabels[1], "신약");
    EXPECT_EQ(g_englishTestamentLabels[0], "OLD_TS");
    EXPECT_EQ(KoreanChapterCaption(1, 7), "  7 장");
    EXPECT_EQ(KoreanChapterCaption(19, 119), "119 편");
    EXPECT_EQ(EnglishChapterCaption(7), "  7 Ch");
}

TEST(ChapterKeys, PositionsFollowTheCatalogue) {
    ResetScriptureStore();
    EXPECT_EQ(ChapterIndexOf(1, 1), 1189) << "nothing matches before the keys are built";
    BuildChapterKeys();
    EXPECT_EQ(g_chapterKeys[0], "1:1");
    EXPECT_EQ(g_chapterKeys[1188], "66:22");
    EXPECT_EQ(ChapterIndexOf(1, 1), 0);
    EXPECT_EQ(ChapterIndexOf(19, 1), 478);
    EXPECT_EQ(ChapterIndexOf(19, 150), 627);
    EXPECT_EQ(ChapterIndexOf(40, 1), 929);
    EXPECT_EQ(ChapterIndexOf(66, 22), 1188);
    EXPECT_EQ(ChapterIndexOf(1, 51), 1189);
    EXPECT_EQ(ChapterIndexOf(0, 1), 1189);
    EXPECT_EQ(ChapterIndexOf(1, 0), 1189);
    EXPECT_EQ(ChapterIndexOf(67, 1), 1189);
    EXPECT_EQ(ChapterIndexOf(-1, -1), 1189);
    // Every chapter's position equals the count of chapters before it.
    int k = 0;
    for (int book = 1; book <= 66; ++book) {
        for (int chapter = 1; chapter <= g_chapterCounts[book - 1]; ++chapter) {
            ASSERT_EQ(ChapterIndexOf(book, chapter), k++);
        }
    }
}

TEST(ScriptureStore, DataFolderAndPaths) {
    ResetScriptureStore();
    SetDataFolder("/opt/qrv");
    EXPECT_EQ(g_dataFolder, "/opt/qrv/");
    SetDataFolder("/opt/qrv/");
    EXPECT_EQ(DataFilePath("kbible.dat"), "/opt/qrv/kbible.dat");
    SetKoreanTextPath(DataFilePath("kbible.dat"));
    EXPECT_EQ(g_koreanTextPath, "/opt/qrv/kbible.dat");
    ResetScriptureStore();
    EXPECT_EQ(g_dataFolder, "");
    EXPECT_EQ(g_koreanTextPath, "");
}

} // namespace
