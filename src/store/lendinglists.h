#pragma once

#include "store/ccatalog.h"

#include <QDate>
#include <QList>
#include <QString>

// Who has which disc. A disc is at home while its location is "home"; otherwise the location
// names the person who has it, exactly as typed (letter case and blanks count).

inline const QString kAtHome = QStringLiteral("home");

// One row of a lending list.
struct LendingRow
{
    QString name;
    QString number;
    QString location;
    QString lendDate;
};

// The rows of the three lending lists, the last disc of the list first (the windows have
// always shown them in that order).
QList<LendingRow> AvailableDiscRows(const CDiscList &discs);
QList<LendingRow> LentDiscRows(const CDiscList &discs);
QList<LendingRow> DiscRowsOfPerson(const CDiscList &discs, const QString &strPerson);

// Lends the first disc of this number to the person on the given day. False, changing
// nothing, when no disc has the number.
bool LendDisc(CDiscList &discs, const QString &strNumber, const QString &strPerson, QDate today);
