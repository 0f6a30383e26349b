#pragma once

#include "store/cfiledata.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Opens a catalogued file from its disc with the desktop's application for it: it looks for
// the disc, asks the user to insert it when it is nowhere to be found, and looks once more.
// The file list and the "files" search window use it, each with its own prompts. The record
// is only read, never changed.
class FileOpener
{
public:
    // One way of reaching a catalogued disc. Given the record and the names below the drive
    // root (already known to stay on the disc), it returns a local path of the file ready to
    // be opened, or an empty string when the disc cannot be reached this way now. The drives
    // mounted now are the first way; every way is asked at every pass, in order.
    using DiscFinder = std::function<QString(const CFileData &record, const QStringList &parts)>;

    enum class Prompts {
        FileList, // "Please, insert CD Number ", then "CD was not found again."
        SearchResults, // "Please, insert CD " after each pass
    };

    // With the home directory, a disc scanned from an image file is reached through the image
    // as well, after the drives.
    FileOpener(QWidget *parent, Prompts prompts, const QString &homeDir = {});

    // Two passes for the record, a prompt after each that failed; true when the desktop took
    // the file. A record whose path could lead off its disc is refused with a message.
    bool Open(const CFileData &record);

    // Every way of reaching a disc, in the order they are asked.
    static QList<DiscFinder> DefaultFinders();
    // The drives of this machine, asked anew at every pass (an inserted disc may have been
    // mounted meanwhile), the highest root first as the scan lists them.
    static QString FindOnMountedDrives(const CFileData &record, const QStringList &parts);
    // The image a disc was scanned from (Data/Images.dat under `homeDir`), when it is still
    // there: the file is copied out of it into a temporary folder that lasts the session.
    static DiscFinder InDiscImage(const QString &homeDir);

private:
    QString Find(const CFileData &record, const QStringList &parts) const;

    QWidget *m_pParent;
    Prompts m_prompts;
    QList<DiscFinder> m_finders;
};
