#include "CEnglishConfPointDlg.h"

#include "CEnglishChapterDlg.h"
#include "ResourceIds.h"

CEnglishConfPointDlg::CEnglishConfPointDlg(CEnglishChapterDlg& view)
    : CConfPointDlg(IDD_ENGLISH_CONFPOINT, view) {}
