#pragma once

#include <QTreeWidget>

class CSortHeader;

// A list of rows with columns whose header shows a sort arrow. The owner sorts the rows;
// this class only carries the header.
class CSortListCtrl : public QTreeWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CSortListCtrl)

public:
    explicit CSortListCtrl(QWidget *parent = nullptr);
    ~CSortListCtrl() override;

    CSortHeader *SortHeader() const { return m_pHeader; }

private:
    CSortHeader *m_pHeader;
};
