#include "DeviceScreen.h"

#include "Dialog.h"
#include "DialogUnits.h"
#include "Fonts.h"
#include "InputPanel.h"
#include "MessageBox.h"
#include "WinApp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

namespace {
CDeviceScreen* g_current = nullptr;

bool OnFramebuffer() {
    const QString platform = QGuiApplication::platformName();
    return platform == "linuxfb" || platform == "eglfs" || platform == "vnc";
}

int VirtualKeyOf(const QKeyEvent& e) {
    switch (e.key()) {
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Select:
    case Qt::Key_F23:
        return VK_ACTION;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Escape:
        return 0x1B;
    default:
        return e.nativeVirtualKey() != 0 ? static_cast<int>(e.nativeVirtualKey())
                                         : e.key() & 0xFFFF;
    }
}

// The control (a widget carrying the control properties) that `w` belongs to.
QWidget* ControlOf(QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        if (w->property("qrvControlId").isValid()) {
            return w;
        }
    }
    return nullptr;
}
} // namespace

CDeviceScreen::CDeviceScreen(QSize size) : m_size(size), m_previous(g_current) {
    g_current = this;
    setWindowTitle(QStringLiteral("QrvLumen"));
    setObjectName(QStringLiteral("deviceScreen"));
    if (OnFramebuffer()) {
        const QSize fb = QGuiApplication::primaryScreen()->size();
        m_size = fb;
        setGeometry(QRect(QPoint(0, 0), fb));
    } else {
        setFixedSize(m_size);
    }
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(236, 236, 236));
    setPalette(pal);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("titleBar"));
    m_title->setGeometry(0, 0, m_size.width(), kTitleBarHeight);
    m_title->setContentsMargins(6, 0, 6, 0);
    m_title->setFont(UiFont(13, 700));
    m_title->setStyleSheet(
        QStringLiteral("QLabel { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #1c3f94, stop:1 #0d2466); color: white; }"));

    m_blocker = new QWidget(this);
    m_blocker->setGeometry(rect());
    m_blocker->hide();

    m_panel = new CInputPanel(this);
    m_panel->hide();

    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &CDeviceScreen::OnFocusChanged);
}

CDeviceScreen::~CDeviceScreen() {
    qApp->removeEventFilter(this);
    if (g_current == this) {
        g_current = m_previous;
    }
}

CDeviceScreen* CDeviceScreen::Current() {
    return g_current;
}

QSize CDeviceScreen::ScreenSize() const {
    return m_size;
}

void CDeviceScreen::PushDialogLayer(CDialog& dialog) {
    QWidget* w = dialog.Widget();
    const DialogTemplate& t = dialog.Template();
    if (t.fullScreen) {
        w->setGeometry(0, kTitleBarHeight, width(), height() - kTitleBarHeight);
    } else {
        // A pop-up the size of a full screen covers the client area and leaves the command bar
        // beneath in sight; smaller ones sit right under the title bar.
        const QRect r = DialogUnitsToPixels(0, 0, t.cx, t.cy);
        const int cx = qMin(r.width(), width());
        const int cy = qMin(r.height(), height() - kTitleBarHeight);
        const int y = cy >= kClientHeight ? height() - cy : kTitleBarHeight;
        w->setGeometry((width() - cx) / 2, y, cx, cy);
    }
    m_layers.push_back({w, &dialog, QString::fromUtf8(t.caption)});
    Restack();
    w->show();
}

void CDeviceScreen::PushMessageLayer(QWidget* box, const QString& caption) {
    box->adjustSize();
    const int cx = qMin(box->width(), width() - 8);
    const int cy = qMin(box->height(), height() - kTitleBarHeight - 8);
    box->setGeometry((width() - cx) / 2, kTitleBarHeight + (height() - kTitleBarHeight - cy) / 2,
                     cx, cy);
    m_layers.push_back({box, nullptr, caption});
    Restack();
    box->show();
    box->setFocus(Qt::OtherFocusReason);
}

