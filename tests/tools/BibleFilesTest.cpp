#include "BibleFiles.h"
#include "BookCatalogue.h"
#include "KrvFolder.h"
#include "KrvImport.h"
#include "SwordImport.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

BibleText GeneratedBible() {
    BibleText bible;
    for (int book = 1; book <= kBookCount; ++book) {
        for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter) {
            for (int verse = 1; verse <= GeneratedVerseCount(book, chapter); ++verse) {
                bible.push_back({book, chapter, verse, GeneratedVerseText(book, chapter, verse)});
            }
        }
    }
    return bible;
}

std::size_t FindVerse(const BibleText& bible, int book, int chapter, int verse) {
    for (std::size_t i = 0; i < bible.size(); ++i) {
        if (bible[i].book == book && bible[i].chapter == chapter && bible[i].verse == verse) {
            return i;
        }
    }
    return bible.size();
}

TEST(FoldWhiteSpace, OneBlankBetweenWordsNoneAtTheEnds) {
    EXPECT_EQ(FoldWhiteSpace(" a\r\n\tb  c "), "a b c");
    EXPECT_EQ(FoldWhiteSpace("\n\n"), "");
    EXPECT_EQ(FoldWhiteSpace(""), "");
    EXPECT_EQ(FoldWhiteSpace("x\x01y\x7fz"), "x y z") << "control characters can't reach a line";
    EXPECT_EQ(FoldWhiteSpace("¶ And God said, Let"), "¶ And God said, Let");
    EXPECT_EQ(FoldWhiteSpace("가\xC2\xA0나\xE3\x80\x80다"), "가\xC2\xA0나\xE3\x80\x80다")
        << "non-ASCII spaces belong to the text";
}

TEST(BookNames, FileAndOsisNamesFollowTheCatalogue) {
    EXPECT_EQ(KrvFileName(1), "Genesis.json");
    EXPECT_EQ(KrvFileName(9), "1Samuel.json");
    EXPECT_EQ(KrvFileName(22), "SongofSolomon.json");
    EXPECT_EQ(KrvFileName(64), "3John.json");
    EXPECT_EQ(KrvFileName(66), "Revelation.json");
    EXPECT_EQ(KrvFileName(0), "");
    EXPECT_EQ(KrvFileName(67), "");
    EXPECT_EQ(OsisBookName(19), "Ps");
    EXPECT_EQ(OsisBookName(57), "Phlm");
    EXPECT_EQ(OsisBookName(67), "");
}

TEST(ChapterAtPosition, InvertsTheChapterPosition) {
    int book = 0;
    int chapter = 0;
    ChapterAtPosition(0, book, chapter);
    EXPECT_EQ(book * 1000 + chapter, 1001);
    ChapterAtPosition(627, book, chapter);
    EXPECT_EQ(book * 1000 + chapter, 19150);
    ChapterAtPosition(929, book, chapter);
    EXPECT_EQ(book * 1000 + chapter, 40001);
    ChapterAtPosition(1188, book, chapter);
    EXPECT_EQ(book * 1000 + chapter, 66022);
}

