#include "Clipboard.h"
#include "Cursor.h"
#include "DeviceScreen.h"
#include "Dialog.h"
#include "DialogUnits.h"
#include "Fonts.h"
#include "InputPanel.h"
#include "ResourceIds.h"
#include "ScreenTest.h"
#include "WinApp.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// A test screen on a real template whose hooks record what reaches them.
class CProbeDlg : public CDialog {
public:
    explicit CProbeDlg(int templateId) : CDialog(templateId) {
        BindHandlers<CProbeDlg>({
            {Notify::SelChange, IDC_SEARCH_LIMIT, &CProbeDlg::OnLimit},
            {Notify::ListClick, IDC_SEARCH_HITS, &CProbeDlg::OnHits},
            {Notify::SetFocus, IDC_SEARCH_WORD, &CProbeDlg::OnWordFocus},
            {Notify::KillFocus, IDC_SEARCH_WORD, &CProbeDlg::OnWordBlur},
            {Notify::Clicked, IDC_BOOKMARK_MODE_DELETE, &CProbeDlg::OnDeleteMode},
            {Notify::Command, ID_COPY, &CProbeDlg::OnCopy},
        });
    }
    std::vector<std::string> events;
    std::vector<int> keys;
    std::vector<std::pair<int, int>> scrolls;
    int stickTo = -1; // position a scroll handler sets

protected:
    bool PreTranslateKeyDown(int vk) override {
        keys.push_back(vk);
        return false;
    }
    void OnVScroll(int code, int pos, CScrollBar& bar) override {
        scrolls.emplace_back(code, pos);
        if (stickTo >= 0 && code != SB_ENDSCROLL && code != SB_THUMBPOSITION) {
            bar.SetScrollPos(stickTo);
        }
    }

private:
    void OnLimit() {
        events.push_back("limit " + std::to_string(ComboItem(IDC_SEARCH_LIMIT).GetCurSel()));
    }
    void OnHits() {
        events.push_back("tap " + std::to_string(ListItem(IDC_SEARCH_HITS).LastTapRow()));
    }
    void OnWordFocus() { events.push_back("word focus"); }
    void OnWordBlur() { events.push_back("word blur"); }
    void OnDeleteMode() { events.push_back("delete mode"); }
    void OnCopy() { CopySelectionToClipboard(EditItem(IDC_SEARCH_TEXT)); }
};

const int kAllTemplates[] = {IDD_ABOUT,
                             IDD_LAUNCHER,
                             IDD_ADD_BOOKMARK,
                             IDD_READINGS,
                             IDD_BOOKMARK_VIEW,
                             IDD_BOOKMARKS,
                             IDD_ENGLISH_CHAPTER,
                             IDD_ENGLISH_SELECT,
                             IDD_ENGLISH_CONFPOINT,
                             IDD_HELP,
                             IDD_HYMN_SEARCH,
                             IDD_HYMNAL,
                             IDD_KOREAN_CHAPTER,
                             IDD_KOREAN_SELECT,
                             IDD_KOREAN_CONFPOINT,
                             IDD_READING_PLAN,
                             IDD_SEARCH,
                             IDD_VERSE_VIEW,
                             IDD_FONT_SETTINGS,
                             IDD_VISITATION};

} // namespace

class PlatformScreenTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        SetArrowCursor();
        SipShowIM(SIPF_OFF);
        ResetQuitForTesting();
    }

    void dialogUnitsFillTheClientArea() {
        QCOMPARE(DialogUnitsToPixels(0, 0, 138, 154), QRect(0, 0, 240, 270));
        QCOMPARE(DialogUnitsToPixels(130, 0, 8, 154), QRect(226, 0, 14, 270));
        // Neighbours in units stay neighbours in pixels.
        const QRect a = DialogUnitsToPixels(10, 85, 50, 12);
        const QRect b = DialogUnitsToPixels(60, 85, 50, 12);
        QCOMPARE(a.right() + 1, b.left());
    }

    void everyTemplateBuildsInsideItsScreen() {
        CTestMessages messages;
        for (int id : kAllTemplates) {
            CDialog dlg(id);
            QVERIFY2(dlg.Create(), qPrintable(QString::number(id)));
            const QRect client = dlg.ClientWidget()->rect();
            QCOMPARE(CDeviceScreen::Current()->Title(), Q(dlg.Template().caption));
            for (const ControlTemplate& c : dlg.Template().controls) {
                if (c.id == IDC_STATIC) {
                    continue;
                }
                CWnd& item = dlg.GetDlgItem(c.id);
                QCOMPARE(item.Widget()->objectName(), QString::number(c.id));
                QVERIFY2(!item.Widget()->accessibleName().isEmpty(),
                         qPrintable(QString("%1/%2").arg(id).arg(c.id)));
                const QRect r = item.Widget()->geometry();
                QVERIFY2(
                    client.contains(r),
                    qPrintable(QString("control %1 of %2 leaves the screen").arg(c.id).arg(id)));
            }
            dlg.DestroyWindow();
        }
    }

    void lookupsOfMissingOrMistypedControlsFailLoudly() {
        CDialog dlg(IDD_HELP);
        dlg.Create();
        QVERIFY_THROWS_EXCEPTION(std::logic_error, dlg.GetDlgItem(4711));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, dlg.ComboItem(IDC_HELP_TEXT));
        dlg.DestroyWindow();
        QVERIFY_THROWS_EXCEPTION(std::logic_error, CDialog(4711));
    }

    void labelsNameTheControlsBesideThem() {
        CDialog dlg(IDD_SEARCH);
        dlg.Create();
        QCOMPARE(dlg.GetDlgItem(IDC_SEARCH_WORD).Widget()->accessibleName(), Q("검색어"));
        QCOMPARE(dlg.GetDlgItem(IDC_SEARCH_LIMIT).Widget()->accessibleName(), Q("방법"));
        QCOMPARE(dlg.GetDlgItem(IDC_SEARCH_LOOKUP).Widget()->accessibleName(), Q("구절찾기"));
        // No label before it: the id.
        QCOMPARE(dlg.GetDlgItem(IDC_SEARCH_HITS).Widget()->accessibleName(),
                 QString::number(IDC_SEARCH_HITS));
        dlg.DestroyWindow();
    }

    void commandBarsFollowTheirToolbars() {
        CDialog dlg(IDD_KOREAN_CHAPTER);
        dlg.Create();
        dlg.CommandBar().Create(dlg);
        QVERIFY(dlg.CommandBar().AddToolbar(IDR_TOOLBAR_KOREAN_VIEW));
        const std::vector<int> expected = {32774, 32775, 32800, 32813, 32802,
                                           32777, 32778, 57670, 32772};
        QVERIFY(dlg.CommandBar().ButtonCommands() == expected);
        const QStringList tips = {"성경선택",      "책갈피",   "북마크",
                                  "한영대조보기",  "폰트설정", "페이지 위로",
                                  "페이지 아래로", "도움말",   "종료"};
        const auto actions = dlg.CommandBar().Bar()->actions();
        QCOMPARE(actions.size(), tips.size());
        for (int i = 0; i < tips.size(); ++i) {
            QCOMPARE(actions[i]->toolTip(), tips[i]);
            const QPixmap icon = actions[i]->icon().pixmap(16, 16);
            QCOMPARE(icon.size(), QSize(16, 16));
            QVERIFY(!icon.toImage().allGray() || i == 5 ||
                    i == 6); // page arrows are drawn in black
        }
        dlg.DestroyWindow();
        // Every command of every toolbar has its own picture.
        for (int toolbar : {155, 161, 163, 165, 167, 170, 172, 174, 177}) {
            for (int command : FindToolbar(toolbar)->commands) {
                QVERIFY2(CommandIconRows(command) != nullptr, qPrintable(QString::number(command)));
            }
        }
    }

    void comboBoxCaptionsAndItemValues() {
        CProbeDlg dlg(IDD_SEARCH);
        dlg.Create();
        CComboBox& combo = dlg.ComboItem(IDC_SEARCH_LIMIT);
        combo.SetWindowText("선택");
        combo.AddString("하나");
        combo.AddString("둘");
        combo.SetItemData(1, 42);
        QCOMPARE(combo.GetCurSel(), -1);
        QCOMPARE(Q(combo.GetWindowText()), Q("선택"));
        QCOMPARE(combo.GetItemData(1), std::intptr_t(42));
        QCOMPARE(combo.GetItemData(5), std::intptr_t(-1));
        combo.SetCurSel(0);
        QCOMPARE(Q(combo.GetWindowText()), Q("하나"));
        QVERIFY(dlg.events.empty()); // the program's own selection raises nothing
        combo.SelectByUser(1);
        QCOMPARE(dlg.events, std::vector<std::string>{"limit 1"});
        combo.SetWindowText("장선택");
        QCOMPARE(combo.GetCurSel(), 1);
        QCOMPARE(Q(combo.GetWindowText()), Q("장선택"));
        combo.ResetContent();
        QCOMPARE(combo.GetCount(), 0);
        QCOMPARE(combo.GetCurSel(), -1);
        QCOMPARE(Q(combo.GetWindowText()), QString());
        dlg.DestroyWindow();
    }

    void listViewsReportTapsByRow() {
        CProbeDlg dlg(IDD_SEARCH);
        dlg.Create();
        CListCtrl& list = dlg.ListItem(IDC_SEARCH_HITS);
        list.InsertColumn(0, "No", LVCFMT_CENTER, 30);
        list.InsertColumn(1, "내용", LVCFMT_CENTER, 300);
        for (int r = 0; r < 3; ++r) {
            list.InsertItem(r, std::to_string(r + 1));
            list.SetItemText(r, 1, "본문 " + std::to_string(r));
        }
        QCOMPARE(list.GetItemCount(), 3);
        QCOMPARE(Q(list.GetColumnHeader(1)), Q("내용"));
        QCOMPARE(Q(list.GetItemText(2, 1)), Q("본문 2"));
        // A real tap on the second row's rectangle.
        QTreeWidget* tree = list.Tree();
        const QRect rowRect = tree->visualItemRect(tree->topLevelItem(1));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rowRect.center());
        QCOMPARE(list.GetSelectedRows(), std::vector<int>{1});
        QCOMPARE(dlg.events.back(), std::string("tap 1"));
        // Beside the rows.
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          QPoint(5, tree->viewport()->height() - 3));
        QCOMPARE(dlg.events.back(), std::string("tap -1"));
        list.DeleteItem(0);
        QCOMPARE(Q(list.GetItemText(0, 0)), Q("2"));
        dlg.DestroyWindow();
    }

    void radioButtonsCheckTheirGroupAndCanAllBeCleared() {
        CProbeDlg dlg(IDD_BOOKMARKS);
        dlg.Create();
        CButton& view = dlg.ButtonItem(IDC_BOOKMARK_MODE_VIEW);
        CButton& remove = dlg.ButtonItem(IDC_BOOKMARK_MODE_DELETE);
        view.SetCheck(1);
        remove.Click();
        QCOMPARE(view.GetCheck(), 0);
        QCOMPARE(remove.GetCheck(), 1);
        QCOMPARE(dlg.events, std::vector<std::string>{"delete mode"});
        remove.SetCheck(0);
        QCOMPARE(remove.GetCheck(), 0);
        dlg.ButtonItem(IDC_BOOKMARK_STATUS).SetWindowText("상태 ( 총 3 개 )");
        QCOMPARE(Q(dlg.ButtonItem(IDC_BOOKMARK_STATUS).GetWindowText()), Q("상태 ( 총 3 개 )"));
        dlg.DestroyWindow();
    }

    void scrollBarNotificationsAndThePositionTheHandlerSets() {
        CProbeDlg dlg(IDD_KOREAN_CHAPTER);
        dlg.Create();
        CScrollBar& bar = dlg.ScrollBarItem(IDC_CHAPTER_SCROLL);
        bar.SetScrollRange(0, 20);
        bar.SetScrollPos(5);
        dlg.stickTo = 9;
        bar.UserAction(SB_LINEDOWN);
        bar.UserAction(SB_PAGEUP);
        bar.UserAction(SB_THUMBTRACK, 17);
        QCOMPARE(dlg.scrolls[0].first, SB_LINEDOWN);
        QCOMPARE(dlg.scrolls[1].first, SB_PAGEUP);
        QCOMPARE(dlg.scrolls[2], std::make_pair(SB_THUMBTRACK, 17));
        QCOMPARE(bar.GetScrollPos(), 9); // the handler's position wins over the bar's own step
        // The arrow keys on the focused bar are line steps, seen by the key hook first.
        bar.SetFocus();
        dlg.scrolls.clear();
        QTest::keyClick(bar.Widget(), Qt::Key_Down);
        QTest::keyClick(bar.Widget(), Qt::Key_Left);
        QCOMPARE(dlg.keys, (std::vector<int>{VK_DOWN, VK_LEFT}));
        QCOMPARE(dlg.scrolls.size(), std::size_t(2));
        QCOMPARE(dlg.scrolls[0].first, SB_LINEDOWN);
        QCOMPARE(dlg.scrolls[1].first, SB_LINEUP);
        dlg.DestroyWindow();
    }

    void copyTakesTheSelectionOrEverything() {
        CTestMessages messages;
        CProbeDlg dlg(IDD_SEARCH);
        dlg.Create();
        CEdit& box = dlg.EditItem(IDC_SEARCH_TEXT);
        box.SetWindowText("[1] 태초에\r\n[2] 땅이");
        box.SetSel(4, 7);
        messages.QueueAnswer(IDOK);
        dlg.SendCommand(ID_COPY);
        QCOMPARE(QApplication::clipboard()->text(), Q("태초에"));
        box.SetSel(0, 0);
        messages.QueueAnswer(IDOK);
        dlg.SendCommand(ID_COPY);
        QCOMPARE(QApplication::clipboard()->text(), Q("[1] 태초에\n[2] 땅이"));
        QCOMPARE(messages.Texts(),
                 (std::vector<std::string>(2, "선택한 영역이 클립보드로 복사되었습니다.")));
        QCOMPARE(Q(messages.Messages()[0].caption), Q(kAppTitle));
        // An empty box: nothing copied, nothing said.
        QApplication::clipboard()->setText("before");
        box.SetWindowText("");
        dlg.SendCommand(ID_COPY);
        QCOMPARE(QApplication::clipboard()->text(), QString("before"));
        QCOMPARE(messages.Messages().size(), std::size_t(2));
        QCOMPARE(Q(box.GetWindowText()), QString());
        dlg.DestroyWindow();
    }

    void focusNotificationsDriveTheInputPanel() {
        CProbeDlg dlg(IDD_SEARCH);
        dlg.Create();
        QVERIFY(!IsInputPanelShown());
        dlg.EditItem(IDC_SEARCH_WORD).SetFocus();
        SipShowIM(SIPF_ON);
        QVERIFY(IsInputPanelShown());
        // The panel never covers the edit box that has the focus.
        const QRect panelRect = CDeviceScreen::Current()->InputPanel().geometry();
        QWidget* edit = dlg.GetDlgItem(IDC_SEARCH_WORD).Widget();
        const QRect editRect(edit->mapTo(CDeviceScreen::Current(), QPoint(0, 0)), edit->size());
        QVERIFY(!panelRect.intersects(editRect));
        QVERIFY(CDeviceScreen::Current()->InputPanel().isVisible());
        // Its keys type into the focused box.
        CInputPanel& panel = CDeviceScreen::Current()->InputPanel();
        QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(panel.width() / 22, 10)); // "1"
        QCOMPARE(Q(dlg.EditItem(IDC_SEARCH_WORD).GetWindowText()), Q("1"));
        dlg.ListItem(IDC_SEARCH_HITS).SetFocus();
        QCOMPARE(dlg.events, (std::vector<std::string>{"word focus", "word blur"}));
        SipShowIM(SIPF_OFF);
        QVERIFY(!panel.isVisible());
        // The user can put it away with its own key.
        SipShowIM(SIPF_ON);
        QTest::mouseClick(&panel, Qt::LeftButton, {},
                          QPoint(panel.width() - 12, panel.height() - 5));
        QVERIFY(!IsInputPanelShown());
        dlg.DestroyWindow();
    }

    void modalRunsNestAndEndInOrder() {
        // The program's own service: a real nested loop for each layer.
        CDialog outer(IDD_HELP);
        CDialog inner(IDD_KOREAN_SELECT);
        QString titleInside;
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                titleInside = CDeviceScreen::Current()->Title();
                inner.ButtonItem(IDC_OK).Click();
            });
            inner.DoModal();
            outer.SendCommand(ID_EXIT);
        });
        QCOMPARE(outer.DoModal(), IDOK);
        QCOMPARE(inner.Result(), IDOK);
        QCOMPARE(titleInside, Q("성경선택"));
        QVERIFY(CDeviceScreen::Current()->TopDialog() == nullptr);
    }

    void realMessageBoxesAnswerWithTheirButtons() {
        QTimer::singleShot(0, [] {
            QWidget* box = CDeviceScreen::Current()->TopLayer();
            QVERIFY(box != nullptr);
            QCOMPARE(CDeviceScreen::Current()->Title(), Q("질문"));
            box->findChild<QWidget*>(QString::number(IDNO))->setFocus();
            QTest::mouseClick(box->findChild<QWidget*>(QString::number(IDNO)), Qt::LeftButton);
        });
        QVERIFY(!AskYesNo("다음 장으로 이동할까요?", "질문"));
        QTimer::singleShot(
            0, [] { QTest::keyClick(CDeviceScreen::Current()->TopLayer(), Qt::Key_Escape); });
        QCOMPARE(ShowMessage("알림"), IDOK);
    }

    void scriptedServiceReportsWhatNobodyExpected() {
        std::vector<std::string> problems;
        {
            CScriptedMessages scripted([&](const std::string& p) { problems.push_back(p); });
            QCOMPARE(ShowMessage("첫째"), IDOK); // unexpected: answered OK, reported
            QVERIFY(!AskYesNo("둘째?"));         // unexpected question: answered No
            scripted.QueueAnswer(IDYES);
            QVERIFY(AskYesNo("셋째?"));
            CDialog dlg(IDD_ABOUT);
            dlg.DoModal(); // nothing queued: reported and closed, never waiting
            scripted.QueueDialog([](CDialog&) {});
            CDialog left(IDD_ABOUT);
            left.DoModal();             // the script leaves it open: reported
            scripted.QueueAnswer(IDOK); // never used
        }
        QCOMPARE(problems.size(), std::size_t(5));
        QVERIFY(problems[0].find("첫째") != std::string::npos);
        QVERIFY(problems[1].find("둘째?") != std::string::npos);
        QVERIFY(problems[2].find("프로그램 정보") != std::string::npos);
        QVERIFY(problems[3].find("left open") != std::string::npos);
        QVERIFY(problems[4].find("never asked") != std::string::npos);
    }

    void quitEndsEveryOpenModalRun() {
        CDialog outer(IDD_LAUNCHER);
        CDialog inner(IDD_ABOUT);
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [] { PostQuitMessage(0); });
            inner.DoModal();
        });
        outer.DoModal();
        QVERIFY(QuitPosted());
        QVERIFY(inner.IsEnded() && outer.IsEnded());
        CDialog after(IDD_ABOUT);
        after.DoModal(); // nothing opens once the program is ending
        QVERIFY(!after.IsOpen());
    }

    void postedCloseEndsAfterInitialisation() {
        class CClosingDlg : public CDialog {
        public:
            CClosingDlg() : CDialog(IDD_ABOUT) {}
            bool OnInitDialog() override {
                PostCloseMessage();
                return true;
            }
        };
        CClosingDlg dlg;
        QCOMPARE(dlg.DoModal(), IDCANCEL);
    }

    void hangulFaceForEveryTemplateFont() {
        for (const char* face : {"Tahoma", "System"}) {
            const QFont font = MakeFont(face, 14);
            QCOMPARE(QFontInfo(font).family(), QString(kHangulFace));
            // The height is the whole cell: the largest em whose cell fits 14 pixels.
            QVERIFY(QFontMetrics(font).height() <= 14);
            QFont bigger = font;
            bigger.setPixelSize(font.pixelSize() + 1);
            QVERIFY(QFontMetrics(bigger).height() > 14);
            QVERIFY(QFontMetrics(font).inFont(QChar(0xD55C))); // 한
        }
        CDialog dlg(IDD_LAUNCHER);
        dlg.Create();
        QCOMPARE(QFontInfo(dlg.GetDlgItem(IDC_LAUNCH_KOREAN).Widget()->font()).family(),
                 QString(kHangulFace));
        dlg.DestroyWindow();
    }

    void waitCursorIsRecordedAndBalanced() {
        SetWaitCursor();
        SetWaitCursor();
        QVERIFY(IsWaitCursorShown());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        SetArrowCursor();
        QVERIFY(!IsWaitCursorShown());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void screenSizeIsTheDeviceScreens() {
        QCOMPARE(DeviceScreenSize(), QSize(240, 320));
        QCOMPARE(CDeviceScreen::Current()->size(), QSize(240, 320));
        {
            CDeviceScreen landscape(QSize(320, 240));
            QCOMPARE(DeviceScreenSize(), QSize(320, 240));
        }
        QCOMPARE(DeviceScreenSize(), QSize(240, 320));
    }
};

QRV_SCREEN_TEST_MAIN(PlatformScreenTest)
#include "PlatformScreenTest.moc"
