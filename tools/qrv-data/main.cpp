// qrv-data: builds QrvLumen's data folder. Only the options are read here; DataFolder does the
// work.
#include "DataFolder.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage = R"(Usage: qrv-data [options]
Builds a QrvLumen data folder: kbible.dat/.inx, ebible.dat/.inx, kHelp.txt and, when it is
missing, an empty kReadTable.txt. Settings and bookmark files that exist are never touched.

Options:
  --out DIR            data folder to fill (created when missing); default: the folder of
                       this program, which is where QrvLumen looks for its data
  --krv DIR            folder of the per-book JSON of the 1961 Korean text (Genesis.json ...
                       Revelation.json); without it no Korean files are written
  --sword-module NAME  installed SWORD Bible module for the English text
                       (default: engKJV2006eb, the KJV of Debian's sword-text-kjv)
  --no-english         write no English files
  --help               show this text
)";

// The folder of the running executable, with its trailing '/'.
std::string ExecutableFolder(const char* argv0) {
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        exe = std::filesystem::absolute(argv0, ec);
    }
    return exe.parent_path().string() + "/";
}

// The value of "--name VALUE" or "--name=VALUE" when `arg` is that option: true and `value`
// set (empty when it is missing). False when `arg` is another option.
bool TakeValue(std::string_view arg, std::string_view name, int& i, int argc, char** argv,
               std::string& value) {
    if (arg == name) {
        value = i + 1 < argc ? argv[++i] : "";
        return true;
    }
    if (arg.starts_with(name) && arg.size() > name.size() && arg[name.size()] == '=') {
        value = arg.substr(name.size() + 1);
        return true;
    }
    return false;
}

int UsageError(const std::string& message) {
    std::cerr << "qrv-data: " << message << "\nTry 'qrv-data --help'.\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QrvDataOptions options;
    options.outFolder = ExecutableFolder(argv[0]);
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        std::string value;
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--no-english") {
            options.english = false;
            continue;
        }
        std::string* target = nullptr;
        if (TakeValue(arg, "--out", i, argc, argv, value)) {
            target = &options.outFolder;
        } else if (TakeValue(arg, "--krv", i, argc, argv, value)) {
            target = &options.krvFolder;
        } else if (TakeValue(arg, "--sword-module", i, argc, argv, value)) {
            target = &options.swordModule;
        } else {
            return UsageError("unknown option '" + std::string(arg) + "'");
        }
        if (value.empty()) {
            return UsageError("option '" + std::string(arg) + "' needs a value");
        }
        *target = value;
    }
    return BuildDataFolder(options, std::cout, std::cerr);
}
