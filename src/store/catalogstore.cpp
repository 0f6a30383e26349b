#include "store/catalogstore.h"

// Placeholder until the store lands: every operation fails clearly.
const QStringList DEFAULT_CATEGORIES = {
    QStringLiteral("Komedy"), QStringLiteral("Drama"), QStringLiteral("Action"),
    QStringLiteral("Software"), QStringLiteral("Movies"), QStringLiteral("Games"),
    QStringLiteral("Video"), QStringLiteral("Music")};

namespace {
StoreResult notYet() { return StoreResult::failure(QStringLiteral("The catalogue store is not built yet.")); }
} // namespace

StoreResult CopyWholeFile(const QString &, const QString &) { return notYet(); }
StoreResult WriteWholeFile(const QString &, const QByteArray &) { return notYet(); }
QString CatalogStore::DataPath(const QString &name) const { return m_strActiveDir + QStringLiteral("Data/") + name; }
QString CatalogStore::BackupPath(const QString &name) const { return m_strBackupDir + u'/' + name; }
StoreResult CatalogStore::LoadCatalog(CCatalog &catalog, QList<TreeTextNode> &tree)
{
    catalog.ResetLists();
    tree.clear();
    return notYet();
}
StoreResult CatalogStore::RestoreCatalog(CCatalog &) { return notYet(); }
bool CatalogStore::NeedsRestore(const CCatalog &catalog, bool bTreeHasItems) const
{
    return !m_bWhole || (bTreeHasItems && catalog.m_pDiscs->isEmpty());
}
StoreResult CatalogStore::SaveCatalog(const CCatalog &, const QByteArray *) { return notYet(); }
StoreResult CatalogStore::BackUpCatalog() { return notYet(); }
StoreResult CatalogStore::WriteDataFile(const QString &, const QByteArray &) { return notYet(); }
StoreResult CatalogStore::WriteBackupFile(const QString &, const QByteArray &) { return notYet(); }
StoreResult CatalogStore::ReadDataFile(const QString &, QByteArray &) const { return notYet(); }
