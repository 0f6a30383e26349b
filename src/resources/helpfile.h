#pragma once

#include <QString>

// The user help that `cmake --install` puts in share/doc/tavikon/help.html: looked for beside
// the installed program first, then in the desktop's data directories ($XDG_DATA_HOME,
// $XDG_DATA_DIRS). Empty when no copy is installed.
QString InstalledHelpFile();
