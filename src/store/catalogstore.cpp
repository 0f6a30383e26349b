#include "store/catalogstore.h"

#include "store/archive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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

// ---------------------------------------------------------------------------------------
// Replacing several files as one step
//
// Each file alone is replaced atomically by a rename, but a catalogue is four files that
// must agree: a crash between two renames would leave Data.dat new and FileData.dat old.
// So a save writes every new file to "<name>.new" and flushes it, then writes the marker
// "Commit.pending" (itself through a flushed temporary and a rename) naming the files, and
// only then renames the temporaries into place and removes the marker. Whoever finds the
// marker later knows every temporary it names is whole and finishes the renames (roll
// forward); temporaries without a marker are from a save that never got that far and are
// dropped (roll back). The catalogue files keep their bytes; only short-lived files are
// added beside them.

const QString kMarker = QStringLiteral("Commit.pending");
const QString kTempSuffix = QStringLiteral(".new");

// The only names a marker may bring into place: a damaged or foreign marker must not make
// us rename arbitrary files.
const QStringList kCommittable
    = {QStringLiteral("Tree.tkdt"), QStringLiteral("Data.dat"), QStringLiteral("FileData.dat"),
       QStringLiteral("Cat.dat"), QStringLiteral("Images.dat")};

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool syncDirectory(const QString &dir)
{
    const int fd = ::open(encoded(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// Writes `bytes` to `temp` and flushes them to the disk. The file takes the permissions of
// `target` when that exists, so replacing a file keeps what the user set. On failure the
// temporary is removed and the message names `target`, the file the user knows.
StoreResult writeFlushed(const QString &temp, const QString &target, const QByteArray &bytes)
{
    const auto failed = [&](int error) {
        ::unlink(encoded(temp).constData());
        return StoreResult::failure(
            QStringLiteral("The catalogue file \"%1\" could not be written: %2. The previous "
                           "file is unchanged.")
                .arg(native(target), errnoText(error)));
    };
    const int fd
        = ::open(encoded(temp).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return failed(errno);
    struct stat old;
    if (::stat(encoded(target).constData(), &old) == 0)
        (void)::fchmod(fd, old.st_mode & 07777);
    const char *p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return failed(error);
        }
        p += n;
        left -= n;
    }
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return failed(error);
    }
    if (::close(fd) != 0)
        return failed(errno);
    return StoreResult::success();
}

// Finishes or drops what an interrupted replacement left in `dir` (see above). Touches
// nothing, and writes nothing, when no save was interrupted there.
StoreResult recoverDirectory(const QString &dir)
{
    const QString marker = dir + u'/' + kMarker;
    bool changed = false;
    QFile file(marker);
    if (file.exists()) {
        // A marker we cannot read may stand for renames already half done: never guess.
        if (!file.open(QIODevice::ReadOnly))
            return StoreResult::failure(
                QStringLiteral("An interrupted save in \"%1\" could not be completed: the "
                               "marker \"%2\" cannot be read: %3.")
                    .arg(native(dir), kMarker, file.errorString()));
        const QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        for (const QByteArray &line : lines) {
            const QString name = QString::fromUtf8(line.trimmed());
            if (!kCommittable.contains(name))
                continue;
            const QByteArray temp = encoded(dir + u'/' + name + kTempSuffix);
            if (::access(temp.constData(), F_OK) != 0)
                continue; // renamed before the interruption
            if (::rename(temp.constData(), encoded(dir + u'/' + name).constData()) != 0)
                return StoreResult::failure(
                    QStringLiteral("An interrupted save in \"%1\" could not be completed: "
                                   "\"%2\" cannot replace \"%3\": %4.")
                        .arg(native(dir), name + kTempSuffix, name, errnoText(errno)));
        }
        // The renames must be on the disk before the marker that asks for them goes.
        if (!syncDirectory(dir) || !file.remove())
            return StoreResult::failure(
                QStringLiteral("An interrupted save in \"%1\" could not be completed: the "
                               "marker \"%2\" cannot be removed.")
                    .arg(native(dir), kMarker));
        changed = true;
    }
    // Temporaries no marker names (any more) are incomplete or already used: drop them.
    for (const QString &name : kCommittable + QStringList {kMarker}) {
        const QByteArray temp = encoded(dir + u'/' + name + kTempSuffix);
        if (::unlink(temp.constData()) == 0)
            changed = true;
    }
    if (changed)
        syncDirectory(dir);
    return StoreResult::success();
}

struct NamedBytes
{
    QString name;
    QByteArray bytes;
};

// Replaces the named files of `dir` together: afterwards, and after a crash at any point
// followed by recoverDirectory, either all of them are new or all are as before.
StoreResult replaceTogether(const QString &dir, const QList<NamedBytes> &files)
{
    StoreResult r = recoverDirectory(dir);
    if (!r)
        return r;
    const auto dropTemps = [&](qsizetype upTo) {
        for (qsizetype i = 0; i < upTo; ++i)
            ::unlink(encoded(dir + u'/' + files[i].name + kTempSuffix).constData());
    };
    QByteArray names;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString target = dir + u'/' + files[i].name;
        r = writeFlushed(target + kTempSuffix, target, files[i].bytes);
        if (!r) {
            dropTemps(i);
            return r;
        }
        names += files[i].name.toUtf8() + '\n';
    }
    // From the moment the marker has its name, the new catalogue is the one on disk.
    const QString marker = dir + u'/' + kMarker;
    r = writeFlushed(marker + kTempSuffix, marker, names);
    if (!r) {
        dropTemps(files.size());
        return r;
    }
    if (::rename(encoded(marker + kTempSuffix).constData(), encoded(marker).constData()) != 0) {
        const int error = errno;
        ::unlink(encoded(marker + kTempSuffix).constData());
        dropTemps(files.size());
        return StoreResult::failure(QStringLiteral("The catalogue in \"%1\" could not be "
                                                   "written: %2. The previous files are "
                                                   "unchanged.")
                                        .arg(native(dir), errnoText(error)));
    }
    // The marker must be on the disk before any rename it stands for.
    syncDirectory(dir);
    // The same steps as a recovery: rename what the marker names, flush, remove it.
    return recoverDirectory(dir);
}

