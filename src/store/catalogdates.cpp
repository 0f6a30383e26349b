#include "store/catalogdates.h"

namespace {

const char *const kMonths[]
    = {"january", "february", "march",     "april",   "may",      "june",
       "july",    "august",   "september", "october", "november", "december"};

QStringView skipBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return text.sliced(i);
}

// Takes up to `most` leading digits; -1 without any.
int takeNumber(QStringView &text, int most)
{
    int value = 0;
    int digits = 0;
    while (digits < text.size() && digits < most && text[digits] >= u'0' && text[digits] <= u'9') {
        value = value * 10 + (text[digits].unicode() - u'0');
        ++digits;
    }
    if (digits == 0)
        return -1;
    text = text.sliced(digits);
    return value;
}

// The month's English name, the day in two digits and the year in four, put into `pattern`.
QString formatDate(QDate date, QStringView pattern)
{
    if (!date.isValid())
        return {};
    QString month = QLatin1String(kMonths[date.month() - 1]);
    month[0] = month[0].toUpper();
    return pattern.toString()
        .arg(month)
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

} // namespace

QString FormatLendDate(QDate date)
{
    return formatDate(date, u"%1 %2 %3");
}

QString FormatSavedDate(QDate date)
{
    return formatDate(date, u"%1 %2, %3");
}

QDate ParseCatalogDate(QStringView text)
{
    text = skipBlanks(text);
    qsizetype letters = 0;
    while (letters < text.size() && text[letters].isLetter())
        ++letters;
    if (letters < 3)
        return {};
    const QStringView word = text.first(letters);
    int month = 0;
    for (int m = 0; m < 12 && month == 0; ++m) {
        const QLatin1StringView name(kMonths[m]);
        // The full name, or its first three letters.
        if ((word.size() == name.size() || word.size() == 3)
            && word.compare(name.first(word.size()), Qt::CaseInsensitive) == 0)
            month = m + 1;
    }
    if (month == 0)
        return {};
    text = skipBlanks(text.sliced(letters));
    const int day = takeNumber(text, 2);
    text = skipBlanks(text);
    if (!text.isEmpty() && text[0] == u',')
        text = skipBlanks(text.sliced(1));
    const int year = takeNumber(text, 4);
    if (day < 0 || year < 0 || !skipBlanks(text).isEmpty())
        return {};
    return QDate(year, month, day);
}
