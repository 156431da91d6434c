// Whole-Bible keyword searches on the real Korean text, next to grep -c -F over the same file.
#include "KeywordScan.h"
#include "SearchModel.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* kNoHitWord = "컴퓨터";
constexpr const char* kLoveWord = "사랑";

std::string DataFolder() {
    const char* dir = std::getenv("QRV_FULLDATA_DIR");
    std::string folder = dir != nullptr && *dir != '\0' ? dir : QRV_DEFAULT_FULLDATA_DIR;
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

// The Korean text and index, loaded once.
struct KoreanBible {
    std::string textPath;
    ChapterOffsetTable offsets{};
    bool ok = false;

    KoreanBible() {
        const std::string folder = DataFolder();
        textPath = folder + "kbible.dat";
        ResetScriptureStore();
        BuildChapterKeys();
        ok = LoadChapterIndex(folder + "kbible.inx", offsets) && std::fopen(textPath.c_str(), "rb");
    }
};

const KoreanBible& Bible() {
    static const KoreanBible bible;
    return bible;
}

void RunSearch(benchmark::State& state, const char* word, int limitCode) {
    const KoreanBible& bible = Bible();
    if (!bible.ok) {
        state.SkipWithError(("no kbible.dat / kbible.inx in " + DataFolder()).c_str());
        return;
    }
    CSearchModel model({&bible.textPath, &bible.offsets}, {&bible.textPath, &bible.offsets});
    model.SetLimitCode(limitCode);
    for (auto _ : state) {
        benchmark::DoNotOptimize(model.SearchKeyword(word));
    }
    state.counters["hits"] = model.HitCount();
}

// grep as a child process, its output (the count) read back through a pipe.
void RunGrep(benchmark::State& state, const char* word) {
    const KoreanBible& bible = Bible();
    if (!bible.ok) {
        state.SkipWithError(("no kbible.dat in " + DataFolder()).c_str());
        return;
    }
    long count = -1;
    for (auto _ : state) {
        int out[2];
        if (pipe(out) != 0) {
            state.SkipWithError("pipe failed");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        std::string pattern = word;
        std::string path = bible.textPath;
        char grep[] = "grep";
        char countFlag[] = "-c";
        char fixedFlag[] = "-F";
        char* argv[] = {grep, countFlag, fixedFlag, pattern.data(), path.data(), nullptr};
        pid_t pid = 0;
        const int spawned = posix_spawnp(&pid, "grep", &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        char buf[64];
        const ssize_t n = read(out[0], buf, sizeof buf - 1);
        close(out[0]);
        int status = 0;
        if (spawned != 0 || waitpid(pid, &status, 0) != pid || n <= 0) {
            state.SkipWithError("grep did not run");
            return;
        }
        buf[n] = '\0';
        count = std::strtol(buf, nullptr, 10);
    }
    state.counters["lines"] = static_cast<double>(count);
}

void BM_KoreanSearchNoHit(benchmark::State& state) {
    RunSearch(state, kNoHitWord, 0);
}
void BM_KoreanSearchLoveLimit100(benchmark::State& state) {
    RunSearch(state, kLoveWord, 6);
}
void BM_GrepNoHit(benchmark::State& state) {
    RunGrep(state, kNoHitWord);
}
void BM_GrepLove(benchmark::State& state) {
    RunGrep(state, kLoveWord);
}

// Wall-clock time throughout: grep's work happens in its own process.
BENCHMARK(BM_KoreanSearchNoHit)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_GrepNoHit)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_KoreanSearchLoveLimit100)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_GrepLove)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
