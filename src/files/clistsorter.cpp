#include "files/clistsorter.h"

#include "files/listcompare.h"

#include <QTreeWidget>

CListSorter::CListSorter(QTreeWidget *pList, int nColumn) : m_pList(pList), m_nColumn(nColumn) { }

void CListSorter::Sort(bool bAscending, int nType)
{
    if (!m_pList || m_nColumn < 0 || m_nColumn >= m_pList->columnCount())
        return;
    QTreeWidgetItem *root = m_pList->invisibleRootItem();
    const int count = root->childCount();
    if (count < 2)
        return;
    QStringList texts;
    texts.reserve(count);
    for (int i = 0; i < count; ++i)
        texts.append(root->child(i)->text(m_nColumn));
    const QList<int> order = SortedRowOrder(texts, nType, bAscending);

    // Taking the rows out forgets the selection; remember it on the items themselves.
    QTreeWidgetItem *current = m_pList->currentItem();
    const QList<QTreeWidgetItem *> selected = m_pList->selectedItems();
    const bool blocked = m_pList->blockSignals(true);
    QList<QTreeWidgetItem *> rows = root->takeChildren();
    QList<QTreeWidgetItem *> sorted;
    sorted.reserve(count);
    for (int index : order)
        sorted.append(rows[index]);
    root->addChildren(sorted);
    if (current)
        m_pList->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    for (QTreeWidgetItem *item : selected)
        item->setSelected(true);
    m_pList->blockSignals(blocked);
}
