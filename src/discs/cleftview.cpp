#include "discs/cleftview.h"

#include "chrome/contentwidthcolumn.h"
#include "chrome/elidedtooltips.h"
#include "chrome/popupmenu.h"
#include "discs/cdeletediscdlg.h"
#include "discs/discwindows.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/hints.h"
#include "platform/prompter.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "scan/cscandlg.h"
#include "store/discedits.h"
#include "store/friendcatalog.h"
#include "store/homepaths.h"
#include "store/lendinglists.h"
#include "store/scanneddisc.h"
#include "store/treelabel.h"

#include <QContextMenuEvent>
#include <QDate>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>

namespace {

const QString kRestoreMessage = QStringLiteral(
    "There was a problem with your database\nTavikon is going to restore the backup data now.");
const QString kSaveRefused = QStringLiteral(
    "The catalogue was not read completely, so it is not saved: the catalogue files on disk "
    "are left as they are.");
const QString kScanRefused = QStringLiteral(
    "The catalogue was not read completely, so no disc can be added to it. Select a disc in "
    "the tree to restore it from the backup, then scan again.");
const QString kNothingToLend
    = QStringLiteral("Please, select the CD to lend in the tree first. Nothing was lent.");

} // namespace

CLeftView::CLeftView(QWidget *parent)
    : QTreeWidget(parent),
      m_pCatalog(std::make_unique<CCatalog>()),
      m_items(*this),
      // The windows may outlive a closed tree for a moment; they then find nothing.
      m_windows(
          this,
          [view = QPointer<CLeftView>(this)](const QString &strNumber, const QString &strFolder) {
              if (!view)
                  return;
              view->SelectDiscByNumber(strNumber);
              if (!strFolder.isEmpty())
                  view->OpenDiscFolder(strNumber, strFolder);
          })
{
    setObjectName(QStringLiteral("CLeftView"));
    setAccessibleName(tr("Catalogued discs"));
    setColumnCount(1);
    setHeaderHidden(true);
    // A label too long for the pane makes the tree scroll sideways, and shows whole in a tip.
    ContentWidthColumn::Install(this);
    ElidedToolTips::Install(this);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setUniformRowHeights(true); // lets a tree of 100,000 folders lay out without measuring rows
    setAnimated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setIconSize(QSize(16, 16));
    // A click on the selected label renames the disc; F2 and the menus go through OnCommand.
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setContextMenuPolicy(Qt::DefaultContextMenu);

    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *current, QTreeWidgetItem *) { OnSelChanged(current); });
}

CLeftView::~CLeftView()
{
    SaveOnExit();
    // The items go with the tree; their removal must not run the selection handling on a
    // half-destroyed view.
    blockSignals(true);
}

void CLeftView::OnInitialUpdate()
{
    // The images exist from construction, so items read before this point have them too.
}

// ---------------------------------------------------------------------------------------
// Notifications

