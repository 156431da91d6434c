#pragma once

#include "CChildPane.h"
#include "WinApp.h"

// The program's host window; the launcher and every screen run on top of it.
class CMainFrame : public CFrameWnd {
protected:
    bool OnCreate() override;

private:
    CChildPane m_pane;
};
