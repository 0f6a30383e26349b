#include "store/discnumbers.h"

#include <gtest/gtest.h>

namespace {

CDiscList discs(const QStringList &numbers)
{
    CDiscList out;
    for (const QString &n : numbers) {
        CDisc d;
        d.m_strNumber = n;
        out.append(d);
    }
    return out;
}

} // namespace

TEST(DiscNumbers, GapsAndNextNumberStayBoundedWhateverTheCatalogueHolds)
{
    const QString max = QString::number(kMaxDiscNumber);
    struct Case
    {
        QStringList numbers;
        QList<int> gaps; // the first ones
        qsizetype gapCount;
        int next;
    };
    const Case cases[] = {
        {{}, {}, 0, 1},
        {{"1", "2", "3"}, {}, 0, 4},
        {{"9", "5", "3", "5"}, {1, 2, 4, 6, 7, 8}, 6, 10},
        {{"4"}, {1, 2, 3}, 3, 5},
        // Text that atoi reads as 0, below 1 or above the bound counts for nothing.
        {{"abc", "-4", "3x", "99999999999999999999", "2147483647"}, {1, 2}, 2, 4},
        // At the bound the gaps stop there and the next scan takes the lowest free number.
        {{max, "1", "3"}, {2, 4, 5}, kMaxDiscNumber - 3, 2},
        {{"1", "2", max}, {3, 4}, kMaxDiscNumber - 3, 3},
    };
    for (const Case &c : cases) {
        const QList<int> gaps = CollectGaps(discs(c.numbers));
        EXPECT_EQ(gaps.mid(0, c.gaps.size()), c.gaps) << c.numbers.join(',').toStdString();
        EXPECT_EQ(gaps.size(), c.gapCount) << c.numbers.join(',').toStdString();
        EXPECT_EQ(NextDiscNumber(discs(c.numbers)), c.next) << c.numbers.join(',').toStdString();
    }

    // Every number taken: none is left for a scan.
    QStringList all;
    for (int n = 1; n <= kMaxDiscNumber; ++n)
        all << QString::number(n);
    EXPECT_EQ(NextDiscNumber(discs(all)), 0);

    // Typed numbers are plain decimal digits within the bound.
    for (const char *bad :
         {"", " ", "0", "-3", "+3", "12abc", "1 2", "1000000", "99999999999999999999"})
        EXPECT_EQ(ParseDiscNumber(QString::fromLatin1(bad)), std::nullopt) << bad;
    EXPECT_EQ(ParseDiscNumber(u" 007 "), 7);
    EXPECT_EQ(ParseDiscNumber(max), kMaxDiscNumber);
}
