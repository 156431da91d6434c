#include "VerseLookup.h"
#include "SearchModel.h"
#include "TestBibles.h"

#include <gtest/gtest.h>

namespace {

TEST(VerseRangeParse, EditTextsGiveTheRange) {
    VerseRange r;
    ASSERT_TRUE(ParseVerseRange("", "", r));
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.last, kOpenRangeLastVerse) << "both empty: the whole chapter";
    ASSERT_TRUE(ParseVerseRange("", "3", r));
    EXPECT_EQ(r.first, 1);
    EXPECT_EQ(r.last, 3);
    ASSERT_TRUE(ParseVerseRange("", "0", r));
    EXPECT_EQ(r.last, 1) << "an end of 0 is the start, also in an open range";

    ASSERT_TRUE(ParseVerseRange("5", "", r));
    EXPECT_EQ(r.first, 5);
    EXPECT_EQ(r.last, 5);
    for (std::string_view last : {"0", "abc", "-2"}) {
        ASSERT_TRUE(ParseVerseRange("5", last, r));
        EXPECT_EQ(r.last, 5) << "end \"" << last << "\" acts as no end";
    }
    ASSERT_TRUE(ParseVerseRange("12abc", "14장", r));
    EXPECT_EQ(r.first, 12);
    EXPECT_EQ(r.last, 14);
    ASSERT_TRUE(ParseVerseRange(" 7", "", r));
    EXPECT_EQ(r.first, 7);

    r = {42, 43};
    for (std::string_view first : {"abc", "0", "-3", " ", "장"}) {
        EXPECT_FALSE(ParseVerseRange(first, "9", r)) << "start \"" << first << "\"";
    }
    EXPECT_EQ(r.first, 42) << "a refused range leaves the old one";
}

// Genesis 1 and 2, a 3 John 1 where the English has one verse fewer, and a Jude 1 where it
// has one more.
class LookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        bibles.AddChapter(kKoreanBible, 1, 1, NumberedVerses("창세기 첫 장", 14));
        bibles.AddChapter(kKoreanBible, 1, 2, NumberedVerses("창세기 둘째 장", 3));
        bibles.AddChapter(kKoreanBible, 64, 1, NumberedVerses("요삼", 3));
        bibles.AddChapter(kKoreanBible, 65, 1, NumberedVerses("유다", 2));
        bibles.AddChapter(kEnglishBible, 1, 1, NumberedVerses("Genesis one", 14));
        bibles.AddChapter(kEnglishBible, 1, 2, NumberedVerses("Genesis two", 3));
        bibles.AddChapter(kEnglishBible, 64, 1, NumberedVerses("3 John", 2));
        bibles.AddChapter(kEnglishBible, 65, 1, NumberedVerses("Jude", 3));
        bibles.Write();
    }
    CSearchModel Model() {
        return CSearchModel(bibles.Source(kKoreanBible), bibles.Source(kEnglishBible));
    }
    static void Choose(CSearchModel& m, int book, int chapter) {
        m.SelectBook(book);
        m.SelectChapter(chapter);
    }
    CTestBibles bibles;
};

TEST_F(LookupTest, VerseEditsSelectTheLines) {
    CSearchModel m = Model();
    Choose(m, 1, 1);
    ASSERT_EQ(m.LookupVerses("", ""), LookupStatus::kShown);
    ASSERT_EQ(m.KoreanLines().size(), 14u) << "whole chapter, not a line of chapter 2";
    EXPECT_EQ(m.KoreanLines()[0], "[1] 창세기 첫 장 1\r\n");
    EXPECT_EQ(m.KoreanLines()[13], "[14] 창세기 첫 장 14\r\n");
    EXPECT_EQ(m.EnglishLines().size(), 14u);

    ASSERT_EQ(m.LookupVerses("3", ""), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "[3] 창세기 첫 장 3\r\n");
    EXPECT_EQ(m.ParallelText(), "[3] 창세기 첫 장 3\r\n[3] Genesis one 3\r\n");

    for (std::string_view last : {"0", "끝", ""}) {
        ASSERT_EQ(m.LookupVerses("4", last), LookupStatus::kShown);
        EXPECT_EQ(m.DisplayText(), "[4] 창세기 첫 장 4\r\n") << "end \"" << last << "\"";
    }
    ASSERT_EQ(m.LookupVerses("12abc", ""), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "[12] 창세기 첫 장 12\r\n");
    ASSERT_EQ(m.LookupVerses("13", "99"), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "[13] 창세기 첫 장 13\r\n[14] 창세기 첫 장 14\r\n")
        << "an end beyond the chapter stops at the chapter's end";

    ASSERT_EQ(m.LookupVerses("20", ""), LookupStatus::kShown) << "beyond the chapter: no message";
    EXPECT_EQ(m.DisplayText(), "");
    EXPECT_TRUE(m.KoreanLines().empty()) << "nothing left over from the lookup before";
    EXPECT_FALSE(m.CanShowParallelText());
    ASSERT_EQ(m.LookupVerses("5", "2"), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "") << "an end before the start finds nothing";

    Choose(m, 1, 2);
    ASSERT_EQ(m.LookupVerses("", ""), LookupStatus::kShown);
    EXPECT_EQ(m.KoreanLines().size(), 3u) << "the last chapter of the file ends at the file's end";
}

