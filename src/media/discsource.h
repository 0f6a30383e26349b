#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// One entry of a folder on a disc: the name as the disc gives it (bytes, to find it again)
// and decoded, and for a file its size.
struct DiscEntry
{
    QByteArray native;
    QString name;
    qint64 size = 0;
    int node = -1; // where a source keeps the entry, if it keeps it in memory
};

// A folder being walked. The scan walks every source (a mounted disc or a folder, an image
// file, the inside of an archive) through this, so they give the same tree and records.
class DiscFolder
{
public:
    virtual ~DiscFolder() = default;

    // What tells this folder apart from the folders above it, so that a folder that contains
    // itself (a bind mount) is not walked again.
    virtual QPair<quint64, quint64> Identity() const = 0;
    // Lists the files and folders, in no particular order. False when the listing broke off;
    // what was listed before stays. `bStop` is checked between entries.
    virtual bool List(QList<DiscEntry> &files, QList<DiscEntry> &folders,
                      const std::function<bool()> &bStop)
        = 0;
    // Opens a folder listed here; null when it cannot be read.
    virtual std::unique_ptr<DiscFolder> Open(const DiscEntry &folder) = 0;
    // The entries of an archive file listed here, as a folder; null with `why` set when the
    // archive cannot be looked into.
    virtual std::unique_ptr<DiscFolder> OpenArchive(const DiscEntry &file, QString &why) = 0;
};

// Where a scan reads a disc from.
class DiscSource
{
public:
    virtual ~DiscSource() = default;
    // Opens the disc's root folder; null with `error` set when the disc cannot be read.
    virtual std::unique_ptr<DiscFolder> OpenRoot(QString &error) = 0;
};
