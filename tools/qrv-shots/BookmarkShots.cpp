#include "AddBookmarkFromChapterView.h"
#include "CLauncherDlg.h"
#include "InputPanel.h"
#include "ResourceIds.h"
#include "ShotContext.h"

// The bookmark list, its delete question, the view screen and the add dialog as the Korean
// chapter view opens it.
void BookmarkShots(CShotContext& shots) {
    shots.WriteDataFile("kBookMark.txt", "QRV Vellumreader Ver2.3 Bookmark \n"
                                         "BM1:로마서:45:8:28-30\n"
                                         "목자:시편:19:23:1-6\n"
                                         "사랑:고린도전서:46:13:4-7\n"
                                         "태초:창세기:1:1:1-1\n"
                                         "새 계명:요한복음:43:13:34-35\n");
    // The launcher finds the data folder and loads the chapter indexes, as at program start.
    CLauncherDlg launcher;
    launcher.Create();

    shots.QueueDialog([&shots](CDialog& list) {
        shots.Save("bookmarks");
        list.ButtonItem(IDC_BOOKMARK_MODE_DELETE).Click();
        shots.SaveNextMessage("bookmarks-delete-question");
        shots.QueueAnswer(IDNO);
        list.ListItem(IDC_BOOKMARK_LIST).TapRow(2);

        list.ButtonItem(IDC_BOOKMARK_MODE_VIEW).Click();
        shots.QueueDialog([&shots](CDialog& view) {
            shots.Save("bookmark-view");
            view.SendCommand(ID_EXIT);
        });
        list.ListItem(IDC_BOOKMARK_LIST).TapRow(1);
        list.SendCommand(ID_EXIT);
    });
    launcher.ButtonItem(IDC_LAUNCH_BOOKMARKS).Click();

    shots.QueueDialog([&shots](CDialog& add) {
        shots.Save("add-bookmark-romans-8");
        add.SendCommand(ID_EXIT);
    });
    AddBookmarkFromChapterView(45, 8, &launcher);
    // The add dialog leaves the input panel up; the next pictures start without it.
    SipShowIM(SIPF_OFF);
    launcher.DestroyWindow();
}
