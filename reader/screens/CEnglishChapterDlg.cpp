#include "CEnglishChapterDlg.h"

#include "CEnglishConfPointDlg.h"
#include "CEnglishSelectDlg.h"
#include "ResourceIds.h"

CEnglishChapterDlg::CEnglishChapterDlg()
    : CChapterViewDlg(IDD_ENGLISH_CHAPTER, IDR_TOOLBAR_ENGLISH_VIEW, EnglishViewProfile()) {
    BindHandlers<CEnglishChapterDlg>({
        {Notify::Command, ID_SELECT_CHAPTER, &CEnglishChapterDlg::OnSelectChapter},
        {Notify::Command, ID_MANUAL_BOOKMARK, &CEnglishChapterDlg::OnManualBookmark},
        {Notify::Command, ID_PARALLEL_ENGLISH, &CEnglishChapterDlg::OnParallel},
        {Notify::Command, ID_FONT_ENGLISH, &CEnglishChapterDlg::OnFontSettings},
        {Notify::Command, ID_PAGE_UP, &CEnglishChapterDlg::OnPageUp},
        {Notify::Command, ID_PAGE_DOWN, &CEnglishChapterDlg::OnPageDown},
        {Notify::Command, ID_HELP, &CEnglishChapterDlg::OnHelpBox},
    });
}

void CEnglishChapterDlg::OnSelectChapter() {
    CEnglishSelectDlg dlg(*this);
    RunDialog(dlg, ViewDialog::Selector);
}

void CEnglishChapterDlg::OnManualBookmark() {
    CEnglishConfPointDlg dlg(*this);
    RunDialog(dlg, ViewDialog::ManualBookmark);
}
