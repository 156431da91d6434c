#include "CVerseViewDlg.h"

#include "Clipboard.h"
#include "Fonts.h"
#include "ResourceIds.h"

namespace {
constexpr int kBodyFontHeight = 14;
}

CVerseViewDlg::CVerseViewDlg() : CDialog(IDD_VERSE_VIEW) {
    BindHandlers<CVerseViewDlg>({
        {Notify::Command, ID_COPY, &CVerseViewDlg::OnCopy},
    });
}

void CVerseViewDlg::SetFields(const VerseViewFields& fields) {
    m_searchWord = fields.searchWord;
    m_numberText = fields.numberText;
    m_bookText = fields.bookText;
    m_chapterText = fields.chapterText;
    m_verseText = fields.verseText;
    m_bodyText = fields.bodyText;
}

bool CVerseViewDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_commandBar.Create(*this);
    m_commandBar.AddToolbar(IDR_TOOLBAR_COPY_EXIT);
    EditItem(IDC_VERSE_WORD).SetWindowText(m_searchWord);
    EditItem(IDC_VERSE_NUMBER).SetWindowText(m_numberText);
    EditItem(IDC_VERSE_BOOK).SetWindowText(m_bookText);
    EditItem(IDC_VERSE_CHAPTER).SetWindowText(m_chapterText);
    EditItem(IDC_VERSE_VERSE).SetWindowText(m_verseText);
    // The font goes on first, so the text is laid out once, in the font it is read in.
    m_bodyFont = MakeFont("Tahoma", kBodyFontHeight);
    CEdit& body = EditItem(IDC_VERSE_BODY);
    body.SetFont(m_bodyFont, true);
    body.SetWindowText(m_bodyText);
    return true;
}

void CVerseViewDlg::OnCopy() {
    CopySelectionToClipboard(EditItem(IDC_VERSE_BODY));
}
