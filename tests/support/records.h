#pragma once

#include "store/ccatalog.h"
#include "store/treetext.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <ostream>

// Records and catalogue files made by the tests, the way the store lays them out.

CDisc MakeDisc(const QString &number, const QString &name = {});
// The drive is the folder's root ("e:\\music\\" gives "e:\\").
CFileData MakeFile(const QString &disc, const QString &folder, const QString &name,
                   const QString &size = QStringLiteral("10"), const QStringList &categories = {});

// Writes the four catalogue files straight into `dir` (a Data/ or DataBackUp/ folder).
bool WriteCatalogueFiles(const QString &dir, const CDiscList &discs, const CFileList &files,
                         const QList<TreeTextLine> &tree,
                         const QStringList &categories = {QStringLiteral("Music")});
// A home directory `home` (ending in '/') laid out, named in Path.dat, with `catalog` saved and
// backed up through the store.
bool SaveHome(const QString &home, const CCatalog &catalog, const QByteArray &tree);

// The disc list of a Data.dat file; empty when it is missing or damaged.
CDiscList DiscsInFile(const QString &path);

// Every file under a directory, sub-directories too, by its relative path with its bytes: a
// comparison shows that nothing was written. The lock of a running copy is no catalogue data.
QMap<QString, QByteArray> FilesUnder(const QString &dir);

// Readable failures: most lists the tests compare are of QString.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
