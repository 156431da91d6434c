#include "ChapterViewModel.h"
#include "FixedWidthMeasurer.h"
#include "ReaderGlobals.h"
#include "TestBible.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// Records what the view asks and shows, and answers from a queue (Yes when it runs dry).
struct ScriptedPrompts {
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::deque<bool> answers;

    ViewPrompts Prompts() {
        return {[this](std::string_view q) {
                    questions.emplace_back(q);
                    if (answers.empty()) {
                        return true;
                    }
                    const bool answer = answers.front();
                    answers.pop_front();
                    return answer;
                },
                [this](std::string_view m) { messages.emplace_back(m); }};
    }
};

std::unique_ptr<CTextMeasurer> FixedFont(int) {
    return std::make_unique<CFixedWidthMeasurer>();
}

class NavigationTest : public ::testing::Test {
protected:
    // A screen's handling of a key: the model decides, the screen reloads when told.
    ViewActions Key(CChapterViewModel& view, int key) {
        const ViewActions actions = view.OnKeyDown(key, m_prompts.Prompts());
        if (actions.reload) {
            view.LoadChapter();
        }
        return actions;
    }
    static void GoTo(CChapterViewModel& view, int book, int chapter) {
        view.m_book = book;
        view.m_chapter = chapter;
        view.LoadChapter();
    }

    CTestBible m_bible{ChapterVerses(1, 50, 40, "창"), ChapterVerses(1, 50, 40, "Gen")};
    CChapterViewModel m_view{KoreanViewProfile(), FixedFont};
    ScriptedPrompts m_prompts;
};

TEST_F(NavigationTest, LeftAndRightStepAcrossBooks) {
    GoTo(m_view, 2, 1);
    ViewActions a = Key(m_view, kKeyLeft);
    EXPECT_EQ(m_prompts.questions.back(), "이전 성경으로 이동할까요?");
    EXPECT_TRUE(a.reload && a.repaint);
    EXPECT_EQ(m_view.m_book, 1);
    EXPECT_EQ(m_view.m_chapter, 50);
    EXPECT_EQ(m_view.LineCount(), 40);

    a = Key(m_view, kKeyRight);
    EXPECT_EQ(m_prompts.questions.back(), "다음 성경으로 이동할까요?");
    EXPECT_EQ(m_view.m_book, 2);
    EXPECT_EQ(m_view.m_chapter, 1);

    GoTo(m_view, 19, 1);
    Key(m_view, kKeyLeft);
    EXPECT_EQ(m_prompts.questions.back(), "이전 성경으로 이동할까요?");
    EXPECT_EQ(m_view.m_book, 18);
    EXPECT_EQ(m_view.m_chapter, 42);

    GoTo(m_view, 31, 1);
    Key(m_view, kKeyRight);
    EXPECT_EQ(m_prompts.questions.back(), "다음 성경으로 이동할까요?")
        << "a one-chapter book asks for the next book at once";
    EXPECT_EQ(m_view.m_book, 32);
    EXPECT_EQ(m_view.m_chapter, 1);
}

TEST_F(NavigationTest, LeftAndRightStepWithinABook) {
    GoTo(m_view, 1, 50);
    m_view.PageDown();
    ASSERT_GT(m_view.m_topLine, 0);
    Key(m_view, kKeyLeft);
    EXPECT_EQ(m_prompts.questions.back(), "이전 장으로 이동할까요?");
    EXPECT_EQ(m_view.m_chapter, 49);
    EXPECT_EQ(m_view.m_topLine, 0) << "a new chapter opens at its top";
    Key(m_view, kKeyRight);
    EXPECT_EQ(m_prompts.questions.back(), "다음 장으로 이동할까요?");
    EXPECT_EQ(m_view.m_chapter, 50);
}

