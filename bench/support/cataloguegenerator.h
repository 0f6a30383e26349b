#pragma once

#include "store/ccatalog.h"

#include <QString>

// Builds synthetic catalogues of realistic shape for the benchmarks: discs numbered 1..n,
// each with a few hundred to a few thousand files spread over nested folders with names of
// ordinary length, and a few categories. The same seed gives the same catalogue.
struct GeneratedCatalogue
{
    CCatalog catalog;
    QByteArray treeText; // Tree.tkdt for the generated discs and folders
    int folderCount = 0;
};

void GenerateCatalogue(GeneratedCatalogue &out, int discs, int files, int foldersPerDisc = 0,
                       unsigned seed = 1);
