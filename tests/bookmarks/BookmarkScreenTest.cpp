#include "AtomicFile.h"
#include "BookmarkRecord.h"
#include "CBookmarkDlg.h"
#include "Cursor.h"
#include "DeviceScreen.h"
#include "Fonts.h"
#include "ResourceIds.h"
#include "ScreenTest.h"
#include "ScriptureStore.h"
#include "SmallKoreanBible.h"
#include "TextUtil.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>

#include <filesystem>

namespace {

const std::string kHeader(kListHeader);
const std::string kRomans = "BM1:로마서:45:8:28-30\n";
const std::string kPsalm = "시편:시편:19:119:105-105\n";
const std::string kNoChapter = "없음:창세기:1:51:1-1\n";

std::vector<std::string> RowTexts(CDialog& dlg, int row) {
    std::vector<std::string> texts;
    for (int c = 0; c < 5; ++c) {
        texts.push_back(dlg.ListItem(IDC_BOOKMARK_LIST).GetItemText(row, c));
    }
    return texts;
}

std::vector<std::string> Column(CDialog& dlg, int column) {
    std::vector<std::string> texts;
    CListCtrl& list = dlg.ListItem(IDC_BOOKMARK_LIST);
    for (int row = 0; row < list.GetItemCount(); ++row) {
        texts.push_back(list.GetItemText(row, column));
    }
    return texts;
}

std::string Caption(CDialog& dlg) {
    return dlg.ButtonItem(IDC_BOOKMARK_STATUS).GetWindowText();
}

// Which of 보기, 추가, 삭제 is checked, as "100", "010", "001".
std::string Modes(CDialog& dlg) {
    std::string checks;
    for (int id : {IDC_BOOKMARK_MODE_VIEW, IDC_BOOKMARK_MODE_ADD, IDC_BOOKMARK_MODE_DELETE}) {
        checks += dlg.ButtonItem(id).GetCheck() == 1 ? '1' : '0';
    }
    return checks;
}

std::string Records(int from, int to) {
    std::string text;
    for (int n = from; n <= to; ++n) {
        text += StrFormat("BM%d:창세기:1:1:%d-%d\n", n, n % 30 + 1, n % 30 + 1);
    }
    return text;
}

} // namespace

class BookmarkScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CTestDataFolder> m_folder;
    std::unique_ptr<CSmallKoreanBible> m_bible;

    void WriteBookmarks(const std::string& content) { m_folder->Write("kBookMark.txt", content); }
    std::string FileContent() const { return m_folder->Read("kBookMark.txt"); }

