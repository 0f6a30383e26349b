#include "scan/cmytree.h"

#include "store/treetext.h"

CMyTree::CMyTree(QWidget *parent) : QTreeWidget(parent) { }

CMyTree::~CMyTree() = default;

int CMyTree::ItemDepth(const QTreeWidgetItem *item)
{
    int depth = 0;
    for (const QTreeWidgetItem *p = item ? item->parent() : nullptr; p; p = p->parent())
        ++depth;
    return depth;
}

QTreeWidgetItem *CMyTree::NextItemPreorder(QTreeWidgetItem *item) const
{
    if (!item)
        return nullptr;
    if (item->childCount() > 0)
        return item->child(0);
    for (QTreeWidgetItem *at = item; at; at = at->parent()) {
        QTreeWidgetItem *parent = at->parent();
        if (parent) {
            const int index = parent->indexOfChild(at);
            if (index + 1 < parent->childCount())
                return parent->child(index + 1);
        } else {
            const int index = indexOfTopLevelItem(at);
            return index + 1 < topLevelItemCount() ? topLevelItem(index + 1) : nullptr;
        }
    }
    return nullptr;
}

QByteArray CMyTree::TreeText() const
{
    QList<TreeTextLine> lines;
    for (QTreeWidgetItem *item = topLevelItem(0); item; item = NextItemPreorder(item))
        lines.append({ItemDepth(item), item->text(0)});
    return WriteTreeText(lines);
}