void CLeftView::OnUpdate(CView *, int lHint, const HintArg &hint)
{
    if (hint.is(Tokens::Scan)) {
        ScanNewDisc();
        return;
    }
    if (hint.is(Tokens::AllowRequest)) {
        UpdateAllViews(HINT_ALLOW_REPLY, m_bDiscSelected == 1 ? Tokens::Yes : Tokens::No);
        return;
    }
    if (hint.is(Tokens::CDDB)) {
        AfxMessageBox(QStringLiteral("CDDB is not implemented in this version."), this);
        return;
    }
    if (hint.is(Tokens::Delete)) {
        if (m_pCatalog->m_strDiscCount != QLatin1String("0"))
            DeleteSelectedDisc();
        return;
    }
    if (hint.is(Tokens::Missing)) {
        ShowMissingNumbers();
        return;
    }
    if (hint.is(Tokens::Home))
        ShowAvailableDiscs(); // the code tests below still run
    else if (hint.is(Tokens::Away)) {
        ShowLentDiscs();
        return;
    }

    switch (lHint) {
    case HINT_LOAD_HOME:
        if (const QString *dir = hint.text()) {
            m_strActiveDir = m_strHomePath = HomeDirForm(*dir);
            m_store.SetActiveDir(m_strActiveDir);
            // At the very first start the backup directory arrives after the home one; until
            // then the backup lives where the home layout puts it.
            if (m_strActiveBackupDir.isEmpty())
                m_store.SetBackupDir(BackupDirFor(m_strActiveDir));
            m_bLoaded = true;
            const bool loaded = LoadCatalog();
            RefreshCatalogStatus();
            if (!loaded)
                return;
            if (topLevelItem(0))
                SelectFirstItem();
        }
        break;
    case HINT_DISC_EDITED:
        if (CDisc *disc = hint.disc())
            RelabelDisc(disc);
        break;
    case HINT_FIND_NUMBER:
        if (const QString *number = hint.text())
            SelectDiscByNumber(QString(*number));
        break;
    case HINT_SEARCH:
        if (const QStringList *request = hint.list())
            OpenSearchWindow(*request);
        break;
    case HINT_LEND_TO:
        if (const QString *person = hint.text(); person && !person->isEmpty())
            LendSelectedDisc(*person);
        break;
    case HINT_BORROWED_FROM:
        if (const QString *person = hint.text(); person && !person->isEmpty())
            ShowDiscsOfPerson(*person);
        break;
    case HINT_BACKUP_DIR:
        if (const QString *dir = hint.text()) {
            m_strActiveBackupDir = m_strHomeBackupPath = BackupDirForm(*dir);
            m_store.SetBackupDir(m_strActiveBackupDir);
        }
        break;
    case HINT_LOAD_FRIEND:
        if (const QString *dir = hint.text())
            LoadFriendDatabase(*dir);
        break;
    case HINT_HOME_DATA:
        if (m_bFriendLoaded)
            ReturnHome();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------
// Commands

bool CLeftView::OnCommand(int id)
{
    switch (id) {
    case ID_RENAME:
    case ID_TREE_RENAME:
    case ID_ACCEL_RENAME:
        StartLabelEdit();
        return true;
    case ID_DELETE:
    case ID_TREE_DELETE:
        DeleteSelectedDisc();
        return true;
    case ID_TREE_CDINFO:
        UpdateAllViews(HINT_PANEL_COMMAND, Tokens::OnOptions);
        return true;
    default:
        return ForwardMenuCommand(id, m_pCatalog.get());
    }
}

void CLeftView::StartLabelEdit()
{
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return;
    scrollToItem(item);
    edit(indexFromItem(item), AllEditTriggers, nullptr); // asks OnBeginLabelEdit
}

// ---------------------------------------------------------------------------------------
// Tree items and their text form

QString CLeftView::MakeTreePath(const QTreeWidgetItem *item) const
{
    return DiscTreeItems::Path(item);
}

int CLeftView::ItemDepth(const QTreeWidgetItem *item)
{
    return DiscTreeItems::Depth(item);
}

QTreeWidgetItem *CLeftView::NextItemPreorder(const QTreeWidgetItem *item)
{
    return DiscTreeItems::NextPreorder(item);
}

bool CLeftView::IsDiscItem(const QTreeWidgetItem *item) const
{
    return m_items.IsDisc(item);
}

QByteArray CLeftView::TreeText() const
{
    return m_items.Text();
}

void CLeftView::AppendTreeText(QByteArrayView text)
{
    m_items.Append(ReadTreeText(text));
}

// ---------------------------------------------------------------------------------------
// Loading, selection and saving

bool CLeftView::LoadCatalog()
{
    ForgetSelection();

    QList<TreeTextNode> nodes;
    const StoreResult result = m_store.LoadCatalog(*m_pCatalog, nodes);
    ShowTree(nodes);
    bool bRestored = false;
    if (!result) {
        // A half-read catalogue must not wait for the first click to be mended: closing the
        // program before it would write the partial lists over Data/ and the backup.
        AfxMessageBox(result.message(), this);
        AfxMessageBox(kRestoreMessage, this);
        if (!RestoreCatalog(false))
            return false;
        bRestored = true;
    } else if (!m_store.TreeNotice().isEmpty()) {
        AfxMessageBox(m_store.TreeNotice(), this);
    }
    if (bRestored || m_store.TreeRepaired())
        SaveMendedTree();
    if (topLevelItemCount() == 0) {
        // The command panel shows the home directory and the statistics of the empty catalogue.
        RefreshCatalogStatus();
        UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
    }
    return true;
}

void CLeftView::ForgetSelection()
{
    m_hCurItem = nullptr;
    m_strSelPath.clear();
    m_bDiscSelected = 0;
}

void CLeftView::ShowTree(const QList<TreeTextNode> &nodes)
{
    const QSignalBlocker blocker(this);
    clear();
    m_hCurItem = nullptr;
    m_items.Append(nodes);
}

bool CLeftView::RestoreCatalog(bool bInSelection)
{
    QList<TreeTextNode> nodes = ReadTreeText(TreeText());
    const StoreResult result = m_store.RestoreCatalog(*m_pCatalog, nodes);
    if (!result) {
        AfxMessageBox(result.message(), this);
        return false;
    }
    if (!m_store.TreeNotice().isEmpty())
        AfxMessageBox(m_store.TreeNotice(), this);
    if (!m_store.TreeRepaired())
        return true;
    if (!bInSelection) {
        ShowTree(nodes);
        return true;
    }
    // The item being selected belongs to the tree that is replaced: change it once the
    // selection handling has unwound, then select afresh.
    QMetaObject::invokeMethod(
        this,
        [this, nodes] {
            ShowTree(nodes);
            SaveMendedTree();
            if (QTreeWidgetItem *first = topLevelItem(0))
                setCurrentItem(first);
            else
                UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
        },
        Qt::QueuedConnection);
    return false;
}

bool CLeftView::SaveAndBackUp(const QByteArray *treeText)
{
    if (!m_bLoaded || m_strActiveDir.isEmpty())
        return false; // no catalogue directory yet: nothing of ours to write
    if (m_bFriendLoaded)
        return false; // a friend's catalogue is never written, here or in its folder
    if (!m_store.CanSave()) {
        AfxMessageBox(kSaveRefused, this);
        return false;
    }
    const StoreResult result = m_store.SaveAndBackUp(*m_pCatalog, treeText);
    if (!result)
        AfxMessageBox(result.message(), this);
    return bool(result);
}

bool CLeftView::SaveWithTree()
{
    const QByteArray tree = TreeText();
    return SaveAndBackUp(&tree);
}

void CLeftView::SaveMendedTree()
{
    // A mended tree goes to disk at once, so the damage is gone even if the program is not
    // closed normally; never into a friend's directory.
    if (!m_bFriendLoaded && theAppFlags().m_bHomeDatabase == 1)
        SaveWithTree();
}

void CLeftView::SaveOnExit()
{
    if (m_bExitSaved)
        return;
    m_bExitSaved = true;
    if (!m_bLoaded || m_bFriendLoaded)
        return;
    // What was typed into a disc's fields and not saved yet is kept, as the save buttons
    // would have kept it.
    UpdateAllViews(HINT_TOKEN, Tokens::KeepEdits);
    // The tree is written too: a tree mended after a restore must reach Data/ before the
    // backup copies it.
    SaveWithTree();
}

void CLeftView::OnSelChanged(QTreeWidgetItem *current)
{
    if (!current)
        return; // the tree was emptied
    // A friend's catalogue was read whole or not at all, and has no backup of ours.
    if (!m_bFriendLoaded && m_store.NeedsRestore(*m_pCatalog, topLevelItemCount() > 0)) {
        AfxMessageBox(kRestoreMessage, this);
        if (!RestoreCatalog(true))
            return;
    }
    m_strSelPath = MakeTreePath(current);
    m_bDiscSelected = m_strSelPath.contains(u'\\') ? 0 : 1;
    m_hCurItem = current;
    RefreshCatalogStatus();
    m_pCatalog->SelectTreePath(m_strSelPath);
    UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
    UpdateAllViews(HINT_TOKEN, Tokens::Refresh);
}

void CLeftView::SelectItem(QTreeWidgetItem *item)
{
    if (currentItem() == item)
        OnSelChanged(item); // selected already: the other panes are told afresh all the same
    else
        setCurrentItem(item);
}

void CLeftView::RefreshCatalogStatus()
{
    const QTreeWidgetItem *first = topLevelItem(0);
    m_pCatalog->RefreshStatus(m_strActiveDir, first ? first->text(0) : QString());
}

int CLeftView::GetHighestDiscNumber() const
{
    return m_pCatalog->GetHighestDiscNumber();
}

// ---------------------------------------------------------------------------------------
// Adding a scanned disc

void CLeftView::ScanNewDisc()
{
    if (!m_bLoaded || m_bFriendLoaded)
        return; // no home catalogue to add the disc to (the dialog would write into a friend's)
    if (!m_store.CanSave()) {
        AfxMessageBox(kScanRefused, this);
        return;
    }
    ScannedDisc scanned(*m_pCatalog);
    if (scanned.Number() == 0) {
        AfxMessageBox(scanned.Refusal(), this);
        return;
    }
    {
        CScanDlg dlg(this);
        dlg.m_nLastNumber = scanned.Number() - 1;
        dlg.m_strHomeDir = m_strActiveDir;
        dlg.m_pFileList = m_pCatalog->m_pFiles.get();
        QString error;
        const QList<TreeTextNode> nodes
            = ExecDialog(dlg) == QDialog::Accepted && dlg.m_bScanned == 1
            ? scanned.ReadTree(m_store, error)
            : QList<TreeTextNode>();
        if (nodes.isEmpty()) {
            // Whatever the dialog left behind that was not saved with a scan is not ours to
            // keep; and without its tree item the disc would be in the catalogue but nowhere
            // to be seen or deleted, so nothing is added.
            scanned.DropFiles();
            if (!error.isEmpty())
                AfxMessageBox(error, this);
        } else {
            {
                const QSignalBlocker blocker(this);
                m_items.Append(nodes);
            }
            scanned.AddRecord(dlg.m_strScannedDrive);
            SelectItem(topLevelItem(topLevelItemCount() - 1));
            UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
        }
    }

    // Saved first and backed up after, so that the backup always matches Data/.
    SaveWithTree();
}

// ---------------------------------------------------------------------------------------
// A friend's catalogue
//
// The friend's files are read into lists of their own first; the tree and the catalogue
// switch over only when everything has read soundly, so a failure leaves the home catalogue
// on screen, in memory and on disk as it was.

void CLeftView::LoadFriendDatabase(const QString &strDir)
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
        AfxMessageBox(read.message(), this);
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
    ForgetSelection();
    friendCatalog.MoveListsInto(*m_pCatalog);
    ShowTree(friendCatalog.m_tree);
    RefreshCatalogStatus();
    SelectFirstItem();
}

bool CLeftView::PrepareFriendFolder(FriendCatalog &friendCatalog)
{
    const StoreResult prepared = friendCatalog.Prepare();
    if (!prepared) {
        AfxMessageBox(prepared.message(), this);
        return false;
    }
    // A catalogue on a disc or in a folder of someone else's can still be looked at.
    if (!friendCatalog.CopyProblem().isEmpty())
        AfxMessageBox(tr("The friend's folder cannot take the safety copy FriendDataBackUp: "
                         "%1\nThe catalogue is shown without it; nothing is written to it.")
                          .arg(friendCatalog.CopyProblem()),
                      this);
    return true;
}

void CLeftView::OnFriendLoadFailed()
{
    // Fully home again, the menus included: the home catalogue never left the screen.
    AppFlags &flags = theAppFlags();
    flags.m_bEditAllowed = 1;
    flags.m_bHomeDatabase = 1;
    m_strActiveDir = m_strHomePath;
    m_strActiveBackupDir = m_strHomeBackupPath;
    RefreshCatalogStatus();
    SelectFirstItem();
    m_bFriendLoaded = 0;
    UpdateAllViews(HINT_PANEL_ENABLE, m_pCatalog.get());
    UpdateAllViews(HINT_ENABLE, Tokens::EnableTrue);
}

void CLeftView::ReturnHome()
{
    m_strActiveDir = m_strHomePath;
    m_strActiveBackupDir = m_strHomeBackupPath;
    m_store.SetReadOnly(false);
    m_bFriendLoaded = 0;
    const bool loaded = LoadCatalog();
    RefreshCatalogStatus();
    if (loaded)
        SelectFirstItem();
}

void CLeftView::SelectFirstItem()
{
    if (QTreeWidgetItem *first = topLevelItem(0)) {
        SelectItem(first);
        UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
        return;
    }
    // Nothing to select: the file list must not go on showing the previous catalogue's rows.
    m_pCatalog->m_strFolderKey.clear();
    m_pCatalog->m_lstSelection.clear();
    UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
    UpdateAllViews(HINT_TOKEN, Tokens::Refresh);
}

// ---------------------------------------------------------------------------------------
// Context menu

std::unique_ptr<QMenu> CLeftView::CreateTreeMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("TreeMenu"));
    FillPopupMenu(*menu, IDR_TREE_MENU);
    return menu;
}

