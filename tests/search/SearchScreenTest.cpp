// The search screen's boxes, the verse lookup and its parallel text, the shared place of the
// hit list and the text box, and the input panel.
#include "CLauncherDlg.h"
#include "Cursor.h"
#include "DeviceScreen.h"
#include "InputPanel.h"
#include "ResourceIds.h"
#include "SearchScreenSupport.h"

#include <QTreeWidget>

class SearchScreenTest : public QObject {
    Q_OBJECT

private slots:
    void launcherOpensTheScreenWithItsBoxes() {
        CTestDataFolder folder;
        WriteBibles(folder);
        CTestMessages messages;
        messages.QueueAnswer(IDOK); // counsel.dat is missing
        CLauncherDlg launcher;
        launcher.Create();
        messages.QueueDialog([](CDialog& dlg) {
            QCOMPARE(dlg.TemplateId(), IDD_SEARCH);
            QCOMPARE(CDeviceScreen::Current()->Title(), Q("성경찾기"));
            QVERIFY(!IsWaitCursorShown());
            QCOMPARE(dlg.CommandBar().ButtonCommands(),
                     (std::vector<int>{ID_COPY, ID_PARALLEL_SEARCH, ID_EXIT}));
            const CComboBox& language = dlg.ComboItem(IDC_SEARCH_LANGUAGE);
            QCOMPARE(ItemTexts(language), (std::vector<std::string>{"한글성경", "영어성경"}));
            QCOMPARE(ItemData(language), (std::vector<std::intptr_t>{0, 1}));
            QCOMPARE(Q(language.GetWindowText()), Q("한글성경"));
            QCOMPARE(language.Widget()->width(), 70);
            QVERIFY(dlg.CommandBar().Bar()->isAncestorOf(language.Widget()));
            const CComboBox& limit = dlg.ComboItem(IDC_SEARCH_LIMIT);
            QCOMPARE(ItemTexts(limit),
                     (std::vector<std::string>{"단일검색", " 10개까지", " 20개까지", " 30개까지",
                                               " 40개까지", " 50개까지", "100개까지"}));
            QCOMPARE(ItemData(limit), (std::vector<std::intptr_t>{0, 1, 2, 3, 4, 5, 6}));
            QCOMPARE(limit.GetCurSel(), 0);
            const CComboBox& scope = dlg.ComboItem(IDC_SEARCH_SCOPE);
            QCOMPARE(ItemTexts(scope),
                     (std::vector<std::string>{" 전체", " 구약", " 신약", " 4복음서"}));
            QCOMPARE(ItemData(scope), (std::vector<std::intptr_t>{0, 1, 2, 3}));
            QCOMPARE(Q(scope.GetWindowText()), Q(" 전체"));
            const CComboBox& books = dlg.ComboItem(IDC_SEARCH_BOOK);
            QCOMPARE(books.GetCount(), 66);
            QCOMPARE(Q(books.GetLBText(0)), Q("창세기"));
            QCOMPARE(Q(books.GetLBText(65)), Q("요한계시록"));
            QCOMPARE(books.GetItemData(65), std::intptr_t{66});
            QCOMPARE(books.GetCurSel(), -1);
            QCOMPARE(Q(books.GetWindowText()), Q("선택"));
            QCOMPARE(dlg.ComboItem(IDC_SEARCH_CHAPTER).GetCount(), 0);
            const CListCtrl& list = dlg.ListItem(IDC_SEARCH_HITS);
            const char* headers[] = {"No", "성경", "장", "절", "내용"};
            const int widths[] = {30, 50, 40, 40, 300};
            QCOMPARE(list.GetColumnCount(), 5);
            for (int c = 0; c < 5; ++c) {
                QCOMPARE(Q(list.GetColumnHeader(c)), Q(headers[c]));
                QCOMPARE(list.GetColumnWidth(c), widths[c]);
                QCOMPARE(list.GetColumnFormat(c), int(LVCFMT_CENTER));
            }
            QCOMPARE(list.Tree()->selectionBehavior(), QAbstractItemView::SelectRows);
            QCOMPARE(list.GetWindowRect().topLeft(),
                     dlg.EditItem(IDC_SEARCH_TEXT).GetWindowRect().topLeft());
            dlg.SendCommand(ID_EXIT);
        });
        launcher.ButtonItem(IDC_LAUNCH_SEARCH).Click();
        QCOMPARE(messages.DialogsRun(), std::vector<int>{IDD_SEARCH});
        QVERIFY(launcher.IsOpen() && !launcher.IsEnded());
        launcher.DestroyWindow();
    }

