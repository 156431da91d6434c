#include "AtomicFile.h"
#include "ChapterViewModel.h"
#include "FixedWidthMeasurer.h"
#include "ReaderGlobals.h"
#include "TestBible.h"

#include <gtest/gtest.h>

namespace {

constexpr std::string_view kKoreanClosing = "QRV Vellumreader Ver2.5 한글성경 자동책갈피\r\n";
constexpr std::string_view kEnglishClosing = "QRV Vellumreader Ver2.5 영어성경 자동책갈피\r\n";

std::unique_ptr<CTextMeasurer> FixedFont(int) {
    return std::make_unique<CFixedWidthMeasurer>();
}

class ReadPointTest : public ::testing::Test {
protected:
    // A view as the screen opens it: position file, then the first chapter load.
    CChapterViewModel& Open(const ChapterViewProfile& profile) {
        m_view = std::make_unique<CChapterViewModel>(profile, FixedFont);
        m_origin = m_view->Open();
        m_view->LoadChapter();
        return *m_view;
    }
    void ExpectDefaults(const CChapterViewModel& v) {
        EXPECT_EQ(v.m_book, 1);
        EXPECT_EQ(v.m_chapter, 1);
        EXPECT_EQ(v.m_topLine, 0);
        EXPECT_EQ(v.m_fontSize, 14);
        EXPECT_EQ(v.m_linesPerPage, 14);
        EXPECT_EQ(v.m_parallel, 0);
        EXPECT_EQ(v.m_textColor, kBlack);
        EXPECT_EQ(v.m_backColor, kWhite);
    }
    std::string Read(std::string_view name) const { return m_bible.Dir().Read(name); }
    void Write(std::string_view name, std::string_view content) const {
        m_bible.Dir().Write(name, content);
    }

