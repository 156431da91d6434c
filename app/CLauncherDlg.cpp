#include "CLauncherDlg.h"

#include "CAboutDlg.h"
#include "CBookmarkDlg.h"
#include "CEnglishChapterDlg.h"
#include "CHelpDlg.h"
#include "CKoreanChapterDlg.h"
#include "CSearchDlg.h"
#include "Cursor.h"
#include "RecentPlace.h"
#include "ResourceIds.h"
#include "ScriptureStore.h"
#include "TextFile.h"
#include "TextUtil.h"
#include "WinApp.h"

namespace {
constexpr const char* kNoKoreanText = "한글성경이 없으므로 사용할 수 없습니다.";
constexpr const char* kNoEnglishText = "영어성경이 없으므로 사용할 수 없습니다.";
constexpr const char* kNoDictionary = "심방사전이 없으므로 사용할 수 없습니다.";
} // namespace

CLauncherDlg::CLauncherDlg() : CDialog(IDD_LAUNCHER) {
    BindHandlers<CLauncherDlg>({
        {Notify::Clicked, IDC_LAUNCH_KOREAN, &CLauncherDlg::OnKoreanBible},
        {Notify::Clicked, IDC_LAUNCH_ENGLISH, &CLauncherDlg::OnEnglishBible},
        {Notify::Clicked, IDC_LAUNCH_SEARCH, &CLauncherDlg::OnSearch},
        {Notify::Clicked, IDC_LAUNCH_HYMNAL, &CLauncherDlg::OnHymnal},
        {Notify::Clicked, IDC_LAUNCH_READING_PLAN, &CLauncherDlg::OnReadingPlan},
        {Notify::Clicked, IDC_LAUNCH_VISITATION, &CLauncherDlg::OnVisitation},
        {Notify::Clicked, IDC_LAUNCH_READINGS, &CLauncherDlg::OnReadings},
        {Notify::Clicked, IDC_LAUNCH_BOOKMARKS, &CLauncherDlg::OnBookmarks},
        {Notify::Command, ID_RECENT_PLACE, &CLauncherDlg::OnRecentPlace},
        {Notify::Command, ID_HELP, &CLauncherDlg::OnHelp},
        {Notify::Command, ID_ABOUT, &CLauncherDlg::OnAbout},
        {Notify::Command, ID_MENU_EXIT, &CLauncherDlg::OnQuit},
        {Notify::Command, ID_EXIT, &CLauncherDlg::OnQuit},
    });
}

bool CLauncherDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Every step runs even when an earlier one failed, so all problems are reported at once.
    CheckScreenSize();
    m_commandBar.Create(*this);
    m_commandBar.InsertMenuBar(IDR_MENU_LAUNCHER);
    m_commandBar.AddToolbar(IDR_TOOLBAR_LAUNCHER);
    FindDataFolder();
    m_hasKoreanText = CheckDataFile("kbible.dat", "%s에 kbible.dat 파일이 없습니다.");
    SetKoreanTextPath(DataFilePath("kbible.dat"));
    m_hasEnglishText = CheckDataFile("ebible.dat", "%s에 ebible.dat 파일이 없습니다.");
    SetEnglishTextPath(DataFilePath("ebible.dat"));
    m_hasDictionary = CheckDataFile("counsel.dat", "%s에 counsel.dat 파일이 없습니다.");
    LoadChapterIndexes();
    BuildChapterKeys();
    return true;
}

void CLauncherDlg::CheckScreenSize() {
    const QSize size = DeviceScreenSize();
    if (size.width() != 240 || size.height() != 320) {
        ShowMessage("화면 크기가 맞지 않습니다.320*240으로 맞춰주십시오.");
        PostCloseMessage();
    }
}

void CLauncherDlg::FindDataFolder() {
    // The whole path is kept however long it is: a cut path would name another folder.
    const std::string exe = GetModuleFileName();
    const auto slash = exe.find_last_of('/');
    SetDataFolder(slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1));
}

bool CLauncherDlg::CheckDataFile(const char* fileName, const char* missingFormat) {
    CTextFile file;
    if (file.Open(DataFilePath(fileName), "r")) {
        file.Close();
        return true;
    }
    ShowMessage(StrFormat(missingFormat, g_dataFolder.c_str()));
    return false;
}

void CLauncherDlg::LoadChapterIndexes() {
    const bool korean = LoadKoreanChapterIndex(DataFilePath("kbible.inx"));
    if (!korean) {
        SetArrowCursor();
        ShowMessage(StrFormat("%s에 kbible.inx화일이 없습니다.", g_dataFolder.c_str()));
    }
    const bool english = LoadEnglishChapterIndex(DataFilePath("ebible.inx"));
    if (!english) {
        SetArrowCursor();
        ShowMessage(StrFormat("%s에 ebible.inx화일이 없습니다.", g_dataFolder.c_str()));
    }
    if (!korean || !english) {
        PostCloseMessage();
    }
}

bool CLauncherDlg::Require(bool available, const char* refusal) {
    if (!available) {
        SetArrowCursor();
        ShowMessage(refusal);
    }
    return available;
}

void CLauncherDlg::OnKoreanBible() {
    SetWaitCursor();
    if (Require(m_hasKoreanText, kNoKoreanText)) {
        CKoreanChapterDlg dlg; // restores the arrow once its chapter is laid out
        dlg.DoModal();
    }
}

void CLauncherDlg::OnEnglishBible() {
    SetWaitCursor();
    if (Require(m_hasEnglishText, kNoEnglishText)) {
        CEnglishChapterDlg dlg;
        dlg.DoModal();
    }
}

void CLauncherDlg::OnSearch() {
    SetWaitCursor();
    if (Require(m_hasKoreanText, kNoKoreanText)) {
        CSearchDlg dlg;
        dlg.DoModal();
    }
}

void CLauncherDlg::OnHymnal() {
    SetWaitCursor();
    SetArrowCursor();
}

void CLauncherDlg::OnReadingPlan() {
    SetWaitCursor();
    SetArrowCursor();
}

void CLauncherDlg::OnVisitation() {
    SetWaitCursor();
    if (Require(m_hasDictionary, kNoDictionary)) {
        SetArrowCursor();
    }
}

void CLauncherDlg::OnReadings() {
    SetWaitCursor();
    SetArrowCursor();
}

void CLauncherDlg::OnBookmarks() {
    SetWaitCursor();
    if (Require(m_hasKoreanText, kNoKoreanText)) {
        CBookmarkDlg dlg;
        dlg.DoModal();
    }
}

void CLauncherDlg::OnRecentPlace() {
    const RecentPlace place = ReadRecentPlace(DataFilePath("kReadPoint.txt"));
    switch (place.status) {
    case RecentPlace::Status::Missing:
        ShowMessage("kReadPoint.txt화일을 열수가 없습니다.");
        break;
    case RecentPlace::Status::Invalid:
        ShowMessage("최근에 읽은 곳의 기록이 올바르지 않습니다.", "최근에 본 성경");
        break;
    case RecentPlace::Status::Found:
        ShowMessage(StrFormat("%s - %s장", place.bookName.c_str(), place.chapterText.c_str()),
                    "최근에 본 성경");
        break;
    }
}

void CLauncherDlg::OnHelp() {
    SetWaitCursor();
    CHelpDlg dlg;
    dlg.DoModal();
}

void CLauncherDlg::OnAbout() {
    CAboutDlg dlg;
    dlg.DoModal();
}

void CLauncherDlg::OnQuit() {
    PostQuitMessage(0);
}
