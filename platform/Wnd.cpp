#include "Wnd.h"

#include <QApplication>

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) {
    return text.toStdString();
}

void CWnd::Attach(QWidget* widget, int id, CDialog* owner, std::string_view accessibleName) {
    m_widget = widget;
    m_id = id;
    m_owner = owner;
    if (widget != nullptr) {
        widget->setObjectName(QString::number(id));
        widget->setAccessibleName(ToQString(accessibleName));
    }
}

void CWnd::SetWindowText(std::string_view text) {
    if (m_widget) {
        m_widget->setWindowTitle(ToQString(text));
    }
}

std::string CWnd::GetWindowText() const {
    return m_widget ? ToStdString(m_widget->windowTitle()) : std::string();
}

void CWnd::ShowWindow(bool show) {
    if (m_widget) {
        m_widget->setVisible(show);
    }
}

bool CWnd::IsWindowVisible() const {
    return m_widget && m_widget->isVisibleTo(m_widget->window());
}

void CWnd::EnableWindow(bool enable) {
    if (m_widget) {
        m_widget->setEnabled(enable);
    }
}

bool CWnd::IsWindowEnabled() const {
    return m_widget && m_widget->isEnabled();
}

void CWnd::SetFocus() {
    if (m_widget) {
        m_widget->setFocus(Qt::OtherFocusReason);
    }
}

bool CWnd::HasFocus() const {
    if (!m_widget) {
        return false;
    }
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == m_widget || m_widget->isAncestorOf(focus));
}

void CWnd::Invalidate() {
    if (m_widget) {
        m_widget->update();
    }
}

void CWnd::UpdateWindow() {
    if (m_widget) {
        m_widget->repaint();
    }
}

void CWnd::MoveWindow(int x, int y, int cx, int cy) {
    if (m_widget && m_widget->geometry() != QRect(x, y, cx, cy)) {
        m_widget->setGeometry(x, y, cx, cy);
    }
}

QRect CWnd::GetWindowRect() const {
    return m_widget ? m_widget->geometry() : QRect();
}

QRect CWnd::GetClientRect() const {
    return m_widget ? m_widget->rect() : QRect();
}

void CWnd::SetFont(const QFont& font, bool redraw) {
    if (m_widget) {
        m_widget->setFont(font);
        if (redraw) {
            m_widget->update();
        }
    }
}
