#include "store/treetext.h"

#include <gtest/gtest.h>

namespace {

// "label@parent" per node, with "*" marking the disc images, for compact comparison.
QStringList shape(const QList<TreeTextNode> &nodes)
{
    QStringList out;
    for (const TreeTextNode &n : nodes)
        out.append(n.label + u'@' + QString::number(n.parent)
                   + (n.disc ? QStringLiteral("*") : QString()));
    return out;
}

} // namespace

TEST(TreeText, WritesTabsLabelsAndCrLfAndKeepsEveryCharacter)
{
    const QList<TreeTextLine> lines = {{0, QStringLiteral("1 Holiday")},
                                       {1, QStringLiteral("Photos")},
                                       {2, QStringLiteral("Day1")},
                                       {0, QStringLiteral("2 Music")},
                                       {1, QStringLiteral("Rock")}};
    const QByteArray text = WriteTreeText(lines);
    EXPECT_EQ(text, QByteArray("1 Holiday\r\n\tPhotos\r\n\t\tDay1\r\n2 Music\r\n\tRock\r\n"));
    EXPECT_EQ(shape(ReadTreeText(text)),
              QStringList({"1 Holiday@-1*", "Photos@0", "Day1@1", "2 Music@-1*", "Rock@3"}));
    EXPECT_TRUE(WriteTreeText({}).isEmpty());
    EXPECT_TRUE(ReadTreeText({}).isEmpty());

    // Labels keep every character.
    const QList<TreeTextLine> odd = {{0, QString::fromUtf8("3 Café €")},
                                     {1, QString::fromUtf8("日本語")},
                                     {1, QString::fromUtf8("Ã©")},
                                     {1, QStringLiteral("plain")}};
    const QByteArray oddText = WriteTreeText(odd);
    // Labels that fit Windows-1252 are written in it, the others in UTF-8.
    EXPECT_TRUE(oddText.startsWith("3 Caf\xE9 \x80\r\n"));
    EXPECT_TRUE(oddText.contains("\t"
                                 "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"
                                 "\r\n"));
    const QList<TreeTextNode> back = ReadTreeText(oddText);
    ASSERT_EQ(back.size(), odd.size());
    for (qsizetype i = 0; i < odd.size(); ++i)
        EXPECT_EQ(back[i].label, odd[i].label);
    // Bytes that are not UTF-8 read as Windows-1252.
    EXPECT_EQ(ReadTreeText("1 \xC3\x28\x9D")[0].label, QString::fromUtf8("1 Ã(") + QChar(0x9D));
}

TEST(TreeText, ReadsRelativeLevelsAndForgivesOddLines)
{
    // The first line sets the base level; blank lines are skipped; a jump of two levels
    // makes a child; a line left of the base goes to the top level as a folder.
    const QByteArray text(
        "\t\t1 A\n\n\t\t\tB\r\n\t\t\t\t\tC\r\t\t\tD\r\n\t\t2 E\r\n\tF\n\t\t\t\r\nG");
    EXPECT_EQ(shape(ReadTreeText(text)),
              QStringList({"1 A@-1*", "B@0", "C@1", "D@0", "2 E@-1*", "F@-1", "G@-1"}));

    // Going up several levels at once lands beside the right ancestor.
    EXPECT_EQ(shape(ReadTreeText("1 A\r\n\tB\r\n\t\tC\r\n\t\t\tD\r\n\tE\r\n")),
              QStringList({"1 A@-1*", "B@0", "C@1", "D@2", "E@0"}));
}
