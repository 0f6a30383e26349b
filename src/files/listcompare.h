#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How the lists of the program compare the texts of one column when they sort. A signed
// type carries the direction: the type itself sorts ascending, its negation descending.
enum ListCompareType : int {
    SORT_INT = 1, // leading decimal digits as an integer
    SORT_TEXT = 2, // text without regard to case
    SORT_DATE = 3, // date and time; texts that are no date go before every date
    SORT_DECIMAL = 4, // floating-point number
    SORT_LEADING_NUMBER = 5, // floating-point number before the first blank ("1.500 MB")
};

// Three-way comparison of two cell texts: negative when the first goes before the second
// under the signed type, positive when after, 0 when the type cannot tell them apart (and
// for unknown types). Only the sign carries meaning.
int CompareListTexts(const QString &first, const QString &second, int nSignedType);

// The new order of rows sorted by their texts in one column: element i is the old index of
// the row that goes to position i. Rows that compare equal keep their order. Each text is
// parsed once, so this is the way to sort many rows.
QList<int> SortedRowOrder(const QStringList &texts, int nType, bool bAscending);

// The same for rows sorted by a byte count each.
QList<int> SortedSizeOrder(const QList<qint64> &sizes, bool bAscending);

// Reads the leading floating-point number of a text the way atof does, always with "." as
// the decimal point whatever the locale; text that starts with no number gives 0.
double atofText(QStringView text);
