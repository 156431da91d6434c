#include "KeywordScan.h"
#include "SearchLimits.h"
#include "SearchModel.h"
#include "TestBibles.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Ref = std::tuple<int, int, int>;

std::vector<Ref> RefsOf(const std::vector<SearchHit>& hits) {
    std::vector<Ref> refs;
    for (const auto& h : hits) {
        refs.emplace_back(h.book, h.chapter, h.verse);
    }
    return refs;
}

// "빛" stands in Genesis 1, Malachi 4, every gospel chapter written, Acts 1 and Romans 1.
class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        bibles.AddChapter(kKoreanBible, 1, 1, {"태초에 빛이 있으라", "빛 이 좋았더라", "어두움"});
        bibles.AddChapter(kKoreanBible, 1, 2, NumberedVerses("빛", 25));
        bibles.AddChapter(kKoreanBible, 39, 4, {"의로운 해가 빛을 발하리니"});
        for (int book = 40; book <= 43; ++book) {
            for (int chapter = 1; chapter <= 3; ++chapter) {
                bibles.AddChapter(kKoreanBible, book, chapter, {"말씀", "참 빛 곧", "  빛  "});
            }
        }
        bibles.AddChapter(kKoreanBible, 44, 1, {"빛이 둘러 비추는지라"});
        bibles.AddChapter(kKoreanBible, 45, 1, {"빛"});
        bibles.AddChapter(kEnglishBible, 1, 1, {"Let there be light", "and there was LIGHT"});
        bibles.AddChapter(kEnglishBible, 43, 1, {"the true Light", "light shineth"});
        bibles.Write();
        model.SelectScope(kScopeWholeBible);
    }
    std::vector<Ref> Search(std::string_view word) {
        model.SearchKeyword(word);
        return RefsOf(model.Hits());
    }
    CTestBibles bibles;
    CSearchModel model{bibles.Source(kKoreanBible), bibles.Source(kEnglishBible)};
};

TEST_F(SearchTest, LimitsStopAtTheirCount) {
    EXPECT_EQ(MaxHitsOf(7), 1) << "an unknown code is the first item";
    EXPECT_EQ(Search("빛"), (std::vector<Ref>{{1, 1, 1}})) << "단일검색 finds one hit";
    model.SetLimitCode(1);
    EXPECT_EQ(Search("빛").size(), 10u);
    EXPECT_EQ(model.Hits().back().verse, 8) << "hits in file order";
    model.SetLimitCode(2);
    EXPECT_EQ(Search("빛").size(), 20u);
    model.SetLimitCode(6);
    // 2 + 25 + 1 + 4 books * 3 chapters * 2 + 1 + 1
    EXPECT_EQ(Search("빛").size(), 54u);
    EXPECT_EQ(model.HitCount(), 54);
    model.SelectBook(1);
    model.SelectChapter(2);
    model.SetLimitCode(3);
    EXPECT_EQ(Search("빛").size(), 25u) << "fewer hits than the limit";
    model.SetLimitCode(2);
    EXPECT_EQ(Search("빛").size(), 20u) << "the limit inside a chapter";
}

TEST_F(SearchTest, ChosenBookOrChapterNarrowsTheScope) {
    model.SetLimitCode(6);
    model.SelectScope(kScopeOldTestament);
    model.SelectBook(41);
    EXPECT_EQ(Search("빛").size(), 6u) << "book 41 only, whatever the scope";
    for (const auto& [book, chapter, verse] : RefsOf(model.Hits())) {
        EXPECT_EQ(book, 41);
    }
    model.SelectChapter(2);
    EXPECT_EQ(Search("빛"), (std::vector<Ref>{{41, 2, 2}, {41, 2, 3}}));
    model.SelectBook(43);
    model.SelectChapter(3);
    EXPECT_EQ(Search("빛"), (std::vector<Ref>{{43, 3, 2}, {43, 3, 3}}))
        << "the last chapter of a book ends at the next book";
    model.SelectChapter(1);
    model.SelectBook(45);
    EXPECT_EQ(Search("빛"), (std::vector<Ref>{{45, 1, 1}})) << "a new book clears the chapter";
}

