#include "store/archive.h"

#include "store/codepage1252.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr quint16 kNewClassTag = 0xFFFF;
constexpr quint16 kClassReferenceTag = 0x8001; // class number 1, the only class of a file
constexpr quint16 kWideMarker = 0xFFFE;

// ---------------------------------------------------------------------------------------
// Writing

class Writer
{
public:
    explicit Writer(qsizetype expected) { m_out.resize(std::max<qsizetype>(expected, 64)); }

    void u8(quint8 v) { *room(1) = char(v); }
    void u16(quint16 v)
    {
        char *p = room(2);
        p[0] = char(v & 0xFF);
        p[1] = char(v >> 8);
    }
    void u32(quint32 v)
    {
        char *p = room(4);
        for (int i = 0; i < 4; ++i)
            p[i] = char((v >> (8 * i)) & 0xFF);
    }
    void raw(const char *data, qsizetype n) { std::memcpy(room(n), data, size_t(n)); }

    void length(quint32 n)
    {
        if (n < 0xFF) {
            u8(quint8(n));
        } else if (n < 0xFFFE) {
            u8(0xFF);
            u16(quint16(n));
        } else {
            u8(0xFF);
            u16(0xFFFF);
            u32(n);
        }
    }

    void count(quint32 n)
    {
        if (n < 0xFFFF) {
            u16(quint16(n));
        } else {
            u16(0xFFFF);
            u32(n);
        }
    }

    // One byte a character when the text fits Windows-1252, the wide form otherwise.
    void string(const QString &text)
    {
        const qsizetype n = text.size();
        const qsizetype start = m_pos;
        length(quint32(n));
        char *p = room(n);
        const char16_t *src = reinterpret_cast<const char16_t *>(text.constData());
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t ch = src[i];
            if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
                p[i] = char(ch);
                continue;
            }
            const int b = UnicodeToCp1252(ch);
            if (b < 0) {
                m_pos = start;
                wideString(src, n);
                return;
            }
            p[i] = char(b);
        }
    }

    void stringList(const QStringList &list)
    {
        count(quint32(list.size()));
        for (const QString &s : list)
            string(s);
    }

    void classTag(bool first, const char *className)
    {
        if (!first) {
            u16(kClassReferenceTag);
            return;
        }
        const auto nameLength = qsizetype(std::strlen(className));
        u16(kNewClassTag);
        u16(0); // schema
        u16(quint16(nameLength));
        raw(className, nameLength);
    }

    QByteArray take()
    {
        m_out.truncate(m_pos);
        return std::move(m_out);
    }

private:
    char *room(qsizetype n)
    {
        if (m_pos + n > m_out.size())
            m_out.resize(std::max(m_out.size() * 2, m_pos + n + 4096));
        char *p = m_out.data() + m_pos;
        m_pos += n;
        return p;
    }

    void wideString(const char16_t *src, qsizetype n)
    {
        u8(0xFF);
        u16(kWideMarker);
        length(quint32(n));
        char *p = room(2 * n);
        for (qsizetype i = 0; i < n; ++i) {
            p[2 * i] = char(src[i] & 0xFF);
            p[2 * i + 1] = char(src[i] >> 8);
        }
    }

    QByteArray m_out;
    qsizetype m_pos = 0;
};

// ---------------------------------------------------------------------------------------
// Reading

// Packs many short strings into shared blocks. Each string holds a reference to its block
// (QString's own reference count), so a block lives as long as any of its strings, and
// changing a string detaches it as usual. A million file records would otherwise cost one
// heap allocation, with its header and rounding, for every name and size text.
class StringArena
{
public:
    QString make(const char *src, qsizetype n, bool wide)
    {
        if (n == 0)
            return QString();
        if (n + 1 > kBlockChars / 16)
            return decodePlain(src, n, wide);
        if (!m_block.d_ptr() || m_used + n + 1 > kBlockChars) {
            auto [header, data] = QTypedArrayData<char16_t>::allocate(kBlockChars);
            if (!header)
                return decodePlain(src, n, wide);
            m_block = QStringPrivate(header, data, 0);
            m_used = 0;
        }
        char16_t *p = m_block.data() + m_used;
        decodeInto(p, src, n, wide);
        p[n] = 0;
        m_used += n + 1;
        m_block.d_ptr()->ref();
        return QString(QStringPrivate(m_block.d_ptr(), p, n));
    }

