#include "discs/numberlistmodel.h"

#include <algorithm>
#include <functional>

CNumberListModel::CNumberListModel(QList<int> numbers, QString title, QIcon icon, QObject *parent)
    : QAbstractListModel(parent),
      m_numbers(std::move(numbers)),
      m_title(std::move(title)),
      m_icon(std::move(icon))
{ }

CNumberListModel::~CNumberListModel() = default;

int CNumberListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_numbers.size());
}

QVariant CNumberListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_numbers.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::number(m_numbers[index.row()]);
    if (role == Qt::DecorationRole)
        return m_icon;
    return {};
}

QVariant CNumberListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_title;
    return {};
}

void CNumberListModel::SortNumbers(bool bAscending)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> numbersBefore;
    for (const QModelIndex &index : before)
        numbersBefore.append(m_numbers.value(index.row()));
    if (bAscending)
        std::sort(m_numbers.begin(), m_numbers.end());
    else
        std::sort(m_numbers.begin(), m_numbers.end(), std::greater<int>());
    // The numbers are unique, so each selected row is found again by its number.
    QModelIndexList after;
    for (int number : numbersBefore) {
        const auto it = bAscending
            ? std::lower_bound(m_numbers.begin(), m_numbers.end(), number)
            : std::lower_bound(m_numbers.begin(), m_numbers.end(), number, std::greater<int>());
        after.append(index(int(it - m_numbers.begin())));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
