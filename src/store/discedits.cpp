#include "store/discedits.h"

#include "store/treelabel.h"

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
