#include "ComboList.h"

void ComboList::Reset() {
    items.clear();
    selected = -1;
    editText.clear();
}

void ComboList::Add(std::string text, int value) {
    items.push_back({std::move(text), value});
}

bool ComboList::Select(int index) {
    if (index < 0 || index >= Count()) {
        selected = -1;
        editText.clear();
        return false;
    }
    selected = index;
    editText = items[static_cast<std::size_t>(index)].text;
    return true;
}

int ComboList::SelectedValue(int fallback) const {
    return HasSelection() ? items[static_cast<std::size_t>(selected)].value : fallback;
}