TEST_F(SearchTest, ScopesCoverTheirBooks) {
    model.SetLimitCode(6);
    model.SelectScope(kScopeOldTestament);
    std::vector<Ref> hits = Search("빛");
    ASSERT_EQ(hits.size(), 28u);
    EXPECT_EQ(hits.back(), Ref(39, 4, 1));
    model.SelectScope(kScopeNewTestament);
    hits = Search("빛");
    ASSERT_EQ(hits.size(), 26u);
    EXPECT_EQ(hits.front(), Ref(40, 1, 2));
    EXPECT_EQ(hits.back(), Ref(45, 1, 1));
    model.SelectScope(kScopeGospels);
    hits = Search("빛");
    ASSERT_EQ(hits.size(), 24u) << "the gospels stop before Acts";
    EXPECT_EQ(hits.front(), Ref(40, 1, 2));
    EXPECT_EQ(hits.back(), Ref(43, 3, 3));
}

TEST_F(SearchTest, TheWordIsTrimmedAndItsInnerSpacesMatch) {
    model.SetLimitCode(6);
    EXPECT_EQ(Search("  빛 이\t"), (std::vector<Ref>{{1, 1, 2}}));
    EXPECT_EQ(model.SearchWord(), "빛 이");
    EXPECT_EQ(Search("빛이 ").size(), 2u) << "Genesis 1:1 and Acts 1:1";
    model.SetLanguage(kEnglishBible);
    EXPECT_EQ(Search("light"), (std::vector<Ref>{{1, 1, 1}, {43, 1, 2}})) << "case-sensitive";
    EXPECT_EQ(Search("there be"), (std::vector<Ref>{{1, 1, 1}}));
}

TEST_F(SearchTest, HitRowsAndTheVerseView) {
    model.SetLimitCode(6);
    model.SelectBook(42);
    model.SelectChapter(1);
    ASSERT_EQ(model.SearchKeyword(" 빛 "), KeywordStatus::kFound);
    const HitRowTexts row = model.HitRow(1);
    EXPECT_EQ(row, (HitRowTexts{"2", "누가복음", "1", "3", "빛"})) << "verse text trimmed";
    const VerseViewFields view = model.VerseViewOf(0);
    EXPECT_EQ(view.searchWord, "빛");
    EXPECT_EQ(view.numberText, "1 번");
    EXPECT_EQ(view.bookText, "누가복음");
    EXPECT_EQ(view.chapterText, "1 장");
    EXPECT_EQ(view.verseText, "2 절");
    EXPECT_EQ(view.bodyText, "참 빛 곧");
    EXPECT_EQ(model.HitRow(2), HitRowTexts{}) << "no third row";

    model.SetLanguage(kEnglishBible);
    model.SelectBook(43);
    ASSERT_EQ(model.SearchKeyword("Light"), KeywordStatus::kFound);
    EXPECT_EQ(model.HitRow(0)[1], "요한복음") << "the Korean name for an English hit";
    EXPECT_EQ(model.HitRow(0)[4], "the true Light");
}

TEST_F(SearchTest, EmptyWordNoHitsAndMissingFile) {
    model.SetLimitCode(6);
    model.SelectBook(1);
    model.SelectChapter(1);
    ASSERT_EQ(model.LookupVerses("", ""), LookupStatus::kShown);
    ASSERT_TRUE(model.CanShowParallelText());
    SearchMessage msg;

    ASSERT_EQ(model.SearchKeyword("빛"), KeywordStatus::kFound);
    EXPECT_FALSE(model.CanShowParallelText()) << "a keyword search empties the parallel text";
    EXPECT_EQ(model.DisplayText(), "");
    ASSERT_EQ(model.LookupVerses("", ""), LookupStatus::kShown);
    ASSERT_EQ(model.SearchKeyword(" \t "), KeywordStatus::kEmptyWord);
    EXPECT_FALSE(model.CanShowParallelText());
    EXPECT_EQ(model.HitCount(), 2) << "the list keeps its rows";
    EXPECT_EQ(model.VerseViewOf(0).searchWord, "빛") << "and they keep the word that found them";
    ASSERT_TRUE(model.MessageFor(KeywordStatus::kEmptyWord, msg));
    EXPECT_EQ(msg.text, "검색어를 입력하십시오.");
    EXPECT_EQ(msg.caption, "입력 오류");

    EXPECT_EQ(model.SearchKeyword("없는 말"), KeywordStatus::kNoHits);
    EXPECT_EQ(model.HitCount(), 0);
    ASSERT_TRUE(model.MessageFor(KeywordStatus::kNoHits, msg));
    EXPECT_EQ(msg.text, "검색된 결과가 없습니다.");

    std::remove(bibles.Path(kKoreanBible).c_str());
    EXPECT_EQ(model.SearchKeyword("빛"), KeywordStatus::kTextUnavailable);
    EXPECT_EQ(model.HitCount(), 0);
    ASSERT_TRUE(model.MessageFor(KeywordStatus::kTextUnavailable, msg));
    EXPECT_EQ(msg.text, "kbible.dat 파일을 열 수 없습니다.");
    EXPECT_TRUE(msg.error);
}

