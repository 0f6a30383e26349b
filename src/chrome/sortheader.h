#pragma once

#include <QHeaderView>

// A horizontal list header that marks one column with a sort arrow of its own drawing.
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

    // Where the arrow of a section goes: at its right end, sized after the header's height.
    QRect ArrowRect(const QRect &sectionRect) const;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    QSize sectionSizeFromContents(int logicalIndex) const override;

private:
    int m_nSortColumn = -1;
    bool m_bSortAscending = true;
};
