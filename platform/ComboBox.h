#pragma once

#include "Wnd.h"

#include <cstdint>

class QComboBox;

// A drop-down combo box whose items carry an integer item value besides their text. With an
// edit field (CBS_DROPDOWN) the field doubles as a caption: the program writes labels into it
// independently of the selection. Program calls never raise a selection notification; only
// the user's choice (or SelectByUser) does.
class CComboBox : public CWnd {
public:
    QComboBox* Combo() const;

    int AddString(std::string_view text); // index of the new item
    int GetCount() const;
    int GetCurSel() const;    // -1: nothing selected
    int SetCurSel(int index); // -1 clears the selection; returns the index or -1
    void ResetContent();      // empties the list and the edit field
    bool SetItemData(int index, std::intptr_t data);
    std::intptr_t GetItemData(int index) const; // -1 for an index outside the list
    std::string GetLBText(int index) const;

    // The edit field (or, without one, the selected item's text).
    void SetWindowText(std::string_view text) override;
    std::string GetWindowText() const override;

    // The user picks item `index` from the list: selection plus notification.
    void SelectByUser(int index);
};
