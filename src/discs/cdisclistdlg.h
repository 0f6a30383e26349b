#pragma once

#include "store/lendinglists.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class CSortListCtrl;
class QTreeWidgetItem;
class QVBoxLayout;

// What the lending windows share: a modeless window with a sortable list of discs, "OK" and
// "Cancel". The rows are read once when the window opens and do not follow later changes.
// A double-click on a row hands its "CD Number" to the owner's disc search and closes the
// window. Each window lives until it is closed or the main window goes.
class CDiscListDlg : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDiscListDlg)

public:
    // What a column shows of a row, its width and the compare type of its sort (0: none).
    struct Column
    {
        QString title;
        int width;
        QString LendingRow::*field;
        int sortType;
    };
    using SelectDisc = std::function<void(const QString &strNumber)>;

    ~CDiscListDlg() override;

    CSortListCtrl *List() const { return m_pList; }

protected:
    // `discs` only tells whether the catalogue is empty; `rows` are what qualify.
    CDiscListDlg(const char *objectName, const QString &caption, QList<Column> columns,
                 const CDiscList &discs, const QList<LendingRow> &rows, SelectDisc selectDisc,
                 QWidget *parent);
    // Where a window puts its own texts above the list.
    QVBoxLayout *TopLayout() const { return m_pTop; }

private:
    void OnColumnClick(int nColumn);
    void OnDoubleClick(QTreeWidgetItem *item);

    QList<Column> m_columns;
    QList<int> m_sortFlags; // per column, 0: the next click sorts descending
    SelectDisc m_selectDisc;
    CSortListCtrl *m_pList;
    QVBoxLayout *m_pTop;
};
