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

const QString kNothingToLend
    = QStringLiteral("Please, select the CD to lend in the tree first. Nothing was lent.");

} // namespace

CLeftView::CLeftView(QWidget *parent)
    : QTreeWidget(parent),
      m_pCatalog(std::make_unique<CCatalog>()),
      m_session(*m_pCatalog, *this, m_bFriendLoaded),
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
    if (const QString failed = SaveOnExit(); !failed.isEmpty())
        Tell(failed);
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
        if (const QString *dir = hint.text(); dir && !m_session.LoadHome(*dir) && GetDocument())
            GetDocument()->AbortStart(1); // the catalogue is another copy's
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
        if (const QString *dir = hint.text())
            m_session.SetBackupDir(*dir);
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
    return m_session.LoadCatalog();
}

bool CLeftView::RestoreCatalog(bool bInSelection)
{
    return m_session.RestoreCatalog(bInSelection);
}

bool CLeftView::SaveAndBackUp(const QByteArray *treeText)
{
    return m_session.SaveAndBackUp(treeText);
}

bool CLeftView::SaveWithTree()
{
    return m_session.SaveWithTree();
}

QString CLeftView::SaveOnExit()
{
    return m_session.SaveOnExit();
}

void CLeftView::GiveUpExitSave()
{
    m_session.GiveUpExitSave();
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

bool CLeftView::HasItems() const
{
    return topLevelItemCount() > 0;
}

void CLeftView::ShowRestoredTreeLater(const QList<TreeTextNode> &nodes)
{
    // The item being selected belongs to the tree that is replaced: change it once the
    // selection handling has unwound, then select afresh.
    QMetaObject::invokeMethod(
        this,
        [this, nodes] {
            ShowTree(nodes);
            m_session.SaveMendedTree();
            if (QTreeWidgetItem *first = topLevelItem(0))
                setCurrentItem(first);
            else
                UpdateAllViews(HINT_SELECTION, m_pCatalog.get());
        },
        Qt::QueuedConnection);
}

void CLeftView::Tell(const QString &message)
{
    AfxMessageBox(message, this);
}

void CLeftView::Broadcast(int lHint, const HintArg &hint)
{
    UpdateAllViews(lHint, hint);
}

void CLeftView::OnSelChanged(QTreeWidgetItem *current)
{
    if (!current)
        return; // the tree was emptied
    if (!m_session.CheckBeforeSelection())
        return;
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
    m_pCatalog->RefreshStatus(m_session.ActiveDir(), first ? first->text(0) : QString());
}

int CLeftView::GetHighestDiscNumber() const
{
    return m_pCatalog->GetHighestDiscNumber();
}

// ---------------------------------------------------------------------------------------
// Adding a scanned disc

void CLeftView::ScanNewDisc()
{
    if (!m_session.CanAddDisc())
        return;
    ScannedDisc scanned(*m_pCatalog);
    if (scanned.Number() == 0) {
        AfxMessageBox(scanned.Refusal(), this);
        return;
    }
    {
        CScanDlg dlg(this);
        dlg.m_nLastNumber = scanned.Number() - 1;
        dlg.m_strHomeDir = m_session.ActiveDir();
        dlg.m_pFileList = m_pCatalog->m_pFiles.get();
        QString error;
        const QList<TreeTextNode> nodes
            = ExecDialog(dlg) == QDialog::Accepted && dlg.m_bScanned == 1
            ? scanned.ReadTree(m_session.Store(), error)
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

void CLeftView::LoadFriendDatabase(const QString &strDir)
{
    m_session.LoadFriendDatabase(strDir);
}

void CLeftView::ReturnHome()
{
    m_session.ReturnHome();
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
    if (pDisc->m_strNumber != strOld)
        m_session.MoveImageLocation(strOld, pDisc->m_strNumber);
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
        // A disc left with the number keeps the files and the image recorded under it.
        const bool bShared = m_items.DiscsNumbered(strNumber).size() > 1;
        RemoveDisc(*m_pCatalog, strNumber, GetNamePart(item->text(0)), bShared);
        if (!bShared)
            m_session.MoveImageLocation(strNumber, {});
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
    if (!m_session.SaveDiscList())
        return;
    AfxMessageBox(QStringLiteral("Lend to : ") + strPerson, this);
}
