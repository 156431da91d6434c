#include "Button.h"

#include <QAbstractButton>
#include <QGroupBox>

QAbstractButton* CButton::AbstractButton() const {
    return qobject_cast<QAbstractButton*>(m_widget.data());
}

QGroupBox* CButton::GroupBox() const {
    return qobject_cast<QGroupBox*>(m_widget.data());
}

void CButton::SetWindowText(std::string_view text) {
    if (QAbstractButton* b = AbstractButton()) {
        b->setText(ToQString(text));
        b->setAccessibleName(b->text());
    } else if (QGroupBox* g = GroupBox()) {
        g->setTitle(ToQString(text));
        g->setAccessibleName(g->title());
    }
}

std::string CButton::GetWindowText() const {
    if (QAbstractButton* b = AbstractButton()) {
        return ToStdString(b->text());
    }
    if (QGroupBox* g = GroupBox()) {
        return ToStdString(g->title());
    }
    return {};
}

void CButton::SetCheck(int check) {
    if (QAbstractButton* b = AbstractButton()) {
        b->setChecked(check != 0);
    }
}

int CButton::GetCheck() const {
    QAbstractButton* b = AbstractButton();
    return b != nullptr && b->isChecked() ? 1 : 0;
}

void CButton::Click() {
    if (QAbstractButton* b = AbstractButton()) {
        b->click();
    }
}
