#include "FullData.h"

#include "ScriptureStore.h"

#include <cstdlib>
#include <filesystem>

std::string FullDataFolder() {
    const char* env = std::getenv("QRV_FULLDATA_DIR");
    if (env == nullptr || *env == '\0') {
        return {};
    }
    std::string folder = env;
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        return {};
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

std::string FullDataFile(std::string_view fileName) {
    const std::string folder = FullDataFolder();
    if (folder.empty()) {
        return {};
    }
    std::string path = folder + std::string(fileName);
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) ? path : std::string();
}

std::string FullDataSkipReason(std::initializer_list<std::string_view> fileNames) {
    const char* env = std::getenv("QRV_FULLDATA_DIR");
    if (env == nullptr || *env == '\0') {
        return "QRV_FULLDATA_DIR is not set; run the test through ctest";
    }
    if (FullDataFolder().empty()) {
        return std::string("full-data folder ") + env + " is missing";
    }
    for (std::string_view name : fileNames) {
        if (FullDataFile(name).empty()) {
            return "full-data folder " + FullDataFolder() + " has no " + std::string(name) +
                   (name.starts_with("kbible.") ? " (no Korean JSON text was found)" : "");
        }
    }
    return {};
}

std::string LoadFullDataBibles() {
    std::string why = FullDataSkipReason({"kbible.dat", "kbible.inx", "ebible.dat", "ebible.inx"});
    if (!why.empty()) {
        return why;
    }
    ResetScriptureStore();
    SetDataFolder(FullDataFolder());
    SetKoreanTextPath(DataFilePath("kbible.dat"));
    SetEnglishTextPath(DataFilePath("ebible.dat"));
    BuildChapterKeys();
    if (!LoadKoreanChapterIndex(DataFilePath("kbible.inx")) ||
        !LoadEnglishChapterIndex(DataFilePath("ebible.inx"))) {
        return "an index file of " + FullDataFolder() + " can't be read";
    }
    return {};
}
