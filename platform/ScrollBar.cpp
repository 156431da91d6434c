#include "ScrollBar.h"

#include <QScrollBar>

QScrollBar* CScrollBar::Bar() const {
    return qobject_cast<QScrollBar*>(m_widget.data());
}

void CScrollBar::SetScrollRange(int minPos, int maxPos, bool redraw) {
    if (QScrollBar* b = Bar()) {
        b->setRange(minPos, qMax(minPos, maxPos));
        if (redraw) {
            b->update();
        }
    }
}

void CScrollBar::GetScrollRange(int& minPos, int& maxPos) const {
    QScrollBar* b = Bar();
    minPos = b ? b->minimum() : 0;
    maxPos = b ? b->maximum() : 0;
}

void CScrollBar::SetScrollPos(int pos, bool redraw) {
    if (QScrollBar* b = Bar()) {
        // Setting the slider position too makes it stick when called from inside a
        // notification, where Qt would otherwise apply its own step afterwards.
        m_movingItself = true;
        b->setSliderPosition(pos);
        b->setValue(pos);
        m_movingItself = false;
        if (redraw) {
            b->update();
        }
    }
}

int CScrollBar::GetScrollPos() const {
    QScrollBar* b = Bar();
    return b ? b->value() : 0;
}

void CScrollBar::SetPageSize(int lines) {
    if (QScrollBar* b = Bar()) {
        b->setPageStep(qMax(1, lines));
    }
}

void CScrollBar::UserAction(int code, int trackPos) {
    QScrollBar* b = Bar();
    if (b == nullptr) {
        return;
    }
    switch (code) {
    case SB_LINEUP:
        b->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case SB_LINEDOWN:
        b->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case SB_PAGEUP:
        b->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case SB_PAGEDOWN:
        b->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case SB_THUMBTRACK:
        b->setSliderDown(true);
        b->setSliderPosition(trackPos);
        b->setSliderDown(false);
        break;
    default:
        break;
    }
}