QAction *CLeftView::ExecPopup(QMenu &menu, const QPoint &globalPos)
{
    return menu.exec(globalPos);
}

void CLeftView::ShowTreeMenu(const QPoint &globalPos)
{
    if (m_bDiscSelected != 1)
        return; // folders have no menu
    std::unique_ptr<QMenu> menu = CreateTreeMenu();
    if (QAction *chosen = ExecPopup(*menu, globalPos))
        OnCommand(chosen->data().toInt());
}

void CLeftView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton) {
        QTreeWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    // Only the icon and the label count, not the expand button or the blank row beside it.
    if (QTreeWidgetItem *item = m_items.LabelAt(event->position().toPoint())) {
        if (currentItem() != item)
            setCurrentItem(item);
    }
    ShowTreeMenu(event->globalPosition().toPoint());
}

void CLeftView::mouseReleaseEvent(QMouseEvent *event)
{
    // The press was handled above; the item view must not finish a click it never began.
    if (event->button() == Qt::RightButton)
        event->accept();
    else
        QTreeWidget::mouseReleaseEvent(event);
}

void CLeftView::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    if (event->reason() == QContextMenuEvent::Mouse)
        return; // the right button press has shown it already
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return;
    scrollToItem(item);
    ShowTreeMenu(viewport()->mapToGlobal(visualItemRect(item).bottomLeft()));
}

