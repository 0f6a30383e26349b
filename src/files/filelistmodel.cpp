#include "files/filelistmodel.h"

#include "files/cshelliconlist.h"
#include "files/listcompare.h"

qsizetype FileTypeDot(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    for (qsizetype i = 0; i <= dot; ++i) {
        if (fileName[i] != u'.')
            return dot;
    }
    return -1;
}

QString FileTypeText(QStringView fileName)
{
    const qsizetype dot = FileTypeDot(fileName);
    if (dot >= 0)
        return fileName.sliced(dot + 1).toString().toUpper();
    return fileName.startsWith(u'.') ? QString() : fileName.toString().toUpper();
}

CFileListModel::CFileListModel(const CShellIconList &icons, QObject *parent)
    : ReorderableTableModel(parent), m_icons(icons)
{ }

CFileListModel::~CFileListModel() = default;

int CFileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CFileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CFileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const FileListRow &row = m_rows[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return Text(index.row(), index.column());
    case Qt::DecorationRole:
        if (index.column() == NameColumn)
            return m_icons.GetIcon(row.iconName);
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == NameColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                            : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant CFileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case NameColumn:
            return tr("File Name");
        case SizeColumn:
            return tr("Size");
        case TypeColumn:
            return tr("Type");
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole)
        return section == NameColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                     : int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

void CFileListModel::SetRows(std::vector<FileListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CFileListModel::Clear()
{
    if (m_rows.empty())
        return;
    SetRows({});
}

QString CFileListModel::Text(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return {};
    const FileListRow &r = m_rows[size_t(row)];
    switch (column) {
    case NameColumn:
        return r.name;
    case SizeColumn:
        return r.size;
    case TypeColumn:
        return r.type;
    default:
        return {};
    }
}

QString CFileListModel::StoredName(int row) const
{
    return row < 0 || row >= int(m_rows.size()) ? QString() : m_rows[size_t(row)].iconName;
}

qint64 CFileListModel::Bytes(int row) const
{
    return row < 0 || row >= int(m_rows.size()) ? -1 : m_rows[size_t(row)].bytes;
}

void CFileListModel::Sort(int column, bool ascending)
{
    if (column < 0 || column >= ColumnCount || m_rows.size() < 2)
        return;
    QList<int> order;
    if (column == SizeColumn) {
        // On the byte count, never on the text: "900 KB" is less than "1.2 MB".
        QList<qint64> sizes;
        sizes.reserve(qsizetype(m_rows.size()));
        for (const FileListRow &row : m_rows)
            sizes.append(row.bytes);
        order = SortedSizeOrder(sizes, ascending);
    } else {
        QStringList texts;
        texts.reserve(qsizetype(m_rows.size()));
        for (int i = 0; i < int(m_rows.size()); ++i)
            texts.append(Text(i, column));
        order = SortedRowOrder(texts, SORT_TEXT, ascending);
    }
    ReorderRows(m_rows, order);
}
