#include "files/cshelliconlist.h"

#include <QFileIconProvider>
#include <QHash>
#include <QMimeDatabase>

namespace {

struct IconCache
{
    QHash<QString, QIcon> byExtension; // lower-case extension, "" for names without one
    QIcon fallback;
};

IconCache *g_pCache = nullptr;
int g_nOwners = 0;

QIcon lookUp(const QString &strFileName)
{
    // MatchExtension looks at the name only; the file need not exist.
    static const QMimeDatabase mimeDb;
    const QMimeType type = mimeDb.mimeTypeForFile(strFileName, QMimeDatabase::MatchExtension);
    if (type.isValid() && !type.isDefault()) {
        QIcon icon = QIcon::fromTheme(type.iconName());
        if (icon.isNull())
            icon = QIcon::fromTheme(type.genericIconName());
        if (!icon.isNull())
            return icon;
    }
    return g_pCache->fallback;
}

} // namespace

CShellIconList::CShellIconList()
{
    if (g_nOwners++ == 0) {
        g_pCache = new IconCache;
        // The generic file icon of the style; asking by type never touches the disc.
        g_pCache->fallback = QFileIconProvider().icon(QFileIconProvider::File);
        // The first look-up loads the type database; do it now rather than during the
        // first listing.
        g_pCache->byExtension.insert(QStringLiteral("txt"), lookUp(QStringLiteral("a.txt")));
    }
}

CShellIconList::~CShellIconList()
{
    if (--g_nOwners == 0) {
        delete g_pCache;
        g_pCache = nullptr;
    }
}

int CShellIconList::OwnerCount()
{
    return g_nOwners;
}

QSize CShellIconList::GetImageSize(bool bSmall)
{
    return bSmall ? QSize(16, 16) : QSize(32, 32);
}

QIcon CShellIconList::GetIcon(const QString &strFileName, bool) const
{
    const qsizetype dot = strFileName.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : strFileName.mid(dot + 1).toLower();
    auto it = g_pCache->byExtension.constFind(extension);
    if (it != g_pCache->byExtension.constEnd())
        return it.value();
    const QIcon icon = extension.isEmpty() ? g_pCache->fallback : lookUp(strFileName);
    g_pCache->byExtension.insert(extension, icon);
    return icon;
}
