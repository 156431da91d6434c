#pragma once

#include "CSelectDlg.h"

class CKoreanChapterDlg;

// Book and chapter selector of the Korean view: 구약/신약, Korean book names, "%3d 장" ("%3d 편" in
// the Psalms).
class CKoreanSelectDlg : public CSelectDlg {
public:
    explicit CKoreanSelectDlg(CKoreanChapterDlg& view);
};
