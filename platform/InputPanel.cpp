#include "InputPanel.h"

#include "DeviceScreen.h"
#include "DialogUnits.h"
#include "Fonts.h"
#include "WinTypes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>

namespace {
constexpr int kPanelHeight = 80;
constexpr int kRows = 4;

// Two-set Hangul layout letters, digits on top, and the editing keys.
const char* const kKeyRows[kRows][11] = {
    {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "←"},
    {"ㅂ", "ㅈ", "ㄷ", "ㄱ", "ㅅ", "ㅛ", "ㅕ", "ㅑ", "ㅐ", "ㅔ", nullptr},
    {"ㅁ", "ㄴ", "ㅇ", "ㄹ", "ㅎ", "ㅗ", "ㅓ", "ㅏ", "ㅣ", nullptr, nullptr},
    {"ㅋ", "ㅌ", "ㅊ", "ㅍ", "ㅠ", "ㅜ", "ㅡ", "공백", "▼", nullptr, nullptr},
};
} // namespace

CInputPanel::CInputPanel(QWidget* screen) : QWidget(screen) {
    setObjectName(QStringLiteral("inputPanel"));
    setAccessibleName(QStringLiteral("입력판"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(screen->width(), kPanelHeight);
    BuildKeys();
}

void CInputPanel::BuildKeys() {
    const int rowHeight = kPanelHeight / kRows;
    const int keyWidth = width() / 11;
    for (int r = 0; r < kRows; ++r) {
        std::vector<Key> row;
        int rowWidth = 0;
        for (int k = 0; k < 11 && kKeyRows[r][k] != nullptr; ++k) {
            const QString label = QString::fromUtf8(kKeyRows[r][k]);
            QString text = label;
            int cx = keyWidth;
            if (label == QStringLiteral("←")) {
                text = QStringLiteral("\b");
            } else if (label == QStringLiteral("▼")) {
                text = QString(); // hides the panel
            } else if (label == QStringLiteral("공백")) {
                text = QStringLiteral(" ");
                cx = keyWidth * 3;
            }
            row.push_back({QRect(rowWidth, r * rowHeight, cx, rowHeight), text, label});
            rowWidth += cx;
        }
        // Centre the row.
        for (Key& key : row) {
            key.rect.translate((width() - rowWidth) / 2, 0);
            m_keys.push_back(key);
        }
    }
}

void CInputPanel::Place() {
    QWidget* screen = parentWidget();
    int y = screen->height() - kPanelHeight;
    if (QWidget* focus = QApplication::focusWidget()) {
        const QRect r(focus->mapTo(screen, QPoint(0, 0)), focus->size());
        if (r.bottom() >= y) {
            y = kTitleBarHeight;
        }
    }
    setGeometry(0, y, screen->width(), kPanelHeight);
}

void CInputPanel::ShowPanel(bool show) {
    m_shown = show;
    if (show) {
        Place();
        raise();
    }
    setVisible(show);
}

void CInputPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(206, 212, 222));
    p.setFont(UiFont(12));
    for (const Key& key : m_keys) {
        const QRect r = key.rect.adjusted(1, 1, -1, -1);
        p.setPen(QColor(130, 136, 150));
        p.setBrush(QColor(250, 250, 252));
        p.drawRoundedRect(r, 3, 3);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter, key.label);
    }
}

void CInputPanel::mouseReleaseEvent(QMouseEvent* event) {
    QWidget* focus = QApplication::focusWidget();
    for (const Key& key : m_keys) {
        if (!key.rect.contains(event->position().toPoint())) {
            continue;
        }
        if (key.text.isEmpty()) {
            // The user may always put the panel away, also where a screen never hides it.
            ShowPanel(false);
        } else if (focus == nullptr) {
            return;
        } else if (key.text == QStringLiteral("\b")) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
            QApplication::sendEvent(focus, &press);
        } else if (auto* line = qobject_cast<QLineEdit*>(focus)) {
            line->insert(key.text);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(focus)) {
            box->insertPlainText(key.text);
        }
        return;
    }
}

void SipShowIM(int flag) {
    if (CDeviceScreen* screen = CDeviceScreen::Current()) {
        screen->InputPanel().ShowPanel(flag == SIPF_ON);
    }
}

bool IsInputPanelShown() {
    CDeviceScreen* screen = CDeviceScreen::Current();
    return screen != nullptr && screen->InputPanel().IsShown();
}
