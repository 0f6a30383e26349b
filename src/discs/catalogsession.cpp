#include "discs/catalogsession.h"

#include "media/imagelocations.h"
#include "platform/appflags.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "store/friendcatalog.h"
#include "store/homepaths.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

const QString kRestoreMessage = QStringLiteral(
    "There was a problem with your database\nTavikon is going to restore the backup data now.");
const QString kSaveRefused = QStringLiteral(
    "The catalogue was not read completely, so it is not saved: the catalogue files on disk "
    "are left as they are.");
const QString kScanRefused = QStringLiteral(
    "The catalogue was not read completely, so no disc can be added to it until it is "
    "restored from a sound backup.");
const QString kNotSaved = QStringLiteral(
    "The backup could not be restored either. Tavikon shows what it could read, but no change "
    "is saved until the catalogue is mended: the catalogue files on disk and the backup are "
    "left as they are.");

// The size and time of each backup file: a failed restore is worth trying again only when
// the backup changed since, since reading a large catalogue at every click would be slow.
QString backupStamp(const QString &dir)
{
    QString stamp;
    for (const CatalogueFile &file : CatalogueFiles()) {
        const QFileInfo info(QDir(dir).filePath(file.name));
        stamp += QString::number(info.size()) + u':'
            + QString::number(info.lastModified().toMSecsSinceEpoch()) + u';';
    }
    return stamp;
}

} // namespace

CatalogSession::Tree::~Tree() = default;

CatalogSession::CatalogSession(CCatalog &catalog, Tree &tree, int &bFriendLoaded)
    : m_catalog(catalog), m_tree(tree), m_bFriendLoaded(bFriendLoaded)
{ }

CatalogSession::~CatalogSession() = default;

// ---------------------------------------------------------------------------------------
// The home catalogue

bool CatalogSession::LoadHome(const QString &dir)
{
    // Two copies on one catalogue would each save over the other's changes at the end.
    m_pLock.reset();
    bool bHeldElsewhere = false;
    m_pLock = LockCatalogue(HomeDirForm(dir), bHeldElsewhere);
    if (bHeldElsewhere) {
        m_tree.Tell(QStringLiteral("The catalogue in \"%1\" is already open in another copy of "
                                   "Tavikon. This copy closes without changing it.")
                        .arg(QDir::toNativeSeparators(dir)));
        return false;
    }
    m_strActiveDir = m_strHomePath = HomeDirForm(dir);
    m_store.SetActiveDir(m_strActiveDir);
    // At the very first start the backup directory arrives after the home one; until then
    // the backup lives where the home layout puts it.
    if (m_strActiveBackupDir.isEmpty())
        m_store.SetBackupDir(BackupDirFor(m_strActiveDir));
    m_bLoaded = true;
    const bool loaded = LoadCatalog();
    // The files a first start lays out are empty, the backup's too, and a restore finds no
    // list in an empty file: written once, the new catalogue and its backup are whole.
    if (loaded && m_store.LoadedNew())
        SaveWithTree();
    m_tree.RefreshCatalogStatus();
    if (loaded && m_tree.HasItems())
        m_tree.SelectFirstItem();
    return true;
}

void CatalogSession::SetBackupDir(const QString &dir)
{
    m_strActiveBackupDir = m_strHomeBackupPath = BackupDirForm(dir);
    m_store.SetBackupDir(m_strActiveBackupDir);
}

bool CatalogSession::LoadCatalog()
{
    m_tree.ForgetSelection();
    m_bRestoreFailed = false;

    QList<TreeTextNode> nodes;
    const StoreResult result = m_store.LoadCatalog(m_catalog, nodes);
    m_tree.ShowTree(nodes);
    bool bRestored = false;
    if (!result) {
        // A half-read catalogue must not wait for the first click to be mended: closing the
        // program before it would write the partial lists over Data/ and the backup.
        m_tree.Tell(result.message());
        m_tree.Tell(kRestoreMessage);
        if (!RestoreCatalog(false))
            return false;
        bRestored = true;
    } else if (!m_store.TreeNotice().isEmpty()) {
        m_tree.Tell(m_store.TreeNotice());
    }
    if (bRestored || m_store.TreeRepaired())
        SaveMendedTree();
    if (!m_tree.HasItems()) {
        // The command panel shows the home directory and the statistics of the empty catalogue.
        m_tree.RefreshCatalogStatus();
        m_tree.Broadcast(HINT_SELECTION, &m_catalog);
    }
    return true;
}

