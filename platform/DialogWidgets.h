#pragma once

#include <QScrollBar>
#include <QTreeWidget>
#include <QWidget>

class CDialog;
class CListCtrl;

// The painted client area of a dialog: paint and pen events go to the dialog's hooks.
class CDialogClient : public QWidget {
public:
    CDialogClient(CDialog& dialog, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CDialog& m_dialog;
};

// The widget of a report list view; a released tap reports its row to the control.
class CListWidget : public QTreeWidget {
public:
    explicit CListWidget(QWidget* parent) : QTreeWidget(parent) {}
    void SetControl(CListCtrl* control) { m_control = control; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CListCtrl* m_control = nullptr;
};

// A vertical scroll bar whose left and right arrow keys step up and down, as the handheld's
// scroll bars do (Qt's vertical bars invert the horizontal arrows).
class CScrollBarWidget : public QScrollBar {
public:
    explicit CScrollBarWidget(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
