#include "files/ctavikonview.h"

#include "categories/cattachedcatdlg.h"
#include "chrome/elidedtooltips.h"
#include "chrome/popupmenu.h"
#include "chrome/sortheader.h"
#include "files/filelistmodel.h"
#include "files/fileopener.h"
#include "platform/appflags.h"
#include "platform/hints.h"
#include "platform/prompter.h"
#include "platform/tokens.h"
#include "resources/resource.h"
#include "store/shownfolder.h"
#include "store/textnumbers.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <algorithm>

namespace {

constexpr int kColumnWidths[] = {182, 70, 60};

bool sameText(QStringView a, QStringView b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// Whether a row of `name` and `type` shows this file name: the reverse of makeRow, on
// lower-cased copies so that the record keeps its letter case.
bool showsName(const QString &fileName, QStringView name, QStringView type)
{
    const qsizetype dot = FileTypeDot(fileName);
    return sameText(dot < 0 ? QStringView(fileName) : QStringView(fileName).first(dot), name)
        && sameText(FileTypeText(fileName), type);
}

FileListRow makeRow(const CFileData &r)
{
    FileListRow row;
    const QString &name = r.m_strFileName;
    const qsizetype dot = FileTypeDot(name);
    row.name = dot < 0 ? name : name.left(dot);
    row.type = FileTypeText(name);
    row.bytes = SizeFromText(r.m_strSize);
    row.size = FormatSize(row.bytes);
    row.iconName = name;
    return row;
}

} // namespace

CTavikonView::CTavikonView(QWidget *parent)
    : QTreeView(parent),
      m_pHeader(new CSortHeader(this)),
      m_pModel(new CFileListModel(m_shellIcons, this))
{
    setObjectName(QStringLiteral("CTavikonView"));
    setAccessibleName(tr("File List"));
    setFocusPolicy(Qt::StrongFocus);
    setHeader(m_pHeader);
    setModel(m_pModel);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    // Rows of one height let the view lay out and paint only what is visible, whatever
    // the number of files.
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Sorting stays off (QTreeView's own would also hide the arrow and make the header
    // unclickable when switched off): a header click sorts with our own rules.
    setIconSize(CShellIconList::GetImageSize(theAppFlags().m_bSmallIcons != 0));
    // QTreeView hands its own sorting state to a new header; ours sorts on click anyway.
    m_pHeader->setSectionsClickable(true);
    m_pHeader->setSortIndicatorShown(true);
    m_pHeader->setStretchLastSection(false);
    m_pHeader->setSectionsMovable(false);
    // The name takes whatever width the size and the type leave; those two are wide enough
    // for their header and a figure like "1023 KB" in the font in use.
    for (int c = 0; c < CFileListModel::ColumnCount; ++c)
        m_pHeader->resizeSection(c, kColumnWidths[c]);
    const int figure = fontMetrics().horizontalAdvance(QStringLiteral("1023 KB")) + 24;
    m_pHeader->resizeSection(CFileListModel::SizeColumn,
                             std::max(kColumnWidths[CFileListModel::SizeColumn], figure));
    m_pHeader->setSectionResizeMode(CFileListModel::NameColumn, QHeaderView::Stretch);
    m_pHeader->setMinimumSectionSize(fontMetrics().averageCharWidth() * 4);
    ElidedToolTips::Install(this);

    connect(m_pHeader, &QHeaderView::sectionClicked, this, &CTavikonView::OnColumnClick);
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { OnOpenFile(); });
    m_menuRunner = [](QMenu &menu, const QPoint &pos) { return menu.exec(pos); };
}

CTavikonView::~CTavikonView() = default;

void CTavikonView::OnInitialUpdate()
{
    // The arrow says the names are in ascending order, and every listing is sorted so.
    m_pHeader->SetSortArrow(CFileListModel::NameColumn, true);
    theAppFlags().m_bEditAllowed = 1;
}

void CTavikonView::OnUpdate(CView *, int lHint, const HintArg &hint)
{
    if (lHint == HINT_SELECTION)
        m_pCatalog = hint.catalog();
    if (hint.is(Tokens::Refresh)) {
        ClearRows();
        if (m_pCatalog && !m_pCatalog->m_strFolderKey.isEmpty())
            FillFileList(m_pCatalog->m_pFiles.get(), m_pCatalog->m_strFolderKey);
    }
    if (lHint == HINT_CLEAR_FILES)
        ClearRows();
    if (lHint == HINT_SHOW_NAMES) {
        ClearRows();
        if (const QStringList *names = hint.list()) {
            std::vector<FileListRow> rows;
            rows.reserve(size_t(names->size()));
            // Each name goes on top, so the last one ends up first.
            for (auto it = names->crbegin(); it != names->crend(); ++it)
                rows.push_back({*it, QString(), QString(), *it});
            m_pModel->SetRows(std::move(rows));
            SortAsShown();
        }
    }
    if (lHint == HINT_VIEW_MODE) {
        if (hint.is(Tokens::OnViewLargeicons))
            OnViewLargeicons();
        else if (hint.is(Tokens::OnViewSmallicons))
            OnViewSmallicons();
    }
}

void CTavikonView::FillFileList(const CFileList *pFiles, const QString &strFolderKey)
{
    ClearRows();
    if (!pFiles || !m_pCatalog)
        return;
    // Compared without regard to case: the records keep the letter case of the disc, and the
    // rows show the names as stored.
    const QString &strCurNumber = m_pCatalog->m_strCurNumber;
    const ShownFolder shown(strCurNumber, strFolderKey);

    std::vector<FileListRow> rows;
    bool bSeen = false;
    for (const CFileData &r : *pFiles) {
        const bool bSameDisc = sameText(r.m_strDiscNumber, strCurNumber);
        if (bSameDisc && shown.HoldsFolderOf(r)) {
            bSeen = true;
            rows.push_back(makeRow(r));
        }
        // One disc's records stand together, so nothing after them can match.
        if (bSeen && !bSameDisc)
            break;
    }
    std::reverse(rows.begin(), rows.end());
    m_pModel->SetRows(std::move(rows));
    SortAsShown();
}

void CTavikonView::SortAsShown()
{
    if (m_pHeader->SortColumn() >= 0)
        m_pModel->Sort(m_pHeader->SortColumn(), m_pHeader->SortAscending());
}

void CTavikonView::ClearRows()
{
    m_pModel->Clear();
}

void CTavikonView::OnColumnClick(int nColumn)
{
    if (nColumn < 0 || nColumn >= CFileListModel::ColumnCount)
        return;
    // A click on the column the arrow is on turns the order round; any other column starts
    // ascending, the way desktop lists behave.
    const bool bAscending = nColumn == m_pHeader->SortColumn() ? !m_pHeader->SortAscending() : true;
    m_pHeader->SetSortArrow(nColumn, bAscending);
    m_pModel->Sort(nColumn, bAscending);
}

void CTavikonView::OnRClick()
{
    if (!m_pCatalog)
        return;
    // Only the files selected now: names left from an earlier right click, or categories
    // collected for a search, would otherwise be tagged as well.
    m_pCatalog->m_lstSelection.clear();
    QModelIndexList selected = selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &index : selected)
        m_pCatalog->m_lstSelection.prepend(m_pModel->StoredName(index.row()));
}