bool CatalogSession::RestoreCatalog(bool bInSelection, bool bRetry)
{
    QList<TreeTextNode> nodes = ReadTreeText(m_tree.TreeText());
    const StoreResult result = m_store.RestoreCatalog(m_catalog, nodes);
    if (!result) {
        // Said once, plainly; a retry that fails again goes without a word.
        if (!bRetry)
            m_tree.Tell(result.message() + QStringLiteral("\n\n") + kNotSaved);
        m_bRestoreFailed = true;
        m_strFailedBackup = backupStamp(m_store.BackupDir());
        return false;
    }
    m_bRestoreFailed = false;
    if (bRetry)
        m_tree.Tell(kRestoreMessage);
    if (!m_store.TreeNotice().isEmpty())
        m_tree.Tell(m_store.TreeNotice());
    if (!m_store.TreeRepaired())
        return true;
    if (!bInSelection) {
        m_tree.ShowTree(nodes);
        return true;
    }
    m_tree.ShowRestoredTreeLater(nodes);
    return false;
}

bool CatalogSession::CheckBeforeSelection()
{
    // A friend's catalogue was read whole or not at all, and has no backup of ours.
    if (m_bFriendLoaded || !m_store.NeedsRestore(m_catalog, m_tree.HasItems()))
        return true;
    // After a failed restore, which was told, a selection tries again quietly once the backup
    // changed, and otherwise shows what could be read, rather than a message per click.
    if (m_bRestoreFailed) {
        if (backupStamp(m_store.BackupDir()) == m_strFailedBackup)
            return true;
        return RestoreCatalog(true, true) || m_bRestoreFailed;
    }
    m_tree.Tell(kRestoreMessage);
    return RestoreCatalog(true);
}

// ---------------------------------------------------------------------------------------
// Saving

bool CatalogSession::SaveAndBackUp(const QByteArray *treeText)
{
    if (!m_bLoaded || m_strActiveDir.isEmpty())
        return false; // no catalogue directory yet: nothing of ours to write
    if (m_bFriendLoaded)
        return false; // a friend's catalogue is never written, here or in its folder
    if (!m_store.CanSave()) {
        if (!m_bRestoreFailed) // else the user was told so when the restore failed
            m_tree.Tell(kSaveRefused);
        return false;
    }
    const StoreResult result = m_store.SaveAndBackUp(m_catalog, treeText);
    if (!result)
        m_tree.Tell(result.message());
    return bool(result);
}

bool CatalogSession::SaveWithTree()
{
    const QByteArray tree = m_tree.TreeText();
    return SaveAndBackUp(&tree);
}

void CatalogSession::SaveMendedTree()
{
    // A mended tree goes to disk at once, so the damage is gone even if the program is not
    // closed normally; never into a friend's directory.
    if (!m_bFriendLoaded && theAppFlags().m_bHomeDatabase == 1)
        SaveWithTree();
}

QString CatalogSession::SaveOnExit()
{
    if (m_bExitSaved)
        return {};
    if (!m_bLoaded || m_strActiveDir.isEmpty() || m_bFriendLoaded) {
        m_bExitSaved = true;
        return {};
    }
    // What was typed into a disc's fields and not saved yet is kept, as the save buttons
    // would have kept it.
    m_tree.Broadcast(HINT_TOKEN, Tokens::KeepEdits);
    if (!m_store.CanSave())
        return kSaveRefused;
    // The tree is written too: a tree mended after a restore must reach Data/ before the
    // backup copies it.
    const QByteArray tree = m_tree.TreeText();
    const StoreResult result = m_store.SaveAndBackUp(m_catalog, &tree);
    if (!result)
        return result.message();
    m_bExitSaved = true;
    return {};
}

bool CatalogSession::CanAddDisc()
{
    if (!m_bLoaded || m_bFriendLoaded)
        return false; // no home catalogue to add the disc to (the dialog would write into a
                      // friend's)
    if (!m_store.CanSave()) {
        m_tree.Tell(kScanRefused);
        return false;
    }
    return true;
}

