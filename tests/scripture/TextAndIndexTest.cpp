#include "ScriptureStore.h"
#include "TempDir.h"
#include "TextUtil.h"
#include "VerseLine.h"

#include <gtest/gtest.h>

namespace {

std::string IndexFile(int lines, bool finalLineFeed) {
    std::string s;
    for (int i = 0; i < lines; ++i) {
        s += std::to_string(1000 + i);
        if (i + 1 < lines || finalLineFeed) {
            s += '\n';
        }
    }
    return s;
}

TEST(IndexLoading, FinalLineFeedRepeatsTheLastOffset) {
    CTempDir dir;
    dir.Write("i.inx", IndexFile(1189, true));
    ChapterOffsetTable table{};
    ASSERT_TRUE(LoadChapterIndex(dir.File("i.inx"), table));
    EXPECT_EQ(table[0], 1000);
    EXPECT_EQ(table[1188], 2188);
    EXPECT_EQ(table[1189], 2188);
}

TEST(IndexLoading, WithoutFinalLineFeedTheSpareSlotStaysZero) {
    CTempDir dir;
    dir.Write("i.inx", IndexFile(1189, false));
    ChapterOffsetTable table{};
    ASSERT_TRUE(LoadChapterIndex(dir.File("i.inx"), table));
    EXPECT_EQ(table[1188], 2188);
    EXPECT_EQ(table[1189], 0);
}

TEST(IndexLoading, TooManyLinesStayWithinTheTable) {
    CTempDir dir;
    dir.Write("i.inx", IndexFile(5000, true));
    ChapterOffsetTable table{};
    ASSERT_TRUE(LoadChapterIndex(dir.File("i.inx"), table));
    EXPECT_EQ(table[1189], 2189);
}

TEST(IndexLoading, GarbageAndCarriageReturns) {
    CTempDir dir;
    dir.Write("i.inx", "12\r\nabc\n  77x\n\n-5\n" + std::string(40, '9') + "\n");
    ChapterOffsetTable table{};
    table.fill(-1);
    ASSERT_TRUE(LoadChapterIndex(dir.File("i.inx"), table));
    EXPECT_EQ(table[0], 12);
    EXPECT_EQ(table[1], 0) << "a line that is no number reads as 0";
    EXPECT_EQ(table[2], 77);
    EXPECT_EQ(table[3], 0);
    EXPECT_EQ(table[4], -5);
    // A 40-digit line is read in pieces of 23 characters; each piece saturates or converts.
    EXPECT_EQ(table[5], 2147483647);
    EXPECT_EQ(table[6], 2147483647);
    EXPECT_FALSE(LoadChapterIndex(dir.File("missing.inx"), table));
}

TEST(VerseLineParse, SplitsOnlyTheReference) {
    VerseLine v;
    ASSERT_TRUE(ParseVerseLine("1:1:1 태초에 하나님이 천지를 창조하시니라\n", v));
    EXPECT_EQ(v.book, 1);
    EXPECT_EQ(v.chapter, 1);
    EXPECT_EQ(v.verse, 1);
    EXPECT_EQ(v.text, "태초에 하나님이 천지를 창조하시니라");

    ASSERT_TRUE(ParseVerseLine("19:119:176 a: b:c  d  \n", v));
    EXPECT_EQ(v.book, 19);
    EXPECT_EQ(v.chapter, 119);
    EXPECT_EQ(v.verse, 176);
    EXPECT_EQ(v.text, "a: b:c  d  ");

    ASSERT_TRUE(ParseVerseLine("2:3:4 text\r\n", v));
    EXPECT_EQ(v.text, "text") << "a carriage return before the line feed is not verse text";

    ASSERT_TRUE(ParseVerseLine("66:22:21 last", v));
    EXPECT_EQ(v.text, "last");

    EXPECT_FALSE(ParseVerseLine("no colon here\n", v));
    EXPECT_FALSE(ParseVerseLine("", v));

    ASSERT_TRUE(ParseVerseLine("5:x\n", v));
    EXPECT_EQ(v.book, 5);
    EXPECT_EQ(v.chapter, 0);
    EXPECT_EQ(v.verse, 0);
    EXPECT_EQ(v.text, "");
}

// A tiny Bible: Genesis 50 (2 verses), Exodus 1 (2), Obadiah 1 (2), Jonah 1 (1), Revelation 22 (2).
class SmallBible : public ::testing::Test {
protected:
    void SetUp() override {
        ResetScriptureStore();
        BuildChapterKeys();
        offsets.fill(0);
        auto add = [&](int book, int chapter, std::vector<std::string> verses) {
            offsets[ChapterIndexOf(book, chapter)] = static_cast<std::int32_t>(text.size());
            int v = 1;
            for (const auto& t : verses) {
                text += StrFormat("%d:%d:%d %s\n", book, chapter, v++, t.c_str());
            }
        };
        add(1, 50, {"요셉이 그 아비의 얼굴에 구푸려", "요셉이 수종 의사에게 명하여"});
        add(2, 1, {"야곱과 함께", "르우벤과"});
        add(31, 1, {"오바댜의 묵시라", "보라 내가"});
        add(32, 1, {"여호와의 말씀이"});
        add(66, 22, {"또 저가 수정 같이", "주 예수의 은혜가 모든 자들에게 있을지어다 아멘"});
        offsets[1189] = offsets[1188];
        dir.Write("kbible.dat", text);
    }
    std::vector<VerseEntry> Read(int book, int chapter) {
        return ReadChapter(dir.File("kbible.dat"), offsets, book, chapter);
    }
    CTempDir dir;
    std::string text;
    ChapterOffsetTable offsets{};
};

TEST_F(SmallBible, ChapterReadsStopAtTheNextChapterOrBook) {
    auto gen50 = Read(1, 50);
    ASSERT_EQ(gen50.size(), 2u);
    EXPECT_EQ(gen50[0].verse, 1);
    EXPECT_EQ(gen50[1].text, "요셉이 수종 의사에게 명하여");
    EXPECT_EQ(Read(31, 1).size(), 2u) << "Obadiah stops at the first line of Jonah";
    auto rev22 = Read(66, 22);
    ASSERT_EQ(rev22.size(), 2u) << "the last chapter ends at the end of the file";
    EXPECT_EQ(rev22[1].text, "주 예수의 은혜가 모든 자들에게 있을지어다 아멘");
    EXPECT_TRUE(Read(1, 51).empty()) << "no such chapter: nothing read";
    EXPECT_TRUE(Read(66, 23).empty()) << "not Revelation 22 through the spare slot";
    EXPECT_TRUE(Read(0, 0).empty());
}

TEST_F(SmallBible, BrokenOffsetsAndLinesDoNotReadOutOfBounds) {
    offsets[ChapterIndexOf(2, 1)] = 1 << 30; // far past the end of the file
    EXPECT_TRUE(Read(2, 1).empty());
    offsets[ChapterIndexOf(2, 1)] = -8;
    EXPECT_TRUE(Read(2, 1).empty());
    EXPECT_TRUE(ReadChapter(dir.File("missing.dat"), offsets, 1, 50).empty());

    // A line without ':' ends the chapter; an overlong verse is read whole, never split into a
    // second "line" whose words would parse as a reference.
    std::string broken = "1:1:1 first\nno reference\n1:1:3 third\n";
    broken += "1:1:4 " + std::string(2000, 'x') + "\n";
    dir.Write("broken.dat", broken);
    ChapterOffsetTable table{};
    EXPECT_EQ(ReadChapter(dir.File("broken.dat"), table, 1, 1).size(), 1u);
    std::string longVerse;
    for (int i = 0; i < 700; ++i) {
        longVerse += i % 50 == 0 ? "9:9:9 " : "말";
    }
    dir.Write("long.dat", "1:1:1 " + longVerse + "\n1:1:2 next\n");
    const auto longRead = ReadChapter(dir.File("long.dat"), table, 1, 1);
    ASSERT_EQ(longRead.size(), 2u);
    EXPECT_EQ(longRead[0].text, longVerse);
    EXPECT_EQ(longRead[1].text, "next");
    // A runaway line is bounded.
    dir.Write("huge.dat", "1:1:1 " + std::string(200000, 'z'));
    const auto hugeRead = ReadChapter(dir.File("huge.dat"), table, 1, 1);
    ASSERT_EQ(hugeRead.size(), 1u);
    EXPECT_LT(hugeRead[0].text.size(), 70000u);
}

} // namespace
