#include "AddBookmarkFromChapterView.h"
#include "AtomicFile.h"
#include "BookmarkRecord.h"
#include "CAddBookmarkDlg.h"
#include "DeviceScreen.h"
#include "InputPanel.h"
#include "ResourceIds.h"
#include "ScreenTest.h"
#include "ScriptureStore.h"
#include "SmallKoreanBible.h"

#include <filesystem>

namespace {

const std::string kHeader(kListHeader);

std::vector<std::string> Items(CComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.GetCount(); ++i) {
        items.push_back(box.GetLBText(i));
    }
    return items;
}

// Picks testament, book and chapter as the user does, by their positions in the boxes.
void Choose(CDialog& add, int testament, int bookItem, int chapterItem) {
    add.ComboItem(IDC_ADD_TESTAMENT).SelectByUser(testament);
    add.ComboItem(IDC_ADD_BOOK).SelectByUser(bookItem);
    add.ComboItem(IDC_ADD_CHAPTER).SelectByUser(chapterItem);
}

void TypeVerses(CDialog& add, const char* first, const char* last) {
    add.EditItem(IDC_ADD_FIRST_VERSE).SetWindowText(first);
    add.EditItem(IDC_ADD_LAST_VERSE).SetWindowText(last);
}

} // namespace

class AddBookmarkScreenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CTestDataFolder> m_folder;
    std::unique_ptr<CSmallKoreanBible> m_bible;
    std::unique_ptr<CTestMessages> m_messages;

    std::string FileContent() const { return m_folder->Read("kBookMark.txt"); }

    // Presses "저장" and answers the message it shows; returns that message.
    std::string Save(CDialog& add) {
        m_messages->Clear();
        m_messages->QueueAnswer(IDOK);
        add.ButtonItem(IDC_ADD_SAVE).Click();
        const auto& shown = m_messages->Messages();
        if (shown.size() != 1) {
            return "<" + std::to_string(shown.size()) + " messages>";
        }
        return shown[0].style == MB_OK ? shown[0].text : "<not a plain OK box>";
    }

    // A save refused with `message`, the focus on `focusId`, and nothing written.
    void ExpectRefused(CDialog& add, const char* message, int focusId) {
        const std::string before = FileContent();
        QCOMPARE(Q(Save(add)), Q(message));
        QVERIFY2(add.GetDlgItem(focusId).HasFocus(), message);
        QCOMPARE(FileContent(), before);
    }

