#include "Dialog.h"

#include "DeviceScreen.h"
#include "DialogUnits.h"
#include "DialogWidgets.h"
#include "Fonts.h"
#include "ResourceIds.h"

#include <QEventLoop>
#include <QTimer>

#include <stdexcept>
#include <string>

CDialog::CDialog(int templateId, CWnd* parent)
    : m_templateId(templateId), m_template(FindDialogTemplate(templateId)), m_parent(parent) {
    if (m_template == nullptr) {
        throw std::logic_error("no dialog template " + std::to_string(templateId));
    }
}

CDialog::~CDialog() {
    if (m_open) {
        // Destroyed without DestroyWindow: the widgets go, without the screen's OnDestroy.
        m_open = false;
        if (CDeviceScreen* screen = CDeviceScreen::Current()) {
            screen->RemoveLayer(m_widget);
        }
        delete m_widget.data();
    }
}

std::string CDialog::Caption() const {
    return m_template->caption;
}

int CDialog::DoModal() {
    m_ended = false;
    m_closePosted = false;
    MessageService().RunModal(*this);
    return m_result;
}

void CDialog::EndDialog(int result) {
    m_result = result;
    m_ended = true;
    if (m_widget) {
        m_widget->hide();
    }
    if (m_loop != nullptr) {
        m_loop->exit(result);
    }
}

void CDialog::RunModalLoop() {
    if (!m_open || m_ended) {
        return;
    }
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
}

void CDialog::PostCloseMessage() {
    m_closePosted = true;
    if (m_widget) {
        QTimer::singleShot(0, m_widget.data(), [this] { ProcessPostedClose(); });
    }
}

bool CDialog::ProcessPostedClose() {
    if (!m_closePosted || m_ended || !m_open) {
        return false;
    }
    m_closePosted = false;
    OnCancel();
    return true;
}

bool CDialog::Create() {
    CDeviceScreen* screen = CDeviceScreen::Current();
    if (screen == nullptr || m_open) {
        return false;
    }
    m_ended = false;
    m_result = 0;
    QWidget* layer = nullptr;
    if (m_template->fullScreen) {
        layer = new QWidget(screen);
        layer->resize(screen->width(), screen->height() - kTitleBarHeight);
        m_client = new CDialogClient(*this, layer);
        m_client->setGeometry(0, kCommandBarHeight, layer->width(),
                              layer->height() - kCommandBarHeight);
    } else {
        m_client = new CDialogClient(*this, screen);
        layer = m_client;
    }
    layer->setFocusPolicy(Qt::StrongFocus);
    Attach(layer, m_templateId, nullptr, m_template->caption);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setAccessibleName(QString::fromUtf8(m_template->caption));
    m_client->setFont(UiFont(kControlFontPixels));
    m_open = true;
    BuildControls();
    if (std::optional<QColor> back = OnCtlColor(CtlColor::Dialog)) {
        QPalette pal = m_client->palette();
        pal.setColor(QPalette::Window, *back);
        m_client->setPalette(pal);
    }
    screen->PushDialogLayer(*this);
    if (OnInitDialog()) {
        // The framework focuses the first tab stop (an edit box with its text selected).
        for (const ControlTemplate& c : m_template->controls) {
            if ((c.style & WS_TABSTOP) != 0 && HasItem(c.id) &&
                GetDlgItem(c.id).IsWindowVisible()) {
                GetDlgItem(c.id).SetFocus();
                if (c.kind == ControlKind::Edit) {
                    EditItem(c.id).SetSel(0, -1);
                }
                break;
            }
        }
    }
    return true;
}

void CDialog::DestroyWindow() {
    if (!m_open) {
        return;
    }
    OnDestroy();
    m_open = false;
    if (CDeviceScreen* screen = CDeviceScreen::Current()) {
        screen->RemoveLayer(m_widget);
    }
    m_handlers.clear();
    QWidget* layer = m_widget;
    m_controls.clear();
    m_statics.clear();
    m_client = nullptr;
    delete layer;
}

void CDialog::RegisterControl(int id, std::unique_ptr<CWnd> control) {
    if (QWidget* w = control->Widget()) {
        w->setProperty("qrvControlId", id);
        w->setProperty("qrvDialog", QVariant::fromValue<void*>(this));
    }
    m_controls[id] = std::move(control);
}

bool CDialog::HasItem(int id) const {
    return m_controls.count(id) != 0;
}

CWnd& CDialog::GetDlgItem(int id) const {
    auto it = m_controls.find(id);
    if (it == m_controls.end()) {
        throw std::logic_error("dialog " + std::to_string(m_templateId) + " has no control " +
                               std::to_string(id));
    }
    return *it->second;
}

template <class T> T& CDialog::TypedItem(int id, const char* kind) const {
    T* item = dynamic_cast<T*>(&GetDlgItem(id));
    if (item == nullptr) {
        throw std::logic_error("control " + std::to_string(id) + " of dialog " +
                               std::to_string(m_templateId) + " is no " + kind);
    }
    return *item;
}

CEdit& CDialog::EditItem(int id) const {
    return TypedItem<CEdit>(id, "edit box");
}
CComboBox& CDialog::ComboItem(int id) const {
    return TypedItem<CComboBox>(id, "combo box");
}
CListCtrl& CDialog::ListItem(int id) const {
    return TypedItem<CListCtrl>(id, "list view");
}
CButton& CDialog::ButtonItem(int id) const {
    return TypedItem<CButton>(id, "button");
}
CStatic& CDialog::StaticItem(int id) const {
    return TypedItem<CStatic>(id, "static");
}
CScrollBar& CDialog::ScrollBarItem(int id) const {
    return TypedItem<CScrollBar>(id, "scroll bar");
}

QWidget* CDialog::ClientWidget() const {
    return m_client;
}

void CDialog::SendCommand(int commandId) {
    if (!m_open) {
        return;
    }
    auto it = m_handlers.find({commandId, Notify::Command});
    if (it != m_handlers.end()) {
        it->second();
    } else if (commandId == ID_EXIT) {
        OnOK();
    }
}

void CDialog::Dispatch(int id, Notify code) {
    if (!m_open) {
        return;
    }
    auto it = m_handlers.find({id, code});
    if (it != m_handlers.end()) {
        it->second();
        return;
    }
    if (code == Notify::Clicked && id == IDC_OK) {
        OnOK();
    } else if (code == Notify::Clicked && id == IDC_CANCEL) {
        OnCancel();
    }
}

bool CDialog::KeyDown(int virtualKey) {
    if (!m_open || m_ended) {
        return false;
    }
    if (PreTranslateKeyDown(virtualKey)) {
        return true;
    }
    if (virtualKey == 0x1B) {
        OnCancel();
        return true;
    }
    return false;
}

void CDialog::PenUp(QPoint clientPoint) {
    if (m_open) {
        OnLButtonUp(clientPoint);
    }
}

void CDialog::VScroll(int code, int pos, CScrollBar& bar) {
    if (m_open) {
        OnVScroll(code, pos, bar);
    }
}

void CDialog::Paint(QPainter& dc) {
    OnPaint(dc);
}

bool CDialog::OnInitDialog() {
    return true;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
