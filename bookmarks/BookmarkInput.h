#pragma once

#include <string>
#include <string_view>

// The input of the add dialog that a failed check names; the dialog puts the focus on its control.
enum class BookmarkField { None, Title, Testament, Book, Chapter, FirstVerse, LastVerse };

// Highest verse number the add dialog accepts (Psalm 119 has 176 verses).
inline constexpr int kMaxVerseNumber = 176;

// What the add dialog holds when "저장" is pressed.
struct BookmarkInput {
    std::string title;      // edit 1004 as typed
    int testament = -1;     // selected item of 1005: 0 "구약", 1 "신약", -1 none
    int book = 0;           // item data of the selection in 1006, 0 none
    int chapter = 0;        // item data of the selection in 1007, 0 none
    std::string firstVerse; // edit 1008 as typed
    std::string lastVerse;  // edit 1009 as typed
};

struct BookmarkCheck {
    bool ok = false;
    std::string_view message;                  // the failed check's message
    BookmarkField field = BookmarkField::None; // the input it names
    std::string line;                          // when ok: the record line to append
    int book = 0;                              // when ok: the chosen book and chapter
    int chapter = 0;
};

// The add dialog's checks in order; the first that fails gives its message and focus, nothing is
// written. Steps: title empty after trimming (Title); title holding ':' (Title); title holding a
// line break (Title); no testament (Testament); no book (Book); no chapter (Chapter); first verse
// empty (FirstVerse); first verse value outside 1..176 (FirstVerse); last verse given and outside
// 1..176 (LastVerse); first verse not digits only (FirstVerse); last verse not digits only
// (LastVerse); no verse of the range in the Korean text (FirstVerse); record longer than 99
// characters (Title). An empty last verse takes the first verse's text.
// {"  시편 ", 0, 19, 23, "1", ""} -> ok, line "시편:시편:19:23:1-1\n";
// first "abc" -> "올바른 숫자를 입력해 주세요" (reads as 0); first "5a" -> "구절에는 숫자만 입력해
// 주세요".
BookmarkCheck CheckBookmarkInput(const BookmarkInput& input);
