#pragma once

#include "Wnd.h"

class QLabel;

// A label, or a picture when it shows a bitmap resource.
class CStatic : public CWnd {
public:
    QLabel* Label() const;
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override;
};
