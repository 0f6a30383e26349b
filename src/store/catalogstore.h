#pragma once

#include "store/ccatalog.h"
#include "store/storeresult.h"
#include "store/treetext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The category names of a new catalogue, "Komedy" first.
extern const QStringList DEFAULT_CATEGORIES;

// One file of the catalogue under Data/, mirrored in the backup directory.
struct CatalogueFile
{
    QString name;
    // Catalogues made before the file existed lack it: the backup then skips it.
    bool bOptional = false;
};

// Every file that a backup copies, together and in this order, and that an interrupted save
// or backup may finish. A file that must travel with the catalogue joins by being added here.
const QList<CatalogueFile> &CatalogueFiles();

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
    // the default categories (a new catalogue: no tree item and no record here or in the
    // backup) or reads Data.dat, Cat.dat and FileData.dat in this order. A failure names the
    // file; the lists then hold what was read and the store remembers that they must not be
    // saved until a restore succeeds.
    //
    // A tree file that is missing, unreadable, or does not fit the records that were read
    // whole is damage too: the tree is taken from the backup when the backup's fits these
    // records, else mended or rebuilt from them (TreeNotice() says which, TreeRepaired() is
    // true). When
    // the tree names discs the records lack while the backup holds discs, the records are the
    // suspect: the load fails so that the caller restores.
    StoreResult LoadCatalog(CCatalog &catalog, QList<TreeTextNode> &tree);

    // Reads the three lists from the backup directory, emptying them first, and gives in
    // `tree` the tree that fits them: the backup's, else the one passed in, else one mended
    // or rebuilt from the records (then TreeNotice() says so).
    StoreResult RestoreCatalog(CCatalog &catalog, QList<TreeTextNode> &tree);

    // After a load or restore: what was wrong with the tree and what was done, for the user;
    // empty when nothing was. TreeRepaired() is true when the tree given back is not the one
    // in Data/Tree.tkdt, so that it must be written.
    const QString &TreeNotice() const { return m_strTreeNotice; }
    // After a load: true when it found a new catalogue (no tree item, no record anywhere),
    // whose files, like its backup's, may still be the empty ones of the first start.
    bool LoadedNew() const { return m_bNew; }
    bool TreeRepaired() const { return m_bTreeRepaired; }

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
    // Refuses a tree without discs beside records with discs, and the other way round: one
    // of the two was lost, and writing it would make the loss permanent.
    StoreResult SaveCatalog(const CCatalog &catalog, const QByteArray *treeText);
    // Copies the catalogue files of Data/ into the backup directory, all of them together
    // (Images.dat, where the images of discs scanned from image files live, when there is
    // one). Refuses when Data/Tree.tkdt is not a sound text, or it or Data/Data.dat lost
    // every disc the other holds: the backup is what would mend that damage, so it must not
    // receive it.
    StoreResult BackUpCatalog();
    // SaveCatalog, then BackUpCatalog. A failed save leaves the backup as it was: copying it
    // over the backup would spread the damage.
    StoreResult SaveAndBackUp(const CCatalog &catalog, const QByteArray *treeText);

    // Single files, for the operations that write only part of the catalogue.
    StoreResult WriteDataFile(const QString &name, const QByteArray &bytes);
    // Data/Data.dat alone, for an operation that changed only the disc records; once written,
    // the catalogue is backed up as BackUpCatalog does.
    StoreResult SaveDiscList(const CCatalog &catalog);
    StoreResult ReadDataFile(const QString &name, QByteArray &bytes) const;

private:
    // Takes the backup's tree when it fits the records, else mends the tree read (when its
    // text was sound) or rebuilds one from the records.
    void RepairTree(const CCatalog &catalog, QList<TreeTextNode> &tree, const QString &damage,
                    bool bSoundText);
    bool BackupHoldsDiscs() const;

    QString m_strActiveDir;
    QString m_strBackupDir;
    bool m_bWhole = true;
    bool m_bTreeRepaired = false;
    bool m_bNew = false;
    QString m_strTreeNotice;
    bool m_bReadOnly = false;
};
