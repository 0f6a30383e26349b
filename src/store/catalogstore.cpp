#include "store/catalogstore.h"

#include "store/archive.h"
#include "store/treecheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
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
QStringList committableNames()
{
    QStringList names;
    for (const CatalogueFile &file : CatalogueFiles())
        names.append(file.name);
    return names;
}

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
    // The owner keeps reading and writing it, though: a file that had lost those rights is
    // what the replacement mends.
    struct stat old;
    if (::stat(encoded(target).constData(), &old) == 0)
        (void)::fchmod(fd, (old.st_mode & 07777) | S_IRUSR | S_IWUSR);
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
        const QStringList committable = committableNames();
        for (const QByteArray &line : lines) {
            const QString name = QString::fromUtf8(line.trimmed());
            if (!committable.contains(name))
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
    for (const QString &name : committableNames() + QStringList {kMarker}) {
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

const QString kTreeName = QStringLiteral("Tree.tkdt");

// Makes `tree` fit the records when no backup's does: mends `sound` (a tree whose text was
// sound) so its healthy discs keep their folders as they were, else rebuilds the whole tree
// from the records. Returns what was done, for the user.
QString fitTree(const QList<TreeTextNode> *sound, const CCatalog &catalog,
                QList<TreeTextNode> &tree)
{
    const QString lost = QStringLiteral("named in lower case, and folders that held no files "
                                        "could not be rebuilt");
    const TreeRecordFit fit = sound ? FitTreeToRecords(*sound, catalog) : TreeRecordFit();
    if (!sound || fit.matched == 0) {
        tree = RebuildTree(catalog);
        return QStringLiteral(" The backup holds no disc tree that fits the disc records "
                              "either, so Tavikon rebuilt the tree from the disc and file "
                              "records: every disc is back, its folders are %1.")
            .arg(lost);
    }
    tree = MendTree(*sound, catalog);
    QStringList done;
    if (fit.strangers > 0)
        done << QStringLiteral("%1 of its discs that have no disc record were taken out")
                    .arg(fit.strangers);
    if (fit.missing > 0)
        done << QStringLiteral("%1 discs of the records that it lacked were added with the "
                               "folders of their files (%2)")
                    .arg(fit.missing)
                    .arg(lost);
    if (fit.lostFolders > 0)
        done << QStringLiteral("%1 folders of the file records that it lacked were added, named "
                               "in lower case as the records name them")
                    .arg(fit.lostFolders);
    return QStringLiteral(" The backup holds no disc tree that fits the disc records either, "
                          "so Tavikon mended the tree: %1.")
        .arg(done.join(QStringLiteral("; ")));
}

// Whether a list file holds anything. A new catalogue's files are empty, and a list without
// records is its two-byte count alone; a file that exists but cannot be read may hold
// anything, so it counts.
bool holdsRecords(const QString &path)
{
    QByteArray bytes;
    if (!readWholeFile(path, bytes))
        return QFile::exists(path);
    return !bytes.isEmpty() && bytes != QByteArray("\0\0", 2);
}

// Why a tree text cannot go with these records; empty when it can.
QString treeFault(const QString &path, QByteArrayView text, const QList<TreeTextNode> &tree,
                  const CCatalog &catalog)
{
    QString fault = TreeTextFault(text, tree);
    if (fault.isEmpty())
        fault = FitTreeToRecords(tree, catalog).fault;
    if (fault.isEmpty())
        return {};
    return QStringLiteral("The disc tree file \"%1\" is damaged: %2.").arg(native(path), fault);
}

// Whether a tree text has any item: every item is a line with a label.
bool treeHasItems(QByteArrayView text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return c != '\r' && c != '\n' && c != '\t'; });
}

StoreResult refuseReadOnly()
{
    return StoreResult::failure(QStringLiteral(
        "A friend's catalogue is shown, so nothing is written: return to your own catalogue "
        "first."));
}

} // namespace

