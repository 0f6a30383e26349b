#pragma once

#include "store/ccatalog.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

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

// Walks the disc in a drive: the folder tree and one file record per regular file. Uses no
// widgets, so the scan dialog runs it on a worker thread.
//
// It walks by directory handle, never changing the process's current directory (which would
// keep the drive busy), never following a symbolic link to a directory, and skipping a folder
// already open above it (a bind mount loop), so every walk ends. Entries are taken in name
// order, without regard to case, since Linux lists them in no useful order.
//
// Records: each folder's files before its subfolders, depth first, the root's own files last.
// A folder that cannot be read keeps its place in the tree without children or records and is
// listed in UnreadableFolders(). Names that are not valid UTF-8 are recorded with U+FFFD in
// place of the bad bytes.
class DiscWalk final
{
public:
    // `nativeRoot` is the drive's mount point or folder; `driveRoot` its catalogue root as
    // listed ("SR0:\"); `discNumber` the number the records get.
    DiscWalk(QString nativeRoot, const QString &driveRoot, QString discNumber);

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

private:
    struct Entry;

    void walkFolder(int fd, int depth, const QString &catalogFolder);
    void recordFiles(const QList<Entry> &files, const QString &catalogFolder);
    bool cancelled() const { return m_pCancel && m_pCancel->load(std::memory_order_relaxed); }
    void report(bool bForce);

    QString m_strNativeRoot;
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
    QList<QPair<quint64, quint64>> m_openFolders; // device and inode of each folder walked into
    bool m_bRootReadable = true;
    bool m_bCancelled = false;
};
