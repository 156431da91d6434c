#include "KernPairs.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

std::string U16(unsigned v) {
    return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
}
std::string U32(unsigned v) {
    return U16(v >> 16) + U16(v & 0xFFFF);
}

// A format 0 subtable body: pair count, three search fields, then (left, right, value) pairs.
std::string Pairs(std::initializer_list<std::array<unsigned, 3>> pairs) {
    std::string body = U16(static_cast<unsigned>(pairs.size())) + U16(0) + U16(0) + U16(0);
    for (const auto& p : pairs) {
        body += U16(p[0]) + U16(p[1]) + U16(p[2]);
    }
    return body;
}

std::string MicrosoftTable(const std::string& body, unsigned coverage = 0x0001) {
    return U16(0) + U16(1) + U16(0) + U16(static_cast<unsigned>(6 + body.size())) + U16(coverage) +
           body;
}

TEST(KernPairs, ReadsWhichGlyphPairsKern) {
    const std::string body = Pairs({{36, 57, 0xFFEE}, {55, 82, 0}, {57, 36, 5}});
    const auto ms = CKernPairs::Parse(MicrosoftTable(body));
    ASSERT_TRUE(ms.has_value());
    EXPECT_TRUE(ms->Has(36, 57));
    EXPECT_TRUE(ms->Has(57, 36));
    EXPECT_FALSE(ms->Has(57, 57));
    EXPECT_FALSE(ms->Has(55, 82)) << "a pair of value 0 doesn't kern";
    EXPECT_EQ(ms->Count(), 2u);

    const std::string apple = U32(0x00010000) + U32(1) +
                              U32(static_cast<unsigned>(8 + body.size())) + U16(0) + U16(0) + body;
    const auto ap = CKernPairs::Parse(apple);
    ASSERT_TRUE(ap.has_value());
    EXPECT_TRUE(ap->Has(36, 57));

    const auto none = CKernPairs::Parse("");
    ASSERT_TRUE(none.has_value()) << "a font without a kern table kerns nothing";
    EXPECT_EQ(none->Count(), 0u);
}

TEST(KernPairs, RefusesWhatThePairRuleDoesNotCover) {
    const std::string body = Pairs({{36, 57, 0xFFEE}});
    EXPECT_FALSE(CKernPairs::Parse(MicrosoftTable(body, 0x0201)).has_value()) << "format 2";
    EXPECT_FALSE(CKernPairs::Parse(MicrosoftTable(body, 0x0003)).has_value()) << "minimums";
    EXPECT_FALSE(CKernPairs::Parse(MicrosoftTable(body, 0x0005)).has_value()) << "cross-stream";
    const std::string table = MicrosoftTable(body);
    EXPECT_FALSE(CKernPairs::Parse(table.substr(0, table.size() - 1)).has_value()) << "a cut table";
    EXPECT_FALSE(CKernPairs::Parse(U16(7) + U16(0)).has_value()) << "an unknown version";
}

} // namespace
