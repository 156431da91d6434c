#include "CEnglishChapterDlg.h"
#include "CKoreanChapterDlg.h"
#include "CLauncherDlg.h"
#include "Cursor.h"
#include "DeviceScreen.h"
#include "FontTextMeasurer.h"
#include "ReaderGlobals.h"
#include "ReaderScreenFolder.h"
#include "ResourceIds.h"

#include <QScrollBar>

#include <filesystem>

namespace {

const QColor kBlackColour(0, 0, 0);
const QColor kWhiteColour(255, 255, 255);
const QColor kNavyColour(0, 0, 128);

const std::string kKoreanHelp =
    " 1. 성경 선택 \n 2. 수동 책갈피 \n 3. 북마크 \n 4. 한영 대조보기 \n"
    " 5. 폰트 색상 \n 6. 페이지 위로 \n 7. 페이지 아래로 \n 8. 도움말 \n"
    " 9. 종료 \n\n< 방향키 기능 > \n 방향 키 UP - 페이지 위로\n"
    " 방향 키 DOWN - 페이지 아래로\n 방향 키 LEFT - 이전 장\n"
    " 방향 키 RIGHT - 다음 장";
const std::string kEnglishHelp = " 1. 성경 선택 \n 2. 수동 책갈피 \n 3. 영한 대조보기 \n"
                                 " 4. 폰트 색상 \n 5. 페이지 위로 \n 6. 페이지 아래로 \n"
                                 " 7. 도움말 \n 8. 종료 \n\n< 방향키 기능 > \n"
                                 " 화면 위 : 방향 키 UP\n 화면 아래 : 방향 키 DOWN\n"
                                 " 이전 장 : 방향 키 LEFT\n 다음 장 : 방향 키 RIGHT";

QString Title(const CDialog& view) {
    return view.ClientWidget()->accessibleName();
}

int ScrollPos(const CDialog& view) {
    return view.ScrollBarItem(IDC_CHAPTER_SCROLL).GetScrollPos();
}

int ScrollMax(const CDialog& view) {
    int low = 0;
    int high = 0;
    view.ScrollBarItem(IDC_CHAPTER_SCROLL).GetScrollRange(low, high);
    return high;
}

QWidget* BarWidget(const CDialog& view) {
    return view.GetDlgItem(IDC_CHAPTER_SCROLL).Widget();
}

// A key pressed on the device: through the screen's key hook to the focused scroll bar.
void PressKey(const CDialog& view, Qt::Key key) {
    QTest::keyClick(BarWidget(view), key);
}

// Checks the painted page: the inverse title band, the background under it, text starting at
// the top of the first and the last line of the page with the gap above it clear, and nothing
// under the scroll bar.
void CheckPage(const CChapterViewDlg& view, const QColor& text, const QColor& back) {
    const CChapterViewModel& model = view.Model();
    const int size = model.m_fontSize;
    const int band = size + 4;
    const QImage page = GrabClient(view);
    QCOMPARE(page.pixelColor(1, 1), text);
    QCOMPARE(page.pixelColor(1, band - 1), text);
    QCOMPARE(page.pixelColor(1, band), back);
    QCOMPARE(page.pixelColor(2, page.height() - 1), back);
    QVERIFY2(HasInk(page, QRect(5, 2, 200, band - 2), text), "the title shows in the band");
    const int shown = std::min(model.m_linesPerPage, model.LineCount() - model.m_topLine);
    for (int i : {0, shown - 1}) {
        const int top = (i + 1) * (size + 4) + 2;
        const int firstInk = FirstInkRow(page, QRect(5, top - 2, 200, size + 4), back);
        QVERIFY2(firstInk >= top && firstInk <= top + size / 2,
                 qPrintable(QString("line %1: text starts at row %2, its top is %3")
                                .arg(i)
                                .arg(firstInk)
                                .arg(top)));
        QCOMPARE(page.pixelColor(2, top + size / 2), back);
    }
    const QImage bare = GrabPageWithoutChildren(view);
    QVERIFY2(!HasInk(bare, QRect(226, 0, 14, band), text), "the title runs under the scroll bar");
    QVERIFY2(!HasInk(bare, QRect(226, band, 14, bare.height() - band), back),
             "text runs under the scroll bar");
}

} // namespace

