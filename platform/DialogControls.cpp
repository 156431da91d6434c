#include "Dialog.h"

#include "Bitmaps.h"
#include "DialogUnits.h"
#include "DialogWidgets.h"
#include "Fonts.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <string>

namespace {
constexpr int kComboHeight = 21;

// Accessible name of a control: its caption, or for an edit, list or combo box the caption
// of the label standing before it in the template, else its id.
std::string AccessibleNameOf(const DialogTemplate& t, std::size_t index) {
    const ControlTemplate& c = t.controls[index];
    const bool labelled = c.kind == ControlKind::Edit || c.kind == ControlKind::ComboBox ||
                          c.kind == ControlKind::ListView;
    if (!labelled) {
        return *c.caption != '\0' ? std::string(c.caption) : std::to_string(c.id);
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
    return std::to_string(c.id);
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
