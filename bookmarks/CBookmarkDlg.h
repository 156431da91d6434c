#pragma once

#include "BookmarkList.h"
#include "Dialog.h"

// The bookmark list: every bookmark of kBookMark.txt, read in view mode, added through the add
// dialog, deleted in delete mode after a question.
class CBookmarkDlg : public CDialog {
public:
    CBookmarkDlg();

protected:
    bool OnInitDialog() override;

private:
    void OnViewMode();
    void OnAddMode();
    void OnDeleteMode();
    void OnListTap();

    void CreateColumns();
    // Reads the file again; false after the failure message, the screen then closes.
    bool LoadBookmarks();
    void FillBookmarkList();
    void ViewBookmark(int row);
    void DeleteBookmark(int row);
    void CheckMode(BookmarkListMode mode);

    CBookmarkList m_bookmarks;
};
