#include "BookmarkList.h"
#include "BookmarkMessages.h"
#include "BookmarkVerses.h"
#include "SmallKoreanBible.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

class BookmarkListTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Write("kBookMark.txt", std::string(kListHeader) + "BM1:로마서:45:8:28-30\n" +
                                       "시편:시편:19:119:105-105\n" + "없음:창세기:1:51:1-1\n" +
                                       "끝:요한계시록:66:22:3-9\n");
        ASSERT_TRUE(list.Load());
    }
    CTempDir dir;
    CSmallKoreanBible bible{dir};
    CBookmarkList list{dir.File("kBookMark.txt")};
};

TEST_F(BookmarkListTest, RowsCaptionAndQuestion) {
    EXPECT_EQ(list.StatusCaption(), "상태 ( 총 4 개 )");
    EXPECT_EQ(list.NextNumberForAdd(), 5);
    EXPECT_EQ(list.Row(0), (CBookmarkList::RowTexts{"1", "BM1", "로마서", "8", "28-30"}));
    EXPECT_EQ(list.Row(1), (CBookmarkList::RowTexts{"2", "시편", "시편", "119", "105"}));
    EXPECT_EQ(list.Row(4), CBookmarkList::RowTexts{}) << "no row past the list";
    EXPECT_EQ(list.DeleteQuestion(0), "1번째 [로마서-8:28-30] 북마크를 삭제 할까요?");
    EXPECT_EQ(list.DeleteQuestion(1), "2번째 [시편-119:105] 북마크를 삭제 할까요?");
}

TEST_F(BookmarkListTest, ViewShowsTheRangeFromTheKoreanText) {
    const BookmarkViewText v = list.View(0);
    EXPECT_EQ(v.titleLine, "1 번 : BM1");
    EXPECT_EQ(v.referenceLine, "말씀 : 로마서  8장 28-30절");
    EXPECT_EQ(v.verseCount, 3);
    EXPECT_EQ(v.body, "[28] " + CSmallKoreanBible::VerseText(45, 8, 28) + "\r\n" + "[29] " +
                          CSmallKoreanBible::VerseText(45, 8, 29) + "\r\n" + "[30] " +
                          CSmallKoreanBible::VerseText(45, 8, 30) + "\r\n");
    EXPECT_EQ(list.View(1).body, "[105] " + CSmallKoreanBible::VerseText(19, 119, 105) + "\r\n");

    const BookmarkViewText partial = list.View(3);
    EXPECT_EQ(partial.verseCount, 1) << "Revelation 22 ends at verse 3";
    EXPECT_EQ(list.View(2).verseCount, 0) << "Genesis has no chapter 51";
}

TEST_F(BookmarkListTest, DeletingRenumbersAndReturnsToViewMode) {
    list.SetMode(BookmarkListMode::Delete);
    ASSERT_EQ(list.Delete(0), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(list.Mode(), BookmarkListMode::View);
    EXPECT_EQ(CBookmarkList::DeleteMessage(BookmarkDeleteResult::Deleted), "");
    EXPECT_EQ(list.StatusCaption(), "상태 ( 총 3 개 )");
    EXPECT_EQ(list.Row(0)[0], "1");
    EXPECT_EQ(list.Row(0)[1], "시편");
    EXPECT_EQ(list.View(0).titleLine, "1 번 : 시편") << "the view shows the new number";

    dir.Write("kBookMark.txt", std::string(kListHeader));
    list.SetMode(BookmarkListMode::Delete);
    EXPECT_EQ(list.Delete(1), BookmarkDeleteResult::Changed);
    EXPECT_EQ(CBookmarkList::DeleteMessage(BookmarkDeleteResult::Changed), kMsgFileChanged);
    EXPECT_EQ(list.Count(), 0) << "the list shows the file as it now is";
    EXPECT_EQ(list.Mode(), BookmarkListMode::View);
}

TEST(BookmarkVerseScan, StopsAtTheChapterAndNeverReadsAnotherOne) {
    CTempDir dir;
    CSmallKoreanBible bible(dir);
    EXPECT_EQ(CountExistingVerses(1, 1, 25, 40), 6);
    EXPECT_EQ(CountExistingVerses(1, 1, 5, 3), 0);
    EXPECT_EQ(CountExistingVerses(1, 1, 31, 31), 0);
    EXPECT_EQ(CountExistingVerses(19, 119, 1, 176), 176);
    // Revelation 23 is no chapter; its offset slot repeats Revelation 22's.
    EXPECT_EQ(CountExistingVerses(66, 23, 1, 3), 0);
    EXPECT_EQ(CountExistingVerses(0, 1, 1, 3), 0);
    int count = -1;
    EXPECT_EQ(ReadBookmarkBody(45, 9, 1, 1, count), "");
    EXPECT_EQ(count, 0) << "Romans 9 is absent from this text";
}

} // namespace
