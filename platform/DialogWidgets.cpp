#include "DialogWidgets.h"

#include "Dialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CDialogClient::CDialogClient(CDialog& dialog, QWidget* parent) : QWidget(parent), m_dialog(dialog) {
    setAutoFillBackground(true);
}

void CDialogClient::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_dialog.Paint(p);
    if (!m_dialog.Template().fullScreen) {
        // A pop-up's edge, so it stands out from the screen under it.
        p.setPen(QColor(64, 64, 64));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CDialogClient::mouseReleaseEvent(QMouseEvent* event) {
    m_dialog.PenUp(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void CListWidget::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (m_control != nullptr && event->button() == Qt::LeftButton) {
        QTreeWidgetItem* item = itemAt(event->position().toPoint());
        m_control->OnTapped(item != nullptr ? indexOfTopLevelItem(item) : -1);
    }
}

void CScrollBarWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left) {
        triggerAction(SliderSingleStepSub);
    } else if (event->key() == Qt::Key_Right) {
        triggerAction(SliderSingleStepAdd);
    } else {
        QScrollBar::keyPressEvent(event);
    }
}
