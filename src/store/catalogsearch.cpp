#include "store/catalogsearch.h"

#include "store/namematcher.h"

namespace {

template<typename List, typename NameOf>
QList<qsizetype> find(const List &records, const QString &strPattern,
                      const QStringList *pCategories, NameOf nameOf)
{
    QList<qsizetype> hits;
    const NameMatcher matcher(strPattern);
    const qsizetype n = records.size();
    if (!pCategories) {
        for (qsizetype i = 0; i < n; ++i) {
            if (matcher.Matches(nameOf(records[i])))
                hits.append(i);
        }
        return hits;
    }
    const bool bAnyName = strPattern == QLatin1String("*");
    for (qsizetype i = 0; i < n; ++i) {
        const auto &record = records[i];
        if (CatalogSearch::CarriesAll(record.m_lstCategories, *pCategories)
            && (bAnyName || matcher.Matches(nameOf(record))))
            hits.append(i);
    }
    return hits;
}

} // namespace

bool CatalogSearch::CarriesAll(const QStringList &lstCarried, const QStringList &lstWanted)
{
    if (lstCarried.size() < lstWanted.size())
        return false;
    for (const QString &wanted : lstWanted) {
        if (!lstCarried.contains(wanted))
            return false;
    }
    return true;
}

QList<qsizetype> CatalogSearch::FindFiles(const CFileList &files, const QString &strPattern,
                                          const QStringList *pCategories)
{
    return find(files, strPattern, pCategories,
                [](const CFileData &r) -> const QString & { return r.m_strFileName; });
}

QList<qsizetype> CatalogSearch::FindDiscs(const CDiscList &discs, const QString &strPattern,
                                          const QStringList *pCategories)
{
    return find(discs, strPattern, pCategories,
                [](const CDisc &d) -> const QString & { return d.m_strName; });
}

QStringList CatalogSearch::FileNamesInDisc(const CFileList &files, const QString &strNumber,
                                           const QString &strPattern,
                                           const QStringList *pCategories)
{
    const QString pattern = strPattern.toLower();
    const auto matches = [&](const CFileData &file) {
        return file.m_strDiscNumber == strNumber && file.m_strFileName.toLower().contains(pattern);
    };
    QStringList names;
    if (!pCategories) {
        for (auto it = files.crbegin(); it != files.crend(); ++it)
            if (matches(*it))
                names.append(it->m_strFileName);
        return names;
    }
    for (const CFileData &file : files)
        if (CarriesAll(file.m_lstCategories, *pCategories) && matches(file))
            names.append(file.m_strFileName);
    return names;
}
