#pragma once

#include "BookmarkFile.h"
#include "BookmarkTable.h"

#include <array>
#include <string>
#include <string_view>

enum class BookmarkListMode { View, Add, Delete };

// What the bookmark view screen shows for one row.
struct BookmarkViewText {
    std::string titleLine;     // "<no> 번 : <title>"
    std::string referenceLine; // "말씀 : <book>  <ch>장 <verses>절"
    std::string body;          // "[%d] %s\r\n" per verse
    int verseCount = 0; // 0: show "잘못 기록된 북마크 정보 입니다." instead of the view
};

// The bookmark list screen without its widgets: the loaded table, the mode and every text the
// screen and its view screen show. A bookmark's number is its row + 1.
class CBookmarkList {
public:
    static constexpr int kColumnCount = 5;
    using RowTexts = std::array<std::string, kColumnCount>;

    explicit CBookmarkList(std::string bookmarkPath);

    // `LoadBookmarks`; false: show "북마크 화일 생성실패" and close the screen.
    bool Load();
    int Count() const { return m_table.Count(); }
    const CBookmarkTable& Table() const { return m_table; }

    BookmarkListMode Mode() const { return m_listMode; }
    void SetMode(BookmarkListMode mode) { m_listMode = mode; }

    // "상태 ( 총 %d 개 )" with the count.
    std::string StatusCaption() const;
    // Column 0 of a row, renumbered after a deletion: row 0 -> "1".
    static std::string NumberText(int row);
    // The five columns: number, title, Korean book name, chapter, and the verses as "%d" when
    // first and last are equal, else "%d-%d": {BM1, 45, 8, 28, 30} at row 0 ->
    // {"1", "BM1", "로마서", "8", "28-30"}. Empty texts for a row outside the table.
    RowTexts Row(int row) const;
    // "%d번째 [%s-%s:%s] 북마크를 삭제 할까요?" with row + 1 and columns 2, 3, 4:
    // row 0 above -> "1번째 [로마서-8:28-30] 북마크를 삭제 할까요?".
    std::string DeleteQuestion(int row) const;
    // `ViewBookmark`'s strings, the body read from the Korean text.
    BookmarkViewText View(int row) const;
    // Number the add dialog gets from the list: count + 1.
    int NextNumberForAdd() const { return m_table.Count() + 1; }

    // `DeleteBookmark` after a yes: DeleteBookmarkRecord, then the screen fills its rows again
    // from Table(). Deleted and Changed return to view mode; Failed keeps the mode.
    BookmarkDeleteResult Delete(int row);
    // The message for a deletion's result; empty for Deleted.
    static std::string_view DeleteMessage(BookmarkDeleteResult result);

private:
    std::string m_path;
    CBookmarkTable m_table;
    BookmarkListMode m_listMode = BookmarkListMode::View;
};
