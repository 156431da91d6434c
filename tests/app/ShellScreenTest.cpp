#include "CAboutDlg.h"
#include "CHelpDlg.h"
#include "CLauncherDlg.h"
#include "CReaderApp.h"
#include "Cursor.h"
#include "DeviceScreen.h"
#include "ResourceIds.h"
#include "ScreenTest.h"
#include "ScriptureStore.h"
#include "WinApp.h"

#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

const std::string kReadPointHeader = "QRV Vellumreader Ver2.5 한글성경 자동책갈피\r\n";

// A complete small data folder: both Bibles with their indexes and the dictionary.
void WriteFullFolder(const CTestDataFolder& folder) {
    folder.WriteSmallBibles();
    folder.Write("counsel.dat", "1:1:1-45:8:28-테스트\n");
}

std::vector<std::string> HelpLines(CHelpDlg& help) {
    const std::string text = help.EditItem(IDC_HELP_TEXT).GetWindowText();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start != text.size()) {
        lines.push_back(text.substr(start) + "<unterminated>");
    }
    return lines;
}

} // namespace

class ShellScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { ResetQuitForTesting(); }

    void launcherFindsItsDataFolderAndTables() {
        CTestDataFolder folder;
        WriteFullFolder(folder);
        CTestMessages messages;
        CLauncherDlg launcher;
        launcher.Create();
        QVERIFY(messages.Messages().empty());
        QCOMPARE(Q(g_dataFolder), Q(folder.Path()));
        QCOMPARE(Q(g_koreanTextPath), Q(folder.Path() + "kbible.dat"));
        QCOMPARE(Q(g_englishTextPath), Q(folder.Path() + "ebible.dat"));
        QVERIFY(launcher.HasKoreanText() && launcher.HasEnglishText() && launcher.HasDictionary());
        QCOMPARE(ChapterIndexOf(66, 22), 1188);
        QVERIFY(g_koreanChapterOffsets[1188] > 0);
        QCOMPARE(g_koreanChapterOffsets[1189], g_koreanChapterOffsets[1188]);
        // Layout: title, version line, eight buttons in two columns.
        QCOMPARE(CDeviceScreen::Current()->Title(), Q("QrvLumen 2007"));
        QVERIFY(Q(launcher.StaticItem(IDC_LAUNCHER_VERSION).GetWindowText())
                    .startsWith("Ver2.5 Build 02"));
        const int left[] = {IDC_LAUNCH_KOREAN, IDC_LAUNCH_SEARCH, IDC_LAUNCH_READING_PLAN,
                            IDC_LAUNCH_READINGS};
        const int right[] = {IDC_LAUNCH_ENGLISH, IDC_LAUNCH_HYMNAL, IDC_LAUNCH_VISITATION,
                             IDC_LAUNCH_BOOKMARKS};
        for (int row = 0; row < 4; ++row) {
            const QRect l = launcher.GetDlgItem(left[row]).GetWindowRect();
            const QRect r = launcher.GetDlgItem(right[row]).GetWindowRect();
            QCOMPARE(l.top(), r.top());
            QVERIFY(l.right() < r.left());
        }
        QCOMPARE(Q(launcher.ButtonItem(IDC_LAUNCH_BOOKMARKS).GetWindowText()), Q("북마크관리"));
        // Command bar: the menu 정보 (대하여, separator, 종료) and three buttons.
        QCOMPARE(launcher.CommandBar().MenuCommands(),
                 (std::vector<int>{ID_ABOUT, 0, ID_MENU_EXIT}));
        QCOMPARE(launcher.CommandBar().ButtonCommands(),
                 (std::vector<int>{ID_RECENT_PLACE, ID_HELP, ID_EXIT}));
        launcher.DestroyWindow();
    }

    void missingKoreanTextRefusesItsThreeButtons() {
        CTestDataFolder folder;
        WriteFullFolder(folder);
        std::filesystem::remove(folder.File("kbible.dat"));
        CTestMessages messages;
        messages.QueueAnswer(IDOK);
        CLauncherDlg launcher;
        launcher.Create();
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{folder.Path() + "에 kbible.dat 파일이 없습니다."});
        for (int button : {IDC_LAUNCH_KOREAN, IDC_LAUNCH_SEARCH, IDC_LAUNCH_BOOKMARKS}) {
            messages.Clear();
            messages.QueueAnswer(IDOK);
            launcher.ButtonItem(button).Click();
            QCOMPARE(messages.Texts(),
                     std::vector<std::string>{"한글성경이 없으므로 사용할 수 없습니다."});
            QCOMPARE(Q(messages.Messages()[0].caption), Q(kAppTitle));
        }
        messages.Clear();
        messages.QueueDialog([](CDialog& view) { view.SendCommand(ID_EXIT); });
        launcher.ButtonItem(IDC_LAUNCH_ENGLISH).Click(); // still opens: no refusal
        QCOMPARE(messages.DialogsRun(), std::vector<int>{IDD_ENGLISH_CHAPTER});
        launcher.ButtonItem(IDC_LAUNCH_VISITATION).Click();
        QVERIFY(messages.Messages().empty());
        QVERIFY(!launcher.IsEnded());
        launcher.DestroyWindow();
    }

    void missingDictionaryRefusesOnlyItsButton() {
        CTestDataFolder folder;
        folder.WriteSmallBibles();
        CTestMessages messages;
        messages.QueueAnswer(IDOK);
        CLauncherDlg launcher;
        launcher.Create();
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{folder.Path() + "에 counsel.dat 파일이 없습니다."});
        messages.Clear();
        messages.QueueAnswer(IDOK);
        launcher.ButtonItem(IDC_LAUNCH_VISITATION).Click();
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"심방사전이 없으므로 사용할 수 없습니다."});
        messages.Clear();
        // The two Bibles and the search screen open; each is closed at once.
        messages.QueueDialog([](CDialog& view) { view.SendCommand(ID_EXIT); });
        messages.QueueDialog([](CDialog& view) { view.SendCommand(ID_EXIT); });
        messages.QueueDialog([](CDialog& screen) { screen.SendCommand(ID_EXIT); });
        for (int button : {IDC_LAUNCH_KOREAN, IDC_LAUNCH_ENGLISH, IDC_LAUNCH_SEARCH,
                           IDC_LAUNCH_HYMNAL, IDC_LAUNCH_READING_PLAN, IDC_LAUNCH_READINGS}) {
            launcher.ButtonItem(button).Click();
        }
        messages.QueueDialog([](CDialog& bookmarks) { bookmarks.SendCommand(ID_EXIT); });
        launcher.ButtonItem(IDC_LAUNCH_BOOKMARKS).Click();
        QVERIFY(messages.Messages().empty());
        QCOMPARE(messages.DialogsRun(), (std::vector<int>{IDD_KOREAN_CHAPTER, IDD_ENGLISH_CHAPTER,
                                                          IDD_SEARCH, IDD_BOOKMARKS}));
        launcher.DestroyWindow();
    }

    void missingIndexFilesEndTheProgram() {
        CTestDataFolder folder;
        WriteFullFolder(folder);
        std::filesystem::remove(folder.File("kbible.inx"));
        std::filesystem::remove(folder.File("ebible.inx"));
        CTestMessages messages;
        messages.QueueAnswers(2, IDOK);
        CReaderApp app;
        app.InitInstance();
        QCOMPARE(app.Run(), 0);
        QCOMPARE(messages.Texts(),
                 (std::vector<std::string>{folder.Path() + "에 kbible.inx화일이 없습니다.",
                                           folder.Path() + "에 ebible.inx화일이 없습니다."}));
        QCOMPARE(messages.DialogsRun(), std::vector<int>{IDD_LAUNCHER});
        QVERIFY(QuitPosted());
        QCOMPARE(Q(app.RegistryKey()), Q("Local AppWizard-Generated Applications"));
    }

    void wrongScreenSizeIsRefused() {
        CTestDataFolder folder;
        WriteFullFolder(folder);
        {
            CDeviceScreen landscape(QSize(320, 240));
            CTestMessages messages;
            messages.QueueAnswer(IDOK);
            CLauncherDlg launcher;
            launcher.DoModal();
            QCOMPARE(messages.Texts(), std::vector<std::string>{
                                           "화면 크기가 맞지 않습니다.320*240으로 맞춰주십시오."});
            QVERIFY(launcher.IsEnded());
            // The other start-up steps still ran.
            QCOMPARE(ChapterIndexOf(1, 1), 0);
        }
        CTestMessages messages;
        messages.QueueDialog([](CDialog& launcher) {
            QVERIFY(!launcher.IsEnded()); // 240 × 320 passes
            launcher.SendCommand(ID_EXIT);
        });
        CLauncherDlg launcher;
        launcher.DoModal();
        QVERIFY(messages.Messages().empty());
    }

    void quitByMenuAndToolbar() {
        CTestDataFolder folder;
        WriteFullFolder(folder);
        for (int command : {ID_MENU_EXIT, ID_EXIT}) {
            ResetQuitForTesting();
            CTestMessages messages;
            messages.QueueDialog(
                [command](CDialog& launcher) { launcher.CommandBar().Press(command); });
            CLauncherDlg launcher;
            launcher.DoModal();
            QVERIFY(QuitPosted());
            QVERIFY(launcher.IsEnded());
        }
    }

    void recentPlaceShowsTheKoreanViewsLastPlace() {
        CTestDataFolder folder;
        WriteFullFolder(folder);
        CTestMessages messages;
        CLauncherDlg launcher;
        launcher.Create();
        messages.QueueAnswer(IDOK);
        launcher.SendCommand(ID_RECENT_PLACE);
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"kReadPoint.txt화일을 열수가 없습니다."});

        folder.Write("kReadPoint.txt",
                     kReadPointHeader + "19:23:13:16:1\r\n255:255:255\r\n0:0:255");
        messages.Clear();
        messages.QueueAnswer(IDOK);
        launcher.CommandBar().Press(ID_RECENT_PLACE);
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{"최근에 본 성경", "시편 - 23장", MB_OK}));

        // A position line that is missing or names no book: a clear message, never a crash.
        for (const std::string& bad : {kReadPointHeader, kReadPointHeader + "67:1:0:14:0\r\n",
                                       kReadPointHeader + "19\r\n", std::string()}) {
            folder.Write("kReadPoint.txt", bad);
            messages.Clear();
            messages.QueueAnswer(IDOK);
            launcher.SendCommand(ID_RECENT_PLACE);
            QCOMPARE(messages.Messages().back(),
                     (MessageRecord{"최근에 본 성경", "최근에 읽은 곳의 기록이 올바르지 않습니다.",
                                    MB_OK}));
        }
        launcher.DestroyWindow();
    }

    void helpShowsTheFileLineByLine() {
        CTestDataFolder folder;
        WriteFullFolder(folder);
        CTestMessages messages;
        folder.Write("kHelp.txt", "첫째 줄\n  둘째 줄 \t \n셋째 줄\n");
        {
            CHelpDlg help;
            help.Create();
            QCOMPARE(HelpLines(help),
                     (std::vector<std::string>{"첫째 줄", "  둘째 줄", "셋째 줄"}));
            QVERIFY(!help.GetDlgItem(IDC_HELP_TEXT).HasFocus()); // nothing selected on opening
            QCOMPARE(help.CommandBar().ButtonCommands(), std::vector<int>{ID_EXIT});
            help.SendCommand(ID_EXIT);
            QVERIFY(help.IsEnded());
            help.DestroyWindow();
        }
        folder.Write("kHelp.txt", std::string(600, 'x') + "\n");
        {
            CHelpDlg help;
            help.Create();
            QCOMPARE(HelpLines(help),
                     (std::vector<std::string>{std::string(499, 'x'), std::string(101, 'x')}));
            help.DestroyWindow();
        }
        folder.Write("kHelp.txt", "");
        {
            CHelpDlg help;
            help.Create();
            QCOMPARE(Q(help.EditItem(IDC_HELP_TEXT).GetWindowText()), QString());
            help.DestroyWindow();
        }
        QVERIFY(messages.Messages().empty());
    }

    void missingHelpFileIsNamedWithItsPath() {
        CTestDataFolder folder;
        CTestMessages messages;
        CLauncherDlg launcher;
        messages.QueueAnswers(5, IDOK); // the launcher's own complaints about the empty folder
        launcher.Create();
        messages.Clear();
        messages.QueueAnswer(IDOK);
        messages.QueueDialog([](CDialog& help) {
            QCOMPARE(Q(help.EditItem(IDC_HELP_TEXT).GetWindowText()), QString());
            help.SendCommand(ID_EXIT);
        });
        launcher.SendCommand(ID_HELP);
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{folder.Path() + "kHelp.txt 화일이 없습니다."});
        QVERIFY(!IsWaitCursorShown()); // Help restores the arrow on every path
        launcher.DestroyWindow();
    }

    void aboutShowsPictureVersionAndOk() {
        CTestMessages messages;
        CAboutDlg about;
        about.Create();
        QCOMPARE(CDeviceScreen::Current()->Title(), Q("프로그램 정보"));
        const auto labels = about.ClientWidget()->findChildren<QLabel*>();
        bool picture = false;
        bool version = false;
        for (QLabel* label : labels) {
            picture = picture || !label->pixmap().isNull();
            version = version || label->text() == Q("QrvLumen Ver2.5 \n Build 01");
        }
        QVERIFY(picture && version);
        QVERIFY(!about.CommandBar().IsCreated());
        about.ButtonItem(IDC_OK).Click();
        QVERIFY(about.IsEnded());
        QCOMPARE(about.Result(), IDOK);
        about.DestroyWindow();
    }
};

QRV_SCREEN_TEST_MAIN(ShellScreenTest)
#include "ShellScreenTest.moc"
