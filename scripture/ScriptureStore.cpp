#include "ScriptureStore.h"

#include "TextFile.h"
#include "TextUtil.h"

namespace {
struct StoreTables {
    std::string dataFolder;
    std::string koreanTextPath;
    std::string englishTextPath;
    ChapterKeyTable chapterKeys;
    ChapterOffsetTable koreanOffsets{};
    ChapterOffsetTable englishOffsets{};
};

StoreTables& Tables() {
    static StoreTables tables;
    return tables;
}

constexpr int kIndexLineChars = 24;
} // namespace

const std::string& g_dataFolder = Tables().dataFolder;
const std::string& g_koreanTextPath = Tables().koreanTextPath;
const std::string& g_englishTextPath = Tables().englishTextPath;
const ChapterKeyTable& g_chapterKeys = Tables().chapterKeys;
const ChapterOffsetTable& g_koreanChapterOffsets = Tables().koreanOffsets;
const ChapterOffsetTable& g_englishChapterOffsets = Tables().englishOffsets;

void SetDataFolder(std::string_view folder) {
    std::string& f = Tables().dataFolder;
    f.assign(folder);
    if (f.empty() || f.back() != '/') {
        f.push_back('/');
    }
}

std::string DataFilePath(std::string_view fileName) {
    std::string path = g_dataFolder;
    path.append(fileName);
    return path;
}

void SetKoreanTextPath(std::string path) {
    Tables().koreanTextPath = std::move(path);
}
void SetEnglishTextPath(std::string path) {
    Tables().englishTextPath = std::move(path);
}

bool LoadKoreanChapterIndex(const std::string& path) {
    return LoadChapterIndex(path, Tables().koreanOffsets);
}

bool LoadEnglishChapterIndex(const std::string& path) {
    return LoadChapterIndex(path, Tables().englishOffsets);
}

void BuildChapterKeys() {
    ChapterKeyTable& keys = Tables().chapterKeys;
    int k = 0;
    for (int book = 1; book <= kBookCount; ++book) {
        for (int chapter = 1; chapter <= g_chapterCounts[book - 1]; ++chapter) {
            keys[k++] = StrFormat("%d:%d", book, chapter);
        }
    }
}

void ResetScriptureStore() {
    Tables() = StoreTables{};
}

int ChapterIndexOf(int book, int chapter) {
    const std::string key = StrFormat("%d:%d", book, chapter);
    for (int k = 0; k < kChapterTotal; ++k) {
        if (g_chapterKeys[k] == key) {
            return k;
        }
    }
    return kChapterTotal;
}

bool LoadChapterIndex(const std::string& path, ChapterOffsetTable& table) {
    CTextFile file;
    if (!file.Open(path, "r")) {
        return false;
    }
    std::string line;
    std::size_t slot = 0;
    while (!file.AtEnd()) {
        // A read that finds nothing leaves `line` as it was, which repeats the last offset.
        file.ReadLine(line, kIndexLineChars);
        if (slot < table.size()) {
            table[slot] = ParseLeadingInt(line);
        }
        ++slot;
    }
    file.Close();
    return true;
}
