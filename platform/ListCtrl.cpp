#include "ListCtrl.h"

#include "Dialog.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace {
Qt::Alignment AlignmentOf(int format) {
    switch (format) {
    case LVCFMT_CENTER:
        return Qt::AlignCenter;
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

QTreeWidget* CListCtrl::Tree() const {
    return qobject_cast<QTreeWidget*>(m_widget.data());
}

int CListCtrl::InsertColumn(int column, std::string_view header, int format, int width) {
    QTreeWidget* t = Tree();
    if (t == nullptr || column < 0) {
        return -1;
    }
    const int count = static_cast<int>(m_columnFormats.size());
    column = qMin(column, count);
    m_columnFormats.insert(m_columnFormats.begin() + column, format);
    t->setColumnCount(count + 1);
    QTreeWidgetItem* head = t->headerItem();
    for (int c = count; c > column; --c) {
        head->setText(c, head->text(c - 1));
        head->setTextAlignment(c, Qt::Alignment(head->textAlignment(c - 1)));
        t->setColumnWidth(c, t->columnWidth(c - 1));
    }
    head->setText(column, ToQString(header));
    head->setTextAlignment(column, AlignmentOf(format));
    t->setColumnWidth(column, width);
    return column;
}

int CListCtrl::InsertItem(int row, std::string_view text) {
    QTreeWidget* t = Tree();
    if (t == nullptr) {
        return -1;
    }
    row = qBound(0, row, t->topLevelItemCount());
    auto* item = new QTreeWidgetItem();
    for (int c = 0; c < static_cast<int>(m_columnFormats.size()); ++c) {
        item->setTextAlignment(c, AlignmentOf(m_columnFormats[c]));
    }
    item->setText(0, ToQString(text));
    t->insertTopLevelItem(row, item);
    return row;
}

bool CListCtrl::SetItemText(int row, int column, std::string_view text) {
    QTreeWidget* t = Tree();
    QTreeWidgetItem* item = t ? t->topLevelItem(row) : nullptr;
    if (item == nullptr || column < 0 || column >= t->columnCount()) {
        return false;
    }
    item->setText(column, ToQString(text));
    return true;
}

std::string CListCtrl::GetItemText(int row, int column) const {
    QTreeWidget* t = Tree();
    QTreeWidgetItem* item = t ? t->topLevelItem(row) : nullptr;
    return item ? ToStdString(item->text(column)) : std::string();
}

bool CListCtrl::DeleteItem(int row) {
    QTreeWidget* t = Tree();
    if (t == nullptr || row < 0 || row >= t->topLevelItemCount()) {
        return false;
    }
    delete t->takeTopLevelItem(row);
    return true;
}

void CListCtrl::DeleteAllItems() {
    if (QTreeWidget* t = Tree()) {
        t->clear();
    }
}

int CListCtrl::GetItemCount() const {
    QTreeWidget* t = Tree();
    return t ? t->topLevelItemCount() : 0;
}

int CListCtrl::GetColumnCount() const {
    return static_cast<int>(m_columnFormats.size());
}

std::string CListCtrl::GetColumnHeader(int column) const {
    QTreeWidget* t = Tree();
    return t ? ToStdString(t->headerItem()->text(column)) : std::string();
}

int CListCtrl::GetColumnFormat(int column) const {
    return column >= 0 && column < GetColumnCount() ? m_columnFormats[column] : -1;
}

int CListCtrl::GetColumnWidth(int column) const {
    QTreeWidget* t = Tree();
    return t ? t->columnWidth(column) : 0;
}

std::vector<int> CListCtrl::GetSelectedRows() const {
    std::vector<int> rows;
    QTreeWidget* t = Tree();
    if (t == nullptr) {
        return rows;
    }
    for (int r = 0; r < t->topLevelItemCount(); ++r) {
        if (t->topLevelItem(r)->isSelected()) {
            rows.push_back(r);
        }
    }
    return rows;
}

void CListCtrl::SetItemSelected(int row, bool selected) {
    QTreeWidget* t = Tree();
    if (QTreeWidgetItem* item = t ? t->topLevelItem(row) : nullptr) {
        item->setSelected(selected);
    }
}

int CListCtrl::GetSelectionMark() const {
    QTreeWidget* t = Tree();
    if (t == nullptr || t->currentItem() == nullptr) {
        return -1;
    }
    return t->indexOfTopLevelItem(t->currentItem());
}

void CListCtrl::SetSelectionMark(int row) {
    QTreeWidget* t = Tree();
    if (t == nullptr) {
        return;
    }
    QTreeWidgetItem* item = t->topLevelItem(row);
    t->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
}

void CListCtrl::EnsureVisible(int row) {
    QTreeWidget* t = Tree();
    if (QTreeWidgetItem* item = t ? t->topLevelItem(row) : nullptr) {
        t->scrollToItem(item);
    }
}

void CListCtrl::TapRow(int row) {
    QTreeWidget* t = Tree();
    if (t == nullptr) {
        return;
    }
    t->setFocus(Qt::MouseFocusReason);
    if (QTreeWidgetItem* item = t->topLevelItem(row)) {
        t->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        OnTapped(row);
    } else {
        OnTapped(-1);
    }
}

void CListCtrl::OnTapped(int row) {
    m_lastTapRow = row;
    if (m_owner != nullptr) {
        m_owner->Dispatch(m_id, Notify::ListClick);
    }
}
