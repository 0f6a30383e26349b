#pragma once

#include "platform/cdromdrives.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Converts between real paths on a drive and the catalogue's Windows form of them: the drive's
// root in lower case, the folder names in lower case joined by backslashes, and a trailing
// backslash for a folder ("sr0:\music\live\").

// A file or folder name as the catalogue holds it. A backslash (legal in Linux names) becomes
// '/', which no Linux name holds, so it cannot split the path; control characters, which
// would break the tree text's lines and indents, become U+FFFD.
QString CatalogName(const QString &nativeName);

// "sr0:\music\live\" for /media/cdrom/Music/Live on the drive mounted at /media/cdrom; the
// mount point itself gives "sr0:\". Empty when the path does not lie on the drive.
QString CatalogFolderForPath(const CdromDrive &drive, const QString &nativeDir);

// The real path of a catalogue path (a folder ending in a backslash, or a file) on the drive
// it names, or on `drive` when one is given. Letter case is resolved against the disc, since
// the catalogue keeps folders in lower case: an exact name wins, then the first name that
// matches without regard to case. Empty when the drive is not listed, nothing matches, or
// the path could lead off the drive (see DrivePartsOfRecord).
QString NativePathForCatalog(const CdromDrive &drive, const QString &catalogPath);
QString NativePathForCatalog(const QList<CdromDrive> &drives, const QString &catalogPath);

// The names below the drive root that a file record leads to: the folder's names after its
// root ("e:\music\live\" gives music and live), then the file name. A catalogue may come
// from someone else, so nothing is returned when a name could lead anywhere but down the
// drive: a "." or "..", an empty name, a second drive root, a NUL, or a backslash in the
// file name. (A '/' in a name stands for a backslash in a Linux name; it never splits.)
std::optional<QStringList> DrivePartsOfRecord(const QString &folder, const QString &fileName);

// The real path of those names on the drive, letter case resolved as above. The folders on
// the way must be folders of the disc itself, never links, as the scan walked it. Empty when
// nothing matches.
QString NativePathOnDrive(const CdromDrive &drive, const QStringList &parts, bool bFolder = false);
// The same as the bytes the system knows it by: a name that is not UTF-8 on the disc does not
// survive in a QString.
QByteArray NativeBytesOnDrive(const CdromDrive &drive, const QStringList &parts,
                              bool bFolder = false);
