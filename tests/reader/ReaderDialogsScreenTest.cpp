#include "AtomicFile.h"
#include "CEnglishChapterDlg.h"
#include "CKoreanChapterDlg.h"
#include "FontTextMeasurer.h"
#include "ReaderScreenFolder.h"
#include "ResourceIds.h"

#include <QLabel>

namespace {

const QColor kOlive(128, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kGrey(192, 192, 192);
const QRect kBand(0, 26, 240, 90);
const std::string kKoreanConfHeader = "Qrv Vellumreader Ver2.5 한글성경 수동책갈피\n";
const std::string kEnglishConfHeader = "QRV Vellumreader Ver 2.5 영어성경 수동책갈피\r\n";

QString Title(const CDialog& view) {
    return view.ClientWidget()->accessibleName();
}

int ScrollPos(const CDialog& view) {
    return view.ScrollBarItem(IDC_CHAPTER_SCROLL).GetScrollPos();
}

std::vector<std::string> Items(const CComboBox& box) {
    std::vector<std::string> items;
    for (int i = 0; i < box.GetCount(); ++i) {
        items.push_back(box.GetLBText(i));
    }
    return items;
}

std::vector<std::intptr_t> Values(const CComboBox& box) {
    std::vector<std::intptr_t> values;
    for (int i = 0; i < box.GetCount(); ++i) {
        values.push_back(box.GetItemData(i));
    }
    return values;
}

// The three lists of a selector or manual bookmark: the selected items' texts.
QString Shown(const CDialog& dlg) {
    return Q(dlg.ComboItem(IDC_SELECT_TESTAMENT).GetWindowText() + " / " +
             dlg.ComboItem(IDC_SELECT_BOOK).GetWindowText() + " / " +
             dlg.ComboItem(IDC_SELECT_CHAPTER).GetWindowText());
}

// Checks the chapter list of a selector opened on Psalm 119.
void CheckPsalmChapters(const CDialog& selector, const std::string& unit) {
    const CComboBox& chapters = selector.ComboItem(IDC_SELECT_CHAPTER);
    QCOMPARE(chapters.GetCount(), 150);
    QCOMPARE(Q(chapters.GetLBText(0)), Q("  1 " + unit));
    QCOMPARE(Q(chapters.GetLBText(8)), Q("  9 " + unit));
    QCOMPARE(Q(chapters.GetLBText(118)), Q("119 " + unit));
    QCOMPARE(Q(chapters.GetLBText(149)), Q("150 " + unit));
    QCOMPARE(chapters.GetItemData(118), std::intptr_t{119});
    QCOMPARE(chapters.GetCurSel(), 118);
    QCOMPARE(selector.ComboItem(IDC_SELECT_BOOK).GetCurSel(), 18);
    QCOMPARE(selector.ComboItem(IDC_SELECT_BOOK).GetItemData(18), std::intptr_t{19});
}

// A light grey band right under the title bar, statics included.
void CheckGreyBand(const CDialog& popup) {
    QCOMPARE(popup.GetWindowRect(), kBand);
    const QImage image = GrabClient(popup);
    QCOMPARE(image.pixelColor(4, 6), kGrey);
    const auto* label = popup.ClientWidget()->findChild<QLabel*>();
    QVERIFY(label != nullptr);
    const QRect r = label->geometry();
    QCOMPARE(image.pixelColor(r.right() - 1, r.bottom() - 1), kGrey);
}

// Text drawn in olive on white: its darkest pixels are yellowish, not grey.
bool HasOliveInk(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 200 && std::abs(c.red() - c.green()) < 12 && c.blue() < c.red() - 60) {
                return true;
            }
        }
    }
    return false;
}

QColor Pixel(const CDialog& dlg, int x, int y) {
    return GrabClient(dlg).pixelColor(x, y);
}

} // namespace

