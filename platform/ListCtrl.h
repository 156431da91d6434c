#pragma once

#include "WinTypes.h"
#include "Wnd.h"

#include <functional>
#include <vector>

class QTreeWidget;

// A report-style list view: columns with headers, alignment and pixel widths; rows of texts;
// full-row selection. A tap raises Notify::ListClick with the tapped row (-1 beside the rows).
class CListCtrl : public CWnd {
public:
    QTreeWidget* Tree() const;

    int InsertColumn(int column, std::string_view header, int format, int width);
    int InsertItem(int row, std::string_view text); // index of the new row
    bool SetItemText(int row, int column, std::string_view text);
    std::string GetItemText(int row, int column) const;
    bool DeleteItem(int row);
    void DeleteAllItems();
    int GetItemCount() const;
    int GetColumnCount() const;
    std::string GetColumnHeader(int column) const;
    int GetColumnFormat(int column) const;
    int GetColumnWidth(int column) const;

    // Rows selected, ascending.
    std::vector<int> GetSelectedRows() const;
    void SetItemSelected(int row, bool selected);
    // The row that has the selection mark (the focus row), -1 when none.
    int GetSelectionMark() const;
    void SetSelectionMark(int row);
    void EnsureVisible(int row);

    // Row of the last tap, -1 when it hit no row.
    int LastTapRow() const { return m_lastTapRow; }
    // The user taps row `row` (selecting it as a real tap does) or beside the rows (-1).
    void TapRow(int row);

    // Called by the widget on every tap.
    void OnTapped(int row);

private:
    int m_lastTapRow = -1;
    std::vector<int> m_columnFormats;
};
