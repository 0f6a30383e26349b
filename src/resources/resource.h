#pragma once

// Command numbers of the menus and the accelerator table.

// Menu 128
inline constexpr int ID_PROGRAM_SAVEEXIT = 32783;
inline constexpr int ID_EDIT_CDSCAN = 32811;
inline constexpr int ID_EDIT_FINDGAPS = 32812;
inline constexpr int ID_EDIT_DELETECD = 32813;
inline constexpr int ID_EDIT_CDDBQUERY = 32814;
inline constexpr int ID_LEND_LENDTO = 32818;
inline constexpr int ID_LEND_GETBACK = 32819;
inline constexpr int ID_LEND_SHOWAVAILABLECDS = 32820;
inline constexpr int ID_LEND_SHOWNONAVAILABLECDS = 32821;
inline constexpr int ID_SEARCH_NAMESEARCH = 32822;
inline constexpr int ID_SEARCH_FILESEARCH = 32823;
inline constexpr int ID_SEARCH_SEARCHCD = 32824;
inline constexpr int ID_OPTIONS = 32789; // "&CD Info"
inline constexpr int ID_VIEW_LARGEICONS = 32809;
inline constexpr int ID_VIEW_SMALLICONS = 32810;
inline constexpr int ID_DATABASE_BACKHOME = 32850;
inline constexpr int ID_DATABASE_LOADFRIEND = 32784;
inline constexpr int ID_HELP_FINDER = 57667; // "Help Themes"
inline constexpr int ID_HELP = 57669;
inline constexpr int ID_CONTEXT_HELP = 57670;
inline constexpr int ID_DEFAULT_HELP = 57671;
inline constexpr int ID_APP_ABOUT = 57664;

// Accelerator table 128
inline constexpr int ID_ACCEL_SCAN = 32781; // Ctrl+Y
inline constexpr int ID_ACCEL_FINDGAPS = 32834; // Ctrl+G
inline constexpr int ID_ACCEL_CDDB = 32835; // Ctrl+B
inline constexpr int ID_ACCEL_SAVEDATA = 32836; // Ctrl+S
inline constexpr int ID_ACCEL_NAMESEARCH = 32838; // Ctrl+N
inline constexpr int ID_ACCEL_FILESEARCH = 32839; // Ctrl+A
inline constexpr int ID_ACCEL_SEARCHCD = 32840; // Ctrl+D
inline constexpr int ID_ACCEL_LEND = 32841; // Ctrl+L
inline constexpr int ID_ACCEL_GETBACK = 32842; // Ctrl+H
inline constexpr int ID_ACCEL_AVAILABLE = 32843; // Ctrl+W
inline constexpr int ID_ACCEL_NONAVAILABLE = 32844; // Ctrl+Q
inline constexpr int ID_ACCEL_CTRLENTER = 32847; // Ctrl+Enter
inline constexpr int ID_ACCEL_LOADFRIEND = 32851; // Ctrl+P
inline constexpr int ID_ACCEL_BACKHOME = 32852; // Ctrl+Z
inline constexpr int ID_ACCEL_DELETE = 32774; // Del
inline constexpr int ID_ACCEL_RENAME = 32853; // F2

// Pop-up menus of the panes
inline constexpr int ID_RENAME = 32771;
inline constexpr int ID_DELETE = 32774;
inline constexpr int ID_TREE_DELETE = 32827; // menu 251 "Tree"
inline constexpr int ID_TREE_RENAME = 32826;
inline constexpr int ID_TREE_CDINFO = 32846;
inline constexpr int ID_DATA_ATTACHCATEGORIES = 32778; // menu 206 "Data"
inline constexpr int ID_DATA_VIEWCATEGORIES = 32779;
inline constexpr int ID_DATA_OPENFILE = 32828;
inline constexpr int ID_DATA_CDINFO = 32845;
inline constexpr int ID_CAT_ATTACHTOCD = 32775; // menu 204 "Cat"
inline constexpr int ID_CAT_VIEWCDS = 32808;
inline constexpr int ID_CDCAT_DELETE = 32776; // menu 205 "CD Category"
inline constexpr int ID_DATACAT_DELETE = 32780; // menu 208 "Data Category"
inline constexpr int ID_RESULT_DELETE = 32829; // menu 252 "File" of the search results
inline constexpr int ID_RESULT_OPEN = 32830;
inline constexpr int ID_RESULT_GOTOCD = 32832;
inline constexpr int ID_RESULTCAT_DELETE = 32831; // menu 253 "CAT" of the search results

// Menu resources
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDR_TREE_MENU = 251;
inline constexpr int IDR_DATA_MENU = 206;
inline constexpr int IDR_CAT_MENU = 204;
inline constexpr int IDR_CDCAT_MENU = 205;
inline constexpr int IDR_DATACAT_MENU = 208;
inline constexpr int IDR_RESULT_MENU = 252;
inline constexpr int IDR_RESULTCAT_MENU = 253;