class ReaderDialogsScreenTest : public QObject {
    Q_OBJECT

private slots:
    void selectorsOpenOnTheViewsChapter() {
        CReaderFolder folder;
        CTestMessages messages;
        folder.WriteKoreanReadPoint("19:119:13:14:0");
        folder.WriteEnglishReadPoint("19:119:13:14:0");
        {
            CKoreanChapterDlg view;
            view.Create();
            QCOMPARE(ScrollPos(view), 13);
            messages.QueueDialog([](CDialog& selector) {
                CheckGreyBand(selector);
                QCOMPARE(Items(selector.ComboItem(IDC_SELECT_TESTAMENT)),
                         (std::vector<std::string>{"구약", "신약"}));
                QCOMPARE(Values(selector.ComboItem(IDC_SELECT_TESTAMENT)),
                         (std::vector<std::intptr_t>{1, 2}));
                QCOMPARE(selector.ComboItem(IDC_SELECT_BOOK).GetCount(), 39);
                CheckPsalmChapters(selector, "편");
                QCOMPARE(Shown(selector), Q("구약 / 시편 / 119 편"));
                selector.ButtonItem(IDC_CANCEL).Click();
            });
            view.CommandBar().Press(ID_SELECT_CHAPTER);
            QCOMPARE(messages.DialogsRun().back(), IDD_KOREAN_SELECT);
            // Cancelled: the Korean view does not reload and stays where it was.
            QCOMPARE(Title(view), Q("말씀 - 시편 : 119 편"));
            QCOMPARE(ScrollPos(view), 13);
            QVERIFY(view.GetDlgItem(IDC_CHAPTER_SCROLL).HasFocus());
            view.DestroyWindow();
        }
        {
            CEnglishChapterDlg view;
            view.Create();
            QCOMPARE(ScrollPos(view), 13);
            messages.QueueDialog([](CDialog& selector) {
                CheckGreyBand(selector);
                QCOMPARE(Items(selector.ComboItem(IDC_SELECT_TESTAMENT)),
                         (std::vector<std::string>{"OLD_TS", "NEW_TS"}));
                CheckPsalmChapters(selector, "Ch");
                QCOMPARE(Shown(selector), Q("OLD_TS / Psalms / 119 Ch"));
                selector.ButtonItem(IDC_CANCEL).Click();
            });
            view.CommandBar().Press(ID_SELECT_CHAPTER);
            QCOMPARE(messages.DialogsRun().back(), IDD_ENGLISH_SELECT);
            // The English view reloads even after cancel: the same chapter from its top.
            QCOMPARE(Title(view), Q("Words - Psalms : 119"));
            QCOMPARE(ScrollPos(view), 0);
            view.DestroyWindow();
        }
        QVERIFY(messages.Messages().empty());
    }

