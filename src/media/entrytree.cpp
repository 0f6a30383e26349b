#include "media/entrytree.h"

EntryTree::EntryTree(qsizetype maxEntries) : m_nMax(qMax<qsizetype>(maxEntries, 1))
{
    m_nodes.append(Node());
}

size_t EntryTree::indexKey(int parent, QByteArrayView native, bool bFolder)
{
    return qHashBits(native.data(), size_t(native.size()), size_t(parent) * 2 + bFolder);
}

int EntryTree::Find(int parent, QByteArrayView native, bool bFolder) const
{
    for (auto it = m_index.constFind(indexKey(parent, native, bFolder));
         it != m_index.cend() && it.key() == indexKey(parent, native, bFolder); ++it) {
        const Node &node = m_nodes[it.value()];
        if (node.parent == parent && node.bFolder == bFolder && node.native == native)
            return it.value();
    }
    return -1;
}

int EntryTree::AddChild(int parent, const QByteArray &native, bool bFolder, qint64 size)
{
    return addChild(parent, native, bFolder, size);
}

int EntryTree::addChild(int parent, QByteArrayView native, bool bFolder, qint64 size)
{
    const int found = Find(parent, native, bFolder);
    if (found >= 0)
        return found;
    if (m_nodes.size() >= m_nMax) {
        m_bFull = true;
        return -1;
    }
    Node node;
    node.native = native.toByteArray();
    node.name = QString::fromUtf8(native);
    node.size = bFolder ? 0 : qMax<qint64>(size, 0);
    node.parent = parent;
    node.bFolder = bFolder;
    const int id = int(m_nodes.size());
    m_nodes.append(std::move(node));
    m_nodes[parent].children.append(id);
    m_index.insert(indexKey(parent, native, bFolder), id);
    return id;
}

int EntryTree::AddPath(const QByteArray &path, bool bFolder, qint64 size, bool bBackslashes)
{
    const auto separator = [&](char c) { return c == '/' || (bBackslashes && c == '\\'); };
    const auto skipped
        = [](QByteArrayView name) { return name.isEmpty() || name == "." || name == ".."; };
    // The last name of the path; when the folder before it is the one of the previous path,
    // which is usual, its node is known without walking down to it.
    qsizetype end = path.size();
    while (end > 0 && separator(path[end - 1]))
        --end;
    qsizetype start = end;
    while (start > 0 && !separator(path[start - 1]))
        --start;
    const QByteArrayView leaf = QByteArrayView(path).sliced(start, end - start);
    const QByteArrayView folderPath = QByteArrayView(path).first(start);
    int node = 0;
    if (!m_lastFolderPath.isNull() && folderPath == m_lastFolderPath) {
        node = m_nLastFolder;
    } else {
        qsizetype from = 0;
        for (qsizetype i = 0; i <= start && node >= 0; ++i) {
            if (i < start && !separator(path[i]))
                continue;
            const QByteArrayView name = QByteArrayView(path).sliced(from, i - from);
            from = i + 1;
            if (!skipped(name))
                node = addChild(node, name, true, 0);
        }
        if (node < 0)
            return -1;
        m_lastFolderPath = folderPath.toByteArray();
        m_nLastFolder = node;
    }
    if (skipped(leaf))
        return node == 0 ? -1 : (bFolder ? node : -1);
    return addChild(node, leaf, bFolder, size);
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
        node.parent = node.parent == 0 ? base : node.parent + base;
        for (int &child : node.children)
            child += base;
        m_index.insert(indexKey(node.parent, node.native, node.bFolder), int(m_nodes.size()));
        m_nodes.append(std::move(node));
    }
    for (int child : other.At(0).children)
        m_nodes[base].children.append(child + base);
    m_nodes[file].archive = base;
    return true;
}
