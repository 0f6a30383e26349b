#pragma once

#include "store/ccatalog.h"

#include <QByteArray>
#include <QString>

// A catalogue of `discs` discs with `filesPerDisc` files each, its names marked with `tag` so
// that two catalogues differ everywhere, and the tree text the disc tree would save for it.
void FillCatalogue(CCatalog &catalog, QByteArray &tree, int discs, int filesPerDisc,
                   const QString &tag);

bool SameCatalogue(const CCatalog &a, const CCatalog &b);
