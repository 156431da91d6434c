#include "KrvImport.h"

#include "BookCatalogue.h"
#include "TextFile.h"
#include "TextUtil.h"

#include <array>
#include <nlohmann/json.hpp>
#include <string_view>
#include <sys/stat.h>

namespace {

using nlohmann::json;

constexpr std::array<std::string_view, kBookCount> kFileStems = {
    "Genesis",      "Exodus",      "Leviticus",    "Numbers",        "Deuteronomy",    "Joshua",
    "Judges",       "Ruth",        "1Samuel",      "2Samuel",        "1Kings",         "2Kings",
    "1Chronicles",  "2Chronicles", "Ezra",         "Nehemiah",       "Esther",         "Job",
    "Psalms",       "Proverbs",    "Ecclesiastes", "SongofSolomon",  "Isaiah",         "Jeremiah",
    "Lamentations", "Ezekiel",     "Daniel",       "Hosea",          "Joel",           "Amos",
    "Obadiah",      "Jonah",       "Micah",        "Nahum",          "Habakkuk",       "Zephaniah",
    "Haggai",       "Zechariah",   "Malachi",      "Matthew",        "Mark",           "Luke",
    "John",         "Acts",        "Romans",       "1Corinthians",   "2Corinthians",   "Galatians",
    "Ephesians",    "Philippians", "Colossians",   "1Thessalonians", "2Thessalonians", "1Timothy",
    "2Timothy",     "Titus",       "Philemon",     "Hebrews",        "James",          "1Peter",
    "2Peter",       "1John",       "2John",        "3John",          "Jude",           "Revelation",
};

// A book file is a few hundred kilobytes; anything far larger is not one.
constexpr off_t kMaxBookFileBytes = 64 * 1024 * 1024;

// A JSON number that is a whole number in int range, or -1.
long long WholeNumber(const json& value) {
    if (value.is_number_unsigned()) {
        const auto n = value.get<std::uint64_t>();
        return n <= static_cast<std::uint64_t>(INT32_MAX) ? static_cast<long long>(n) : -1;
    }
    if (value.is_number_integer()) {
        const auto n = value.get<std::int64_t>();
        return n >= 0 && n <= INT32_MAX ? n : -1;
    }
    return -1;
}

bool ReadBookFile(const std::string& path, std::string& content, std::string& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error = path + ": missing";
        return false;
    }
    if (!S_ISREG(st.st_mode) || st.st_size > kMaxBookFileBytes) {
        error = path + ": not a book file";
        return false;
    }
    if (!ReadWholeFile(path, content)) {
        error = path + ": cannot be read";
        return false;
    }
    return true;
}

// Appends one chapter's verses; `where` names the file and chapter for messages.
bool ImportChapter(const json& verseList, int book, int chapter, const std::string& where,
                   BibleText& verses, std::string& error) {
    if (!verseList.is_array() || verseList.empty()) {
        error = where + ": no \"verses\" list";
        return false;
    }
    long long last = 0;
    for (const json& entry : verseList) {
        const auto number = entry.find("verse");
        const auto text = entry.find("text");
        if (!entry.is_object() || number == entry.end() || text == entry.end() ||
            !text->is_string()) {
            error =
                where + StrFormat(": the entry after verse %lld lacks \"verse\" or \"text\"", last);
            return false;
        }
        const long long n = WholeNumber(*number);
        if (n <= last || (last == 0 && n != 1)) {
            error = where + StrFormat(": verse number %s after verse %lld (verses must ascend "
                                      "from 1)",
                                      number->dump().c_str(), last);
            return false;
        }
        verses.push_back({book, chapter, static_cast<int>(n),
                          FoldWhiteSpace(text->get_ref<const std::string&>())});
        last = n;
    }
    return true;
}

bool ImportBook(const std::string& path, int book, BibleText& verses, std::string& error) {
    std::string content;
    if (!ReadBookFile(path, content, error)) {
        return false;
    }
    json root;
    try {
        root = json::parse(content);
    } catch (const json::parse_error& e) {
        error = path + ": bad JSON: " + e.what();
        return false;
    }
    if (!root.is_object()) {
        error = path + ": not a book object";
        return false;
    }
    const std::string_view stem = kFileStems[book - 1];
    const auto name = root.find("book");
    if (name != root.end() && !(name->is_string() && name->get_ref<const std::string&>() == stem)) {
        error = path + ": \"book\" is " + name->dump() + ", expected \"" + std::string(stem) + "\"";
        return false;
    }
    const auto chapters = root.find("chapters");
    if (chapters == root.end() || !chapters->is_array()) {
        error = path + ": no \"chapters\" list";
        return false;
    }
    const int expected = g_chapterCounts[book - 1];
    if (chapters->size() != static_cast<std::size_t>(expected)) {
        error = path + StrFormat(": %zu chapters, expected %d", chapters->size(), expected);
        return false;
    }
    for (int c = 1; c <= expected; ++c) {
        const json& chapter = (*chapters)[static_cast<std::size_t>(c - 1)];
        const auto number = chapter.is_object() ? chapter.find("chapter") : chapter.end();
        if (!chapter.is_object() || number == chapter.end() || WholeNumber(*number) != c) {
            error = path + StrFormat(": chapter %d is numbered ", c) +
                    (chapter.is_object() && number != chapter.end() ? number->dump() : "nothing");
            return false;
        }
        const auto verseList = chapter.find("verses");
        const std::string where = path + StrFormat(" chapter %d", c);
        if (verseList == chapter.end()) {
            error = where + ": no \"verses\" list";
            return false;
        }
        if (!ImportChapter(*verseList, book, c, where, verses, error)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string KrvFileName(int book) {
    return IsValidBook(book) ? std::string(kFileStems[book - 1]) + ".json" : std::string();
}

bool ImportKrvFolder(const std::string& folder, BibleText& verses, std::string& error) {
    verses.clear();
    verses.reserve(kVerseTotal);
    std::string prefix = folder;
    if (!prefix.empty() && prefix.back() != '/') {
        prefix += '/';
    }
    for (int book = 1; book <= kBookCount; ++book) {
        if (!ImportBook(prefix + KrvFileName(book), book, verses, error)) {
            verses.clear();
            return false;
        }
    }
    return true;
}
