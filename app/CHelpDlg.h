#pragma once

#include "Dialog.h"

// Shows kHelp.txt in a scrolling text box.
class CHelpDlg : public CDialog {
public:
    CHelpDlg();

protected:
    bool OnInitDialog() override;
};
