#pragma once

#include <QString>

// Reads text the way the C library's atoi does: optional leading blanks and sign, then the
// leading decimal digits; anything else counts as 0. Saturates instead of overflowing.
int atoiText(QStringView text);

// A file size in bytes from its stored text (leading decimal digits). Older catalogues kept
// only the low 32 bits as a signed number, so a negative value is taken as the unsigned
// 32-bit value it wrapped from. Text that is not a number gives 0.
qint64 SizeFromText(QStringView text);

// A size for people to read: bytes below 1000, else the unit of powers of 1024 (KB, MB, GB,
// TB) that keeps the figure below 1000, with at most three significant digits and no
// trailing zeros ("6 B", "1.4 KB", "700 MB", "4.37 GB"). The decimal point is the default
// locale's. Lists that show it sort on the byte count, never on this text.
QString FormatSize(qint64 bytes);

// Formats a number the way "%d" does.
inline QString formatInt(long long n)
{
    return QString::number(n);
}
