#include "platform/drivepaths.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isDriveRoot(QStringView name)
{
    if (name.size() < 2 || !name.endsWith(u':'))
        return false;
    return std::all_of(name.begin(), name.end() - 1, [](QChar c) {
        return c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u'-');
    });
}

// One name that stays where it is: never up, never in place, never a root of its own.
bool isPlainName(QStringView name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(QChar(0))
        && !name.contains(u'\\') && !isDriveRoot(name);
}

// Splits the part of a catalogue path after its root into names, a folder's trailing
// backslash aside; nothing when one of them is not a plain name.
std::optional<QStringList> namesBelowRoot(QStringView rest, bool &bFolder)
{
    bFolder = rest.endsWith(u'\\');
    if (bFolder)
        rest.chop(1);
    QStringList names;
    if (rest.isEmpty())
        return names;
    for (const QStringView name : rest.split(u'\\')) {
        if (!isPlainName(name))
            return std::nullopt;
        names.append(name.toString());
    }
    return names;
}

// The real name in `dir` for one catalogue component, or an empty array.
QByteArray resolveComponent(const QByteArray &dir, const QString &component)
{
    if (!isPlainName(component))
        return {};
    const QString wanted = component.toLower();
    // The usual case: the name is on the disc as the catalogue has it.
    const QByteArray exact = QFile::encodeName(QString(component).replace(u'/', u'\\'));
    struct stat st;
    if (CatalogName(QFile::decodeName(exact)).toLower() == wanted
        && ::lstat((dir + '/' + exact).constData(), &st) == 0)
        return exact;

    DIR *handle = ::opendir(dir.isEmpty() ? "/" : dir.constData());
    if (!handle)
        return {};
    QByteArray found;
    while (const dirent *entry = ::readdir(handle)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        if (CatalogName(QFile::decodeName(name)).toLower() == wanted) {
            if (found.isEmpty() || name < found)
                found = name;
        }
    }
    ::closedir(handle);
    return found;
}

} // namespace

QString CatalogName(const QString &nativeName)
{
    const auto odd
        = [](QChar c) { return c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F; };
    // Most names need no change; leave them shared instead of copying each one.
    if (std::none_of(nativeName.cbegin(), nativeName.cend(), odd))
        return nativeName;
    QString name = nativeName;
    for (QChar &c : name) {
        if (c == u'\\')
            c = u'/';
        else if (odd(c))
            c = QChar(QChar::ReplacementCharacter);
    }
    return name;
}

QString CatalogFolderForPath(const CdromDrive &drive, const QString &nativeDir)
{
    QString base = drive.mountPoint;
    if (!base.endsWith(u'/'))
        base.append(u'/');
    QString path = nativeDir;
    if (!path.endsWith(u'/'))
        path.append(u'/');
    if (!path.startsWith(base))
        return {};
    QString folder = drive.root.toLower();
    const QStringList parts = path.mid(base.size()).split(u'/', Qt::SkipEmptyParts);
    for (const QString &part : parts)
        folder += CatalogName(part).toLower() + u'\\';
    return folder;
}

QString NativePathForCatalog(const CdromDrive &drive, const QString &catalogPath)
{
    const qsizetype rootEnd = catalogPath.indexOf(u'\\');
    if (rootEnd < 0)
        return {};
    bool bFolder = false;
    const std::optional<QStringList> names
        = namesBelowRoot(QStringView(catalogPath).sliced(rootEnd + 1), bFolder);
    return names ? NativePathOnDrive(drive, *names, bFolder) : QString();
}

std::optional<QStringList> DrivePartsOfRecord(const QString &folder, const QString &fileName)
{
    const qsizetype rootEnd = folder.indexOf(u'\\');
    if (rootEnd < 0 || !isDriveRoot(QStringView(folder).first(rootEnd)) || !isPlainName(fileName))
        return std::nullopt;
    bool bFolder = false;
    std::optional<QStringList> names
        = namesBelowRoot(QStringView(folder).sliced(rootEnd + 1), bFolder);
    if (names)
        names->append(fileName);
    return names;
}

QString NativePathOnDrive(const CdromDrive &drive, const QStringList &parts, bool bFolder)
{
    return QFile::decodeName(NativeBytesOnDrive(drive, parts, bFolder));
}

QByteArray NativeBytesOnDrive(const CdromDrive &drive, const QStringList &parts, bool bFolder)
{
    QByteArray path = QFile::encodeName(drive.mountPoint);
    if (path == "/")
        path.clear();
    struct stat st;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QByteArray name = resolveComponent(path, parts[i]);
        if (name.isEmpty())
            return {};
        path += '/' + name;
        // The scan never follows a link to a folder, so no catalogued path goes through one.
        const bool bLast = i + 1 == parts.size();
        if ((!bLast || bFolder) && (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode)))
            return {};
    }
    if (path.isEmpty())
        path = "/";
    if (::stat(path.constData(), &st) != 0)
        return {};
    if (bFolder && !path.endsWith('/'))
        path += '/';
    return path;
}

QString NativePathForCatalog(const QList<CdromDrive> &drives, const QString &catalogPath)
{
    const qsizetype colon = catalogPath.indexOf(u':');
    if (colon <= 0 || catalogPath.mid(colon, 2) != QStringLiteral(":\\"))
        return {};
    const QString name = catalogPath.left(colon);
    for (const CdromDrive &drive : drives) {
        if (drive.name.compare(name, Qt::CaseInsensitive) == 0)
            return NativePathForCatalog(drive, catalogPath);
    }
    return {};
}
