#pragma once

#include "AddBookmarkForm.h"
#include "Dialog.h"

#include <cstdint>
#include <optional>

// Names a verse range of one chapter and appends it to kBookMark.txt; stays open for the next
// bookmark until cancelled.
class CAddBookmarkDlg : public CDialog {
public:
    explicit CAddBookmarkDlg(CWnd* parent = nullptr);

    // Set by the opener before DoModal; a save advances the number and keeps the chosen book and
    // chapter here.
    std::int16_t m_nextNumber = 1;
    int m_presetBook = 0;    // 1..66, 0 for none
    int m_presetChapter = 0; // 0 for none

protected:
    bool OnInitDialog() override;

private:
    void OnTestamentChange();
    void OnBookChange();
    void OnTextBoxFocus();
    void OnSave();

    void ShowNumber();
    void SelectPresets();
    void RefillBooks();
    void RefillChapters();
    BookmarkInput ReadInput() const;
    int SelectedData(int comboId) const;

    std::optional<CAddBookmarkForm> m_form;
};
