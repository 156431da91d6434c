#pragma once

#include "CChapterViewDlg.h"

// The Korean chapter view "한글성경": kbible.dat, kReadPoint.txt, parallel text Korean first.
class CKoreanChapterDlg : public CChapterViewDlg {
public:
    CKoreanChapterDlg();

private:
    void OnSelectChapter();
    void OnManualBookmark();
    void OnAddBookmark();
};
