#pragma once

#include "CSelectDlg.h"

class CEnglishChapterDlg;

// Book and chapter selector of the English view: OLD_TS/NEW_TS, English book names, "%3d Ch".
class CEnglishSelectDlg : public CSelectDlg {
public:
    explicit CEnglishSelectDlg(CEnglishChapterDlg& view);
};
