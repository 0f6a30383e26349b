#include "store/textnumbers.h"

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
