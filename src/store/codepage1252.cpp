#include "store/codepage1252.h"

int UnicodeToCp1252(char16_t ch)
{
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return ch;
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == ch)
            return 0x80 + i;
    }
    return -1;
}

bool FitsCp1252(QStringView text)
{
    for (QChar c : text) {
        const char16_t ch = c.unicode();
        if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
            continue;
        if (UnicodeToCp1252(ch) < 0)
            return false;
    }
    return true;
}

QString DecodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = Cp1252ToUnicode(static_cast<unsigned char>(bytes[i]));
    return text;
}

QByteArray EncodeCp1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = UnicodeToCp1252(text[i].unicode());
        bytes[i] = char(b < 0 ? '?' : b);
    }
    return bytes;
}
