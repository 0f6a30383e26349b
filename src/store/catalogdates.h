#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// The dates a catalogue holds, written with English month names whatever the desktop's
// language, so that every copy of the program reads them back and sorts by them.

// "%B %d %Y": "December 05 2003", the date a disc was lent.
QString FormatLendDate(QDate date);

// "%B %d, %Y": "December 05, 2003", the date a disc was added.
QString FormatSavedDate(QDate date);

// Reads "December 05 2003" and "December 05, 2003" (the date a disc was added). The month
// may be abbreviated and in any letter case; blanks around the parts do not matter. An
// invalid date for anything else.
QDate ParseCatalogDate(QStringView text);
