#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

// The pictures that the panes ask for by resource number (icons 150 to 258, bitmap 249),
// drawn as SVG and compiled into the program, so they stay sharp at every size and scale.
// An unknown number gives a null icon.
QIcon ResourceIcon(int id);
// The picture at a logical size, rendered for the screen's device pixel ratio.
QPixmap ResourceBitmap(int id, const QSize &size = QSize(16, 16));
bool HasResourceIcon(int id);
// Every number that has a picture, ascending.
QList<int> ResourceIconIds();
// The Qt resource path of the drawing behind a number; empty if unknown.
QString ResourceIconPath(int id);