    void scopeAndBookRefillTheBoxesBelow() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        CComboBox& books = dlg.ComboItem(IDC_SEARCH_BOOK);
        CComboBox& chapters = dlg.ComboItem(IDC_SEARCH_CHAPTER);
        Choose(dlg, 19, 23);
        QCOMPARE(chapters.GetCount(), 150);
        QCOMPARE(Q(chapters.GetLBText(149)), Q("150 편"));
        QCOMPARE(chapters.GetItemData(149), std::intptr_t{150});
        Pick(dlg, IDC_SEARCH_SCOPE, 1); // 구약
        QCOMPARE(books.GetCount(), 39);
        QCOMPARE(books.GetCurSel(), -1);
        QCOMPARE(Q(books.GetWindowText()), Q("성경선택"));
        QCOMPARE(chapters.GetCount(), 0);
        QCOMPARE(Q(chapters.GetWindowText()), Q(""));
        Pick(dlg, IDC_SEARCH_SCOPE, 3); // 4복음서 lists the whole New Testament
        QCOMPARE(books.GetCount(), 27);
        QCOMPARE(Q(books.GetLBText(0)), Q("마태복음"));
        QCOMPARE(books.GetItemData(26), std::intptr_t{66});
        Pick(dlg, IDC_SEARCH_BOOK, 41);
        QCOMPARE(Q(chapters.GetWindowText()), Q("장선택"));
        QCOMPARE(Q(chapters.GetLBText(0)), Q("  1 장"));
        QCOMPARE(chapters.GetCurSel(), -1);
    }

    void lookupShowsTheRangeAsked() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        Choose(dlg, 1, 2);
        QCOMPARE(
            Q(Lookup(dlg, "", "")),
            Q("[1] 창세기 2장 1절 말씀\r\n[2] 창세기 2장 2절 말씀\r\n[3] 창세기 2장 3절 말씀\r\n"));
        QVERIFY(ShowsText(dlg));
        QVERIFY(dlg.EditItem(IDC_SEARCH_TEXT).HasFocus());
        QVERIFY(!IsWaitCursorShown());
        for (const char* last : {"", "0", "abc"}) {
            QCOMPARE(Q(Lookup(dlg, "2", last)), Q("[2] 창세기 2장 2절 말씀\r\n"));
        }
        QCOMPARE(Q(Lookup(dlg, "4", "")), Q("")); // beyond the chapter, no message
        Choose(dlg, kJohn, 3);
        QCOMPARE(Q(Lookup(dlg, "12abc", "13")),
                 Q("[12] 요한복음 3장 12절 말씀\r\n[13] 요한복음 3장 13절 말씀\r\n"));
        QCOMPARE(Q(Lookup(dlg, "17", "99")),
                 Q("[17] 요한복음 3장 17절 말씀\r\n[18] 요한복음 3장 18절 말씀\r\n"));
        QVERIFY(messages.Messages().empty());
    }

    void lookupRefusesWhatItCannotUse() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        Search(dlg, "말씀");
        messages.QueueAnswer(IDOK);
        Lookup(dlg, "1", "2");
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{"입력 오류", "성경을 선택해 주세요", kErrorBox}));
        QVERIFY(dlg.ComboItem(IDC_SEARCH_BOOK).HasFocus());
        QVERIFY(ShowsText(dlg));

        Choose(dlg, 1, 1);
        Pick(dlg, IDC_SEARCH_BOOK, 2); // a new book clears the chapter
        messages.QueueAnswer(IDOK);
        Lookup(dlg, "1", "2");
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{"입력 오류", "장을 선택해 주세요", kErrorBox}));
        QVERIFY(dlg.ComboItem(IDC_SEARCH_CHAPTER).HasFocus());

        Pick(dlg, IDC_SEARCH_CHAPTER, 1);
        for (const char* first : {"abc", "0"}) {
            dlg.ComboItem(IDC_SEARCH_BOOK).SetFocus();
            messages.QueueAnswer(IDOK);
            QCOMPARE(Q(Lookup(dlg, first, "2")), Q(""));
            QCOMPARE(messages.Messages().back(),
                     (MessageRecord{"입력 오류", "숫자를 입력해 주세요", kErrorBox}));
            QVERIFY(dlg.EditItem(IDC_SEARCH_FIRST_VERSE).HasFocus());
            QCOMPARE(Q(dlg.EditItem(IDC_SEARCH_FIRST_VERSE).GetWindowText()), Q(first));
            QVERIFY(!IsWaitCursorShown());
        }
    }

    void parallelTextFollowsTheLookupLanguage() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        CEdit& text = dlg.EditItem(IDC_SEARCH_TEXT);
        dlg.SendCommand(ID_PARALLEL_SEARCH); // nothing looked up yet
        QVERIFY(dlg.ListItem(IDC_SEARCH_HITS).IsWindowVisible());
        QCOMPARE(Q(text.GetWindowText()), Q(""));

        Choose(dlg, kJohn, 3);
        dlg.ComboItem(IDC_SEARCH_LANGUAGE).SelectByUser(1);
        QCOMPARE(Q(Lookup(dlg, "16", "17")),
                 Q("[16] Word of John 3:16\r\n[17] Word of John 3:17\r\n"));
        dlg.ComboItem(IDC_SEARCH_BOOK).SetFocus();
        dlg.CommandBar().Press(ID_PARALLEL_SEARCH);
        QCOMPARE(Q(text.GetWindowText()),
                 Q("[16] Word of John 3:16\r\n[16] 요한복음 3장 16절 말씀\r\n"
                   "[17] Word of John 3:17\r\n[17] 요한복음 3장 17절 말씀\r\n"));
        QVERIFY(text.HasFocus());

        dlg.ComboItem(IDC_SEARCH_LANGUAGE).SelectByUser(0);
        Lookup(dlg, "18", "");
        dlg.CommandBar().Press(ID_PARALLEL_SEARCH);
        QCOMPARE(Q(text.GetWindowText()),
                 Q("[18] 요한복음 3장 18절 말씀\r\n[18] Word of John 3:18\r\n"));

        Search(dlg, "말씀"); // a search drops the parallel text
        dlg.CommandBar().Press(ID_PARALLEL_SEARCH);
        QVERIFY(ShowsList(dlg));
        QVERIFY(messages.Messages().empty());
    }

    void listAndTextBoxTakeTurns() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        messages.QueueAnswers(2, IDOK);
        Lookup(dlg, "", ""); // fails on the book, but the text box has taken the place
        QVERIFY(ShowsText(dlg));
        Search(dlg, ""); // fails on the word, but the list has taken the place
        QVERIFY(ShowsList(dlg));
        Choose(dlg, 1, 1);
        Lookup(dlg, "1", "");
        QVERIFY(ShowsText(dlg));
        dlg.SendCommand(ID_PARALLEL_SEARCH);
        QVERIFY(ShowsText(dlg));
        Search(dlg, "말씀");
        QVERIFY(ShowsList(dlg));
    }

    void inputPanelFollowsTheTextBoxes() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        QVERIFY(!IsInputPanelShown());
        for (int edit : {IDC_SEARCH_FIRST_VERSE, IDC_SEARCH_LAST_VERSE, IDC_SEARCH_WORD}) {
            dlg.EditItem(edit).SetFocus();
            QVERIFY2(IsInputPanelShown(), qPrintable(QString::number(edit)));
        }
        dlg.ComboItem(IDC_SEARCH_BOOK).SetFocus();
        QVERIFY(!IsInputPanelShown());
        dlg.EditItem(IDC_SEARCH_WORD).SetFocus();
        dlg.ListItem(IDC_SEARCH_HITS).SetFocus();
        QVERIFY(!IsInputPanelShown());
        dlg.EditItem(IDC_SEARCH_WORD).SetFocus();
        dlg.SendCommand(ID_EXIT);
        dlg.DestroyWindow();
        QVERIFY2(!IsInputPanelShown(), "the panel must not stay over the launcher");
    }
};

QRV_SCREEN_TEST_MAIN(SearchScreenTest)
#include "SearchScreenTest.moc"