TEST_F(NavigationTest, TheEndsOfTheBibleAskNothing) {
    GoTo(m_view, 1, 1);
    EXPECT_FALSE(Key(m_view, kKeyLeft).reload);
    GoTo(m_view, 66, 22);
    EXPECT_FALSE(Key(m_view, kKeyRight).reload);
    EXPECT_TRUE(m_prompts.questions.empty());
    EXPECT_EQ(m_view.m_book, 66);
    EXPECT_EQ(m_view.m_chapter, 22);
    EXPECT_TRUE(m_view.m_arrowPending) << "the scroll bar's step from the key is still swallowed";
}

TEST_F(NavigationTest, NoKeepsEverything) {
    GoTo(m_view, 1, 50);
    m_view.PageDown();
    const int top = m_view.m_topLine;
    m_prompts.answers = {false, false};
    EXPECT_FALSE(Key(m_view, kKeyLeft).reload);
    EXPECT_FALSE(Key(m_view, kKeyRight).reload);
    EXPECT_EQ(m_prompts.questions.size(), 2u);
    EXPECT_EQ(m_view.m_book, 1);
    EXPECT_EQ(m_view.m_chapter, 50);
    EXPECT_EQ(m_view.m_topLine, top);
    EXPECT_TRUE(m_view.OnScroll(ScrollCode::LineDown));
    EXPECT_EQ(m_view.m_topLine, top) << "the scroll bar's own step from the key is ignored";
}

TEST_F(NavigationTest, UpAndDownPageAndSwallowTheScrollBarStep) {
    GoTo(m_view, 1, 50); // 40 lines, 14 a page: a scroll total of 14 + 2 * 13
    ASSERT_EQ(m_view.m_scrollMax, 26);
    ViewActions a = Key(m_view, kKeyUp);
    EXPECT_FALSE(a.repaint) << "up at the top changes nothing";
    EXPECT_TRUE(m_view.OnScroll(ScrollCode::LineUp));
    EXPECT_EQ(m_view.m_topLine, 0);
    EXPECT_FALSE(m_view.m_arrowPending);

    a = Key(m_view, kKeyDown);
    EXPECT_TRUE(a.repaint);
    EXPECT_EQ(m_view.m_topLine, 13);
    m_view.OnScroll(ScrollCode::LineDown);
    EXPECT_EQ(m_view.m_topLine, 13) << "ignored once";
    m_view.OnScroll(ScrollCode::LineDown);
    EXPECT_EQ(m_view.m_topLine, 14) << "then line steps count again";
    Key(m_view, kKeyDown);
    EXPECT_EQ(m_view.m_topLine, 26) << "not past the scroll maximum";
    EXPECT_FALSE(Key(m_view, kKeyDown).repaint);
    Key(m_view, kKeyUp);
    EXPECT_EQ(m_view.m_topLine, 13);
    EXPECT_TRUE(m_prompts.questions.empty());
}

TEST_F(NavigationTest, OtherKeys) {
    GoTo(m_view, 1, 50);
    EXPECT_FALSE(Key(m_view, kKeyUnsupported).repaint);
    ASSERT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_EQ(m_prompts.messages[0], "지원하지 않는 Key입니다.");
    EXPECT_FALSE(m_view.m_arrowPending);
    Key(m_view, 'A');
    EXPECT_EQ(m_prompts.messages.size(), 1u);
    EXPECT_TRUE(m_prompts.questions.empty());
}

