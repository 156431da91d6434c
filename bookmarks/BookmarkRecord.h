#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One line of kBookMark.txt: "title:bookName:book:chapter:firstVerse-lastVerse\n".
struct BookmarkRecord {
    std::string title;
    std::string bookName; // as read; every reader ignores it and every writer regenerates it
    std::int16_t book = 0;
    std::int16_t chapter = 0;
    std::int16_t firstVerse = 0;
    std::int16_t lastVerse = 0;

    // Same bookmark: title and the four numbers (the book name is not part of it).
    bool SameBookmark(const BookmarkRecord& other) const;
};

inline constexpr std::string_view kBookmarkFileName = "kBookMark.txt";

// The three headers, byte for byte: written by the list screen, the chapter view and a deletion.
inline constexpr std::string_view kListHeader = "QRV Vellumreader Ver2.3 Bookmark \n";
inline constexpr std::string_view kChapterViewHeader = "QRV Vellumreader Ver2.3 북마크 \r\n";
inline constexpr std::string_view kRewriteHeader = "QRV Vellumreader Ver2.1 Bookmark \n";

// A record line our writers produce holds at most 99 characters, line feed included (the
// readers of the format read through a 100-character buffer).
inline constexpr int kMaxRecordLineChars = 99;

// Lines longer than this many bytes are never taken for a bookmark. Only a sanity bound: a
// record longer than 99 characters that some other writer left is still listed.
inline constexpr std::size_t kMaxBookmarkLineBytes = 4096;

// Parses one record line by the file's field rule: title before the first ':', the book name
// (skipped), book and chapter, then the rest split at the first '-' into first and last verse,
// each number by its leading digits. Refuses a line that lacks a separator, names a book outside
// 1..66, or holds a number that a 16-bit field can't keep.
// "BM1:로마서:45:8:28-30\r\n" -> {"BM1", 45, 8, 28, 30}; "t:x:67:1:1-1" -> false;
// "t:x:1:1:5" -> false (no '-').
bool ParseBookmarkRecord(std::string_view line, BookmarkRecord& out);

// The line a rewrite stores for a loaded record, "%s:%s:%d:%d:%d-%d\n" with the Korean name of
// the book: {"BM1", 45, 8, 28, 28} -> "BM1:로마서:45:8:28-28\n".
std::string FormatBookmarkRecord(const BookmarkRecord& record);

// A new record line with the verse fields as given (the add dialog keeps what the user typed):
// ("BM3", 45, 8, "28", "28") -> "BM3:로마서:45:8:28-28\n".
std::string BuildBookmarkLine(std::string_view title, int book, int chapter,
                              std::string_view firstVerse, std::string_view lastVerse);

// The same with numeric verses, as the visitation dictionary writes them ("%d").
std::string BuildBookmarkLine(std::string_view title, int book, int chapter, int firstVerse,
                              int lastVerse);
