#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252, the code page catalogues made on Windows carry. The five byte values the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same
// number, so every byte string decodes and encodes back unchanged.

// 0x80 to 0x9F; the rest of the code page is Latin-1.
inline constexpr char16_t kCp1252High[32]
    = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
       0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The character of one byte.
inline char16_t Cp1252ToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

// The byte of one character, or -1 when the code page has none.
int UnicodeToCp1252(char16_t ch);

// Whether every character of the text has a byte.
bool FitsCp1252(QStringView text);

QString DecodeCp1252(QByteArrayView bytes);
// Only for text that fits; other characters become '?'.
QByteArray EncodeCp1252(QStringView text);
