#pragma once

#include "store/storeresult.h"

#include <QLockFile>
#include <QString>

#include <memory>

// Where the catalogue lives. Path.dat and PathBackUp.dat in the program's configuration
// directory name the home directory (a native path ending in '/') and its backup directory
// (no trailing '/'); the catalogue itself is under the home directory.

// $XDG_CONFIG_HOME/tavikon (by default ~/.config/tavikon).
QString HomeConfigDir();
QString PathFilePath(); // .../Path.dat
QString BackupPathFilePath(); // .../PathBackUp.dat

// The forms the two directories are kept in: a home directory ends with '/' (an empty one
// stays empty), a backup directory has no trailing '/' (the root stays "/").
QString HomeDirForm(const QString &dir);
QString BackupDirForm(const QString &dir);

// The backup directory that belongs to a home directory.
QString BackupDirFor(const QString &home);

struct HomePaths
{
    QString home;
    QString backup;
};

// Reads both path files. False when Path.dat is missing or names no directory (the first
// start). A missing PathBackUp.dat gives the home directory's own backup directory.
bool ReadHomePaths(HomePaths &paths);

// Writes Path.dat with the home directory and PathBackUp.dat with its backup directory.
StoreResult WriteHomePaths(const QString &home);

// Whether the directory already holds catalogue files under Data/.
bool HoldsCatalogue(const QString &home);

// Makes Data/, Data/FriendDataBaseDir/ and DataBackUp/ with their four files each, and the
// default categories in Data/Cat.dat. What exists already is kept, so an existing catalogue
// in the chosen directory is never overwritten.
StoreResult LayOutCatalogue(const QString &home);

// Keeps other copies of the program off the catalogue under `home` while it lives, so that two
// copies never write over each other's changes: a lock file in Data/. A lock left behind by a
// copy that no longer runs is taken over. Null when none was taken: `bHeldElsewhere` then
// says whether a running copy holds it (otherwise no lock can be made there, as on read-only
// media, and the catalogue goes unlocked).
std::unique_ptr<QLockFile> LockCatalogue(const QString &home, bool &bHeldElsewhere);
