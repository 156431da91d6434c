#include "CKoreanChapterDlg.h"

#include "AddBookmarkFromChapterView.h"
#include "CKoreanConfPointDlg.h"
#include "CKoreanSelectDlg.h"
#include "ResourceIds.h"

CKoreanChapterDlg::CKoreanChapterDlg()
    : CChapterViewDlg(IDD_KOREAN_CHAPTER, IDR_TOOLBAR_KOREAN_VIEW, KoreanViewProfile()) {
    BindHandlers<CKoreanChapterDlg>({
        {Notify::Command, ID_SELECT_CHAPTER, &CKoreanChapterDlg::OnSelectChapter},
        {Notify::Command, ID_MANUAL_BOOKMARK, &CKoreanChapterDlg::OnManualBookmark},
        {Notify::Command, ID_ADD_BOOKMARK, &CKoreanChapterDlg::OnAddBookmark},
        {Notify::Command, ID_PARALLEL_KOREAN, &CKoreanChapterDlg::OnParallel},
        {Notify::Command, ID_FONT_KOREAN, &CKoreanChapterDlg::OnFontSettings},
        {Notify::Command, ID_PAGE_UP, &CKoreanChapterDlg::OnPageUp},
        {Notify::Command, ID_PAGE_DOWN, &CKoreanChapterDlg::OnPageDown},
        {Notify::Command, ID_HELP, &CKoreanChapterDlg::OnHelpBox},
    });
}

void CKoreanChapterDlg::OnSelectChapter() {
    CKoreanSelectDlg dlg(*this);
    RunDialog(dlg, ViewDialog::Selector);
}

void CKoreanChapterDlg::OnManualBookmark() {
    CKoreanConfPointDlg dlg(*this);
    RunDialog(dlg, ViewDialog::ManualBookmark);
}

void CKoreanChapterDlg::OnAddBookmark() {
    // The add dialog saves the bookmark itself; the chapter is not reloaded.
    AddBookmarkFromChapterView(Model().m_book, Model().m_chapter, this);
    ActOnDialog(ViewDialog::AddBookmark);
}
