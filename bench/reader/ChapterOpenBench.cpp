// Opening a chapter (LoadChapter + LayoutChapter) with the real view font, on the full data.
#include "BookCatalogue.h"
#include "ChapterViewModel.h"
#include "FontTextMeasurer.h"
#include "ScriptureStore.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::string DataDir() {
    const char* dir = std::getenv("QRV_FULLDATA_DIR");
    return dir != nullptr && *dir != '\0' ? dir : QRV_DEFAULT_FULLDATA_DIR;
}

bool LoadBibles() {
    SetDataFolder(DataDir());
    for (const char* name : {"kbible.dat", "kbible.inx", "ebible.dat", "ebible.inx"}) {
        if (!std::filesystem::exists(DataFilePath(name))) {
            std::fprintf(stderr, "%s is missing; set QRV_FULLDATA_DIR to a data folder\n",
                         DataFilePath(name).c_str());
            return false;
        }
    }
    SetKoreanTextPath(DataFilePath("kbible.dat"));
    SetEnglishTextPath(DataFilePath("ebible.dat"));
    BuildChapterKeys();
    return LoadKoreanChapterIndex(DataFilePath("kbible.inx")) &&
           LoadEnglishChapterIndex(DataFilePath("ebible.inx"));
}

// A view at a font size and mode, its font made once as the screen makes it at opening.
struct BenchView {
    BenchView(ViewLanguage language, int fontSize, bool parallel, MeasureMode mode)
        : model(ViewProfileOf(language),
                [](int size) { return CFontTextMeasurer::ForViewFont(size); }) {
        model.m_fontSize = fontSize;
        model.m_parallel = parallel ? 1 : 0;
        model.ApplyFontSize();
        model.SetMeasureMode(mode);
    }
    void Open(int book, int chapter) {
        model.m_book = book;
        model.m_chapter = chapter;
        model.LoadChapter();
    }
    CChapterViewModel model;
};

// Every chapter in turn; per chapter the best of the runs, then the median and the worst.
void BM_EveryChapter(benchmark::State& state) {
    const auto language = static_cast<ViewLanguage>(state.range(0));
    BenchView view(language, static_cast<int>(state.range(1)), state.range(2) != 0,
                   MeasureMode::Incremental);
    struct Timing {
        double best = 1e300;
        int book = 0;
        int chapter = 0;
    };
    std::vector<Timing> timings(kChapterTotal);
    for (auto _ : state) {
        int k = 0;
        for (int book = 1; book <= kBookCount; ++book) {
            for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter, ++k) {
                const auto start = std::chrono::steady_clock::now();
                view.Open(book, chapter);
                const std::chrono::duration<double, std::milli> took =
                    std::chrono::steady_clock::now() - start;
                benchmark::DoNotOptimize(view.model.m_lines.data());
                timings[k] = {std::min(timings[k].best, took.count()), book, chapter};
            }
        }
    }
    std::vector<Timing> sorted = timings;
    std::sort(sorted.begin(), sorted.end(),
              [](const Timing& a, const Timing& b) { return a.best < b.best; });
    const Timing& worst = sorted.back();
    state.counters["median_ms"] = sorted[sorted.size() / 2].best;
    state.counters["worst_ms"] = worst.best;
    state.counters["worst_book"] = worst.book;
    state.counters["worst_chapter"] = worst.chapter;
}

// One chapter, the framework's timing.
void BM_OneChapter(benchmark::State& state) {
    const auto language = static_cast<ViewLanguage>(state.range(0));
    const auto mode = state.range(5) != 0 ? MeasureMode::Incremental : MeasureMode::Plain;
    BenchView view(language, static_cast<int>(state.range(1)), state.range(2) != 0, mode);
    const int book = static_cast<int>(state.range(3));
    const int chapter = static_cast<int>(state.range(4));
    for (auto _ : state) {
        view.Open(book, chapter);
        benchmark::DoNotOptimize(view.model.m_lines.data());
    }
    state.counters["lines"] = view.model.LineCount();
}

// One chapter right after the font was made, as on opening the view or changing the font: the
// measurer's per-character and kerning caches start empty.
void BM_OneChapterNewFont(benchmark::State& state) {
    const auto language = static_cast<ViewLanguage>(state.range(0));
    BenchView view(language, static_cast<int>(state.range(1)), state.range(2) != 0,
                   MeasureMode::Incremental);
    for (auto _ : state) {
        view.model.CreateFont();
        view.Open(static_cast<int>(state.range(3)), static_cast<int>(state.range(4)));
        benchmark::DoNotOptimize(view.model.m_lines.data());
    }
}

// Arguments: language (1 Korean, 2 English), font size, parallel.
BENCHMARK(BM_EveryChapter)
    ->ArgNames({"lang", "font", "parallel"})
    ->Args({1, 14, 0})
    ->Args({2, 14, 0})
    ->Args({1, 12, 1})
    ->Args({2, 12, 1})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// Arguments: language, font size, parallel, book, chapter, incremental (1) or plain (0) measuring.
BENCHMARK(BM_OneChapter)
    ->ArgNames({"lang", "font", "parallel", "book", "chapter", "incremental"})
    ->Args({1, 12, 1, 19, 119, 1})
    ->Args({2, 12, 1, 19, 119, 1})
    ->Args({1, 12, 1, 19, 119, 0})
    ->Args({2, 12, 1, 19, 119, 0})
    ->Args({1, 14, 0, 1, 1, 1})
    ->Unit(benchmark::kMillisecond);

// Arguments: language, font size, parallel, book, chapter.
BENCHMARK(BM_OneChapterNewFont)
    ->ArgNames({"lang", "font", "parallel", "book", "chapter"})
    ->Args({1, 12, 1, 19, 119})
    ->Args({2, 12, 1, 19, 119})
    ->Args({1, 14, 0, 1, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (!LoadBibles()) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
