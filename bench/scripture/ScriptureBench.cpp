// Start-up tables and chapter reads on the real Bibles.
#include "BookCatalogue.h"
#include "ScriptureStore.h"
#include "VerseLine.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string DataFolder() {
    const char* env = std::getenv("QRV_FULLDATA_DIR");
    std::string folder = env != nullptr && *env != '\0' ? env : QRV_DEFAULT_FULLDATA_DIR;
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// The folder's path to `name`, or "" after marking the benchmark skipped.
std::string DataFile(benchmark::State& state, const char* name) {
    const std::string path = DataFolder() + name;
    if (!std::filesystem::is_regular_file(path)) {
        state.SkipWithError((path + " is missing; run ctest -R fulldata_build first").c_str());
        return {};
    }
    return path;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// Launcher start: both index files into their tables, then the chapter keys. Target: < 2 ms.
void BM_LoadIndexesAndBuildKeys(benchmark::State& state) {
    const std::string korean = DataFile(state, "kbible.inx");
    const std::string english = DataFile(state, "ebible.inx");
    if (korean.empty() || english.empty()) {
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(LoadKoreanChapterIndex(korean));
        benchmark::DoNotOptimize(LoadEnglishChapterIndex(english));
        BuildChapterKeys();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LoadIndexesAndBuildKeys)->Unit(benchmark::kMicrosecond);

// One chapter through the index, for every chapter of a Bible. Each iteration reads all 1189
// chapters; the counters give the median over the chapters (each chapter's own median time)
// and the slowest chapter. Target: median < 50 µs.
void ReadEveryChapter(benchmark::State& state, const char* text, const char* index) {
    const std::string textPath = DataFile(state, text);
    const std::string indexPath = DataFile(state, index);
    if (textPath.empty() || indexPath.empty()) {
        return;
    }
    BuildChapterKeys();
    ChapterOffsetTable offsets{};
    LoadChapterIndex(indexPath, offsets);
    std::vector<std::vector<double>> samples(kChapterTotal);
    for (auto _ : state) {
        int k = 0;
        for (int book = 1; book <= kBookCount; ++book) {
            for (int chapter = 1; chapter <= g_chapterCounts[book - 1]; ++chapter, ++k) {
                const auto start = std::chrono::steady_clock::now();
                auto verses = ReadChapter(textPath, offsets, book, chapter);
                benchmark::DoNotOptimize(verses.data());
                const std::chrono::duration<double, std::micro> took =
                    std::chrono::steady_clock::now() - start;
                samples[k].push_back(took.count());
            }
        }
    }
    std::vector<double> perChapter;
    for (const auto& s : samples) {
        perChapter.push_back(Median(s));
    }
    state.counters["median_us"] = Median(perChapter);
    state.counters["max_us"] = *std::max_element(perChapter.begin(), perChapter.end());
    state.counters["chapters"] = kChapterTotal;
}

void BM_ReadChapterKorean(benchmark::State& state) {
    ReadEveryChapter(state, "kbible.dat", "kbible.inx");
}
BENCHMARK(BM_ReadChapterKorean)->Unit(benchmark::kMillisecond);

void BM_ReadChapterEnglish(benchmark::State& state) {
    ReadEveryChapter(state, "ebible.dat", "ebible.inx");
}
BENCHMARK(BM_ReadChapterEnglish)->Unit(benchmark::kMillisecond);

// The chapter-key search inside every chapter read, averaged over all 1189 chapters, to show
// its share of a read.
void BM_ChapterIndexOfEveryChapter(benchmark::State& state) {
    BuildChapterKeys();
    std::vector<double> perChapter(kChapterTotal);
    for (auto _ : state) {
        int k = 0;
        for (int book = 1; book <= kBookCount; ++book) {
            for (int chapter = 1; chapter <= g_chapterCounts[book - 1]; ++chapter, ++k) {
                const auto start = std::chrono::steady_clock::now();
                benchmark::DoNotOptimize(ChapterIndexOf(book, chapter));
                const std::chrono::duration<double, std::micro> took =
                    std::chrono::steady_clock::now() - start;
                perChapter[k] += took.count();
            }
        }
    }
    for (double& t : perChapter) {
        t /= static_cast<double>(state.iterations());
    }
    state.counters["median_us"] = Median(perChapter);
    state.counters["max_us"] = *std::max_element(perChapter.begin(), perChapter.end());
}
BENCHMARK(BM_ChapterIndexOfEveryChapter)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
