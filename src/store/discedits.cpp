#include "store/discedits.h"

#include "store/treelabel.h"

#include <algorithm>

namespace {

const QString kBadDiscName
    = QStringLiteral("A CD name cannot hold a backslash (\\) or a control character.");

} // namespace

QString EditedDiscLabel(const QString &strNumber, const QString &strTyped)
{
    return GetNumberPart(strTyped) == strNumber ? strTyped : strNumber + u' ' + strTyped;
}

bool RemoveDiscRecord(CDiscList &discs, const QString &strNumber, const QString &strName)
{
    qsizetype index = -1;
    for (qsizetype i = 0; i < discs.size(); ++i) {
        if (discs[i].m_strNumber != strNumber)
            continue;
        if (discs[i].m_strName == strName) {
            index = i;
            break;
        }
        if (index < 0)
            index = i;
    }
    if (index < 0)
        return false;
    discs.removeAt(index);
    return true;
}

bool IsDiscNumberUsed(const CDiscList &discs, const QString &strNumber)
{
    return std::any_of(discs.cbegin(), discs.cend(),
                       [&](const CDisc &disc) { return disc.m_strNumber == strNumber; });
}

CDisc *RelabelDiscRecords(CDiscList &discs, const QString &strShown, const QString &strNumber,
                          const QString &strName)
{
    CDisc *pEdited = nullptr;
    for (CDisc &disc : discs) {
        if (disc.m_strNumber != strShown)
            continue;
        disc.m_strName = strName;
        disc.m_strOldNumber = strShown;
        if (!pEdited)
            pEdited = &disc;
    }
    if (pEdited)
        pEdited->m_strNumber = strNumber;
    return pEdited;
}

void RemoveDisc(CCatalog &catalog, const QString &strNumber, const QString &strName,
                bool bNumberShared)
{
    RemoveDiscRecord(*catalog.m_pDiscs, strNumber, strName);
    if (!bNumberShared)
        catalog.RemoveDiscFiles(strNumber);
}

QString RelabelDiscRecord(CCatalog &catalog, CDisc &disc, const QString &strOld,
                          const QString *pItemLabel, QString &strRefusal)
{
    if (!pItemLabel)
        strRefusal = QStringLiteral("The disc %1 has no item in the tree, so its number and "
                                    "name were not changed.")
                         .arg(strOld);
    else if (!IsValidDiscName(disc.m_strName))
        strRefusal = kBadDiscName;
    if (!strRefusal.isEmpty()) {
        // Record, tree and files change together or not at all: the record goes back.
        disc.m_strNumber = strOld;
        if (pItemLabel)
            disc.m_strName = GetNamePart(*pItemLabel);
        return {};
    }
    if (strOld != disc.m_strNumber)
        catalog.RenumberDiscFiles(strOld, disc.m_strNumber);
    return disc.m_strNumber + u' ' + disc.m_strName;
}

QString RenameDiscByLabel(CCatalog &catalog, const QString &strNumber, const QString &strTyped,
                          QString &strRefusal)
{
    const QString strLabel = EditedDiscLabel(strNumber, strTyped);
    const QString strName = strLabel.mid(strLabel.indexOf(u' ') + 1);
    if (!IsValidDiscName(strName)) {
        strRefusal = kBadDiscName;
        return {};
    }
    if (CDisc *disc = catalog.FindDisc(strNumber))
        disc->m_strName = strName;
    return strLabel;
}
