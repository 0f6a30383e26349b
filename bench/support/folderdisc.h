#pragma once

#include "store/ccatalog.h"

#include <QString>

// Adds one disc whose files all lie in one folder (for example "sr0:\big\"), at the head or
// the tail of the catalogue's file list, so a benchmark can list a large folder from a large
// catalogue. Returns the folder key the disc tree would select for that folder.
QString AddFolderDisc(CCatalog &catalog, const QString &number, const QString &folderName,
                      int files, bool atHead, unsigned seed = 7);