const QList<CatalogueFile> &CatalogueFiles()
{
    // Images.dat (where the discs scanned from image files live) is not part of the
    // catalogue's format, but lost with the home directory all the same.
    static const QList<CatalogueFile> files = {{kTreeName},
                                               {QStringLiteral("Data.dat")},
                                               {QStringLiteral("FileData.dat")},
                                               {QStringLiteral("Cat.dat")},
                                               {QStringLiteral("Images.dat"), true}};
    return files;
}

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
    m_bTreeRepaired = false;
    m_bNew = false;
    m_strTreeNotice.clear();
    StoreResult r = recoverDirectory(DataDir());
    if (!r)
        return r;
    const QString treePath = DataPath(kTreeName);
    QByteArray text;
    const StoreResult treeRead = readWholeFile(treePath, text);
    if (treeRead)
        tree = ReadTreeText(text);
    // An empty tree is a new catalogue (or one whose every disc was deleted) only while no
    // record exists anywhere; a lost tree must not make the catalogue look new.
    if (tree.isEmpty() && !holdsRecords(DataPath(QStringLiteral("Data.dat")))
        && !holdsRecords(DataPath(QStringLiteral("FileData.dat"))) && !BackupHoldsDiscs()) {
        catalog.m_lstCategories = DEFAULT_CATEGORIES;
        m_bWhole = true;
        m_bNew = true;
        return StoreResult::success();
    }
    r = readLists(catalog, DataPath(QStringLiteral("Data.dat")),
                  DataPath(QStringLiteral("Cat.dat")), DataPath(QStringLiteral("FileData.dat")));
    if (!r)
        return r;

    QString damage = treeRead ? QString() : treeRead.message();
    bool bSoundText = false;
    if (treeRead) {
        damage = TreeTextFault(text, tree);
        bSoundText = damage.isEmpty();
        if (bSoundText) {
            const TreeRecordFit fit = FitTreeToRecords(tree, catalog);
            if (fit.agree()) {
                m_bWhole = true;
                return StoreResult::success();
            }
            // A sound tree that names discs the records lack: rather the records lost them.
            if (fit.strangers > 0 && BackupHoldsDiscs())
                return StoreResult::failure(
                    QStringLiteral("The disc records in \"%1\" do not fit the disc tree: %2.")
                        .arg(native(DataPath(QStringLiteral("Data.dat"))), fit.fault));
            damage = fit.fault;
        }
        damage = QStringLiteral("The disc tree file \"%1\" is damaged: %2.")
                     .arg(native(treePath), damage);
    }
    RepairTree(catalog, tree, damage, bSoundText);
    m_bWhole = true;
    return StoreResult::success();
}

void CatalogStore::RepairTree(const CCatalog &catalog, QList<TreeTextNode> &tree,
                              const QString &damage, bool bSoundText)
{
    m_bTreeRepaired = true;
    if (recoverDirectory(m_strBackupDir)) {
        QByteArray text;
        if (readWholeFile(BackupPath(kTreeName), text)) {
            QList<TreeTextNode> backup = ReadTreeText(text);
            if (treeFault(BackupPath(kTreeName), text, backup, catalog).isEmpty()) {
                tree = std::move(backup);
                m_strTreeNotice
                    = damage + QStringLiteral(" Tavikon took the disc tree from the backup.");
                return;
            }
        }
    }
    const QList<TreeTextNode> read = tree;
    m_strTreeNotice = damage + fitTree(bSoundText ? &read : nullptr, catalog, tree);
}

bool CatalogStore::BackupHoldsDiscs() const
{
    return holdsRecords(BackupPath(QStringLiteral("Data.dat")))
        || holdsRecords(BackupPath(QStringLiteral("FileData.dat")));
}

