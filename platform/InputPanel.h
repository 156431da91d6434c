#pragma once

#include <QWidget>

// The soft input panel: a keyboard panel inside the device screen, 80 pixels high, at the
// bottom unless that would cover the focused edit box (then at the top, under the title bar).
// Its keys type into the focused edit box, "▼" puts it away; it never takes the focus itself.
class CInputPanel : public QWidget {
public:
    explicit CInputPanel(QWidget* screen);

    void ShowPanel(bool show);
    bool IsShown() const { return m_shown; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Key {
        QRect rect;
        QString text; // what the key types; "\b" erases
        QString label;
    };
    void Place();
    void BuildKeys();

    bool m_shown = false;
    std::vector<Key> m_keys;
};

// Shows (SIPF_ON) or hides (SIPF_OFF) the panel.
void SipShowIM(int flag);
bool IsInputPanelShown();
