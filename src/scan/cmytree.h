#pragma once

#include <QByteArray>
#include <QTreeWidget>

// The folder tree of the scan dialog: the disc being scanned and its folders. It writes itself
// in the tree text form that the disc tree reads back from Data/TreeTemp.tkdt.
class CMyTree final : public QTreeWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CMyTree)

public:
    explicit CMyTree(QWidget *parent = nullptr);
    ~CMyTree() override;

    // Number of ancestors; 0 for a top-level item and for no item.
    static int ItemDepth(const QTreeWidgetItem *item);
    // Depth-first successor, walking collapsed items like expanded ones; nullptr at the end.
    QTreeWidgetItem *NextItemPreorder(QTreeWidgetItem *item) const;
    // Every item, one line each, in depth-first order.
    QByteArray TreeText() const;
};
