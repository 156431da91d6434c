#include "FullDataDir.h"

#include "ScriptureStore.h"

#include <cstdlib>
#include <filesystem>

std::string FullDataDir() {
    const char* dir = std::getenv("QRV_FULLDATA_DIR");
    std::string path = dir != nullptr ? dir : "";
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    return path;
}

bool LoadFullDataBibles(std::string& whyNot) {
    const std::string dir = FullDataDir();
    if (dir.empty()) {
        whyNot = "QRV_FULLDATA_DIR is not set";
        return false;
    }
    for (const char* name : {"kbible.dat", "kbible.inx", "ebible.dat", "ebible.inx"}) {
        if (!std::filesystem::exists(dir + name)) {
            whyNot = dir + name + " is missing";
            return false;
        }
    }
    ResetScriptureStore();
    SetDataFolder(dir);
    SetKoreanTextPath(DataFilePath("kbible.dat"));
    SetEnglishTextPath(DataFilePath("ebible.dat"));
    BuildChapterKeys();
    if (!LoadKoreanChapterIndex(DataFilePath("kbible.inx")) ||
        !LoadEnglishChapterIndex(DataFilePath("ebible.inx"))) {
        whyNot = "an index file can't be read";
        return false;
    }
    return true;
}
