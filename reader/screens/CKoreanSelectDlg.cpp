#include "CKoreanSelectDlg.h"

#include "CKoreanChapterDlg.h"
#include "ResourceIds.h"

CKoreanSelectDlg::CKoreanSelectDlg(CKoreanChapterDlg& view) : CSelectDlg(IDD_KOREAN_SELECT, view) {}
