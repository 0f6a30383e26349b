#include "platform/imagefileopener.h"

#include "media/archivelister.h"
#include "media/imagelocations.h"
#include "media/imagereader.h"
#include "platform/drivepaths.h"

#include <QDir>
#include <QFile>

namespace {

// The image's own names for a catalogue path below the drive root. Folders are kept in lower
// case, so an exact name wins and then the first that matches without regard to case.
QList<QByteArray> nativeNames(const EntryTree &tree, const QStringList &parts)
{
    QList<QByteArray> names;
    int node = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool bFolder = i + 1 < parts.size();
        int found = -1;
        for (int child : tree.At(node).children) {
            const EntryTree::Node &entry = tree.At(child);
            if (entry.bFolder != bFolder)
                continue;
            const QString name = CatalogName(entry.name);
            if (name == parts[i]) {
                found = child;
                break;
            }
            if (found < 0 && name.compare(parts[i], Qt::CaseInsensitive) == 0)
                found = child;
        }
        if (found < 0)
            return {};
        names.append(tree.At(found).native);
        node = found;
    }
    return names;
}

} // namespace

ImageFileOpening ExtractFromDiscImage(const QString &homeDir, const CFileData &record,
                                      const QString &targetDir)
{
    ImageFileOpening result;
    ImageLocations locations;
    if (!locations.Load(homeDir + QStringLiteral("Data/") + ImageLocations::FileName()))
        return result;
    const ImageLocations::Location location = locations.Find(record.m_strDiscNumber);
    if (location.imagePath.isEmpty()
        || location.drive.compare(record.m_strDrive, Qt::CaseInsensitive) != 0
        || !QFile::exists(location.imagePath))
        return result;
    result.imagePath = location.imagePath;

    QString path = record.m_strFolder + record.m_strFileName;
    const QString archive = ArchiveHoldingPath(path);
    if (!archive.isEmpty())
        path = archive;
    const qsizetype rootEnd = path.indexOf(u'\\');
    const QStringList parts = path.mid(rootEnd + 1).split(u'\\', Qt::SkipEmptyParts);

    result.outcome = ImageFileOpening::Failed;
    const ImageContents contents = ReadImage(location.imagePath, ImageOptions());
    if (!contents.bOk) {
        result.error
            = QStringLiteral("The image file \"%1\" %2.").arg(location.imagePath, contents.error);
        return result;
    }
    const QList<QByteArray> names = nativeNames(*contents.tree, parts);
    if (names.isEmpty()) {
        result.error = QStringLiteral("\"%1\" is not in the image file \"%2\".")
                           .arg(path, location.imagePath);
        return result;
    }
    // The copy keeps the name, so the desktop picks the application by its extension.
    const QString target = QDir(targetDir).filePath(QFile::decodeName(names.last()));
    QString error;
    if (!ExtractImageFile(location.imagePath, names, target, error)) {
        result.error = QStringLiteral("\"%1\" could not be copied out of the image file \"%2\": "
                                      "%3.")
                           .arg(path, location.imagePath, error);
        return result;
    }
    result.outcome = ImageFileOpening::Extracted;
    result.path = target;
    return result;
}
