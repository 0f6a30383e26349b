#pragma once

#include <QHeaderView>

// A horizontal list header that marks one column with a sort arrow.
class CSortHeader : public QHeaderView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSortHeader)

public:
    explicit CSortHeader(QWidget *parent = nullptr);
    ~CSortHeader() override;

    // Marks the column with the arrow for the direction and returns the column marked before
    // (-1 when none was).
    int SetSortArrow(int nColumn, bool bAscending);
    int SortColumn() const { return m_nSortColumn; }
    bool SortAscending() const { return m_bSortAscending; }

private:
    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
};
