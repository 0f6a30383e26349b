#pragma once

class QTreeWidget;

// Sorts the rows of a list (a QTreeWidget of top-level rows, such as CSortListCtrl) by the
// texts of one column with a compare type of listcompare.h. The list's own sorting must be
// off. Selection and current row follow their rows.
class CListSorter
{
public:
    CListSorter(QTreeWidget *pList, int nColumn);
    CListSorter(const CListSorter &) = delete;
    CListSorter &operator=(const CListSorter &) = delete;

    void Sort(bool bAscending, int nType);

private:
    QTreeWidget *m_pList;
    int m_nColumn;
};