// ---------------------------------------------------------------------------------------
// Search result windows

void CLeftView::OpenSearchWindow(const QStringList &request)
{
    m_windows.ShowSearchResult(m_pCatalog.get(), request);
}

void CLeftView::OpenDiscFolder(const QString &strNumber, const QString &strFolder)
{
    QTreeWidgetItem *disc = DiscTreeItems::DiscOf(currentItem());
    if (!disc || GetNumberPart(disc->text(0)) != strNumber)
        return;
    QTreeWidgetItem *item = DiscTreeItems::FolderBelow(disc, strFolder);
    for (QTreeWidgetItem *p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
    scrollToItem(item);
    if (currentItem() != item)
        setCurrentItem(item);
}

// ---------------------------------------------------------------------------------------
// Relabelling after the command panel changed a disc's number or name

void CLeftView::RelabelDisc(CDisc *pDisc)
{
    // The panel has already changed the record; its old number finds the tree item, which
    // may be any disc of the tree, not only the one selected last.
    const QString strOld
        = pDisc->m_strOldNumber.isEmpty() ? pDisc->m_strNumber : pDisc->m_strOldNumber;
    // With two discs of one number (older catalogues have them), the one the user was looking
    // at is meant.
    QTreeWidgetItem *item = m_items.FindDisc(strOld, m_hCurItem);
    const QString strItemLabel = item ? item->text(0) : QString();
    QString refusal;
    const QString strLabel
        = RelabelDiscRecord(*m_pCatalog, *pDisc, strOld, item ? &strItemLabel : nullptr, refusal);
    if (strLabel.isEmpty()) {
        AfxMessageBox(refusal, this);
        UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
        return;
    }
    item->setText(0, strLabel);
    // The backup copies the tree with the lists, so the restore finds the new label too.
    SaveWithTree();
    // The selection handling shows the disc under its new label in every pane.
    SelectItem(item);
}

// ---------------------------------------------------------------------------------------
// Deleting a disc

void CLeftView::DeleteSelectedDisc()
{
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Unautorised Action"), this);
        return;
    }
    if (m_bEditingLabel == 1)
        return; // the Del key inside a label edit belongs to the edit
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return;
    // "Delete CD" on a folder deletes its disc: a folder alone would leave its files behind
    // with no item to reach them.
    item = DiscTreeItems::DiscOf(item);
    const QString strNumber = GetNumberPart(item->text(0));

    CDeleteDiscDlg dlg(this);
    dlg.m_strPrompt
        = QStringLiteral("Do you really want to delete CD ") + strNumber + QStringLiteral("    ?");
    if (ExecDialog(dlg) == QDialog::Accepted) {
        RemoveDisc(*m_pCatalog, strNumber, GetNamePart(item->text(0)),
                   m_items.DiscsNumbered(strNumber).size() > 1);
        {
            const QSignalBlocker blocker(this);
            m_hCurItem = nullptr;
            delete item;
        }
        if (QTreeWidgetItem *first = topLevelItem(0)) {
            SelectItem(first);
        } else {
            ForgetSelection();
            m_pCatalog->ClearToEmpty();
            UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
            UpdateAllViews(HINT_CLEAR_FILES, m_pCatalog.get());
        }
    }
    // Saved whether confirmed or not, as every disc operation ends.
    SaveWithTree();
}

