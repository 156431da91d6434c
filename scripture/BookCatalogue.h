#pragma once

#include <array>
#include <string>
#include <string_view>

// The 66 books in canonical order: 1..39 Old Testament, 40..66 New Testament.
inline constexpr int kBookCount = 66;
inline constexpr int kOldTestamentBooks = 39;
inline constexpr int kChapterTotal = 1189;
inline constexpr int kPsalmsBook = 19;

// Indexed by book number - 1.
extern const std::array<std::string_view, kBookCount> g_koreanBookNames;
extern const std::array<std::string_view, kBookCount> g_englishBookNames;
extern const std::array<int, kBookCount> g_chapterCounts;

// Testament labels, index 0 Old and 1 New.
inline constexpr std::array<std::string_view, 2> g_koreanTestamentLabels = {"구약", "신약"};
inline constexpr std::array<std::string_view, 2> g_englishTestamentLabels = {"OLD_TS", "NEW_TS"};

bool IsValidBook(int book);
bool IsValidChapter(int book, int chapter);
// Names and counts with a range check: empty / 0 for a book outside 1..66.
std::string_view KoreanBookName(int book);
std::string_view EnglishBookName(int book);
int ChapterCountOf(int book);

// Two-step book pickers: testament 0 / 1 and the 0-based position in that testament's list.
// Book 39 -> (0, 38); book 40 -> (1, 0).
int TestamentOf(int book);
int TestamentListPosition(int book);
int BookAtTestamentPosition(int testament, int position);

// "%3d 장", or "%3d 편" for the Psalms: (1, 7) -> "  7 장", (19, 119) -> "119 편".
std::string KoreanChapterCaption(int book, int chapter);
// "%3d Ch": 7 -> "  7 Ch".
std::string EnglishChapterCaption(int chapter);
