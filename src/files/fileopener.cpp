#include "files/fileopener.h"

#include "media/archivelister.h"
#include "platform/cdromdrives.h"
#include "platform/drivepaths.h"
#include "platform/imagefileopener.h"
#include "platform/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

// Copies and links handed to the desktop: its application may read them after we return, so
// they stay until the program ends.
const QTemporaryDir &sessionFolder()
{
    static QTemporaryDir folder;
    return folder;
}

// A path the desktop can be handed for a file on a disc. A name whose bytes are not UTF-8
// does not survive in a QString (nor in the URL made of it), so such a file is reached
// through a link of a name that does.
QString openablePath(const QByteArray &native)
{
    const QString path = QFile::decodeName(native);
    if (QFile::encodeName(path) == native)
        return path;
    static int links = 0;
    const QDir dir(sessionFolder().filePath(QStringLiteral("links/%1").arg(++links)));
    if (!sessionFolder().isValid() || !dir.mkpath(QStringLiteral(".")))
        return {};
    // The link keeps the name, so the desktop picks the application by its extension.
    const QString link = dir.filePath(QFileInfo(path).fileName());
    if (::symlink(native.constData(), QFile::encodeName(link).constData()) != 0)
        return {};
    return link;
}

} // namespace

FileOpener::FileOpener(QWidget *parent, Prompts prompts, const QString &homeDir)
    : m_pParent(parent), m_prompts(prompts), m_finders(DefaultFinders())
{
    if (!homeDir.isEmpty())
        m_finders.append(InDiscImage(homeDir));
}

QList<FileOpener::DiscFinder> FileOpener::DefaultFinders()
{
    return {&FileOpener::FindOnMountedDrives};
}

bool FileOpener::Open(const CFileData &record)
{
    const std::optional<QStringList> parts
        = DrivePartsOfRecord(record.m_strFolder, record.m_strFileName);
    if (!parts) {
        QString path = record.m_strFolder + record.m_strFileName;
        path.replace(QChar(0), QChar(QChar::ReplacementCharacter));
        AfxMessageBox(
            QCoreApplication::translate("FileOpener",
                                        "The catalogue gives this file a path that could lead "
                                        "off its disc, so it is not opened:\n%1")
                .arg(path),
            m_pParent);
        return false;
    }
    const bool bList = m_prompts == Prompts::FileList;
    for (int pass = 1; pass <= 2; ++pass) {
        const QString path = Find(record, *parts);
        if (!path.isEmpty()) {
            if (Prompter::current().openDocument(path))
                return true;
            AfxMessageBox(bList ? QStringLiteral("Failed")
                                : QStringLiteral("Failed to open the media file"),
                          m_pParent);
        }
        if (!bList)
            AfxMessageBox(QStringLiteral("Please, insert CD ") + record.m_strDiscNumber, m_pParent);
        else if (pass == 1)
            AfxMessageBox(QStringLiteral("Please, insert CD Number ") + record.m_strDiscNumber,
                          m_pParent);
        else
            AfxMessageBox(QStringLiteral("CD was not found again."), m_pParent);
    }
    return false;
}

QString FileOpener::Find(const CFileData &record, const QStringList &parts) const
{
    for (const DiscFinder &finder : m_finders) {
        const QString path = finder(record, parts);
        if (!path.isEmpty())
            return path;
    }
    // A file recorded inside an archive opens the archive itself.
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        if (IsArchiveName(parts[i]))
            return Find(record, parts.first(i + 1));
    }
    return {};
}

FileOpener::DiscFinder FileOpener::InDiscImage(const QString &homeDir)
{
    return [homeDir](const CFileData &record, const QStringList &) {
        if (!sessionFolder().isValid())
            return QString();
        const QDir target(sessionFolder().filePath(record.m_strDiscNumber));
        if (!target.mkpath(QStringLiteral(".")))
            return QString();
        const ImageFileOpening opening = ExtractFromDiscImage(homeDir, record, target.path());
        return opening.outcome == ImageFileOpening::Extracted ? opening.path : QString();
    };
}

QString FileOpener::FindOnMountedDrives(const CFileData &, const QStringList &parts)
{
    // The record's own drive name is not asked: a disc is known by its files, whichever
    // drive it is in now and whatever the drive was called when it was scanned.
    const QList<CdromDrive> drives = QueryCdromDrives();
    for (auto it = drives.crbegin(); it != drives.crend(); ++it) {
        const QByteArray path = NativeBytesOnDrive(*it, parts);
        if (!path.isEmpty())
            return openablePath(path);
    }
    return {};
}
