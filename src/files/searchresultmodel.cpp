#include "files/searchresultmodel.h"

#include "files/filelistmodel.h"
#include "files/listcompare.h"
#include "store/textnumbers.h"

#include <QHash>

#include <algorithm>

namespace {

const char *const kFileHeaders[] = {"File Name", "Nr", "Size", "Type", "Folder"};
const char *const kDiscHeaders[] = {"CD Name", "CD Number", "Location"};

} // namespace

CSearchResultModel::CSearchResultModel(QObject *parent) : ReorderableTableModel(parent) { }

CSearchResultModel::~CSearchResultModel() = default;

int CSearchResultModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CSearchResultModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_mode == Files ? FileColumns : m_mode == Discs ? DiscColumns : 0;
}

QVariant CSearchResultModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Text(index.row(), index.column());
    case Qt::DecorationRole:
        if (index.column() != 0)
            return {};
        return m_mode == Files ? m_icons.GetIcon(StoredName(index.row())) : m_discIcon;
    case Qt::TextAlignmentRole:
        return headerData(index.column(), Qt::Horizontal, role);
    default:
        return {};
    }
}

QVariant CSearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return tr(m_mode == Files ? kFileHeaders[section] : kDiscHeaders[section]);
    if (role != Qt::TextAlignmentRole)
        return {};
    Qt::Alignment align = Qt::AlignRight;
    if (section == 0 || (m_mode == Files && section == FileFolder))
        align = Qt::AlignLeft;
    else if (m_mode == Files && section == FileNr)
        align = Qt::AlignHCenter;
    return int(align | Qt::AlignVCenter);
}

CSearchResultModel::Span CSearchResultModel::Keep(const QString &text)
{
    const Span span {m_text.size(), text.size()};
    m_text.append(text);
    return span;
}

void CSearchResultModel::SetFileRows(const CFileList &files, const QList<qsizetype> &hits)
{
    std::vector<Row> rows;
    rows.reserve(size_t(hits.size()));
    m_text.clear();
    // Many hits share a disc number and a folder; a loaded catalogue keeps one copy of each
    // such text, so its address tells whether it is kept already.
    QHash<const QChar *, Span> shared;
    auto keepShared = [&](const QString &text) {
        if (text.isEmpty())
            return Span {};
        auto it = shared.constFind(text.constData());
        if (it != shared.constEnd() && it->length == text.size())
            return *it;
        const Span span = Keep(text);
        shared.insert(text.constData(), span);
        return span;
    };
    for (const qsizetype i : hits) {
        const CFileData &r = files[i];
        Row row;
        row.name = Keep(r.m_strFileName);
        row.dot = FileTypeDot(r.m_strFileName);
        row.number = keepShared(r.m_strDiscNumber);
        row.place = keepShared(r.m_strFolder);
        row.size = SizeFromText(r.m_strSize);
        rows.push_back(row);
    }
    Reset(Files, std::move(rows));
}

void CSearchResultModel::SetDiscRows(const CDiscList &discs, const QList<qsizetype> &hits)
{
    std::vector<Row> rows;
    rows.reserve(size_t(hits.size()));
    m_text.clear();
    for (auto it = hits.crbegin(); it != hits.crend(); ++it) {
        const CDisc &d = discs[*it];
        Row row;
        row.name = Keep(d.m_strName);
        row.number = Keep(d.m_strNumber);
        row.place = Keep(d.m_strLocation);
        rows.push_back(row);
    }
    Reset(Discs, std::move(rows));
}

void CSearchResultModel::Clear()
{
    m_text.clear();
    Reset(NoRows, {});
}

void CSearchResultModel::Reset(Mode mode, std::vector<Row> rows)
{
    beginResetModel();
    m_mode = mode;
    m_rows = std::move(rows);
    if (m_rows.empty())
        m_text.clear();
    m_text.squeeze();
    endResetModel();
}

QString CSearchResultModel::Text(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return {};
    const Row &r = m_rows[size_t(row)];
    const QStringView name = View(r.name);
    if (m_mode == Discs) {
        switch (column) {
        case DiscName:
            return name.toString();
        case DiscNumber:
            return View(r.number).toString();
        case DiscLocation:
            return View(r.place).toString();
        default:
            return {};
        }
    }
    switch (column) {
    case FileName:
        return (r.dot < 0 ? name : name.first(r.dot)).toString();
    case FileNr:
        return View(r.number).toString();
    case FileSize:
        return FormatSize(r.size);
    case FileType:
        return FileTypeText(name);
    case FileFolder:
        return View(r.place).toString();
    default:
        return {};
    }
}

QString CSearchResultModel::StoredName(int row) const
{
    return row < 0 || row >= int(m_rows.size()) ? QString()
                                                : View(m_rows[size_t(row)].name).toString();
}

QString CSearchResultModel::Number(int row) const
{
    return row < 0 || row >= int(m_rows.size()) ? QString()
                                                : View(m_rows[size_t(row)].number).toString();
}

QString CSearchResultModel::Folder(int row) const
{
    if (m_mode != Files || row < 0 || row >= int(m_rows.size()))
        return {};
    return View(m_rows[size_t(row)].place).toString();
}

qint64 CSearchResultModel::Size(int row) const
{
    return row < 0 || row >= int(m_rows.size()) ? 0 : m_rows[size_t(row)].size;
}

void CSearchResultModel::Sort(int column, bool bAscending)
{
    if (column < 0 || column >= columnCount() || m_rows.size() < 2)
        return;
    QList<int> order;
    if (m_mode == Files && column == FileSize) {
        QList<qint64> sizes;
        sizes.reserve(qsizetype(m_rows.size()));
        for (const Row &row : m_rows)
            sizes.append(row.size);
        order = SortedSizeOrder(sizes, bAscending);
    } else {
        const bool number = column == (m_mode == Files ? int(FileNr) : int(DiscNumber));
        QStringList texts;
        texts.reserve(qsizetype(m_rows.size()));
        for (int i = 0; i < int(m_rows.size()); ++i)
            texts.append(Text(i, column));
        order = SortedRowOrder(texts, number ? SORT_INT : SORT_TEXT, bAscending);
    }
    ReorderRows(m_rows, order);
}

void CSearchResultModel::RemoveRowsAt(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.removeIf([this](int r) { return r < 0 || r >= int(m_rows.size()); });
    if (rows.isEmpty())
        return;
    // Runs of adjacent rows go out together, from the bottom up so the positions above stay
    // valid. A scattered selection of thousands of rows is taken out in one pass instead.
    QList<std::pair<int, int>> runs;
    for (int r : rows) {
        if (!runs.isEmpty() && runs.last().second + 1 == r)
            runs.last().second = r;
        else
            runs.append({r, r});
    }
    if (runs.size() > 64) {
        beginResetModel();
        std::vector<bool> gone(m_rows.size());
        for (int r : rows)
            gone[size_t(r)] = true;
        size_t out = 0;
        for (size_t i = 0; i < m_rows.size(); ++i) {
            if (!gone[i])
                m_rows[out++] = m_rows[i];
        }
        m_rows.resize(out);
        endResetModel();
        return;
    }
    for (auto it = runs.crbegin(); it != runs.crend(); ++it) {
        beginRemoveRows({}, it->first, it->second);
        m_rows.erase(m_rows.begin() + it->first, m_rows.begin() + it->second + 1);
        endRemoveRows();
    }
}
