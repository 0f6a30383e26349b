#pragma once

#include "store/ccatalog.h"

#include "media/discsource.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// One folder found by the walk, in depth-first order; depth 1 is a folder in the disc's root.
struct WalkFolder
{
    QString label; // the name as the catalogue holds it
    int depth = 1;
};

// What the walk is doing, handed to the progress handler at a bounded rate.
struct WalkProgress
{
    QString folder; // name of the folder being walked
    QString file; // name of the last file recorded
    qint64 files = 0; // files recorded so far
};

// Walks a disc: the folder tree and one file record per regular file. The disc is read from a
// source: a mounted drive or folder, or an image file. Uses no widgets, so the scan dialog
// runs it on a worker thread.
//
// Entries are taken in name order, without regard to case, since neither Linux nor an image
// lists them in a useful order. Records: each folder's files before its subfolders, depth
// first, the root's own files last. A folder that cannot be read keeps its place in the tree
// without children or records and is listed in UnreadableFolders(). Names that are not valid
// UTF-8 are recorded with U+FFFD in place of the bad bytes.
//
// When asked to look inside archives, an archive file is recorded as usual and its entries
// as files of a folder of the archive's name beside it (one level: archives inside archives
// stay files). An archive that cannot be read stays a plain file and is listed in
// BadArchives().
class DiscWalk final
{
public:
    // `nativeRoot` is the drive's mount point or folder; `driveRoot` its catalogue root as
    // listed ("SR0:\"); `discNumber` the number the records get.
    DiscWalk(QString nativeRoot, const QString &driveRoot, QString discNumber);
    DiscWalk(std::unique_ptr<DiscSource> source, const QString &driveRoot, QString discNumber);
    ~DiscWalk();

    void SetLookInsideArchives(bool bLook) { m_bLookInside = bLook; }

    // Checked before every entry; the walk stops soon after it turns true.
    void SetCancelFlag(const std::atomic<bool> *pCancel) { m_pCancel = pCancel; }
    // Called from the walking thread at most once per interval (and not at all for a walk
    // that is over sooner).
    void SetProgressHandler(std::function<void(const WalkProgress &)> handler, int nIntervalMs);

    // Walks the drive. False when cancelled; the results then hold what was found so far.
    bool Run();

    const QList<WalkFolder> &Folders() const { return m_folders; }
    CFileList &Files() { return m_files; }
    // Catalogue paths of the folders that could not be read; the root's own when it failed.
    const QStringList &UnreadableFolders() const { return m_lstUnreadable; }
    bool RootReadable() const { return m_bRootReadable; }
    // Why the root could not be read (an image's own message).
    const QString &SourceError() const { return m_strSourceError; }
    // "catalogue path of the archive: why", for each archive whose entries are missing.
    const QStringList &BadArchives() const { return m_lstBadArchives; }

private:
    struct Entry;

    void walkFolder(DiscFolder &folder, int depth, const QString &catalogFolder, bool bInArchive);
    void recordFiles(const std::vector<Entry> &files, const QString &catalogFolder);
    bool cancelled() const { return m_pCancel && m_pCancel->load(std::memory_order_relaxed); }
    void report(bool bForce);

    std::unique_ptr<DiscSource> m_pSource;
    QString m_strDrive; // lower case, "sr0:\"
    QString m_strDiscNumber;
    const std::atomic<bool> *m_pCancel = nullptr;
    std::function<void(const WalkProgress &)> m_progressHandler;
    int m_nIntervalMs = 50;
    QElapsedTimer m_sinceReport;
    WalkProgress m_progress;
    QList<WalkFolder> m_folders;
    CFileList m_files;
    QStringList m_lstUnreadable;
    QStringList m_lstBadArchives;
    QString m_strSourceError;
    QList<QPair<quint64, quint64>> m_openFolders; // identity of each folder walked into
    bool m_bLookInside = false;
    bool m_bRootReadable = true;
    bool m_bCancelled = false;
};
