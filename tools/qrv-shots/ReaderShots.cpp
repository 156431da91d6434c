#include "CEnglishChapterDlg.h"
#include "CKoreanChapterDlg.h"
#include "CLauncherDlg.h"
#include "ResourceIds.h"
#include "ShotContext.h"

#include <string>
#include <string_view>

namespace {

std::string KoreanReadPoint(std::string_view position, std::string_view text,
                            std::string_view back) {
    return "QRV Vellumreader Ver2.5 한글성경 자동책갈피\r\n" + std::string(position) + "\r\n" +
           std::string(text) + "\r\n" + std::string(back);
}

std::string EnglishReadPoint(std::string_view position) {
    return "QRV Vellumreader Ver2.5 영어성경 자동책갈피\r\n" + std::string(position) +
           "\r\n0:0:0\r\n255:255:255";
}

// The Korean view as a reader first meets it, its help box, a chapter question and the font
// settings over it (a swatch tapped, then the largest size); then parallel text.
void KoreanViewShots(CShotContext& shots) {
    CKoreanChapterDlg view;
    view.Create();
    shots.Save("reader-korean-genesis-1");
    shots.SaveNextMessage("reader-korean-help");
    view.SendCommand(ID_HELP);
    shots.QueueAnswer(IDNO);
    shots.SaveNextMessage("reader-korean-next-chapter");
    view.KeyDown(VK_RIGHT);
    shots.QueueDialog([&shots](CDialog& font) {
        font.PenUp(QPoint(80, 90)); // olive text
        shots.Save("reader-font-settings-olive");
        font.ComboItem(IDC_FONT_SIZE).SelectByUser(4);
        shots.Save("reader-font-settings-size-20");
        font.ButtonItem(IDC_CANCEL).Click();
    });
    view.SendCommand(ID_FONT_KOREAN);
    view.DestroyWindow();

    shots.WriteDataFile("kReadPoint.txt", KoreanReadPoint("19:23:0:14:1", "0:0:0", "255:255:255"));
    CKoreanChapterDlg parallel;
    parallel.Create();
    shots.Save("reader-korean-psalm-23-parallel");
    parallel.DestroyWindow();
}

// Large white text on navy, with the selector and the manual bookmark over it.
void KoreanPopupShots(CShotContext& shots) {
    shots.WriteDataFile("kReadPoint.txt",
                        KoreanReadPoint("19:119:0:20:0", "255:255:255", "0:0:128"));
    CKoreanChapterDlg view;
    view.Create();
    shots.Save("reader-korean-size-20-navy");

    shots.QueueDialog([&shots](CDialog& selector) {
        shots.Save("reader-korean-selector-psalm-119");
        selector.ButtonItem(IDC_CANCEL).Click();
    });
    view.SendCommand(ID_SELECT_CHAPTER);

    shots.QueueDialog([&shots](CDialog& bookmark) {
        shots.Save("reader-korean-manual-bookmark");
        shots.SaveNextMessage("reader-korean-manual-bookmark-saved");
        bookmark.ButtonItem(IDC_CONFPOINT_SAVE).Click();
        bookmark.ButtonItem(IDC_CANCEL).Click();
    });
    view.SendCommand(ID_MANUAL_BOOKMARK);

    view.DestroyWindow();
}

void EnglishViewShots(CShotContext& shots) {
    shots.WriteDataFile("eReadPoint.txt", EnglishReadPoint("43:1:0:14:0"));
    CEnglishChapterDlg view;
    view.Create();
    shots.Save("reader-english-john-1");
    view.SendCommand(ID_PARALLEL_ENGLISH);
    shots.Save("reader-english-john-1-parallel");
    view.SendCommand(ID_PARALLEL_ENGLISH);
    view.DestroyWindow();

    shots.WriteDataFile("eReadPoint.txt", EnglishReadPoint("19:119:0:14:0"));
    CEnglishChapterDlg psalms;
    psalms.Create();
    shots.QueueDialog([&shots](CDialog& selector) {
        shots.Save("reader-english-selector-psalm-119");
        selector.ButtonItem(IDC_CANCEL).Click();
    });
    psalms.SendCommand(ID_SELECT_CHAPTER);
    shots.QueueDialog([&shots](CDialog& bookmark) {
        shots.Save("reader-english-manual-bookmark");
        bookmark.ButtonItem(IDC_CANCEL).Click();
    });
    psalms.SendCommand(ID_MANUAL_BOOKMARK);
    psalms.DestroyWindow();
}

} // namespace

// The two chapter views and every pop-up they open.
void ReaderShots(CShotContext& shots) {
    // The launcher finds the data folder and loads the chapter indexes the views read through.
    CLauncherDlg launcher;
    launcher.Create();
    KoreanViewShots(shots);
    KoreanPopupShots(shots);
    EnglishViewShots(shots);
    launcher.DestroyWindow();
}