class ChapterViewScreenTest : public QObject {
    Q_OBJECT

private slots:
    void openingOnAFreshFolderCreatesThePositionFiles() {
        CReaderFolder folder;
        CTestMessages messages;
        {
            SetWaitCursor(); // as the launcher leaves it
            CKoreanChapterDlg view;
            QVERIFY(view.Create());
            QCOMPARE(
                Q(folder.Read("kReadPoint.txt")),
                Q("QRV Vellumreader Ver2.5 한글성경 자동책갈피\n1:1:1:14:0\n0:0:0\n255:255:255"));
            QCOMPARE(Title(view), Q("말씀 - 창세기 :   1 장"));
            QCOMPARE(ScrollPos(view), 0); // from the top, though the new file says line 1
            QVERIFY(ScrollMax(view) > 13);
            QVERIFY(view.GetDlgItem(IDC_CHAPTER_SCROLL).HasFocus());
            QVERIFY(!IsWaitCursorShown());
            QCOMPARE(g_activeLanguage, 1);
            QCOMPARE(CDeviceScreen::Current()->Title(), Q("한글성경"));
            QCOMPARE(view.CommandBar().ButtonCommands(),
                     (std::vector<int>{ID_SELECT_CHAPTER, ID_MANUAL_BOOKMARK, ID_ADD_BOOKMARK,
                                       ID_PARALLEL_KOREAN, ID_FONT_KOREAN, ID_PAGE_UP, ID_PAGE_DOWN,
                                       ID_HELP, ID_EXIT}));
            CheckPage(view, kBlackColour, kWhiteColour);
            view.DestroyWindow();
        }
        {
            SetWaitCursor();
            CEnglishChapterDlg view;
            QVERIFY(view.Create());
            QCOMPARE(Q(folder.Read("eReadPoint.txt")),
                     Q("QRV Vellumreader Ver 2.5 영어성경 "
                       "자동책갈피\r\n1:1:1:14:0\n0:0:0\n255:255:255"));
            QCOMPARE(Title(view), Q("Words - Genesis : 1"));
            QCOMPARE(ScrollPos(view), 0);
            QVERIFY(view.GetDlgItem(IDC_CHAPTER_SCROLL).HasFocus());
            QVERIFY(!IsWaitCursorShown());
            QCOMPARE(g_activeLanguage, 2);
            QCOMPARE(CDeviceScreen::Current()->Title(), Q("영어성경"));
            QCOMPARE(
                view.CommandBar().ButtonCommands(),
                (std::vector<int>{ID_SELECT_CHAPTER, ID_MANUAL_BOOKMARK, ID_PARALLEL_ENGLISH,
                                  ID_FONT_ENGLISH, ID_PAGE_UP, ID_PAGE_DOWN, ID_HELP, ID_EXIT}));
            CheckPage(view, kBlackColour, kWhiteColour);
            view.DestroyWindow();
        }
        QVERIFY(messages.Messages().empty());
    }

