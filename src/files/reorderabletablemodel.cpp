#include "files/reorderabletablemodel.h"

ReorderableTableModel::ReorderableTableModel(QObject *parent) : QAbstractTableModel(parent) { }

ReorderableTableModel::~ReorderableTableModel() = default;

void ReorderableTableModel::BeginReorder()
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ReorderableTableModel::EndReorder(const QList<int> &order)
{
    std::vector<int> newRow(size_t(order.size()));
    for (int i = 0; i < int(order.size()); ++i)
        newRow[size_t(order[i])] = i;
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex &index : from)
        to.append(this->index(newRow[size_t(index.row())], index.column()));
    changePersistentIndexList(from, to);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