private slots:
    void init() {
        m_folder = std::make_unique<CTestDataFolder>();
        m_bible = std::make_unique<CSmallKoreanBible>(*m_folder);
        SetDataFolder(m_folder->Path()); // the small Bible starts the store afresh
        SetArrowCursor();
    }
    void cleanup() {
        SetAtomicWriteFailureForTesting(false);
        m_bible.reset();
        m_folder.reset();
    }

    void emptyFileShowsAnEmptyListInViewMode() {
        CTestMessages messages;
        SetWaitCursor(); // as the launcher leaves it
        CBookmarkDlg dlg;
        dlg.Create();
        // A missing file is created.
        QCOMPARE(FileContent(), kHeader);
        QCOMPARE(CDeviceScreen::Current()->Title(), Q("북마크"));
        QCOMPARE(dlg.CommandBar().ButtonCommands(), std::vector<int>{ID_EXIT});
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 0 개 )"));
        QCOMPARE(dlg.ListItem(IDC_BOOKMARK_LIST).GetItemCount(), 0);
        QCOMPARE(Q(Modes(dlg)), Q("100"));
        QVERIFY(!IsWaitCursorShown());
        CListCtrl& list = dlg.ListItem(IDC_BOOKMARK_LIST);
        const char* headers[] = {"No", "    제목", "    성경", " 장", "   절"};
        const int formats[] = {LVCFMT_CENTER, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT};
        const int widths[] = {28, 63, 60, 31, 50};
        QCOMPARE(list.GetColumnCount(), 5);
        for (int c = 0; c < 5; ++c) {
            QCOMPARE(Q(list.GetColumnHeader(c)), Q(headers[c]));
            QCOMPARE(list.GetColumnFormat(c), formats[c]);
            QCOMPARE(list.GetColumnWidth(c), widths[c]);
        }
        list.TapRow(-1); // beside the rows: nothing happens, in any mode
        dlg.ButtonItem(IDC_BOOKMARK_MODE_DELETE).Click();
        list.TapRow(-1);
        QVERIFY(messages.Messages().empty() && messages.DialogsRun().empty());
        dlg.CommandBar().Press(ID_EXIT);
        QVERIFY(dlg.IsEnded());
        dlg.DestroyWindow();
    }

    void anUnreadableFileClosesTheScreen() {
        std::filesystem::create_directory(m_folder->File("kBookMark.txt"));
        CTestMessages messages;
        messages.QueueAnswer(IDOK);
        CBookmarkDlg dlg;
        dlg.DoModal();
        QCOMPARE(messages.Texts(), std::vector<std::string>{"북마크 화일 생성실패"});
        QVERIFY(dlg.IsEnded());
        QVERIFY(!IsWaitCursorShown());
        QVERIFY(std::filesystem::is_directory(m_folder->File("kBookMark.txt")));
    }

    void rowsShowTheRecordsAndATapViewsOneLinePerVerse() {
        WriteBookmarks(kHeader + kRomans + kPsalm);
        CTestMessages messages;
        CBookmarkDlg dlg;
        dlg.Create();
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 2 개 )"));
        QCOMPARE(RowTexts(dlg, 0), (std::vector<std::string>{"1", "BM1", "로마서", "8", "28-30"}));
        QCOMPARE(RowTexts(dlg, 1), (std::vector<std::string>{"2", "시편", "시편", "119", "105"}));
        messages.QueueAnswer(IDOK); // the copy report
        messages.QueueDialog([](CDialog& view) {
            QCOMPARE(CDeviceScreen::Current()->Title(), Q("북마크 보기"));
            QCOMPARE(Q(view.StaticItem(IDC_BOOKMARK_TITLE_LINE).GetWindowText()), Q("1 번 : BM1"));
            QCOMPARE(Q(view.StaticItem(IDC_BOOKMARK_REFERENCE_LINE).GetWindowText()),
                     Q("말씀 : 로마서  8장 28-30절"));
            CEdit& body = view.EditItem(IDC_BOOKMARK_BODY);
            std::string expected;
            for (int v = 28; v <= 30; ++v) {
                expected += StrFormat("[%d] ", v) + CSmallKoreanBible::VerseText(45, 8, v) + "\r\n";
            }
            QCOMPARE(Q(body.GetWindowText()), Q(expected));
            QCOMPARE(body.Widget()->font(), MakeFont("Tahoma", 14));
            QCOMPARE(view.CommandBar().ButtonCommands(), (std::vector<int>{ID_COPY, ID_EXIT}));
            QVERIFY(!IsWaitCursorShown());
            view.CommandBar().Press(ID_COPY);
            QCOMPARE(QApplication::clipboard()->text(), Q(expected).replace("\r\n", "\n"));
            view.CommandBar().Press(ID_EXIT);
        });
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(0);
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"선택한 영역이 클립보드로 복사되었습니다."});
        QVERIFY(dlg.GetDlgItem(IDC_BOOKMARK_LIST).HasFocus());
        QVERIFY(!IsWaitCursorShown());

        messages.QueueDialog([](CDialog& view) {
            QCOMPARE(Q(view.StaticItem(IDC_BOOKMARK_REFERENCE_LINE).GetWindowText()),
                     Q("말씀 : 시편  119장 105절"));
            QCOMPARE(Q(view.EditItem(IDC_BOOKMARK_BODY).GetWindowText()),
                     Q("[105] " + CSmallKoreanBible::VerseText(19, 119, 105) + "\r\n"));
            view.SendCommand(ID_EXIT);
        });
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(1);
        QCOMPARE(messages.DialogsRun(), (std::vector<int>{IDD_BOOKMARK_VIEW, IDD_BOOKMARK_VIEW}));
        dlg.DestroyWindow();
    }

    void aBookmarkOfAMissingChapterIsReportedWithoutAView() {
        WriteBookmarks(kHeader + kNoChapter + "넘침:로마서:45:8:40-45\n");
        CTestMessages messages;
        CBookmarkDlg dlg;
        dlg.Create();
        for (int row : {0, 1}) {
            messages.QueueAnswer(IDOK);
            dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(row);
        }
        QCOMPARE(messages.Texts(), (std::vector<std::string>{"잘못 기록된 북마크 정보 입니다.",
                                                             "잘못 기록된 북마크 정보 입니다."}));
        QCOMPARE(messages.Messages()[0].style, unsigned(MB_OK));
        QVERIFY(messages.DialogsRun().empty());
        QVERIFY(!IsWaitCursorShown());
        dlg.DestroyWindow();
    }

    void answeringNoKeepsTheRowAndDeleteMode() {
        const std::string original = kHeader + kRomans + kPsalm;
        WriteBookmarks(original);
        CTestMessages messages;
        CBookmarkDlg dlg;
        dlg.Create();
        dlg.ButtonItem(IDC_BOOKMARK_MODE_DELETE).Click();
        QCOMPARE(Q(Modes(dlg)), Q("001"));
        messages.QueueAnswer(IDNO);
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(1);
        QCOMPARE(messages.Messages(), (std::vector<MessageRecord>{
                                          {kAppTitle, "2번째 [시편-119:105] 북마크를 삭제 할까요?",
                                           MB_YESNO | MB_ICONERROR}}));
        QCOMPARE(Q(Modes(dlg)), Q("001"));
        QCOMPARE(Column(dlg, 1), (std::vector<std::string>{"BM1", "시편"}));
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 2 개 )"));
        QCOMPARE(FileContent(), original);
        QVERIFY(!IsWaitCursorShown());

        // Back to view mode by hand: a tap views again.
        dlg.ButtonItem(IDC_BOOKMARK_MODE_VIEW).Click();
        QCOMPARE(Q(Modes(dlg)), Q("100"));
        messages.QueueDialog([](CDialog& view) { view.SendCommand(ID_EXIT); });
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(0);
        QCOMPARE(messages.DialogsRun(), std::vector<int>{IDD_BOOKMARK_VIEW});
        dlg.DestroyWindow();
    }

    void answeringYesDeletesRenumbersAndReturnsToViewMode() {
        WriteBookmarks(kHeader + kRomans + kPsalm + kNoChapter);
        CTestMessages messages;
        CBookmarkDlg dlg;
        dlg.Create();
        dlg.ButtonItem(IDC_BOOKMARK_MODE_DELETE).Click();
        messages.QueueAnswer(IDYES);
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(0);
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"1번째 [로마서-8:28-30] 북마크를 삭제 할까요?"});
        QCOMPARE(Q(Modes(dlg)), Q("100"));
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 2 개 )"));
        QCOMPARE(Column(dlg, 0), (std::vector<std::string>{"1", "2"}));
        QCOMPARE(Column(dlg, 1), (std::vector<std::string>{"시편", "없음"}));
        QCOMPARE(FileContent(), std::string(kRewriteHeader) + kPsalm + kNoChapter);

        // The view shows the new number.
        messages.QueueDialog([](CDialog& view) {
            QCOMPARE(Q(view.StaticItem(IDC_BOOKMARK_TITLE_LINE).GetWindowText()), Q("1 번 : 시편"));
            view.SendCommand(ID_EXIT);
        });
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(0);

        // Deleting the rest leaves the header alone.
        for (const char* question : {"2번째 [창세기-51:1] 북마크를 삭제 할까요?",
                                     "1번째 [시편-119:105] 북마크를 삭제 할까요?"}) {
            messages.Clear();
            dlg.ButtonItem(IDC_BOOKMARK_MODE_DELETE).Click();
            messages.QueueAnswer(IDOK); // any answer but No is yes
            dlg.ListItem(IDC_BOOKMARK_LIST)
                .TapRow(dlg.ListItem(IDC_BOOKMARK_LIST).GetItemCount() - 1);
            QCOMPARE(messages.Texts(), std::vector<std::string>{question});
        }
        QCOMPARE(dlg.ListItem(IDC_BOOKMARK_LIST).GetItemCount(), 0);
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 0 개 )"));
        QCOMPARE(FileContent(), std::string(kRewriteHeader));
        dlg.DestroyWindow();
    }

    void aDeletionAmongMoreThanTwoHundredKeepsTheListFull() {
        WriteBookmarks(kHeader + Records(1, 201));
        CTestMessages messages;
        CBookmarkDlg dlg;
        dlg.Create();
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 200 개 )"));
        dlg.ButtonItem(IDC_BOOKMARK_MODE_DELETE).Click();
        messages.QueueAnswer(IDYES);
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(0);
        // The 201st record moves into the list: every row and the caption say what the file holds.
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 200 개 )"));
        CListCtrl& list = dlg.ListItem(IDC_BOOKMARK_LIST);
        QCOMPARE(list.GetItemCount(), 200);
        QCOMPARE(RowTexts(dlg, 199)[0], std::string("200"));
        QCOMPARE(RowTexts(dlg, 199)[1], std::string("BM201"));
        dlg.DestroyWindow();
    }

    void aFailedDeletionKeepsTheFileTheRowAndDeleteMode() {
        const std::string original = kHeader + kRomans + kPsalm;
        WriteBookmarks(original);
        CTestMessages messages;
        CBookmarkDlg dlg;
        dlg.Create();
        dlg.ButtonItem(IDC_BOOKMARK_MODE_DELETE).Click();
        SetAtomicWriteFailureForTesting(true);
        messages.QueueAnswers(2, IDYES);
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(0);
        QCOMPARE(messages.Texts(),
                 (std::vector<std::string>{"1번째 [로마서-8:28-30] 북마크를 삭제 할까요?",
                                           "북마크 삭제에 실패했습니다."}));
        QCOMPARE(messages.Messages()[1].style, unsigned(MB_OK));
        QCOMPARE(FileContent(), original);
        QCOMPARE(Column(dlg, 1), (std::vector<std::string>{"BM1", "시편"}));
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 2 개 )"));
        QCOMPARE(Q(Modes(dlg)), Q("001"));
        QVERIFY(!IsWaitCursorShown());

        // Once writes work again the same tap deletes.
        SetAtomicWriteFailureForTesting(false);
        messages.QueueAnswer(IDYES);
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(0);
        QCOMPARE(FileContent(), std::string(kRewriteHeader) + kPsalm);
        dlg.DestroyWindow();
    }

    void aFileChangedBehindTheListIsShownAfreshNotDeletedFrom() {
        WriteBookmarks(kHeader + kRomans + kPsalm);
        CTestMessages messages;
        CBookmarkDlg dlg;
        dlg.Create();
        const std::string changed = kHeader + kPsalm;
        WriteBookmarks(changed);
        dlg.ButtonItem(IDC_BOOKMARK_MODE_DELETE).Click();
        messages.QueueAnswers(2, IDYES);
        dlg.ListItem(IDC_BOOKMARK_LIST).TapRow(0);
        QCOMPARE(
            messages.Texts().back(),
            std::string("북마크 화일이 바뀌어 삭제하지 않았습니다. 목록을 다시 확인해 주세요."));
        QCOMPARE(FileContent(), changed);
        QCOMPARE(Column(dlg, 1), std::vector<std::string>{"시편"});
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 1 개 )"));
        QCOMPARE(Q(Modes(dlg)), Q("100"));
        dlg.DestroyWindow();
    }

    void aBookmarkAddedThroughTheAddButtonIsListedAtTheEnd() {
        WriteBookmarks(kHeader + kRomans + kPsalm);
        CTestMessages messages;
        CBookmarkDlg dlg;
        dlg.Create();
        messages.QueueAnswer(IDOK); // "3번째 북마크 추가 완료"
        messages.QueueDialog([&dlg](CDialog& add) {
            QCOMPARE(Q(Modes(dlg)), Q("010"));
            QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("3"));
            QCOMPARE(Q(add.EditItem(IDC_ADD_TITLE).GetWindowText()), Q("BM3"));
            QCOMPARE(Q(add.ComboItem(IDC_ADD_TESTAMENT).GetWindowText()), Q("책 선택"));
            QCOMPARE(add.ComboItem(IDC_ADD_BOOK).GetCount(), 0); // no preset
            add.ComboItem(IDC_ADD_TESTAMENT).SelectByUser(0);
            add.ComboItem(IDC_ADD_BOOK).SelectByUser(0);
            add.ComboItem(IDC_ADD_CHAPTER).SelectByUser(0);
            add.EditItem(IDC_ADD_FIRST_VERSE).SetWindowText("3");
            add.ButtonItem(IDC_ADD_SAVE).Click();
            add.ButtonItem(IDC_ADD_CANCEL).Click();
        });
        dlg.ButtonItem(IDC_BOOKMARK_MODE_ADD).Click();
        QCOMPARE(messages.Texts(), std::vector<std::string>{"3번째 북마크 추가 완료"});
        QCOMPARE(RowTexts(dlg, 2), (std::vector<std::string>{"3", "BM3", "창세기", "1", "3"}));
        QCOMPARE(Q(Caption(dlg)), Q("상태 ( 총 3 개 )"));
        QCOMPARE(Q(Modes(dlg)), Q("100"));
        QVERIFY(!IsWaitCursorShown());

        // A file that can't be read any more when the add dialog returns closes the list.
        messages.Clear();
        messages.QueueAnswer(IDOK);
        messages.QueueDialog([this](CDialog& add) {
            std::filesystem::remove(m_folder->File("kBookMark.txt"));
            std::filesystem::create_directory(m_folder->File("kBookMark.txt"));
            add.SendCommand(ID_EXIT);
        });
        dlg.ButtonItem(IDC_BOOKMARK_MODE_ADD).Click();
        QCOMPARE(messages.Texts(), std::vector<std::string>{"북마크 화일 생성실패"});
        QVERIFY(dlg.IsEnded());
        dlg.DestroyWindow();
    }
};

QRV_SCREEN_TEST_MAIN(BookmarkScreenTest)
#include "BookmarkScreenTest.moc"
