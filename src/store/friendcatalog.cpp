#include "store/friendcatalog.h"

#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/treecheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

const QStringList FRIEND_FILES
    = {QStringLiteral("Data.dat"), QStringLiteral("Tree.tkdt"), QStringLiteral("Cat.dat"),
       QStringLiteral("TreeTemp.tkdt"), QStringLiteral("FileData.dat")};

namespace {

enum FriendFile { kData, kTree, kCategories, kTreeTemp, kFiles };

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Only a plain file of a sensible size is read: a pipe or a device would block or never end,
// and the size decides the allocation.
StoreResult readBounded(const QString &path, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return StoreResult::failure(
            QStringLiteral("The friend's file \"%1\" is not a plain file.").arg(native(path)));
    const qint64 size = info.size();
    if (size > FriendCatalog::kMaxFileSize)
        return StoreResult::failure(
            QStringLiteral("The friend's file \"%1\" holds %2 bytes, more than any catalogue "
                           "file, so it is not read.")
                .arg(native(path))
                .arg(size));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return StoreResult::failure(QStringLiteral("The friend's file \"%1\" cannot be read: %2.")
                                        .arg(native(path), file.errorString()));
    QByteArray data(qsizetype(size), Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(data.data() + got, size - got);
        if (n <= 0)
            break;
        got += n;
    }
    char extra;
    if (got != size || file.read(&extra, 1) != 0)
        return StoreResult::failure(
            QStringLiteral("The friend's file \"%1\" changed or failed while it was read.")
                .arg(native(path)));
    bytes = std::move(data);
    return StoreResult::success();
}

template<typename List, typename Reader>
StoreResult readList(const QString &path, const QByteArray &bytes, List &out, Reader read)
{
    if (bytes.isEmpty())
        return StoreResult::failure(
            QStringLiteral("The friend's file \"%1\" is empty, so it holds no list.")
                .arg(native(path)));
    const StoreResult r = read(bytes, out);
    if (!r)
        return StoreResult::failure(QStringLiteral("The friend's file \"%1\" is damaged. %2")
                                        .arg(native(path), r.message()));
    return r;
}

} // namespace

FriendCatalog::FriendCatalog(const QString &folder) : m_strFolder(folder) { }

QString FriendCatalog::BackupFolder() const
{
    return m_strFolder + QStringLiteral("FriendDataBackUp");
}

StoreResult FriendCatalog::Prepare()
{
    m_bytes.clear();
    m_strCopyProblem.clear();
    // Without a chosen folder nothing is looked for, least of all in the working directory.
    const bool bFolder = !m_strFolder.isEmpty() && QFileInfo(m_strFolder).isDir();
    bool bCopy = true;
    bool bBackupMade = false;
    for (const QString &name : FRIEND_FILES) {
        const QString source = m_strFolder + name;
        if (!bFolder || !QFileInfo::exists(source))
            return StoreResult::failure(QStringLiteral("File ") + native(m_strFolder) + name
                                        + QStringLiteral(" not found"));
        QByteArray bytes;
        StoreResult r = readBounded(source, bytes);
        if (!r)
            return r;
        // The safety copy is made only of what was read whole, so a copy is never emptied by
        // a source that could not be read.
        if (bCopy && !bBackupMade) {
            const QByteArray backup = QFile::encodeName(BackupFolder());
            bBackupMade
                = QFileInfo(BackupFolder()).isDir() || ::mkdir(backup.constData(), 0777) == 0;
            if (!bBackupMade) {
                // Say why: a read-only disc and a missing permission call for different help.
                bCopy = false;
                m_strCopyProblem = QStringLiteral("The folder \"%1\" could not be made: %2.")
                                       .arg(native(BackupFolder()),
                                            QString::fromLocal8Bit(std::strerror(errno)));
            }
        }
        if (bCopy) {
            r = WriteWholeFile(BackupFolder() + u'/' + name, bytes);
            if (!r) {
                bCopy = false;
                m_strCopyProblem = r.message();
            }
        }
        m_bytes.append(std::move(bytes));
    }
    return StoreResult::success();
}