// ---------------------------------------------------------------------------------------
// Renaming a disc in its label

bool CLeftView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Qt asks here for every click and key that might start an edit; only one that opens
    // the editor now is a beginning (a click on the selected label comes back after a delay
    // as AllEditTriggers).
    const bool opens = state() != EditingState && index.isValid()
        && (trigger == AllEditTriggers
            || (trigger != SelectedClicked && (editTriggers() & trigger)));
    if (opens && !OnBeginLabelEdit(itemFromIndex(index)))
        return false;
    return QTreeWidget::edit(index, trigger, event);
}

bool CLeftView::OnBeginLabelEdit(QTreeWidgetItem *item)
{
    if (!item || MakeTreePath(item).contains(u'\\'))
        return false; // folders keep the names they have on the disc
    m_bEditingLabel = 1;
    m_bDiscSelected = 1;
    m_strEditNumber = GetNumberPart(item->text(0));
    m_pEditItem = item;
    m_bLabelCommitted = false;
    return true;
}

void CLeftView::commitData(QWidget *editor)
{
    // The text is judged when the editor closes; the item never takes it unchecked.
    if (const auto *line = qobject_cast<QLineEdit *>(editor)) {
        m_strEditedLabel = line->text();
        m_bLabelCommitted = true;
    }
}

