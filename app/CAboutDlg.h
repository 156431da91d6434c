#pragma once

#include "Dialog.h"

// The program's picture and version, with an OK button.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
