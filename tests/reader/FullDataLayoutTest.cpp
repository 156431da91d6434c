// Every chapter of both Bibles, laid out with the real view font in parallel mode.
#include "BookCatalogue.h"
#include "ChapterLayout.h"
#include "ChapterViewProfile.h"
#include "FontTextMeasurer.h"
#include "FullData.h"
#include "TextUtil.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace {

// Qt is started only when tests run, not when ctest lists them.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "reader_fulldata_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QGuiApplication> m_app;
};

std::string WithoutWhite(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (!IsWhite(c)) {
            out += c;
        }
    }
    return out;
}

std::string WithoutLastCharacter(std::string_view line) {
    std::size_t end = line.size();
    while (end > 0 && (static_cast<unsigned char>(line[end - 1]) & 0xC0) == 0x80) {
        --end;
    }
    return std::string(line.substr(0, end > 0 ? end - 1 : 0));
}

// The rule every display line obeys, checked with the font's own width of the line:
// Korean view: a line is at most 205 px, or, being a cut segment, measures less than 206 px
// without its last character (the character that reached 206).
// English view: a line is at most 212 px, or is a single character wider than that.
bool ObeysWidthRule(const CTextMeasurer& m, const WrapStyle& style, const std::string& line) {
    if (m.Width(line) <= style.threshold) {
        return true;
    }
    if (style.rule == WrapRule::Characters) {
        return m.Width(WithoutLastCharacter(line)) <= style.threshold;
    }
    return CharCount(line) == 1;
}

struct LayoutCase {
    ViewLanguage language;
    int fontSize;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << (c.language == ViewLanguage::Korean ? "Korean" : "English") << c.fontSize;
}

class FullBibleLayout : public ::testing::TestWithParam<LayoutCase> {
protected:
    void SetUp() override {
        if (const std::string why = LoadFullDataBibles(); !why.empty()) {
            GTEST_SKIP() << "full-data test skipped: " << why;
        }
    }
};

// Plain measuring (each prefix measured whole) is the rule as written; the run meter must give
// the same lines, and every line must obey the width rule and keep the chapter's text.
TEST_P(FullBibleLayout, EveryChapterInParallelMode) {
    const ChapterViewProfile& profile = ViewProfileOf(GetParam().language);
    const std::unique_ptr<CTextMeasurer> measurer =
        CFontTextMeasurer::ForViewFont(GetParam().fontSize);
    ASSERT_NE(measurer->NewRunMeter(), nullptr) << "the view font offers no run meter";
    int failures = 0;
    int longest = 0;
    for (int book = 1; book <= kBookCount && failures < 5; ++book) {
        for (int chapter = 1; chapter <= ChapterCountOf(book) && failures < 5; ++chapter) {
            const std::string text =
                LoadChapterText(profile.OwnText(), profile.OtherText(), book, chapter, true);
            ASSERT_FALSE(text.empty()) << book << ":" << chapter;
            const WrappedText plain =
                WrapChapterText(text, *measurer, profile.wrap, MeasureMode::Plain);
            const WrappedText incremental =
                WrapChapterText(text, *measurer, profile.wrap, MeasureMode::Incremental);
            std::ostringstream where;
            where << book << ":" << chapter;
            EXPECT_FALSE(plain.truncated) << where.str();
            EXPECT_LT(plain.lines.size(), static_cast<std::size_t>(kMaxDisplayLines));
            longest = std::max(longest, static_cast<int>(plain.lines.size()));
            if (plain.lines != incremental.lines) {
                ++failures;
                ADD_FAILURE() << where.str() << ": the run meter's lines differ";
            }
            std::string joined;
            for (const std::string& line : plain.lines) {
                joined += line;
                if (!ObeysWidthRule(*measurer, profile.wrap, line)) {
                    ++failures;
                    ADD_FAILURE() << where.str() << ": line of " << measurer->Width(line)
                                  << " px breaks the rule: " << line;
                }
            }
            if (WithoutWhite(joined) != WithoutWhite(text)) {
                ++failures;
                ADD_FAILURE() << where.str() << ": the lines lose or add text";
            }
        }
    }
    RecordProperty("longest_chapter_lines", longest);
}

INSTANTIATE_TEST_SUITE_P(RealFont, FullBibleLayout,
                         ::testing::Values(LayoutCase{ViewLanguage::Korean, 12},
                                           LayoutCase{ViewLanguage::Korean, 20},
                                           LayoutCase{ViewLanguage::English, 12},
                                           LayoutCase{ViewLanguage::English, 20}),
                         [](const auto& info) {
                             std::ostringstream name;
                             PrintTo(info.param, &name);
                             return name.str();
                         });

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);
    return RUN_ALL_TESTS();
}
