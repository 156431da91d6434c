#pragma once

#include <functional>
#include <string>
#include <string_view>

// Verses first..last of one chapter of the Korean text (g_koreanTextPath, read from the chapter's
// offset in g_koreanChapterOffsets), in file order, handed to `onVerse`. The read stops past the
// chapter or past `last`; verses below `first` are passed over. A pair that is no chapter yields
// nothing (its "no chapter" offset would otherwise read Revelation 22 for book 66).
// Returns the number of verses delivered: (45, 8, 25, 40) in a chapter of 39 verses -> 15;
// (1, 1, 5, 3) -> 0.
int ScanBookmarkVerses(int book, int chapter, int first, int last,
                       const std::function<void(int verse, std::string_view text)>& onVerse);

// How many verses of the range the Korean text holds; 0 means the range doesn't exist.
int CountExistingVerses(int book, int chapter, int first, int last);

// The bookmark view's body: "[%d] %s\r\n" for each verse of the range. `verseCount` gets the
// number of verses; 0 means the bookmark names no verse ("잘못 기록된 북마크 정보 입니다.").
std::string ReadBookmarkBody(int book, int chapter, int first, int last, int& verseCount);
