#include "ChapterViewModel.h"
#include "FixedWidthMeasurer.h"
#include "TestBible.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CTextMeasurer> FixedFont(int) {
    return std::make_unique<CFixedWidthMeasurer>();
}

std::string NumberedLines(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    return text;
}

TEST(ViewLayout, TwentyLinesAtSize14PageToTheLastPage) {
    CChapterViewModel view(KoreanViewProfile(), FixedFont);
    view.m_chapterText = NumberedLines(20);
    view.LayoutChapter();
    EXPECT_EQ(view.LineCount(), 20);
    EXPECT_EQ(view.m_scrollMax, 13);
    EXPECT_TRUE(view.PageDown());
    EXPECT_EQ(view.m_topLine, 13);
    EXPECT_EQ(view.LineAt(13), "line 13");
    EXPECT_EQ(view.LineAt(19), "line 19");
    EXPECT_EQ(view.LineAt(26), "") << "the last page runs past the lines into blank ones";
    EXPECT_FALSE(view.PageDown());
    EXPECT_EQ(view.m_topLine, 13);
    EXPECT_TRUE(view.PageUp());
    EXPECT_EQ(view.m_topLine, 0);
    EXPECT_FALSE(view.PageUp());
}

TEST(ViewLayout, AChapterThatFitsOneScreenDoesNotScroll) {
    CChapterViewModel view(EnglishViewProfile(), FixedFont);
    view.m_chapterText = NumberedLines(5);
    view.LayoutChapter();
    EXPECT_EQ(view.m_scrollMax, -9);
    EXPECT_EQ(view.ScrollBarMax(), 0);
    EXPECT_FALSE(view.PageDown());
    EXPECT_TRUE(view.OnScroll(ScrollCode::LineDown));
    EXPECT_FALSE(view.OnScroll(ScrollCode::PageDown));
    EXPECT_TRUE(view.OnScroll(ScrollCode::ThumbTrack, 3));
    EXPECT_EQ(view.m_topLine, 0);
    EXPECT_EQ(view.LineAt(-1), "");
}

TEST(ViewLayout, TheTopLineIsKeptOnceAndHeldInRange) {
    CChapterViewModel view(KoreanViewProfile(), FixedFont);
    view.m_chapterText = NumberedLines(100);
    view.m_topLine = 40;
    view.m_keepTopLine = true;
    view.LayoutChapter();
    EXPECT_EQ(view.m_topLine, 40);
    EXPECT_FALSE(view.m_keepTopLine);
    view.LayoutChapter();
    EXPECT_EQ(view.m_topLine, 0) << "later layouts start at the top";

    // A kept line from a damaged file stays inside the scroll range.
    view.m_topLine = -5;
    view.m_keepTopLine = true;
    view.LayoutChapter();
    EXPECT_EQ(view.m_topLine, 0);
    view.m_topLine = 100000;
    view.m_keepTopLine = true;
    view.LayoutChapter();
    EXPECT_EQ(view.m_topLine, view.m_scrollMax);
    EXPECT_EQ(view.m_scrollMax, 14 + 7 * 13 - 14);
}

TEST(ViewLayout, LinesPerPageFollowTheFontSize) {
    CChapterViewModel view(KoreanViewProfile(), FixedFont);
    view.m_fontSize = 20;
    view.ApplyFontSize();
    EXPECT_EQ(view.m_linesPerPage, 10);
    view.m_fontSize = 13;
    view.ApplyFontSize();
    EXPECT_EQ(view.m_linesPerPage, 10) << "a size outside the table keeps the lines per page";
    EXPECT_EQ(view.TitleBandHeight(), 17);
    EXPECT_EQ(view.ScreenLineTop(0), 19);
    EXPECT_EQ(view.ScreenLineTop(2), 53);
}

TEST(ViewLayout, LoadingSetsTitleAndLines) {
    CTestBible bible(ChapterVerses(19, 23, 2, "시"), ChapterVerses(19, 23, 2, "Ps"));
    CChapterViewModel view(KoreanViewProfile(), FixedFont);
    view.m_book = 19;
    view.m_chapter = 23;
    view.m_parallel = 3; // any non-zero value shows parallel text
    view.LoadChapter();
    EXPECT_EQ(view.m_title, "말씀 - 시편 :  23 편");
    EXPECT_EQ(view.LineCount(), 4);
    EXPECT_EQ(view.LineAt(1), "[1] Ps verse 1");

    view.m_chapter = 0; // nothing to load: everything stays
    view.LoadChapter();
    EXPECT_EQ(view.m_title, "말씀 - 시편 :  23 편");
    EXPECT_EQ(view.LineCount(), 4);
}

} // namespace