void CLeftView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab must not carry the edit on to the next item.
    if (hint == QAbstractItemDelegate::EditNextItem
        || hint == QAbstractItemDelegate::EditPreviousItem)
        hint = QAbstractItemDelegate::NoHint;
    QTreeWidget::closeEditor(editor, hint);
    if (m_bEditingLabel == 1)
        OnEndLabelEdit(std::exchange(m_bLabelCommitted, false) ? m_strEditedLabel : QString());
}

void CLeftView::OnEndLabelEdit(const QString &strText)
{
    QTreeWidgetItem *item = std::exchange(m_pEditItem, nullptr);
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Uautorised Action!!!"), this);
        m_bEditingLabel = 0;
        return;
    }
    if (m_bDiscSelected == 0 || !item) {
        m_bEditingLabel = 0;
        return;
    }
    if (!strText.isEmpty()) {
        QString refusal;
        const QString strLabel = RenameDiscByLabel(*m_pCatalog, m_strEditNumber, strText, refusal);
        if (strLabel.isEmpty()) {
            AfxMessageBox(refusal, this);
        } else {
            item->setText(0, strLabel);
            if (item == currentItem()) {
                // The other panes show the new name; the disc stays selected.
                m_strSelPath = MakeTreePath(item);
                m_pCatalog->SelectTreePath(m_strSelPath);
                UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
            }
        }
    }
    m_bDiscSelected = 0;
    SaveWithTree();
    m_bEditingLabel = 0;
}

