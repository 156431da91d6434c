#include "CReaderApp.h"

#include "CLauncherDlg.h"
#include "CMainFrame.h"
#include "ResourceIds.h"

CReaderApp::CReaderApp() = default;
CReaderApp::~CReaderApp() = default;

bool CReaderApp::InitInstance() {
    SetRegistryKey("Local AppWizard-Generated Applications");
    m_frame = std::make_unique<CMainFrame>();
    m_frame->LoadFrame(IDR_MAINFRAME, FWS_ADDTOTITLE);
    m_pMainWnd = m_frame.get();
    m_frame->ShowWindow(true);
    // Success whatever the frame did: the frame plays no part in the user's work.
    return true;
}

int CReaderApp::Run() {
    CLauncherDlg launcher;
    launcher.DoModal();
    PostQuitMessage(0);
    return CWinApp::Run();
}
