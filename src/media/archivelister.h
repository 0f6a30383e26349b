#pragma once

#include "media/entrytree.h"

#include <QString>

class ByteStream;

// Whether a file is one whose entries the scan looks at, by its name: zip, 7z, rar, cab and
// tar, plain or compressed with gzip, bzip2, xz or zstd.
bool IsArchiveName(const QString &name);

struct ArchiveListing
{
    bool bOk = false;
    QString reason; // why the entries could not be read, for the user
};

// Reads the names and sizes of an archive's entries from its directory (or, for a tar, its
// headers) into `tree`; no entry's data is unpacked. A damaged, encrypted or unknown archive
// fails as a whole, leaving `tree` to be thrown away. Archives inside it are entries like any
// other.
ArchiveListing ListArchive(ByteStream &in, EntryTree &tree, const MediaLimits &limits);

// For a catalogue path that runs through an archive ("e:\backup\photos.zip\2019\a.jpg"), the
// path of that archive ("e:\backup\photos.zip"); empty when no folder of the path is named
// like an archive.
QString ArchiveHoldingPath(const QString &catalogPath);
