#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252, the code page catalogues made on Windows carry. The five byte values the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 controls of the same
// number, so every byte string decodes and encodes back unchanged.

// The character of one byte.
char16_t Cp1252ToUnicode(unsigned char byte);

// The byte of one character, or -1 when the code page has none.
int UnicodeToCp1252(char16_t ch);

// Whether every character of the text has a byte.
bool FitsCp1252(QStringView text);

QString DecodeCp1252(QByteArrayView bytes);
// Only for text that fits; other characters become '?'.
QByteArray EncodeCp1252(QStringView text);
