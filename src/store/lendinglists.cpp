#include "store/lendinglists.h"

#include "store/catalogdates.h"

namespace {

template<typename Keep> QList<LendingRow> rowsOf(const CDiscList &discs, Keep keep)
{
    QList<LendingRow> rows;
    for (auto it = discs.crbegin(); it != discs.crend(); ++it)
        if (keep(*it))
            rows.append({it->m_strName, it->m_strNumber, it->m_strLocation, it->m_strLendDate});
    return rows;
}

} // namespace

QList<LendingRow> AvailableDiscRows(const CDiscList &discs)
{
    return rowsOf(discs, [](const CDisc &d) { return d.m_strLocation == kAtHome; });
}

QList<LendingRow> LentDiscRows(const CDiscList &discs)
{
    return rowsOf(discs, [](const CDisc &d) { return d.m_strLocation != kAtHome; });
}

QList<LendingRow> DiscRowsOfPerson(const CDiscList &discs, const QString &strPerson)
{
    return rowsOf(discs, [&](const CDisc &d) { return d.m_strLocation == strPerson; });
}

bool LendDisc(CDiscList &discs, const QString &strNumber, const QString &strPerson, QDate today)
{
    for (CDisc &disc : discs) {
        if (disc.m_strNumber != strNumber)
            continue;
        disc.m_strLocation = strPerson;
        disc.m_strLendDate = FormatLendDate(today);
        return true;
    }
    return false;
}
