#pragma once

#include "platform/hintarg.h"
#include "store/catalogstore.h"
#include "store/ccatalog.h"
#include "store/treetext.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class FriendCatalog;
class QLockFile;

// The catalogue the disc tree shows and the files behind it: the home catalogue, read with
// the integrity check and restored from the backup when it is damaged, saved and backed up
// after each change and at the end; or a friend's catalogue shown read-only in its place,
// and the way back. Owns the CatalogStore and the directories. Uses no widgets: it reaches
// the tree through the Tree interface, which the disc tree view implements. The view owns
// one and keeps the flag that a friend's catalogue is shown.
class CatalogSession
{
public:
    // What the session needs of the view that shows the catalogue.
    class Tree
    {
    public:
        virtual ~Tree();
        // Replaces every item by these, quietly: no selection handling runs.
        virtual void ShowTree(const QList<TreeTextNode> &nodes) = 0;
        // The items as a tree text.
        virtual QByteArray TreeText() const = 0;
        virtual bool HasItems() const = 0;
        // After the restore of a selection: replaces the items once the selection handling
        // has unwound, saves the mended tree and selects afresh.
        virtual void ShowRestoredTreeLater(const QList<TreeTextNode> &nodes) = 0;
        // Forgets which item was selected.
        virtual void ForgetSelection() = 0;
        // Selects the first disc and announces the catalogue, or that nothing is selected.
        virtual void SelectFirstItem() = 0;
        // The statistics and the first disc in the catalogue, for the command panel.
        virtual void RefreshCatalogStatus() = 0;
        // A message for the user, in a message box.
        virtual void Tell(const QString &message) = 0;
        // A notification to the other panes.
        virtual void Broadcast(int lHint, const HintArg &hint) = 0;
    };

    // `bFriendLoaded` is the view's flag: 1 while a friend's catalogue is shown.
    CatalogSession(CCatalog &catalog, Tree &tree, int &bFriendLoaded);
    ~CatalogSession();

    const CatalogStore &Store() const { return m_store; }
    // Where the catalogue shown lives: the home directory or the friend's folder ('/' at
    // the end).
    const QString &ActiveDir() const { return m_strActiveDir; }

    // The home directory and its backup directory, as they arrive at the start; the first
    // locks the home catalogue, loads it and selects its first disc. False, told, when
    // another copy of the program has it open: nothing is read or ever written then.
    bool LoadHome(const QString &dir);
    void SetBackupDir(const QString &dir);

    // Reads the home catalogue and shows its tree. A damaged catalogue is told and restored
    // from the backup, and a mended tree is saved at once. False when even the backup could
    // not be read.
    bool LoadCatalog();
    // Reads the backup's lists and the tree that fits them. `bInSelection`: the selection
    // handling is running, so the tree is replaced later and false comes back, as for a
    // failure: that selection must not go on. A failure is told once, saying that nothing is
    // saved until the catalogue is mended; `bRetry` (an earlier restore failed) tells
    // nothing on failure, and the restore message on success.
    bool RestoreCatalog(bool bInSelection, bool bRetry = false);
    // The integrity check before a selection is handled: a damaged catalogue is told and
    // restored. False when the selection must not go on.
    bool CheckBeforeSelection();

    // Saves and backs up the catalogue with this tree text (nullptr: the tree file is left as
    // it is). Nothing is written before a home directory was given or while a friend's
    // catalogue is shown; a partly read catalogue and a failed write are told. True when
    // written.
    bool SaveAndBackUp(const QByteArray *treeText);
    bool SaveWithTree();
    // After a restore or a mended tree: saved at once, unless a friend's catalogue is shown.
    void SaveMendedTree();
    // Before the view goes: what was typed and not saved is kept, and the home catalogue is
    // saved and backed up. Returns why it could not be, empty when it was or there was
    // nothing of ours to save. Once it succeeded, or GiveUpExitSave() was called, it does
    // nothing more; after a failure the next call tries again.
    QString SaveOnExit();
    void GiveUpExitSave() { m_bExitSaved = true; }
    // Whether a scanned disc may be added; a partly read catalogue is told why not.
    bool CanAddDisc();
    // Writes the disc records alone (lending). False, told, when writing failed.
    bool SaveDiscList();
    // Data/Images.dat follows a disc that was renumbered from `strOld` to `strNew`, or
    // deleted (`strNew` empty): otherwise a later disc of the old number would open its files
    // from an unrelated image. Written only when it changed, never while a friend's
    // catalogue is shown; a failure is told.
    void MoveImageLocation(const QString &strOld, const QString &strNew);

    // Shows the friend's catalogue in the folder `strDir` in place of the home one, after the
    // home catalogue was saved. On any failure the home catalogue stays, and the program is
    // fully home again.
    void LoadFriendDatabase(const QString &strDir);
    // Back to the home catalogue, read again from its files.
    void ReturnHome();

private:
    bool PrepareFriendFolder(FriendCatalog &friendCatalog);
    void OnFriendLoadFailed();

    CCatalog &m_catalog;
    Tree &m_tree;
    int &m_bFriendLoaded;
    CatalogStore m_store;
    std::unique_ptr<QLockFile> m_pLock; // the home catalogue's, while this copy has it open
    QString m_strActiveDir; // native, ends with '/'
    QString m_strHomePath;
    QString m_strActiveBackupDir; // native, no trailing '/'
    QString m_strHomeBackupPath;
    bool m_bLoaded = false; // a home directory was given, so there is something to save
    bool m_bExitSaved = false;
    bool m_bRestoreFailed = false; // the last restore failed, and the user was told
    QString m_strFailedBackup; // the backup files as they were when the restore failed
};
