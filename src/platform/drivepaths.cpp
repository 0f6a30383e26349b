#include "platform/drivepaths.h"

#include <QFile>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The real name in `dir` for one catalogue component, or an empty array.
QByteArray resolveComponent(const QByteArray &dir, const QString &component)
{
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
    QByteArray path = QFile::encodeName(drive.mountPoint);
    if (path == "/")
        path.clear();
    const QStringList parts = catalogPath.mid(rootEnd + 1).split(u'\\', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QByteArray name = resolveComponent(path, part);
        if (name.isEmpty())
            return {};
        path += '/' + name;
    }
    if (path.isEmpty())
        path = "/";
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return {};
    if (catalogPath.endsWith(u'\\') && !path.endsWith('/'))
        path += '/';
    return QFile::decodeName(path);
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