void CDeviceScreen::RemoveLayer(QWidget* layer) {
    for (auto it = m_layers.begin(); it != m_layers.end(); ++it) {
        if (it->widget == layer) {
            m_layers.erase(it);
            break;
        }
    }
    Restack();
    // Give the focus back to the layer that is on top again, as closing a modal window does.
    if (QWidget* top = TopLayer()) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || !top->isAncestorOf(focus)) {
            QWidget* last = top->property("qrvLastFocus").value<QWidget*>();
            if (last != nullptr && top->isAncestorOf(last)) {
                last->setFocus(Qt::OtherFocusReason);
            } else {
                top->setFocus(Qt::OtherFocusReason);
            }
        }
    }
}

void CDeviceScreen::Restack() {
    // Drop layers whose widgets are gone.
    std::erase_if(m_layers, [](const Layer& l) { return l.widget.isNull(); });
    for (const Layer& l : m_layers) {
        l.widget->raise();
    }
    if (m_layers.size() > 1) {
        m_blocker->show();
        m_blocker->stackUnder(m_layers.back().widget);
    } else {
        m_blocker->hide();
    }
    m_panel->raise();
    m_title->raise();
    RefreshTitle();
}

CDialog* CDeviceScreen::TopDialog() const {
    return m_layers.empty() ? nullptr : m_layers.back().dialog;
}

QWidget* CDeviceScreen::TopLayer() const {
    return m_layers.empty() ? nullptr : m_layers.back().widget.data();
}

bool CDeviceScreen::IsLiveDialog(const CDialog* dialog) const {
    for (const Layer& l : m_layers) {
        if (l.dialog == dialog) {
            return true;
        }
    }
    return false;
}

std::vector<CDialog*> CDeviceScreen::OpenDialogs() const {
    std::vector<CDialog*> dialogs;
    for (const Layer& l : m_layers) {
        if (l.dialog != nullptr) {
            dialogs.push_back(l.dialog);
        }
    }
    return dialogs;
}

void CDeviceScreen::EndAllLayers() {
    for (auto it = m_layers.rbegin(); it != m_layers.rend(); ++it) {
        if (it->dialog != nullptr) {
            it->dialog->EndDialog(IDCANCEL);
        } else if (auto* box = dynamic_cast<CMessageBox*>(it->widget.data())) {
            box->Press(IDNO);
        }
    }
}

QString CDeviceScreen::Title() const {
    return m_title->text();
}

void CDeviceScreen::RefreshTitle() {
    m_title->setText(m_layers.empty() ? QStringLiteral("QrvLumen") : m_layers.back().caption);
}

bool CDeviceScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        // Once per key press: at its first receiver, the focus widget (or our window).
        const bool first = w == QApplication::focusWidget() ||
                           (QApplication::focusWidget() == nullptr && w == this);
        CDialog* top = TopDialog();
        if (first && top != nullptr && isAncestorOf(w) && TopLayer() != nullptr &&
            (TopLayer()->isAncestorOf(w) || w == this)) {
            return top->KeyDown(VirtualKeyOf(*static_cast<QKeyEvent*>(event)));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CDeviceScreen::OnFocusChanged(QWidget* old, QWidget* now) {
    QWidget* oldControl = ControlOf(old);
    QWidget* newControl = ControlOf(now);
    if (oldControl == newControl) {
        return;
    }
    auto notify = [this](QWidget* control, Notify code) {
        if (control == nullptr) {
            return;
        }
        auto* dialog = static_cast<CDialog*>(control->property("qrvDialog").value<void*>());
        if (dialog != nullptr && IsLiveDialog(dialog) && dialog->IsOpen()) {
            dialog->Dispatch(control->property("qrvControlId").toInt(), code);
        }
    };
    notify(oldControl, Notify::KillFocus);
    if (newControl != nullptr) {
        if (QWidget* layer = TopLayer(); layer != nullptr && layer->isAncestorOf(newControl)) {
            layer->setProperty("qrvLastFocus", QVariant::fromValue<QWidget*>(newControl));
        }
    }
    notify(newControl, Notify::SetFocus);
}

void CDeviceScreen::closeEvent(QCloseEvent* event) {
    PostQuitMessage(0);
    event->accept();
}