    static QString decodePlain(const char *src, qsizetype n, bool wide)
    {
        QString s(n, Qt::Uninitialized);
        decodeInto(reinterpret_cast<char16_t *>(s.data()), src, n, wide);
        return s;
    }

private:
    static void decodeInto(char16_t *out, const char *src, qsizetype n, bool wide)
    {
        const auto *b = reinterpret_cast<const unsigned char *>(src);
        if (wide) {
            for (qsizetype i = 0; i < n; ++i)
                out[i] = char16_t(b[2 * i] | (b[2 * i + 1] << 8));
        } else {
            for (qsizetype i = 0; i < n; ++i)
                out[i] = Cp1252ToUnicode(b[i]);
        }
    }

    static constexpr qsizetype kBlockChars = 16384;
    QStringPrivate m_block;
    qsizetype m_used = 0;
};

// Shares one copy of texts that repeat across records (folder, drive, disc number). Keys
// are the encoded bytes, which stay valid while the file is read. A small open-addressing
// table with a cheap hash: this runs for several fields of every record, and consecutive
// records mostly repeat the last text, which is checked first.
class Interner
{
public:
    QString get(QByteArrayView encoded, const char *src, qsizetype n, bool wide, StringArena &arena)
    {
        if (m_hasLast && encoded == m_lastKey)
            return m_lastValue;
        if (m_slots.isEmpty())
            m_slots.resize(kInitialSlots);
        const size_t h = hash(encoded);
        size_t mask = size_t(m_slots.size()) - 1;
        size_t i = h & mask;
        while (m_slots[qsizetype(i)].used) {
            const Slot &slot = m_slots[qsizetype(i)];
            if (slot.hash == h && slot.key == encoded)
                return remember(encoded, slot.value);
            i = (i + 1) & mask;
        }
        QString s = arena.make(src, n, wide);
        // Texts that never repeat must not grow the table without bound.
        if (m_used >= kMaxEntries) {
            m_slots.fill(Slot());
            m_used = 0;
        } else if (2 * (m_used + 1) > m_slots.size()) {
            grow();
        }
        mask = size_t(m_slots.size()) - 1;
        i = h & mask;
        while (m_slots[qsizetype(i)].used)
            i = (i + 1) & mask;
        m_slots[qsizetype(i)] = Slot {h, encoded, s, true};
        ++m_used;
        return remember(encoded, s);
    }

private:
    struct Slot
    {
        size_t hash = 0;
        QByteArrayView key;
        QString value;
        bool used = false;
    };

    static size_t hash(QByteArrayView key)
    {
        // FNV-1a over 8-byte words: plenty for folder names, far cheaper than a keyed hash.
        quint64 h = 0xcbf29ce484222325ULL ^ quint64(key.size());
        const char *p = key.data();
        qsizetype n = key.size();
        while (n >= 8) {
            quint64 w;
            std::memcpy(&w, p, 8);
            h = (h ^ w) * 0x100000001b3ULL;
            h ^= h >> 29;
            p += 8;
            n -= 8;
        }
        while (n-- > 0)
            h = (h ^ quint8(*p++)) * 0x100000001b3ULL;
        h ^= h >> 32;
        return size_t(h);
    }

    QString remember(QByteArrayView key, const QString &value)
    {
        m_lastKey = key;
        m_lastValue = value;
        m_hasLast = true;
        return value;
    }

    void grow()
    {
        QList<Slot> old = std::move(m_slots);
        m_slots = QList<Slot>(old.size() * 2);
        const size_t mask = size_t(m_slots.size()) - 1;
        for (Slot &slot : old) {
            if (!slot.used)
                continue;
            size_t i = slot.hash & mask;
            while (m_slots[qsizetype(i)].used)
                i = (i + 1) & mask;
            m_slots[qsizetype(i)] = std::move(slot);
        }
    }

    static constexpr qsizetype kInitialSlots = 64;
    static constexpr qsizetype kMaxEntries = 1 << 16;
    QList<Slot> m_slots;
    qsizetype m_used = 0;
    QByteArrayView m_lastKey;
    QString m_lastValue;
    bool m_hasLast = false;
};

class Reader
{
public:
    explicit Reader(QByteArrayView bytes) : m_data(bytes.data()), m_size(bytes.size()) { }

    qsizetype remaining() const { return m_size - m_pos; }
    bool failed() const { return !m_error.isEmpty(); }

    StoreResult result() const
    {
        return failed() ? StoreResult::failure(m_error) : StoreResult::success();
    }

