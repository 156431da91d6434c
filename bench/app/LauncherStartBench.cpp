// Time from process start to the launcher being shown, on the real data folder. Each iteration
// starts this executable again as a child that runs the program's start-up (application
// object, device screen, frame, launcher initialisation with both chapter indexes, first
// paint) and prints the monotonic clock when the launcher is on screen.
#include "CLauncherDlg.h"
#include "CReaderApp.h"
#include "DeviceScreen.h"
#include "Fonts.h"
#include "ScriptedMessages.h"
#include "WinApp.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string g_self;
std::string g_dataFolder;

std::int64_t NowNanoseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

int RunChild(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    SetModuleFileNameForTesting(g_dataFolder + "qrvlumen");
    QApplication app(argc, argv);
    PrepareApplication();
    CDeviceScreen screen;
    screen.show();
    CReaderApp theApp;
    theApp.InitInstance();
    // A start-up message (say, no counsel.dat yet) is answered at once instead of waiting for
    // a tap; it is printed so the run shows what the folder lacks.
    CScriptedMessages messages([](const std::string&) {});
    messages.QueueAnswers(8, IDOK);
    CLauncherDlg launcher;
    launcher.Create();
    screen.grab(); // the first complete paint of the screen with the launcher on it
    std::printf("%lld\n", static_cast<long long>(NowNanoseconds()));
    std::fflush(stdout);
    for (const MessageRecord& m : messages.Messages()) {
        std::fprintf(stderr, "start-up message: %s\n", m.text.c_str());
    }
    std::_Exit(launcher.IsOpen() ? 0 : 3);
}

void BM_ProcessStartToLauncherShown(benchmark::State& state) {
    for (auto _ : state) {
        int pipeFds[2];
        if (pipe(pipeFds) != 0) {
            state.SkipWithError("pipe failed");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        char* args[] = {g_self.data(), const_cast<char*>("--child"),
                        const_cast<char*>(g_dataFolder.c_str()), nullptr};
        pid_t pid = 0;
        const std::int64_t start = NowNanoseconds();
        const int spawned = posix_spawn(&pid, g_self.c_str(), &actions, nullptr, args, environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeFds[1]);
        char buffer[64] = {};
        const ssize_t n = spawned == 0 ? read(pipeFds[0], buffer, sizeof buffer - 1) : -1;
        close(pipeFds[0]);
        int status = 0;
        if (spawned == 0) {
            waitpid(pid, &status, 0);
        }
        if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError(
                "the launcher did not start cleanly (is the data folder complete?)");
            return;
        }
        state.SetIterationTime(static_cast<double>(std::atoll(buffer) - start) / 1e9);
    }
}
BENCHMARK(BM_ProcessStartToLauncherShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    const char* data = std::getenv("QRV_FULLDATA_DIR");
    g_dataFolder = data != nullptr ? data : QRV_DEFAULT_FULLDATA_DIR;
    if (!g_dataFolder.empty() && g_dataFolder.back() != '/') {
        g_dataFolder += '/';
    }
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        g_dataFolder = argv[2];
        return RunChild(argc, argv);
    }
    char self[4096];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    g_self.assign(self, n > 0 ? static_cast<std::size_t>(n) : 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