StoreResult CatalogStore::RestoreCatalog(CCatalog &catalog, QList<TreeTextNode> &tree)
{
    catalog.ResetLists();
    m_bWhole = false;
    m_bTreeRepaired = false;
    m_strTreeNotice.clear();
    StoreResult r = recoverDirectory(m_strBackupDir);
    if (!r)
        return r;
    r = readLists(catalog, BackupPath(QStringLiteral("Data.dat")),
                  BackupPath(QStringLiteral("Cat.dat")),
                  BackupPath(QStringLiteral("FileData.dat")));
    if (!r)
        return r;
    m_bWhole = true;

    const QString treePath = BackupPath(kTreeName);
    QByteArray text;
    const StoreResult read = readWholeFile(treePath, text);
    QString damage = read ? QString() : read.message();
    QList<TreeTextNode> backup;
    bool bSoundText = false;
    if (read) {
        backup = ReadTreeText(text);
        bSoundText = TreeTextFault(text, backup).isEmpty();
        damage = treeFault(treePath, text, backup, catalog);
        if (damage.isEmpty()) {
            m_bTreeRepaired = backup != tree;
            tree = std::move(backup);
            return StoreResult::success();
        }
    }
    // Backups made before the tree was backed up hold an empty one; the tree shown then
    // usually fits the restored records still.
    if (FitTreeToRecords(tree, catalog).agree())
        return StoreResult::success();
    const QList<TreeTextNode> shown = tree;
    m_bTreeRepaired = true;
    m_strTreeNotice
        = damage + fitTree(bSoundText && !backup.isEmpty() ? &backup : &shown, catalog, tree);
    return StoreResult::success();
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
    if (treeText && treeHasItems(*treeText) == catalog.m_pDiscs->isEmpty())
        return StoreResult::failure(
            QStringLiteral("The catalogue is not written: its %1, so one of the two was lost. "
                           "The files on disk and the backup stay as they are.")
                .arg(catalog.m_pDiscs->isEmpty()
                         ? QStringLiteral("disc tree holds discs but its disc records none")
                         : QStringLiteral("disc records hold discs but its disc tree none")));
    QList<NamedBytes> files;
    if (treeText)
        files.append({kTreeName, *treeText});
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
    for (const CatalogueFile &file : CatalogueFiles()) {
        if (file.bOptional && !QFile::exists(DataPath(file.name)))
            continue;
        QByteArray bytes;
        r = readWholeFile(DataPath(file.name), bytes);
        if (!r)
            return StoreResult::failure(
                QStringLiteral("%1 The backup is left as it was.").arg(r.message()));
        files.append({file.name, std::move(bytes)});
    }

    // The backup is what mends a damaged Data/, so it never receives a tree text that is
    // not sound, nor a tree or disc records of which one lost every disc.
    const auto bytesOf = [&](const QString &name) {
        for (const NamedBytes &file : std::as_const(files))
            if (file.name == name)
                return QByteArrayView(file.bytes);
        return QByteArrayView();
    };
    const QByteArrayView treeBytes = bytesOf(kTreeName);
    const QByteArrayView discBytes = bytesOf(QStringLiteral("Data.dat"));
    CDiscList discs;
    QString fault;
    if (!discBytes.isEmpty()) {
        r = ReadDiscList(discBytes, discs);
        if (!r)
            fault = QStringLiteral("The catalogue file \"%1\" is damaged. %2")
                        .arg(native(DataPath(QStringLiteral("Data.dat"))), r.message());
    }
    if (fault.isEmpty()) {
        fault = TreeTextFault(treeBytes, ReadTreeText(treeBytes));
        if (fault.isEmpty() && treeHasItems(treeBytes) == discs.isEmpty())
            fault = discs.isEmpty() ? QStringLiteral("it holds discs, but the disc records none")
                                    : QStringLiteral("it holds no disc, but the disc records do");
        if (!fault.isEmpty())
            fault = QStringLiteral("The disc tree file \"%1\" is damaged: %2.")
                        .arg(native(DataPath(kTreeName)), fault);
    }
    if (!fault.isEmpty())
        return StoreResult::failure(
            QStringLiteral("%1 So the catalogue is not copied into the backup, which is left as "
                           "it was.")
                .arg(fault));
    return replaceTogether(m_strBackupDir, files);
}

StoreResult CatalogStore::SaveAndBackUp(const CCatalog &catalog, const QByteArray *treeText)
{
    const StoreResult r = SaveCatalog(catalog, treeText);
    return r ? BackUpCatalog() : r;
}

StoreResult CatalogStore::SaveDiscList(const CCatalog &catalog)
{
    const StoreResult r
        = WriteDataFile(QStringLiteral("Data.dat"), WriteDiscList(*catalog.m_pDiscs));
    // A restore must not bring back the lending this write undid; a failed write leaves the
    // backup as it was, still matching Data/.
    return r ? BackUpCatalog() : r;
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

StoreResult CatalogStore::ReadDataFile(const QString &name, QByteArray &bytes) const
{
    return readWholeFile(DataPath(name), bytes);
}
