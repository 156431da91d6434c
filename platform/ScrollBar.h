#pragma once

#include "WinTypes.h"
#include "Wnd.h"

class QScrollBar;

// A vertical scroll bar. The owner dialog's OnVScroll receives the framework's notification
// codes (SB_LINEUP, SB_PAGEDOWN, SB_THUMBTRACK, …) for every user action; the position the
// handler sets with SetScrollPos is the one that stays.
class CScrollBar : public CWnd {
public:
    QScrollBar* Bar() const;
    void SetScrollRange(int minPos, int maxPos, bool redraw = true);
    void GetScrollRange(int& minPos, int& maxPos) const;
    void SetScrollPos(int pos, bool redraw = true);
    int GetScrollPos() const;
    // Lines the thumb stands for (its size); doesn't change the notifications.
    void SetPageSize(int lines);

    // The user acts on the bar: an arrow (SB_LINEUP/SB_LINEDOWN), the trough (SB_PAGEUP/
    // SB_PAGEDOWN) or drags the thumb to `trackPos` (SB_THUMBTRACK).
    void UserAction(int code, int trackPos = 0);

    // True while the program itself moves the bar: no notification goes out then.
    bool IsMovingItself() const { return m_movingItself; }

private:
    bool m_movingItself = false;
};
