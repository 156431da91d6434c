#include "BookmarkFile.h"
#include "AtomicFile.h"
#include "TempDir.h"
#include "TextUtil.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

const std::string kHeader(kListHeader);

std::string Record(const std::string& title, int book, int chapter, int first, int last) {
    return BuildBookmarkLine(title, book, chapter, first, last);
}

// BM1..BMn on Romans 8, verse i to i + 1.
std::string Records(int from, int to) {
    std::string s;
    for (int i = from; i <= to; ++i) {
        s += Record("BM" + std::to_string(i), 45, 8, i % 39 + 1, i % 39 + 1);
    }
    return s;
}

std::vector<std::string> Titles(const CBookmarkTable& table) {
    std::vector<std::string> titles;
    for (int i = 0; i < table.Count(); ++i) {
        titles.push_back(table.At(i).title);
    }
    return titles;
}

class BookmarkFileTest : public ::testing::Test {
protected:
    void TearDown() override { SetAtomicWriteFailureForTesting(false); }
    std::string Path() const { return dir.File("kBookMark.txt"); }
    void WriteFile(const std::string& content) const { dir.Write("kBookMark.txt", content); }
    std::string FileContent() const { return dir.Read("kBookMark.txt"); }
    CTempDir dir;
    CBookmarkTable table;
};

TEST_F(BookmarkFileTest, HeaderOnlyNumbersTheNextBookmarkOne) {
    for (const std::string& header : {kHeader, std::string(kChapterViewHeader),
                                      std::string(kRewriteHeader), std::string("no line feed")}) {
        WriteFile(header);
        ASSERT_TRUE(LoadBookmarks(Path(), table)) << header;
        EXPECT_EQ(table.Count(), 0) << header;
        EXPECT_EQ(CountBookmarkRecords(Path()), 1) << header;
        EXPECT_EQ(CountBookmarkLines(Path()), 1) << header;
        EXPECT_EQ(FileContent(), header) << "reading never writes";
    }
}

TEST_F(BookmarkFileTest, CrLfAndLfFilesLoadAlike) {
    const std::string lf = kHeader + "BM1:로마서:45:8:28-30\n" + "BM2:창세기:1:1:1-1\n";
    const std::string crlf = "QRV Vellumreader Ver2.3 북마크 \r\nBM1:로마서:45:8:28-30\r\n"
                             "BM2:창세기:1:1:1-1\r\n";
    for (const std::string& content : {lf, crlf, "\xEF\xBB\xBF" + crlf}) {
        WriteFile(content);
        ASSERT_TRUE(LoadBookmarks(Path(), table));
        ASSERT_EQ(table.Count(), 2);
        const BookmarkRecord& r = table.At(0);
        EXPECT_EQ(r.title, "BM1");
        EXPECT_EQ(r.book, 45);
        EXPECT_EQ(r.chapter, 8);
        EXPECT_EQ(r.firstVerse, 28);
        EXPECT_EQ(r.lastVerse, 30);
        EXPECT_EQ(table.At(1).lastVerse, 1);
        EXPECT_EQ(CountBookmarkRecords(Path()), 3);
        EXPECT_EQ(CountBookmarkLines(Path()), 3);
    }
}

TEST_F(BookmarkFileTest, CountsNumberTheNextBookmark) {
    WriteFile(kHeader + Records(1, 3));
    EXPECT_EQ(CountBookmarkRecords(Path()), 4);
    EXPECT_EQ(CountBookmarkLines(Path()), 4);
    WriteFile(kHeader + Records(1, 3).substr(0, Records(1, 3).size() - 1));
    EXPECT_EQ(CountBookmarkLines(Path()), 4) << "a last line without its line feed still counts";
    WriteFile(kHeader + Records(1, 150));
    EXPECT_EQ(CountBookmarkRecords(Path()), 100) << "the chapter view counts at most 99";
    WriteFile(kHeader + "x:" + std::string(600, 'y') + "\n");
    EXPECT_EQ(CountBookmarkLines(Path()), 3) << "a line past 511 characters reads as two";
    WriteFile("");
    EXPECT_EQ(CountBookmarkLines(Path()), 1) << "an empty file gets a header with the record";
}

TEST_F(BookmarkFileTest, MissingFileIsCreatedWithEachOpenersHeader) {
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    EXPECT_EQ(table.Count(), 0);
    EXPECT_EQ(FileContent(), kHeader);

    std::filesystem::remove(Path());
    EXPECT_EQ(CountBookmarkRecords(Path()), 1);
    EXPECT_EQ(FileContent(), "QRV Vellumreader Ver2.3 북마크 \r\n");

    std::filesystem::remove(Path());
    EXPECT_EQ(CountBookmarkLines(Path()), 1);
    EXPECT_EQ(FileContent(), kHeader);
}

