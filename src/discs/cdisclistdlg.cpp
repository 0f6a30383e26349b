#include "discs/cdisclistdlg.h"

#include "chrome/sortheader.h"
#include "chrome/sortlistctrl.h"
#include "files/clistsorter.h"
#include "resources/resourceicons.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

CDiscListDlg::CDiscListDlg(const char *objectName, const QString &caption, QList<Column> columns,
                           const CDiscList &discs, const QList<LendingRow> &rows,
                           SelectDisc selectDisc, QWidget *parent)
    : QDialog(parent),
      m_columns(std::move(columns)),
      m_sortFlags(m_columns.size(), 0),
      m_selectDisc(std::move(selectDisc)),
      m_pList(new CSortListCtrl(this)),
      m_pTop(new QVBoxLayout)
{
    setObjectName(QLatin1String(objectName));
    setWindowTitle(caption);
    setWindowFlag(Qt::Window); // its own window beside the main one
    setAttribute(Qt::WA_DeleteOnClose);

    m_pList->setObjectName(QStringLiteral("discList"));
    m_pList->setAccessibleName(caption);
    m_pList->setIconSize(QSize(16, 16));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList titles;
    for (const Column &column : std::as_const(m_columns))
        titles << column.title;
    m_pList->setHeaderLabels(titles);
    CSortHeader *header = m_pList->SortHeader();
    header->setStretchLastSection(false);
    header->setSectionsClickable(true);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 0; c < m_columns.size(); ++c)
        header->resizeSection(c, m_columns[c].width);
    connect(header, &QHeaderView::sectionClicked, this, &CDiscListDlg::OnColumnClick);
    // A double-click, or Enter on the row for keyboard users.
    connect(m_pList, &QTreeWidget::itemActivated, this, &CDiscListDlg::OnDoubleClick);

    // All rows are made first and handed over at once: one insertion for the view to lay out.
    const QIcon icon = ResourceIcon(191);
    QList<QTreeWidgetItem *> items;
    if (discs.isEmpty()) {
        auto *item = new QTreeWidgetItem(QStringList {QStringLiteral("No Discs")});
        item->setIcon(0, icon);
        items.append(item);
    }
    items.reserve(rows.size());
    for (const LendingRow &row : rows) {
        QStringList texts;
        texts.reserve(m_columns.size());
        for (const Column &column : std::as_const(m_columns))
            texts << row.*column.field;
        auto *item = new QTreeWidgetItem(texts);
        item->setIcon(0, icon);
        items.append(item);
    }
    m_pList->addTopLevelItems(items);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_pTop);
    layout->addWidget(m_pList, 1);
    layout->addWidget(buttons);
    int width = 40;
    for (const Column &column : std::as_const(m_columns))
        width += column.width;
    resize(width, 360);
}

CDiscListDlg::~CDiscListDlg() = default;

void CDiscListDlg::OnColumnClick(int nColumn)
{
    if (nColumn < 0 || nColumn >= m_columns.size() || m_columns[nColumn].sortType == 0)
        return;
    int &flag = m_sortFlags[nColumn];
    const bool bAscending = flag == 1;
    flag = bAscending ? 0 : 1;
    m_pList->SortHeader()->SetSortArrow(nColumn, bAscending);
    CListSorter(m_pList, nColumn).Sort(bAscending, m_columns[nColumn].sortType);
}

void CDiscListDlg::OnDoubleClick(QTreeWidgetItem *item)
{
    // The number column is the second in every window; "No Discs" has none and selects nothing.
    const QString number = item ? item->text(1) : QString();
    if (m_selectDisc && !number.isEmpty())
        m_selectDisc(number);
    close();
}
