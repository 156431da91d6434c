#pragma once

#include "BookLists.h"
#include "ChapterViewModel.h"

// The book and chapter selector of a chapter view, without widgets. The view's profile decides
// the list texts and whether OK confirms through m_accepted.
class CSelectModel {
public:
    explicit CSelectModel(CChapterViewModel& view);

    CBookLists m_lists; // with m_selBook and m_selChapter

    // Starts on the view's book and chapter.
    void Init();
    void OnTestamentChanged(int index);
    void OnBookChanged(int index);
    void OnChapterChanged(int index);
    // Writes the chosen book and chapter into the view when a chapter is selected; the Korean
    // selector also sets the view's m_accepted, whether or not it wrote anything.
    void OnOK();
    // The view's m_accepted goes to 0; nothing else changes.
    void OnCancel();

private:
    CChapterViewModel& m_view;
};
