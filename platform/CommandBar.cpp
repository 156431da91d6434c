#include "CommandBar.h"

#include "ComboBox.h"
#include "Dialog.h"
#include "Fonts.h"
#include "ResourceIds.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {
constexpr int kBarHeight = 24;

QIcon CommandIcon(int commandId) {
    const char* const* rows = CommandIconRows(commandId);
    if (rows == nullptr) {
        return {};
    }
    QImage image(16, 16, QImage::Format_ARGB32);
    const auto palette = CommandIconPalette();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            std::uint32_t argb = 0;
            for (const IconPaletteEntry& e : palette) {
                if (e.key == rows[y][x]) {
                    argb = e.argb;
                    break;
                }
            }
            image.setPixel(x, y, argb);
        }
    }
    return QIcon(QPixmap::fromImage(image));
}
} // namespace

CCommandBar::CCommandBar() = default;
CCommandBar::~CCommandBar() = default;

bool CCommandBar::Create(CDialog& owner) {
    if (m_bar != nullptr) {
        return true;
    }
    m_owner = &owner;
    QWidget* layer = owner.Widget();
    if (layer == nullptr) {
        return false;
    }
    m_bar = new QToolBar(layer);
    m_bar->setObjectName(QString::number(ID_COMMAND_BAR));
    m_bar->setAccessibleName(QStringLiteral("명령 모음"));
    m_bar->setIconSize(QSize(16, 16));
    m_bar->setMovable(false);
    m_bar->setFloatable(false);
    m_bar->setGeometry(0, 0, layer->width(), kBarHeight);
    m_bar->setStyleSheet(
        QStringLiteral("QToolBar { background: #dcdcdc; border-bottom: 1px solid #a0a0a0;"
                       " spacing: 1px; padding: 0px; }"));
    m_bar->show();
    return true;
}

bool CCommandBar::InsertMenuBar(int menuId) {
    const MenuResource* menu = FindMenu(menuId);
    if (m_bar == nullptr || menu == nullptr) {
        return false;
    }
    auto* button = new QToolButton(m_bar);
    button->setText(QString::fromUtf8(menu->popupText));
    button->setAccessibleName(button->text());
    button->setObjectName(QString::number(menu->popupStringId));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_menu = new QMenu(button);
    for (const MenuItemResource& item : menu->items) {
        if (item.id == 0) {
            m_menu->addSeparator();
            continue;
        }
        QAction* action = m_menu->addAction(QString::fromUtf8(item.text));
        action->setObjectName(QString::number(item.id));
        const int id = item.id;
        CDialog* owner = m_owner;
        QObject::connect(action, &QAction::triggered, m_bar,
                         [owner, id] { owner->SendCommand(id); });
    }
    button->setMenu(m_menu);
    m_bar->addWidget(button);
    return true;
}

CComboBox* CCommandBar::InsertComboBox(int id, int width) {
    if (m_bar == nullptr || m_owner == nullptr) {
        return nullptr;
    }
    auto* combo = new QComboBox(m_bar);
    combo->setFixedWidth(width);
    combo->setPlaceholderText(QStringLiteral(" "));
    combo->setFont(UiFont(11));
    m_bar->addWidget(combo);
    auto control = std::make_unique<CComboBox>();
    control->Attach(combo, id, m_owner, std::to_string(id));
    CComboBox* raw = control.get();
    CDialog* owner = m_owner;
    QObject::connect(combo, &QComboBox::activated, combo,
                     [owner, id](int) { owner->Dispatch(id, Notify::SelChange); });
    m_owner->RegisterControl(id, std::move(control));
    return raw;
}

bool CCommandBar::AddToolbar(int toolbarId) {
    const ToolbarResource* toolbar = FindToolbar(toolbarId);
    if (m_bar == nullptr || toolbar == nullptr) {
        return false;
    }
    for (int id : toolbar->commands) {
        const QString name = QString::fromUtf8(LoadStringResource(id));
        QAction* action = m_bar->addAction(CommandIcon(id), name);
        action->setObjectName(QString::number(id));
        action->setToolTip(name);
        if (QWidget* w = m_bar->widgetForAction(action)) {
            w->setObjectName(QString::number(id));
            w->setAccessibleName(name.isEmpty() ? QString::number(id) : name);
        }
        CDialog* owner = m_owner;
        QObject::connect(action, &QAction::triggered, m_bar,
                         [owner, id] { owner->SendCommand(id); });
        m_commands.push_back(id);
    }
    return true;
}

std::vector<int> CCommandBar::MenuCommands() const {
    std::vector<int> ids;
    if (m_menu == nullptr) {
        return ids;
    }
    for (QAction* a : m_menu->actions()) {
        ids.push_back(a->isSeparator() ? 0 : a->objectName().toInt());
    }
    return ids;
}

void CCommandBar::Press(int commandId) {
    if (m_bar == nullptr) {
        return;
    }
    const QString name = QString::number(commandId);
    for (QAction* a : m_bar->actions()) {
        if (a->objectName() == name) {
            a->trigger();
            return;
        }
    }
    if (m_menu != nullptr) {
        for (QAction* a : m_menu->actions()) {
            if (a->objectName() == name) {
                a->trigger();
                return;
            }
        }
    }
}