    void theLauncherOpensBothViews() {
        CReaderFolder folder;
        folder.Write("counsel.dat", "1:1:1-45:8:28-테스트\n");
        CTestMessages messages;
        CLauncherDlg launcher;
        launcher.Create();
        const std::pair<int, std::string> opened[] = {{IDC_LAUNCH_KOREAN, "말씀 - 창세기 :   1 장"},
                                                      {IDC_LAUNCH_ENGLISH, "Words - Genesis : 1"}};
        for (const auto& [button, title] : opened) {
            messages.QueueDialog([title](CDialog& view) {
                QVERIFY(!IsWaitCursorShown()); // laid out: the arrow is back
                QCOMPARE(Title(view), Q(title));
                view.CommandBar().Press(ID_EXIT);
            });
            launcher.ButtonItem(button).Click();
        }
        QCOMPARE(messages.DialogsRun(),
                 (std::vector<int>{IDD_KOREAN_CHAPTER, IDD_ENGLISH_CHAPTER}));
        // Closed by the exit button: both files were rewritten on the way out.
        QCOMPARE(Q(folder.Read("kReadPoint.txt")),
                 Q(std::string(kKoreanClosingHeader) + "1:1:0:14:0\r\n0:0:0\r\n255:255:255"));
        QCOMPARE(Q(folder.Read("eReadPoint.txt")),
                 Q(std::string(kEnglishClosingHeader) + "1:1:0:14:0\r\n0:0:0\r\n255:255:255"));
        QVERIFY(messages.Messages().empty());
        launcher.DestroyWindow();
    }

    void addBookmarkCommandNumbersAndPresetsTheDialog() {
        CReaderFolder folder;
        folder.WriteKoreanReadPoint("45:8:0:14:0");
        CTestMessages messages;
        CKoreanChapterDlg view;
        view.Create();
        // No bookmark file yet: it is made with its header and the new bookmark is number 1.
        messages.QueueDialog([](CDialog& add) {
            QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("1"));
            QCOMPARE(Q(add.EditItem(IDC_ADD_TITLE).GetWindowText()), Q("BM1"));
            QCOMPARE(Q(add.ComboItem(IDC_ADD_TESTAMENT).GetWindowText()), Q("신약"));
            QCOMPARE(Q(add.ComboItem(IDC_ADD_BOOK).GetWindowText()), Q("로마서"));
            QCOMPARE(add.ComboItem(IDC_ADD_CHAPTER).GetCount(), 16);
            QCOMPARE(add.ComboItem(IDC_ADD_CHAPTER).GetCurSel(), 7);
            add.SendCommand(ID_EXIT);
        });
        view.CommandBar().Press(ID_ADD_BOOKMARK);
        QCOMPARE(Q(folder.Read("kBookMark.txt")), Q("QRV Vellumreader Ver2.3 북마크 \r\n"));
        QVERIFY(view.GetDlgItem(IDC_CHAPTER_SCROLL).HasFocus());
        QCOMPARE(Title(view), Q("말씀 - 로마서 :   8 장"));

