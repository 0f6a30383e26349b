#pragma once

#include "store/ccatalog.h"

#include <QList>
#include <QString>
#include <QStringList>

// The searches of the result windows, over the records where they stand: nothing is copied
// and nothing is changed. Each returns the positions of the hits in the list, in list order.
//
// Without categories a record is a hit when its name matches the pattern (NameMatcher).
// With categories (the scope "byCat") it must first carry every one of them, compared
// exactly; then the pattern "*" alone takes it whatever its name.
namespace CatalogSearch {

QList<qsizetype> FindFiles(const CFileList &files, const QString &strPattern,
                           const QStringList *pCategories = nullptr);
QList<qsizetype> FindDiscs(const CDiscList &discs, const QString &strPattern,
                           const QStringList *pCategories = nullptr);

// The names of the files of disc `strNumber` whose name holds `strPattern`, letter case
// ignored (no wildcards). Without categories the list is walked from its tail, so the record
// added last comes first; with categories from its head, and a file must carry them all.
QStringList FileNamesInDisc(const CFileList &files, const QString &strNumber,
                            const QString &strPattern, const QStringList *pCategories = nullptr);

// Whether a record's category list holds every category asked for.
bool CarriesAll(const QStringList &lstCarried, const QStringList &lstWanted);

} // namespace CatalogSearch
