#include "media/treesource.h"

TreeFolder::TreeFolder(std::shared_ptr<const EntryTree> tree, int node,
                       std::shared_ptr<const QHash<int, QString>> failures)
    : m_tree(std::move(tree)), m_node(node), m_failures(std::move(failures))
{ }

QPair<quint64, quint64> TreeFolder::Identity() const
{
    // A tree has no loops; the address keeps archives' folders apart from the image's.
    return {quint64(quintptr(m_tree.get())), quint64(m_node)};
}

bool TreeFolder::List(QList<DiscEntry> &files, QList<DiscEntry> &folders,
                      const std::function<bool()> &bStop)
{
    for (int child : m_tree->At(m_node).children) {
        if (bStop && bStop())
            return true;
        const EntryTree::Node &node = m_tree->At(child);
        (node.bFolder ? folders : files).append({node.native, node.name, node.size, child});
    }
    return true;
}

std::unique_ptr<DiscFolder> TreeFolder::Open(const DiscEntry &folder)
{
    if (folder.node <= 0 || folder.node >= m_tree->Count() || !m_tree->At(folder.node).bFolder)
        return nullptr;
    return std::make_unique<TreeFolder>(m_tree, folder.node, m_failures);
}

std::unique_ptr<DiscFolder> TreeFolder::OpenArchive(const DiscEntry &file, QString &why)
{
    if (file.node <= 0 || file.node >= m_tree->Count())
        return nullptr;
    const int archive = m_tree->At(file.node).archive;
    if (archive < 0) {
        why = m_failures ? m_failures->value(file.node) : QString();
        if (why.isEmpty())
            why = QStringLiteral("not looked into");
        return nullptr;
    }
    return std::make_unique<TreeFolder>(m_tree, archive, m_failures);
}

ImageSource::ImageSource(QString imagePath, const ImageOptions &options)
    : m_strPath(std::move(imagePath)), m_options(options)
{ }

std::unique_ptr<DiscFolder> ImageSource::OpenRoot(QString &error)
{
    ImageContents contents = ReadImage(m_strPath, m_options);
    if (!contents.bOk) {
        error = contents.error;
        return nullptr;
    }
    auto failures
        = std::make_shared<const QHash<int, QString>>(std::move(contents.archiveFailures));
    return std::make_unique<TreeFolder>(std::move(contents.tree), 0, std::move(failures));
}
