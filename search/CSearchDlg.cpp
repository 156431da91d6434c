#include "CSearchDlg.h"

#include "CVerseViewDlg.h"
#include "Clipboard.h"
#include "Cursor.h"
#include "InputPanel.h"
#include "ResourceIds.h"
#include "SearchLimits.h"
#include "SearchScope.h"

namespace {
constexpr int kLanguageBoxWidth = 70;

// `ComboItem` alone would name CDialog's accessor inside the screen.
using BoxItems = std::vector<::ComboItem>;

void AddItems(CComboBox& box, const BoxItems& items) {
    for (const ::ComboItem& item : items) {
        box.SetItemData(box.AddString(item.text), item.data);
    }
}
} // namespace

CSearchDlg::CSearchDlg() : CDialog(IDD_SEARCH) {
    BindHandlers<CSearchDlg>({
        {Notify::SelChange, IDC_SEARCH_LANGUAGE, &CSearchDlg::OnLanguageChange},
        {Notify::SelChange, IDC_SEARCH_LIMIT, &CSearchDlg::OnLimitChange},
        {Notify::SelChange, IDC_SEARCH_SCOPE, &CSearchDlg::OnScopeChange},
        {Notify::SelChange, IDC_SEARCH_BOOK, &CSearchDlg::OnBookChange},
        {Notify::SelChange, IDC_SEARCH_CHAPTER, &CSearchDlg::OnChapterChange},
        {Notify::Clicked, IDC_SEARCH_LOOKUP, &CSearchDlg::OnLookup},
        {Notify::Clicked, IDC_SEARCH_FIND, &CSearchDlg::OnFind},
        {Notify::ListClick, IDC_SEARCH_HITS, &CSearchDlg::OnHitsTap},
        {Notify::Command, ID_COPY, &CSearchDlg::OnCopy},
        {Notify::Command, ID_PARALLEL_SEARCH, &CSearchDlg::OnParallel},
        {Notify::SetFocus, IDC_SEARCH_FIRST_VERSE, &CSearchDlg::OnInputFocus},
        {Notify::SetFocus, IDC_SEARCH_LAST_VERSE, &CSearchDlg::OnInputFocus},
        {Notify::SetFocus, IDC_SEARCH_WORD, &CSearchDlg::OnInputFocus},
        {Notify::KillFocus, IDC_SEARCH_FIRST_VERSE, &CSearchDlg::OnInputFocusLost},
        {Notify::KillFocus, IDC_SEARCH_LAST_VERSE, &CSearchDlg::OnInputFocusLost},
        {Notify::KillFocus, IDC_SEARCH_WORD, &CSearchDlg::OnInputFocusLost},
    });
}

bool CSearchDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_commandBar.Create(*this);
    m_commandBar.InsertComboBox(IDC_SEARCH_LANGUAGE, kLanguageBoxWidth);
    m_commandBar.AddToolbar(IDR_TOOLBAR_SEARCH);
    FillLanguageBox();
    FillLimitBox();
    FillScopeBox();
    CComboBox& books = ComboItem(IDC_SEARCH_BOOK);
    AddItems(books, m_model.SelectScope(kScopeWholeBible));
    books.SetWindowText(kBookBoxInitialText);
    CreateHitColumns();
    // Both share one place and neither is hidden yet; the list, first in the template, lies on
    // top until an operation picks one.
    ListItem(IDC_SEARCH_HITS).Widget()->raise();
    SetArrowCursor();
    return true;
}

void CSearchDlg::OnDestroy() {
    // A text box that still has the focus loses it with the window, unannounced; the panel
    // must not stay over the screen below.
    SipShowIM(SIPF_OFF);
}

void CSearchDlg::FillLanguageBox() {
    CComboBox& box = ComboItem(IDC_SEARCH_LANGUAGE);
    for (int language : {kKoreanBible, kEnglishBible}) {
        box.SetItemData(box.AddString(g_searchLanguageTexts[static_cast<std::size_t>(language)]),
                        language);
    }
    box.SetCurSel(0);
    m_model.SetLanguage(kKoreanBible);
}

void CSearchDlg::FillLimitBox() {
    CComboBox& box = ComboItem(IDC_SEARCH_LIMIT);
    for (const SearchLimitItem& limit : g_searchLimits) {
        box.SetItemData(box.AddString(limit.text), limit.code);
    }
    box.SetCurSel(0);
    m_model.SetLimitCode(g_searchLimits[0].code);
}

void CSearchDlg::FillScopeBox() {
    CComboBox& box = ComboItem(IDC_SEARCH_SCOPE);
    for (std::size_t scope = 0; scope < g_searchScopeTexts.size(); ++scope) {
        box.SetItemData(box.AddString(g_searchScopeTexts[scope]), static_cast<int>(scope));
    }
    box.SetCurSel(kScopeWholeBible);
}

void CSearchDlg::CreateHitColumns() {
    CListCtrl& list = ListItem(IDC_SEARCH_HITS);
    for (std::size_t column = 0; column < g_hitColumns.size(); ++column) {
        list.InsertColumn(static_cast<int>(column), g_hitColumns[column].header, LVCFMT_CENTER,
                          g_hitColumns[column].width);
    }
}

int CSearchDlg::SelectedData(int boxId) const {
    const CComboBox& box = ComboItem(boxId);
    const int selection = box.GetCurSel();
    return selection < 0 ? -1 : static_cast<int>(box.GetItemData(selection));
}

void CSearchDlg::OnLanguageChange() {
    m_model.SetLanguage(SelectedData(IDC_SEARCH_LANGUAGE));
}

