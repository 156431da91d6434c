#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ListItem {
    std::string text;
    int value = 0; // the item's integer data
};

// A drop-down list with an edit field: items stay in the order added, at most one is selected,
// and the edit field shows the selected item's text (or a text set while none is selected).
struct ComboList {
    std::vector<ListItem> items;
    int selected = -1;
    std::string editText;

    // Empties the list, its selection and its edit field.
    void Reset();
    void Add(std::string text, int value);
    // Selects item `index`; an index outside the items leaves nothing selected and the edit
    // field empty. Returns whether an item is selected.
    bool Select(int index);
    bool HasSelection() const { return selected >= 0; }
    // Value of the selected item, or `fallback` when none is selected.
    int SelectedValue(int fallback = 0) const;
    int Count() const { return static_cast<int>(items.size()); }
};
