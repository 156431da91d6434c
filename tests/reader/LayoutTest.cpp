#include "ChapterLayout.h"
#include "FixedWidthMeasurer.h"
#include "FunctionTextMeasurer.h"
#include "TextUtil.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

} // namespace

// Readable test names for the measuring mode.
void PrintTo(MeasureMode mode, std::ostream* os) {
    *os << (mode == MeasureMode::Plain ? "plain" : "incremental");
}

namespace {

std::string Repeat(std::string_view s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) {
        out += s;
    }
    return out;
}

// Every layout rule must come out the same whether prefixes are measured whole or by the
// measurer's run meter.
class WrapTest : public ::testing::TestWithParam<MeasureMode> {
protected:
    Lines Wrap(const std::string& text, const WrapStyle& style) const {
        WrappedText w = WrapChapterText(text, m_measurer, style, GetParam());
        EXPECT_FALSE(w.truncated);
        return w.lines;
    }
    CFixedWidthMeasurer m_measurer{5, 10};
};

TEST_P(WrapTest, KoreanPiecesAreCutWhereAPrefixReaches206) {
    const std::string a41 = std::string(41, 'a'); // 205 px
    EXPECT_EQ(Wrap(a41 + "\n", kKoreanWrap), Lines{a41}) << "205 px is not cut";

    m_measurer.SetWidth('#', 6);
    const std::string piece206 = "#" + std::string(40, 'a'); // 206 px
    const Lines cut = Wrap(piece206 + "\n", kKoreanWrap);
    ASSERT_EQ(cut, Lines{piece206}) << "206 px is cut, at the character that reaches 206";
    EXPECT_GE(m_measurer.Width(cut[0]), 206);

    // The prefix keeps its trailing blank; the next segment loses its leading one.
    const std::string c50 = std::string(50, 'c');
    EXPECT_EQ(Wrap(a41 + "  " + c50 + "\n", kKoreanWrap),
              (Lines{a41 + " ", std::string(41, 'c'), std::string(9, 'c')}));

    // Characters, not bytes: 25 syllables of 10 px give 21 (210 px) and the remaining 4.
    const std::string syllables = Repeat("가", 25);
    EXPECT_EQ(Wrap(syllables + "\n", kKoreanWrap), (Lines{Repeat("가", 21), Repeat("가", 4)}));
}

TEST_P(WrapTest, KoreanPiecesThatFitKeepTheirBlanksAndOnlyLineFeedsEndPieces) {
    EXPECT_EQ(Wrap("  [1] a  \n\n[2] b\n[3] no line feed", kKoreanWrap),
              (Lines{"  [1] a  ", "", "[2] b"}));
    EXPECT_TRUE(Wrap("", kKoreanWrap).empty());
}

TEST_P(WrapTest, EnglishPiecesAreCutAtTheSpaceBeforeTheOverflowingWord) {
    m_measurer = CFixedWidthMeasurer(4, 10);
    EXPECT_EQ(Wrap(std::string(53, 'a') + "\n", kEnglishWrap), Lines{std::string(53, 'a')})
        << "212 px is not cut";

    // Eleven 9-letter words (36 px, 40 with the space): five fit a line (196 px), six don't.
    const std::string word(9, 'w');
    std::string eleven = word;
    for (int i = 1; i < 11; ++i) {
        eleven += " " + word;
    }
    const std::string five = eleven.substr(0, 49);
    EXPECT_EQ(Wrap(eleven + "\n", kEnglishWrap), (Lines{five, five, word}));

    // Lines are stored as cut: a second blank at the cut starts the next line.
    const std::string first = std::string(20, 'a') + " " + std::string(32, 'b'); // 212 px
    EXPECT_EQ(Wrap(first + "  cccccccccc ddddd\n", kEnglishWrap),
              (Lines{first, " cccccccccc ddddd"}));
}

TEST_P(WrapTest, EnglishWordsWiderThanALineAreCutByCharacters) {
    m_measurer = CFixedWidthMeasurer(4, 10);
    const std::string wide(60, 'a'); // 240 px: 53 characters fit
    const Lines wideParts{std::string(53, 'a'), std::string(7, 'a')};

    Lines expected = wideParts;
    expected.push_back("tail");
    EXPECT_EQ(Wrap(wide + " tail\n", kEnglishWrap), expected)
        << "a too wide first word loses no character and leaves no empty line";

    expected = {"aa"};
    expected.insert(expected.end(), wideParts.begin(), wideParts.end());
    expected.push_back("bb");
    EXPECT_EQ(Wrap("aa " + wide + " bb\n", kEnglishWrap), expected);

    EXPECT_EQ(Wrap(std::string(100, 'x') + "\n", kEnglishWrap),
              (Lines{std::string(53, 'x'), std::string(47, 'x')}))
        << "a piece without spaces";

    m_measurer.SetWidth('#', 250);
    EXPECT_EQ(Wrap("ab#cd\n", kEnglishWrap), (Lines{"ab", "#", "cd"}))
        << "a character wider than a line stands alone";
    EXPECT_EQ(Wrap("ab#cd\n", kKoreanWrap), (Lines{"ab#", "cd"}));
}

