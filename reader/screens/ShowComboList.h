#pragma once

#include "ComboList.h"

class CComboBox;

// Puts a list as the model holds it into its combo box: the items with their values, the
// selection, and the edit field's own text while nothing is selected.
void ShowComboList(CComboBox& box, const ComboList& list);
