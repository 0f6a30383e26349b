#pragma once

#include "store/treetext.h"

#include <QByteArray>
#include <QIcon>
#include <QList>
#include <QString>

class QPoint;
class QTreeWidget;
class QTreeWidgetItem;

// The items of the disc tree and what is read from them: disc items labelled "<number>
// <name>" with the disc image, folder items with their bare names and the folder images.
// Builds items from a tree text and writes them back as one, joins labels to tree paths,
// and finds discs by the number in their label and folders below a disc. The disc tree view
// owns one for its own tree; the items belong to the tree.
class DiscTreeItems
{
public:
    explicit DiscTreeItems(QTreeWidget &tree);

    // True for an item that carries the disc images.
    bool IsDisc(const QTreeWidgetItem *item) const;
    // Labels joined from the disc down ("12 Holiday\Photos\2003").
    static QString Path(const QTreeWidgetItem *item);
    static int Depth(const QTreeWidgetItem *item);
    // Walks every item, collapsed ones too; nullptr when the walk is complete.
    static QTreeWidgetItem *NextPreorder(const QTreeWidgetItem *item);
    // The disc item an item belongs to: itself for a disc; nullptr for none.
    static QTreeWidgetItem *DiscOf(QTreeWidgetItem *item);

    // The tree's text form: every item in depth-first order, one TAB per level.
    QByteArray Text() const;
    // Adds the items of a tree text after the existing discs, announced to the view at once.
    void Append(const QList<TreeTextNode> &nodes);

    // Every disc item whose label carries exactly this number, in tree order.
    QList<QTreeWidgetItem *> DiscsNumbered(const QString &strNumber) const;
    // The disc item of this number: the disc of `preferred` when it has the number (with two
    // discs of one number, the one the user was looking at), else the first in the tree.
    QTreeWidgetItem *FindDisc(const QString &strNumber, QTreeWidgetItem *preferred) const;
    // The item of a file record's folder ("sr0:\music\live\") below a disc item, as deep as
    // the tree goes. The records keep folders in lower case and the tree keeps the case of
    // the disc, so names are compared without regard to case.
    static QTreeWidgetItem *FolderBelow(QTreeWidgetItem *disc, const QString &strFolder);
    void CollapseDiscs();

    // The item whose icon or label is at `pos` in the viewport; nullptr beside them, on the
    // expand button or the blank part of the row.
    QTreeWidgetItem *LabelAt(const QPoint &pos) const;

private:
    QTreeWidget &m_tree;
    QIcon m_discIcon;
    QIcon m_folderIcon;
};
