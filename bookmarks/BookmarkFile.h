#pragma once

#include "BookmarkTable.h"

#include <optional>
#include <string>
#include <string_view>

// Operations on kBookMark.txt. Each opens the file, works and closes it. Whatever a write meets
// (full disk, crash, unreadable file), the file afterwards is either exactly what it was or
// exactly the new content: appends and rewrites both go through an atomic replace, and a file
// that exists but can't be read is never recreated over.

// g_dataFolder followed by "kBookMark.txt".
std::string BookmarkFilePath();

// Reads the listed bookmarks (at most 200, CBookmarkScan's rule) into `table`. A missing file is
// created holding kListHeader and loads empty. False when the file can be neither read nor
// created; the list screen then shows "북마크 화일 생성실패" and closes.
bool LoadBookmarks(const std::string& path, CBookmarkTable& table);

// Appends one record line, e.g. from BuildBookmarkLine. The line must be one record of at most
// 99 characters ending in a line feed; anything else is refused unwritten. A missing or empty
// file gets kListHeader first, so the record never becomes the header; a file whose last line
// lacks its line feed gets one, so the record never merges into that line.
// False (the file unchanged) when the line is refused or the file can't be read or replaced.
bool AppendBookmarkLine(const std::string& path, std::string_view line);

enum class BookmarkDeleteResult {
    Deleted, // the file no longer holds the record; `table` reloaded from what was written
    Changed, // the file no longer holds the shown record at that place: nothing written,
             // `table` reloaded from the file so the list can be shown afresh
    Failed,  // the file couldn't be read or replaced: nothing written, `table` as it was
};

// Removes listed bookmark `row` (0-based) from the file after checking, on a fresh read, that
// the file still holds table.At(row) at that place. The file is rewritten with kRewriteHeader,
// every other listed record as FormatBookmarkRecord writes it, and every line the list does not
// show (malformed, blank, after the end of the list, beyond the 200th record) unchanged and in
// place. A first line holding ':' is no header of this program but a record written to a file
// that had none; it is kept after the new header.
BookmarkDeleteResult DeleteBookmarkRecord(const std::string& path, CBookmarkTable& table, int row);

// Number for a bookmark added from the chapter view: listed records + 1, at most 100. A missing
// file is created holding kChapterViewHeader and answers 1. nullopt when the file can be neither
// read nor created ("북마크 화일 생성실패").
std::optional<int> CountBookmarkRecords(const std::string& path);

// Number for a bookmark added by the visitation dictionary: the lines of the file, header
// included, as reads of at most 511 characters count them ("h\nA\nB\n" -> 3, "h\nA" -> 2). A
// missing file is created holding kListHeader; a missing or empty file answers 1, the number the
// record appended after the header will have. nullopt when the file can be neither read nor
// created.
std::optional<int> CountBookmarkLines(const std::string& path);
