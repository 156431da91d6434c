#include "CChildPane.h"

bool CChildPane::Create(QWidget* parent, int id) {
    auto* pane = new QWidget(parent);
    pane->setGeometry(parent->rect());
    pane->setAutoFillBackground(true);
    Attach(pane, id, nullptr, "");
    pane->show();
    return true;
}
