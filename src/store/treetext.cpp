#include "store/treetext.h"

#include "store/codepage1252.h"

#include <algorithm>

namespace {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF. Returns false as
// well for pure ASCII, which reads the same in either code.
bool isUtf8WithNonAscii(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    bool nonAscii = false;
    for (qsizetype i = 0; i < n;) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        nonAscii = true;
        int extra;
        unsigned int cp;
        if (c >= 0xC2 && c <= 0xDF) {
            extra = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            extra = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        for (int k = 1; k <= extra; ++k) {
            const unsigned char cc = p[i + k];
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))
            || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return nonAscii;
}

QString decodeLabel(QByteArrayView bytes)
{
    return isUtf8WithNonAscii(bytes) ? QString::fromUtf8(bytes) : DecodeCp1252(bytes);
}

QByteArray encodeLabel(const QString &label)
{
    if (FitsCp1252(label)) {
        QByteArray narrow = EncodeCp1252(label);
        // A narrow label whose bytes happen to form UTF-8 would come back changed; its
        // UTF-8 form reads back as written.
        if (!isUtf8WithNonAscii(narrow))
            return narrow;
    }
    return label.toUtf8();
}

} // namespace

QByteArray WriteTreeText(const QList<TreeTextLine> &preorder)
{
    QByteArray out;
    qsizetype expected = 0;
    for (const TreeTextLine &line : preorder)
        expected += line.depth + line.label.size() + 2;
    out.reserve(expected);
    for (const TreeTextLine &line : preorder) {
        out.append(qsizetype(std::max(line.depth, 0)), '\t');
        out.append(encodeLabel(line.label));
        out.append("\r\n", 2);
    }
    return out;
}

QList<TreeTextNode> ReadTreeText(QByteArrayView bytes)
{
    QList<TreeTextNode> nodes;
    QList<int> depths; // depth of each node, parallel to `nodes`
    const char *p = bytes.data();
    const qsizetype n = bytes.size();
    int base = -1;
    qsizetype last = -1;
    qsizetype pos = 0;
    while (pos < n) {
        // One line: up to LF, CR LF or a lone CR.
        qsizetype end = pos;
        while (end < n && p[end] != '\n' && p[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < n) {
            if (p[next] == '\r' && next + 1 < n && p[next + 1] == '\n')
                next += 2;
            else
                ++next;
        }
        qsizetype labelStart = pos;
        while (labelStart < end && p[labelStart] == '\t')
            ++labelStart;
        const int tabs = int(std::min<qsizetype>(labelStart - pos, 1 << 30));
        const QByteArrayView raw(p + labelStart, end - labelStart);
        pos = next;
        if (raw.isEmpty())
            continue; // blank lines carry no item
        if (base < 0)
            base = tabs;
        const int r = tabs - base;
        const int d = last < 0 ? 0 : depths[last];

        qsizetype parent;
        if (last < 0) {
            parent = -1;
        } else if (r == d) {
            parent = nodes[last].parent;
        } else if (r > d) {
            parent = last; // a jump of more than one level counts as one
        } else {
            // Up to the ancestor at depth r - 1; none (the top level) when r <= 0.
            parent = last;
            while (parent >= 0 && depths[parent] >= r)
                parent = nodes[parent].parent;
        }
        TreeTextNode node;
        node.label = decodeLabel(raw);
        node.parent = parent;
        node.disc = r == 0;
        nodes.append(std::move(node));
        depths.append(parent < 0 ? 0 : depths[parent] + 1);
        last = nodes.size() - 1;
    }
    return nodes;
}
