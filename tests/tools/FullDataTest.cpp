// Checks on the real Bibles in the full-data folder that the fulldata_build test makes.
#include "FullData.h"
#include "BookCatalogue.h"
#include "ScriptureStore.h"
#include "TextFile.h"
#include "VerseLine.h"

#include <gtest/gtest.h>

namespace {

struct Bible {
    const char* text;
    const char* index;
    const char* genesis1v1;
};

// Names the parameter in test output by its file.
void PrintTo(const Bible& bible, std::ostream* os) {
    *os << bible.text;
}

const Bible kKorean = {"kbible.dat", "kbible.inx", "태초에 하나님이 천지를 창조하시니라"};
const Bible kEnglish = {"ebible.dat", "ebible.inx",
                        "In the beginning God created the heaven and the earth."};

class FullDataTest : public ::testing::TestWithParam<Bible> {
protected:
    void SetUp() override {
        const std::string why = FullDataSkipReason({GetParam().text, GetParam().index});
        if (!why.empty()) {
            GTEST_SKIP() << why;
        }
        BuildChapterKeys();
        m_textPath = FullDataFile(GetParam().text);
        ASSERT_TRUE(LoadChapterIndex(FullDataFile(GetParam().index), m_offsets));
    }

    std::string m_textPath;
    ChapterOffsetTable m_offsets{};
};

TEST_P(FullDataTest, EveryLineIsOnePlainVerse) {
    std::string text;
    ASSERT_TRUE(ReadWholeFile(m_textPath, text));
    ASSERT_FALSE(text.starts_with("\xEF\xBB\xBF"));
    ASSERT_TRUE(text.ends_with("\n"));
    int lines = 0;
    int faults = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line(text.data() + start, end - start);
        start = end + 1;
        ++lines;
        VerseLine v;
        const bool parsed = ParseVerseLine(line, v);
        const std::string_view t = v.text;
        // Line breaks, blanks at the ends or doubled, and markup left over from an import.
        const bool plain = parsed && IsValidChapter(v.book, v.chapter) && v.verse >= 1 &&
                           !t.empty() && t.front() != ' ' && t.back() != ' ' &&
                           t.find("  ") == t.npos && t.find_first_of("\r\t<>") == t.npos &&
                           t.find("&lt;") == t.npos && t.find("&amp;") == t.npos;
        if (!plain && ++faults <= 5) {
            ADD_FAILURE() << "line " << lines << ": " << line;
        }
    }
    EXPECT_EQ(lines, 31102);
    EXPECT_EQ(faults, 0);
}

TEST_P(FullDataTest, EveryChapterReadsThroughTheIndexFromVerseOne) {
    int total = 0;
    for (int book = 1; book <= kBookCount; ++book) {
        for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter) {
            const auto verses = ReadChapter(m_textPath, m_offsets, book, chapter);
            ASSERT_FALSE(verses.empty()) << book << ":" << chapter;
            for (std::size_t i = 0; i < verses.size(); ++i) {
                ASSERT_EQ(verses[i].verse, static_cast<int>(i) + 1) << book << ":" << chapter;
            }
            total += static_cast<int>(verses.size());
        }
    }
    EXPECT_EQ(total, 31102);
    EXPECT_EQ(m_offsets[1189], m_offsets[1188]) << "index ends with a line feed";
}

TEST_P(FullDataTest, KnownVerses) {
    const auto genesis1 = ReadChapter(m_textPath, m_offsets, 1, 1);
    ASSERT_EQ(genesis1.size(), 31u);
    EXPECT_EQ(genesis1[0].text, GetParam().genesis1v1);
    EXPECT_EQ(ReadChapter(m_textPath, m_offsets, 19, 119).size(), 176u);
    EXPECT_EQ(ReadChapter(m_textPath, m_offsets, 19, 117).size(), 2u);
    EXPECT_EQ(ReadChapter(m_textPath, m_offsets, 66, 22).size(), 21u);
    EXPECT_EQ(ReadChapter(m_textPath, m_offsets, 31, 1).size(), 21u) << "Obadiah stops at Jonah";
}

INSTANTIATE_TEST_SUITE_P(Bibles, FullDataTest, ::testing::Values(kKorean, kEnglish),
                         [](const auto& info) {
                             return std::string(info.param.text == kKorean.text ? "Korean"
                                                                                : "English");
                         });

TEST(FullDataEnglish, KeepsTheParagraphMarksOfTheKjv) {
    const std::string why = FullDataSkipReason({"ebible.dat"});
    if (!why.empty()) {
        GTEST_SKIP() << why;
    }
    std::string text;
    ASSERT_TRUE(ReadWholeFile(FullDataFile("ebible.dat"), text));
    EXPECT_NE(text.find("\n1:1:3 And God said, Let there be light: and there was light.\n"),
              std::string::npos);
    EXPECT_NE(text.find("¶"), std::string::npos);
    // Psalm titles are headings, not verse text.
    EXPECT_NE(text.find("\n19:3:1 LORD, how are they increased that trouble me!"),
              std::string::npos);
}

} // namespace
