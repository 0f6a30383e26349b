#pragma once

#include "platform/cdromdrives.h"

#include <QList>
#include <QString>

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
// matches without regard to case. Empty when the drive is not listed or nothing matches.
QString NativePathForCatalog(const CdromDrive &drive, const QString &catalogPath);
QString NativePathForCatalog(const QList<CdromDrive> &drives, const QString &catalogPath);
