#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The disc tree as indented text: one line per item, one TAB per level, CR LF line ends.

// One item for writing, in depth-first order.
struct TreeTextLine
{
    int depth = 0;
    QString label;
};

// One item read back. `parent` indexes an earlier node of the same result, -1 for the top
// level; `disc` says the item gets the disc images (it starts a relative level of 0).
struct TreeTextNode
{
    QString label;
    qsizetype parent = -1;
    bool disc = false;

    bool operator==(const TreeTextNode &other) const = default;
};

QByteArray WriteTreeText(const QList<TreeTextLine> &preorder);
QList<TreeTextNode> ReadTreeText(QByteArrayView bytes);
