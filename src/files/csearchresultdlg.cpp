#include "files/csearchresultdlg.h"

#include "chrome/elidedtooltips.h"
#include "chrome/popupmenu.h"
#include "chrome/sortheader.h"
#include "chrome/sortlistctrl.h"
#include "files/cshelliconlist.h"
#include "files/fileopener.h"
#include "files/searchresultmodel.h"
#include "platform/prompter.h"
#include "resources/resource.h"
#include "resources/resourceicons.h"
#include "store/catalogsearch.h"
#include "store/ccatalog.h"

#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kFileIcon = 182;
constexpr int kNameIcon = 233;
constexpr int kDiscIcon = 191;
constexpr int kCategoryIcon = 168;
constexpr int kFileWidths[] = {180, 50, 68, 45, 220};
constexpr int kDiscWidths[] = {200, 70, 70};

QLabel *makeLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

CSearchResultDlg::CSearchResultDlg(QWidget *parent)
    : QDialog(parent), m_pModel(new CSearchResultModel(this))
{
    setObjectName(QStringLiteral("CSearchResultDlg"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own beside the main one, which can be put away and brought back.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Search Result"));
    setModal(false);
    m_pModel->SetDiscIcon(ResourceIcon(kDiscIcon));
    BuildControls();
    m_menuRunner = [](QMenu &menu, const QPoint &pos) { return menu.exec(pos); };
}

CSearchResultDlg::~CSearchResultDlg() = default;

void CSearchResultDlg::BuildControls()
{
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    m_pIcon = new QLabel(this);
    m_pIcon->setObjectName(QStringLiteral("SearchIcon"));
    m_pIcon->setFixedSize(32, 32);
    top->addWidget(m_pIcon);
    QLabel *title = makeLabel(tr("Search Result"), QStringLiteral("TitleLabel"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    top->addWidget(title, 1);
    layout->addLayout(top);

    auto *grid = new QGridLayout;
    QLabel *patternLabel = makeLabel(tr("Search Pattern:"), QStringLiteral("PatternLabel"), this);
    m_editPattern = new QLineEdit(this);
    m_editPattern->setObjectName(QStringLiteral("PatternEdit"));
    m_editPattern->setAccessibleName(tr("Search Pattern:"));
    patternLabel->setBuddy(m_editPattern);
    m_btnSearch = new QPushButton(tr("Search"), this);
    m_btnSearch->setObjectName(QStringLiteral("SearchButton"));
    m_btnSearch->setAccessibleName(m_btnSearch->text());
    // Enter in the pattern searches again rather than closing the window.
    m_btnSearch->setDefault(true);
    grid->addWidget(patternLabel, 0, 0);
    grid->addWidget(m_editPattern, 0, 1);
    grid->addWidget(m_btnSearch, 0, 2);
    QLabel *countLabel = makeLabel(tr("Found Items:"), QStringLiteral("CountLabel"), this);
    m_pCount = new QLabel(this);
    m_pCount->setObjectName(QStringLiteral("CountText"));
    m_pCount->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    grid->addWidget(countLabel, 1, 0);
    grid->addWidget(m_pCount, 1, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto *lists = new QHBoxLayout;
    m_pResults = new QTreeView(this);
    m_pResults->setObjectName(QStringLiteral("FileList"));
    m_pResults->setAccessibleName(tr("Search Result"));
    m_pHeader = new CSortHeader(m_pResults);
    m_pResults->setHeader(m_pHeader);
    m_pResults->setModel(m_pModel);
    m_pResults->setRootIsDecorated(false);
    m_pResults->setItemsExpandable(false);
    // Rows of one height let the view lay out and paint only what is visible.
    m_pResults->setUniformRowHeights(true);
    m_pResults->setAllColumnsShowFocus(true);
    m_pResults->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pResults->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pResults->setIconSize(CShellIconList::GetImageSize(true));
    // A cut name or folder shows whole in a tip, as in the file list.
    ElidedToolTips::Install(m_pResults);
    m_pHeader->setSectionsClickable(true);
    // The last column (the folder of a file) takes what the others leave.
    m_pHeader->setStretchLastSection(true);
    m_pHeader->setSectionsMovable(false);
    lists->addWidget(m_pResults, 3);

    auto *side = new QVBoxLayout;
    QLabel *catLabel = makeLabel(tr("Selected Categories"), QStringLiteral("CategoryLabel"), this);
    side->addWidget(catLabel);
    m_lstCats = new CSortListCtrl(this);
    m_lstCats->setObjectName(QStringLiteral("CatList"));
    m_lstCats->setAccessibleName(catLabel->text());
    catLabel->setBuddy(m_lstCats);
    m_lstCats->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstCats->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstCats->setIconSize(QSize(24, 24));
    m_lstCats->setColumnCount(1);
    m_lstCats->setHeaderLabels({tr("Category")});
    m_lstCats->header()->setStretchLastSection(false);
    m_lstCats->header()->setSectionsClickable(true);
    m_lstCats->setColumnWidth(0, 120);
    m_lstCats->setMaximumWidth(160);
    side->addWidget(m_lstCats, 1);
    lists->addLayout(side, 1);
    layout->addLayout(lists, 1);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkButton"));
    QPushButton *cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    for (QPushButton *b : {ok, cancel}) {
        b->setAutoDefault(false);
        b->setAccessibleName(b->text());
    }
    layout->addWidget(buttons);
    resize(820, 580);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_btnSearch, &QPushButton::clicked, this, [this] { OnSearch(); });
    connect(m_editPattern, &QLineEdit::textEdited, this, [this](const QString &text) {
        // The next "Search" uses what is typed here.
        if (!m_lstRequest.isEmpty())
            m_lstRequest.first() = text;
    });
    connect(m_pHeader, &QHeaderView::sectionClicked, this, &CSearchResultDlg::OnColumnClick);
    connect(m_lstCats->header(), &QHeaderView::sectionClicked, this,
            [this] { OnCategoryColumnClick(); });
    connect(m_pResults, &QAbstractItemView::doubleClicked, this, [this] { OnOpen(); });
    for (QWidget *w : {static_cast<QWidget *>(m_pResults), m_pResults->viewport(),
                       static_cast<QWidget *>(m_lstCats), m_lstCats->viewport()})
        w->installEventFilter(this);
}

void CSearchResultDlg::Start(CCatalog *pCatalog, const QStringList &lstRequest,
                             const QStringList &lstCategories)
{
    m_pCatalog = pCatalog;
    m_lstRequest = lstRequest;
    m_lstCategories = lstRequest.value(2) == QLatin1String("byCat") ? lstCategories : QStringList();
    ReadRequest();
    RunSearch();
}

void CSearchResultDlg::ReadRequest()
{
    m_strPattern = m_lstRequest.value(0);
    m_strMode = m_lstRequest.value(1);
    m_strScope = m_lstRequest.value(2);
    setWindowTitle(m_strPattern);
    if (m_editPattern->text() != m_strPattern)
        m_editPattern->setText(m_strPattern);
}

void CSearchResultDlg::FillCategoryList()
{
    // Each category goes on top in turn, so the list shows the copy from its tail up.
    m_lstCats->clear();
    const QIcon icon = ResourceIcon(kCategoryIcon);
    QList<QTreeWidgetItem *> items;
    for (auto it = m_lstCategories.crbegin(); it != m_lstCategories.crend(); ++it) {
        auto *item = new QTreeWidgetItem(QStringList {*it});
        item->setIcon(0, icon);
        items.append(item);
    }
    m_lstCats->addTopLevelItems(items);
}

void CSearchResultDlg::RunSearch()
{
    const bool bFiles = m_strMode == QLatin1String("files");
    const bool bNames = m_strMode == QLatin1String("names");
    const bool bByCat = m_strScope == QLatin1String("byCat");
    const bool bAll = m_strScope == QLatin1String("all");
    const QStringList *pCategories = bByCat ? &m_lstCategories : nullptr;
    if (bByCat)
        FillCategoryList();
    m_pHeader->SetSortArrow(-1, true);

    if (m_pCatalog && (bFiles || bNames) && (bAll || bByCat)) {
        m_pIcon->setPixmap(ResourceBitmap(bFiles ? kFileIcon : kNameIcon, m_pIcon->size()));
        if (bFiles)
            m_pModel->SetFileRows(
                *m_pCatalog->m_pFiles,
                CatalogSearch::FindFiles(*m_pCatalog->m_pFiles, m_strPattern, pCategories));
        else
            m_pModel->SetDiscRows(
                *m_pCatalog->m_pDiscs,
                CatalogSearch::FindDiscs(*m_pCatalog->m_pDiscs, m_strPattern, pCategories));
        const int *widths = bFiles ? kFileWidths : kDiscWidths;
        for (int c = 0; c < m_pModel->columnCount(); ++c)
            m_pHeader->resizeSection(c, widths[c]);
    } else {
        m_pModel->Clear();
    }
    m_strCount = QString::number(m_pModel->rowCount());
    m_pCount->setText(m_strCount);
}

void CSearchResultDlg::OnSearch()
{
    ReadRequest();
    if (m_strPattern.isEmpty()) {
        AfxMessageBox(QStringLiteral("Please, enter the name to search for."), this);
        return;
    }
    m_lstCats->clear();
    m_pModel->Clear();
    RunSearch();
}

void CSearchResultDlg::OnColumnClick(int nColumn)
{
    unsigned char *pFlag = nullptr;
    const bool bFiles = m_pModel->RowMode() == CSearchResultModel::Files;
    switch (nColumn) {
    case 0:
        pFlag = &m_bNameSort;
        break;
    case 1:
        pFlag = &m_bNumberSort;
        break;
    case 2:
        pFlag = bFiles ? &m_bSizeSort : &m_bPlaceSort;
        break;
    case 3:
        pFlag = bFiles ? &m_bTypeSort : nullptr;
        break;
    case 4:
        pFlag = bFiles ? &m_bPlaceSort : nullptr;
        break;
    default:
        break;
    }
    if (!pFlag || nColumn >= m_pModel->columnCount())
        return;
    const bool bAscending = *pFlag == 1;
    *pFlag = bAscending ? 0 : 1;
    m_pHeader->SetSortArrow(nColumn, bAscending);
    m_pModel->Sort(nColumn, bAscending);
}

void CSearchResultDlg::OnCategoryColumnClick()
{
    const bool bAscending = m_bCategorySort == 1;
    m_bCategorySort = bAscending ? 0 : 1;
    m_lstCats->SortByText(bAscending);
}

QList<int> CSearchResultDlg::SelectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_pResults->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CSearchResultDlg::OnDeleteRows()
{
    m_pModel->RemoveRowsAt(SelectedRows());
}

void CSearchResultDlg::OnDeleteCategory()
{
    if (m_lstCats->topLevelItemCount() < 2) {
        AfxMessageBox(QStringLiteral("There must be at least one category in the list."), this);
        return;
    }
    const QList<QTreeWidgetItem *> selected = m_lstCats->selectedItems();
    if (selected.isEmpty())
        return;
    // The next "Search" no longer asks for it.
    m_lstCategories.removeAll(selected.front()->text(0));
    delete selected.front();
}

void CSearchResultDlg::OnOpen()
{
    if (m_pModel->RowMode() == CSearchResultModel::Files)
        OnOpenFile();
    else
        OnGoToCd();
}

void CSearchResultDlg::OnGoToCd()
{
    const QList<int> rows = SelectedRows();
    if (rows.isEmpty())
        return;
    const int row = rows.front();
    if (m_goToDisc)
        m_goToDisc(m_pModel->Number(row), m_pModel->Folder(row));
    showMinimized();
}

void CSearchResultDlg::OnOpenFile()
{
    const QList<int> rows = SelectedRows();
    if (rows.size() != 1 || m_pModel->RowMode() != CSearchResultModel::Files)
        return;
    // The row knows its record's disc, folder and name: that one file is opened, not every
    // file of the disc that shares its name.
    CFileData record;
    record.m_strFileName = m_pModel->StoredName(rows.front());
    record.m_strDiscNumber = m_pModel->Number(rows.front());
    record.m_strFolder = m_pModel->Folder(rows.front());
    FileOpener(this, FileOpener::Prompts::SearchResults).Open(record);
}

void CSearchResultDlg::OnCommand(int id)
{
    switch (id) {
    case ID_RESULT_DELETE:
        OnDeleteRows();
        break;
    case ID_RESULT_OPEN:
        OnOpen();
        break;
    case ID_RESULT_GOTOCD:
        OnGoToCd();
        break;
    case ID_RESULTCAT_DELETE:
        OnDeleteCategory();
        break;
    default:
        break;
    }
}

void CSearchResultDlg::RunMenu(int nMenuId, const QPoint &globalPos)
{
    QMenu menu(this);
    if (!FillPopupMenu(menu, nMenuId))
        return;
    menu.setObjectName(menu.title() + QStringLiteral("Menu"));
    if (QAction *chosen = m_menuRunner ? m_menuRunner(menu, globalPos) : nullptr)
        OnCommand(chosen->data().toInt());
}

void CSearchResultDlg::contextMenuEvent(QContextMenuEvent *event)
{
    // Only the two lists have menus; they are handled in eventFilter.
    event->accept();
}

bool CSearchResultDlg::eventFilter(QObject *watched, QEvent *event)
{
    const bool inResults = watched == m_pResults || watched == m_pResults->viewport();
    const bool inCats = watched == m_lstCats || watched == m_lstCats->viewport();
    if (!inResults && !inCats)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::ContextMenu) {
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        QPoint pos = menuEvent->globalPos();
        if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
            QAbstractItemView *view
                = inResults ? static_cast<QAbstractItemView *>(m_pResults) : m_lstCats;
            const QRect rect = view->visualRect(view->currentIndex());
            pos = view->viewport()->mapToGlobal(rect.isValid() ? rect.center() : QPoint(0, 0));
        }
        RunMenu(inResults ? IDR_RESULT_MENU : IDR_RESULTCAT_MENU, pos);
        return true;
    }
    if (event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        OnCommand(inResults ? ID_RESULT_DELETE : ID_RESULTCAT_DELETE);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
