#include "ShowComboList.h"

#include "ComboBox.h"

void ShowComboList(CComboBox& box, const ComboList& list) {
    box.ResetContent();
    for (const ListItem& item : list.items) {
        const int index = box.AddString(item.text);
        box.SetItemData(index, item.value);
    }
    box.SetCurSel(list.selected);
    // Also for a selected item: the field then shows the start of a text too wide for it
    // ("119 Ch"), not its end.
    box.SetWindowText(list.editText);
}
