#pragma once

// Values of the handheld framework that screens use: dialog results, message-box styles,
// key codes, scroll-bar notifications and control notifications.

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message-box buttons and icons, combined with |.
enum : unsigned {
    MB_OK = 0x0,
    MB_YESNO = 0x4,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
inline constexpr unsigned kMessageButtonsMask = 0xF;
inline constexpr unsigned kMessageIconMask = 0xF0;

// Virtual key codes seen by a screen's key hook.
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_ACTION = 0x86; // the handheld's action key (centre of the pad)

// Vertical scroll-bar notification codes.
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_ENDSCROLL = 8;

// Soft input panel.
inline constexpr int SIPF_OFF = 0;
inline constexpr int SIPF_ON = 1;

// Control notifications a screen binds handlers to.
enum class Notify {
    Command,   // toolbar button or menu item (id = command id)
    Clicked,   // push or radio button
    SelChange, // combo box selection changed by the user
    SetFocus,  // edit, combo box or list gained the focus
    KillFocus, // ... lost it
    ListClick, // tap on a list view (CListCtrl::LastTapRow tells the row, -1 beside the rows)
};

// Column formats of a report list view.
enum ListColumnFormat { LVCFMT_LEFT = 0, LVCFMT_RIGHT = 1, LVCFMT_CENTER = 2 };

// What a control-colour hook is asked about.
enum class CtlColor { Dialog, Static };
