#include "store/archive.h"
#include "support/records.h"

#include <QFile>

#include <gtest/gtest.h>

#include <random>
#include <utility>

namespace {

QByteArray golden(const char *name)
{
    QFile f(QStringLiteral(TAVIKON_STORE_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

CDisc makeDisc(const QString &number, const QString &name, const QString &location,
               const QStringList &categories, const QString &lend = {})
{
    CDisc d = MakeDisc(number, name);
    d.m_strQuality = QStringLiteral("CD");
    d.m_strNotes = QStringLiteral("some notes");
    d.m_strArtist = QStringLiteral("Artist");
    d.m_strLocation = location;
    d.m_strSavedDate = QStringLiteral("May 01, 2025");
    d.m_strLendDate = lend;
    d.m_strDrive = QStringLiteral("sr0:\\");
    d.m_lstCategories = categories;
    return d;
}

CFileList goldenFiles()
{
    QString odd;
    for (char16_t c : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x20AC, 0xFF})
        odd += QChar(c);
    return {MakeFile("1", "sr0:\\music\\", "Track 01.mp3", "4096"),
            MakeFile("1", "sr0:\\music\\", QString::fromUtf8("日本語.txt"), "12", {"Music"}),
            MakeFile("2", "sr0:\\", odd, "-5")};
}

} // namespace

// The bytes of the files other copies of the program read and write; they must never drift.
TEST(Archive, GoldenFilesReadAndWriteByteForByte)
{
    CDisc fresh = MakeDisc("1", "Unbennant");
    fresh.m_strSavedDate = QStringLiteral("December 05, 2026");
    fresh.m_strDrive = QStringLiteral("E:\\");
    const QByteArray oneDisc = golden("one_disc.dat");
    EXPECT_EQ(WriteDiscList({fresh}), oneDisc);
    CDiscList discs;
    ASSERT_TRUE(ReadDiscList(oneDisc, discs).ok());
    ASSERT_EQ(discs.size(), 1);
    EXPECT_EQ(discs[0], fresh);
    EXPECT_TRUE(discs[0].m_strOldNumber.isEmpty());

    const CDiscList two
        = {makeDisc(QStringLiteral("2"), QStringLiteral("Music"), QStringLiteral("home"), {}),
           makeDisc(QStringLiteral("1"), QStringLiteral("Holiday"), QStringLiteral("Anna"),
                    {QStringLiteral("Music"), QStringLiteral("Video")},
                    QStringLiteral("June 02 2025"))};
    const QByteArray twoBytes = golden("two_discs.dat");
    EXPECT_EQ(WriteDiscList(two), twoBytes);
    EXPECT_EQ(twoBytes.count("CDisc"), 1) << "the second disc refers to the class described once";
    EXPECT_TRUE(twoBytes.contains(QByteArray("\x01\x80", 2)));
    discs.clear();
    ASSERT_TRUE(ReadDiscList(twoBytes, discs).ok());
    EXPECT_EQ(discs, two);

    // A wide name, and the five bytes Windows-1252 leaves undefined, both come back unchanged.
    const QByteArray filesBytes = golden("files.dat");
    EXPECT_EQ(WriteFileList(goldenFiles()), filesBytes);
    CFileList files;
    ASSERT_TRUE(ReadFileList(filesBytes, files).ok());
    EXPECT_EQ(files, goldenFiles());

    EXPECT_EQ(WriteDiscList({}), QByteArray("\0\0", 2));
    EXPECT_EQ(WriteFileList({}), golden("empty_list.dat"));
    EXPECT_EQ(WriteStringList({}), golden("empty_list.dat"));
}

TEST(Archive, StringPrefixesCountsAndWideForm)
{
    const QStringList longOnes
        = {QString(254, u'a'), QString(255, u'b'), QString(65533, u'c'), QString(65534, u'd')};
    const QByteArray bytes = golden("long_strings.dat");
    EXPECT_EQ(WriteStringList(longOnes), bytes);
    EXPECT_EQ(bytes.mid(2, 1), QByteArray("\xFE"));
    EXPECT_EQ(bytes.mid(3 + 254, 3), QByteArray("\xFF\xFF\x00", 3));
    EXPECT_EQ(bytes.mid(bytes.indexOf('d') - 7, 7), QByteArray("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7));
    QStringList read;
    ASSERT_TRUE(ReadStringList(bytes, read).ok());
    EXPECT_EQ(read, longOnes);

    const QStringList many(65535, QString());
    const QByteArray countBytes = golden("count_65535.dat");
    EXPECT_EQ(WriteStringList(many), countBytes);
    EXPECT_EQ(countBytes.left(6), QByteArray("\xFF\xFF\xFF\xFF\x00\x00", 6));
    read.clear();
    ASSERT_TRUE(ReadStringList(countBytes, read).ok());
    EXPECT_EQ(read.size(), 65535);

    // Only what does not fit the code page takes the wide form; the euro sign fits.
    const QStringList wide
        = {QString::fromUtf8("Café ☃"), QString::fromUtf8("Café €"), QString(300, QChar(0x416))};
    const QByteArray wideBytes = golden("wide_strings.dat");
    EXPECT_EQ(WriteStringList(wide), wideBytes);
    EXPECT_EQ(wideBytes.mid(2, 4), QByteArray("\xFF\xFE\xFF\x06", 4));
    read.clear();
    ASSERT_TRUE(ReadStringList(wideBytes, read).ok());
    EXPECT_EQ(read, wide);

    // Every byte value in a narrow string reads as one character and writes back as that byte.
    QByteArray all = QByteArray::fromHex("0100ff0001");
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    read.clear();
    ASSERT_TRUE(ReadStringList(all, read).ok());
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].size(), 256);
    EXPECT_EQ(WriteStringList(read), all);
}

TEST(Archive, RandomCataloguesRoundTrip)
{
    std::mt19937 rng(7);
    const auto text = [&](int maxLength) {
        QString s;
        const int n = int(rng() % (maxLength + 1));
        // Printable, any narrow byte, a range where many need the wide form, anything.
        static constexpr int from[] = {0x20, 0, 0x80, 1}, span[] = {95, 256, 0x700, 0xD7FF};
        const int kind = int(rng() % 4);
        for (int i = 0; i < n; ++i)
            s += QChar(char16_t(from[kind] + rng() % span[kind]));
        return s;
    };
    for (int round = 0; round < 20; ++round) {
        CDiscList discs;
        CFileList files;
        QStringList categories;
        for (int i = int(rng() % 30); i > 0; --i) {
            CDisc d;
            for (QString CDisc::*field :
                 {&CDisc::m_strNumber, &CDisc::m_strName, &CDisc::m_strLocation,
                  &CDisc::m_strQuality, &CDisc::m_strArtist, &CDisc::m_strDrive,
                  &CDisc::m_strSavedDate, &CDisc::m_strLendDate, &CDisc::m_strExtra1,
                  &CDisc::m_strExtra2})
                d.*field = text(20);
            d.m_strNotes = text(rng() % 10 == 0 ? 700 : 30); // now and then a long one
            for (int c = int(rng() % 4); c > 0; --c)
                d.m_lstCategories.append(text(12));
            discs.append(d);
        }
        for (int i = int(rng() % 300); i > 0; --i) {
            CFileData f = MakeFile(text(3), text(80), text(60), text(10));
            f.m_strDrive = text(5);
            for (int c = int(rng() % 3); c > 0; --c)
                f.m_lstCategories.append(text(12));
            files.append(f);
        }
        for (int i = int(rng() % 20); i > 0; --i)
            categories.append(text(30));

        CDiscList discsBack;
        CFileList filesBack;
        QStringList categoriesBack;
        ASSERT_TRUE(ReadDiscList(WriteDiscList(discs), discsBack).ok());
        ASSERT_TRUE(ReadFileList(WriteFileList(files), filesBack).ok());
        ASSERT_TRUE(ReadStringList(WriteStringList(categories), categoriesBack).ok());
        EXPECT_EQ(discsBack, discs);
        EXPECT_EQ(filesBack, files);
        EXPECT_EQ(categoriesBack, categories);
    }
}

// Strings read into shared blocks behave like any other: changing one leaves the others.
TEST(Archive, ReadStringsAreIndependentValues)
{
    CFileList files;
    ASSERT_TRUE(ReadFileList(golden("files.dat"), files).ok());
    CFileList copy = files;
    files[0].m_strFileName.append(QStringLiteral(" (changed)"));
    files[0].m_strSize.resize(1);
    files[1].m_strFolder[0] = u'X';
    EXPECT_EQ(copy, goldenFiles());
    EXPECT_EQ(files[1].m_strFileName + files[0].m_strFolder,
              goldenFiles()[1].m_strFileName + "sr0:\\music\\");
    // A single string outlives its list and the rest of its block.
    QString survivor = files[2].m_strFileName;
    files.clear();
    copy.clear();
    EXPECT_EQ(survivor, goldenFiles()[2].m_strFileName);
    EXPECT_EQ(survivor.utf16()[survivor.size()], 0);
}

// Cutting a file anywhere ends in a failure that keeps the whole records before the cut.
TEST(Archive, TruncationKeepsEarlierRecords)
{
    const QByteArray discBytes = golden("two_discs.dat");
    const qsizetype firstEnd = discBytes.indexOf("\x01\x80", 4);
    ASSERT_GT(firstEnd, 0);
    for (qsizetype cut = 0; cut < discBytes.size(); ++cut) {
        CDiscList discs;
        const StoreResult r = ReadDiscList(QByteArrayView(discBytes).first(cut), discs);
        EXPECT_FALSE(r.ok()) << cut;
        EXPECT_TRUE(r.message().contains(QLatin1String("damaged"))) << r.message().toStdString();
        EXPECT_EQ(discs.size(), cut >= firstEnd ? 1 : 0) << cut;
    }

    const QByteArray fileBytes = golden("files.dat");
    CFileList all;
    ASSERT_TRUE(ReadFileList(fileBytes, all).ok());
    for (qsizetype cut = 0; cut < fileBytes.size(); ++cut) {
        CFileList files;
        EXPECT_FALSE(ReadFileList(QByteArrayView(fileBytes).first(cut), files).ok());
        ASSERT_LE(files.size(), 2);
        EXPECT_EQ(files, all.first(files.size()));
        // The records kept always end before the cut.
        EXPECT_LE(WriteFileList(files).size() - 2, cut);
    }

    // Extra bytes after the list mean the list is not what was written.
    QStringList categories;
    EXPECT_FALSE(ReadStringList(golden("default_categories.dat") + "x", categories).ok());
    EXPECT_EQ(categories.size(), 8);
}

// Any bytes end in records or a failure: no crash, no hang, no allocation beyond the input.
TEST(Archive, DamagedBytesFailCleanly)
{
    const QByteArray base = golden("two_discs.dat");
    for (qsizetype i = 0; i < base.size(); ++i) {
        for (char v : {'\x00', '\x01', '\x7F', '\x80', '\xFE', '\xFF'}) {
            QByteArray bad = base;
            bad[i] = v;
            CDiscList discs;
            const StoreResult r = ReadDiscList(bad, discs);
            EXPECT_LE(discs.size(), 2);
            EXPECT_TRUE(r.ok() || !r.message().isEmpty());
        }
    }
    const QByteArray fileBase = golden("files.dat");
    for (qsizetype i = 0; i < fileBase.size(); ++i) {
        QByteArray bad = fileBase;
        bad[i] = char(bad[i] ^ 0xFF);
        CFileList files;
        ReadFileList(bad, files);
        EXPECT_LE(files.size(), 3);
    }

    const std::pair<QByteArray, const char *> cases[] = {
        {QByteArray(), "empty"},
        {QByteArray::fromHex("ffffffffff7f"), "a huge count"},
        {QByteArray::fromHex("0100ffff01000500") + "CDisc", "schema 1"},
        {QByteArray::fromHex("0100ffff00000900") + "CFileData", "the wrong class"},
        {QByteArray::fromHex("01000180"), "a class never described"},
        {QByteArray::fromHex("01000200"), "an object reference"},
        {QByteArray::fromHex("0100ffff0000ffff") + "CDisc", "a class name past the end"},
        {QByteArray::fromHex("0100ffff00000500") + "CDisc" + QByteArray::fromHex("ffffffffffff7f"),
         "a huge string"},
        {QByteArray::fromHex("0100ffff00000500") + "CDisc"
             + QByteArray::fromHex("fffeffffffffffff7f"),
         "a huge wide string"},
    };
    for (const auto &[bytes, why] : cases) {
        CDiscList discs;
        EXPECT_FALSE(ReadDiscList(bytes, discs).ok()) << why;
        EXPECT_TRUE(discs.isEmpty()) << why;
    }
    QStringList strings;
    EXPECT_FALSE(ReadStringList(QByteArray("\xFF\xFF\x00\x00\x00\x40\x00", 7), strings).ok());
    EXPECT_TRUE(strings.isEmpty());
}
