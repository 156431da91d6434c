#pragma once

#include <string>

// The last place read in the Korean view, as the launcher shows it.
struct RecentPlace {
    enum class Status { Found, Missing, Invalid };
    Status status = Status::Missing;
    std::string bookName;    // Korean name of the book
    std::string chapterText; // the chapter field as written, unconverted
};

// Reads the header and position lines of kReadPoint.txt (100-character reads). The book is the
// first ':' field, the chapter the second taken as text: "19:23:13:16:1" -> 시편, "23".
// Invalid when there is no position line, no second field or the book is outside 1..66.
RecentPlace ReadRecentPlace(const std::string& path);