// The scan rules on hand-made lines, through ScanKeyword itself.
class ScanRules : public ::testing::Test {
protected:
    std::vector<SearchHit> Scan(const std::string& text, const SearchRange& range,
                                std::string_view word, int maxHits = 100) {
        dir.Write("t.dat", text);
        ChapterOffsetTable offsets{};
        KeywordScanResult r = ScanKeyword(dir.File("t.dat"), offsets, range, word, maxHits);
        EXPECT_TRUE(r.opened);
        return r.hits;
    }
    void SetUp() override {
        ResetScriptureStore();
        BuildChapterKeys();
    }
    CTempDir dir;
    const SearchRange whole = SearchRangeOf(kSearchWholeBible, -1, -1);
};

TEST_F(ScanRules, OnlyTheVerseTextCounts) {
    const std::string text = "1:1:1 가나\n1:1:12 다라 12\n1:1:13 3 x\n2:1:1 a:b c\n";
    EXPECT_TRUE(Scan(text, whole, "1:1").empty()) << "a reference never matches";
    EXPECT_EQ(RefsOf(Scan(text, whole, "12")), (std::vector<Ref>{{1, 1, 12}}));
    EXPECT_TRUE(Scan(text, whole, "1 가").empty()) << "across reference and text";
    EXPECT_TRUE(Scan(text, whole, "13 3").empty());
    EXPECT_EQ(RefsOf(Scan(text, whole, "3")), (std::vector<Ref>{{1, 1, 13}}));
    EXPECT_EQ(RefsOf(Scan(text, whole, "a:b c")), (std::vector<Ref>{{2, 1, 1}}));
    EXPECT_TRUE(Scan(text, whole, "나\n1").empty()) << "never across lines";
    EXPECT_TRUE(Scan(text, whole, "나\n").empty());
    EXPECT_EQ(Scan("1:1:1 x x x\n", whole, "x").size(), 1u) << "one hit per verse";
}

TEST_F(ScanRules, MalformedLinesAndOrderEndTheScan) {
    EXPECT_EQ(RefsOf(Scan("1:1:1 빛\n\n1:1:2 빛\n", whole, "빛")), (std::vector<Ref>{{1, 1, 1}}))
        << "an empty line ends the scan";
    EXPECT_EQ(RefsOf(Scan("1:1:1 빛\n빛 없는 줄\n1:1:2 빛\n", whole, "빛")),
              (std::vector<Ref>{{1, 1, 1}}))
        << "a line without ':' ends the scan, even one that holds the word";
    const SearchRange old = SearchRangeOf(kSearchOldTestament, -1, -1);
    EXPECT_EQ(RefsOf(Scan("39:1:1 빛\n40:1:1 빛\n1:1:1 빛\n", old, "빛")),
              (std::vector<Ref>{{39, 1, 1}}))
        << "the first line past the last book ends it";
    const SearchRange chapter = SearchRangeOf(kSearchOneChapter, 1, 1);
    EXPECT_EQ(RefsOf(Scan("1:1:1 빛\n1:2:1 빛\n1:1:2 빛\n", chapter, "빛")),
              (std::vector<Ref>{{1, 1, 1}}));
    EXPECT_EQ(RefsOf(Scan("1:1:1 빛\n2:1:1 빛\n", chapter, "빛")), (std::vector<Ref>{{1, 1, 1}}));
    // Without a space the verse text is empty; a colon anywhere makes a verse line.
    EXPECT_EQ(RefsOf(Scan("1:1:1\n빛빛 빛:\n", whole, "빛")), (std::vector<Ref>{{0, 0, 0}}));
    EXPECT_EQ(RefsOf(Scan("1:1:1 빛", whole, "빛")), (std::vector<Ref>{{1, 1, 1}}))
        << "an unterminated last line";
    const auto crlf = Scan("\xEF\xBB\xBF"
                           "1:1:1 빛 \r\n1:1:2 \r빛\r\r\n",
                           whole, "빛");
    ASSERT_EQ(crlf.size(), 2u) << "a byte-order mark at the start is skipped";
    EXPECT_EQ(crlf[0].text, "빛");
    EXPECT_EQ(crlf[1].text, "빛") << "white space trimmed, \\r included";
    EXPECT_TRUE(Scan("1:1:1 빛\r\n", whole, "빛\r").empty()) << "\\r\\n is the line end";
    EXPECT_EQ(Scan("1:1:1 빛\r", whole, "빛\r").size(), 1u) << "without \\n a \\r is text";
    EXPECT_EQ(RefsOf(Scan("1:99999999999:1 빛\n1:000000007:0000000008 빛\n", whole, "빛")),
              (std::vector<Ref>{{1, INT_MAX, 1}, {1, 7, 8}}))
        << "an overlong number saturates";
    EXPECT_EQ(Scan("1:1:1 a\n1:1:2\n1:1:3 b\n", whole, "").size(), 3u)
        << "an empty word is in every verse text";
}