void CSearchDlg::OnLimitChange() {
    m_model.SetLimitCode(SelectedData(IDC_SEARCH_LIMIT));
}

void CSearchDlg::OnScopeChange() {
    const BoxItems books = m_model.SelectScope(SelectedData(IDC_SEARCH_SCOPE));
    CComboBox& bookBox = ComboItem(IDC_SEARCH_BOOK);
    bookBox.ResetContent();
    bookBox.SetWindowText(kBookBoxRefilledText);
    ComboItem(IDC_SEARCH_CHAPTER).ResetContent();
    AddItems(bookBox, books);
}

void CSearchDlg::OnBookChange() {
    const BoxItems chapters = m_model.SelectBook(SelectedData(IDC_SEARCH_BOOK));
    CComboBox& chapterBox = ComboItem(IDC_SEARCH_CHAPTER);
    chapterBox.ResetContent();
    chapterBox.SetWindowText(kChapterBoxText);
    AddItems(chapterBox, chapters);
}

void CSearchDlg::OnChapterChange() {
    m_model.SelectChapter(SelectedData(IDC_SEARCH_CHAPTER));
}

void CSearchDlg::OnLookup() {
    LookupVerses();
}

void CSearchDlg::OnFind() {
    SearchKeyword();
}

void CSearchDlg::OnHitsTap() {
    OpenSelectedHits();
}

void CSearchDlg::OnCopy() {
    CopySelectionToClipboard(EditItem(IDC_SEARCH_TEXT));
}

void CSearchDlg::OnParallel() {
    ShowParallelText();
}

void CSearchDlg::OnInputFocus() {
    SipShowIM(SIPF_ON);
}

void CSearchDlg::OnInputFocusLost() {
    SipShowIM(SIPF_OFF);
}

void CSearchDlg::ShowHitList() {
    EditItem(IDC_SEARCH_TEXT).ShowWindow(false);
    ListItem(IDC_SEARCH_HITS).ShowWindow(true);
}

void CSearchDlg::ShowTextBox() {
    ListItem(IDC_SEARCH_HITS).ShowWindow(false);
    EditItem(IDC_SEARCH_TEXT).ShowWindow(true);
}

void CSearchDlg::Report(const SearchMessage& message) {
    const std::string_view caption =
        message.caption.empty() ? std::string_view(kAppTitle) : message.caption;
    ShowMessage(message.text, caption, message.error ? MB_OK | MB_ICONERROR : MB_OK);
}

void CSearchDlg::LookupVerses() {
    ShowTextBox();
    CEdit& textBox = EditItem(IDC_SEARCH_TEXT);
    textBox.SetWindowText("");
    SetWaitCursor();
    const LookupStatus status =
        m_model.LookupVerses(EditItem(IDC_SEARCH_FIRST_VERSE).GetWindowText(),
                             EditItem(IDC_SEARCH_LAST_VERSE).GetWindowText());
    SetArrowCursor();
    SearchMessage message;
    if (m_model.MessageFor(status, message)) {
        Report(message);
    }
    switch (status) {
    case LookupStatus::kShown:
        textBox.SetWindowText(m_model.DisplayText());
        textBox.SetFocus();
        break;
    case LookupStatus::kNoBook:
        ComboItem(IDC_SEARCH_BOOK).SetFocus();
        break;
    case LookupStatus::kNoChapter:
        ComboItem(IDC_SEARCH_CHAPTER).SetFocus();
        break;
    case LookupStatus::kNoFirstVerse:
        EditItem(IDC_SEARCH_FIRST_VERSE).SetFocus();
        break;
    case LookupStatus::kTextUnavailable:
        break;
    }
}

void CSearchDlg::SearchKeyword() {
    ShowHitList();
    SetWaitCursor();
    const KeywordStatus status = m_model.SearchKeyword(EditItem(IDC_SEARCH_WORD).GetWindowText());
    // An empty word stops before the list is touched: the earlier hits stay.
    if (status != KeywordStatus::kEmptyWord) {
        FillHitList();
    }
    SetArrowCursor();
    SearchMessage message;
    if (m_model.MessageFor(status, message)) {
        Report(message);
    }
}

void CSearchDlg::FillHitList() {
    CListCtrl& list = ListItem(IDC_SEARCH_HITS);
    list.DeleteAllItems();
    for (int row = 0; row < m_model.HitCount(); ++row) {
        const HitRowTexts texts = m_model.HitRow(row);
        list.InsertItem(row, texts[0]);
        for (std::size_t column = 1; column < texts.size(); ++column) {
            list.SetItemText(row, static_cast<int>(column), texts[column]);
        }
    }
}

void CSearchDlg::OpenSelectedHits() {
    CListCtrl& list = ListItem(IDC_SEARCH_HITS);
    for (int row : list.GetSelectedRows()) {
        list.SetSelectionMark(row);
        CVerseViewDlg view;
        view.SetFields(m_model.VerseViewOf(row));
        view.DoModal();
    }
    list.SetFocus();
}

void CSearchDlg::ShowParallelText() {
    if (!m_model.CanShowParallelText()) {
        return;
    }
    ShowTextBox();
    CEdit& textBox = EditItem(IDC_SEARCH_TEXT);
    SetWaitCursor();
    textBox.SetWindowText(m_model.ParallelText());
    SetArrowCursor();
    SearchMessage message;
    if (m_model.OtherLanguageMessage(message)) {
        Report(message);
    }
    textBox.SetFocus();
}
