#pragma once

#include <QAbstractTableModel>
#include <QList>

#include <vector>

// A table model that sorts its own rows: it puts them into a new order at once, announced as
// one layout change, with the selection and every other persistent index moving with its
// row. The file list's model and the search windows' model derive from it; each keeps its
// rows in a std::vector of its own.
class ReorderableTableModel : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReorderableTableModel)

public:
    explicit ReorderableTableModel(QObject *parent = nullptr);
    ~ReorderableTableModel() override;

protected:
    // Element i of `order` is the old position of the row that goes to position i (as
    // SortedRowOrder gives it); `rows` are the model's own.
    template<typename Row> void ReorderRows(std::vector<Row> &rows, const QList<int> &order)
    {
        BeginReorder();
        std::vector<Row> sorted;
        sorted.reserve(rows.size());
        for (const int from : order)
            sorted.push_back(std::move(rows[size_t(from)]));
        rows = std::move(sorted);
        EndReorder(order);
    }

private:
    void BeginReorder();
    void EndReorder(const QList<int> &order);
};
