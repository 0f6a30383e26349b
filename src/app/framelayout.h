#pragma once

#include <QList>

class CMainFrame;

// The main window's layout between sessions: the widths of the four panes and of the file
// list's size and type columns, kept in the profile settings when the window closes and
// brought back when it opens.

// Pane widths, left to right, for a start without kept ones: the classic 255, 200, 320 and
// 165 pixels, with the disc tree wide enough for a disc label of thirty characters and its
// number in the tree's font.
QList<int> DefaultPaneWidths(const CMainFrame &frame);

// Sets the pane and column widths from the profile settings, or the defaults.
void RestoreFrameLayout(CMainFrame &frame);
// Keeps the present pane and column widths in the profile settings.
void SaveFrameLayout(const CMainFrame &frame);
