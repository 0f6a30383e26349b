#include "media/entrytree.h"

namespace {

QByteArray indexKey(int parent, const QByteArray &native, bool bFolder)
{
    QByteArray key;
    key.reserve(native.size() + 6);
    key.append(reinterpret_cast<const char *>(&parent), sizeof parent);
    key.append(bFolder ? 'd' : 'f');
    key.append(native);
    return key;
}

} // namespace

EntryTree::EntryTree(qsizetype maxEntries) : m_nMax(qMax<qsizetype>(maxEntries, 1))
{
    m_nodes.append(Node());
}

int EntryTree::Find(int parent, const QByteArray &native, bool bFolder) const
{
    return m_index.value(indexKey(parent, native, bFolder), -1);
}

int EntryTree::AddChild(int parent, const QByteArray &native, bool bFolder, qint64 size)
{
    const QByteArray key = indexKey(parent, native, bFolder);
    const auto found = m_index.constFind(key);
    if (found != m_index.constEnd())
        return found.value();
    if (m_nodes.size() >= m_nMax) {
        m_bFull = true;
        return -1;
    }
    Node node;
    node.native = native;
    node.name = QString::fromUtf8(native);
    node.size = bFolder ? 0 : qMax<qint64>(size, 0);
    node.parent = parent;
    node.bFolder = bFolder;
    const int id = int(m_nodes.size());
    m_nodes.append(std::move(node));
    m_nodes[parent].children.append(id);
    m_index.insert(key, id);
    return id;
}

int EntryTree::AddPath(const QByteArray &path, bool bFolder, qint64 size, bool bBackslashes)
{
    QList<QByteArray> names;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '/' && !(bBackslashes && path[i] == '\\'))
            continue;
        const QByteArray name = path.mid(start, i - start);
        start = i + 1;
        if (!name.isEmpty() && name != "." && name != "..")
            names.append(name);
    }
    if (names.isEmpty())
        return -1;
    int node = 0;
    for (qsizetype i = 0; i < names.size() && node >= 0; ++i) {
        const bool bLast = i + 1 == names.size();
        node = AddChild(node, names[i], bLast ? bFolder : true, bLast ? size : 0);
    }
    return node;
}

bool EntryTree::GraftArchive(int file, const EntryTree &other)
{
    const int parent = m_nodes[file].parent;
    if (m_nodes.size() + other.Count() > m_nMax) {
        m_bFull = true;
        return false;
    }
    // Not indexed by name: the archive's folder is reached through its file only.
    Node top;
    top.name = m_nodes[file].name;
    top.native = m_nodes[file].native;
    top.parent = parent;
    const int base = int(m_nodes.size());
    m_nodes.append(top);
    for (int i = 1; i < other.Count(); ++i) {
        Node node = other.At(i);
        node.parent += base;
        for (int &child : node.children)
            child += base;
        m_nodes.append(std::move(node));
        m_index.insert(
            indexKey(m_nodes.last().parent, m_nodes.last().native, m_nodes.last().bFolder),
            int(m_nodes.size() - 1));
    }
    for (int child : other.At(0).children)
        m_nodes[base].children.append(child + base);
    m_nodes[file].archive = base;
    return true;
}

QList<QByteArray> EntryTree::NativePath(int node) const
{
    QList<QByteArray> names;
    for (; node > 0; node = m_nodes[node].parent)
        names.prepend(m_nodes[node].native);
    return names;
}
