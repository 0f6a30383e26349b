#include "files/listcompare.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char *first, *second;
    int type; // negative sorts descending
    int sign; // the expected sign of the result
};

TEST(CompareListTexts, GivesTheOrderOfEachType)
{
    const Case cases[]
        = {// integers: leading digits only, no text order, no overflow on far-apart values
           Case {"10", "9", SORT_INT, 1}, Case {"-5", "3", SORT_INT, -1},
           Case {"12abc", "12", SORT_INT, 0}, Case {"abc", "0", SORT_INT, 0},
           Case {"2147483647", "-2147483648", SORT_INT, 1}, Case {"10", "9", -SORT_INT, -1},
           // text without regard to case
           Case {"apple", "Banana", SORT_TEXT, -1}, Case {"ABC", "abc", SORT_TEXT, 0},
           Case {"Zebra", "apple", -SORT_TEXT, -1}, Case {"Ärger", "ärger", SORT_TEXT, 0},
           // dates as the program writes them; no date goes before every date
           Case {"December 05 2026", "January 01 2027", SORT_DATE, -1},
           Case {"March 3, 2020", "March 4, 2020", SORT_DATE, -1},
           Case {"not a date", "December 05 2026", SORT_DATE, -1}, Case {"?", "", SORT_DATE, 0},
           Case {"December 05 2026", "January 01 2027", -SORT_DATE, 1},
           // decimals: equal counts as greater
           Case {"1.5", "10", SORT_DECIMAL, -1}, Case {"2", "2", SORT_DECIMAL, 1},
           Case {"abc", "-1", SORT_DECIMAL, 1}, Case {"1e3", "999.9", SORT_DECIMAL, 1},
           // the number before the first blank, as in "1.500 MB"
           Case {"9.000 MB", "10.000 MB", SORT_LEADING_NUMBER, -1},
           Case {"5", "1 MB", SORT_LEADING_NUMBER, -1},
           Case {"9.000 MB", "10.000 MB", -SORT_LEADING_NUMBER, 1},
           // unknown types leave the order alone
           Case {"1", "2", 0, 0}, Case {"1", "2", 9, 0}};
    for (const auto &c : cases) {
        const int r
            = CompareListTexts(QString::fromUtf8(c.first), QString::fromUtf8(c.second), c.type);
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.first << " vs " << c.second << " type " << c.type;
    }
}

TEST(SortedRowOrder, SortsBothWaysAndKeepsEqualRowsInPlace)
{
    const QStringList sizes = {"10.000 MB", "9.000 MB", "10.000 MB", "0.001 MB"};
    EXPECT_EQ(SortedRowOrder(sizes, SORT_LEADING_NUMBER, true), (QList<int> {3, 1, 0, 2}));
    EXPECT_EQ(SortedRowOrder(sizes, SORT_LEADING_NUMBER, false), (QList<int> {0, 2, 1, 3}));

    const QStringList names = {"b", "B", "a", "A"};
    EXPECT_EQ(SortedRowOrder(names, SORT_TEXT, true), (QList<int> {2, 3, 0, 1}));
    EXPECT_EQ(SortedRowOrder(names, SORT_TEXT, false), (QList<int> {0, 1, 2, 3}));

    // Rows that are no dates come first, in their order.
    const QStringList dates = {"May 02 2021", "?", "may 1, 2021", "", "Feb 30 2021", "May 03 2021"};
    EXPECT_EQ(SortedRowOrder(dates, SORT_DATE, true), (QList<int> {1, 3, 4, 2, 0, 5}));
    EXPECT_EQ(SortedRowOrder(dates, SORT_DATE, false), (QList<int> {5, 0, 2, 1, 3, 4}));

    EXPECT_EQ(SortedRowOrder({"x", "y"}, 42, true), (QList<int> {0, 1}));
    EXPECT_TRUE(SortedRowOrder({}, SORT_TEXT, true).isEmpty());
}

TEST(AtofText, ReadsTheLeadingNumberWithAPointWhateverTheLocale)
{
    const std::pair<const char16_t *, double> cases[]
        = {{u"1.5e3x", 1500.0}, {u"  -2.25 MB", -2.25}, {u".5", 0.5}, {u"1e", 1.0},
           {u"1,5", 1.0},       {u"abc", 0.0},          {u"-", 0.0},  {u"", 0.0}};
    for (const auto &[text, value] : cases)
        EXPECT_DOUBLE_EQ(atofText(text), value) << QString::fromUtf16(text).toStdString();
}

} // namespace
