#include "DeviceScreen.h"
#include "Fonts.h"
#include "ShotContext.h"
#include "WinApp.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {
void PrintHelp() {
    std::printf(
        "Usage: qrv-shots OUT_FOLDER [--data DATA_FOLDER]\n"
        "Renders every screen of QrvLumen to 240 x 320 PNG files in OUT_FOLDER, through the\n"
        "same screen code the program runs, on a private copy of the data folder.\n"
        "  --data DATA_FOLDER  where kbible.dat and the other data files are\n"
        "                      (default: the folder of this executable)\n");
}
} // namespace

int main(int argc, char** argv) {
    std::string out;
    std::string data;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            PrintHelp();
            return 0;
        }
        if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            data = argv[++i];
        } else if (out.empty()) {
            out = argv[i];
        } else {
            PrintHelp();
            return 2;
        }
    }
    if (out.empty()) {
        PrintHelp();
        return 2;
    }
    if (data.empty()) {
        data = std::filesystem::path(GetModuleFileName()).parent_path().string();
    }
    std::filesystem::create_directories(out);
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    PrepareApplication();
    CDeviceScreen screen;
    screen.show();
    int saved = 0;
    bool failed = false;
    for (auto group : {ShellShots, ReaderShots, SearchShots, BookmarkShots}) {
        CShotContext shots(screen, out, data);
        group(shots);
        saved += shots.Saved();
        failed = failed || shots.Failed();
    }
    std::printf("qrv-shots: %d pictures in %s\n", saved, out.c_str());
    return failed ? 1 : 0;
}
