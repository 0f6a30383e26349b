#include "resources/resourceicons.h"

#include <QGuiApplication>
#include <QHash>

#include <algorithm>

namespace {

// Resource number -> drawing. Several numbers share a picture where they stand for the same
// thing (the disc, the generic "go" action).
const QHash<int, QString> &iconFiles()
{
    static const QHash<int, QString> files = {
        {150, QStringLiteral("go")},
        {153, QStringLiteral("folder-open")},
        {159, QStringLiteral("disc-available")},
        {166, QStringLiteral("scan-stop")},
        {167, QStringLiteral("drive")},
        {168, QStringLiteral("category")},
        {173, QStringLiteral("tavikon")},
        {175, QStringLiteral("folder")},
        {176, QStringLiteral("disc-lent")},
        {179, QStringLiteral("delete")},
        {180, QStringLiteral("scan-start")},
        {181, QStringLiteral("scan-save")},
        {182, QStringLiteral("file-search")},
        {183, QStringLiteral("gaps")},
        {191, QStringLiteral("disc")},
        {232, QStringLiteral("disc-search")},
        {233, QStringLiteral("name-search")},
        {249, QStringLiteral("help")},
        {258, QStringLiteral("cddb")},
    };
    return files;
}

} // namespace

QIcon ResourceIcon(int id)
{
    const auto it = iconFiles().constFind(id);
    if (it == iconFiles().constEnd())
        return {};
    // QIcon shares its data, so the cache costs one engine per picture; the svg engine renders
    // each requested size (and device pixel ratio) from the drawing itself.
    static QHash<int, QIcon> cache;
    QIcon &icon = cache[id];
    if (icon.isNull())
        icon = QIcon(QStringLiteral(":/tavikon/icons/%1.svg").arg(*it));
    return icon;
}

QPixmap ResourceBitmap(int id, const QSize &size)
{
    const QIcon icon = ResourceIcon(id);
    if (icon.isNull())
        return {};
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return icon.pixmap(size, ratio);
}

bool HasResourceIcon(int id)
{
    return iconFiles().contains(id);
}

QList<int> ResourceIconIds()
{
    QList<int> ids = iconFiles().keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString ResourceIconPath(int id)
{
    const auto it = iconFiles().constFind(id);
    return it == iconFiles().constEnd() ? QString()
                                        : QStringLiteral(":/tavikon/icons/%1.svg").arg(*it);
}
