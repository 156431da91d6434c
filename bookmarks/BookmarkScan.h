#pragma once

#include "BookmarkRecord.h"

#include <string_view>

// What one line of the bookmark file is to the readers.
enum class BookmarkLineKind {
    Header, // line 1, whatever it holds
    Listed, // a bookmark of the list, numbered by its position among the listed records
    Other,  // anything the list doesn't show: malformed, blank, past the end of the list or
            // beyond the record limit; a rewrite keeps it as it stands
};

struct BookmarkLine {
    std::string_view text; // the line's bytes, line end included when it has one
    BookmarkLineKind kind = BookmarkLineKind::Other;
    BookmarkRecord record; // when Listed
    int number = 0;        // when Listed: 1-based
};

// Walks the whole content of a bookmark file line by line and tells which lines are listed
// bookmarks. The one rule every reader shares, so that a bookmark has the same number in the
// list, in the chapter view's count and at deletion time:
// - line 1 is the header (a leading byte-order mark is skipped);
// - a line without ':' ends the list; it and every later line are not listed;
// - a blank line, a line longer than kMaxBookmarkLineBytes and a line that ParseBookmarkRecord
//   refuses are passed over without ending the list;
// - at most `maxListed` records are listed; later records are not.
class CBookmarkScan {
public:
    CBookmarkScan(std::string_view content, int maxListed);

    // Next line; false after the last one. "h\nA:창세기:1:1:1-1\n\nB:x:1:1\nend\nC:x:2:1:1-1"
    // -> Header, Listed 1 (A), Other (blank), Other (B lacks '-'), Other (ends the list),
    // Other (C, after the end).
    bool Next(BookmarkLine& out);

    // The kind a record line (not the header) has by itself, before the list's end and limit
    // are applied: Listed with `out` filled, Other, or Header never.
    // "A:창세기:1:1:1-1\n" -> Listed; "\n" -> Other; "end\n" -> Other with `endsList` set.
    static BookmarkLineKind ClassifyRecordLine(std::string_view line, BookmarkRecord& out,
                                               bool& endsList);

private:
    std::string_view m_rest;
    int m_maxListed;
    int m_listed = 0;
    bool m_seenHeader = false;
    bool m_ended = false;
};