bool CatalogSession::SaveDiscList()
{
    if (!m_bLoaded || m_strActiveDir.isEmpty())
        return true;
    const StoreResult result = m_store.SaveDiscList(m_catalog);
    if (!result)
        m_tree.Tell(result.message());
    return bool(result);
}

void CatalogSession::MoveImageLocation(const QString &strOld, const QString &strNew)
{
    if (!m_bLoaded || m_bFriendLoaded || m_strActiveDir.isEmpty())
        return;
    ImageLocations locations;
    StoreResult result = locations.Load(m_store.DataPath(ImageLocations::FileName()));
    if (!result) {
        m_tree.Tell(result.message());
        return;
    }
    if (locations.IsForeign())
        return; // a later version's file is left as it is
    const bool changed
        = strNew.isEmpty() ? locations.Remove(strOld) : locations.Move(strOld, strNew);
    if (changed)
        result = m_store.WriteDataFile(ImageLocations::FileName(), locations.Bytes());
    if (!result)
        m_tree.Tell(result.message());
}

// ---------------------------------------------------------------------------------------
// A friend's catalogue
//
// The friend's files are read into lists of their own first; the tree and the catalogue
// switch over only when everything has read soundly, so a failure leaves the home catalogue
// on screen, in memory and on disk as it was.

void CatalogSession::LoadFriendDatabase(const QString &strDir)
{
    // Only ever over the home catalogue: the failure path below takes what is shown for it.
    if (m_bFriendLoaded)
        ReturnHome();
    FriendCatalog friendCatalog(strDir);
    if (!PrepareFriendFolder(friendCatalog)) {
        OnFriendLoadFailed();
        return;
    }
    if (const StoreResult read = friendCatalog.Read(); !read) {
        m_tree.Tell(read.message());
        OnFriendLoadFailed();
        return;
    }
    // The home lists are dropped below: what is not on disk yet must be now. A partly read
    // home catalogue is not saved; its files on disk are the ones to come back to.
    if (m_bLoaded && m_store.CanSave() && !SaveAndBackUp(nullptr)) {
        OnFriendLoadFailed();
        return;
    }

    m_strActiveDir = strDir;
    m_strActiveBackupDir = friendCatalog.BackupFolder();
    m_store.SetReadOnly(true);
    m_bFriendLoaded = 1;
    m_tree.ForgetSelection();
    friendCatalog.MoveListsInto(m_catalog);
    m_tree.ShowTree(friendCatalog.m_tree);
    if (!friendCatalog.TreeNotice().isEmpty())
        m_tree.Tell(friendCatalog.TreeNotice());
    m_tree.RefreshCatalogStatus();
    m_tree.SelectFirstItem();
}

bool CatalogSession::PrepareFriendFolder(FriendCatalog &friendCatalog)
{
    const StoreResult prepared = friendCatalog.Prepare();
    if (!prepared) {
        m_tree.Tell(prepared.message());
        return false;
    }
    // A catalogue on a disc or in a folder of someone else's can still be looked at.
    if (!friendCatalog.CopyProblem().isEmpty())
        m_tree.Tell(QStringLiteral("The friend's folder cannot take the safety copy "
                                   "FriendDataBackUp: %1\nThe catalogue is shown without it; "
                                   "nothing is written to it.")
                        .arg(friendCatalog.CopyProblem()));
    return true;
}

void CatalogSession::OnFriendLoadFailed()
{
    // Fully home again, the menus included: the home catalogue never left the screen.
    AppFlags &flags = theAppFlags();
    flags.m_bEditAllowed = 1;
    flags.m_bHomeDatabase = 1;
    m_strActiveDir = m_strHomePath;
    m_strActiveBackupDir = m_strHomeBackupPath;
    m_tree.RefreshCatalogStatus();
    m_tree.SelectFirstItem();
    m_bFriendLoaded = 0;
    m_tree.Broadcast(HINT_PANEL_ENABLE, &m_catalog);
    m_tree.Broadcast(HINT_ENABLE, Tokens::EnableTrue);
}

void CatalogSession::ReturnHome()
{
    m_strActiveDir = m_strHomePath;
    m_strActiveBackupDir = m_strHomeBackupPath;
    m_store.SetReadOnly(false);
    m_bFriendLoaded = 0;
    const bool loaded = LoadCatalog();
    m_tree.RefreshCatalogStatus();
    if (loaded)
        m_tree.SelectFirstItem();
}