TEST_F(BookmarkFileTest, TwoHundredFiftyRecordsListTwoHundredAndADeletionKeepsTheRest) {
    const std::string original = kHeader + Records(1, 250);
    WriteFile(original);
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    ASSERT_EQ(table.Count(), 200);
    EXPECT_EQ(table.At(199).title, "BM200");

    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 4), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(FileContent(), std::string(kRewriteHeader) + Records(1, 4) + Records(6, 250));
    ASSERT_EQ(table.Count(), 200) << "the 201st record moves into the list";
    EXPECT_EQ(table.At(4).title, "BM6");
    EXPECT_EQ(table.At(199).title, "BM201");
}

TEST_F(BookmarkFileTest, DeletingTheFirstOfThreeRenumbersTheRest) {
    WriteFile(kHeader + Records(1, 3));
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 0), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(FileContent(), "QRV Vellumreader Ver2.1 Bookmark \n" + Records(2, 3));
    EXPECT_EQ(Titles(table), (std::vector<std::string>{"BM2", "BM3"}));

    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 1), BookmarkDeleteResult::Deleted);
    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 0), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(FileContent(), kRewriteHeader) << "the last deletion leaves the header alone";
    EXPECT_EQ(table.Count(), 0);
}

TEST_F(BookmarkFileTest, TwoDeletionsInARowEachRemoveTheChosenRecord) {
    const std::string a = "첫째:창세기:1:1:1-3\n", b = "둘째:시편:19:119:105-105\n",
                      c = "셋째:로마서:45:8:28-30\n", d = "넷째:요한계시록:66:22:1-3\n";
    WriteFile(kHeader + a + b + c + d);
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 1), BookmarkDeleteResult::Deleted);
    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 1), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(FileContent(), std::string(kRewriteHeader) + a + d);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table.At(1).title, "넷째");
    EXPECT_EQ(table.At(1).book, 66);
    EXPECT_EQ(table.At(1).firstVerse, 1);
    EXPECT_EQ(table.At(1).lastVerse, 3);
}

TEST_F(BookmarkFileTest, LinesTheListSkipsSurviveADeletionInPlace) {
    // Passed over without ending the list: fields missing, a book outside 1..66, a chapter no
    // 16-bit field can keep, a blank line, an overlong line.
    const std::string skipped = "부족:창세기:1\n"
                                "책없음:x:67:1:1-1\n"
                                "책영:x:0:1:1-1\n"
                                "큰장:창세기:1:70000:1-1\n"
                                "대시없음:창세기:1:1:5\n"
                                "  \r\n" +
                                std::string(5000, 'x') + ":창세기:1:1:1-1\n";
    const std::string original = kHeader + Record("A", 1, 1, 1, 1) + skipped +
                                 Record("B", 45, 8, 28, 28) + Record("C", 66, 22, 1, 2);
    WriteFile(original);
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    EXPECT_EQ(Titles(table), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(CountBookmarkRecords(Path()), 4) << "the chapter view numbers as the list does";

    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 1), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(FileContent(), std::string(kRewriteHeader) + Record("A", 1, 1, 1, 1) + skipped +
                                 Record("C", 66, 22, 1, 2));
}

TEST_F(BookmarkFileTest, LinesAfterTheEndOfTheListSurviveADeletion) {
    const std::string tail = "END\nB:로마서:45:8:28-28\nno colon either\n";
    WriteFile(kHeader + "A:창세기:1:1:1-1\n" + tail);
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    EXPECT_EQ(Titles(table), std::vector<std::string>{"A"});
    EXPECT_EQ(CountBookmarkRecords(Path()), 2);
    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 0), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(FileContent(), std::string(kRewriteHeader) + tail);
}

TEST_F(BookmarkFileTest, ARewriteNormalisesListedRecordsOnly) {
    // Verses typed with leading zeros, a foreign book name and "\r\n" read as the same bookmark
    // and are written in the one record form; the final line keeps its missing line feed.
    WriteFile(kHeader + "X:창세기:1:1:1-1\n" + "제목:Romans:45:08:028-030\r\n" + "END\r\n" +
              "Y:x:1:1:1-1");
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 0), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(FileContent(),
              std::string(kRewriteHeader) + "제목:로마서:45:8:28-30\n" + "END\r\n" + "Y:x:1:1:1-1");
}

