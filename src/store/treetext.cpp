#include "store/treetext.h"

// Placeholder until the store lands.
QByteArray WriteTreeText(const QList<TreeTextLine> &) { return {}; }
QList<TreeTextNode> ReadTreeText(QByteArrayView) { return {}; }
