// Compares the keyword scan on the real Bibles with a plain scan written here from the rules:
// whole file in memory, split into lines, every line parsed naively.
#include "FullData.h"
#include "KeywordScan.h"
#include "SearchLimits.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct PlainLine {
    bool verseLine = false;
    int book = 0;
    int chapter = 0;
    int verse = 0;
    std::string text;
};

struct PlainBible {
    std::vector<std::size_t> lineStarts;
    std::vector<PlainLine> lines;
    ChapterOffsetTable offsets{};
};

std::string Trim(const std::string& s) {
    const char* white = " \t\r\n\v\f";
    const auto b = s.find_first_not_of(white);
    if (b == std::string::npos) {
        return "";
    }
    return s.substr(b, s.find_last_not_of(white) - b + 1);
}

bool LoadPlainBible(const std::string& dat, const std::string& inx, PlainBible& bible) {
    std::ifstream text(dat, std::ios::binary);
    std::ifstream index(inx, std::ios::binary);
    if (!text || !index) {
        return false;
    }
    std::ostringstream all;
    all << text.rdbuf();
    const std::string content = all.str();
    std::size_t pos = content.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (pos < content.size()) {
        const std::size_t nl = content.find('\n', pos);
        const std::size_t end = nl == std::string::npos ? content.size() : nl;
        std::string line = content.substr(pos, end - pos);
        bible.lineStarts.push_back(pos);
        PlainLine p;
        p.verseLine = line.find(':') != std::string::npos;
        if (nl != std::string::npos && !line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::size_t space = line.find(' ');
        std::string reference = line.substr(0, space);
        p.text = space == std::string::npos ? "" : line.substr(space + 1);
        std::replace(reference.begin(), reference.end(), ':', ' ');
        std::istringstream numbers(reference);
        numbers >> p.book >> p.chapter >> p.verse;
        bible.lines.push_back(p);
        pos = end + 1;
    }
    std::string offsetLine;
    std::size_t slot = 0;
    while (std::getline(index, offsetLine) && slot < bible.offsets.size()) {
        bible.offsets[slot++] = std::atoi(offsetLine.c_str());
    }
    // A complete index has 1189 lines; the spare slot repeats the last one.
    if (slot == kChapterTotal) {
        bible.offsets[kChapterTotal] = bible.offsets[kChapterTotal - 1];
    }
    return slot >= kChapterTotal;
}

std::vector<SearchHit> PlainSearch(const PlainBible& bible, int firstBook, int lastBook,
                                   int startChapter, bool oneChapter, const std::string& word) {
    std::vector<SearchHit> hits;
    const std::size_t start = static_cast<std::size_t>(
        bible.offsets[static_cast<std::size_t>(ChapterIndexOf(firstBook, startChapter))]);
    auto it = std::lower_bound(bible.lineStarts.begin(), bible.lineStarts.end(), start);
    for (auto i = static_cast<std::size_t>(it - bible.lineStarts.begin()); i < bible.lines.size();
         ++i) {
        const PlainLine& line = bible.lines[i];
        if (!line.verseLine || line.book > lastBook ||
            (oneChapter && line.chapter > startChapter)) {
            break;
        }
        if (line.text.find(word) != std::string::npos) {
            hits.push_back({line.book, line.chapter, line.verse, Trim(line.text)});
        }
    }
    return hits;
}

class FullDataSearch : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = LoadFullDataBibles(); !why.empty()) {
            GTEST_SKIP() << why;
        }
        folder = FullDataFolder();
    }

    void CompareAll(const std::string& name, const std::vector<std::string>& words) {
        PlainBible bible;
        ASSERT_TRUE(LoadPlainBible(folder + name + ".dat", folder + name + ".inx", bible));
        std::vector<SearchRange> ranges;
        for (int kind = kSearchWholeBible; kind <= kSearchGospels; ++kind) {
            ranges.push_back(SearchRangeOf(kind, -1, -1));
        }
        for (int book : {1, 19, 39, 40, 43, 66}) {
            ranges.push_back(SearchRangeOf(kSearchOneBook, book, -1));
        }
        for (auto [book, chapter] :
             {std::pair{1, 1}, {1, 50}, {19, 119}, {39, 4}, {40, 1}, {43, 21}, {66, 22}}) {
            ranges.push_back(SearchRangeOf(kSearchOneChapter, book, chapter));
        }
        std::vector<int> limits;
        for (const auto& item : g_searchLimits) {
            limits.push_back(item.maxHits);
        }
        limits.push_back(INT_MAX);
        const std::string path = folder + name + ".dat";
        for (const std::string& word : words) {
            for (const SearchRange& r : ranges) {
                const auto all = PlainSearch(bible, r.firstBook, r.lastBook, r.startChapter,
                                             r.singleChapter, word);
                for (int limit : limits) {
                    if (limit != INT_MAX && static_cast<std::size_t>(limit) > all.size()) {
                        continue; // same as the unlimited run
                    }
                    SCOPED_TRACE(name + " \"" + word + "\" kind " + std::to_string(r.kind) +
                                 " book " + std::to_string(r.firstBook) + " chapter " +
                                 std::to_string(r.startChapter) + " limit " +
                                 std::to_string(limit));
                    const KeywordScanResult got = ScanKeyword(path, bible.offsets, r, word, limit);
                    ASSERT_TRUE(got.opened);
                    const std::size_t n = std::min(all.size(), static_cast<std::size_t>(limit));
                    ASSERT_EQ(got.hits.size(), n);
                    for (std::size_t i = 0; i < n; ++i) {
                        ASSERT_EQ(got.hits[i].book, all[i].book) << "hit " << i;
                        ASSERT_EQ(got.hits[i].chapter, all[i].chapter) << "hit " << i;
                        ASSERT_EQ(got.hits[i].verse, all[i].verse) << "hit " << i;
                        ASSERT_EQ(got.hits[i].text, all[i].text) << "hit " << i;
                    }
                }
            }
        }
    }

    std::string folder;
};

// "아멘" and "Amen" close many books and chapters; "태초에" stands at the very first line.
TEST_F(FullDataSearch, KoreanScanAgreesWithAPlainScan) {
    CompareAll("kbible", {"사랑", "하나님의 사랑", "빛", "아멘", "태초에", "없는말씀xyz"});
}

TEST_F(FullDataSearch, EnglishScanAgreesWithAPlainScan) {
    CompareAll("ebible", {"love", "the LORD", "a", "Amen", "In the beginning", "qrvnothing"});
}

} // namespace