TEST_F(BookmarkFileTest, AFirstLineHoldingARecordIsKeptAfterTheNewHeader) {
    // A file begun by a bare append has a record where the header should be.
    WriteFile("S:창세기:1:1:1-1\nA:창세기:1:1:2-2\nB:창세기:1:1:3-3\n");
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    EXPECT_EQ(Titles(table), (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(DeleteBookmarkRecord(Path(), table, 1), BookmarkDeleteResult::Deleted);
    EXPECT_EQ(FileContent(), std::string(kRewriteHeader) + "S:창세기:1:1:1-1\nA:창세기:1:1:2-2\n");
    EXPECT_EQ(Titles(table), (std::vector<std::string>{"S", "A"}));
}

TEST_F(BookmarkFileTest, ADeletionChecksTheFileStillHoldsTheShownRecord) {
    WriteFile(kHeader + Records(1, 3));
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    const std::string changed = kHeader + Records(2, 3);
    WriteFile(changed);
    EXPECT_EQ(DeleteBookmarkRecord(Path(), table, 0), BookmarkDeleteResult::Changed);
    EXPECT_EQ(FileContent(), changed) << "BM2 now stands first and must not be deleted for BM1";
    EXPECT_EQ(Titles(table), (std::vector<std::string>{"BM2", "BM3"})) << "reloaded";

    EXPECT_EQ(DeleteBookmarkRecord(Path(), table, 2), BookmarkDeleteResult::Changed);
    EXPECT_EQ(DeleteBookmarkRecord(Path(), table, -1), BookmarkDeleteResult::Changed);
    EXPECT_EQ(FileContent(), changed);

    std::filesystem::remove(Path());
    EXPECT_EQ(DeleteBookmarkRecord(Path(), table, 0), BookmarkDeleteResult::Changed);
    EXPECT_FALSE(dir.Exists("kBookMark.txt")) << "a deletion never creates the file";
    EXPECT_EQ(table.Count(), 0);
}

TEST_F(BookmarkFileTest, AppendStartsARecordOnItsOwnLineAfterAHeader) {
    const std::string line = Record("BM1", 45, 8, 28, 28);
    EXPECT_EQ(line, "BM1:로마서:45:8:28-28\n") << "a single verse is written twice around '-'";

    ASSERT_TRUE(AppendBookmarkLine(Path(), line));
    EXPECT_EQ(FileContent(), kHeader + line) << "a missing file gets its header first";

    WriteFile("");
    ASSERT_TRUE(AppendBookmarkLine(Path(), line));
    EXPECT_EQ(FileContent(), kHeader + line);

    WriteFile(kHeader + "BM0:창세기:1:1:1-1");
    ASSERT_TRUE(AppendBookmarkLine(Path(), line));
    EXPECT_EQ(FileContent(), kHeader + "BM0:창세기:1:1:1-1\n" + line);
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    EXPECT_EQ(Titles(table), (std::vector<std::string>{"BM0", "BM1"}));
}

TEST_F(BookmarkFileTest, AppendRefusesAnythingButOneShortRecord) {
    const std::string original = kHeader + Records(1, 2);
    WriteFile(original);
    for (const std::string& bad : {
             std::string("BM1:로마서:45:8:28-28"),                        // no line feed
             std::string("BM1:로마서:45:8:28-28\nBM2:로마서:45:8:1-1\n"), // two records
             std::string("B\rM:로마서:45:8:28-28\n"),                     // a carriage return
             std::string("BM1:로마서:67:8:28-28\n"),                      // no such book
             std::string("BM1 without fields\n"),
             std::string(90, 'x') + ":로마서:45:8:28-28\n", // 106 characters
         }) {
        EXPECT_FALSE(AppendBookmarkLine(Path(), bad)) << bad;
    }
    EXPECT_EQ(FileContent(), original);
}

TEST_F(BookmarkFileTest, FailedWritesLeaveTheFileByteForByte) {
    const std::string original = kHeader + Records(1, 3) + "END\nlater:창세기:1:1:1-1";
    WriteFile(original);
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    SetAtomicWriteFailureForTesting(true);

    EXPECT_EQ(DeleteBookmarkRecord(Path(), table, 1), BookmarkDeleteResult::Failed);
    EXPECT_EQ(FileContent(), original);
    EXPECT_EQ(Titles(table), (std::vector<std::string>{"BM1", "BM2", "BM3"}));

    EXPECT_FALSE(AppendBookmarkLine(Path(), Record("BM4", 1, 1, 1, 1)));
    EXPECT_EQ(FileContent(), original);

    // Creation fails alike: each caller reports "북마크 화일 생성실패".
    std::filesystem::remove(Path());
    EXPECT_FALSE(LoadBookmarks(Path(), table));
    EXPECT_EQ(CountBookmarkRecords(Path()), std::nullopt);
    EXPECT_EQ(CountBookmarkLines(Path()), std::nullopt);
    EXPECT_FALSE(AppendBookmarkLine(Path(), Record("BM4", 1, 1, 1, 1)));
    EXPECT_FALSE(dir.Exists("kBookMark.txt"));
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ADD_FAILURE() << "left behind: " << entry.path();
    }
}

TEST_F(BookmarkFileTest, AnUnreadableFileIsNeverCreatedOver) {
    // A folder standing at the path can't be read whatever the privileges.
    std::filesystem::create_directory(Path());
    EXPECT_FALSE(LoadBookmarks(Path(), table));
    EXPECT_EQ(CountBookmarkRecords(Path()), std::nullopt);
    EXPECT_EQ(CountBookmarkLines(Path()), std::nullopt);
    EXPECT_FALSE(AppendBookmarkLine(Path(), Record("BM1", 1, 1, 1, 1)));
    EXPECT_EQ(DeleteBookmarkRecord(Path(), table, 0), BookmarkDeleteResult::Failed);
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

TEST_F(BookmarkFileTest, AReadOnlyFolderFailsWithoutTouchingTheFile) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "running as root: a folder's permissions don't stop writes";
    }
    const std::string original = kHeader + Records(1, 3);
    WriteFile(original);
    ASSERT_TRUE(LoadBookmarks(Path(), table));
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_EQ(DeleteBookmarkRecord(Path(), table, 0), BookmarkDeleteResult::Failed);
    EXPECT_FALSE(AppendBookmarkLine(Path(), Record("BM4", 1, 1, 1, 1)));
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    EXPECT_EQ(FileContent(), original);

    // A file that exists but can't be read is reported, never taken for missing and recreated.
    std::filesystem::permissions(Path(), std::filesystem::perms::none);
    EXPECT_FALSE(LoadBookmarks(Path(), table));
    EXPECT_EQ(CountBookmarkRecords(Path()), std::nullopt);
    EXPECT_EQ(CountBookmarkLines(Path()), std::nullopt);
    EXPECT_FALSE(AppendBookmarkLine(Path(), Record("BM4", 1, 1, 1, 1)));
    std::filesystem::permissions(Path(), std::filesystem::perms::owner_read);
    EXPECT_EQ(FileContent(), original);
}