    bool fail(const QString &what, qsizetype at = -1)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("The data is damaged at byte %1: %2.")
                          .arg(at < 0 ? m_pos : at)
                          .arg(what);
        return false;
    }

    bool u8(quint8 &v)
    {
        if (remaining() < 1)
            return fail(QStringLiteral("the file ends in the middle of a record"));
        v = quint8(m_data[m_pos++]);
        return true;
    }
    bool u16(quint16 &v)
    {
        if (remaining() < 2)
            return fail(QStringLiteral("the file ends in the middle of a record"));
        const auto *p = reinterpret_cast<const unsigned char *>(m_data + m_pos);
        v = quint16(p[0] | (p[1] << 8));
        m_pos += 2;
        return true;
    }
    bool u32(quint32 &v)
    {
        if (remaining() < 4)
            return fail(QStringLiteral("the file ends in the middle of a record"));
        const auto *p = reinterpret_cast<const unsigned char *>(m_data + m_pos);
        v = quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
        m_pos += 4;
        return true;
    }

    bool count(quint32 &n)
    {
        quint16 w = 0;
        if (!u16(w))
            return false;
        if (w != 0xFFFF) {
            n = w;
            return true;
        }
        return u32(n);
    }

    enum class Pool { Plain, Arena, Shared };

    bool string(QString &out, Pool pool = Pool::Plain, Interner *interner = nullptr)
    {
        const qsizetype start = m_pos;
        bool wide = false;
        quint32 n = 0;
        quint8 b = 0;
        if (!u8(b))
            return false;
        if (b < 0xFF) {
            n = b;
        } else {
            quint16 w = 0;
            if (!u16(w))
                return false;
            if (w == kWideMarker) {
                wide = true;
                if (!u8(b))
                    return false;
                if (b < 0xFF) {
                    n = b;
                } else {
                    if (!u16(w))
                        return false;
                    if (w == 0xFFFF) {
                        if (!u32(n))
                            return false;
                    } else {
                        n = w;
                    }
                }
            } else if (w == 0xFFFF) {
                if (!u32(n))
                    return false;
            } else {
                n = w;
            }
        }
        const qint64 bytes = qint64(n) * (wide ? 2 : 1);
        if (bytes > remaining())
            return fail(
                QStringLiteral("a text of %1 characters runs past the end of the file").arg(n),
                start);
        const char *src = m_data + m_pos;
        m_pos += qsizetype(bytes);
        switch (pool) {
        case Pool::Plain:
            out = n == 0 ? QString() : StringArena::decodePlain(src, n, wide);
            break;
        case Pool::Arena:
            out = m_arena.make(src, n, wide);
            break;
        case Pool::Shared:
            out = interner->get(QByteArrayView(m_data + start, m_pos - start), src, n, wide,
                                m_arena);
            break;
        }
        return true;
    }

    bool stringList(QStringList &out)
    {
        const qsizetype start = m_pos;
        quint32 n = 0;
        if (!count(n))
            return false;
        if (n > quint64(remaining())) // every string takes at least one byte
            return fail(QStringLiteral("a list of %1 texts is longer than the file").arg(n), start);
        if (n == 0)
            return true;
        out.reserve(out.size() + qsizetype(n));
        for (quint32 i = 0; i < n; ++i) {
            QString s;
            if (!string(s, Pool::Shared, &m_listInterner))
                return false;
            out.append(std::move(s));
        }
        return true;
    }

    // The tag before each object: a description of the expected class the first time, a
    // reference to it afterwards. Nothing else is written by a catalogue, so nothing else
    // is accepted.
    bool classTag(const char *className)
    {
        const qsizetype start = m_pos;
        quint16 tag = 0;
        if (!u16(tag))
            return false;
        if (tag == kClassReferenceTag && m_classSeen)
            return true;
        if (tag != kNewClassTag || m_classSeen)
            return fail(
                QStringLiteral("an unknown object tag %1").arg(tag, 4, 16, QLatin1Char('0')),
                start);
        quint16 schema = 0, nameLength = 0;
        if (!u16(schema) || !u16(nameLength))
            return false;
        if (schema != 0)
            return fail(
                QStringLiteral("a record version %1 this program does not know").arg(schema),
                start);
        if (nameLength > remaining())
            return fail(QStringLiteral("a class name runs past the end of the file"), start);
        const QByteArrayView name(m_data + m_pos, nameLength);
        m_pos += nameLength;
        if (name != QByteArrayView(className))
            return fail(QStringLiteral("records of the class \"%1\" instead of \"%2\"")
                            .arg(QString::fromLatin1(name.data(), name.size()),
                                 QString::fromLatin1(className)),
                        start);
        m_classSeen = true;
        return true;
    }

    bool atEnd()
    {
        if (remaining() == 0)
            return true;
        return fail(QStringLiteral("%1 bytes follow the end of the list").arg(remaining()));
    }

    StringArena m_arena;
    Interner m_listInterner;

