#include "Dialog.h"

#include "DeviceScreen.h"
#include "DialogUnits.h"
#include "DialogWidgets.h"
#include "Fonts.h"
#include "MessageService.h"
#include "ResourceIds.h"

#include "Bitmaps.h"

#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <stdexcept>

namespace {
constexpr int kControlFontPixels = 11;
constexpr int kComboHeight = 21;

std::string ToText(int id) {
    return std::to_string(id);
}

// Accessible name of a control: its caption, or for an edit, list or combo box the caption
// of the label standing before it in the template, else its id.
std::string AccessibleNameOf(const DialogTemplate& t, std::size_t index) {
    const ControlTemplate& c = t.controls[index];
    const bool labelled = c.kind == ControlKind::Edit || c.kind == ControlKind::ComboBox ||
                          c.kind == ControlKind::ListView;
    if (!labelled) {
        return *c.caption != '\0' ? std::string(c.caption) : ToText(c.id);
    }
    if (index > 0) {
        const ControlTemplate& prev = t.controls[index - 1];
        if (prev.kind == ControlKind::Static && *prev.caption != '\0') {
            std::string name = prev.caption;
            while (!name.empty() && (name.back() == ' ' || name.back() == ':')) {
                name.pop_back();
            }
            return name;
        }
    }
    return ToText(c.id);
}

int ScrollCodeOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    default:
        return -1;
    }
}
} // namespace

CDialogClient::CDialogClient(CDialog& dialog, QWidget* parent) : QWidget(parent), m_dialog(dialog) {
    setAutoFillBackground(true);
}

void CDialogClient::paintEvent(QPaintEvent*) {
    QPainter p(this);
    m_dialog.Paint(p);
    if (!m_dialog.Template().fullScreen) {
        // A pop-up's edge, so it stands out from the screen under it.
        p.setPen(QColor(64, 64, 64));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CDialogClient::mouseReleaseEvent(QMouseEvent* event) {
    m_dialog.PenUp(event->position().toPoint());
    QWidget::mouseReleaseEvent(event);
}

void CListWidget::mouseReleaseEvent(QMouseEvent* event) {
    QTreeWidget::mouseReleaseEvent(event);
    if (m_control != nullptr && event->button() == Qt::LeftButton) {
        QTreeWidgetItem* item = itemAt(event->position().toPoint());
        m_control->OnTapped(item != nullptr ? indexOfTopLevelItem(item) : -1);
    }
}

void CScrollBarWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left) {
        triggerAction(SliderSingleStepSub);
    } else if (event->key() == Qt::Key_Right) {
        triggerAction(SliderSingleStepAdd);
    } else {
        QScrollBar::keyPressEvent(event);
    }
}

