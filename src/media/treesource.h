#pragma once

#include "media/discsource.h"
#include "media/imagereader.h"

#include <QHash>

#include <memory>

// A folder of an image or archive read into memory.
class TreeFolder final : public DiscFolder
{
public:
    TreeFolder(std::shared_ptr<const EntryTree> tree, int node,
               std::shared_ptr<const QHash<int, QString>> failures = {});

    QPair<quint64, quint64> Identity() const override;
    bool List(QList<DiscEntry> &files, QList<DiscEntry> &folders,
              const std::function<bool()> &bStop) override;
    std::unique_ptr<DiscFolder> Open(const DiscEntry &folder) override;
    std::unique_ptr<DiscFolder> OpenArchive(const DiscEntry &file, QString &why) override;

private:
    std::shared_ptr<const EntryTree> m_tree;
    int m_node;
    std::shared_ptr<const QHash<int, QString>> m_failures;
};

// A disc image file, read whole when the walk opens its root.
class ImageSource final : public DiscSource
{
public:
    ImageSource(QString imagePath, const ImageOptions &options);
    std::unique_ptr<DiscFolder> OpenRoot(QString &error) override;

private:
    QString m_strPath;
    ImageOptions m_options;
};
