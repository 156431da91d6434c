#pragma once

// Numeric ids of dialogs, controls, commands, toolbars, menus and bitmaps, shared by the
// templates and the screens. Controls are named per dialog: the same number means different
// controls on different screens.

// Dialog templates.
inline constexpr int IDD_ABOUT = 130;
inline constexpr int IDD_LAUNCHER = 134;
inline constexpr int IDD_ADD_BOOKMARK = 135;
inline constexpr int IDD_READINGS = 136;
inline constexpr int IDD_BOOKMARK_VIEW = 137;
inline constexpr int IDD_BOOKMARKS = 138;
inline constexpr int IDD_ENGLISH_CHAPTER = 140;
inline constexpr int IDD_ENGLISH_SELECT = 142;
inline constexpr int IDD_ENGLISH_CONFPOINT = 143;
inline constexpr int IDD_HELP = 144;
inline constexpr int IDD_HYMN_SEARCH = 145;
inline constexpr int IDD_HYMNAL = 146;
inline constexpr int IDD_KOREAN_CHAPTER = 147;
inline constexpr int IDD_KOREAN_SELECT = 148;
inline constexpr int IDD_KOREAN_CONFPOINT = 149;
inline constexpr int IDD_READING_PLAN = 150;
inline constexpr int IDD_SEARCH = 151;
inline constexpr int IDD_VERSE_VIEW = 152;
inline constexpr int IDD_FONT_SETTINGS = 154;
inline constexpr int IDD_VISITATION = 176;

// Frame, bitmaps, toolbars and menus.
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDB_ABOUT_PICTURE = 131;
inline constexpr int IDB_LAUNCHER_PICTURE = 133;
inline constexpr int IDR_TOOLBAR_COPY_EXIT = 155;
inline constexpr int IDR_TOOLBAR_ENGLISH_VIEW = 161;
inline constexpr int IDR_TOOLBAR_EXIT = 163;
inline constexpr int IDR_TOOLBAR_HYMNAL = 165;
inline constexpr int IDR_TOOLBAR_LAUNCHER = 167;
inline constexpr int IDR_MENU_LAUNCHER = 169;
inline constexpr int IDR_TOOLBAR_KOREAN_VIEW = 170;
inline constexpr int IDR_TOOLBAR_READING_PLAN = 172;
inline constexpr int IDR_TOOLBAR_SEARCH = 174;
inline constexpr int IDR_TOOLBAR_VISITATION = 177;

// Command-bar control ids.
inline constexpr int ID_COMMAND_BAR = 0xE800;
inline constexpr int ID_FIRST_PANE = 0xE900;

// Commands (menu items and toolbar buttons).
inline constexpr int ID_COPY = 32771;
inline constexpr int ID_EXIT = 32772;
inline constexpr int ID_SELECT_CHAPTER = 32774;
inline constexpr int ID_MANUAL_BOOKMARK = 32775;
inline constexpr int ID_FONT_ENGLISH = 32776;
inline constexpr int ID_PAGE_UP = 32777;
inline constexpr int ID_PAGE_DOWN = 32778;
inline constexpr int ID_HYMNS_BY_TITLE = 32782;
inline constexpr int ID_HYMNS_BY_NUMBER = 32783;
inline constexpr int ID_HYMN_SEARCH = 32784;
inline constexpr int ID_RECENT_PLACE = 32787;
inline constexpr int ID_MENU_INFO = 32794;
inline constexpr int ID_ABOUT = 32795;
inline constexpr int ID_MENU_EXIT = 32797;
inline constexpr int ID_ADD_BOOKMARK = 32800;
inline constexpr int ID_FONT_KOREAN = 32802;
inline constexpr int ID_READING_PLAN_CLEAR = 32809;
inline constexpr int ID_PARALLEL_SEARCH = 32811;
inline constexpr int ID_PARALLEL_KOREAN = 32813;
inline constexpr int ID_PARALLEL_ENGLISH = 32814;
inline constexpr int ID_READING_PLAN_FILL = 32818;
inline constexpr int ID_READING_PLAN_EMPTY = 32819;
inline constexpr int ID_HELP = 57670;

// Pop-up buttons shared by the small dialogs.
inline constexpr int IDC_OK = 1001;
inline constexpr int IDC_CANCEL = 1011;

// Launcher 134.
inline constexpr int IDC_LAUNCH_KOREAN = 1008;
inline constexpr int IDC_LAUNCH_ENGLISH = 1009;
inline constexpr int IDC_LAUNCH_SEARCH = 1010;
inline constexpr int IDC_LAUNCH_HYMNAL = 1011;
inline constexpr int IDC_LAUNCH_READING_PLAN = 1012;
inline constexpr int IDC_LAUNCH_VISITATION = 1013;
inline constexpr int IDC_LAUNCH_READINGS = 1014;
inline constexpr int IDC_LAUNCH_BOOKMARKS = 1015;
inline constexpr int IDC_LAUNCHER_VERSION = 1000;

