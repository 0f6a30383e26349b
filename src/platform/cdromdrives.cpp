#include "platform/cdromdrives.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>

namespace {

constexpr qsizetype kMaxNameLength = 12;

QString opticalDeviceName(const QString &device)
{
    static const QRegularExpression sr(QStringLiteral("^/dev/sr(\\d+)$"));
    const QRegularExpressionMatch match = sr.match(device);
    return match.hasMatch() ? QStringLiteral("SR") + match.captured(1) : QString();
}

QString driveName(const QString &last, const QString &fallback)
{
    QString name;
    for (const QChar c : last) {
        if (name.size() == kMaxNameLength)
            break;
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'))
            name.append(c.toUpper());
    }
    return name.isEmpty() ? fallback : name;
}

QString nameFromPath(const QString &path, const QString &fallback)
{
    return driveName(QFileInfo(path).fileName(), fallback);
}

QString cleanMountPoint(const QString &path)
{
    QString clean = QDir::cleanPath(path);
    if (clean.size() > 1 && clean.endsWith(u'/'))
        clean.chop(1);
    return clean;
}

// /proc/self/mounts writes blanks and a few other bytes as octal escapes.
QString unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && field[i + 1] >= '0'
            && field[i + 1] <= '3') {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QFile::decodeName(out);
}

// Qt leaves out some FUSE mounts as pseudo file systems, so the mount table is read as well.
QList<MountedVolume> mountedVolumes()
{
    QList<MountedVolume> volumes;
    QSet<QString> seen;
    const QList<QStorageInfo> infos = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &info : infos) {
        MountedVolume volume {QString::fromLocal8Bit(info.device()),
                              cleanMountPoint(info.rootPath()),
                              QString::fromLatin1(info.fileSystemType()), info.name()};
        seen.insert(volume.mountPoint);
        volumes.append(volume);
    }
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (mounts.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = mounts.readAll().split('\n');
        for (const QByteArray &line : lines) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() < 3)
                continue;
            MountedVolume volume {unescapeMountField(fields[0]),
                                  cleanMountPoint(unescapeMountField(fields[1])),
                                  QString::fromLatin1(fields[2]), QString()};
            if (seen.contains(volume.mountPoint) || !IsOpticalVolume(volume))
                continue;
            seen.insert(volume.mountPoint);
            volume.label = QStorageInfo(volume.mountPoint).name();
            volumes.append(volume);
        }
    }
    // /dev/cdrom and the like are links to the real device, whose name we want.
    for (MountedVolume &volume : volumes) {
        if (volume.device.startsWith(QStringLiteral("/dev/"))) {
            const QString real = QFileInfo(volume.device).canonicalFilePath();
            if (!real.isEmpty())
                volume.device = real;
        }
    }
    return volumes;
}

QStringList rootFolders()
{
    QStringList folders;
    const QString env = qEnvironmentVariable("TAVIKON_CDROM_ROOTS");
    const QStringList parts = env.split(u':', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QFileInfo info(part);
        if (info.isDir())
            folders.append(cleanMountPoint(info.absoluteFilePath()));
    }
    return folders;
}

} // namespace

bool IsOpticalVolume(const MountedVolume &volume)
{
    const QString type = volume.fileSystemType.toLower();
    return type == QStringLiteral("iso9660") || type == QStringLiteral("udf")
        || type == QStringLiteral("fuse.fuseiso") || !opticalDeviceName(volume.device).isEmpty();
}

QList<CdromDrive> CdromDrivesFrom(const QList<MountedVolume> &volumes, const QStringList &folders)
{
    QList<CdromDrive> optical;
    QList<CdromDrive> others;
    QSet<QString> mountPoints;
    for (const MountedVolume &volume : volumes) {
        if (!IsOpticalVolume(volume))
            continue;
        CdromDrive drive;
        drive.mountPoint = cleanMountPoint(volume.mountPoint);
        if (mountPoints.contains(drive.mountPoint))
            continue;
        mountPoints.insert(drive.mountPoint);
        drive.device = volume.device;
        drive.label = volume.label;
        drive.name = opticalDeviceName(volume.device);
        if (drive.name.isEmpty()) {
            drive.name = nameFromPath(drive.mountPoint, QStringLiteral("DISC"));
            others.append(drive);
        } else {
            optical.append(drive);
        }
    }
    const auto byNumber = [](const CdromDrive &a, const CdromDrive &b) {
        return a.name.mid(2).toInt() < b.name.mid(2).toInt();
    };
    std::stable_sort(optical.begin(), optical.end(), byNumber);
    std::stable_sort(others.begin(), others.end(), [](const CdromDrive &a, const CdromDrive &b) {
        return a.mountPoint < b.mountPoint;
    });
    QList<CdromDrive> drives = optical + others;
    for (const QString &folder : folders) {
        CdromDrive drive;
        drive.mountPoint = cleanMountPoint(folder);
        if (mountPoints.contains(drive.mountPoint))
            continue;
        mountPoints.insert(drive.mountPoint);
        drive.name = nameFromPath(drive.mountPoint, QStringLiteral("DIR"));
        drive.bFolder = true;
        drives.append(drive);
    }

    QSet<QString> names;
    for (CdromDrive &drive : drives) {
        QString name = drive.name;
        for (int n = 2; names.contains(name); ++n)
            name = drive.name + u'-' + QString::number(n);
        names.insert(name);
        drive.name = name;
        drive.root = name + QStringLiteral(":\\");
    }
    std::sort(drives.begin(), drives.end(),
              [](const CdromDrive &a, const CdromDrive &b) { return a.root < b.root; });
    return drives;
}

CdromDrive ImageDrive(const QString &imagePath, const QString &label,
                      const QList<CdromDrive> &taken)
{
    CdromDrive drive;
    drive.mountPoint = imagePath;
    drive.label = label;
    drive.bImage = true;
    const QString base = driveName(
        label, driveName(QFileInfo(imagePath).completeBaseName(), QStringLiteral("DISC")));
    drive.name = base;
    const auto isTaken = [&](const QString &name) {
        return std::any_of(taken.begin(), taken.end(), [&](const CdromDrive &other) {
            return other.name.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    for (int n = 2; isTaken(drive.name); ++n)
        drive.name = base + u'-' + QString::number(n);
    drive.root = drive.name + QStringLiteral(":\\");
    return drive;
}

QList<CdromDrive> QueryCdromDrives()
{
    return CdromDrivesFrom(mountedVolumes(), rootFolders());
}

void FindCdromDrives(QStringList &lst)
{
    const QList<CdromDrive> drives = QueryCdromDrives();
    for (const CdromDrive &drive : drives)
        lst.prepend(drive.root);
}
