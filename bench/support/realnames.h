#pragma once

#include "store/ccatalog.h"

#include <QString>

// A catalogue of real names: the files under `root` (their names, folders and sizes), dealt
// out over `discs` discs of equal share until `files` records exist, each disc taking the
// next run of the walk so that its records keep their folders together. Real names are
// longer and more alike than generated words, so searches meet more near-misses in them.
// Categories are left empty.
void GenerateRealNamesCatalogue(CCatalog &catalog, int discs, int files,
                                const QString &root = QStringLiteral("/usr"));
