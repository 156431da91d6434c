#include "FullData.h"
#include "BookmarkInput.h"
#include "BookmarkMessages.h"
#include "BookmarkVerses.h"
#include "ScriptureStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

// The real Korean Bible of a data folder built by qrv-data.
class FullKoreanBible : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = LoadFullDataBibles(); !why.empty()) {
            GTEST_SKIP() << why;
        }
    }
};

TEST_F(FullKoreanBible, RangesExistAsTheChaptersHoldThem) {
    EXPECT_EQ(CountExistingVerses(19, 119, 176, 176), 1) << "the highest verse of the Bible";
    EXPECT_EQ(CountExistingVerses(1, 1, 25, 40), 7) << "Genesis 1 has 31 verses";
    EXPECT_EQ(CountExistingVerses(1, 1, 32, 40), 0);
    EXPECT_EQ(CountExistingVerses(1, 50, 26, 26), 1) << "the last verse before Exodus";
    EXPECT_EQ(CountExistingVerses(31, 1, 1, 176), 21) << "Obadiah stops at Jonah";
    EXPECT_EQ(CountExistingVerses(66, 22, 21, 21), 1);
    EXPECT_EQ(CountExistingVerses(66, 23, 1, 1), 0);
}

TEST_F(FullKoreanBible, ABookmarkBodyHoldsOneLinePerVerse) {
    int count = 0;
    const std::string body = ReadBookmarkBody(45, 8, 28, 29, count);
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(body.starts_with("[28] 우리가 알거니와 하나님을 사랑하는 자")) << body;
    EXPECT_NE(body.find("\r\n[29] 하나님이 미리 아신 자들로"), std::string::npos) << body;
    EXPECT_TRUE(body.ends_with("\r\n"));

    BookmarkInput in{"", 0, 19, 119, "176", ""};
    in.title = "  마지막 절 ";
    const BookmarkCheck check = CheckBookmarkInput(in);
    ASSERT_TRUE(check.ok) << check.message;
    EXPECT_EQ(check.line, "마지막 절:시편:19:119:176-176\n");
    in.firstVerse = "177";
    EXPECT_EQ(CheckBookmarkInput(in).message, kMsgBadNumber);
}

} // namespace
