#include "CAddBookmarkDlg.h"

#include "BookmarkFile.h"
#include "InputPanel.h"
#include "ResourceIds.h"

#include <algorithm>
#include <vector>

namespace {
void FillCombo(CComboBox& box, const std::vector<ComboItem>& items) {
    for (const ComboItem& item : items) {
        box.SetItemData(box.AddString(item.text), item.data);
    }
}

// The box a refused input is typed or chosen in.
int ControlOf(BookmarkField field) {
    switch (field) {
    case BookmarkField::Title:
        return IDC_ADD_TITLE;
    case BookmarkField::Testament:
        return IDC_ADD_TESTAMENT;
    case BookmarkField::Book:
        return IDC_ADD_BOOK;
    case BookmarkField::Chapter:
        return IDC_ADD_CHAPTER;
    case BookmarkField::FirstVerse:
        return IDC_ADD_FIRST_VERSE;
    case BookmarkField::LastVerse:
        return IDC_ADD_LAST_VERSE;
    case BookmarkField::None:
        break;
    }
    return 0;
}
} // namespace

CAddBookmarkDlg::CAddBookmarkDlg(CWnd* parent) : CDialog(IDD_ADD_BOOKMARK, parent) {
    BindHandlers<CAddBookmarkDlg>({
        {Notify::SelChange, IDC_ADD_TESTAMENT, &CAddBookmarkDlg::OnTestamentChange},
        {Notify::SelChange, IDC_ADD_BOOK, &CAddBookmarkDlg::OnBookChange},
        {Notify::SetFocus, IDC_ADD_TITLE, &CAddBookmarkDlg::OnTextBoxFocus},
        {Notify::SetFocus, IDC_ADD_FIRST_VERSE, &CAddBookmarkDlg::OnTextBoxFocus},
        {Notify::SetFocus, IDC_ADD_LAST_VERSE, &CAddBookmarkDlg::OnTextBoxFocus},
        {Notify::Clicked, IDC_ADD_SAVE, &CAddBookmarkDlg::OnSave},
    });
}

bool CAddBookmarkDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_commandBar.Create(*this);
    m_commandBar.AddToolbar(IDR_TOOLBAR_EXIT);
    m_form.emplace(BookmarkFilePath(), m_nextNumber, m_presetBook, m_presetChapter);
    ShowNumber();
    CComboBox& testament = ComboItem(IDC_ADD_TESTAMENT);
    FillCombo(testament, CAddBookmarkForm::TestamentItems());
    testament.SetWindowText(kTestamentPrompt);
    ComboItem(IDC_ADD_BOOK).SetWindowText(kBookPrompt);
    ComboItem(IDC_ADD_CHAPTER).SetWindowText(kChapterPrompt);
    SelectPresets();
    return true;
}

void CAddBookmarkDlg::ShowNumber() {
    StaticItem(IDC_ADD_NUMBER).SetWindowText(m_form->NumberText());
    EditItem(IDC_ADD_TITLE).SetWindowText(m_form->DefaultTitle());
}

void CAddBookmarkDlg::SelectPresets() {
    const AddBookmarkPreset preset = m_form->Preset();
    if (preset.testament < 0) {
        return;
    }
    ComboItem(IDC_ADD_TESTAMENT).SetCurSel(preset.testament);
    RefillBooks();
    ComboItem(IDC_ADD_BOOK).SetCurSel(preset.bookItem);
    if (m_presetChapter != 0) {
        RefillChapters();
        ComboItem(IDC_ADD_CHAPTER).SetCurSel(preset.chapterItem);
    }
}

void CAddBookmarkDlg::RefillBooks() {
    CComboBox& books = ComboItem(IDC_ADD_BOOK);
    books.ResetContent();
    books.SetWindowText(kBookPrompt);
    ComboItem(IDC_ADD_CHAPTER).ResetContent();
    FillCombo(books, CAddBookmarkForm::BookItems(SelectedData(IDC_ADD_TESTAMENT)));
}

void CAddBookmarkDlg::RefillChapters() {
    CComboBox& chapters = ComboItem(IDC_ADD_CHAPTER);
    chapters.ResetContent();
    chapters.SetWindowText(kChapterPrompt);
    FillCombo(chapters, CAddBookmarkForm::ChapterItems(SelectedData(IDC_ADD_BOOK)));
}

int CAddBookmarkDlg::SelectedData(int comboId) const {
    const CComboBox& box = ComboItem(comboId);
    return static_cast<int>(box.GetItemData(box.GetCurSel()));
}

void CAddBookmarkDlg::OnTestamentChange() {
    RefillBooks();
}

void CAddBookmarkDlg::OnBookChange() {
    RefillChapters();
}

// The panel stays up when the focus moves on: the user is likely to type into the next box.
void CAddBookmarkDlg::OnTextBoxFocus() {
    SipShowIM(SIPF_ON);
}

BookmarkInput CAddBookmarkDlg::ReadInput() const {
    BookmarkInput input;
    input.title = EditItem(IDC_ADD_TITLE).GetWindowText();
    input.testament = SelectedData(IDC_ADD_TESTAMENT);
    input.book = std::max(0, SelectedData(IDC_ADD_BOOK));
    input.chapter = std::max(0, SelectedData(IDC_ADD_CHAPTER));
    input.firstVerse = EditItem(IDC_ADD_FIRST_VERSE).GetWindowText();
    input.lastVerse = EditItem(IDC_ADD_LAST_VERSE).GetWindowText();
    return input;
}

void CAddBookmarkDlg::OnSave() {
    const SaveOutcome outcome = m_form->SaveBookmark(ReadInput());
    ShowMessage(outcome.message);
    if (!outcome.saved) {
        // Every input stays as typed; a failed write keeps the number for the next try.
        if (const int id = ControlOf(outcome.field); id != 0) {
            GetDlgItem(id).SetFocus();
        }
        return;
    }
    m_nextNumber = static_cast<std::int16_t>(m_form->NextNumber());
    m_presetBook = m_form->PresetBook();
    m_presetChapter = m_form->PresetChapter();
    ShowNumber();
    EditItem(IDC_ADD_FIRST_VERSE).SetWindowText("");
    EditItem(IDC_ADD_LAST_VERSE).SetWindowText("");
}
