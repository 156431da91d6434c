#pragma once

#include "BookCatalogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// Slot k holds the byte offset of chapter position k; slot 1189 answers the "no chapter"
// position that ChapterIndexOf yields.
using ChapterOffsetTable = std::array<std::int32_t, kChapterTotal + 1>;
using ChapterKeyTable = std::array<std::string, kChapterTotal>;

// Process-wide tables, filled once at start-up and read-only afterwards. They are const views;
// the functions below are the only writers.
extern const std::string& g_dataFolder;      // folder of the executable, ending in '/'
extern const std::string& g_koreanTextPath;  // g_dataFolder + "kbible.dat"
extern const std::string& g_englishTextPath; // g_dataFolder + "ebible.dat"
extern const ChapterKeyTable& g_chapterKeys; // "%d:%d" of every chapter in canonical order
extern const ChapterOffsetTable& g_koreanChapterOffsets;
extern const ChapterOffsetTable& g_englishChapterOffsets;

// Sets g_dataFolder, adding the trailing '/' when missing.
void SetDataFolder(std::string_view folder);
// g_dataFolder followed directly by the bare file name ("%s%s").
std::string DataFilePath(std::string_view fileName);
void SetKoreanTextPath(std::string path);
void SetEnglishTextPath(std::string path);

// Loads kbible.inx / ebible.inx into the matching global table; false when it can't be opened.
bool LoadKoreanChapterIndex(const std::string& path);
bool LoadEnglishChapterIndex(const std::string& path);

// Appends "%d:%d" for every chapter of every book, filling all 1189 keys.
void BuildChapterKeys();

// Empties every table, as at program load (for tests that start the program over).
void ResetScriptureStore();

// Chapter position of (book, chapter) by exact key match in g_chapterKeys: (1, 1) -> 0,
// (19, 150) -> 627, (66, 22) -> 1188, (1, 51) -> 1189 (no such chapter).
int ChapterIndexOf(int book, int chapter);

// Index loading into any table: one offset per line (at most 24 characters a line), converted
// by leading digits; the end-of-file test comes before each read, so a final line feed stores
// the last offset twice. Lines beyond the table are ignored. False when the file can't be opened.
bool LoadChapterIndex(const std::string& path, ChapterOffsetTable& table);
