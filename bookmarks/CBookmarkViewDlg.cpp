#include "CBookmarkViewDlg.h"

#include "Clipboard.h"
#include "Fonts.h"
#include "ResourceIds.h"

#include <utility>

CBookmarkViewDlg::CBookmarkViewDlg(std::string titleLine, std::string referenceLine,
                                   std::string body)
    : CDialog(IDD_BOOKMARK_VIEW), m_titleLine(std::move(titleLine)),
      m_referenceLine(std::move(referenceLine)), m_body(std::move(body)) {
    BindHandlers<CBookmarkViewDlg>({
        {Notify::Command, ID_COPY, &CBookmarkViewDlg::OnCopy},
    });
}

bool CBookmarkViewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_commandBar.Create(*this);
    m_commandBar.AddToolbar(IDR_TOOLBAR_COPY_EXIT);
    StaticItem(IDC_BOOKMARK_TITLE_LINE).SetWindowText(m_titleLine);
    StaticItem(IDC_BOOKMARK_REFERENCE_LINE).SetWindowText(m_referenceLine);
    // The font goes on before the text, so the verses are laid out once, in the reading face.
    m_textFont = MakeFont("Tahoma", 14);
    EditItem(IDC_BOOKMARK_BODY).SetFont(m_textFont, true);
    EditItem(IDC_BOOKMARK_BODY).SetWindowText(m_body);
    // The verses are not focused, so they don't open all selected.
    return false;
}

void CBookmarkViewDlg::OnCopy() {
    CopySelectionToClipboard(EditItem(IDC_BOOKMARK_BODY));
}
