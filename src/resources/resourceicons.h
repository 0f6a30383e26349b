#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures that the panes ask for by resource number (icons 150 to 258, bitmap 249).
// Every number resolves to a picture; an unknown number gives a null icon.
QIcon ResourceIcon(int id);
QPixmap ResourceBitmap(int id, const QSize &size = QSize(16, 16));
bool HasResourceIcon(int id);
