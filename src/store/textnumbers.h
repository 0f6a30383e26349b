#pragma once

#include <QString>

// Reads text the way the C library's atoi does: optional leading blanks and sign, then the
// leading decimal digits; anything else counts as 0. Saturates instead of overflowing.
int atoiText(QStringView text);

// A file size in bytes from its stored text (leading decimal digits). Older catalogues kept
// only the low 32 bits as a signed number, so a negative value is taken as the unsigned
// 32-bit value it wrapped from. Text that is not a number gives 0.
qint64 SizeFromText(QStringView text);

// Formats a number the way "%d" does.
inline QString formatInt(long long n) { return QString::number(n); }
