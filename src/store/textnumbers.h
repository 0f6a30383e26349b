#pragma once

#include <QString>

// Reads text the way the C library's atoi does: optional leading blanks and sign, then the
// leading decimal digits; anything else counts as 0. Saturates instead of overflowing.
int atoiText(QStringView text);

// Formats a number the way "%d" does.
inline QString formatInt(long long n) { return QString::number(n); }
