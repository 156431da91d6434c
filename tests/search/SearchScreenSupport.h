#pragma once

#include "CSearchDlg.h"
#include "ScreenTest.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline constexpr unsigned kErrorBox = MB_OK | MB_ICONERROR;
inline constexpr int kJohn = 43;

// Three verses a chapter in both languages ("창세기 2장 3절 말씀", "Word of Genesis 2:3"), and
// eighteen in John 3; the tables loaded as the launcher loads them at start.
void WriteBibles(const CTestDataFolder& folder);

// A search screen open on those Bibles, with a message service that fails on the unexpected.
struct CSearchScreen {
    CSearchScreen();
    ~CSearchScreen();
    CTestDataFolder folder;
    CTestMessages messages;
    CSearchDlg dlg;
};

std::vector<std::string> ItemTexts(const CComboBox& box);
std::vector<std::intptr_t> ItemData(const CComboBox& box);

// The user picks the item whose data is `data` from a box.
void Pick(CDialog& dlg, int boxId, std::intptr_t data);
void Choose(CDialog& dlg, int book, int chapter);
// Types the verse range, taps "구절찾기" and answers the text box's text.
std::string Lookup(CDialog& dlg, std::string_view first, std::string_view last);
// Types the word and taps "검색어 찾기".
void Search(CDialog& dlg, std::string_view word);

// A hit row as "No|성경|장|절|내용".
std::string Row(CDialog& dlg, int row);
int RowCount(CDialog& dlg);
// Exactly one of the two shares the place.
bool ShowsText(CDialog& dlg);
bool ShowsList(CDialog& dlg);
// The user holds Ctrl and taps a row, adding it to the selection or taking it out.
void CtrlTapRow(CDialog& dlg, int row);