CDialog::CDialog(int templateId, CWnd* parent)
    : m_templateId(templateId), m_template(FindDialogTemplate(templateId)), m_parent(parent) {
    if (m_template == nullptr) {
        throw std::logic_error("no dialog template " + ToText(templateId));
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

void CDialog::BuildControls() {
    const QFont font = UiFont(kControlFontPixels);
    const std::optional<QColor> staticBack = OnCtlColor(CtlColor::Static);
    for (std::size_t i = 0; i < m_template->controls.size(); ++i) {
        const ControlTemplate& c = m_template->controls[i];
        const QRect r = DialogUnitsToPixels(c.x, c.y, c.cx, c.cy);
        const std::string name = AccessibleNameOf(*m_template, i);
        const int id = c.id;
        std::unique_ptr<CWnd> control;
        QWidget* w = nullptr;
        switch (c.kind) {
        case ControlKind::Static:
        case ControlKind::Picture: {
            auto* label = new QLabel(m_client);
            if (c.kind == ControlKind::Picture) {
                label->setPixmap(LoadBitmapResource(c.bitmap, r.size()));
            } else {
                label->setText(QString::fromUtf8(c.caption));
                label->setAlignment(
                    ((c.style & SS_CENTER) != 0 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
                label->setWordWrap(QString::fromUtf8(c.caption).contains('\n'));
            }
            if (staticBack) {
                QPalette pal = label->palette();
                pal.setColor(QPalette::Window, *staticBack);
                label->setPalette(pal);
                label->setAutoFillBackground(true);
            }
            w = label;
            control = std::make_unique<CStatic>();
            break;
        }
        case ControlKind::Edit: {
            if ((c.style & ES_MULTILINE) != 0) {
                auto* box = new QPlainTextEdit(m_client);
                box->setVerticalScrollBarPolicy(
                    (c.style & WS_VSCROLL) != 0 ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
                box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                box->setReadOnly((c.style & ES_READONLY) != 0);
                w = box;
            } else {
                auto* line = new QLineEdit(m_client);
                line->setReadOnly((c.style & ES_READONLY) != 0);
                line->setFrame((c.style & WS_BORDER) != 0);
                w = line;
            }
            control = std::make_unique<CEdit>();
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(QString::fromUtf8(c.caption), m_client);
            button->setAutoDefault(false);
            QObject::connect(button, &QPushButton::clicked, button,
                             [this, id] { Dispatch(id, Notify::Clicked); });
            w = button;
            control = std::make_unique<CButton>();
            break;
        }
        case ControlKind::RadioButton: {
            auto* radio = new QRadioButton(QString::fromUtf8(c.caption), m_client);
            radio->setAutoExclusive(false);
            QObject::connect(radio, &QRadioButton::clicked, radio,
                             [this, id] { OnRadioClicked(id); });
            w = radio;
            control = std::make_unique<CButton>();
            break;
        }
        case ControlKind::GroupBox:
            w = new QGroupBox(QString::fromUtf8(c.caption), m_client);
            control = std::make_unique<CButton>();
            break;
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(m_client);
            combo->setEditable((c.style & CBS_DROPDOWN) != 0);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setPlaceholderText(QStringLiteral(" "));
            combo->setMaxVisibleItems(qMax(3, (r.height() - kComboHeight) / 18));
            QObject::connect(combo, &QComboBox::activated, combo,
                             [this, id](int) { Dispatch(id, Notify::SelChange); });
            w = combo;
            control = std::make_unique<CComboBox>();
            break;
        }
        case ControlKind::ListView: {
            auto* list = new CListWidget(m_client);
            list->setRootIsDecorated(false);
            list->setItemsExpandable(false);
            list->setUniformRowHeights(true);
            list->setAllColumnsShowFocus(true);
            list->setSelectionBehavior(QAbstractItemView::SelectRows);
            list->setSelectionMode((c.style & LVS_SINGLESEL) != 0
                                       ? QAbstractItemView::SingleSelection
                                       : QAbstractItemView::ExtendedSelection);
            list->setColumnCount(0);
            list->header()->setStretchLastSection(false);
            list->header()->setSectionsMovable(false);
            auto ctl = std::make_unique<CListCtrl>();
            list->SetControl(ctl.get());
            w = list;
            control = std::move(ctl);
            break;
        }
        case ControlKind::ScrollBar: {
            auto* bar = new CScrollBarWidget(m_client);
            bar->setRange(0, 0);
            auto ctl = std::make_unique<CScrollBar>();
            CScrollBar* raw = ctl.get();
            QObject::connect(bar, &QScrollBar::actionTriggered, bar, [this, bar, raw](int action) {
                const int code = ScrollCodeOf(action);
                if (code >= 0 && !raw->IsMovingItself()) {
                    VScroll(code, bar->sliderPosition(), *raw);
                }
            });
            QObject::connect(bar, &QScrollBar::sliderReleased, bar, [this, bar, raw] {
                VScroll(SB_THUMBPOSITION, bar->sliderPosition(), *raw);
                VScroll(SB_ENDSCROLL, bar->sliderPosition(), *raw);
            });
            w = bar;
            control = std::move(ctl);
            break;
        }
        }
        w->setFont(font);
        QRect geometry = r;
        if (c.kind == ControlKind::ComboBox) {
            geometry.setHeight(kComboHeight); // the template height includes the dropped list
        }
        w->setGeometry(geometry);
        w->setFocusPolicy((c.style & WS_TABSTOP) != 0 || c.kind == ControlKind::Edit
                              ? Qt::StrongFocus
                              : w->focusPolicy());
        control->Attach(w, id, this, name);
        w->show();
        if (id == IDC_STATIC) {
            m_statics.push_back(std::move(control));
        } else {
            RegisterControl(id, std::move(control));
        }
    }
}

void CDialog::OnRadioClicked(int id) {
    // Automatic radio buttons: the tapped one checks, the others of its group clear.
    const auto& controls = m_template->controls;
    std::size_t index = 0;
    while (index < controls.size() && controls[index].id != id) {
        ++index;
    }
    std::size_t first = index;
    while (first > 0 && (controls[first].style & WS_GROUP) == 0 &&
           controls[first - 1].kind == ControlKind::RadioButton) {
        --first;
    }
    for (std::size_t k = first; k < controls.size() && controls[k].kind == ControlKind::RadioButton;
         ++k) {
        if (k > first && (controls[k].style & WS_GROUP) != 0) {
            break;
        }
        ButtonItem(controls[k].id).SetCheck(controls[k].id == id ? 1 : 0);
    }
    Dispatch(id, Notify::Clicked);
}

bool CDialog::HasItem(int id) const {
    return m_controls.count(id) != 0;
}

CWnd& CDialog::GetDlgItem(int id) const {
    auto it = m_controls.find(id);
    if (it == m_controls.end()) {
        throw std::logic_error("dialog " + ToText(m_templateId) + " has no control " + ToText(id));
    }
    return *it->second;
}

template <class T> T& CDialog::TypedItem(int id, const char* kind) const {
    T* item = dynamic_cast<T*>(&GetDlgItem(id));
    if (item == nullptr) {
        throw std::logic_error("control " + ToText(id) + " of dialog " + ToText(m_templateId) +
                               " is no " + kind);
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
