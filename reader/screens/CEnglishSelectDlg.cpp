#include "CEnglishSelectDlg.h"

#include "CEnglishChapterDlg.h"
#include "ResourceIds.h"

CEnglishSelectDlg::CEnglishSelectDlg(CEnglishChapterDlg& view)
    : CSelectDlg(IDD_ENGLISH_SELECT, view) {}
