#include "store/textnumbers.h"

#include <QLocale>

#include <cmath>
#include <limits>

int atoiText(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

qint64 SizeFromText(QStringView text)
{
    text = text.trimmed();
    bool negative = false;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value > (std::numeric_limits<qint64>::max() - 9) / 10)
            break; // absurdly long digits: keep what fits
        value = value * 10 + (text[i].unicode() - u'0');
    }
    if (!negative)
        return value;
    // Only a wrapped 32-bit size is meaningful below zero.
    if (value == 0 || value > 0x80000000LL)
        return 0;
    return 0x100000000LL - value;
}

QString FormatSize(qint64 bytes)
{
    if (bytes < 1000)
        return QString::number(qMax<qint64>(bytes, 0)) + QStringLiteral(" B");
    static const char *const units[] = {"KB", "MB", "GB", "TB"};
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    double value = double(bytes);
    for (int unit = 0; unit < 4; ++unit) {
        value /= 1024.0;
        const int decimals = value >= 100 ? 0 : value >= 10 ? 1 : 2;
        const double scale = std::pow(10.0, decimals);
        const double rounded = std::round(value * scale) / scale;
        // 1000 KB and more reads better as 0.98 MB; only terabytes may grow past it.
        if (rounded >= 1000 && unit < 3)
            continue;
        QString text = locale.toString(rounded, 'f', decimals);
        if (decimals > 0) {
            while (text.endsWith(u'0'))
                text.chop(1);
            if (text.endsWith(locale.decimalPoint()))
                text.chop(locale.decimalPoint().size());
        }
        return text + u' ' + QLatin1String(units[unit]);
    }
    return {}; // not reached: the terabyte step always returns
}
