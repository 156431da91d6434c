// The keyword search, its hit list and the verse views it opens, copying, unreadable texts.
#include "Cursor.h"
#include "DeviceScreen.h"
#include "Fonts.h"
#include "ResourceIds.h"
#include "SearchScreenSupport.h"

#include <QApplication>
#include <QClipboard>

#include <filesystem>

class HitListScreenTest : public QObject {
    Q_OBJECT

private slots:
    void searchListsHitsWithinLimitAndRange() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        Search(dlg, "말씀");
        QVERIFY(ShowsList(dlg));
        QCOMPARE(RowCount(dlg), 1); // 단일검색
        QCOMPARE(Q(Row(dlg, 0)), Q("1|창세기|1|1|창세기 1장 1절 말씀"));
        QVERIFY(!IsWaitCursorShown());

        Pick(dlg, IDC_SEARCH_LIMIT, 6); // 100개까지
        Pick(dlg, IDC_SEARCH_SCOPE, 1); // 구약, narrowed further by book and chapter
        Choose(dlg, 19, 23);
        Search(dlg, "말씀");
        QCOMPARE(RowCount(dlg), 3);
        QCOMPARE(Q(Row(dlg, 2)), Q("3|시편|23|3|시편 23장 3절 말씀"));
        Pick(dlg, IDC_SEARCH_BOOK, 19);
        Search(dlg, "말씀");
        QCOMPARE(RowCount(dlg), 100);
        QCOMPARE(Q(Row(dlg, 99)), Q("100|시편|34|1|시편 34장 1절 말씀"));

