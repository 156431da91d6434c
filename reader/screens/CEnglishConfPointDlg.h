#pragma once

#include "CConfPointDlg.h"

class CEnglishChapterDlg;

// Manual bookmark of the English view, kept in eConfPoint.txt.
class CEnglishConfPointDlg : public CConfPointDlg {
public:
    explicit CEnglishConfPointDlg(CEnglishChapterDlg& view);
};