StoreResult refusePartial()
{
    return StoreResult::failure(QStringLiteral(
        "The catalogue was not read completely, so it is not written: the files on disk and "
        "the backup stay as they are."));
}

StoreResult refuseReadOnly()
{
    return StoreResult::failure(QStringLiteral(
        "A friend's catalogue is shown, so nothing is written: return to your own catalogue "
        "first."));
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

QString CatalogStore::DataDir() const
{
    return m_strActiveDir + QStringLiteral("Data");
}

StoreResult CatalogStore::LoadCatalog(CCatalog &catalog, QList<TreeTextNode> &tree)
{
    catalog.ResetLists();
    tree.clear();
    m_bWhole = false;
    StoreResult r = recoverDirectory(DataDir());
    if (!r)
        return r;
    QByteArray text;
    r = readWholeFile(DataPath(QStringLiteral("Tree.tkdt")), text);
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
    StoreResult r = recoverDirectory(m_strBackupDir);
    if (!r)
        return r;
    r = readLists(catalog, BackupPath(QStringLiteral("Data.dat")),
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
    if (m_bReadOnly)
        return refuseReadOnly();
    if (!m_bWhole)
        return refusePartial();
    QList<NamedBytes> files;
    if (treeText)
        files.append({QStringLiteral("Tree.tkdt"), *treeText});
    files.append({QStringLiteral("Data.dat"), WriteDiscList(*catalog.m_pDiscs)});
    files.append({QStringLiteral("FileData.dat"), WriteFileList(*catalog.m_pFiles)});
    files.append({QStringLiteral("Cat.dat"), WriteStringList(catalog.m_lstCategories)});
    return replaceTogether(DataDir(), files);
}

StoreResult CatalogStore::BackUpCatalog()
{
    if (m_bReadOnly)
        return refuseReadOnly();
    // The files under Data/ may be the damaged ones the load failed on.
    if (!m_bWhole)
        return refusePartial();
    StoreResult r = recoverDirectory(DataDir());
    if (!r)
        return r;
    QList<NamedBytes> files;
    for (const QString &name :
         {QStringLiteral("FileData.dat"), QStringLiteral("Data.dat"), QStringLiteral("Cat.dat")}) {
        QByteArray bytes;
        r = readWholeFile(DataPath(name), bytes);
        if (!r)
            return StoreResult::failure(
                QStringLiteral("%1 The backup is left as it was.").arg(r.message()));
        files.append({name, std::move(bytes)});
    }
    // Where the discs scanned from image files live: not part of the catalogue's format,
    // but lost with the home directory all the same.
    const QString images = DataPath(QStringLiteral("Images.dat"));
    if (QFile::exists(images)) {
        QByteArray bytes;
        r = readWholeFile(images, bytes);
        if (!r)
            return StoreResult::failure(
                QStringLiteral("%1 The backup is left as it was.").arg(r.message()));
        files.append({QStringLiteral("Images.dat"), std::move(bytes)});
    }
    return replaceTogether(m_strBackupDir, files);
}

StoreResult CatalogStore::WriteDataFile(const QString &name, const QByteArray &bytes)
{
    if (m_bReadOnly)
        return refuseReadOnly();
    if (!m_bWhole)
        return refusePartial();
    // A save interrupted earlier must not later roll an older file over this one.
    const StoreResult r = recoverDirectory(DataDir());
    if (!r)
        return r;
    return WriteWholeFile(DataPath(name), bytes);
}

StoreResult CatalogStore::WriteBackupFile(const QString &name, const QByteArray &bytes)
{
    if (m_bReadOnly)
        return refuseReadOnly();
    if (!m_bWhole)
        return refusePartial();
    const StoreResult r = recoverDirectory(m_strBackupDir);
    if (!r)
        return r;
    return WriteWholeFile(BackupPath(name), bytes);
}

StoreResult CatalogStore::ReadDataFile(const QString &name, QByteArray &bytes) const
{
    return readWholeFile(DataPath(name), bytes);
}
