#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <atomic>

// Bounds on what one image or archive may make us hold: a hostile file may claim any count
// or nest folders without end, and must not make the program allocate without bound.
struct MediaLimits
{
    // Files and folders of one image, archives' entries included. libarchive keeps about 700
    // bytes for each entry of an ISO image until the end, so this bounds that near 1 GiB.
    qsizetype maxEntries = 1'000'000;
    qsizetype maxArchiveEntries = 1'000'000; // entries of one archive
    int maxDepth = 128; // folders inside folders
    const std::atomic<bool> *pCancel = nullptr; // checked between entries

    bool Cancelled() const { return pCancel && pCancel->load(std::memory_order_relaxed); }
};

// The files and folders of an image or an archive, read from its directory into memory, so the
// scan can walk them in its own order. Node 0 is the root folder. Names are kept twice: the
// bytes the format gave (to find the entry again) and the text the catalogue shows.
//
// Paths are split into names; empty names, "." and ".." are dropped, so no entry can point
// outside its image or archive.
class EntryTree final
{
public:
    struct Node
    {
        QString name;
        QByteArray native;
        qint64 size = 0;
        int parent = -1;
        bool bFolder = true;
        QList<int> children;
        // For an archive file whose entries were listed: the folder node holding them.
        int archive = -1;
    };

    explicit EntryTree(qsizetype maxEntries = MediaLimits().maxEntries);

    // Adds `path` (names separated by '/', and by '\' as well when `bBackslashes`), making the
    // folders on the way. A file already there keeps its first size. Returns the node, or -1
    // when the path names nothing or the tree is full.
    int AddPath(const QByteArray &path, bool bFolder, qint64 size, bool bBackslashes = false);
    // Adds one entry under `parent`, or returns the one of that name and kind already there.
    int AddChild(int parent, const QByteArray &native, bool bFolder, qint64 size);
    // Copies `other` below a new folder node that stands for the archive file `file`.
    bool GraftArchive(int file, const EntryTree &other);

    int Find(int parent, QByteArrayView native, bool bFolder) const;
    const Node &At(int node) const { return m_nodes[node]; }
    Node &At(int node) { return m_nodes[node]; }
    qsizetype Count() const { return m_nodes.size(); }
    bool Full() const { return m_bFull; }

private:
    QList<Node> m_nodes;
    static size_t indexKey(int parent, QByteArrayView native, bool bFolder);
    int addChild(int parent, QByteArrayView native, bool bFolder, qint64 size);

    QMultiHash<size_t, int> m_index; // hash of parent, kind and name -> nodes
    QByteArray m_lastFolderPath; // the folder of the path added last, and its node, since
    int m_nLastFolder = 0; // images and archives list a folder's entries together
    qsizetype m_nMax;
    bool m_bFull = false;
};