private:
    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    bool m_classSeen = false;
    QString m_error;
};

// The fewest bytes one object entry can take: the reference tag, its strings (one byte each
// when empty) and the category count.
constexpr qsizetype kMinDiscEntry = 2 + 11 + 2;
constexpr qsizetype kMinFileEntry = 2 + 5 + 2;

template<typename List> bool readCount(Reader &in, List &out, qsizetype minEntry, quint32 &n)
{
    if (!in.count(n))
        return false;
    // Reserve no more than the bytes left could possibly hold.
    const qsizetype plausible = std::min<qsizetype>(n, in.remaining() / minEntry);
    out.reserve(out.size() + plausible);
    return true;
}

bool readDisc(Reader &in, CDisc &d)
{
    return in.string(d.m_strNumber) && in.string(d.m_strQuality) && in.string(d.m_strNotes)
        && in.string(d.m_strArtist) && in.string(d.m_strName) && in.string(d.m_strLocation)
        && in.string(d.m_strSavedDate) && in.string(d.m_strExtra1) && in.string(d.m_strExtra2)
        && in.string(d.m_strLendDate) && in.string(d.m_strDrive)
        && in.stringList(d.m_lstCategories);
}

} // namespace

QByteArray WriteDiscList(const CDiscList &discs)
{
    Writer out(16 + discs.size() * 96);
    out.count(quint32(discs.size()));
    bool first = true;
    for (const CDisc &d : discs) {
        out.classTag(first, "CDisc");
        first = false;
        out.string(d.m_strNumber);
        out.string(d.m_strQuality);
        out.string(d.m_strNotes);
        out.string(d.m_strArtist);
        out.string(d.m_strName);
        out.string(d.m_strLocation);
        out.string(d.m_strSavedDate);
        out.string(d.m_strExtra1);
        out.string(d.m_strExtra2);
        out.string(d.m_strLendDate);
        out.string(d.m_strDrive);
        out.stringList(d.m_lstCategories);
    }
    return out.take();
}

QByteArray WriteFileList(const CFileList &files)
{
    Writer out(16 + files.size() * 80);
    out.count(quint32(files.size()));
    bool first = true;
    for (const CFileData &f : files) {
        out.classTag(first, "CFileData");
        first = false;
        out.string(f.m_strFileName);
        out.string(f.m_strDiscNumber);
        out.string(f.m_strFolder);
        out.string(f.m_strSize);
        out.string(f.m_strDrive);
        out.stringList(f.m_lstCategories);
    }
    return out.take();
}

QByteArray WriteStringList(const QStringList &strings)
{
    Writer out(16 + strings.size() * 16);
    out.stringList(strings);
    return out.take();
}

StoreResult ReadDiscList(QByteArrayView bytes, CDiscList &out)
{
    Reader in(bytes);
    quint32 n = 0;
    if (!readCount(in, out, kMinDiscEntry, n))
        return in.result();
    for (quint32 i = 0; i < n; ++i) {
        CDisc d;
        if (!in.classTag("CDisc") || !readDisc(in, d))
            return in.result();
        out.append(std::move(d));
    }
    in.atEnd();
    return in.result();
}

StoreResult ReadFileList(QByteArrayView bytes, CFileList &out)
{
    Reader in(bytes);
    Interner discNumbers, folders, drives;
    quint32 n = 0;
    if (!readCount(in, out, kMinFileEntry, n))
        return in.result();
    using Pool = Reader::Pool;
    for (quint32 i = 0; i < n; ++i) {
        CFileData f;
        if (!in.classTag("CFileData") || !in.string(f.m_strFileName, Pool::Arena)
            || !in.string(f.m_strDiscNumber, Pool::Shared, &discNumbers)
            || !in.string(f.m_strFolder, Pool::Shared, &folders)
            || !in.string(f.m_strSize, Pool::Arena)
            || !in.string(f.m_strDrive, Pool::Shared, &drives) || !in.stringList(f.m_lstCategories))
            return in.result();
        out.append(std::move(f));
    }
    in.atEnd();
    return in.result();
}

StoreResult ReadStringList(QByteArrayView bytes, QStringList &out)
{
    Reader in(bytes);
    if (!in.stringList(out))
        return in.result();
    in.atEnd();
    return in.result();
}