    void choosingABookOpensItsFirstChapter() {
        CReaderFolder folder;
        CTestMessages messages;
        CKoreanChapterDlg view;
        view.Create();
        view.CommandBar().Press(ID_PAGE_DOWN);
        messages.QueueDialog([](CDialog& selector) {
            selector.ComboItem(IDC_SELECT_TESTAMENT).SelectByUser(1);
            QCOMPARE(selector.ComboItem(IDC_SELECT_BOOK).GetCount(), 27);
            QCOMPARE(Shown(selector), Q("신약 / 성경선택 / "));
            QCOMPARE(selector.ComboItem(IDC_SELECT_CHAPTER).GetCount(), 0);
            selector.ComboItem(IDC_SELECT_BOOK).SelectByUser(3);
            QCOMPARE(selector.ComboItem(IDC_SELECT_CHAPTER).GetCount(), 21);
            QCOMPARE(Shown(selector), Q("신약 / 요한복음 /   1 장"));
            selector.ButtonItem(IDC_OK).Click();
        });
        view.CommandBar().Press(ID_SELECT_CHAPTER);
        QCOMPARE(Title(view), Q("말씀 - 요한복음 :   1 장"));
        QCOMPARE(ScrollPos(view), 0);
        QVERIFY(view.GetDlgItem(IDC_CHAPTER_SCROLL).HasFocus());

        // A testament alone chooses nothing; OK still reloads the same chapter from its top.
        view.CommandBar().Press(ID_PAGE_DOWN);
        messages.QueueDialog([](CDialog& selector) {
            selector.ComboItem(IDC_SELECT_TESTAMENT).SelectByUser(0);
            selector.ButtonItem(IDC_OK).Click();
        });
        view.CommandBar().Press(ID_SELECT_CHAPTER);
        QCOMPARE(Title(view), Q("말씀 - 요한복음 :   1 장"));
        QCOMPARE(ScrollPos(view), 0);

        // Cancel after those confirmations still leaves the Korean view where it is.
        view.CommandBar().Press(ID_PAGE_DOWN);
        messages.QueueDialog([](CDialog& selector) { selector.ButtonItem(IDC_CANCEL).Click(); });
        view.CommandBar().Press(ID_SELECT_CHAPTER);
        QCOMPARE(ScrollPos(view), 13);
        view.DestroyWindow();

        CEnglishChapterDlg english;
        english.Create();
        messages.QueueDialog([](CDialog& selector) {
            selector.ComboItem(IDC_SELECT_TESTAMENT).SelectByUser(1);
            QCOMPARE(Shown(selector), Q("NEW_TS / Volume / Chapter"));
            selector.ComboItem(IDC_SELECT_BOOK).SelectByUser(3);
            selector.ComboItem(IDC_SELECT_CHAPTER).SelectByUser(2);
            QCOMPARE(Shown(selector), Q("NEW_TS / John /   3 Ch"));
            selector.ButtonItem(IDC_OK).Click();
        });
        english.CommandBar().Press(ID_SELECT_CHAPTER);
        QCOMPARE(Title(english), Q("Words - John : 3"));
        english.DestroyWindow();
        QVERIFY(messages.Messages().empty());
    }

    void manualBookmarkSavesAndBringsBackItsPlace() {
        CReaderFolder folder;
        CTestMessages messages;
        CKoreanChapterDlg view;
        view.Create();
        view.ScrollBarItem(IDC_CHAPTER_SCROLL).UserAction(SB_THUMBTRACK, 30);
        QCOMPARE(ScrollPos(view), 30);
        messages.QueueDialog([&messages](CDialog& bookmark) {
            CheckGreyBand(bookmark);
            QCOMPARE(Shown(bookmark), Q("구약 / 창세기 /   1 장"));
            // Moved off its band while the message box covers it, it paints itself back.
            bookmark.Widget()->setGeometry(0, 120, 200, 80);
            messages.QueueAnswer(IDOK);
            bookmark.ButtonItem(IDC_CONFPOINT_SAVE).Click();
            QCOMPARE(messages.Messages().back(),
                     (MessageRecord{kAppTitle, "수동책갈피 저장완료", MB_OK}));
            bookmark.UpdateWindow();
            QCOMPARE(bookmark.GetWindowRect(), kBand);
            bookmark.ButtonItem(IDC_CANCEL).Click();
        });
        view.CommandBar().Press(ID_MANUAL_BOOKMARK);
        QCOMPARE(messages.DialogsRun().back(), IDD_KOREAN_CONFPOINT);
        QCOMPARE(Q(folder.Read("kConfPoint.txt")), Q(kKoreanConfHeader + "1:1:30:14:0"));
        QCOMPARE(ScrollPos(view), 30); // cancelled: no reload

        messages.QueueAnswer(IDYES);
        view.KeyDown(VK_RIGHT);
        QCOMPARE(Title(view), Q("말씀 - 창세기 :   2 장"));
        messages.QueueDialog([](CDialog& bookmark) {
            bookmark.ButtonItem(IDC_OK).Click(); // without a load: nothing happens
        });
        view.CommandBar().Press(ID_MANUAL_BOOKMARK);
        QCOMPARE(Title(view), Q("말씀 - 창세기 :   2 장"));

        messages.QueueDialog([](CDialog& bookmark) {
            QCOMPARE(Shown(bookmark), Q("구약 / 창세기 /   2 장"));
            bookmark.ButtonItem(IDC_CONFPOINT_LOAD).Click();
            QCOMPARE(Shown(bookmark), Q("구약 / 창세기 /   1 장"));
            bookmark.ButtonItem(IDC_OK).Click();
        });
        view.CommandBar().Press(ID_MANUAL_BOOKMARK);
        QCOMPARE(Title(view), Q("말씀 - 창세기 :   1 장"));
        QCOMPARE(ScrollPos(view), 30);
        QVERIFY(view.GetDlgItem(IDC_CHAPTER_SCROLL).HasFocus());

        // A save that can't be written says so and keeps the old file.
        messages.QueueDialog([&messages](CDialog& bookmark) {
            bookmark.ComboItem(IDC_SELECT_BOOK).SelectByUser(1);
            QCOMPARE(Shown(bookmark), Q("구약 / 출애굽기 /   1 장"));
            SetAtomicWriteFailureForTesting(true);
            messages.QueueAnswer(IDOK);
            bookmark.ButtonItem(IDC_CONFPOINT_SAVE).Click();
            SetAtomicWriteFailureForTesting(false);
            QCOMPARE(Q(messages.Texts().back()), Q("수동책갈피 저장실패"));
            bookmark.ButtonItem(IDC_CANCEL).Click();
        });
        view.CommandBar().Press(ID_MANUAL_BOOKMARK);
        QCOMPARE(Q(folder.Read("kConfPoint.txt")), Q(kKoreanConfHeader + "1:1:30:14:0"));
        view.DestroyWindow();
        QVERIFY(messages.PendingAnswers() == 0);
    }

