#include "AddBookmarkForm.h"
#include "AtomicFile.h"
#include "BookmarkFile.h"
#include "BookmarkMessages.h"
#include "BookmarkRecord.h"
#include "SmallKoreanBible.h"
#include "TempDir.h"
#include "TextUtil.h"

#include <gtest/gtest.h>

namespace {

using enum BookmarkField;

// Romans 8:28, a range the small Bible holds.
BookmarkInput ValidInput() {
    BookmarkInput in;
    in.title = "BM1";
    in.testament = 1;
    in.book = 45;
    in.chapter = 8;
    in.firstVerse = "28";
    in.lastVerse = "30";
    return in;
}

class AddBookmarkTest : public ::testing::Test {
protected:
    void TearDown() override { SetAtomicWriteFailureForTesting(false); }
    std::string Path() const { return dir.File("kBookMark.txt"); }
    void ExpectRefused(const BookmarkInput& in, std::string_view message, BookmarkField focus) {
        const BookmarkCheck check = CheckBookmarkInput(in);
        EXPECT_FALSE(check.ok);
        EXPECT_EQ(check.message, message);
        EXPECT_EQ(check.field, focus);
        EXPECT_TRUE(check.line.empty());
    }
    CTempDir dir;
    CSmallKoreanBible bible{dir};
};

TEST_F(AddBookmarkTest, ChecksComeInOrderEachWithItsFocus) {
    // Everything wrong at once; repairing one field at a time walks through the checks.
    BookmarkInput in;
    in.title = " \t ";
    ExpectRefused(in, "제목을 입력해 주세요", Title);
    in.title = "a:b";
    ExpectRefused(in, "제목에 ':' 문자는 쓸 수 없습니다.", Title);
    in.title = "a\nb";
    ExpectRefused(in, "제목에 줄바꿈은 쓸 수 없습니다.", Title);
    in.title = "  기도  ";
    ExpectRefused(in, "책을 선택해 주세요", Testament);
    in.testament = 1;
    ExpectRefused(in, "성경을 선택해 주세요", Book);
    in.book = 45;
    ExpectRefused(in, "장을 선택해 주세요", Chapter);
    in.chapter = 17; // Romans has 16
    ExpectRefused(in, "장을 선택해 주세요", Chapter);
    in.chapter = 8;
    ExpectRefused(in, "구절을 입력해 주세요", FirstVerse);
    in.firstVerse = "0";
    in.lastVerse = "x";
    ExpectRefused(in, "올바른 숫자를 입력해 주세요", FirstVerse);
    in.firstVerse = "5a";
    ExpectRefused(in, "올바른 숫자를 입력해 주세요", LastVerse);
    in.lastVerse = "7";
    ExpectRefused(in, "구절에는 숫자만 입력해 주세요", FirstVerse);
    in.firstVerse = "5";
    in.lastVerse = "7번";
    ExpectRefused(in, "구절에는 숫자만 입력해 주세요", LastVerse);
    in.lastVerse = "3";
    ExpectRefused(in, "없는 구절입니다. 올바른 구절을 입력해 주세요.", FirstVerse);
    in.lastVerse = "7";
    const BookmarkCheck check = CheckBookmarkInput(in);
    ASSERT_TRUE(check.ok) << check.message;
    EXPECT_EQ(check.line, "기도:로마서:45:8:5-7\n") << "the title is trimmed";
}

TEST_F(AddBookmarkTest, VerseNumbersOutsideOneTo176AreRefused) {
    BookmarkInput in = ValidInput();
    for (const char* first : {"0", "177", "-1", "abc", " ", "99999999999"}) {
        in.firstVerse = first;
        ExpectRefused(in, kMsgBadNumber, FirstVerse);
    }
    in.firstVerse = "28";
    for (const char* last : {"0", "177", "abc"}) {
        in.lastVerse = last;
        ExpectRefused(in, kMsgBadNumber, LastVerse);
    }
    for (const char* typed : {" 28", "+28", "28 ", "2 8", "２８"}) {
        in.firstVerse = typed;
        in.lastVerse = "";
        const BookmarkCheck check = CheckBookmarkInput(in);
        EXPECT_FALSE(check.ok) << typed;
    }
    in = ValidInput();
    in.book = 19;
    in.testament = 0;
    in.chapter = 119;
    in.firstVerse = "176";
    in.lastVerse = "";
    EXPECT_TRUE(CheckBookmarkInput(in).ok) << "Psalm 119:176 is the highest verse";
}

TEST_F(AddBookmarkTest, ARangeThatPartlyExistsIsSavedAsTyped) {
    BookmarkInput in = ValidInput();
    in.book = 1;
    in.testament = 0;
    in.chapter = 1; // 30 verses
    in.firstVerse = "25";
    in.lastVerse = "40";
    BookmarkCheck check = CheckBookmarkInput(in);
    ASSERT_TRUE(check.ok) << check.message;
    EXPECT_EQ(check.line, "BM1:창세기:1:1:25-40\n");

    in.firstVerse = "31";
    ExpectRefused(in, kMsgNoSuchVerse, FirstVerse);
    in.firstVerse = "007";
    in.lastVerse = "";
    check = CheckBookmarkInput(in);
    ASSERT_TRUE(check.ok);
    EXPECT_EQ(check.line, "BM1:창세기:1:1:007-007\n") << "an empty last verse copies the first";
}

TEST_F(AddBookmarkTest, TheRecordMayHoldNinetyNineCharactersCountedNotInBytes) {
    BookmarkInput in = ValidInput(); // ":로마서:45:8:28-30\n" is 16 characters
    in.title = std::string(83, 'a');
    EXPECT_TRUE(CheckBookmarkInput(in).ok);
    in.title = "";
    for (int i = 0; i < 83; ++i) {
        in.title += "말";
    }
    BookmarkCheck check = CheckBookmarkInput(in);
    ASSERT_TRUE(check.ok) << "83 Hangul syllables are 249 bytes but 83 characters";
    EXPECT_EQ(CharCount(check.line), 99u);
    in.title += "씀";
    ExpectRefused(in, "제목이 너무 깁니다.", Title);
    in.title = "  " + std::string(83, 'a') + "  ";
    EXPECT_TRUE(CheckBookmarkInput(in).ok) << "the trimmed title counts";
}

TEST_F(AddBookmarkTest, SavesAppendAndAdvanceTheNumber) {
    ASSERT_EQ(CountBookmarkRecords(Path()), 1);
    CAddBookmarkForm form(Path(), 1, 45, 8);
    EXPECT_EQ(form.NumberText(), "1");
    EXPECT_EQ(form.DefaultTitle(), "BM1");

    BookmarkInput in = ValidInput();
    in.title = form.DefaultTitle();
    in.lastVerse = "";
    SaveOutcome out = form.SaveBookmark(in);
    ASSERT_TRUE(out.saved) << out.message;
    EXPECT_EQ(out.message, "1번째 북마크 추가 완료");
    EXPECT_EQ(form.DefaultTitle(), "BM2");
    EXPECT_EQ(form.NumberText(), "2");

    in.title = form.DefaultTitle();
    in.book = 66;
    in.chapter = 22;
    in.firstVerse = "2";
    in.lastVerse = "3";
    out = form.SaveBookmark(in);
    ASSERT_TRUE(out.saved);
    EXPECT_EQ(out.message, "2번째 북마크 추가 완료");
    EXPECT_EQ(form.PresetBook(), 66);
    EXPECT_EQ(form.PresetChapter(), 22);
    EXPECT_EQ(dir.Read("kBookMark.txt"), "QRV Vellumreader Ver2.3 북마크 \r\n"
                                         "BM1:로마서:45:8:28-28\n"
                                         "BM2:요한계시록:66:22:2-3\n");
    EXPECT_EQ(CountBookmarkRecords(Path()), 3);
}

TEST_F(AddBookmarkTest, NothingIsWrittenWhenACheckOrTheWriteFails) {
    const std::string original = std::string(kListHeader) + "BM1:로마서:45:8:28-28\n";
    dir.Write("kBookMark.txt", original);
    CAddBookmarkForm form(Path(), 2, 0, 0);
    BookmarkInput in = ValidInput();
    in.title = "a:b";
    SaveOutcome out = form.SaveBookmark(in);
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.field, Title);