TEST(BookmarkRecordParse, AcceptsOnlyWholeRecordsThatFitTheTable) {
    BookmarkRecord r;
    ASSERT_TRUE(ParseBookmarkRecord("제목 있음:로마서:45:8:28-30\r\n", r));
    EXPECT_EQ(r.title, "제목 있음");
    EXPECT_EQ(r.lastVerse, 30) << "the carriage return is no part of the last verse";
    ASSERT_TRUE(ParseBookmarkRecord("t:x:1:2:3:4-5\n", r)) << "the verse part is all the rest";
    EXPECT_EQ(r.firstVerse, 3);
    EXPECT_EQ(r.lastVerse, 5);
    ASSERT_TRUE(ParseBookmarkRecord("t:x:66:-2:32767-0", r));
    EXPECT_EQ(r.chapter, -2);
    EXPECT_EQ(r.firstVerse, 32767);

    EXPECT_FALSE(ParseBookmarkRecord("t:x:66:1:32768-1", r)) << "past 16 bits";
    EXPECT_FALSE(ParseBookmarkRecord("t:x:1:-32769:1-1", r));
    EXPECT_FALSE(ParseBookmarkRecord("t:x:0:1:1-1", r));
    EXPECT_FALSE(ParseBookmarkRecord("t:x:abc:1:1-1", r));
    EXPECT_FALSE(ParseBookmarkRecord("t:x:1:1", r));
    EXPECT_FALSE(ParseBookmarkRecord("t:x:1:1:1", r));
    EXPECT_FALSE(ParseBookmarkRecord("no colon", r));
}

TEST(BookmarkTableBounds, StaysWithinTwoHundredRecords) {
    CBookmarkTable table;
    for (int i = 0; i < CBookmarkTable::kCapacity; ++i) {
        ASSERT_TRUE(table.Add(BookmarkRecord{std::to_string(i), "", 1, 1, 1, 1}));
    }
    EXPECT_FALSE(table.Add(BookmarkRecord{"201", "", 1, 1, 1, 1}));
    EXPECT_EQ(table.Count(), 200);
    EXPECT_EQ(table.At(200).title, "") << "a row past the table reads as nothing";
    EXPECT_EQ(table.At(-1).title, "");
    EXPECT_FALSE(table.RemoveAt(200));
    ASSERT_TRUE(table.RemoveAt(0));
    EXPECT_EQ(table.At(0).title, "1");
    EXPECT_EQ(table.At(198).title, "199");
    EXPECT_EQ(table.Count(), 199);
}

} // namespace