// Help 144.
inline constexpr int IDC_HELP_TEXT = 1004;

// Chapter views 140, 147.
inline constexpr int IDC_CHAPTER_SCROLL = 1023;

// Selectors 142, 148 and manual bookmarks 143, 149.
inline constexpr int IDC_SELECT_TESTAMENT = 1005;
inline constexpr int IDC_SELECT_BOOK = 1006;
inline constexpr int IDC_SELECT_CHAPTER = 1007;
inline constexpr int IDC_CONFPOINT_LOAD = 1002;
inline constexpr int IDC_CONFPOINT_SAVE = 1010;

// Font settings 154.
inline constexpr int IDC_FONT_SIZE = 1005;

// Search 151.
inline constexpr int IDC_SEARCH_LANGUAGE = 1034;
inline constexpr int IDC_SEARCH_LIMIT = 1005;
inline constexpr int IDC_SEARCH_SCOPE = 1006;
inline constexpr int IDC_SEARCH_BOOK = 1007;
inline constexpr int IDC_SEARCH_CHAPTER = 1021;
inline constexpr int IDC_SEARCH_FIRST_VERSE = 1004;
inline constexpr int IDC_SEARCH_LAST_VERSE = 1008;
inline constexpr int IDC_SEARCH_WORD = 1009;
inline constexpr int IDC_SEARCH_LOOKUP = 1027;
inline constexpr int IDC_SEARCH_FIND = 1028;
inline constexpr int IDC_SEARCH_HITS = 1018;
inline constexpr int IDC_SEARCH_TEXT = 1019;

// Verse view 152.
inline constexpr int IDC_VERSE_WORD = 1004;
inline constexpr int IDC_VERSE_NUMBER = 1008;
inline constexpr int IDC_VERSE_BOOK = 1009;
inline constexpr int IDC_VERSE_CHAPTER = 1019;
inline constexpr int IDC_VERSE_VERSE = 1022;
inline constexpr int IDC_VERSE_BODY = 1010;

// Bookmark list 138 and view 137.
inline constexpr int IDC_BOOKMARK_STATUS = 1017;
inline constexpr int IDC_BOOKMARK_MODE_VIEW = 1014;
inline constexpr int IDC_BOOKMARK_MODE_ADD = 1015;
inline constexpr int IDC_BOOKMARK_MODE_DELETE = 1016;
inline constexpr int IDC_BOOKMARK_LIST = 1018;
inline constexpr int IDC_BOOKMARK_TITLE_LINE = 1012;
inline constexpr int IDC_BOOKMARK_REFERENCE_LINE = 1013;
inline constexpr int IDC_BOOKMARK_BODY = 1004;

// Add bookmark 135.
inline constexpr int IDC_ADD_NUMBER = 1012;
inline constexpr int IDC_ADD_TITLE = 1004;
inline constexpr int IDC_ADD_TESTAMENT = 1005;
inline constexpr int IDC_ADD_BOOK = 1006;
inline constexpr int IDC_ADD_CHAPTER = 1007;
inline constexpr int IDC_ADD_FIRST_VERSE = 1008;
inline constexpr int IDC_ADD_LAST_VERSE = 1009;
inline constexpr int IDC_ADD_SAVE = 1010;
inline constexpr int IDC_ADD_CANCEL = 1011;

// Hymnal 146 and hymn search 145.
inline constexpr int IDC_HYMN_NUMBER = 1004;
inline constexpr int IDC_HYMN_MAJOR = 1005;
inline constexpr int IDC_HYMN_MINOR = 1006;
inline constexpr int IDC_HYMN_LIST = 1007;
inline constexpr int IDC_HYMN_TEXT = 1008;
inline constexpr int IDC_HYMN_SHOW = 1025;
inline constexpr int IDC_HYMN_SEARCH_WORD = 1004;
inline constexpr int IDC_HYMN_SEARCH_FIND = 1024;

// Reading plan 150.
inline constexpr int IDC_PLAN_BOOK_NAME = 1004;
inline constexpr int IDC_PLAN_TESTAMENT = 1005;
inline constexpr int IDC_PLAN_BOOKS = 1018;
inline constexpr int IDC_PLAN_CHAPTERS = 1026;

// Visitation dictionary 176.
inline constexpr int IDC_VISIT_VERSE = 1004;
inline constexpr int IDC_VISIT_MAJOR = 1016;
inline constexpr int IDC_VISIT_MIDDLE = 1017;
inline constexpr int IDC_VISIT_TITLES = 1018;
inline constexpr int IDC_VISIT_MINOR = 1019;

// Responsive readings 136.
inline constexpr int IDC_READING_TEXT = 1004;
inline constexpr int IDC_READING_LIST = 1005;
inline constexpr int IDC_READING_LORDS_PRAYER = 1014;
inline constexpr int IDC_READING_CREED = 1015;
inline constexpr int IDC_READING_COMMANDMENTS = 1016;
