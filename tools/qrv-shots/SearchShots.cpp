#include "CLauncherDlg.h"
#include "ResourceIds.h"
#include "ShotContext.h"

namespace {
constexpr int kLimit100 = 6;
constexpr int kJohnInBookBox = 42;
constexpr int kChapter3 = 2;
constexpr int kEnglish = 1;

void LookUpJohn3(CDialog& search) {
    search.ComboItem(IDC_SEARCH_BOOK).SelectByUser(kJohnInBookBox);
    search.ComboItem(IDC_SEARCH_CHAPTER).SelectByUser(kChapter3);
    search.EditItem(IDC_SEARCH_FIRST_VERSE).SetWindowText("16");
    search.EditItem(IDC_SEARCH_LAST_VERSE).SetWindowText("18");
    search.ButtonItem(IDC_SEARCH_LOOKUP).Click();
}
} // namespace

// The search screen after a keyword search, a verse view of its first hit, a verse lookup and
// the parallel text of an English lookup. Opened from the launcher, as the user opens it.
void SearchShots(CShotContext& shots) {
    CLauncherDlg launcher;
    launcher.Create();
    shots.QueueDialog([&shots](CDialog& search) {
        search.ComboItem(IDC_SEARCH_LIMIT).SelectByUser(kLimit100);
        search.EditItem(IDC_SEARCH_WORD).SetWindowText("사랑");
        search.ButtonItem(IDC_SEARCH_FIND).Click();
        shots.Save("search-keyword");

        shots.QueueDialog([&shots](CDialog& view) {
            shots.Save("verse-view");
            view.SendCommand(ID_EXIT);
        });
        search.ListItem(IDC_SEARCH_HITS).TapRow(0);

        LookUpJohn3(search);
        shots.Save("search-lookup");

        search.ComboItem(IDC_SEARCH_LANGUAGE).SelectByUser(kEnglish);
        LookUpJohn3(search);
        search.SendCommand(ID_PARALLEL_SEARCH);
        shots.Save("search-parallel");
        search.SendCommand(ID_EXIT);
    });
    launcher.ButtonItem(IDC_LAUNCH_SEARCH).Click();
    launcher.DestroyWindow();
}
