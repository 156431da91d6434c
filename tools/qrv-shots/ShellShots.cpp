#include "CAboutDlg.h"
#include "CHelpDlg.h"
#include "CLauncherDlg.h"
#include "ResourceIds.h"
#include "ShotContext.h"

// Launcher, its recent-place message, Help and About.
void ShellShots(CShotContext& shots) {
    shots.WriteDataFile(
        "kReadPoint.txt",
        "QRV Vellumreader Ver2.5 한글성경 자동책갈피\r\n19:23:0:14:0\r\n0:0:0\r\n255:255:255");
    CLauncherDlg launcher;
    launcher.Create();
    shots.Save("launcher");

    shots.SaveNextMessage("launcher-recent-place");
    launcher.SendCommand(ID_RECENT_PLACE);

    shots.QueueDialog([&shots](CDialog& help) {
        shots.Save("help");
        help.SendCommand(ID_EXIT);
    });
    launcher.SendCommand(ID_HELP);

    shots.QueueDialog([&shots](CDialog& about) {
        shots.Save("about");
        about.ButtonItem(IDC_OK).Click();
    });
    launcher.SendCommand(ID_ABOUT);
    launcher.DestroyWindow();
}
