#include "store/homepaths.h"

#include "store/archive.h"
#include "store/catalogstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFiles[] = {QStringLiteral("Data.dat"), QStringLiteral("FileData.dat"),
                          QStringLiteral("Tree.tkdt"), QStringLiteral("Cat.dat")};

// The first line of a small text file; empty when the file cannot be read.
QString firstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(64 * 1024);
    qsizetype end = 0;
    while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
        ++end;
    return QString::fromUtf8(bytes.left(end)).trimmed();
}

StoreResult makeDir(const QString &path)
{
    if (QFileInfo(path).isDir() || QDir().mkpath(path))
        return StoreResult::success();
    return StoreResult::failure(QStringLiteral("The folder \"%1\" could not be created.")
                                    .arg(QDir::toNativeSeparators(path)));
}

// Creates the file when it does not exist; an existing file is left alone.
StoreResult makeFile(const QString &path, const QByteArray &content)
{
    if (QFileInfo::exists(path))
        return StoreResult::success();
    return WriteWholeFile(path, content);
}

} // namespace

QString HomeConfigDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/tavikon");
}

QString PathFilePath()
{
    return HomeConfigDir() + QStringLiteral("/Path.dat");
}

QString BackupPathFilePath()
{
    return HomeConfigDir() + QStringLiteral("/PathBackUp.dat");
}

QString HomeDirForm(const QString &dir)
{
    return dir.isEmpty() || dir.endsWith(u'/') ? dir : dir + u'/';
}

QString BackupDirForm(const QString &dir)
{
    QString form = dir;
    while (form.size() > 1 && form.endsWith(u'/'))
        form.chop(1);
    return form;
}

QString BackupDirFor(const QString &home)
{
    return home + QStringLiteral("DataBackUp");
}

bool ReadHomePaths(HomePaths &paths)
{
    const QString home = HomeDirForm(firstLine(PathFilePath()));
    if (home.isEmpty())
        return false;
    const QString backup = BackupDirForm(firstLine(BackupPathFilePath()));
    paths.home = home;
    paths.backup = backup.isEmpty() ? BackupDirFor(home) : backup;
    return true;
}

StoreResult WriteHomePaths(const QString &home)
{
    StoreResult r = makeDir(HomeConfigDir());
    if (!r)
        return r;
    r = WriteWholeFile(PathFilePath(), home.toUtf8());
    if (!r)
        return r;
    return WriteWholeFile(BackupPathFilePath(), BackupDirFor(home).toUtf8());
}

bool HoldsCatalogue(const QString &home)
{
    for (const QString &name : kFiles) {
        if (QFileInfo::exists(home + QStringLiteral("Data/") + name))
            return true;
    }
    return false;
}

StoreResult LayOutCatalogue(const QString &home)
{
    const QString data = home + QStringLiteral("Data");
    const QString backup = BackupDirFor(home);
    for (const QString &dir : {data, data + QStringLiteral("/FriendDataBaseDir"), backup}) {
        const StoreResult r = makeDir(dir);
        if (!r)
            return r;
    }
    for (const QString &name : kFiles) {
        const QByteArray content
            = name == QLatin1String("Cat.dat") ? WriteStringList(DEFAULT_CATEGORIES) : QByteArray();
        StoreResult r = makeFile(data + u'/' + name, content);
        if (!r)
            return r;
        r = makeFile(backup + u'/' + name, QByteArray());
        if (!r)
            return r;
    }
    return StoreResult::success();
}

std::unique_ptr<QLockFile> LockCatalogue(const QString &home, bool &bHeldElsewhere)
{
    auto lock = std::make_unique<QLockFile>(home + QStringLiteral("Data/Tavikon.lock"));
    // A copy may run for days without touching its lock: only a dead holder makes it stale.
    lock->setStaleLockTime(0);
    const bool locked = lock->tryLock(0);
    bHeldElsewhere = !locked && lock->error() == QLockFile::LockFailedError;
    if (!locked)
        lock.reset();
    return lock;
}