TEST_F(LookupTest, RefusedInputsKeepTheLastTexts) {
    CSearchModel m = Model();
    SearchMessage msg;
    EXPECT_EQ(m.LookupVerses("", ""), LookupStatus::kNoBook);
    ASSERT_TRUE(m.MessageFor(LookupStatus::kNoBook, msg));
    EXPECT_EQ(msg.text, "성경을 선택해 주세요");
    EXPECT_EQ(msg.caption, "입력 오류");
    m.SelectBook(1);
    EXPECT_EQ(m.LookupVerses("", ""), LookupStatus::kNoChapter);
    ASSERT_TRUE(m.MessageFor(LookupStatus::kNoChapter, msg));
    EXPECT_EQ(msg.text, "장을 선택해 주세요");

    m.SelectChapter(1);
    ASSERT_EQ(m.LookupVerses("2", ""), LookupStatus::kShown);
    EXPECT_EQ(m.LookupVerses("abc", ""), LookupStatus::kNoFirstVerse);
    ASSERT_TRUE(m.MessageFor(LookupStatus::kNoFirstVerse, msg));
    EXPECT_EQ(msg.text, "숫자를 입력해 주세요");
    EXPECT_EQ(msg.caption, "입력 오류");
    EXPECT_TRUE(msg.error);
    EXPECT_EQ(m.DisplayText(), "[2] 창세기 첫 장 2\r\n");
    EXPECT_FALSE(m.MessageFor(LookupStatus::kShown, msg));

    m.SelectScope(kScopeNewTestament);
    EXPECT_EQ(m.LookupVerses("", ""), LookupStatus::kNoBook) << "a scope change clears the book";
    m.SelectBook(1);
    EXPECT_EQ(m.LookupVerses("", ""), LookupStatus::kNoChapter)
        << "a book change clears the chapter";
}

TEST_F(LookupTest, EnglishLeadsInEnglishMode) {
    CSearchModel m = Model();
    m.SetLanguage(kEnglishBible);
    Choose(m, 1, 1);
    ASSERT_EQ(m.LookupVerses("1", "2"), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "[1] Genesis one 1\r\n[2] Genesis one 2\r\n");
    EXPECT_EQ(m.ParallelText(), "[1] Genesis one 1\r\n[1] 창세기 첫 장 1\r\n"
                                "[2] Genesis one 2\r\n[2] 창세기 첫 장 2\r\n");
    EXPECT_TRUE(m.CanShowParallelText());
}

TEST_F(LookupTest, UnequalVerseCountsFollowTheChosenLanguage) {
    CSearchModel m = Model();
    Choose(m, 64, 1); // English one verse short
    ASSERT_EQ(m.LookupVerses("", ""), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "[1] 요삼 1\r\n[2] 요삼 2\r\n[3] 요삼 3\r\n");
    EXPECT_EQ(m.ParallelText(), "[1] 요삼 1\r\n[1] 3 John 1\r\n[2] 요삼 2\r\n[2] 3 John 2\r\n"
                                "[3] 요삼 3\r\n")
        << "an unpaired line stands alone";

    m.SetLanguage(kEnglishBible);
    ASSERT_EQ(m.LookupVerses("", ""), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "[1] 3 John 1\r\n[2] 3 John 2\r\n")
        << "no blank line for the Korean verse the English lacks";
    EXPECT_EQ(m.ParallelText(), "[1] 3 John 1\r\n[1] 요삼 1\r\n[2] 3 John 2\r\n[2] 요삼 2\r\n");

    Choose(m, 65, 1); // English one verse longer
    ASSERT_EQ(m.LookupVerses("", ""), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "[1] Jude 1\r\n[2] Jude 2\r\n[3] Jude 3\r\n")
        << "English verses beyond the Korean count are shown";
    EXPECT_EQ(m.ParallelText(),
              "[1] Jude 1\r\n[1] 유다 1\r\n[2] Jude 2\r\n[2] 유다 2\r\n[3] Jude 3\r\n");
}