private slots:
    void init() {
        m_folder = std::make_unique<CTestDataFolder>();
        m_bible = std::make_unique<CSmallKoreanBible>(*m_folder);
        SetDataFolder(m_folder->Path()); // the small Bible starts the store afresh
        m_messages = std::make_unique<CTestMessages>();
        m_folder->Write("kBookMark.txt", kHeader + "BM1:로마서:45:8:28-28\n");
        SipShowIM(SIPF_OFF);
    }
    void cleanup() {
        SetAtomicWriteFailureForTesting(false);
        SipShowIM(SIPF_OFF);
        m_messages.reset();
        m_bible.reset();
        m_folder.reset();
    }

    void opensNumberedWithEmptyChoicesAndRefillsTheBoxes() {
        CAddBookmarkDlg add;
        add.m_nextNumber = 2;
        add.Create();
        QCOMPARE(CDeviceScreen::Current()->Title(), Q("북마크 추가"));
        QCOMPARE(add.CommandBar().ButtonCommands(), std::vector<int>{ID_EXIT});
        QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("2"));
        QCOMPARE(Q(add.EditItem(IDC_ADD_TITLE).GetWindowText()), Q("BM2"));
        CComboBox& testament = add.ComboItem(IDC_ADD_TESTAMENT);
        CComboBox& book = add.ComboItem(IDC_ADD_BOOK);
        CComboBox& chapter = add.ComboItem(IDC_ADD_CHAPTER);
        QCOMPARE(Items(testament), (std::vector<std::string>{"구약", "신약"}));
        QCOMPARE(Q(testament.GetWindowText()), Q("책 선택"));
        QCOMPARE(Q(book.GetWindowText()), Q("성경 선택"));
        QCOMPARE(Q(chapter.GetWindowText()), Q("장 선택"));
        QCOMPARE(testament.GetCurSel(), -1);

        testament.SelectByUser(0);
        QCOMPARE(book.GetCount(), 39);
        QCOMPARE(Q(book.GetLBText(18)), Q("시편"));
        book.SelectByUser(18);
        QCOMPARE(chapter.GetCount(), 150);
        QCOMPARE(Q(chapter.GetLBText(0)), Q("  1 장"));
        QCOMPARE(Q(chapter.GetLBText(149)), Q("150 장"));
        QCOMPARE(Q(chapter.GetWindowText()), Q("장 선택"));
        chapter.SelectByUser(22);

        testament.SelectByUser(1);
        QCOMPARE(book.GetCount(), 27);
        QCOMPARE(Q(book.GetLBText(0)), Q("마태복음"));
        QCOMPARE(Q(book.GetWindowText()), Q("성경 선택"));
        QCOMPARE(book.GetCurSel(), -1);
        // The old book's chapters go.
        QCOMPARE(chapter.GetCount(), 0);
        QCOMPARE(Q(Save(add)), Q("성경을 선택해 주세요"));

        add.ButtonItem(IDC_ADD_CANCEL).Click();
        QVERIFY(add.IsEnded());
        add.DestroyWindow();

        CAddBookmarkDlg exited;
        exited.Create();
        exited.CommandBar().Press(ID_EXIT);
        QVERIFY(exited.IsEnded());
        exited.DestroyWindow();
    }

    void eachCheckShowsItsMessageAndFocusesItsBox() {
        CAddBookmarkDlg add;
        add.m_nextNumber = 2;
        add.Create();
        add.EditItem(IDC_ADD_TITLE).SetWindowText("   ");
        ExpectRefused(add, "제목을 입력해 주세요", IDC_ADD_TITLE);
        add.EditItem(IDC_ADD_TITLE).SetWindowText("로마:8");
        ExpectRefused(add, "제목에 ':' 문자는 쓸 수 없습니다.", IDC_ADD_TITLE);
        // Left as typed.
        QCOMPARE(Q(add.EditItem(IDC_ADD_TITLE).GetWindowText()), Q("로마:8"));
        add.EditItem(IDC_ADD_TITLE).SetWindowText("  창조  ");
        ExpectRefused(add, "책을 선택해 주세요", IDC_ADD_TESTAMENT);
        add.ComboItem(IDC_ADD_TESTAMENT).SelectByUser(0);
        ExpectRefused(add, "성경을 선택해 주세요", IDC_ADD_BOOK);
        add.ComboItem(IDC_ADD_BOOK).SelectByUser(0);
        ExpectRefused(add, "장을 선택해 주세요", IDC_ADD_CHAPTER);
        add.ComboItem(IDC_ADD_CHAPTER).SelectByUser(0); // Genesis 1: 30 verses
        ExpectRefused(add, "구절을 입력해 주세요", IDC_ADD_FIRST_VERSE);
        for (const char* bad : {"0", "177", "abc"}) {
            TypeVerses(add, bad, "");
            ExpectRefused(add, "올바른 숫자를 입력해 주세요", IDC_ADD_FIRST_VERSE);
        }
        TypeVerses(add, "5", "177");
        ExpectRefused(add, "올바른 숫자를 입력해 주세요", IDC_ADD_LAST_VERSE);
        TypeVerses(add, "5", "3");
        ExpectRefused(add, "없는 구절입니다. 올바른 구절을 입력해 주세요.", IDC_ADD_FIRST_VERSE);
        TypeVerses(add, "31", "");
        ExpectRefused(add, "없는 구절입니다. 올바른 구절을 입력해 주세요.", IDC_ADD_FIRST_VERSE);
        QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("2"));

        // A range that runs past the chapter's end is saved as typed, the title trimmed.
        TypeVerses(add, "25", "40");
        QCOMPARE(Q(Save(add)), Q("2번째 북마크 추가 완료"));
        QCOMPARE(FileContent(), kHeader + "BM1:로마서:45:8:28-28\n" + "창조:창세기:1:1:25-40\n");
        add.DestroyWindow();
    }

    void twoSavesInARowAreNumberedOneAfterTheOther() {
        CAddBookmarkDlg add;
        add.m_nextNumber = 2;
        add.Create();
        Choose(add, 1, 5, 7); // 로마서 8
        TypeVerses(add, "28", "");
        QCOMPARE(Q(Save(add)), Q("2번째 북마크 추가 완료"));
        QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("3"));
        QCOMPARE(Q(add.EditItem(IDC_ADD_TITLE).GetWindowText()), Q("BM3"));
        QCOMPARE(Q(add.EditItem(IDC_ADD_FIRST_VERSE).GetWindowText()), QString());
        QCOMPARE(Q(add.EditItem(IDC_ADD_LAST_VERSE).GetWindowText()), QString());
        QCOMPARE(add.ComboItem(IDC_ADD_TESTAMENT).GetCurSel(), 1);
        QCOMPARE(add.ComboItem(IDC_ADD_BOOK).GetCurSel(), 5);
        QCOMPARE(add.ComboItem(IDC_ADD_CHAPTER).GetCurSel(), 7);
        QCOMPARE(add.m_nextNumber, std::int16_t(3));
        QCOMPARE(add.m_presetBook, 45);
        QCOMPARE(add.m_presetChapter, 8);

        TypeVerses(add, "31", "39");
        QCOMPARE(Q(Save(add)), Q("3번째 북마크 추가 완료"));
        QCOMPARE(Q(add.EditItem(IDC_ADD_TITLE).GetWindowText()), Q("BM4"));
        QCOMPARE(FileContent(), kHeader + "BM1:로마서:45:8:28-28\n" + "BM2:로마서:45:8:28-28\n" +
                                    "BM3:로마서:45:8:31-39\n");
        add.DestroyWindow();
    }

    void aFailedWriteKeepsTheNumberTheInputsAndTheFile() {
        const std::string original = FileContent();
        CAddBookmarkDlg add;
        add.m_nextNumber = 2;
        add.Create();
        Choose(add, 0, 0, 0);
        TypeVerses(add, "1", "3");
        SetAtomicWriteFailureForTesting(true);
        QCOMPARE(Q(Save(add)), Q("북마크 저장에 실패했습니다."));
        QCOMPARE(FileContent(), original);
        QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("2"));
        QCOMPARE(Q(add.EditItem(IDC_ADD_TITLE).GetWindowText()), Q("BM2"));
        QCOMPARE(Q(add.EditItem(IDC_ADD_FIRST_VERSE).GetWindowText()), Q("1"));
        QCOMPARE(Q(add.EditItem(IDC_ADD_LAST_VERSE).GetWindowText()), Q("3"));

        SetAtomicWriteFailureForTesting(false);
        QCOMPARE(Q(Save(add)), Q("2번째 북마크 추가 완료"));
        QCOMPARE(FileContent(), original + "BM2:창세기:1:1:1-3\n");
        add.DestroyWindow();
    }

    void theInputPanelComesUpForTheTextBoxesAndStaysUp() {
        CAddBookmarkDlg add;
        add.Create();
        QVERIFY(add.GetDlgItem(IDC_ADD_TITLE).HasFocus());
        QVERIFY(IsInputPanelShown());
        add.GetDlgItem(IDC_ADD_BOOK).SetFocus();
        // Moving to a list leaves it shown.
        QVERIFY(IsInputPanelShown());
        for (int id : {IDC_ADD_FIRST_VERSE, IDC_ADD_LAST_VERSE, IDC_ADD_TITLE}) {
            SipShowIM(SIPF_OFF);
            add.GetDlgItem(id).SetFocus();
            QVERIFY2(IsInputPanelShown(), std::to_string(id).c_str());
            add.GetDlgItem(IDC_ADD_CHAPTER).SetFocus();
            QVERIFY(IsInputPanelShown());
        }
        SipShowIM(SIPF_OFF);
        add.GetDlgItem(IDC_ADD_TESTAMENT).SetFocus();
        // The lists don't ask for it.
        QVERIFY(!IsInputPanelShown());
        add.ButtonItem(IDC_ADD_CANCEL).Click();
        add.DestroyWindow();
    }

    void fromTheChapterViewTheDialogIsNumberedAndPreset() {
        std::filesystem::remove(m_folder->File("kBookMark.txt"));
        m_messages->QueueDialog([](CDialog& add) {
            QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("1"));
            QCOMPARE(Q(add.EditItem(IDC_ADD_TITLE).GetWindowText()), Q("BM1"));
            CComboBox& testament = add.ComboItem(IDC_ADD_TESTAMENT);
            CComboBox& book = add.ComboItem(IDC_ADD_BOOK);
            CComboBox& chapter = add.ComboItem(IDC_ADD_CHAPTER);
            QCOMPARE(testament.GetCurSel(), 1);
            QCOMPARE(Q(testament.GetWindowText()), Q("신약"));
            QCOMPARE(book.GetCount(), 27);
            QCOMPARE(Q(book.GetWindowText()), Q("로마서"));
            QCOMPARE(chapter.GetCount(), 16);
            QCOMPARE(chapter.GetCurSel(), 7);
            QCOMPARE(Q(chapter.GetWindowText()), Q("  8 장"));
            add.SendCommand(ID_EXIT);
        });
        AddBookmarkFromChapterView(45, 8);
        QCOMPARE(FileContent(), std::string(kChapterViewHeader));

        m_folder->Write("kBookMark.txt", std::string(kChapterViewHeader) + "A:창세기:1:1:1-1\n" +
                                             "B:창세기:1:1:2-2\n" + "C:창세기:1:1:3-3\n");
        m_messages->QueueAnswer(IDOK);
        m_messages->QueueDialog([](CDialog& add) {
            QCOMPARE(Q(add.StaticItem(IDC_ADD_NUMBER).GetWindowText()), Q("4"));
            QCOMPARE(Q(add.ComboItem(IDC_ADD_CHAPTER).GetWindowText()), Q("119 장"));
            QCOMPARE(add.ComboItem(IDC_ADD_CHAPTER).GetCount(), 150);
            add.EditItem(IDC_ADD_FIRST_VERSE).SetWindowText("105");
            add.ButtonItem(IDC_ADD_SAVE).Click();
            add.ButtonItem(IDC_ADD_CANCEL).Click();
        });
        AddBookmarkFromChapterView(19, 119);
        QCOMPARE(m_messages->Texts(), std::vector<std::string>{"4번째 북마크 추가 완료"});
        QVERIFY(Q(FileContent()).endsWith(Q("C:창세기:1:1:3-3\nBM4:시편:19:119:105-105\n")));

        // Neither readable nor creatable: said, and no dialog.
        m_messages->Clear();
        std::filesystem::remove(m_folder->File("kBookMark.txt"));
        std::filesystem::create_directory(m_folder->File("kBookMark.txt"));
        m_messages->QueueAnswer(IDOK);
        AddBookmarkFromChapterView(45, 8);
        QCOMPARE(m_messages->Texts(), std::vector<std::string>{"북마크 화일 생성실패"});
        QVERIFY(m_messages->DialogsRun().empty());
    }
};

QRV_SCREEN_TEST_MAIN(AddBookmarkScreenTest)
#include "AddBookmarkScreenTest.moc"
