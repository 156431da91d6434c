#pragma once

#include "WinApp.h"

#include <memory>

class CMainFrame;

// The application object: creates the host frame, then runs the launcher until it closes.
class CReaderApp : public CWinApp {
public:
    CReaderApp();
    ~CReaderApp() override;
    bool InitInstance() override;
    int Run() override;

private:
    std::unique_ptr<CMainFrame> m_frame;
};
