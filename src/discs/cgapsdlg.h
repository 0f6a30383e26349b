#pragma once

#include <QDialog>
#include <QList>

class CNumberListModel;
class CSortHeader;
class QTreeView;

// Dialog 203 "Find Gaps in the CD Index": the disc numbers no disc has, ascending, in a
// modeless window. Several may be open at once; each lives until it is closed or the main
// window goes. A click on the column header sorts by number, descending first.
class CGapsDlg final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CGapsDlg)

public:
    CGapsDlg(QList<int> gaps, QWidget *parent = nullptr);
    ~CGapsDlg() override;

    QTreeView *List() const { return m_pList; }
    CNumberListModel *Model() const { return m_pModel; }

private:
    void OnColumnClick(int nColumn);

    QTreeView *m_pList;
    CSortHeader *m_pHeader;
    CNumberListModel *m_pModel;
    int m_nSortFlag = 0; // 0: the next click sorts descending
};
