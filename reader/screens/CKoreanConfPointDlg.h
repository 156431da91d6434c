#pragma once

#include "CConfPointDlg.h"

class CKoreanChapterDlg;

// Manual bookmark of the Korean view, kept in kConfPoint.txt.
class CKoreanConfPointDlg : public CConfPointDlg {
public:
    explicit CKoreanConfPointDlg(CKoreanChapterDlg& view);
};
