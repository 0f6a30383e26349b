#include "chrome/sortlistctrl.h"

#include "chrome/sortheader.h"

#include <algorithm>

CSortListCtrl::CSortListCtrl(QWidget *parent)
    : QTreeWidget(parent), m_pHeader(new CSortHeader(this))
{
    setHeader(m_pHeader);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
}

CSortListCtrl::~CSortListCtrl() = default;

void CSortListCtrl::SortByText(bool bAscending)
{
    // Taking the rows out drops their selection; it is put back on the same rows.
    const QList<QTreeWidgetItem *> selected = selectedItems();
    QTreeWidgetItem *current = currentItem();
    QList<QTreeWidgetItem *> items;
    while (topLevelItemCount() > 0)
        items.append(takeTopLevelItem(0));
    std::stable_sort(items.begin(), items.end(),
                     [bAscending](const QTreeWidgetItem *a, const QTreeWidgetItem *b) {
                         const int order = a->text(0).compare(b->text(0), Qt::CaseInsensitive);
                         return bAscending ? order < 0 : order > 0;
                     });
    addTopLevelItems(items);
    if (current)
        setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem *item : selected)
        item->setSelected(true);
    m_pHeader->SetSortArrow(0, bAscending);
}
