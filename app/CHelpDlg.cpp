#include "CHelpDlg.h"

#include "Cursor.h"
#include "HelpText.h"
#include "ResourceIds.h"
#include "ScriptureStore.h"
#include "TextUtil.h"

CHelpDlg::CHelpDlg() : CDialog(IDD_HELP) {}

bool CHelpDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_commandBar.Create(*this);
    m_commandBar.AddToolbar(IDR_TOOLBAR_EXIT);
    const std::string path = DataFilePath("kHelp.txt");
    std::string text;
    if (LoadHelpText(path, text)) {
        EditItem(IDC_HELP_TEXT).SetWindowText(text);
        SetArrowCursor();
    } else {
        SetArrowCursor();
        ShowMessage(StrFormat("%s 화일이 없습니다.", path.c_str()));
    }
    // The text box is not focused, so its text isn't selected on opening.
    return false;
}