TEST_P(WrapTest, TheLineTableStopsAt5000) {
    std::string many;
    for (int i = 0; i < 6000; ++i) {
        many += "[" + std::to_string(i) + "] x\n";
    }
    for (const WrapStyle& style : {kKoreanWrap, kEnglishWrap}) {
        const WrappedText w = WrapChapterText(many, m_measurer, style, GetParam());
        EXPECT_EQ(w.lines.size(), 5000u);
        EXPECT_TRUE(w.truncated);
        EXPECT_EQ(w.lines.back(), "[4999] x");
    }
    // One piece that alone cuts into more lines than the table holds.
    const std::string huge = std::string(42 * 5100, 'a') + "\n";
    const WrappedText k = WrapChapterText(huge, m_measurer, kKoreanWrap, GetParam());
    EXPECT_EQ(k.lines.size(), 5000u);
    EXPECT_TRUE(k.truncated);
    const WrappedText e =
        WrapChapterText(Repeat("ab ", 80000) + "\n", m_measurer, kEnglishWrap, GetParam());
    EXPECT_EQ(e.lines.size(), 5000u);
    EXPECT_TRUE(e.truncated);
    const WrappedText exact =
        WrapChapterText(Repeat("x\n", 5000), m_measurer, kKoreanWrap, GetParam());
    EXPECT_EQ(exact.lines.size(), 5000u);
    EXPECT_FALSE(exact.truncated) << "exactly 5000 lines drop nothing";
}

INSTANTIATE_TEST_SUITE_P(BothMeasures, WrapTest,
                         ::testing::Values(MeasureMode::Plain, MeasureMode::Incremental),
                         [](const auto& info) {
                             return info.param == MeasureMode::Plain ? "Plain" : "Incremental";
                         });

TEST(Wrap, AMeasuringFunctionWithoutRunMeterGivesTheSameLines) {
    const CFunctionTextMeasurer byFunction(
        [](std::string_view text) { return 5 * static_cast<int>(CharCount(text)); });
    const CFixedWidthMeasurer fixed(5, 5);
    const std::string text = std::string(100, 'k') + "\n" + Repeat("word ", 30) + "\n";
    for (const WrapStyle& style : {kKoreanWrap, kEnglishWrap}) {
        EXPECT_EQ(WrapChapterText(text, byFunction, style, MeasureMode::Incremental).lines,
                  WrapChapterText(text, fixed, style, MeasureMode::Incremental).lines);
    }
}

TEST(PageGeometry, LinesPerPageAndScrollTotal) {
    EXPECT_EQ(LinesPerPage(12), 16);
    EXPECT_EQ(LinesPerPage(14), 14);
    EXPECT_EQ(LinesPerPage(16), 12);
    EXPECT_EQ(LinesPerPage(18), 11);
    EXPECT_EQ(LinesPerPage(20), 10);
    EXPECT_FALSE(LinesPerPage(13).has_value());
    EXPECT_FALSE(LinesPerPage(0).has_value());

    EXPECT_EQ(ScrollTotal(20, 14), 27);
    EXPECT_EQ(ScrollTotal(14, 14), 14);
    EXPECT_EQ(ScrollTotal(15, 14), 27);
    EXPECT_EQ(ScrollTotal(27, 14), 27);
    EXPECT_EQ(ScrollTotal(28, 14), 40);
    EXPECT_EQ(ScrollTotal(5, 14), 5);
    EXPECT_EQ(ScrollTotal(0, 14), 0);
    // At 10 lines a page, 499 steps of 9 reach only 4501 lines; the last page must still be
    // reachable in a full table.
    EXPECT_EQ(ScrollTotal(5000, 10), 5005);
    for (int p : {10, 11, 12, 14, 16}) {
        for (int n = p + 1; n <= 5000; n += 97) {
            const int total = ScrollTotal(n, p);
            EXPECT_GE(total, n);
            EXPECT_LT(total - (p - 1), n) << "the smallest such total";
            EXPECT_EQ((total - p) % (p - 1), 0);
        }
    }
}

} // namespace