TEST_F(ScanRules, OffsetsAndMissingFiles) {
    const std::string text = "1:1:1 빛\n1:2:1 빛\n";
    dir.Write("t.dat", text);
    ChapterOffsetTable offsets{};
    offsets[static_cast<std::size_t>(ChapterIndexOf(1, 2))] =
        static_cast<std::int32_t>(text.find("1:2:1"));
    auto r = ScanKeyword(dir.File("t.dat"), offsets, SearchRangeOf(6, 1, 2), "빛", 100);
    EXPECT_EQ(RefsOf(r.hits), (std::vector<Ref>{{1, 2, 1}})) << "starts at the chapter's offset";
    offsets[static_cast<std::size_t>(ChapterIndexOf(1, 2))] = -4;
    r = ScanKeyword(dir.File("t.dat"), offsets, SearchRangeOf(6, 1, 2), "빛", 100);
    EXPECT_TRUE(r.opened);
    EXPECT_TRUE(r.hits.empty()) << "a negative offset reads nothing";
    offsets[static_cast<std::size_t>(ChapterIndexOf(1, 2))] = 1 << 30;
    r = ScanKeyword(dir.File("t.dat"), offsets, SearchRangeOf(6, 1, 2), "빛", 100);
    EXPECT_TRUE(r.opened);
    EXPECT_TRUE(r.hits.empty());
    r = ScanKeyword(dir.File("none.dat"), offsets, whole, "빛", 100);
    EXPECT_FALSE(r.opened);
}

TEST_F(ScanRules, LongLinesAndBlockEdgesLoseNothing) {
    // Lines around and across the reader's block boundaries, and one longer than a block.
    std::string text;
    std::vector<Ref> expected;
    int verse = 0;
    auto add = [&](const std::string& body, bool hit) {
        ++verse;
        text += "1:1:" + std::to_string(verse) + " " + body + "\n";
        if (hit) {
            expected.emplace_back(1, 1, verse);
        }
    };
    for (int i = 0; i < 6000; ++i) {
        const std::string filler(static_cast<std::size_t>(i % 97) * 3, i % 2 == 0 ? 'a' : 'b');
        add(filler + (i % 7 == 0 ? "사랑" : "사 랑") + filler, i % 7 == 0);
    }
    add(std::string(600000, 'x') + "사랑", true);
    add("사랑" + std::string(300000, 'y'), true);
    add(std::string(300000, 'z'), false);
    text += "1:1:" + std::to_string(++verse) + " 끝 사";
    const auto hits = Scan(text + "랑", whole, "사랑", 1 << 30);
    expected.emplace_back(1, 1, verse);
    EXPECT_EQ(RefsOf(hits), expected);
    ASSERT_GE(hits.size(), 3u);
    EXPECT_EQ(hits[hits.size() - 3].text.size(), 600006u) << "a long verse is read whole";
    EXPECT_EQ(RefsOf(Scan(text + "\n", whole, "사 랑\n1")), std::vector<Ref>{});

    // A stop line early in a block with no occurrence after it still ends the scan before
    // the next block's occurrences.
    std::string stopEarly = "39:1:1 사랑\n40:1:1 x\n";
    for (int i = 0; i < 4000; ++i) {
        stopEarly += "1:1:" + std::to_string(i) + " " + std::string(100, 'f') + "\n";
    }
    stopEarly += "1:1:9 사랑\n";
    EXPECT_EQ(RefsOf(Scan(stopEarly, SearchRangeOf(kSearchOldTestament, -1, -1), "사랑")),
              (std::vector<Ref>{{39, 1, 1}}));
}

} // namespace