// ---------------------------------------------------------------------------------------
// Numbers: gaps and search

void CLeftView::ShowMissingNumbers()
{
    m_windows.ShowGaps(*m_pCatalog->m_pDiscs);
}

void CLeftView::SelectDiscByNumber(const QString &strNumber)
{
    if (strNumber.isEmpty())
        return;
    // Every disc is looked at, wherever the tree is scrolled; the text must match exactly,
    // so "07" is not disc 7, and folders never match.
    const QList<QTreeWidgetItem *> found = m_items.DiscsNumbered(strNumber);
    if (found.isEmpty()) {
        AfxMessageBox(QStringLiteral("This number is not assigned to a CD"), this);
        return;
    }
    // The other discs close up so the found one stands out; with two discs of one number
    // the later one stays selected.
    m_items.CollapseDiscs();
    QTreeWidgetItem *item = found.last();
    SelectItem(item);
    item->setExpanded(true);
    scrollToItem(item, QAbstractItemView::PositionAtTop);
}

// ---------------------------------------------------------------------------------------
// Lending

void CLeftView::ShowAvailableDiscs()
{
    m_windows.ShowAvailable(*m_pCatalog->m_pDiscs);
}

void CLeftView::ShowLentDiscs()
{
    m_windows.ShowLent(*m_pCatalog->m_pDiscs);
}

void CLeftView::ShowDiscsOfPerson(const QString &strPerson)
{
    m_windows.ShowBorrowedFrom(*m_pCatalog->m_pDiscs, strPerson);
}

void CLeftView::LendSelectedDisc(const QString &strPerson)
{
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Unautorised Action!!!"), this);
        return;
    }
    // Nothing is written and no success is shown unless a disc was really lent.
    if (!LendDisc(*m_pCatalog->m_pDiscs, m_pCatalog->m_strCurNumber, strPerson,
                  QDate::currentDate())) {
        AfxMessageBox(kNothingToLend, this);
        UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
        return;
    }
    if (m_bLoaded && !m_strActiveDir.isEmpty()) {
        if (const StoreResult result = m_store.SaveDiscList(*m_pCatalog); !result) {
            AfxMessageBox(result.message(), this);
            return;
        }
    }
    AfxMessageBox(QStringLiteral("Lend to : ") + strPerson, this);
}
