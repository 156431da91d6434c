#pragma once

#include <cstdint>
#include <span>

// Dialog templates as data: the controls of every screen with their ids, kinds, rectangles in
// dialog units, captions and styles. The platform layer builds widgets from them.

enum class ControlKind {
    Static,  // label; SS_CENTER centres it
    Picture, // static showing a bitmap resource (caption holds nothing, bitmap the id)
    Edit,    // ES_MULTILINE for a text box
    PushButton,
    RadioButton, // automatic radio button
    GroupBox,
    ComboBox,  // CBS_DROPDOWN (edit field) or CBS_DROPDOWNLIST
    ListView,  // report style
    ScrollBar, // vertical
};

// Style bits, named after the handheld framework's window and control styles.
enum ControlStyle : std::uint32_t {
    WS_VSCROLL = 1u << 0,
    WS_HSCROLL = 1u << 1,
    WS_BORDER = 1u << 2,
    WS_TABSTOP = 1u << 3,
    WS_GROUP = 1u << 4,
    ES_MULTILINE = 1u << 8,
    ES_AUTOHSCROLL = 1u << 9,
    ES_READONLY = 1u << 10,
    ES_WANTRETURN = 1u << 11,
    CBS_DROPDOWN = 1u << 12,
    CBS_DROPDOWNLIST = 1u << 13,
    CBS_SORT = 1u << 14,
    LVS_REPORT = 1u << 15,
    LVS_SINGLESEL = 1u << 16,
    LVS_SHOWSELALWAYS = 1u << 17,
    SS_CENTER = 1u << 18,
    BS_DEFPUSHBUTTON = 1u << 19,
};

inline constexpr int IDC_STATIC = -1;

struct ControlTemplate {
    int id = IDC_STATIC;
    ControlKind kind = ControlKind::Static;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    const char* caption = "";
    std::uint32_t style = 0;
    int bitmap = 0; // Picture only
};

struct DialogTemplate {
    int id = 0;
    const char* caption = "";
    int cx = 0;
    int cy = 0;
    const char* fontFace = "System";
    int fontSize = 10;
    bool fullScreen = false; // full screens carry a command bar; pop-ups don't
    std::span<const ControlTemplate> controls;
};

struct ToolbarResource {
    int id = 0;
    std::span<const int> commands;
};

struct MenuItemResource {
    int id = 0; // 0: separator
    const char* text = "";
};

struct MenuResource {
    int id = 0;
    int popupStringId = 0; // string-table entry naming the drop-down
    const char* popupText = "";
    std::span<const MenuItemResource> items;
};

// Lookups; nullptr when the resource doesn't exist.
const DialogTemplate* FindDialogTemplate(int id);
const ToolbarResource* FindToolbar(int id);
const MenuResource* FindMenu(int id);
// String-table entry; empty when there is none (command 32809 has none).
const char* LoadStringResource(int id);
// 16 × 16 button images: 16 rows of 16 palette keys each; nullptr when a command has none.
struct IconPaletteEntry {
    char key;
    std::uint32_t argb; // 0 for a transparent pixel
};
std::span<const IconPaletteEntry> CommandIconPalette();
const char* const* CommandIconRows(int commandId);
