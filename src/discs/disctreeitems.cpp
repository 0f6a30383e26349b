#include "discs/disctreeitems.h"

#include "resources/resourceicons.h"
#include "store/treelabel.h"

#include <QStyle>
#include <QTreeWidget>

namespace {

QIcon twoStateIcon(int normalId, int selectedId)
{
    // Our own icon object (not the shared resource one), so that its cache key tells disc
    // items from folder items without storing anything else per item.
    QIcon icon;
    const QIcon normal = ResourceIcon(normalId);
    const QIcon selected = ResourceIcon(selectedId);
    for (const int side : {16, 32}) {
        icon.addPixmap(normal.pixmap(side, side), QIcon::Normal);
        icon.addPixmap(selected.pixmap(side, side), QIcon::Selected);
    }
    return icon;
}

} // namespace

DiscTreeItems::DiscTreeItems(QTreeWidget &tree)
    : m_tree(tree), m_discIcon(twoStateIcon(191, 191)), m_folderIcon(twoStateIcon(175, 153))
{ }

bool DiscTreeItems::IsDisc(const QTreeWidgetItem *item) const
{
    return item && item->icon(0).cacheKey() == m_discIcon.cacheKey();
}

QString DiscTreeItems::Path(const QTreeWidgetItem *item)
{
    QStringList labels;
    for (const QTreeWidgetItem *p = item; p; p = p->parent())
        labels.prepend(p->text(0));
    return JoinTreePath(labels);
}

int DiscTreeItems::Depth(const QTreeWidgetItem *item)
{
    int depth = 0;
    for (const QTreeWidgetItem *p = item ? item->parent() : nullptr; p; p = p->parent())
        ++depth;
    return depth;
}

QTreeWidgetItem *DiscTreeItems::NextPreorder(const QTreeWidgetItem *item)
{
    if (!item)
        return nullptr;
    if (item->childCount() > 0)
        return item->child(0);
    for (const QTreeWidgetItem *p = item; p; p = p->parent()) {
        if (const QTreeWidgetItem *parent = p->parent()) {
            const int index = parent->indexOfChild(const_cast<QTreeWidgetItem *>(p));
            if (index + 1 < parent->childCount())
                return parent->child(index + 1);
        } else if (QTreeWidget *tree = p->treeWidget()) {
            const int index = tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(p));
            if (index + 1 < tree->topLevelItemCount())
                return tree->topLevelItem(index + 1);
        }
    }
    return nullptr;
}

QTreeWidgetItem *DiscTreeItems::DiscOf(QTreeWidgetItem *item)
{
    while (item && item->parent())
        item = item->parent();
    return item;
}

QByteArray DiscTreeItems::Text() const
{
    // Depth-first with an explicit stack: the same order as NextPreorder, without its
    // sibling look-ups, so writing stays linear in the number of items.
    QList<TreeTextLine> lines;
    QList<std::pair<const QTreeWidgetItem *, int>> stack;
    for (int i = m_tree.topLevelItemCount() - 1; i >= 0; --i)
        stack.append({m_tree.topLevelItem(i), 0});
    while (!stack.isEmpty()) {
        const auto [item, depth] = stack.takeLast();
        lines.append({depth, item->text(0)});
        for (int i = item->childCount() - 1; i >= 0; --i)
            stack.append({item->child(i), depth + 1});
    }
    return WriteTreeText(lines);
}

void DiscTreeItems::Append(const QList<TreeTextNode> &nodes)
{
    if (nodes.isEmpty())
        return;
    // The items are linked to each other before the tree sees any of them, so the model
    // announces one insertion instead of one per item.
    QList<QTreeWidgetItem *> items;
    items.reserve(nodes.size());
    QList<QTreeWidgetItem *> topLevel;
    for (const TreeTextNode &node : nodes) {
        auto *item = new QTreeWidgetItem;
        item->setText(0, node.label);
        item->setIcon(0, node.disc ? m_discIcon : m_folderIcon);
        item->setFlags(item->flags() | Qt::ItemIsEditable); // the view decides on each edit
        const qsizetype parent = node.parent;
        if (parent >= 0 && parent < items.size())
            items[parent]->addChild(item);
        else
            topLevel.append(item);
        items.append(item);
    }
    const bool updates = m_tree.updatesEnabled();
    m_tree.setUpdatesEnabled(false);
    m_tree.insertTopLevelItems(m_tree.topLevelItemCount(), topLevel);
    m_tree.setUpdatesEnabled(updates);
}

QList<QTreeWidgetItem *> DiscTreeItems::DiscsNumbered(const QString &strNumber) const
{
    QList<QTreeWidgetItem *> found;
    for (int i = 0; i < m_tree.topLevelItemCount(); ++i)
        if (GetNumberPart(m_tree.topLevelItem(i)->text(0)) == strNumber)
            found.append(m_tree.topLevelItem(i));
    return found;
}

QTreeWidgetItem *DiscTreeItems::FindDisc(const QString &strNumber, QTreeWidgetItem *preferred) const
{
    QTreeWidgetItem *selected = DiscOf(preferred);
    if (selected && m_tree.indexOfTopLevelItem(selected) >= 0
        && GetNumberPart(selected->text(0)) == strNumber)
        return selected;
    for (int i = 0; i < m_tree.topLevelItemCount(); ++i)
        if (GetNumberPart(m_tree.topLevelItem(i)->text(0)) == strNumber)
            return m_tree.topLevelItem(i);
    return nullptr;
}

QTreeWidgetItem *DiscTreeItems::FolderBelow(QTreeWidgetItem *disc, const QString &strFolder)
{
    QTreeWidgetItem *item = disc;
    const qsizetype root = strFolder.indexOf(u'\\');
    const QStringView below = root < 0 ? QStringView() : QStringView(strFolder).sliced(root + 1);
    for (const QStringView name : below.tokenize(u'\\', Qt::SkipEmptyParts)) {
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < item->childCount() && !next; ++i) {
            if (QStringView(item->child(i)->text(0)).compare(name, Qt::CaseInsensitive) == 0)
                next = item->child(i);
        }
        if (!next)
            break; // as deep as the tree goes
        item = next;
    }
    return item;
}

void DiscTreeItems::CollapseDiscs()
{
    for (int i = 0; i < m_tree.topLevelItemCount(); ++i)
        if (m_tree.topLevelItem(i)->isExpanded())
            m_tree.topLevelItem(i)->setExpanded(false);
}

QTreeWidgetItem *DiscTreeItems::LabelAt(const QPoint &pos) const
{
    QTreeWidgetItem *item = m_tree.itemAt(pos);
    if (!item)
        return nullptr;
    const QRect rect = m_tree.visualItemRect(item);
    const int margin
        = m_tree.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &m_tree) + 1;
    const int extent = m_tree.iconSize().width()
        + m_tree.fontMetrics().horizontalAdvance(item->text(0)) + 4 * margin;
    if (pos.x() < rect.left() || pos.x() > rect.left() + extent)
        return nullptr;
    return item;
}
