#include "ResourceIds.h"
#include "TemplateRegistry.h"

// Launcher, Help and About.
// clang-format off
namespace {
using K = ControlKind;

constexpr ControlTemplate kLauncher[] = {
    {IDC_STATIC, K::Picture, 0, 0, 138, 44, "", 0, IDB_LAUNCHER_PICTURE},
    {IDC_LAUNCHER_VERSION, K::Static, 8, 45, 126, 10, "Ver2.5 Build 02  www.qrvlumen.org", SS_CENTER},
    {IDC_LAUNCH_KOREAN, K::PushButton, 10, 85, 50, 12, "한글성경", WS_TABSTOP},
    {IDC_LAUNCH_ENGLISH, K::PushButton, 76, 85, 50, 12, "영어성경", WS_TABSTOP},
    {IDC_LAUNCH_SEARCH, K::PushButton, 10, 102, 50, 12, "성경찾기", WS_TABSTOP},
    {IDC_LAUNCH_HYMNAL, K::PushButton, 76, 102, 50, 12, "찬송가", WS_TABSTOP},
    {IDC_LAUNCH_READING_PLAN, K::PushButton, 10, 119, 50, 12, "성경읽기표", WS_TABSTOP},
    {IDC_LAUNCH_VISITATION, K::PushButton, 76, 119, 50, 12, "심방사전", WS_TABSTOP},
    {IDC_LAUNCH_READINGS, K::PushButton, 10, 136, 50, 12, "교독문", WS_TABSTOP},
    {IDC_LAUNCH_BOOKMARKS, K::PushButton, 76, 136, 50, 12, "북마크관리", WS_TABSTOP},
};

constexpr ControlTemplate kHelp[] = {
    {IDC_HELP_TEXT, K::Edit, 1, 1, 137, 153, "",
     ES_MULTILINE | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
};

constexpr ControlTemplate kAbout[] = {
    {IDC_STATIC, K::Picture, 24, 11, 18, 16, "", 0, IDB_ABOUT_PICTURE},
    {IDC_STATIC, K::Static, 57, 11, 54, 21, "QrvLumen Ver2.5 \n Build 01", 0},
    {IDC_OK, K::PushButton, 104, 136, 25, 12, "확인", BS_DEFPUSHBUTTON | WS_TABSTOP},
};
} // namespace

const DialogTemplate kLauncherTemplate{IDD_LAUNCHER, "QrvLumen 2007", 138, 154, "System", 10, true, kLauncher};
const DialogTemplate kHelpTemplate{IDD_HELP, "도움말", 138, 154, "System", 10, true, kHelp};
const DialogTemplate kAboutTemplate{IDD_ABOUT, "프로그램 정보", 138, 154, "System", 10, false, kAbout};
// clang-format on
