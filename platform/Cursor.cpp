#include "Cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
bool g_waitShown = false;
}

void SetWaitCursor() {
    if (!g_waitShown) {
        g_waitShown = true;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void SetArrowCursor() {
    if (g_waitShown) {
        g_waitShown = false;
        QGuiApplication::restoreOverrideCursor();
    }
}

bool IsWaitCursorShown() {
    return g_waitShown;
}