    SetAtomicWriteFailureForTesting(true);
    out = form.SaveBookmark(ValidInput());
    EXPECT_FALSE(out.saved);
    EXPECT_EQ(out.message, "북마크 저장에 실패했습니다.");
    EXPECT_EQ(out.field, None);
    EXPECT_EQ(form.NextNumber(), 2) << "a failed save doesn't use up the number";
    EXPECT_EQ(dir.Read("kBookMark.txt"), original);
}

TEST(AddBookmarkLists, PresetsAndRefills) {
    const CAddBookmarkForm romans("", 4, 45, 8);
    const AddBookmarkPreset p = romans.Preset();
    EXPECT_EQ(p.testament, 1);
    const auto books = CAddBookmarkForm::BookItems(p.testament);
    ASSERT_EQ(books.size(), 27u);
    EXPECT_EQ(books[0].text, "마태복음");
    EXPECT_EQ(books[static_cast<std::size_t>(p.bookItem)].text, "로마서");
    EXPECT_EQ(books[static_cast<std::size_t>(p.bookItem)].data, 45);
    const auto chapters = CAddBookmarkForm::ChapterItems(45);
    ASSERT_EQ(chapters.size(), 16u);
    EXPECT_EQ(chapters[static_cast<std::size_t>(p.chapterItem)].text, "  8 장");
    EXPECT_EQ(chapters[static_cast<std::size_t>(p.chapterItem)].data, 8);

    const auto old = CAddBookmarkForm::BookItems(0);
    ASSERT_EQ(old.size(), 39u);
    EXPECT_EQ(old.back().text, "말라기");
    EXPECT_EQ(old.back().data, 39);
    const auto psalms = CAddBookmarkForm::ChapterItems(19);
    ASSERT_EQ(psalms.size(), 150u);
    EXPECT_EQ(psalms.back().text, "150 장") << "the Psalms use 장 here too";
    const auto testaments = CAddBookmarkForm::TestamentItems();
    ASSERT_EQ(testaments.size(), 2u);
    EXPECT_EQ(testaments[0].text, "구약");
    EXPECT_EQ(testaments[1].text, "신약");

    EXPECT_EQ(CAddBookmarkForm("", 1, 39, 4).Preset().bookItem, 38);
    EXPECT_EQ(CAddBookmarkForm("", 1, 40, 0).Preset().chapterItem, -1);
    // Presets that name nothing select nothing rather than an item past the list.
    const AddBookmarkPreset none = CAddBookmarkForm("", 1, 70, 3).Preset();
    EXPECT_EQ(none.testament, -1);
    EXPECT_EQ(none.bookItem, -1);
    EXPECT_EQ(none.chapterItem, -1);
    EXPECT_EQ(CAddBookmarkForm("", 1, 0, 3).Preset().chapterItem, -1);
    EXPECT_EQ(CAddBookmarkForm("", 1, 1, 51).Preset().chapterItem, -1);
    EXPECT_TRUE(CAddBookmarkForm::ChapterItems(67).empty());
    EXPECT_EQ(CAddBookmarkForm("", 40000, 0, 0).DefaultTitle(), "BM32767") << "16 bits";
}

} // namespace