    void englishManualBookmarkStartsItsFileOnTheFirstLoad() {
        CReaderFolder folder;
        CTestMessages messages;
        folder.WriteEnglishReadPoint("43:1:14:14:0");
        CEnglishChapterDlg view;
        view.Create();
        messages.QueueDialog([](CDialog& bookmark) {
            CheckGreyBand(bookmark);
            QCOMPARE(Shown(bookmark), Q("NEW_TS / John /   1 Ch"));
            bookmark.ButtonItem(IDC_CONFPOINT_LOAD).Click();
            bookmark.ButtonItem(IDC_OK).Click();
        });
        view.CommandBar().Press(ID_MANUAL_BOOKMARK);
        QCOMPARE(messages.DialogsRun().back(), IDD_ENGLISH_CONFPOINT);
        QCOMPARE(Q(folder.Read("eConfPoint.txt")), Q(kEnglishConfHeader + "43:1:14:14:0"));
        QCOMPARE(Title(view), Q("Words - John : 1"));
        QCOMPARE(ScrollPos(view), 14);
        view.DestroyWindow();
        QVERIFY(messages.Messages().empty());
    }

    void fontSettingsPaintTheChoiceAndHandItToTheView() {
        CReaderFolder folder;
        CTestMessages messages;
        CKoreanChapterDlg view;
        view.Create();
        messages.QueueDialog([](CDialog& font) {
            const CComboBox& sizes = font.ComboItem(IDC_FONT_SIZE);
            QCOMPARE(Items(sizes), (std::vector<std::string>{"12", "14", "16", "18", "20"}));
            QCOMPARE(Values(sizes), (std::vector<std::intptr_t>{12, 14, 16, 18, 20}));
            QCOMPARE(sizes.GetCurSel(), 1);

            QImage image = GrabClient(font);
            const QColor dialogBack = image.pixelColor(5, 120);
            QCOMPARE(image.pixelColor(143, 37), QColor(Qt::black)); // outlines
            QCOMPARE(image.pixelColor(206, 54), QColor(Qt::black));
            QCOMPARE(image.pixelColor(150, 45), QColor(Qt::black));  // chosen text colour
            QCOMPARE(image.pixelColor(150, 120), QColor(Qt::white)); // chosen background
            QCOMPARE(image.pixelColor(87, 92), kOlive);              // swatch 10
            QCOMPARE(image.pixelColor(87, 167), kOlive);             // background swatch 10
            QCOMPARE(image.pixelColor(53, 70), dialogBack);          // the gap
            QCOMPARE(image.pixelColor(54, 70), dialogBack);
            QVERIFY(HasInk(image, QRect(35, 190, 170, 14), Qt::white));
            QVERIFY(HasInk(image, QRect(35, 206, 170, 14), Qt::white));
            QVERIFY(!HasInk(image, QRect(35, 224, 170, 10), Qt::white));

            font.PenUp(QPoint(80, 90));
            image = GrabClient(font);
            QCOMPARE(image.pixelColor(150, 45), kOlive);
            QCOMPARE(FirstInkRow(image, QRect(34, 186, 172, 50), Qt::white) >= 190, true);
            QVERIFY2(HasOliveInk(image, QRect(35, 190, 170, 30)), "the sample is redrawn in olive");

            font.PenUp(QPoint(54, 140)); // a gap: nothing changes
            QCOMPARE(GrabClient(font), image);
            font.PenUp(QPoint(163, 155)); // the corner of blue, edges count
            QCOMPARE(Pixel(font, 150, 120), kBlue);
            QCOMPARE(Pixel(font, 100, 233), kBlue);

            font.ComboItem(IDC_FONT_SIZE).SelectByUser(4);
            image = GrabClient(font);
            QVERIFY2(HasInk(image, QRect(35, 224, 170, 10), kBlue), "the English line moved down");
            QVERIFY2(!HasInk(image, QRect(207, 186, 25, 50), dialogBack),
                     "the sample is cut off at the area's edge");
            font.ButtonItem(IDC_OK).Click();
        });
        view.CommandBar().Press(ID_FONT_KOREAN);
        QCOMPARE(messages.DialogsRun().back(), IDD_FONT_SETTINGS);
        QCOMPARE(view.Model().m_linesPerPage, 10);
        QCOMPARE(view.ViewFont(), CFontTextMeasurer::ViewFont(20));
        QVERIFY(view.GetDlgItem(IDC_CHAPTER_SCROLL).HasFocus());
        const QImage page = GrabClient(view);
        QCOMPARE(page.pixelColor(1, 23), kOlive);
        QCOMPARE(page.pixelColor(1, 24), kBlue);

        // Cancel after changes leaves the view as it was and where it was.
        view.ScrollBarItem(IDC_CHAPTER_SCROLL).UserAction(SB_THUMBTRACK, 5);
        messages.QueueDialog([](CDialog& font) {
            QCOMPARE(font.ComboItem(IDC_FONT_SIZE).GetCurSel(), 4);
            QCOMPARE(Pixel(font, 150, 45), kOlive);
            font.PenUp(QPoint(40, 70));
            font.ComboItem(IDC_FONT_SIZE).SelectByUser(0);
            font.ButtonItem(IDC_CANCEL).Click();
        });
        view.CommandBar().Press(ID_FONT_KOREAN);
        QCOMPARE(view.ViewFont(), CFontTextMeasurer::ViewFont(20));
        QCOMPARE(ScrollPos(view), 5);
        QCOMPARE(GrabClient(view).pixelColor(1, 23), kOlive);
        view.DestroyWindow();
        QCOMPARE(Q(folder.Read("kReadPoint.txt")),
                 Q(std::string(kKoreanClosingHeader) + "1:1:5:20:0\r\n128:128:0\r\n0:0:255"));

        // The English view opens the same dialog with its own command.
        CEnglishChapterDlg english;
        english.Create();
        messages.QueueDialog([](CDialog& font) {
            font.ComboItem(IDC_FONT_SIZE).SelectByUser(0);
            font.ButtonItem(IDC_OK).Click();
        });
        english.CommandBar().Press(ID_FONT_ENGLISH);
        QCOMPARE(english.Model().m_linesPerPage, 16);
        english.DestroyWindow();
        QVERIFY(messages.Messages().empty());
    }
};

QRV_SCREEN_TEST_MAIN(ReaderDialogsScreenTest)
#include "ReaderDialogsScreenTest.moc"
