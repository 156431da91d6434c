#pragma once

#include "Wnd.h"

class QAbstractButton;
class QGroupBox;

// Push button, radio button or group box. Radio buttons check themselves when tapped and
// uncheck the other radio buttons of their group, as the framework's automatic radio buttons do;
// unlike Qt's exclusive buttons they can all be unchecked by the program.
class CButton : public CWnd {
public:
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override;

    // 1 checked, 0 not (radio buttons).
    void SetCheck(int check);
    int GetCheck() const;

    // A tap, as the user makes it: the click goes through the same path as real input.
    void Click();

private:
    QAbstractButton* AbstractButton() const;
    QGroupBox* GroupBox() const;
};