TEST(FormatBibleFiles, RefusesAnythingButTheCompleteCanonicalOrder) {
    BibleFiles files;
    std::string error;
    ASSERT_TRUE(FormatBibleFiles(GeneratedBible(), files, error)) << error;
    EXPECT_EQ(files.verseCount, GeneratedVerseTotal());

    struct Case {
        const char* what;
        void (*damage)(BibleText&);
        const char* message;
    };
    const Case cases[] = {
        {"a chapter missing",
         [](BibleText& b) {
             const auto at = b.begin() + static_cast<long>(FindVerse(b, 19, 119, 1));
             b.erase(at, at + GeneratedVerseCount(19, 119));
         },
         "chapter 19:119 is due"},
        {"the last chapter missing", [](BibleText& b) { b.resize(FindVerse(b, 66, 22, 1)); },
         "ends before chapter 66:22"},
        {"a verse repeated",
         [](BibleText& b) {
             b.insert(b.begin() + static_cast<long>(FindVerse(b, 1, 1, 2)),
                      b[FindVerse(b, 1, 1, 1)]);
         },
         "does not follow verse 1"},
        {"a chapter starting at verse 2", [](BibleText& b) { b[FindVerse(b, 2, 1, 1)].verse = 2; },
         "begins with verse 2"},
        {"a line break in a verse", [](BibleText& b) { b[FindVerse(b, 3, 3, 1)].text = "a\nb"; },
         "line break"},
        {"no verses at all", [](BibleText& b) { b.clear(); }, "ends before chapter 1:1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BibleText bible = GeneratedBible();
        c.damage(bible);
        EXPECT_FALSE(FormatBibleFiles(bible, files, error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

class BiblePairTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(FormatBibleFiles(GeneratedBible(), m_files, error)) << error;
    }

    bool Verify(const std::string& text, const std::string& index) {
        m_dir.Write("t.dat", text);
        m_dir.Write("t.inx", index);
        return VerifyBiblePair(m_dir.File("t.dat"), m_dir.File("t.inx"), GeneratedVerseTotal(),
                               m_error);
    }

    CTempDir m_dir;
    BibleFiles m_files;
    std::string m_error;
};

TEST_F(BiblePairTest, VerificationCatchesEveryKindOfDamage) {
    EXPECT_TRUE(Verify(m_files.text, m_files.index)) << m_error;

    // An offset one byte off, pointing at the wrong chapter, or beyond the text.
    std::string index = m_files.index;
    const std::size_t second = index.find('\n') + 1;
    const std::size_t secondEnd = index.find('\n', second);
    const long offset = std::stol(index.substr(second, secondEnd - second));
    const std::string head = index.substr(0, second);
    const std::string tail = index.substr(secondEnd);
    EXPECT_FALSE(Verify(m_files.text, head + std::to_string(offset + 1) + tail));
    EXPECT_NE(m_error.find("chapter 1:2"), std::string::npos) << m_error;
    EXPECT_FALSE(Verify(m_files.text, head + "0" + tail));
    EXPECT_FALSE(Verify(m_files.text, head + "99999999" + tail));

    // The index one line short, one line long, without its final line feed, or not numeric.
    EXPECT_FALSE(Verify(m_files.text, index.substr(0, index.rfind('\n', index.size() - 2) + 1)));
    EXPECT_NE(m_error.find("1188 lines, expected 1189"), std::string::npos) << m_error;
    EXPECT_FALSE(Verify(m_files.text, index + "0\n"));
    EXPECT_FALSE(Verify(m_files.text, index.substr(0, index.size() - 1)));
    EXPECT_FALSE(Verify(m_files.text, head + "-1" + tail));

    // The text cut short, with a stray line, or without its final line feed.
    EXPECT_FALSE(Verify(m_files.text.substr(0, m_files.text.size() / 2), index));
    EXPECT_FALSE(Verify(m_files.text + "66:22:3 extra\n", index));
    EXPECT_NE(m_error.find("verse lines, expected"), std::string::npos) << m_error;
    EXPECT_FALSE(Verify(m_files.text + "no reference\n", index));
    EXPECT_FALSE(Verify(m_files.text.substr(0, m_files.text.size() - 1), index));

    EXPECT_FALSE(VerifyBiblePair(m_dir.File("none.dat"), m_dir.File("t.inx"), 1, m_error));
    EXPECT_NE(m_error.find("none.dat"), std::string::npos);
}

TEST_F(BiblePairTest, InstallReplacesThePairOrLeavesItWhole) {
    std::string error;
    ASSERT_TRUE(InstallBiblePair(m_dir.Path(), "kbible", m_files, GeneratedVerseTotal(), error))
        << error;
    EXPECT_EQ(m_dir.Read("kbible.dat"), m_files.text);
    EXPECT_EQ(m_dir.Read("kbible.inx"), m_files.index);

    // A pair that fails verification replaces nothing and leaves no temporary behind.
    BibleFiles broken = m_files;
    broken.index = "0\n";
    EXPECT_FALSE(InstallBiblePair(m_dir.Path(), "kbible", broken, GeneratedVerseTotal(), error));
    EXPECT_EQ(m_dir.Read("kbible.inx"), m_files.index);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()), {}), 2);
}

TEST_F(BiblePairTest, TextThatCannotBeReplacedPutsTheOldIndexBack) {
    // A folder in the text's place makes the second rename fail after the index was replaced.
    std::filesystem::create_directories(m_dir.File("ebible.dat/keep"));
    m_dir.Write("ebible.inx", "old index\n");
    std::string error;
    EXPECT_FALSE(InstallBiblePair(m_dir.Path(), "ebible", m_files, GeneratedVerseTotal(), error));
    EXPECT_NE(error.find(m_dir.File("ebible.dat")), std::string::npos) << error;
    EXPECT_EQ(m_dir.Read("ebible.inx"), "old index\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()), {}), 2)
        << "no temporary left";

    // Without an old index the new one is taken away again.
    std::filesystem::remove(m_dir.File("ebible.inx"));
    EXPECT_FALSE(InstallBiblePair(m_dir.Path(), "ebible", m_files, GeneratedVerseTotal(), error));
    EXPECT_FALSE(m_dir.Exists("ebible.inx"));
}

} // namespace