StoreResult FriendCatalog::Read()
{
    m_tree.clear();
    m_discs.clear();
    m_files.clear();
    m_lstCategories.clear();
    if (m_bytes.size() != FRIEND_FILES.size())
        return StoreResult::failure(QStringLiteral("File ") + native(m_strFolder)
                                    + FRIEND_FILES[kData] + QStringLiteral(" not found"));
    const auto path = [&](FriendFile file) { return m_strFolder + FRIEND_FILES[file]; };
    m_strTreeNotice.clear();
    StoreResult r = ReadTree(m_bytes[kTree]);
    // A new catalogue has an empty tree and empty lists; a lost tree must not hide records.
    const auto holdsRecords = [](const QByteArray &bytes) {
        return !bytes.isEmpty() && bytes != QByteArray("\0\0", 2);
    };
    const bool bNew
        = m_tree.isEmpty() && !holdsRecords(m_bytes[kData]) && !holdsRecords(m_bytes[kFiles]);
    if (r && !(bNew && m_bytes[kCategories].isEmpty()))
        r = readList(path(kCategories), m_bytes[kCategories], m_lstCategories, ReadStringList);
    if (r && !bNew)
        r = readList(path(kData), m_bytes[kData], m_discs, ReadDiscList);
    if (r && !bNew)
        r = readList(path(kFiles), m_bytes[kFiles], m_files, ReadFileList);
    if (r && !bNew)
        FitTree();
    if (!r) {
        m_tree.clear();
        m_discs.clear();
        m_files.clear();
        m_lstCategories.clear();
    }
    return r;
}

StoreResult FriendCatalog::ReadTree(const QByteArray &text)
{
    const QString path = native(m_strFolder + FRIEND_FILES[kTree]);
    const auto refused = [&](const QString &why) {
        return StoreResult::failure(
            QStringLiteral("The friend's file \"%1\" is no folder tree: %2").arg(path, why));
    };
    // Counted on the bytes first: one endless line or millions of items must not be
    // decoded into labels and tree items before they are refused.
    const char *p = text.constData();
    const qsizetype n = text.size();
    qsizetype items = 0;
    for (qsizetype pos = 0; pos < n;) {
        qsizetype end = pos;
        bool bLabel = false;
        while (end < n && p[end] != '\n' && p[end] != '\r') {
            bLabel = bLabel || p[end] != '\t';
            ++end;
        }
        if (end - pos > kMaxTreeLine)
            return refused(QStringLiteral("it holds a line of %1 bytes.").arg(end - pos));
        if (bLabel && ++items > kMaxTreeItems)
            return refused(QStringLiteral("it holds more than %1 items.").arg(kMaxTreeItems));
        pos = end + 1;
    }
    QList<TreeTextNode> nodes = ReadTreeText(text);
    // Showing, expanding and removing a tree recurses once per level.
    QList<int> depths(nodes.size());
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        depths[i] = nodes[i].parent < 0 ? 0 : depths[nodes[i].parent] + 1;
        if (depths[i] > kMaxTreeDepth)
            return refused(
                QStringLiteral("its folders nest more than %1 levels deep.").arg(kMaxTreeDepth));
    }
    m_tree = std::move(nodes);
    return StoreResult::success();
}

void FriendCatalog::FitTree()
{
    // The checks work on a catalogue; the lists go back once they are done.
    CCatalog records;
    std::swap(*records.m_pDiscs, m_discs);
    std::swap(*records.m_pFiles, m_files);
    QString fault = TreeTextFault(m_bytes[kTree], m_tree);
    const bool bSoundText = fault.isEmpty();
    TreeRecordFit fit;
    if (bSoundText) {
        fit = FitTreeToRecords(m_tree, records);
        fault = fit.fault;
    }
    if (!fault.isEmpty()) {
        const bool bMend = bSoundText && fit.matched > 0;
        m_tree = bMend ? MendTree(m_tree, records) : RebuildTree(records);
        m_strTreeNotice
            = QStringLiteral("The friend's disc tree file \"%1\" does not fit the friend's disc "
                             "records: %2.\nIt is shown %3 for now; nothing is written to the "
                             "friend's folder.")
                  .arg(native(m_strFolder + FRIEND_FILES[kTree]), fault,
                       bMend ? QStringLiteral("mended from the records")
                             : QStringLiteral("rebuilt from the records"));
    }
    std::swap(*records.m_pDiscs, m_discs);
    std::swap(*records.m_pFiles, m_files);
}

void FriendCatalog::MoveListsInto(CCatalog &catalog)
{
    catalog.m_pDiscs = std::make_unique<CDiscList>(std::move(m_discs));
    catalog.m_pFiles = std::make_unique<CFileList>(std::move(m_files));
    catalog.m_lstCategories = std::move(m_lstCategories);
    catalog.m_lstSelection.clear();
}