        // Three records: number 4.
        folder.Write("kBookMark.txt", "QRV Vellumreader Ver2.3 Bookmark \nBM1:창세기:1:1:1-1\n"
                                      "BM2:창세기:1:1:2-2\nBM3:창세기:1:1:3-3\n");
        messages.QueueDialog([](CDialog& add) {
            QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("4"));
            add.SendCommand(ID_EXIT);
        });
        view.CommandBar().Press(ID_ADD_BOOKMARK);

        // A file that can be neither read nor made: the message, and no dialog.
        std::filesystem::remove(folder.File("kBookMark.txt"));
        std::filesystem::create_directory(folder.File("kBookMark.txt"));
        messages.QueueAnswer(IDOK);
        view.CommandBar().Press(ID_ADD_BOOKMARK);
        QCOMPARE(messages.Texts(), std::vector<std::string>{"북마크 화일 생성실패"});
        QCOMPARE(messages.DialogsRun(), (std::vector<int>{IDD_ADD_BOOKMARK, IDD_ADD_BOOKMARK}));
        view.DestroyWindow();
    }

    void closingWritesThePlaceReached() {
        CReaderFolder folder;
        CTestMessages messages;
        folder.WriteKoreanReadPoint("19:23:0:16:0", "255:255:255", "0:0:255");
        CKoreanChapterDlg view;
        view.Create();
        QCOMPARE(Title(view), Q("말씀 - 시편 :  23 편"));
        view.CommandBar().Press(ID_PARALLEL_KOREAN);
        view.ScrollBarItem(IDC_CHAPTER_SCROLL).UserAction(SB_THUMBTRACK, 13);
        QCOMPARE(ScrollPos(view), 13);
        CheckPage(view, kWhiteColour, QColor(0, 0, 255));

        view.CommandBar().Press(ID_EXIT);
        QVERIFY(view.IsEnded());
        view.DestroyWindow();
        QCOMPARE(Q(folder.Read("kReadPoint.txt")),
                 Q(std::string(kKoreanClosingHeader) + "19:23:13:16:1\r\n255:255:255\r\n0:0:255"));
        QCOMPARE(g_lastKoreanBook, 19);
        QVERIFY(messages.Messages().empty());

        // The next visit comes back to the same place and look.
        CKoreanChapterDlg again;
        again.Create();
        QCOMPARE(Title(again), Q("말씀 - 시편 :  23 편"));
        QCOMPARE(ScrollPos(again), 13);
        QCOMPARE(again.ViewFont(), CFontTextMeasurer::ViewFont(16));
        CheckPage(again, kWhiteColour, QColor(0, 0, 255));
        again.DestroyWindow();
    }

    void onlyTheKoreanViewRecordsItsLastBook() {
        CReaderFolder folder;
        CTestMessages messages;
        folder.WriteKoreanReadPoint("43:3:0:14:0");
        folder.WriteEnglishReadPoint("40:1:0:14:0");
        {
            CKoreanChapterDlg view;
            view.Create();
            QCOMPARE(Title(view), Q("말씀 - 요한복음 :   3 장"));
            QCOMPARE(g_lastKoreanBook, 1); // until it closes
            view.DestroyWindow();
        }
        QCOMPARE(g_lastKoreanBook, 43);
        {
            CEnglishChapterDlg view;
            view.Create();
            QCOMPARE(Title(view), Q("Words - Matthew : 1"));
            view.DestroyWindow();
        }
        QCOMPARE(g_lastKoreanBook, 43);
    }

    void chapterZeroLeavesTheFileAsItWas() {
        CReaderFolder folder;
        CTestMessages messages;
        const std::string before =
            std::string(kKoreanClosingHeader) + "2:3:0:14:0\r\n0:0:0\r\n255:255:255";
        folder.Write("kReadPoint.txt", before);
        CKoreanChapterDlg view;
        view.Create();
        view.Model().m_chapter = 0;
        view.DestroyWindow();
        QCOMPARE(Q(folder.Read("kReadPoint.txt")), Q(before));
        QCOMPARE(g_lastKoreanBook, 1);
    }

    void aDamagedFileOpensGenesisWithDefaults() {
        CReaderFolder folder;
        CTestMessages messages;
        const std::string header(kKoreanClosingHeader);
        for (const std::string& damaged :
             {std::string(), header, header + "19:23:13:16:1\r\n255:255:255\r\n",
              header + "67:1:0:14:0\r\n0:0:0\r\n255:255:255",
              header + "19:151:0:14:0\r\n0:0:0\r\n255:255:255",
              header + "19:23:0:0:0\r\n0:0:0\r\n255:255:255", header + "19:23\r\n0:0\r\n255"}) {
            folder.Write("kReadPoint.txt", damaged);
            CKoreanChapterDlg view;
            view.Create();
            QCOMPARE(Title(view), Q("말씀 - 창세기 :   1 장"));
            QCOMPARE(ScrollPos(view), 0);
            CheckPage(view, kBlackColour, kWhiteColour);
            QCOMPARE(view.ViewFont(), CFontTextMeasurer::ViewFont(14));
            view.DestroyWindow();
            QCOMPARE(Q(folder.Read("kReadPoint.txt")),
                     Q(header + "1:1:0:14:0\r\n0:0:0\r\n255:255:255"));
        }
        QVERIFY(messages.Messages().empty());
    }

    void largeTextOnNavyStaysLeftOfTheScrollBar() {
        CReaderFolder folder;
        CTestMessages messages;
        folder.WriteKoreanReadPoint("19:119:0:20:1", "255:255:255", "0:0:128");
        folder.WriteEnglishReadPoint("43:1:0:20:1", "255:255:255", "0:0:128");
        CKoreanChapterDlg korean;
        korean.Create();
        QCOMPARE(korean.Model().m_linesPerPage, 10);
        CheckPage(korean, kWhiteColour, kNavyColour);
        korean.DestroyWindow();
        CEnglishChapterDlg english;
        english.Create();
        CheckPage(english, kWhiteColour, kNavyColour);
        english.DestroyWindow();
    }

    void arrowKeysPageAndSwallowTheScrollBarsOwnStep() {
        CReaderFolder folder;
        CTestMessages messages;
        CKoreanChapterDlg view;
        view.Create();
        QVERIFY(view.GetDlgItem(IDC_CHAPTER_SCROLL).HasFocus());
        const QImage top = GrabClient(view);
        PressKey(view, Qt::Key_Down);
        QCOMPARE(ScrollPos(view), 13); // a page less one line, not one more for the bar's step
        QVERIFY(GrabClient(view) != top);
        view.ScrollBarItem(IDC_CHAPTER_SCROLL).UserAction(SB_LINEDOWN); // the user's own step
        QCOMPARE(ScrollPos(view), 14);
        PressKey(view, Qt::Key_Up);
        QCOMPARE(ScrollPos(view), 1);
        PressKey(view, Qt::Key_Up);
        QCOMPARE(ScrollPos(view), 0);
        QCOMPARE(GrabClient(view), top);
        // At the top the up arrow changes nothing, and the bar's step from it is used up.
        PressKey(view, Qt::Key_Up);
        QCOMPARE(ScrollPos(view), 0);
        view.ScrollBarItem(IDC_CHAPTER_SCROLL).UserAction(SB_LINEDOWN);
        QCOMPARE(ScrollPos(view), 1);
        QVERIFY(messages.Messages().empty());
    }

    void leftAndRightAskBeforeChangingTheChapter() {
        CReaderFolder folder;
        CTestMessages messages;
        CKoreanChapterDlg view;
        view.Create();
        PressKey(view, Qt::Key_Left); // Genesis 1: nothing before it, nothing asked
        QVERIFY(messages.Messages().empty());

        view.CommandBar().Press(ID_PAGE_DOWN);
        messages.QueueAnswer(IDNO);
        PressKey(view, Qt::Key_Right);
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{kAppTitle, "다음 장으로 이동할까요?", MB_YESNO | MB_ICONQUESTION}));
        QCOMPARE(Title(view), Q("말씀 - 창세기 :   1 장"));
        QCOMPARE(ScrollPos(view), 13); // and the bar's own step from the key was ignored

        messages.QueueAnswer(IDOK); // anything but No is yes
        PressKey(view, Qt::Key_Right);
        QCOMPARE(Title(view), Q("말씀 - 창세기 :   2 장"));
        QCOMPARE(ScrollPos(view), 0);

        messages.QueueAnswer(IDYES);
        PressKey(view, Qt::Key_Left);
        QCOMPARE(Q(messages.Texts().back()), Q("이전 장으로 이동할까요?"));
        QCOMPARE(Title(view), Q("말씀 - 창세기 :   1 장"));

        view.Model().m_chapter = 50; // the last chapter: the next one is Exodus 1
        messages.QueueAnswer(IDYES);
        PressKey(view, Qt::Key_Right);
        QCOMPARE(Q(messages.Texts().back()), Q("다음 성경으로 이동할까요?"));
        QCOMPARE(Title(view), Q("말씀 - 출애굽기 :   1 장"));

        messages.QueueAnswer(IDOK);
        view.KeyDown(VK_ACTION);
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{kAppTitle, "지원하지 않는 Key입니다.", MB_OK}));
        QCOMPARE(Title(view), Q("말씀 - 출애굽기 :   1 장"));
        QVERIFY(messages.PendingAnswers() == 0);
    }

    void pageCommandsAndTheScrollBar() {
        CReaderFolder folder;
        CTestMessages messages;
        {
            CKoreanChapterDlg view;
            view.Create();
            const int max = ScrollMax(view);
            QVERIFY(max >= 26 && max % 13 == 0); // paging lands on the last page
            view.CommandBar().Press(ID_PAGE_UP);
            QCOMPARE(ScrollPos(view), 0);
            view.CommandBar().Press(ID_PAGE_DOWN);
            QCOMPARE(ScrollPos(view), 13);
            view.CommandBar().Press(ID_PAGE_UP);
            QCOMPARE(ScrollPos(view), 0);
            CScrollBar& bar = view.ScrollBarItem(IDC_CHAPTER_SCROLL);
            bar.UserAction(SB_PAGEDOWN);
            QCOMPARE(ScrollPos(view), 13);
            bar.UserAction(SB_THUMBTRACK, max - 1);
            QCOMPARE(ScrollPos(view), max - 1);
            bar.UserAction(SB_PAGEDOWN);
            QCOMPARE(ScrollPos(view), max);
            bar.UserAction(SB_PAGEDOWN);
            bar.UserAction(SB_LINEDOWN);
            view.CommandBar().Press(ID_PAGE_DOWN);
            QCOMPARE(ScrollPos(view), max);
            CheckPage(view, kBlackColour, kWhiteColour);
            bar.UserAction(SB_LINEUP);
            QCOMPARE(ScrollPos(view), max - 1);
            view.DestroyWindow();
        }
        {
            CEnglishChapterDlg view;
            view.Create();
            view.ScrollBarItem(IDC_CHAPTER_SCROLL).UserAction(SB_PAGEDOWN);
            QCOMPARE(ScrollPos(view), 14); // the English bar pages a whole page
            view.CommandBar().Press(ID_PAGE_DOWN);
            QCOMPARE(ScrollPos(view), 27);
            view.DestroyWindow();
        }
        QVERIFY(messages.Messages().empty());
    }

    void parallelTextAndHelp() {
        CReaderFolder folder;
        CTestMessages messages;
        CKoreanChapterDlg view;
        view.Create();
        const int plain = ScrollMax(view);
        view.CommandBar().Press(ID_PAGE_DOWN);
        view.CommandBar().Press(ID_PARALLEL_KOREAN);
        QVERIFY(ScrollMax(view) > plain);
        QCOMPARE(ScrollPos(view), 0);
        view.CommandBar().Press(ID_PARALLEL_KOREAN);
        QCOMPARE(ScrollMax(view), plain);

        messages.QueueAnswer(IDOK);
        view.CommandBar().Press(ID_HELP);
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{"한글성경 툴바 아이콘", kKoreanHelp, MB_OK}));
        view.DestroyWindow();

        CEnglishChapterDlg english;
        english.Create();
        const int englishPlain = ScrollMax(english);
        english.SendCommand(ID_PARALLEL_KOREAN); // not the English view's command
        QCOMPARE(ScrollMax(english), englishPlain);
        english.CommandBar().Press(ID_PARALLEL_ENGLISH);
        QVERIFY(ScrollMax(english) > englishPlain);
        messages.QueueAnswer(IDOK);
        english.CommandBar().Press(ID_HELP);
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{"영어성경 툴바 아이콘", kEnglishHelp, MB_OK}));
        english.DestroyWindow();

        // Without the English Bible, parallel text is the Korean chapter alone.
        std::filesystem::remove(folder.File("ebible.dat"));
        CKoreanChapterDlg alone;
        alone.Create();
        alone.CommandBar().Press(ID_PARALLEL_KOREAN);
        QCOMPARE(ScrollMax(alone), plain);
        CheckPage(alone, kBlackColour, kWhiteColour);
        alone.DestroyWindow();
    }
};

QRV_SCREEN_TEST_MAIN(ChapterViewScreenTest)
#include "ChapterViewScreenTest.moc"
