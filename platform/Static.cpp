#include "Static.h"

#include <QLabel>

QLabel* CStatic::Label() const {
    return qobject_cast<QLabel*>(m_widget.data());
}

void CStatic::SetWindowText(std::string_view text) {
    if (QLabel* label = Label()) {
        label->setText(ToQString(text));
        label->setAccessibleName(label->text());
    }
}

std::string CStatic::GetWindowText() const {
    QLabel* label = Label();
    return label ? ToStdString(label->text()) : std::string();
}
