#pragma once

#include "store/ccatalog.h"

#include <QString>

// How many files a disc holds and how many bytes they make together.
struct DiscFileTotals
{
    qint64 files = 0;
    qint64 bytes = 0;
};

// Adds up the file records of the disc with this number (compared exactly). Sizes that are
// no number add nothing; older catalogues' wrapped 32-bit sizes count as what they were.
DiscFileTotals SumDiscFiles(const CFileList &files, const QString &strNumber);
