#pragma once

#include "Wnd.h"

// The frame's empty child window: it paints nothing.
class CChildPane : public CWnd {
public:
    bool Create(QWidget* parent, int id);
};
