#include "store/catalogstore.h"

#include "store/archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <unistd.h>

const QStringList DEFAULT_CATEGORIES
    = {QStringLiteral("Komedy"),   QStringLiteral("Drama"),  QStringLiteral("Action"),
       QStringLiteral("Software"), QStringLiteral("Movies"), QStringLiteral("Games"),
       QStringLiteral("Video"),    QStringLiteral("Music")};

namespace {

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

StoreResult readWholeFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.exists())
        return StoreResult::failure(
            QStringLiteral("The catalogue file \"%1\" is missing.").arg(native(path)));
    if (!file.open(QIODevice::ReadOnly))
        return StoreResult::failure(
            QStringLiteral("The catalogue file \"%1\" cannot be opened: %2.")
                .arg(native(path), file.errorString()));
    const qint64 size = file.size();
    QByteArray data;
    if (size > 0) {
        data.resize(qsizetype(size));
        qint64 got = 0;
        while (got < size) {
            const qint64 n = file.read(data.data() + got, size - got);
            if (n < 0)
                return StoreResult::failure(
                    QStringLiteral("The catalogue file \"%1\" cannot be read: %2.")
                        .arg(native(path), file.errorString()));
            if (n == 0)
                break; // shrank while we read: keep what is there
            got += n;
        }
        data.truncate(qsizetype(got));
    }
    // A file that grew meanwhile (or one whose size the system does not report) reads on.
    const QByteArray rest = file.readAll();
    if (!rest.isEmpty())
        data.append(rest);
    bytes = std::move(data);
    return StoreResult::success();
}

template<typename Read> StoreResult readListFile(const QString &path, Read read)
{
    QByteArray bytes;
    StoreResult r = readWholeFile(path, bytes);
    if (!r)
        return r;
    if (bytes.isEmpty())
        return StoreResult::failure(
            QStringLiteral("The catalogue file \"%1\" is empty, so it holds no list.")
                .arg(native(path)));
    r = read(bytes);
    if (!r)
        return StoreResult::failure(QStringLiteral("The catalogue file \"%1\" is damaged. %2")
                                        .arg(native(path), r.message()));
    return r;
}

StoreResult readLists(CCatalog &catalog, const QString &discs, const QString &categories,
                      const QString &files)
{
    StoreResult r = readListFile(
        discs, [&](const QByteArray &b) { return ReadDiscList(b, *catalog.m_pDiscs); });
    if (!r)
        return r;
    r = readListFile(categories, [&](const QByteArray &b) {
        return ReadStringList(b, catalog.m_lstCategories);
    });
    if (!r)
        return r;
    return readListFile(files,
                        [&](const QByteArray &b) { return ReadFileList(b, *catalog.m_pFiles); });
}

StoreResult refusePartial()
{
    return StoreResult::failure(QStringLiteral(
        "The catalogue was not read completely, so it is not written: the files on disk and "
        "the backup stay as they are."));
}

} // namespace

StoreResult WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const auto failed = [&](const QString &why) {
        file.cancelWriting();
        return StoreResult::failure(
            QStringLiteral("The catalogue file \"%1\" could not be written: %2. The previous "
                           "file is unchanged.")
                .arg(native(path), why));
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return failed(file.errorString());
        done += n;
    }
    // The data must be on the disk before the rename makes it the catalogue.
    if (!file.flush())
        return failed(file.errorString());
    if (::fsync(file.handle()) != 0)
        return failed(QStringLiteral("the data could not be flushed to the disk"));
    if (!file.commit())
        return failed(file.errorString());
    return StoreResult::success();
}

StoreResult CopyWholeFile(const QString &source, const QString &destination)
{
    QByteArray bytes;
    const StoreResult r = readWholeFile(source, bytes);
    if (!r)
        return StoreResult::failure(QStringLiteral("%1 The copy \"%2\" is left as it was.")
                                        .arg(r.message(), native(destination)));
    return WriteWholeFile(destination, bytes);
}

QString CatalogStore::DataPath(const QString &name) const
{
    return m_strActiveDir + QStringLiteral("Data/") + name;
}

QString CatalogStore::BackupPath(const QString &name) const
{
    return m_strBackupDir + u'/' + name;
}

StoreResult CatalogStore::LoadCatalog(CCatalog &catalog, QList<TreeTextNode> &tree)
{
    catalog.ResetLists();
    tree.clear();
    m_bWhole = false;
    QByteArray text;
    StoreResult r = readWholeFile(DataPath(QStringLiteral("Tree.tkdt")), text);
    if (!r)
        return r;
    tree = ReadTreeText(text);
    if (tree.isEmpty()) {
        // A new catalogue: its .dat files are still empty.
        catalog.m_lstCategories = DEFAULT_CATEGORIES;
        m_bWhole = true;
        return StoreResult::success();
    }
    r = readLists(catalog, DataPath(QStringLiteral("Data.dat")),
                  DataPath(QStringLiteral("Cat.dat")), DataPath(QStringLiteral("FileData.dat")));
    m_bWhole = r.ok();
    return r;
}

StoreResult CatalogStore::RestoreCatalog(CCatalog &catalog)
{
    catalog.ResetLists();
    m_bWhole = false;
    const StoreResult r = readLists(catalog, BackupPath(QStringLiteral("Data.dat")),
                                    BackupPath(QStringLiteral("Cat.dat")),
                                    BackupPath(QStringLiteral("FileData.dat")));
    m_bWhole = r.ok();
    return r;
}

bool CatalogStore::NeedsRestore(const CCatalog &catalog, bool bTreeHasItems) const
{
    return !m_bWhole || (bTreeHasItems && catalog.m_pDiscs->isEmpty());
}

StoreResult CatalogStore::SaveCatalog(const CCatalog &catalog, const QByteArray *treeText)
{
    if (!m_bWhole)
        return refusePartial();
    if (treeText) {
        const StoreResult r = WriteWholeFile(DataPath(QStringLiteral("Tree.tkdt")), *treeText);
        if (!r)
            return r;
    }
    StoreResult r
        = WriteWholeFile(DataPath(QStringLiteral("Data.dat")), WriteDiscList(*catalog.m_pDiscs));
    if (!r)
        return r;
    r = WriteWholeFile(DataPath(QStringLiteral("FileData.dat")), WriteFileList(*catalog.m_pFiles));
    if (!r)
        return r;
    return WriteWholeFile(DataPath(QStringLiteral("Cat.dat")),
                          WriteStringList(catalog.m_lstCategories));
}

StoreResult CatalogStore::BackUpCatalog()
{
    // The files under Data/ may be the damaged ones the load failed on.
    if (!m_bWhole)
        return refusePartial();
    for (const QString &name :
         {QStringLiteral("FileData.dat"), QStringLiteral("Data.dat"), QStringLiteral("Cat.dat")}) {
        const StoreResult r = CopyWholeFile(DataPath(name), BackupPath(name));
        if (!r)
            return r;
    }
    return StoreResult::success();
}

StoreResult CatalogStore::WriteDataFile(const QString &name, const QByteArray &bytes)
{
    if (!m_bWhole)
        return refusePartial();
    return WriteWholeFile(DataPath(name), bytes);
}

StoreResult CatalogStore::WriteBackupFile(const QString &name, const QByteArray &bytes)
{
    if (!m_bWhole)
        return refusePartial();
    return WriteWholeFile(BackupPath(name), bytes);
}

StoreResult CatalogStore::ReadDataFile(const QString &name, QByteArray &bytes) const
{
    return readWholeFile(DataPath(name), bytes);
}
