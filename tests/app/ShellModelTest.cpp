#include "HelpText.h"
#include "RecentPlace.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(RecentPlace, ReadsBookAndChapterTextOfThePositionLine) {
    CTempDir dir;
    EXPECT_EQ(ReadRecentPlace(dir.File("kReadPoint.txt")).status, RecentPlace::Status::Missing);
    dir.Write("kReadPoint.txt",
              "QRV Vellumreader Ver2.5 한글성경 자동책갈피\n1:1:1:14:0\n0:0:0\n255:255:255");
    RecentPlace place = ReadRecentPlace(dir.File("kReadPoint.txt"));
    EXPECT_EQ(place.status, RecentPlace::Status::Found);
    EXPECT_EQ(place.bookName, "창세기");
    EXPECT_EQ(place.chapterText, "1");
    // The chapter is shown as written, not converted.
    dir.Write("kReadPoint.txt", "h\r\n66:022:0:14:0\r\n");
    place = ReadRecentPlace(dir.File("kReadPoint.txt"));
    EXPECT_EQ(place.bookName, "요한계시록");
    EXPECT_EQ(place.chapterText, "022");
    for (const char* bad : {"h\n0:1:0\n", "h\n67:1\n", "h\nabc\n", "h\n5:\n", "only a header"}) {
        dir.Write("kReadPoint.txt", bad);
        EXPECT_EQ(ReadRecentPlace(dir.File("kReadPoint.txt")).status, RecentPlace::Status::Invalid)
            << bad;
    }
}

TEST(HelpText, TrimsTrailingWhiteSpaceAndBreaksLongLines) {
    CTempDir dir;
    std::string text = "keep";
    EXPECT_FALSE(LoadHelpText(dir.File("kHelp.txt"), text));
    dir.Write("kHelp.txt", " 앞 공백\t\r\n\t\n" + std::string(998, '*') + "끝");
    ASSERT_TRUE(LoadHelpText(dir.File("kHelp.txt"), text));
    EXPECT_EQ(text, " 앞 공백\r\n\r\n" + std::string(499, '*') + "\r\n" + std::string(499, '*') +
                        "\r\n끝\r\n");
}

} // namespace
