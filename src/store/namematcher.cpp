#include "store/namematcher.h"

#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Lower case of every UTF-16 unit, looked up instead of asking QChar for each character of
// a million names.
const char16_t *foldTable()
{
    static const std::unique_ptr<char16_t[]> table = [] {
        auto t = std::make_unique<char16_t[]>(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char32_t lower = QChar::toLower(c);
            t[c] = lower < 0x10000 ? char16_t(lower) : char16_t(c);
        }
        return t;
    }();
    return table.get();
}

bool equalFolded(const char16_t *s, const char16_t *p, qsizetype m, const char16_t *fold)
{
    for (qsizetype k = 0; k < m; ++k) {
        if (fold[s[k]] != p[k])
            return false;
    }
    return true;
}

bool equalWithAny(const char16_t *s, const char16_t *p, qsizetype m, const char16_t *fold)
{
    for (qsizetype k = 0; k < m; ++k) {
        if (p[k] != u'?' && fold[s[k]] != p[k])
            return false;
    }
    return true;
}

qsizetype findScalar(const char16_t *s, qsizetype from, qsizetype end, const char16_t *p,
                     qsizetype m, const char16_t *fold)
{
    const char16_t first = p[0];
    for (qsizetype i = from; i + m <= end; ++i) {
        if (fold[s[i]] == first && equalFolded(s + i + 1, p + 1, m - 1, fold))
            return i;
    }
    return -1;
}

#if defined(__SSE2__)
// Both letter cases of an ASCII character, as eight lanes each.
struct Lanes
{
    __m128i lower, upper;
    explicit Lanes(char16_t c)
        : lower(_mm_set1_epi16(short(c))),
          upper(_mm_set1_epi16(short(c >= u'a' && c <= u'z' ? c - 32 : c)))
    { }
    __m128i equal(__m128i v) const
    {
        return _mm_or_si128(_mm_cmpeq_epi16(v, lower), _mm_cmpeq_epi16(v, upper));
    }
};
#endif

// The pattern's first and last character must be ASCII. Eight start positions at a time are
// sifted by those two characters; only the survivors are compared in full. A block with any
// character beyond ASCII goes to the table, since such a character may fold to ASCII.
qsizetype findAsciiEnds(const char16_t *s, qsizetype from, qsizetype end, const char16_t *p,
                        qsizetype m, const char16_t *fold)
{
#if defined(__SSE2__)
    const qsizetype last = end - m; // the last start position
    if (last - 7 >= from) {
        const Lanes first(p[0]), final(p[m - 1]);
        const __m128i high = _mm_set1_epi16(short(0xFF80));
        const __m128i zero = _mm_setzero_si128();
        qsizetype i = from;
        for (;;) {
            // The last block overlaps the one before it rather than reading past the name.
            if (i > last - 7)
                i = last - 7;
            const auto *a = reinterpret_cast<const __m128i *>(s + i);
            const auto *b = reinterpret_cast<const __m128i *>(s + i + m - 1);
            const __m128i va = _mm_loadu_si128(a);
            const __m128i vb = _mm_loadu_si128(b);
            const __m128i wide = _mm_and_si128(_mm_or_si128(va, vb), high);
            if (_mm_movemask_epi8(_mm_cmpeq_epi16(wide, zero)) != 0xFFFF)
                return findScalar(s, i, end, p, m, fold);
            unsigned mask
                = unsigned(_mm_movemask_epi8(_mm_and_si128(first.equal(va), final.equal(vb))));
            while (mask) {
                const int j = __builtin_ctz(mask) / 2;
                if (m <= 2 || equalFolded(s + i + j + 1, p + 1, m - 2, fold))
                    return i + j;
                mask &= mask - 1; // two bits per lane
                mask &= mask - 1;
            }
            if (i == last - 7)
                return -1;
            i += 8;
        }
    }
#endif
    return findScalar(s, from, end, p, m, fold);
}

const char16_t *units(QStringView text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}

} // namespace

char16_t NameMatcher::Fold(char16_t ch)
{
    return foldTable()[ch];
}

NameMatcher::Segment NameMatcher::MakeSegment(QStringView text, bool bWildcard)
{
    const char16_t *fold = foldTable();
    Segment segment;
    segment.text.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i].unicode();
        segment.text[i] = QChar(fold[ch]);
        if (bWildcard && ch == u'?')
            segment.anyChar = true;
    }
    segment.asciiEnds = !segment.text.isEmpty() && segment.text.front().unicode() < 0x80
        && segment.text.back().unicode() < 0x80;
    return segment;
}

NameMatcher::NameMatcher(QStringView pattern)
{
    foldTable(); // built before the first record, not inside the timed walk
    m_bWildcard = pattern.contains(u'*') || pattern.contains(u'?');
    const qsizetype firstStar = pattern.indexOf(u'*');
    if (!m_bWildcard || firstStar < 0) {
        m_whole = MakeSegment(pattern, m_bWildcard);
        return;
    }
    m_bStar = true;
    const qsizetype lastStar = pattern.lastIndexOf(u'*');
    m_head = MakeSegment(pattern.first(firstStar), true);
    m_tail = MakeSegment(pattern.sliced(lastStar + 1), true);
    for (QStringView part :
         pattern.sliced(firstStar + 1, lastStar - firstStar).tokenize(u'*', Qt::SkipEmptyParts))
        m_middle.append(MakeSegment(part, true));
}

bool NameMatcher::SegmentAt(const char16_t *name, const Segment &segment)
{
    const char16_t *p = units(segment.text);
    const qsizetype m = segment.text.size();
    return segment.anyChar ? equalWithAny(name, p, m, foldTable())
                           : equalFolded(name, p, m, foldTable());
}

qsizetype NameMatcher::FindSegment(const char16_t *name, qsizetype from, qsizetype end,
                                   const Segment &segment)
{
    const qsizetype m = segment.text.size();
    if (m == 0)
        return from;
    const char16_t *fold = foldTable();
    const char16_t *p = units(segment.text);
    if (segment.anyChar) {
        for (qsizetype i = from; i + m <= end; ++i) {
            if (equalWithAny(name + i, p, m, fold))
                return i;
        }
        return -1;
    }
    if (segment.asciiEnds)
        return findAsciiEnds(name, from, end, p, m, fold);
    return findScalar(name, from, end, p, m, fold);
}

bool NameMatcher::Matches(QStringView name) const
{
    const char16_t *s = units(name);
    const qsizetype n = name.size();
    if (!m_bWildcard)
        return FindSegment(s, 0, n, m_whole) >= 0;
    if (!m_bStar)
        return n == m_whole.text.size() && SegmentAt(s, m_whole);
    const qsizetype head = m_head.text.size();
    const qsizetype tail = m_tail.text.size();
    if (n < head + tail || !SegmentAt(s, m_head) || !SegmentAt(s + n - tail, m_tail))
        return false;
    qsizetype pos = head;
    const qsizetype end = n - tail;
    for (const Segment &segment : m_middle) {
        const qsizetype at = FindSegment(s, pos, end, segment);
        if (at < 0)
            return false;
        pos = at + segment.text.size();
    }
    return true;
}
