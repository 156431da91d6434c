#include "TextFile.h"
#include "AtomicFile.h"
#include "TempDir.h"
#include "TextUtil.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> ReadAllLines(const std::string& path, int maxChars,
                                      bool* endSeen = nullptr) {
    CTextFile f;
    EXPECT_TRUE(f.Open(path, "r"));
    std::vector<std::string> lines;
    std::string line;
    while (f.ReadLine(line, maxChars)) {
        lines.push_back(line);
    }
    if (endSeen) {
        *endSeen = f.AtEnd();
    }
    return lines;
}

TEST(TextFile, ReadsLinesKeepingTheLineFeed) {
    CTempDir dir;
    dir.Write("a.txt", "one\ntwo\r\nthree");
    EXPECT_EQ(ReadAllLines(dir.File("a.txt"), 100),
              (std::vector<std::string>{"one\n", "two\r\n", "three"}));
}

TEST(TextFile, LimitCountsCharactersNotBytes) {
    CTempDir dir;
    // Six Hangul syllables (18 bytes) and a line feed; a limit of 4 takes three characters a read.
    dir.Write("k.txt", "태초에하나님\n");
    EXPECT_EQ(ReadAllLines(dir.File("k.txt"), 4),
              (std::vector<std::string>{"태초에", "하나님", "\n"}));
    // A limit that just holds the line takes it whole.
    EXPECT_EQ(ReadAllLines(dir.File("k.txt"), 8), (std::vector<std::string>{"태초에하나님\n"}));
}

TEST(TextFile, LongLineIsBrokenAtTheLimitAcrossBufferRefills) {
    CTempDir dir;
    std::string longLine;
    for (int i = 0; i < 30000; ++i) {
        longLine += "가"; // 90,000 bytes: more than one read buffer
    }
    dir.Write("long.txt", longLine + "\nend\n");
    const auto lines = ReadAllLines(dir.File("long.txt"), 512);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(CharCount(lines[0]), 511u);
    std::string joined;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        joined += lines[i];
    }
    EXPECT_EQ(joined, longLine + "\n");
    EXPECT_EQ(lines.back(), "end\n");
}

TEST(TextFile, EndFlagIsRaisedOnlyByAReadThatMeetsTheEnd) {
    CTempDir dir;
    dir.Write("lf.txt", "1\n2\n");
    CTextFile f;
    ASSERT_TRUE(f.Open(dir.File("lf.txt"), "r"));
    std::string line = "keep";
    EXPECT_TRUE(f.ReadLine(line, 24));
    EXPECT_TRUE(f.ReadLine(line, 24));
    EXPECT_FALSE(f.AtEnd()) << "the last line feed was read, but not past it";
    EXPECT_FALSE(f.ReadLine(line, 24));
    EXPECT_EQ(line, "2\n") << "a read that finds nothing leaves the buffer alone";
    EXPECT_TRUE(f.AtEnd());

    dir.Write("nolf.txt", "1\n2");
    ASSERT_TRUE(f.Open(dir.File("nolf.txt"), "r"));
    EXPECT_TRUE(f.ReadLine(line, 24));
    EXPECT_TRUE(f.ReadLine(line, 24));
    EXPECT_EQ(line, "2");
    EXPECT_TRUE(f.AtEnd());
}

TEST(TextFile, SkipsByteOrderMarkAndSeeksByBytes) {
    CTempDir dir;
    dir.Write("bom.txt", "\xEF\xBB\xBFhead\n가나\nlast\n");
    CTextFile f;
    ASSERT_TRUE(f.Open(dir.File("bom.txt"), "r"));
    std::string line;
    ASSERT_TRUE(f.ReadLine(line, 100));
    EXPECT_EQ(line, "head\n");
    ASSERT_TRUE(f.Seek(3 + 5 + 7)); // byte offset of "last"
    ASSERT_TRUE(f.ReadLine(line, 100));
    EXPECT_EQ(line, "last\n");
    EXPECT_FALSE(f.Seek(-1));
    ASSERT_TRUE(f.Seek(1000)); // past the end: reads just find nothing
    EXPECT_FALSE(f.ReadLine(line, 100));
    EXPECT_TRUE(f.AtEnd());
}

TEST(TextFile, WritesAndAppends) {
    CTempDir dir;
    CTextFile f;
    ASSERT_TRUE(f.Open(dir.File("w.txt"), "w"));
    EXPECT_TRUE(f.Write("머리\r\n"));
    EXPECT_TRUE(f.Close());
    ASSERT_TRUE(f.Open(dir.File("w.txt"), "a"));
    EXPECT_TRUE(f.Write("a:b\n"));
    EXPECT_TRUE(f.Close());
    EXPECT_EQ(dir.Read("w.txt"), "머리\r\na:b\n");
    EXPECT_FALSE(f.Open(dir.File("missing/x.txt"), "w"));
    EXPECT_FALSE(f.Open(dir.File("missing.txt"), "r"));
    EXPECT_FALSE(f.Open(dir.File("w.txt"), "rw"));
}

TEST(TextUtil, LeadingIntFollowsTheCRuntime) {
    EXPECT_EQ(ParseLeadingInt("123"), 123);
    EXPECT_EQ(ParseLeadingInt("  12abc"), 12);
    EXPECT_EQ(ParseLeadingInt("\t-7:"), -7);
    EXPECT_EQ(ParseLeadingInt("+5"), 5);
    EXPECT_EQ(ParseLeadingInt("abc"), 0);
    EXPECT_EQ(ParseLeadingInt(""), 0);
    EXPECT_EQ(ParseLeadingInt("- 5"), 0);
    EXPECT_EQ(ParseLeadingInt("4096\r\n"), 4096);
    EXPECT_EQ(ParseLeadingInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999"), -2147483647 - 1);
}

TEST(TextUtil, TrimAndFormat) {
    EXPECT_EQ(TrimWhite(" \t 사랑 하라 \r\n"), "사랑 하라");
    EXPECT_EQ(TrimRightWhite("  a \t\n"), "  a");
    EXPECT_EQ(TrimWhite("   "), "");
    EXPECT_EQ(StripLineEnd("x\r\n"), "x");
    EXPECT_EQ(StripLineEnd("x\r"), "x\r");
    EXPECT_EQ(StrFormat("%3d 장", 7), "  7 장");
    EXPECT_EQ(CharCount("a가b"), 3u);
}

TEST(AtomicFile, ReplacesWholeOrLeavesTheOldFile) {
    CTempDir dir;
    dir.Write("t.txt", "old");
    ASSERT_TRUE(WriteFileAtomically(dir.File("t.txt"), "new content"));
    EXPECT_EQ(dir.Read("t.txt"), "new content");

    SetAtomicWriteFailureForTesting(true);
    EXPECT_FALSE(WriteFileAtomically(dir.File("t.txt"), "lost"));
    SetAtomicWriteFailureForTesting(false);
    EXPECT_EQ(dir.Read("t.txt"), "new content");

    EXPECT_FALSE(WriteFileAtomically(dir.File("no/such/t.txt"), "x"));
    // No temporary file is left behind.
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

} // namespace
