#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The drives a disc can be scanned from: every mounted optical volume and every folder named
// in TAVIKON_CDROM_ROOTS (colon-separated), so a copied disc or a mounted image can be
// scanned without a drive.
//
// Each drive gets a short name that stays the same for the same drive, and a root text in the
// catalogue's form, the name followed by ":\" ("SR0:\"):
// - an optical drive /dev/srN is "SRN";
// - anything else (a loop- or FUSE-mounted image, a folder) is named after the last component
//   of its mount point or folder: ASCII letters and digits only, upper case, at most 12
//   characters ("DISC" or "DIR" when nothing is left);
// - when two drives would share a name, the later one gets "-2", "-3", ... (optical drives
//   come first, then other volumes by mount point, then the folders in the order given).
struct CdromDrive
{
    QString name; // "SR0"
    QString root; // "SR0:\"
    QString mountPoint; // native, without a trailing '/' (except for "/")
    QString label; // volume label; empty for a folder
    QString device; // "/dev/sr0", the FUSE source, or empty for a folder
    bool bFolder = false; // named in TAVIKON_CDROM_ROOTS
    bool bImage = false; // an image file, read without mounting; mountPoint is its path
};

// What the platform says about one mounted volume.
struct MountedVolume
{
    QString device;
    QString mountPoint;
    QString fileSystemType;
    QString label;
};

// True for an optical volume: file system iso9660 or udf, a /dev/sr* device, or a disc image
// mounted with fuseiso.
bool IsOpticalVolume(const MountedVolume &volume);

// Names the optical volumes among `volumes` and the folders (native paths), sorted by root.
// Folders that are also optical mount points appear once.
QList<CdromDrive> CdromDrivesFrom(const QList<MountedVolume> &volumes, const QStringList &folders);

// The drives of this machine now: mounted volumes plus the existing folders of
// TAVIKON_CDROM_ROOTS, sorted by root.
QList<CdromDrive> QueryCdromDrives();

// An image file picked in the scan dialog, named like a folder: after its volume label, else
// after its file name without the extension ("holiday2019.iso" is "HOLIDAY2019"), with
// "-2", "-3", ... when a drive in `taken` has that name.
CdromDrive ImageDrive(const QString &imagePath, const QString &label,
                      const QList<CdromDrive> &taken);

// Adds the roots of QueryCdromDrives() at the head of the list, one by one in ascending order,
// so the highest root ends up first. The list is not emptied.
void FindCdromDrives(QStringList &lst);
