#include "store/textnumbers.h"

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
