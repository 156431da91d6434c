#include "CBookmarkDlg.h"

#include "BookmarkMessages.h"
#include "CAddBookmarkDlg.h"
#include "CBookmarkViewDlg.h"
#include "Cursor.h"
#include "ResourceIds.h"

#include <algorithm>

namespace {
struct Column {
    const char* header;
    int format;
    int width;
};

constexpr Column kColumns[CBookmarkList::kColumnCount] = {
    {"No", LVCFMT_CENTER, 28}, {"    제목", LVCFMT_LEFT, 63}, {"    성경", LVCFMT_LEFT, 60},
    {" 장", LVCFMT_LEFT, 31},  {"   절", LVCFMT_LEFT, 50},
};
} // namespace

CBookmarkDlg::CBookmarkDlg() : CDialog(IDD_BOOKMARKS), m_bookmarks(BookmarkFilePath()) {
    BindHandlers<CBookmarkDlg>({
        {Notify::Clicked, IDC_BOOKMARK_MODE_VIEW, &CBookmarkDlg::OnViewMode},
        {Notify::Clicked, IDC_BOOKMARK_MODE_ADD, &CBookmarkDlg::OnAddMode},
        {Notify::Clicked, IDC_BOOKMARK_MODE_DELETE, &CBookmarkDlg::OnDeleteMode},
        {Notify::ListClick, IDC_BOOKMARK_LIST, &CBookmarkDlg::OnListTap},
    });
}

bool CBookmarkDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_commandBar.Create(*this);
    m_commandBar.AddToolbar(IDR_TOOLBAR_EXIT);
    CreateColumns();
    CheckMode(BookmarkListMode::View);
    if (!LoadBookmarks()) {
        return true;
    }
    FillBookmarkList();
    SetArrowCursor();
    return true;
}

void CBookmarkDlg::CreateColumns() {
    // The platform's list view always selects whole rows, so full-row selection needs no call.
    CListCtrl& list = ListItem(IDC_BOOKMARK_LIST);
    for (int c = 0; c < CBookmarkList::kColumnCount; ++c) {
        list.InsertColumn(c, kColumns[c].header, kColumns[c].format, kColumns[c].width);
    }
}

bool CBookmarkDlg::LoadBookmarks() {
    if (m_bookmarks.Load()) {
        return true;
    }
    SetArrowCursor();
    ShowMessage(kMsgFileCreateFailed);
    // Closed as the exit command closes it; the list would show nothing of the file.
    OnOK();
    return false;
}

void CBookmarkDlg::FillBookmarkList() {
    ButtonItem(IDC_BOOKMARK_STATUS).SetWindowText(m_bookmarks.StatusCaption());
    CListCtrl& list = ListItem(IDC_BOOKMARK_LIST);
    list.DeleteAllItems();
    for (int row = 0; row < m_bookmarks.Count(); ++row) {
        const CBookmarkList::RowTexts texts = m_bookmarks.Row(row);
        list.InsertItem(row, texts[0]);
        for (int c = 1; c < CBookmarkList::kColumnCount; ++c) {
            list.SetItemText(row, c, texts[static_cast<std::size_t>(c)]);
        }
    }
}

void CBookmarkDlg::CheckMode(BookmarkListMode mode) {
    m_bookmarks.SetMode(mode);
    ButtonItem(IDC_BOOKMARK_MODE_VIEW).SetCheck(mode == BookmarkListMode::View ? 1 : 0);
    ButtonItem(IDC_BOOKMARK_MODE_ADD).SetCheck(mode == BookmarkListMode::Add ? 1 : 0);
    ButtonItem(IDC_BOOKMARK_MODE_DELETE).SetCheck(mode == BookmarkListMode::Delete ? 1 : 0);
}

void CBookmarkDlg::OnViewMode() {
    CheckMode(BookmarkListMode::View);
}

void CBookmarkDlg::OnDeleteMode() {
    CheckMode(BookmarkListMode::Delete);
}

void CBookmarkDlg::OnAddMode() {
    CheckMode(BookmarkListMode::Add);
    CAddBookmarkDlg add;
    add.m_nextNumber = static_cast<std::int16_t>(m_bookmarks.NextNumberForAdd());
    add.m_presetBook = 0;
    add.m_presetChapter = 0;
    add.DoModal();
    CheckMode(BookmarkListMode::View);
    SetWaitCursor();
    if (!LoadBookmarks()) {
        return;
    }
    FillBookmarkList();
    SetArrowCursor();
}

void CBookmarkDlg::OnListTap() {
    const int row = ListItem(IDC_BOOKMARK_LIST).LastTapRow();
    if (!m_bookmarks.Table().Contains(row)) {
        return;
    }
    SetWaitCursor();
    switch (m_bookmarks.Mode()) {
    case BookmarkListMode::View:
        ViewBookmark(row);
        break;
    case BookmarkListMode::Delete:
        DeleteBookmark(row);
        break;
    case BookmarkListMode::Add:
        break;
    }
    SetArrowCursor();
}

void CBookmarkDlg::ViewBookmark(int row) {
    const BookmarkViewText view = m_bookmarks.View(row);
    SetArrowCursor();
    if (view.verseCount == 0) {
        ShowMessage(kMsgInvalidBookmark);
        return;
    }
    CBookmarkViewDlg viewDlg(view.titleLine, view.referenceLine, view.body);
    viewDlg.DoModal();
    ListItem(IDC_BOOKMARK_LIST).SetFocus();
}

void CBookmarkDlg::DeleteBookmark(int row) {
    if (!AskYesNo(m_bookmarks.DeleteQuestion(row), kAppTitle, MB_ICONERROR)) {
        return;
    }
    const BookmarkDeleteResult result = m_bookmarks.Delete(row);
    if (result == BookmarkDeleteResult::Failed) {
        // Nothing was written: the row, the count and delete mode all stay.
        SetArrowCursor();
        ShowMessage(CBookmarkList::DeleteMessage(result));
        return;
    }
    // The rows are filled again from what the file now holds, so every row keeps the number and
    // texts a later tap acts on (a deletion can bring in a record past the 200th, and a file
    // changed behind the screen is shown as it now is).
    CheckMode(BookmarkListMode::View);
    FillBookmarkList();
    if (m_bookmarks.Count() > 0) {
        ListItem(IDC_BOOKMARK_LIST).EnsureVisible(std::min(row, m_bookmarks.Count() - 1));
    }
    if (result == BookmarkDeleteResult::Changed) {
        SetArrowCursor();
        ShowMessage(CBookmarkList::DeleteMessage(result));
    }
}
