#pragma once

#include "CChapterViewDlg.h"

// The English chapter view "영어성경": ebible.dat, eReadPoint.txt, parallel text English first.
class CEnglishChapterDlg : public CChapterViewDlg {
public:
    CEnglishChapterDlg();

private:
    void OnSelectChapter();
    void OnManualBookmark();
};
