#include "ChapterViewModel.h"

#include "BookCatalogue.h"
#include "ReaderGlobals.h"
#include "ScriptureStore.h"

#include <algorithm>

CChapterViewModel::CChapterViewModel(const ChapterViewProfile& profile,
                                     MeasurerFactory makeMeasurer)
    : m_profile(profile), m_makeMeasurer(std::move(makeMeasurer)) {}

ReadPointOrigin CChapterViewModel::Open() {
    const ReadPointLoad load =
        LoadReadPoint(DataFilePath(m_profile.readPoint->fileName), *m_profile.readPoint);
    const ReadPoint& p = load.point;
    m_book = p.book;
    m_chapter = p.chapter;
    m_topLine = p.topLine;
    m_fontSize = p.fontSize;
    m_parallel = p.parallel;
    m_textColor = p.textColor;
    m_backColor = p.backColor;
    SetActiveLanguage(m_profile.language);
    m_keepTopLine = true;
    ApplyFontSize();
    return load.origin;
}

void CChapterViewModel::ApplyFontSize() {
    if (const auto lines = LinesPerPage(m_fontSize)) {
        m_linesPerPage = *lines;
    }
    CreateFont();
}

void CChapterViewModel::CreateFont() {
    m_measurer = m_makeMeasurer(m_fontSize);
}

void CChapterViewModel::LoadChapter() {
    if (m_chapter == 0) {
        return;
    }
    m_title = ChapterTitle(m_profile.language, m_book, m_chapter);
    m_chapterText = LoadChapterText(m_profile.OwnText(), m_profile.OtherText(), m_book, m_chapter,
                                    m_parallel != 0);
    LayoutChapter();
}

void CChapterViewModel::LayoutChapter() {
    if (!m_measurer) {
        CreateFont();
    }
    if (m_keepTopLine) {
        m_keepTopLine = false;
    } else {
        m_topLine = 0;
    }
    WrappedText wrapped =
        WrapChapterText(m_chapterText, *m_measurer, m_profile.wrap, m_measureMode);
    m_lines = std::move(wrapped.lines);
    m_truncated = wrapped.truncated;
    m_scrollMax = ScrollTotal(LineCount(), m_linesPerPage) - m_linesPerPage;
    // A kept line comes from a file; one out of range would show an empty page, or index before
    // the first line.
    m_topLine = std::clamp(m_topLine, 0, ScrollBarMax());
}

bool CChapterViewModel::Close() {
    if (m_book == 0 || m_chapter == 0) {
        return true;
    }
    const ReadPoint point{m_book,     m_chapter,   m_topLine,  m_fontSize,
                          m_parallel, m_textColor, m_backColor};
    const bool saved =
        SaveReadPoint(DataFilePath(m_profile.readPoint->fileName), *m_profile.readPoint, point);
    if (m_profile.recordsLastKoreanBook) {
        SetLastKoreanBook(m_book);
    }
    return saved;
}

int CChapterViewModel::ScrollBarPageStep() const {
    return m_profile.scrollBarPagesWholePage ? m_linesPerPage : m_linesPerPage - 1;
}

bool CChapterViewModel::StepUp(int lines) {
    if (m_topLine <= 0) {
        return false;
    }
    m_topLine = std::max(0, m_topLine - lines);
    return true;
}

bool CChapterViewModel::StepDown(int lines) {
    if (m_topLine >= m_scrollMax) {
        return false;
    }
    m_topLine = std::min(m_scrollMax, m_topLine + lines);
    return true;
}

bool CChapterViewModel::PageUp() {
    return StepUp(m_linesPerPage - 1);
}
bool CChapterViewModel::PageDown() {
    return StepDown(m_linesPerPage - 1);
}

bool CChapterViewModel::OnScroll(ScrollCode code, int thumbPosition) {
    switch (code) {
    case ScrollCode::LineUp:
    case ScrollCode::LineDown:
        // The scroll bar turns the arrow key the view has just handled into a line step of its
        // own; that one step is swallowed.
        if (m_arrowPending) {
            m_arrowPending = false;
        } else if (code == ScrollCode::LineUp) {
            StepUp(1);
        } else {
            StepDown(1);
        }
        return true;
    case ScrollCode::PageUp:
        return StepUp(ScrollBarPageStep());
    case ScrollCode::PageDown:
        return StepDown(ScrollBarPageStep());
    case ScrollCode::ThumbTrack:
        m_topLine = std::clamp(thumbPosition, 0, ScrollBarMax());
        return true;
    default:
        return false;
    }
}

ViewActions CChapterViewModel::OnKeyDown(int key, const ViewPrompts& prompts) {
    switch (key) {
    case kKeyLeft:
        m_arrowPending = true;
        return MoveBack(prompts);
    case kKeyRight:
        m_arrowPending = true;
        return MoveForward(prompts);
    case kKeyUp:
        m_arrowPending = true;
        return {.repaint = PageUp()};
    case kKeyDown:
        m_arrowPending = true;
        return {.repaint = PageDown()};
    case kKeyUnsupported:
        prompts.showMessage(kUnsupportedKeyMessage);
        return {};
    default:
        return {};
    }
}

ViewActions CChapterViewModel::MoveBack(const ViewPrompts& prompts) {
    if (m_chapter < 2) {
        if (m_book <= 1 || !prompts.askYesNo(kAskPreviousBook)) {
            return {};
        }
        --m_book;
        m_chapter = ChapterCountOf(m_book);
    } else {
        if (!prompts.askYesNo(kAskPreviousChapter)) {
            return {};
        }
        --m_chapter;
    }
    return {.reload = true, .repaint = true};
}

ViewActions CChapterViewModel::MoveForward(const ViewPrompts& prompts) {
    if (m_chapter < ChapterCountOf(m_book)) {
        if (!prompts.askYesNo(kAskNextChapter)) {
            return {};
        }
        ++m_chapter;
    } else {
        if (m_book >= kBookCount || !prompts.askYesNo(kAskNextBook)) {
            return {};
        }
        ++m_book;
        m_chapter = 1;
    }
    return {.reload = true, .repaint = true};
}

ViewActions CChapterViewModel::ToggleParallel() {
    m_parallel = m_parallel == 1 ? 0 : 1;
    return {.reload = true, .repaint = true};
}

ViewActions CChapterViewModel::AfterDialog(ViewDialog dialog) {
    ViewActions actions;
    switch (dialog) {
    case ViewDialog::Selector:
        actions.reload = m_profile.selectorConfirms ? m_accepted : true;
        actions.focusScrollBar = m_profile.refocusesAfterDialogs;
        break;
    case ViewDialog::ManualBookmark:
        actions.reload = m_accepted;
        actions.focusScrollBar = m_profile.refocusesAfterDialogs;
        break;
    case ViewDialog::FontSettings:
        actions.reload = m_accepted;
        actions.repaint = true;
        actions.focusScrollBar = true;
        break;
    case ViewDialog::AddBookmark:
        actions.focusScrollBar = true;
        break;
    }
    if (actions.reload) {
        if (dialog != ViewDialog::Selector) {
            ApplyFontSize();
        }
        actions.repaint = true;
    }
    return actions;
}

std::string_view CChapterViewModel::LineAt(int index) const {
    return index >= 0 && index < LineCount()
               ? std::string_view(m_lines[static_cast<std::size_t>(index)])
               : std::string_view();
}