        Pick(dlg, IDC_SEARCH_SCOPE, 3); // 4복음서 searches Matthew to John only
        Search(dlg, "요한복음");
        QCOMPARE(RowCount(dlg), 78);
        QCOMPARE(Q(Row(dlg, 77)), Q("78|요한복음|21|3|요한복음 21장 3절 말씀"));
        messages.QueueAnswer(IDOK);
        Search(dlg, "사도행전");
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{kAppTitle, "검색된 결과가 없습니다.", MB_OK}));
        QCOMPARE(RowCount(dlg), 0);
    }

    void searchWordIsTrimmedAndEnglishHitsNameKoreanBooks() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        Pick(dlg, IDC_SEARCH_LIMIT, 6);
        Search(dlg, "  요한복음 3장 ");
        QCOMPARE(RowCount(dlg), 18);
        messages.QueueAnswer(IDOK);
        Search(dlg, "요한복음  3장");
        QCOMPARE(messages.Texts().back(), std::string("검색된 결과가 없습니다."));

        dlg.ComboItem(IDC_SEARCH_LANGUAGE).SelectByUser(1);
        Search(dlg, "John 3:16");
        QCOMPARE(RowCount(dlg), 1);
        QCOMPARE(Q(Row(dlg, 0)), Q("1|요한복음|3|16|Word of John 3:16"));

        // An empty word: the message, the earlier hits kept, the focus left where it was.
        dlg.EditItem(IDC_SEARCH_WORD).SetFocus();
        messages.QueueAnswer(IDOK);
        Search(dlg, "   ");
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{"입력 오류", "검색어를 입력하십시오.", kErrorBox}));
        QVERIFY(dlg.EditItem(IDC_SEARCH_WORD).HasFocus());
        QCOMPARE(RowCount(dlg), 1);
        QVERIFY(ShowsList(dlg));
    }

    void tappedHitsOpenOneVerseViewEach() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        Pick(dlg, IDC_SEARCH_LIMIT, 1);
        Search(dlg, " 요한복음 3장");
        QCOMPARE(RowCount(dlg), 10);
        CListCtrl& list = dlg.ListItem(IDC_SEARCH_HITS);
        std::vector<std::string> seen;
        auto view = [&](CDialog& v) {
            QCOMPARE(v.TemplateId(), IDD_VERSE_VIEW);
            QCOMPARE(CDeviceScreen::Current()->Title(), Q("성경구절 보기"));
            const std::string number = v.EditItem(IDC_VERSE_NUMBER).GetWindowText();
            QCOMPARE(Q(std::to_string(list.GetSelectionMark() + 1) + " 번"), Q(number));
            seen.push_back(v.EditItem(IDC_VERSE_WORD).GetWindowText() + "|" + number + "|" +
                           v.EditItem(IDC_VERSE_BOOK).GetWindowText() + "|" +
                           v.EditItem(IDC_VERSE_CHAPTER).GetWindowText() + "|" +
                           v.EditItem(IDC_VERSE_VERSE).GetWindowText() + "|" +
                           v.EditItem(IDC_VERSE_BODY).GetWindowText());
            QCOMPARE(v.CommandBar().ButtonCommands(), (std::vector<int>{ID_COPY, ID_EXIT}));
            v.CommandBar().Press(ID_EXIT);
        };
        messages.QueueDialog(view);
        list.TapRow(1);
        QCOMPARE(seen, std::vector<std::string>{
                           "요한복음 3장|2 번|요한복음|3 장|2 절|요한복음 3장 2절 말씀"});
        QVERIFY(list.HasFocus());

        seen.clear();
        messages.QueueDialog(view);
        messages.QueueDialog(view);
        CtrlTapRow(dlg, 3);
        QCOMPARE(seen.size(), std::size_t{2});
        QVERIFY(seen[0].find("|2 번|") != std::string::npos);
        QCOMPARE(Q(seen[1]), Q("요한복음 3장|4 번|요한복음|3 장|4 절|요한복음 3장 4절 말씀"));
        QVERIFY(list.HasFocus());

        seen.clear();
        messages.QueueDialog(view);
        CtrlTapRow(dlg, 1);
        QCOMPARE(seen.size(), std::size_t{1});
        // Ctrl-tapping the last selected row leaves none: the list is focused, nothing opens.
        CtrlTapRow(dlg, 3);
        QVERIFY(list.GetSelectedRows().empty());
        QVERIFY(list.HasFocus());
        QCOMPARE(messages.DialogsRun().size(), std::size_t{4});
    }

    void verseViewCopiesTheWholeVerse() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        Search(dlg, "말씀");
        messages.QueueDialog([&messages](CDialog& v) {
            CEdit& body = v.EditItem(IDC_VERSE_BODY);
            QCOMPARE(body.Widget()->font(), MakeFont("Tahoma", 14));
            QCOMPARE(v.EditItem(IDC_VERSE_BOOK).Widget()->font().pixelSize(),
                     v.ClientWidget()->font().pixelSize());
            QApplication::clipboard()->clear();
            messages.QueueAnswer(IDOK);
            v.SendCommand(ID_COPY);
            QCOMPARE(QApplication::clipboard()->text(), Q("창세기 1장 1절 말씀"));
            QCOMPARE(messages.Texts().back(),
                     std::string("선택한 영역이 클립보드로 복사되었습니다."));
            v.EditItem(IDC_VERSE_WORD).SetWindowText("바뀜");
            v.SendCommand(ID_EXIT);
        });
        dlg.ListItem(IDC_SEARCH_HITS).TapRow(0);
        QCOMPARE(Q(dlg.EditItem(IDC_SEARCH_WORD).GetWindowText()), Q("말씀"));
    }

    void copyTakesTheTextBoxEvenUnderTheList() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        dlg.SendCommand(ID_COPY); // an empty box: no message
        Choose(dlg, 1, 1);
        Lookup(dlg, "3", "");
        Search(dlg, "말씀");
        QApplication::clipboard()->clear();
        messages.QueueAnswer(IDOK);
        dlg.CommandBar().Press(ID_COPY);
        QCOMPARE(QApplication::clipboard()->text().trimmed(), Q("[3] 창세기 1장 3절 말씀"));
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"선택한 영역이 클립보드로 복사되었습니다."});
    }

    void unreadableTextsAreReportedAtSearchTime() {
        CSearchScreen screen;
        auto& [folder, messages, dlg] = screen;
        Choose(dlg, 1, 1);
        std::filesystem::remove(folder.File("ebible.dat"));
        QCOMPARE(Q(Lookup(dlg, "1", "")), Q("[1] 창세기 1장 1절 말씀\r\n"));
        messages.QueueAnswer(IDOK);
        dlg.SendCommand(ID_PARALLEL_SEARCH);
        QCOMPARE(messages.Messages().back(),
                 (MessageRecord{kAppTitle, "ebible.dat 파일을 열 수 없습니다.", kErrorBox}));
        QCOMPARE(Q(dlg.EditItem(IDC_SEARCH_TEXT).GetWindowText()),
                 Q("[1] 창세기 1장 1절 말씀\r\n"));

        Search(dlg, "말씀");
        std::filesystem::remove(folder.File("kbible.dat"));
        messages.QueueAnswers(2, IDOK);
        Search(dlg, "말씀");
        QCOMPARE(RowCount(dlg), 0);
        Lookup(dlg, "1", "");
        QCOMPARE(messages.Texts(), (std::vector<std::string>{"ebible.dat 파일을 열 수 없습니다.",
                                                             "kbible.dat 파일을 열 수 없습니다.",
                                                             "kbible.dat 파일을 열 수 없습니다."}));
        QCOMPARE(Q(dlg.EditItem(IDC_SEARCH_TEXT).GetWindowText()), Q(""));
        QVERIFY(!IsWaitCursorShown());
    }
};

QRV_SCREEN_TEST_MAIN(HitListScreenTest)
#include "HitListScreenTest.moc"