TEST_F(NavigationTest, ScrollBarStepsDifferByView) {
    CChapterViewModel english(EnglishViewProfile(), FixedFont);
    for (CChapterViewModel* view : {&m_view, &english}) {
        GoTo(*view, 1, 50);
        const int step = view == &m_view ? 13 : 14;
        EXPECT_TRUE(view->OnScroll(ScrollCode::PageDown));
        EXPECT_EQ(view->m_topLine, step);
        EXPECT_TRUE(view->OnScroll(ScrollCode::PageUp));
        EXPECT_EQ(view->m_topLine, 0);
        EXPECT_FALSE(view->OnScroll(ScrollCode::PageUp));
        EXPECT_TRUE(view->PageDown());
        EXPECT_EQ(view->m_topLine, 13) << "the page command steps by a page less one line";
        EXPECT_TRUE(view->OnScroll(ScrollCode::ThumbTrack, 500));
        EXPECT_EQ(view->m_topLine, 26);
        EXPECT_FALSE(view->OnScroll(ScrollCode::PageDown));
        EXPECT_TRUE(view->OnScroll(ScrollCode::ThumbTrack, -3));
        EXPECT_EQ(view->m_topLine, 0);
        EXPECT_TRUE(view->OnScroll(ScrollCode::LineUp));
        EXPECT_EQ(view->m_topLine, 0);
        for (ScrollCode other : {ScrollCode::ThumbPosition, ScrollCode::Top, ScrollCode::Bottom,
                                 ScrollCode::EndScroll}) {
            EXPECT_FALSE(view->OnScroll(other, 20));
            EXPECT_EQ(view->m_topLine, 0);
        }
    }
}

TEST_F(NavigationTest, ParallelToggle) {
    GoTo(m_view, 1, 50);
    const std::vector<std::string> plain = m_view.m_lines;
    ViewActions a = m_view.ToggleParallel();
    EXPECT_EQ(m_view.m_parallel, 1);
    EXPECT_TRUE(a.reload && a.repaint);
    m_view.LoadChapter();
    EXPECT_EQ(m_view.LineCount(), 80);
    EXPECT_EQ(m_view.LineAt(1), "[1] Gen verse 1");
    m_view.ToggleParallel();
    m_view.LoadChapter();
    EXPECT_EQ(m_view.m_parallel, 0);
    EXPECT_EQ(m_view.m_lines, plain);
    m_view.m_parallel = 7;
    m_view.ToggleParallel();
    EXPECT_EQ(m_view.m_parallel, 1);
}

TEST_F(NavigationTest, WhatTheViewDoesAfterEachDialog) {
    CChapterViewModel english(EnglishViewProfile(), FixedFont);
    m_view.m_accepted = false;
    english.m_accepted = false;
    ViewActions k = m_view.AfterDialog(ViewDialog::Selector);
    ViewActions e = english.AfterDialog(ViewDialog::Selector);
    EXPECT_FALSE(k.reload) << "the Korean view reloads only a confirmed choice";
    EXPECT_TRUE(k.focusScrollBar);
    EXPECT_TRUE(e.reload) << "the English view reloads after any close";
    EXPECT_FALSE(e.focusScrollBar);

    m_view.m_accepted = true;
    EXPECT_TRUE(m_view.AfterDialog(ViewDialog::Selector).reload);
    EXPECT_EQ(m_view.m_linesPerPage, 14);

    for (ViewDialog d : {ViewDialog::ManualBookmark, ViewDialog::FontSettings}) {
        for (CChapterViewModel* view : {&m_view, &english}) {
            view->m_fontSize = 20;
            view->m_accepted = true;
            EXPECT_TRUE(view->AfterDialog(d).reload);
            EXPECT_EQ(view->m_linesPerPage, 10) << "new lines per page before the layout";
            view->m_fontSize = 12;
            view->m_accepted = false;
            const ViewActions cancelled = view->AfterDialog(d);
            EXPECT_FALSE(cancelled.reload);
            EXPECT_EQ(view->m_linesPerPage, 10);
            EXPECT_EQ(cancelled.repaint, d == ViewDialog::FontSettings)
                << "a cancelled font dialog only repaints";
        }
    }
    EXPECT_FALSE(english.AfterDialog(ViewDialog::ManualBookmark).focusScrollBar);
    EXPECT_TRUE(english.AfterDialog(ViewDialog::FontSettings).focusScrollBar);
    const ViewActions add = m_view.AfterDialog(ViewDialog::AddBookmark);
    EXPECT_FALSE(add.reload);
    EXPECT_TRUE(add.focusScrollBar);
}

} // namespace
