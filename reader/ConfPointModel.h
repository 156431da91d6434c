#pragma once

#include "BookLists.h"
#include "ChapterViewModel.h"
#include "ConfPointFile.h"

#include <string_view>

inline constexpr std::string_view kConfPointSavedMessage = "수동책갈피 저장완료";
inline constexpr std::string_view kConfPointSaveFailedMessage = "수동책갈피 저장실패";

enum class ConfPointSave {
    NothingSelected, // no chapter in the lists: nothing written, nothing shown
    Saved,           // show kConfPointSavedMessage; the dialog stays open
    Failed,          // the file could not be written (the old one is kept)
};

// The manual-bookmark dialog of a chapter view, without widgets: one stored position per Bible
// (kConfPoint.txt / eConfPoint.txt), loaded into the lists and handed to the view on OK.
class CConfPointModel {
public:
    explicit CConfPointModel(CChapterViewModel& view);

    CBookLists m_lists; // with m_selBook and m_selChapter
    int m_markLine = 0;
    int m_markFontSize = 0;
    int m_markParallel = 0;
    bool m_loaded = false;

    // Starts on the view's position: book, chapter, top line, font size, parallel flag.
    void Init();
    void OnTestamentChanged(int index);
    void OnBookChanged(int index);
    void OnChapterChanged(int index);
    // Reads the stored position into the fields and the lists. A missing file is created from
    // the current fields; a damaged record (fewer than five fields, no such chapter) is
    // ignored and the current fields stay. Either way the load counts as done.
    ConfPointRead Load();
    // Stores the chapter chosen in the lists with the held top line (0 when that chapter is not
    // the one on view), font size and parallel flag, and clears the loaded state.
    ConfPointSave Save();
    // After a load: the chosen chapter with the held top line, size and parallel flag go to the
    // view, with m_accepted and m_keepTopLine set. Without a load: m_accepted goes to 0.
    void OnOK();
    void OnCancel();

private:
    std::string FilePath() const;
    ConfPointRecord Record() const;

    CChapterViewModel& m_view;
};
