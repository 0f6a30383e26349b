#include "files/listcompare.h"

#include "store/catalogdates.h"
#include "store/textnumbers.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

// A cell text parsed once for the compare type, so that sorting does not parse it again at
// every comparison.
struct SortKey
{
    QString folded; // SORT_TEXT
    qint64 integer = 0; // SORT_INT
    double number = 0; // SORT_DECIMAL, SORT_LEADING_NUMBER
    qint64 msecs = 0; // SORT_DATE
    bool validDate = false;
};

QDateTime parseDateTime(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    // The dates the program writes itself first: they are most of what these lists hold.
    if (const QDate d = ParseCatalogDate(trimmed); d.isValid())
        return d.startOfDay();
    const QLocale user = QLocale::system();
    for (QLocale::FormatType format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        QDateTime dt = user.toDateTime(trimmed, format);
        if (dt.isValid())
            return dt;
        const QDate d = user.toDate(trimmed, format);
        if (d.isValid())
            return d.startOfDay();
    }
    // The dates the program writes itself ("%B %d %Y", "%B %d, %Y") use English month names
    // whatever the desktop's language.
    const QLocale c = QLocale::c();
    for (const char *format : {"MMMM d yyyy", "MMMM d, yyyy", "MMM d yyyy", "MMM d, yyyy",
                               "MMMM d yyyy h:mm:ss", "yyyy-MM-dd", "d.M.yyyy", "M/d/yyyy"}) {
        const QString f = QString::fromLatin1(format);
        QDateTime dt = c.toDateTime(trimmed, f);
        if (dt.isValid())
            return dt;
        const QDate d = c.toDate(trimmed, f);
        if (d.isValid())
            return d.startOfDay();
    }
    QDateTime dt = QDateTime::fromString(trimmed, Qt::ISODate);
    if (dt.isValid())
        return dt;
    return QDateTime::fromString(trimmed, Qt::TextDate);
}

SortKey makeKey(const QString &text, int type)
{
    SortKey key;
    switch (type) {
    case SORT_INT:
        key.integer = atoiText(text);
        break;
    case SORT_TEXT:
        key.folded = text.toCaseFolded();
        break;
    case SORT_DATE: {
        const QDateTime dt = parseDateTime(text);
        key.validDate = dt.isValid();
        if (key.validDate)
            key.msecs = dt.toMSecsSinceEpoch();
        break;
    }
    case SORT_DECIMAL:
        key.number = atofText(text);
        break;
    case SORT_LEADING_NUMBER: {
        const qsizetype blank = text.indexOf(u' ');
        key.number = blank < 0 ? 0.0 : atofText(QStringView(text).left(blank));
        break;
    }
    default:
        break;
    }
    return key;
}

// The comparison before the direction is applied. SORT_DECIMAL and SORT_DATE never answer
// 0 for two valid values ("greater or equal" counts as greater); the sort below asks them
// only for a strict order, so equal values stay where they were.
int compareKeys(const SortKey &a, const SortKey &b, int type)
{
    switch (type) {
    case SORT_INT:
        return a.integer < b.integer ? -1 : (a.integer > b.integer ? 1 : 0);
    case SORT_TEXT:
        return QString::compare(a.folded, b.folded, Qt::CaseSensitive);
    case SORT_DATE:
        // A text that is no date goes before every date, so the order stays total.
        if (!a.validDate || !b.validDate)
            return int(a.validDate) - int(b.validDate);
        return a.msecs < b.msecs ? -1 : 1;
    case SORT_DECIMAL:
    case SORT_LEADING_NUMBER:
        return a.number >= b.number ? 1 : -1;
    default:
        return 0;
    }
}

} // namespace

double atofText(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    const qsizetype start = i;
    auto digits = [&] {
        const qsizetype from = i;
        while (i < n && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i - from;
    };
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype mantissa = digits();
    if (i < n && text[i] == u'.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0.0;
    const qsizetype beforeExponent = i;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        if (digits() == 0)
            i = beforeExponent; // "1e" reads as 1
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
    return ok ? value : 0.0;
}

int CompareListTexts(const QString &first, const QString &second, int nSignedType)
{
    const int type = std::abs(nSignedType);
    const int result = compareKeys(makeKey(first, type), makeKey(second, type), type);
    return nSignedType >= 0 ? result : -result;
}

QList<int> SortedRowOrder(const QStringList &texts, int nType, bool bAscending)
{
    const int type = std::abs(nType);
    std::vector<SortKey> keys;
    keys.reserve(size_t(texts.size()));
    for (const QString &text : texts)
        keys.push_back(makeKey(text, type));
    QList<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    // A descending sort asks with the operands swapped rather than negating the result,
    // which keeps the order strict for the types that call equal values "greater".
    std::stable_sort(order.begin(), order.end(), [&](int l, int r) {
        return bAscending ? compareKeys(keys[size_t(l)], keys[size_t(r)], type) < 0
                          : compareKeys(keys[size_t(r)], keys[size_t(l)], type) < 0;
    });
    return order;
}

QList<int> SortedSizeOrder(const QList<qint64> &sizes, bool bAscending)
{
    QList<int> order(sizes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int l, int r) {
        return bAscending ? sizes[l] < sizes[r] : sizes[r] < sizes[l];
    });
    return order;
}
