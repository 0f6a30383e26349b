#include "store/catalogdates.h"
#include "store/textnumbers.h"

#include <QLocale>

#include <gtest/gtest.h>

TEST(TextNumbers, SizesReadAsPeopleWriteThemAndStoredTextReadsBack)
{
    const qint64 KiB = 1024, MiB = KiB * KiB, GiB = MiB * KiB;
    const std::pair<qint64, const char *> sizes[] = {
        {0, "0 B"},
        {6, "6 B"},
        {999, "999 B"},
        {1000, "0.98 KB"},
        {1434, "1.4 KB"},
        {1023 * KiB, "1 MB"},
        {700 * MiB, "700 MB"},
        {qint64(4.37 * GiB), "4.37 GB"},
        {5 * GiB, "5 GB"},
        {2048 * GiB * KiB, "2048 TB"},
        {-5, "0 B"},
    };
    for (const auto &[bytes, text] : sizes)
        EXPECT_EQ(FormatSize(bytes), QLatin1String(text)) << bytes;

    // Older catalogues hold the low 32 bits as a signed number.
    EXPECT_EQ(SizeFromText(u"5368709120"), 5 * GiB);
    EXPECT_EQ(SizeFromText(u"-1"), 0xFFFFFFFFLL);
    EXPECT_EQ(SizeFromText(u"abc"), 0);
    EXPECT_EQ(atoiText(u"  12abc"), 12);
    EXPECT_EQ(atoiText(u"99999999999999999999"), std::numeric_limits<int>::max());
}

TEST(CatalogDates, WrittenInEnglishWhateverTheLocaleAndReadBackInBothForms)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatLendDate(QDate(2003, 12, 5)), "December 05 2003");
    EXPECT_EQ(FormatLendDate(QDate(2026, 5, 31)), "May 31 2026");
    QLocale::setDefault(before);

    const std::pair<const char16_t *, QDate> cases[] = {
        {u"December 05 2003", QDate(2003, 12, 5)},
        {u"December 05, 2026", QDate(2026, 12, 5)},
        {u" sep 9 2001 ", QDate(2001, 9, 9)},
        {u"Dezember 05 2003", QDate()},
        {u"February 30 2021", QDate()},
        {u"May 1 2021 x", QDate()},
        {u"", QDate()},
        {u"Ma 1 2021", QDate()},
    };
    for (const auto &[text, date] : cases)
        EXPECT_EQ(ParseCatalogDate(text), date) << QString::fromUtf16(text).toStdString();
}
