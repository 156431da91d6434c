#include "AtomicFile.h"
#include "ConfPointModel.h"
#include "FixedWidthMeasurer.h"
#include "TestBible.h"

#include <gtest/gtest.h>

namespace {

constexpr std::string_view kKoreanHeader = "Qrv Vellumreader Ver2.5 한글성경 수동책갈피\n";
constexpr std::string_view kEnglishHeader = "QRV Vellumreader Ver 2.5 영어성경 수동책갈피\r\n";

std::unique_ptr<CTextMeasurer> FixedFont(int) {
    return std::make_unique<CFixedWidthMeasurer>();
}

std::vector<TestVerse> Verses() {
    std::vector<TestVerse> v = ChapterVerses(1, 1, 60, "창");
    for (const TestVerse& t : ChapterVerses(2, 1, 60, "출")) {
        v.push_back(t);
    }
    return v;
}

class ConfPointTest : public ::testing::Test {
protected:
    ConfPointTest() {
        m_view.Open();
        m_view.LoadChapter();
    }
    // The view as the screen leaves it after the dialog: the model decides, the screen reloads.
    void AfterDialog() {
        if (m_view.AfterDialog(ViewDialog::ManualBookmark).reload) {
            m_view.LoadChapter();
        }
    }
    std::string File() const { return m_bible.Dir().Read("kConfPoint.txt"); }

