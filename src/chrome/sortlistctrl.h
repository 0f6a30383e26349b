#pragma once

#include <QTreeWidget>

class CSortHeader;

// A list of rows with columns whose header shows a sort arrow. The owner decides when and
// how the rows are sorted; a list of names sorts itself by its first column on request.
class CSortListCtrl : public QTreeWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSortListCtrl)

public:
    explicit CSortListCtrl(QWidget *parent = nullptr);
    ~CSortListCtrl() override;

    CSortHeader *SortHeader() const { return m_pHeader; }

    // Puts the rows in the order of their first column's text, letter case ignored (equal
    // texts keep their order), shows the arrow on that column, and keeps the selected rows
    // and the current row selected and current.
    void SortByText(bool bAscending);

private:
    CSortHeader *m_pHeader;
};
