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
#include <ctime>
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

double ThreadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Timing {
    double wall = 1e300; // best of the runs, milliseconds
    double cpu = 1e300;  // this thread's processor time, best of the runs (other work on a
                         // shared machine inflates the wall time)
    int book = 0;
    int chapter = 0;
};

void Report(benchmark::State& state, std::vector<Timing> timings, double Timing::*field,
            const std::string& name) {
    std::sort(timings.begin(), timings.end(),
              [field](const Timing& a, const Timing& b) { return a.*field < b.*field; });
    const Timing& worst = timings.back();
    state.counters["median_" + name + "_ms"] = timings[timings.size() / 2].*field;
    state.counters["worst_" + name + "_ms"] = worst.*field;
    state.counters["worst_" + name + "_at"] = worst.book * 1000 + worst.chapter;
}

// Every chapter in turn; per chapter the best of the runs, then the median and the worst
// (worst_*_at: book * 1000 + chapter).
void BM_EveryChapter(benchmark::State& state) {
    const auto language = static_cast<ViewLanguage>(state.range(0));
    BenchView view(language, static_cast<int>(state.range(1)), state.range(2) != 0,
                   MeasureMode::Incremental);
    std::vector<Timing> timings(kChapterTotal);
    for (auto _ : state) {
        int k = 0;
        for (int book = 1; book <= kBookCount; ++book) {
            for (int chapter = 1; chapter <= ChapterCountOf(book); ++chapter, ++k) {
                const double cpuStart = ThreadCpuMs();
                const auto start = std::chrono::steady_clock::now();
                view.Open(book, chapter);
                const std::chrono::duration<double, std::milli> wall =
                    std::chrono::steady_clock::now() - start;
                const double cpu = ThreadCpuMs() - cpuStart;
                benchmark::DoNotOptimize(view.model.m_lines.data());
                Timing& t = timings[static_cast<std::size_t>(k)];
                t = {std::min(t.wall, wall.count()), std::min(t.cpu, cpu), book, chapter};
            }
        }
    }
    Report(state, timings, &Timing::wall, "wall");
    Report(state, timings, &Timing::cpu, "cpu");
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
    ->Iterations(5)
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
