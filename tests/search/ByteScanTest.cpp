#include "LineBlockReader.h"
#include "LineFeedIndex.h"
#include "SubstringFinder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A buffer allocated to its exact size, so that the sanitizer sees any read past its end.
struct ExactBuffer {
    explicit ExactBuffer(std::string_view s)
        : data(std::make_unique<char[]>(s.size())), size(s.size()) {
        std::copy(s.begin(), s.end(), data.get());
    }
    const char* begin() const { return data.get(); }
    const char* end() const { return data.get() + size; }
    std::unique_ptr<char[]> data;
    std::size_t size;
};

std::size_t Found(const CSubstringFinder& finder, const ExactBuffer& b, std::size_t from) {
    const char* p = finder.Find(b.begin() + from, b.end());
    return p == nullptr ? std::string_view::npos : static_cast<std::size_t>(p - b.begin());
}

TEST(SubstringFinder, AgreesWithFindAtEveryPlaceAndLength) {
    // Needles whose first and last bytes recur often, at the ends of buffers of every length
    // around the 16-byte steps.
    const std::vector<std::string> needles = {
        "a", "ab", "aba", "사랑", "사 랑", "a\nb", std::string(20, 'a') + "b", "xyz"};
    for (std::size_t length = 0; length <= 70; ++length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) {
            text += "ab \n"[(i * 7 + i / 3) % 4];
        }
        for (const std::string& needle : needles) {
            for (const std::string& hay : {text, text + needle, needle + text}) {
                const ExactBuffer buffer(hay);
                const CSubstringFinder finder(needle);
                for (std::size_t from = 0; from <= hay.size(); ++from) {
                    ASSERT_EQ(Found(finder, buffer, from), hay.find(needle, from))
                        << "needle \"" << needle << "\" in \"" << hay << "\" from " << from;
                }
            }
        }
    }
    const ExactBuffer buffer("abc");
    EXPECT_EQ(Found(CSubstringFinder("abcd"), buffer, 0), std::string_view::npos);
    EXPECT_EQ(Found(CSubstringFinder(""), buffer, 1), 1u);
    EXPECT_EQ(Found(CSubstringFinder(""), buffer, 3), std::string_view::npos);
}

TEST(LineFeedIndex, FindsEveryFeed) {
    for (std::size_t length = 0; length <= 70; ++length) {
        std::string text;
        std::vector<std::size_t> expected;
        for (std::size_t i = 0; i < length; ++i) {
            const bool feed = (i * 5) % 7 == 3 || i + 1 == length;
            text += feed ? '\n' : 'x';
            if (feed) {
                expected.push_back(i);
            }
        }
        const ExactBuffer buffer(text);
        std::vector<std::size_t> positions = {99};
        IndexLineFeeds(std::string_view(buffer.begin(), buffer.size), positions);
        ASSERT_EQ(positions, expected) << "length " << length;
    }
}

std::vector<std::string> Blocks(const std::string& path, std::int64_t offset,
                                std::size_t blockSize) {
    CLineBlockReader reader(blockSize);
    std::vector<std::string> blocks;
    EXPECT_TRUE(reader.Open(path, offset));
    std::string_view block;
    while (reader.NextBlock(block)) {
        blocks.emplace_back(block);
    }
    return blocks;
}

TEST(LineBlockReader, BlocksHoldWholeLines) {
    CTempDir dir;
    std::string text = "\xEF\xBB\xBF";
    for (int i = 0; i < 50; ++i) {
        text += std::string(static_cast<std::size_t>(i % 13), 'a' + i % 26) + "\n";
    }
    text += std::string(100, 'L') + "\nend";
    dir.Write("t.txt", text);
    for (std::size_t size : {16u, 17u, 40u, 4096u}) {
        std::string joined;
        for (const std::string& block : Blocks(dir.File("t.txt"), 0, size)) {
            ASSERT_FALSE(block.empty());
            if (joined.size() + block.size() + 3 < text.size()) {
                ASSERT_EQ(block.back(), '\n') << "only the last block may end mid-line";
            }
            joined += block;
        }
        EXPECT_EQ(joined, text.substr(3)) << "block size " << size << ", mark skipped";
    }
    std::string fromMiddle;
    for (const std::string& block : Blocks(dir.File("t.txt"), 5, 16)) {
        fromMiddle += block;
    }
    EXPECT_EQ(fromMiddle, text.substr(5));
    EXPECT_TRUE(Blocks(dir.File("t.txt"), -1, 16).empty());
    EXPECT_TRUE(Blocks(dir.File("t.txt"), 1 << 20, 16).empty());
    CLineBlockReader reader;
    EXPECT_FALSE(reader.Open(dir.File("none.txt"), 0));
}

} // namespace
