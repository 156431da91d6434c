#include "ComboBox.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
constexpr int kItemValueRole = Qt::UserRole + 1;
}

QComboBox* CComboBox::Combo() const {
    return qobject_cast<QComboBox*>(m_widget.data());
}

int CComboBox::AddString(std::string_view text) {
    QComboBox* c = Combo();
    if (c == nullptr) {
        return -1;
    }
    // Adding to an empty list must not select the item (Qt does unless a placeholder is set,
    // which the platform sets on every combo box); the edit field keeps its text.
    const QString field = c->isEditable() ? c->lineEdit()->text() : QString();
    c->addItem(ToQString(text));
    if (c->isEditable() && c->currentIndex() < 0) {
        c->lineEdit()->setText(field);
    }
    return c->count() - 1;
}

int CComboBox::GetCount() const {
    QComboBox* c = Combo();
    return c ? c->count() : 0;
}

int CComboBox::GetCurSel() const {
    QComboBox* c = Combo();
    return c ? c->currentIndex() : -1;
}

int CComboBox::SetCurSel(int index) {
    QComboBox* c = Combo();
    if (c == nullptr) {
        return -1;
    }
    if (index < 0 || index >= c->count()) {
        c->setCurrentIndex(-1);
        return -1;
    }
    c->setCurrentIndex(index);
    return index;
}

void CComboBox::ResetContent() {
    if (QComboBox* c = Combo()) {
        c->clear();
        if (c->isEditable()) {
            c->lineEdit()->clear();
        }
    }
}

bool CComboBox::SetItemData(int index, std::intptr_t data) {
    QComboBox* c = Combo();
    if (c == nullptr || index < 0 || index >= c->count()) {
        return false;
    }
    c->setItemData(index, QVariant::fromValue<qint64>(data), kItemValueRole);
    return true;
}

std::intptr_t CComboBox::GetItemData(int index) const {
    QComboBox* c = Combo();
    if (c == nullptr || index < 0 || index >= c->count()) {
        return -1;
    }
    return static_cast<std::intptr_t>(c->itemData(index, kItemValueRole).toLongLong());
}

std::string CComboBox::GetLBText(int index) const {
    QComboBox* c = Combo();
    if (c == nullptr || index < 0 || index >= c->count()) {
        return {};
    }
    return ToStdString(c->itemText(index));
}

void CComboBox::SetWindowText(std::string_view text) {
    QComboBox* c = Combo();
    if (c != nullptr && c->isEditable()) {
        c->lineEdit()->setText(ToQString(text));
        c->lineEdit()->setCursorPosition(0);
    }
}

std::string CComboBox::GetWindowText() const {
    QComboBox* c = Combo();
    if (c == nullptr) {
        return {};
    }
    return ToStdString(c->isEditable() ? c->lineEdit()->text() : c->currentText());
}

void CComboBox::SelectByUser(int index) {
    QComboBox* c = Combo();
    if (c == nullptr || index < 0 || index >= c->count()) {
        return;
    }
    c->setCurrentIndex(index);
    emit c->activated(index);
}
