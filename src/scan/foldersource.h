#pragma once

#include "media/discsource.h"

// A mounted disc or a folder, read through directory handles: the process's current
// directory never changes (which would keep the drive busy) and a symbolic link to a folder
// is never followed, so every walk ends. A link to a file stands for that file.
class FolderSource final : public DiscSource
{
public:
    explicit FolderSource(QString nativeRoot) : m_strRoot(std::move(nativeRoot)) { }
    std::unique_ptr<DiscFolder> OpenRoot(QString &error) override;

private:
    QString m_strRoot;
};
