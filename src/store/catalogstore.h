#pragma once

#include "store/ccatalog.h"
#include "store/storeresult.h"
#include "store/treetext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The category names of a new catalogue, "Komedy" first.
extern const QStringList DEFAULT_CATEGORIES;

// Writes a whole file through a temporary file in the same directory, flushed and renamed
// over the old one. On failure the previous file stays whole and the message names the file.
StoreResult WriteWholeFile(const QString &path, const QByteArray &bytes);

// Replaces the destination by a byte copy of the source. A missing or unreadable source
// leaves the destination untouched and fails.
StoreResult CopyWholeFile(const QString &source, const QString &destination);

// Reads and writes the catalogue files of one directory and its backup mirror. A save or a
// backup replaces its files together: all are written to temporaries first and a small
// marker file decides when the new set counts, so a crash or a full disk at any point leaves
// either the previous catalogue or the new one, whole (see catalogstore.cpp). The next
// load, restore or save finishes or drops an interrupted replacement before anything else.
// The disc tree view owns one and drives it.
//
// Paths are native: the active directory ends with '/', files live under its "Data/"; the
// backup directory has no trailing '/'.
class CatalogStore
{
public:
    CatalogStore() = default;

    void SetActiveDir(const QString &dir) { m_strActiveDir = dir; }
    void SetBackupDir(const QString &dir) { m_strBackupDir = dir; }
    const QString &ActiveDir() const { return m_strActiveDir; }
    const QString &BackupDir() const { return m_strBackupDir; }

    QString DataPath(const QString &name) const; // active dir + "Data/" + name
    QString BackupPath(const QString &name) const; // backup dir + "/" + name
    QString DataDir() const; // active dir + "Data"

    // Empties the catalogue's lists, reads Data/Tree.tkdt into `tree`, and then either sets
    // the default categories (no tree item: a new catalogue) or reads Data.dat, Cat.dat and
    // FileData.dat in this order. A failure names the file; the lists then hold what was
    // read and the store remembers that they must not be saved until a restore succeeds.
    StoreResult LoadCatalog(CCatalog &catalog, QList<TreeTextNode> &tree);

    // Reads the three lists from the backup directory, emptying them first.
    StoreResult RestoreCatalog(CCatalog &catalog);

    // The integrity check of a selection: true when the last load or restore failed, or
    // when the tree holds discs while the disc list is empty. An empty file list is valid.
    bool NeedsRestore(const CCatalog &catalog, bool bTreeHasItems) const;

    // False while the lists in memory are a partial read; saves then refuse.
    bool CanSave() const { return m_bWhole; }
    // While a friend's catalogue is shown the lists in memory are not ours: every write
    // (save, backup, single file) refuses until the home catalogue is back.
    void SetReadOnly(bool bReadOnly) { m_bReadOnly = bReadOnly; }
    bool IsReadOnly() const { return m_bReadOnly; }

    // Writes Data/Tree.tkdt (when `treeText` is given), Data.dat, FileData.dat and Cat.dat.
    StoreResult SaveCatalog(const CCatalog &catalog, const QByteArray *treeText);
    // Copies FileData.dat, Data.dat and Cat.dat into the backup directory, and Images.dat
    // (where the images of discs scanned from image files live) when there is one.
    StoreResult BackUpCatalog();

    // Single files, for the operations that write only part of the catalogue.
    StoreResult WriteDataFile(const QString &name, const QByteArray &bytes);
    StoreResult WriteBackupFile(const QString &name, const QByteArray &bytes);
    StoreResult ReadDataFile(const QString &name, QByteArray &bytes) const;

private:
    QString m_strActiveDir;
    QString m_strBackupDir;
    bool m_bWhole = true;
    bool m_bReadOnly = false;
};
