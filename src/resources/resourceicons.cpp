#include "resources/resourceicons.h"

#include <QApplication>
#include <QStyle>

// Placeholder pictures until our own drawings are in place.
QIcon ResourceIcon(int id)
{
    if (!qApp)
        return {};
    QStyle *style = QApplication::style();
    switch (id) {
    case 175:
    case 153:
        return style->standardIcon(QStyle::SP_DirIcon);
    case 191:
    case 167:
        return style->standardIcon(QStyle::SP_DriveCDIcon);
    default:
        return style->standardIcon(QStyle::SP_FileIcon);
    }
}

QPixmap ResourceBitmap(int id, const QSize &size) { return ResourceIcon(id).pixmap(size); }

bool HasResourceIcon(int id) { return id >= 150 && id <= 260; }
