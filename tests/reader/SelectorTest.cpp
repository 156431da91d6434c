#include "FixedWidthMeasurer.h"
#include "SelectModel.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CTextMeasurer> FixedFont(int) {
    return std::make_unique<CFixedWidthMeasurer>();
}

class SelectorTest : public ::testing::Test {
protected:
    CChapterViewModel m_korean{KoreanViewProfile(), FixedFont};
    CChapterViewModel m_english{EnglishViewProfile(), FixedFont};

    static void Place(CChapterViewModel& view, int book, int chapter) {
        view.m_book = book;
        view.m_chapter = chapter;
    }
};

TEST_F(SelectorTest, OpensOnTheViewsChapter) {
    Place(m_korean, 66, 22);
    CSelectModel select(m_korean);
    select.Init();
    const CBookLists& l = select.m_lists;
    ASSERT_EQ(l.m_testaments.Count(), 2);
    EXPECT_EQ(l.m_testaments.items[0].text, "구약");
    EXPECT_EQ(l.m_testaments.items[1].value, 2);
    EXPECT_EQ(l.m_testaments.selected, 1);
    ASSERT_EQ(l.m_books.Count(), 27);
    EXPECT_EQ(l.m_books.items[0].text, "마태복음");
    EXPECT_EQ(l.m_books.items[0].value, 40);
    EXPECT_EQ(l.m_books.selected, 26);
    EXPECT_EQ(l.m_books.editText, "요한계시록");
    EXPECT_EQ(l.m_chapters.Count(), 22);
    EXPECT_EQ(l.m_chapters.selected, 21);
    EXPECT_EQ(l.m_chapters.editText, " 22 장");
}

TEST_F(SelectorTest, ChapterItemsFollowTheLanguageAndThePsalms) {
    Place(m_korean, 19, 119);
    Place(m_english, 19, 119);
    CSelectModel korean(m_korean);
    CSelectModel english(m_english);
    korean.Init();
    english.Init();
    const ComboList& k = korean.m_lists.m_chapters;
    const ComboList& e = english.m_lists.m_chapters;
    ASSERT_EQ(k.Count(), 150);
    EXPECT_EQ(k.items[6].text, "  7 편");
    EXPECT_EQ(k.items[118].text, "119 편");
    EXPECT_EQ(k.items[118].value, 119);
    EXPECT_EQ(k.selected, 118);
    EXPECT_EQ(e.items[6].text, "  7 Ch");
    EXPECT_EQ(e.items[149].text, "150 Ch");
    EXPECT_EQ(english.m_lists.m_testaments.items[0].text, "OLD_TS");
    EXPECT_EQ(english.m_lists.m_books.items[18].text, "Psalms");
    EXPECT_EQ(english.m_lists.m_books.selected, 18);
    EXPECT_EQ(english.m_lists.m_books.Count(), 39);

    korean.OnBookChanged(0);
    EXPECT_EQ(korean.m_lists.m_chapters.items[6].text, "  7 장");
}

TEST_F(SelectorTest, AnotherBookStartsAtItsFirstChapter) {
    for (CChapterViewModel* view : {&m_korean, &m_english}) {
        Place(*view, 1, 5);
        CSelectModel select(*view);
        select.Init();
        select.OnBookChanged(1); // Exodus
        EXPECT_EQ(select.m_lists.m_selBook, 2);
        EXPECT_EQ(select.m_lists.m_selChapter, 1);
        EXPECT_EQ(select.m_lists.m_chapters.selected, 0);
        EXPECT_EQ(select.m_lists.m_chapters.Count(), 40);
        select.OnChapterChanged(2);
        EXPECT_EQ(select.m_lists.m_selChapter, 3);
        select.OnOK();
        EXPECT_EQ(view->m_book, 2);
        EXPECT_EQ(view->m_chapter, 3);
        EXPECT_FALSE(view->m_keepTopLine) << "a chapter from the selector opens at its top";
    }
    EXPECT_TRUE(m_korean.m_accepted);
    EXPECT_FALSE(m_english.m_accepted) << "the English selector doesn't confirm";
    EXPECT_TRUE(m_korean.AfterDialog(ViewDialog::Selector).reload);
}

TEST_F(SelectorTest, ATestamentAloneChoosesNothing) {
    Place(m_korean, 1, 5);
    Place(m_english, 1, 5);
    CSelectModel korean(m_korean);
    CSelectModel english(m_english);
    korean.Init();
    english.Init();
    korean.OnTestamentChanged(1);
    english.OnTestamentChanged(1);
    for (const CSelectModel* s : {&korean, &english}) {
        EXPECT_EQ(s->m_lists.m_books.Count(), 27);
        EXPECT_FALSE(s->m_lists.m_books.HasSelection());
        EXPECT_EQ(s->m_lists.m_chapters.Count(), 0);
        EXPECT_FALSE(s->m_lists.m_chapters.HasSelection());
        EXPECT_EQ(s->m_lists.m_selBook, 1) << "the chosen book stays until a book is picked";
        EXPECT_EQ(s->m_lists.m_selChapter, 5);
    }
    EXPECT_EQ(korean.m_lists.m_books.editText, "성경선택");
    EXPECT_EQ(korean.m_lists.m_chapters.editText, "");
    EXPECT_EQ(english.m_lists.m_books.editText, "Volume");
    EXPECT_EQ(english.m_lists.m_chapters.editText, "Chapter");

    korean.OnOK();
    english.OnOK();
    EXPECT_EQ(m_korean.m_book, 1);
    EXPECT_EQ(m_korean.m_chapter, 5);
    EXPECT_EQ(m_english.m_chapter, 5);
    EXPECT_TRUE(m_korean.m_accepted) << "the Korean view still reloads the same chapter";
    EXPECT_TRUE(m_korean.AfterDialog(ViewDialog::Selector).reload);
}

TEST_F(SelectorTest, CancelLeavesTheView) {
    for (CChapterViewModel* view : {&m_korean, &m_english}) {
        Place(*view, 1, 5);
        view->m_accepted = true;
        CSelectModel select(*view);
        select.Init();
        select.OnTestamentChanged(1);
        select.OnBookChanged(3);
        select.OnCancel();
        EXPECT_EQ(view->m_book, 1);
        EXPECT_EQ(view->m_chapter, 5);
        EXPECT_FALSE(view->m_accepted);
    }
    EXPECT_FALSE(m_korean.AfterDialog(ViewDialog::Selector).reload);
    EXPECT_TRUE(m_english.AfterDialog(ViewDialog::Selector).reload)
        << "the English view reloads its chapter from the top even after cancel";
}

TEST_F(SelectorTest, PicksOutsideTheListsSelectNothing) {
    Place(m_korean, 1, 5);
    CSelectModel select(m_korean);
    select.Init();
    select.OnBookChanged(99);
    select.OnChapterChanged(-1);
    EXPECT_EQ(select.m_lists.m_selBook, 1);
    EXPECT_FALSE(select.m_lists.m_chapters.HasSelection());
    select.OnOK();
    EXPECT_EQ(m_korean.m_chapter, 5);
}

} // namespace
