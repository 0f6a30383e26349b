#pragma once

// Notification codes of the broadcast between the panes. Codes are plain ints so that a
// receiver can be handed any number and ignore the ones it does not know.
inline constexpr int HINT_TOKEN = 0;
inline constexpr int HINT_LOAD_HOME = 1;
inline constexpr int HINT_SELECTION = 2;
inline constexpr int HINT_DISC_EDITED = 3;
inline constexpr int HINT_FIND_NUMBER = 4;
inline constexpr int HINT_SEARCH = 5;
inline constexpr int HINT_LEND_TO = 9;
inline constexpr int HINT_BORROWED_FROM = 11;
inline constexpr int HINT_ATTACH_CATEGORIES = 12;
inline constexpr int HINT_CLEAR_FILES = 20;
inline constexpr int HINT_ALLOW_REPLY = 22;
inline constexpr int HINT_COLLECT_CATEGORIES = 23;
inline constexpr int HINT_BACKUP_DIR = 30;
inline constexpr int HINT_SHOW_NAMES = 55;
inline constexpr int HINT_PANEL_COMMAND = 56;
inline constexpr int HINT_VIEW_MODE = 57;
inline constexpr int HINT_LOAD_FRIEND = 100;
inline constexpr int HINT_HOME_DATA = 200;
inline constexpr int HINT_FRIEND_REQUEST = 300;
inline constexpr int HINT_HOME_REQUEST = 400;
inline constexpr int HINT_ENABLE = 500;
inline constexpr int HINT_PANEL_ENABLE = 600;
