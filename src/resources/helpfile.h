#pragma once

#include <QString>

class QWidget;

// The user help, help.html with its pictures, looked for in this order: where
// `cmake --install` puts it for the installed program (<prefix>/share/doc/tavikon, beside
// <prefix>/bin), in help/ beside the program (where every build puts a copy, so a program
// started from the build folder, as tools/run.sh does, has it too), then in the desktop's data
// directories ($XDG_DATA_HOME, $XDG_DATA_DIRS). Empty when there is no copy anywhere.
QString InstalledHelpFile();

// Opens the help page with the desktop's viewer for it, or, on a desktop without one, in a
// window of our own; says so in a message box when the page is missing. Both help commands
// end here.
void OpenHelpPage(QWidget *parent);
