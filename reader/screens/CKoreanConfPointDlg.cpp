#include "CKoreanConfPointDlg.h"

#include "CKoreanChapterDlg.h"
#include "ResourceIds.h"

CKoreanConfPointDlg::CKoreanConfPointDlg(CKoreanChapterDlg& view)
    : CConfPointDlg(IDD_KOREAN_CONFPOINT, view) {}
