#include "store/discedits.h"

#include "store/treelabel.h"

#include <algorithm>

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