void CTavikonView::OnOpenFile()
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.size() != 1 || !m_pCatalog)
        return;
    const int row = selected.first().row();
    const QString name = m_pModel->Text(row, CFileListModel::NameColumn);
    const QString type = m_pModel->Text(row, CFileListModel::TypeColumn);
    const ShownFolder shown(m_pCatalog->m_strCurNumber, m_pCatalog->m_strFolderKey);
    for (const CFileData &r : *m_pCatalog->m_pFiles) {
        if (shown.Contains(r) && showsName(r.m_strFileName, name, type)) {
            // A copy: the prompts wait for the user while the catalogue lives on.
            FileOpener(this, FileOpener::Prompts::FileList, m_pCatalog->m_strHomeDir)
                .Open(CFileData(r));
            return;
        }
    }
}

void CTavikonView::OnViewLargeicons()
{
    setIconSize(CShellIconList::GetImageSize(false));
    theAppFlags().m_bSmallIcons = 0;
}

void CTavikonView::OnViewSmallicons()
{
    setIconSize(CShellIconList::GetImageSize(true));
    theAppFlags().m_bSmallIcons = 1;
}

void CTavikonView::OnAttachCategories()
{
    if (theAppFlags().m_bEditAllowed == 0) {
        AfxMessageBox(QStringLiteral("Unautorised Action!!!"), this);
        return;
    }
    UpdateAllViews(HINT_ATTACH_CATEGORIES, m_pCatalog);
}

void CTavikonView::OnViewCategories()
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    if (selected.size() != 1) {
        AfxMessageBox(QStringLiteral("You should select only one category to use this function!"),
                      this);
        return;
    }
    if (!m_pCatalog)
        return;
    CAttachedCatDlg dlg(m_pCatalog->m_pFiles.get(), m_pModel->StoredName(selected.front().row()),
                        m_pCatalog->m_strFolderKey, m_pCatalog->m_strCurNumber, this);
    ExecDialog(dlg);
}

bool CTavikonView::OnCommand(int id)
{
    switch (id) {
    case ID_VIEW_LARGEICONS:
        OnViewLargeicons();
        return true;
    case ID_VIEW_SMALLICONS:
        OnViewSmallicons();
        return true;
    case ID_DATA_OPENFILE:
    case ID_ACCEL_CTRLENTER:
        OnOpenFile();
        return true;
    case ID_DATA_CDINFO:
        UpdateAllViews(HINT_PANEL_COMMAND, Tokens::OnOptions);
        return true;
    case ID_DATA_ATTACHCATEGORIES:
        OnAttachCategories();
        return true;
    case ID_DATA_VIEWCATEGORIES:
        OnViewCategories();
        return true;
    default:
        return ForwardMenuCommand(id, m_pCatalog);
    }
}

void CTavikonView::contextMenuEvent(QContextMenuEvent *event)
{
    QPoint pos = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        const QRect rect = visualRect(currentIndex());
        pos = viewport()->mapToGlobal(rect.isValid() ? rect.center() : QPoint(0, 0));
    }
    OnRClick();
    ShowDataMenu(pos);
    event->accept();
}

void CTavikonView::ShowDataMenu(const QPoint &globalPos)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("DataMenu"));
    if (!FillPopupMenu(menu, IDR_DATA_MENU))
        return;
    QAction *chosen = m_menuRunner ? m_menuRunner(menu, globalPos) : nullptr;
    if (chosen)
        OnCommand(chosen->data().toInt());
}