    CTestBible m_bible{Verses(), Verses()};
    CChapterViewModel m_view{KoreanViewProfile(), FixedFont};
};

TEST_F(ConfPointTest, SaveHereThenLoadComesBackHere) {
    m_view.m_topLine = 30;
    CConfPointModel save(m_view);
    save.Init();
    EXPECT_EQ(save.Save(), ConfPointSave::Saved);
    EXPECT_EQ(File(), std::string(kKoreanHeader) + "1:1:30:14:0");
    save.OnOK();
    EXPECT_FALSE(m_view.m_accepted) << "OK after a save does nothing to the view";

    m_view.m_book = 2;
    m_view.LoadChapter();
    ASSERT_EQ(m_view.m_topLine, 0);
    CConfPointModel load(m_view);
    load.Init();
    EXPECT_EQ(load.Load(), ConfPointRead::Loaded);
    EXPECT_EQ(load.m_lists.m_books.selected, 0);
    load.OnOK();
    EXPECT_TRUE(m_view.m_accepted);
    EXPECT_TRUE(m_view.m_keepTopLine);
    AfterDialog();
    EXPECT_EQ(m_view.m_book, 1);
    EXPECT_EQ(m_view.m_chapter, 1);
    EXPECT_EQ(m_view.m_topLine, 30);
    EXPECT_EQ(m_view.LineAt(30), "[31] 창 verse 31");
}

TEST_F(ConfPointTest, AnotherChapterIsSavedFromItsTop) {
    m_view.m_topLine = 30;
    m_view.m_parallel = 1;
    CConfPointModel dialog(m_view);
    dialog.Init();
    dialog.OnBookChanged(1);    // Exodus, chapter 1
    dialog.OnChapterChanged(2); // chapter 3
    EXPECT_EQ(dialog.Save(), ConfPointSave::Saved);
    EXPECT_EQ(File(), std::string(kKoreanHeader) + "2:3:0:14:1");
}

TEST_F(ConfPointTest, LoadedPlaceWithSizeAndParallel) {
    m_bible.Dir().Write("kConfPoint.txt", std::string(kKoreanHeader) + "2:1:25:20:1");
    CConfPointModel dialog(m_view);
    dialog.Init();
    dialog.Load();
    EXPECT_EQ(dialog.m_lists.m_selBook, 2);
    EXPECT_EQ(dialog.m_lists.m_books.editText, "출애굽기");
    dialog.OnOK();
    AfterDialog();
    EXPECT_EQ(m_view.m_book, 2);
    EXPECT_EQ(m_view.m_fontSize, 20);
    EXPECT_EQ(m_view.m_linesPerPage, 10);
    EXPECT_EQ(m_view.m_parallel, 1);
    EXPECT_EQ(m_view.m_topLine, 25);
}

TEST_F(ConfPointTest, OkWithoutALoadChangesNothing) {
    m_view.m_topLine = 12;
    CConfPointModel dialog(m_view);
    dialog.Init();
    dialog.OnBookChanged(1);
    dialog.OnOK();
    EXPECT_FALSE(m_view.m_accepted);
    AfterDialog();
    EXPECT_EQ(m_view.m_book, 1);
    EXPECT_EQ(m_view.m_topLine, 12) << "not reloaded";
}

TEST_F(ConfPointTest, ANewBookAfterALoadKeepsTheLoadedLineSizeAndParallel) {
    m_bible.Dir().Write("kConfPoint.txt", std::string(kKoreanHeader) + "1:1:25:16:1");
    CConfPointModel dialog(m_view);
    dialog.Init();
    dialog.Load();
    dialog.OnBookChanged(1);
    EXPECT_EQ(dialog.m_lists.m_chapters.editText, "  1 장")
        << "the chapter prompt gives way to chapter 1 at once";
    dialog.OnOK();
    EXPECT_EQ(m_view.m_book, 2);
    EXPECT_EQ(m_view.m_chapter, 1);
    EXPECT_EQ(m_view.m_topLine, 25);
    EXPECT_EQ(m_view.m_fontSize, 16);
    EXPECT_EQ(m_view.m_parallel, 1);
}

TEST_F(ConfPointTest, LoadingAMissingFileStoresTheViewsPlace) {
    m_view.m_topLine = 7;
    CConfPointModel dialog(m_view);
    dialog.Init();
    EXPECT_EQ(dialog.Load(), ConfPointRead::Missing);
    EXPECT_TRUE(dialog.m_loaded);
    EXPECT_EQ(File(), std::string(kKoreanHeader) + "1:1:7:14:0");
    dialog.OnOK();
    AfterDialog();
    EXPECT_EQ(m_view.m_book, 1);
    EXPECT_EQ(m_view.m_chapter, 1);
    EXPECT_EQ(m_view.m_topLine, 7);
}

TEST_F(ConfPointTest, ADamagedRecordIsIgnored) {
    m_view.m_topLine = 9;
    for (const std::string record :
         {"", "2:3:4:14", "70:1:0:14:0", "2:0:0:14:0", "2:41:0:14:0", "2:3:0:0:0", "junk"}) {
        const std::string content = std::string(kKoreanHeader) + record;
        m_bible.Dir().Write("kConfPoint.txt", content);
        CConfPointModel dialog(m_view);
        dialog.Init();
        EXPECT_EQ(dialog.Load(), ConfPointRead::Malformed) << record;
        EXPECT_EQ(dialog.m_lists.m_selBook, 1);
        EXPECT_EQ(dialog.m_lists.m_selChapter, 1);
        EXPECT_EQ(dialog.m_markLine, 9);
        EXPECT_EQ(File(), content) << "the damaged file is left for a save to replace";
        dialog.OnOK();
        EXPECT_EQ(m_view.m_book, 1) << "the view stays on a real chapter";
        EXPECT_EQ(m_view.m_chapter, 1);
        EXPECT_EQ(m_view.m_topLine, 9);
    }
    m_bible.Dir().Write("kConfPoint.txt", "header only\n");
    CConfPointModel dialog(m_view);
    dialog.Init();
    EXPECT_EQ(dialog.Load(), ConfPointRead::Malformed);
}

TEST_F(ConfPointTest, SavingWithoutAChapterDoesNothing) {
    m_bible.Dir().Write("kConfPoint.txt", std::string(kKoreanHeader) + "2:1:25:20:1");
    CConfPointModel dialog(m_view);
    dialog.Init();
    dialog.Load();
    dialog.OnTestamentChanged(1);
    EXPECT_EQ(dialog.Save(), ConfPointSave::NothingSelected);
    EXPECT_FALSE(dialog.m_loaded);
    EXPECT_EQ(File(), std::string(kKoreanHeader) + "2:1:25:20:1");

    dialog.Load();
    dialog.OnTestamentChanged(1);
    m_view.m_accepted = true; // left by an earlier dialog
    dialog.OnOK();
    EXPECT_TRUE(m_view.m_accepted) << "loaded but nothing chosen: OK writes nothing";
    EXPECT_EQ(m_view.m_book, 1);
}

TEST_F(ConfPointTest, AFailedSaveKeepsTheOldFile) {
    m_bible.Dir().Write("kConfPoint.txt", std::string(kKoreanHeader) + "2:1:25:20:1");
    CConfPointModel dialog(m_view);
    dialog.Init();
    SetAtomicWriteFailureForTesting(true);
    EXPECT_EQ(dialog.Save(), ConfPointSave::Failed);
    SetAtomicWriteFailureForTesting(false);
    EXPECT_EQ(File(), std::string(kKoreanHeader) + "2:1:25:20:1");
}

TEST_F(ConfPointTest, TheEnglishFile) {
    CChapterViewModel english(EnglishViewProfile(), FixedFont);
    english.Open();
    english.m_topLine = 4;
    CConfPointModel dialog(english);
    dialog.Init();
    dialog.OnBookChanged(1);
    EXPECT_EQ(dialog.m_lists.m_chapters.editText, "  1 Ch");
    ASSERT_EQ(dialog.Save(), ConfPointSave::Saved);
    EXPECT_EQ(m_bible.Dir().Read("eConfPoint.txt"), std::string(kEnglishHeader) + "2:1:0:14:0");
    EXPECT_EQ(kConfPointSavedMessage, "수동책갈피 저장완료");
    dialog.OnCancel();
    EXPECT_FALSE(english.m_accepted);
    EXPECT_EQ(english.m_book, 1);
}

} // namespace
