#pragma once

#include <QMenu>
#include <QPointer>
#include <QToolBar>

#include <memory>
#include <string>
#include <vector>

class CDialog;
class CComboBox;

// The bar under a full screen's title: an optional menu, an optional drop-down list and the
// buttons of a toolbar resource, each with its 16 × 16 image and the string-table name as
// tooltip. A tap sends the button's command id to the screen.
class CCommandBar {
public:
    CCommandBar();
    ~CCommandBar();

    // Docked at the top of the screen, control id 0xE800.
    bool Create(CDialog& owner);
    bool IsCreated() const { return m_bar != nullptr; }
    // The launcher's menu bar (resource 169).
    bool InsertMenuBar(int menuId);
    // A drop-down list without edit field, ahead of the buttons; the screen reaches it as an
    // ordinary control by `id`.
    CComboBox* InsertComboBox(int id, int width);
    bool AddToolbar(int toolbarId);

    QToolBar* Bar() const { return m_bar; }
    QMenu* Menu() const { return m_menu; }
    // Command ids of the buttons, in order.
    const std::vector<int>& ButtonCommands() const { return m_commands; }
    // Menu items in order (0 for a separator).
    std::vector<int> MenuCommands() const;
    // The user taps a button or a menu item.
    void Press(int commandId);

private:
    CDialog* m_owner = nullptr;
    QPointer<QToolBar> m_bar;
    QPointer<QMenu> m_menu;
    std::vector<int> m_commands;
};
