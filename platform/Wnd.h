#pragma once

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <string>
#include <string_view>

class CDialog;

QString ToQString(std::string_view text);
std::string ToStdString(const QString& text);

// A window: a control of a dialog, a dialog, or a frame. Wraps the Qt widget that stands for
// it; the widget is owned by its Qt parent.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    QWidget* Widget() const { return m_widget; }
    int GetDlgCtrlID() const { return m_id; }
    // The dialog that holds this control (nullptr for dialogs and frames).
    CDialog* OwnerDialog() const { return m_owner; }

    virtual void SetWindowText(std::string_view text);
    virtual std::string GetWindowText() const;

    void ShowWindow(bool show);
    bool IsWindowVisible() const;
    void EnableWindow(bool enable);
    bool IsWindowEnabled() const;
    void SetFocus();
    bool HasFocus() const;
    // Schedules a repaint of the whole window (with background erase).
    void Invalidate();
    // Repaints at once.
    void UpdateWindow();
    // Position and size relative to the parent, in pixels.
    void MoveWindow(int x, int y, int cx, int cy);
    QRect GetWindowRect() const;
    QRect GetClientRect() const;
    void SetFont(const QFont& font, bool redraw = true);

    // Binds the wrapper to its widget: object name = id, accessible name = `name`.
    void Attach(QWidget* widget, int id, CDialog* owner, std::string_view accessibleName);

protected:
    QPointer<QWidget> m_widget;
    int m_id = 0;
    CDialog* m_owner = nullptr;
};
