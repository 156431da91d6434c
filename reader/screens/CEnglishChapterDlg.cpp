#include "CEnglishChapterDlg.h"

#include "ResourceIds.h"

CEnglishChapterDlg::CEnglishChapterDlg()
    : CChapterViewDlg(IDD_ENGLISH_CHAPTER, IDR_TOOLBAR_ENGLISH_VIEW, EnglishViewProfile()) {
    BindHandlers<CEnglishChapterDlg>({
        {Notify::Command, ID_PARALLEL_ENGLISH, &CEnglishChapterDlg::OnParallel},
        {Notify::Command, ID_PAGE_UP, &CEnglishChapterDlg::OnPageUp},
        {Notify::Command, ID_PAGE_DOWN, &CEnglishChapterDlg::OnPageDown},
        {Notify::Command, ID_HELP, &CEnglishChapterDlg::OnHelpBox},
    });
}