TEST_F(LookupTest, UnopenableTextsAreReported) {
    CSearchModel m = Model();
    Choose(m, 1, 1);
    std::remove(bibles.Path(kEnglishBible).c_str());
    ASSERT_EQ(m.LookupVerses("1", ""), LookupStatus::kShown) << "the Korean text alone suffices";
    EXPECT_EQ(m.DisplayText(), "[1] 창세기 첫 장 1\r\n");
    EXPECT_EQ(m.ParallelText(), "[1] 창세기 첫 장 1\r\n");
    EXPECT_FALSE(m.HasOtherLanguage());
    SearchMessage other;
    m.SetLanguage(kEnglishBible); // the parallel text is still the Korean lookup's
    ASSERT_TRUE(m.OtherLanguageMessage(other));
    EXPECT_EQ(other.text, "ebible.dat 파일을 열 수 없습니다.");

    ASSERT_EQ(m.LookupVerses("1", ""), LookupStatus::kTextUnavailable);
    EXPECT_EQ(m.DisplayText(), "");
    EXPECT_FALSE(m.CanShowParallelText()) << "no stale parallel text after a failed read";
    SearchMessage msg;
    ASSERT_TRUE(m.MessageFor(LookupStatus::kTextUnavailable, msg));
    EXPECT_EQ(msg.text, "ebible.dat 파일을 열 수 없습니다.");
}

TEST(LookupBounds, AtMost200VersesPerLanguage) {
    CTestBibles bibles;
    // Malformed: 250 lines of one chapter.
    bibles.AddChapter(kKoreanBible, 19, 119, NumberedVerses("말씀", 250));
    bibles.AddChapter(kEnglishBible, 19, 119, NumberedVerses("word", 250));
    bibles.AddRaw(kKoreanBible, "19:119:251 a: b  c\r\n");
    bibles.Write();
    CSearchModel m(bibles.Source(kKoreanBible), bibles.Source(kEnglishBible));
    m.SelectBook(19);
    m.SelectChapter(119);
    ASSERT_EQ(m.LookupVerses("", ""), LookupStatus::kShown);
    EXPECT_EQ(m.KoreanLines().size(), kMaxLookupVerses);
    EXPECT_EQ(m.EnglishLines().size(), kMaxLookupVerses);
    EXPECT_EQ(m.KoreanLines().back(), "[200] 말씀 200\r\n");
    ASSERT_EQ(m.LookupVerses("251", ""), LookupStatus::kShown);
    EXPECT_EQ(m.DisplayText(), "[251] a: b  c\r\n") << "the verse text is whole, without \\r";
}

TEST(LookupBounds, ProcessWideTextsAreTheDefault) {
    CTestBibles bibles;
    bibles.AddChapter(kKoreanBible, 43, 3, {"하나님이 세상을 이처럼 사랑하사"});
    bibles.AddChapter(kEnglishBible, 43, 3, {"For God so loved the world"});
    bibles.Write();
    for (int language : {kKoreanBible, kEnglishBible}) {
        std::string index;
        for (std::int32_t offset : bibles.Offsets(language)) {
            index += std::to_string(offset) + "\n";
        }
        bibles.Dir().Write(language == kKoreanBible ? "k.inx" : "e.inx", index);
    }
    SetKoreanTextPath(bibles.Path(kKoreanBible));
    SetEnglishTextPath(bibles.Path(kEnglishBible));
    ASSERT_TRUE(LoadKoreanChapterIndex(bibles.Dir().File("k.inx")));
    ASSERT_TRUE(LoadEnglishChapterIndex(bibles.Dir().File("e.inx")));
    CSearchModel m;
    m.SetLanguage(kEnglishBible);
    m.SelectBook(43);
    m.SelectChapter(3);
    ASSERT_EQ(m.LookupVerses("", ""), LookupStatus::kShown);
    EXPECT_EQ(m.ParallelText(),
              "[1] For God so loved the world\r\n[1] 하나님이 세상을 이처럼 사랑하사\r\n");
    ResetScriptureStore();
}

} // namespace