    CTestBible m_bible{ChapterVerses(1, 1, 60, "창"), ChapterVerses(1, 1, 60, "Gen")};
    std::unique_ptr<CChapterViewModel> m_view;
    ReadPointOrigin m_origin = ReadPointOrigin::File;
};

TEST_F(ReadPointTest, AFreshFolderOpensGenesisAndCreatesTheFile) {
    ExpectDefaults(Open(KoreanViewProfile()));
    EXPECT_EQ(m_origin, ReadPointOrigin::Created);
    EXPECT_EQ(m_view->LineCount(), 60);
    EXPECT_EQ(g_activeLanguage, 1);
    EXPECT_EQ(Read("kReadPoint.txt"),
              "QRV Vellumreader Ver2.5 한글성경 자동책갈피\n1:1:1:14:0\n0:0:0\n255:255:255");

    ExpectDefaults(Open(EnglishViewProfile()));
    EXPECT_EQ(g_activeLanguage, 2);
    EXPECT_EQ(Read("eReadPoint.txt"),
              "QRV Vellumreader Ver 2.5 영어성경 자동책갈피\r\n1:1:1:14:0\n0:0:0\n255:255:255");

    Open(KoreanViewProfile());
    EXPECT_EQ(m_origin, ReadPointOrigin::File);
    EXPECT_EQ(m_view->m_topLine, 1) << "the created file says line 1; the first opening used 0";
}

TEST_F(ReadPointTest, ClosingWritesThePlaceAndSettingsExactly) {
    for (const ChapterViewProfile* profile : {&KoreanViewProfile(), &EnglishViewProfile()}) {
        CChapterViewModel& v = Open(*profile);
        v.m_book = 19;
        v.m_chapter = 23;
        v.m_topLine = 13;
        v.m_fontSize = 16;
        v.m_parallel = 1;
        v.m_textColor = kWhite;
        v.m_backColor = {0, 0, 255};
        EXPECT_TRUE(v.Close());
    }
    EXPECT_EQ(Read("kReadPoint.txt"),
              std::string(kKoreanClosing) + "19:23:13:16:1\r\n255:255:255\r\n0:0:255");
    EXPECT_EQ(Read("eReadPoint.txt"),
              std::string(kEnglishClosing) + "19:23:13:16:1\r\n255:255:255\r\n0:0:255");
    EXPECT_EQ(g_lastKoreanBook, 19) << "set by the Korean view only";

    CChapterViewModel& v = Open(KoreanViewProfile());
    EXPECT_EQ(v.m_book, 19);
    EXPECT_EQ(v.m_chapter, 23);
    EXPECT_EQ(v.m_fontSize, 16);
    EXPECT_EQ(v.m_linesPerPage, 12);
    EXPECT_EQ(v.m_parallel, 1);
    EXPECT_EQ(v.m_textColor, kWhite);
    EXPECT_EQ(v.m_backColor, (RgbColor{0, 0, 255}));
}

TEST_F(ReadPointTest, TheSavedTopLineSurvivesTheFirstLayoutOnly) {
    Write("kReadPoint.txt", std::string(kKoreanClosing) + "1:1:30:14:0\r\n0:0:0\r\n255:255:255");
    CChapterViewModel& v = Open(KoreanViewProfile());
    EXPECT_EQ(v.m_topLine, 30);
    v.LoadChapter();
    EXPECT_EQ(v.m_topLine, 0);
}

TEST_F(ReadPointTest, ColourComponentsKeepTheirLowEightBits) {
    Write("kReadPoint.txt", std::string(kKoreanClosing) + "1:1:0:14:0\r\n300:256:-1\r\n1:2:3");
    CChapterViewModel& v = Open(KoreanViewProfile());
    EXPECT_EQ(v.m_textColor, (RgbColor{44, 0, 255}));
    EXPECT_EQ(v.m_backColor, (RgbColor{1, 2, 3}));
    v.Close();
    EXPECT_EQ(Read("kReadPoint.txt"),
              std::string(kKoreanClosing) + "1:1:0:14:0\r\n44:0:255\r\n1:2:3");
}

TEST_F(ReadPointTest, ChapterZeroWritesNothing) {
    const std::string before = std::string(kKoreanClosing) + "5:2:0:14:0\r\n0:0:0\r\n255:255:255";
    Write("kReadPoint.txt", before);
    CChapterViewModel& v = Open(KoreanViewProfile());
    v.m_chapter = 0;
    EXPECT_TRUE(v.Close());
    EXPECT_EQ(Read("kReadPoint.txt"), before);
    EXPECT_EQ(g_lastKoreanBook, 1);
}

TEST_F(ReadPointTest, DamagedFilesOpenGenesisWithDefaults) {
    const std::string h(kKoreanClosing);
    for (const std::string& damaged : {
             std::string(),                                // empty file
             h,                                            // header only
             h + "19:23:13:16:1\r\n255:255:255\r\n",       // no background line
             h + "19:23:13:16\r\n255:255:255\r\n0:0:255",  // four position fields
             h + "19:23:13:16:1\r\n255:255\r\n0:0:255",    // two colour fields
             h + "67:1:0:14:0\r\n0:0:0\r\n255:255:255",    // no book 67
             h + "1:51:0:14:0\r\n0:0:0\r\n255:255:255",    // Genesis has 50 chapters
             h + "x:y:0:14:0\r\n0:0:0\r\n255:255:255",     // book and chapter 0
             h + "2:3:0:0:0\r\n0:0:0\r\n255:255:255",      // no font size
             h + "2:3:0:100000:0\r\n0:0:0\r\n255:255:255", // absurd font size
         }) {
        Write("kReadPoint.txt", damaged);
        ExpectDefaults(Open(KoreanViewProfile()));
        EXPECT_EQ(m_origin, ReadPointOrigin::Malformed) << damaged;
        EXPECT_EQ(Read("kReadPoint.txt"), damaged) << "opening doesn't rewrite a damaged file";
    }
}

TEST_F(ReadPointTest, OddButUsableValuesAreKept) {
    Write("kReadPoint.txt", std::string(kKoreanClosing) + "2:3:-4:13:5\n7:8:9\n10:11:12\n");
    CChapterViewModel& v = Open(KoreanViewProfile());
    EXPECT_EQ(m_origin, ReadPointOrigin::File);
    EXPECT_EQ(v.m_book, 2);
    EXPECT_EQ(v.m_chapter, 3);
    EXPECT_EQ(v.m_fontSize, 13);
    EXPECT_EQ(v.m_linesPerPage, 14) << "a size outside the table keeps 14 lines a page";
    EXPECT_EQ(v.m_parallel, 5);
    EXPECT_EQ(v.m_topLine, 0) << "a negative top line is held at the top";
}

TEST_F(ReadPointTest, LinesAreReadWithTheViewsLimits) {
    // A 60-character header fits a Korean read (99 characters) but takes two English reads
    // (48 characters each), which then read its tail as the position line.
    const std::string header = std::string(58, 'h') + "\r\n";
    const std::string rest = "2:3:0:16:0\r\n0:0:0\r\n255:255:255";
    Write("kReadPoint.txt", header + rest);
    Write("eReadPoint.txt", header + rest);
    EXPECT_EQ(Open(KoreanViewProfile()).m_book, 2);
    ExpectDefaults(Open(EnglishViewProfile()));
}

TEST_F(ReadPointTest, AFailedRewriteKeepsTheOldFile) {
    CChapterViewModel& v = Open(KoreanViewProfile());
    const std::string before = Read("kReadPoint.txt");
    v.m_book = 19;
    v.m_chapter = 23;
    SetAtomicWriteFailureForTesting(true);
    EXPECT_FALSE(v.Close());
    SetAtomicWriteFailureForTesting(false);
    EXPECT_EQ(Read("kReadPoint.txt"), before);
    EXPECT_EQ(g_lastKoreanBook, 19);
}

TEST_F(ReadPointTest, AFolderThatRefusesTheFileStillOpens) {
    SetAtomicWriteFailureForTesting(true);
    ExpectDefaults(Open(EnglishViewProfile()));
    SetAtomicWriteFailureForTesting(false);
    EXPECT_EQ(m_origin, ReadPointOrigin::NotSaved);
    EXPECT_FALSE(m_bible.Dir().Exists("eReadPoint.txt"));
}

} // namespace
