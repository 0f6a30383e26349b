#include "resources/helpfile.h"
#include "resources/resourceicons.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

namespace {

// Every number a pane, a dialog or the frame asks for.
const int kUsedNumbers[] = {150, 153, 159, 166, 167, 168, 173, 175, 176, 179,
                            180, 181, 182, 183, 191, 232, 233, 249, 258};

int opaquePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}

} // namespace

// Every number a pane asks for gives a real drawing at every size (covering a good part of
// its square, not a full block), twice the pixels on high-DPI screens, and no two numbers look
// alike; unknown numbers give nothing.
TEST(ResourceIcons, EveryUsedNumberIsADrawingOfItsOwnAtEverySize)
{
    QSet<QByteArray> seen;
    for (int id : kUsedNumbers) {
        const QIcon icon = ResourceIcon(id);
        ASSERT_TRUE(HasResourceIcon(id) && !icon.isNull()) << id;
        for (int size : {16, 24, 32, 64}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size)) << id << " at " << size;
            const int covered = opaquePixels(image);
            EXPECT_GT(covered, size * size / 5) << id << " at " << size;
            EXPECT_LT(covered, size * size) << id << " at " << size;
            if (size == 32) {
                const QByteArray bits(reinterpret_cast<const char *>(image.constBits()),
                                      image.sizeInBytes());
                EXPECT_FALSE(seen.contains(bits)) << id << " looks like another picture";
                seen.insert(bits);
            }
        }
        EXPECT_EQ(icon.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32)) << id;
        EXPECT_FALSE(ResourceBitmap(id, QSize(24, 24)).isNull()) << id;
    }
    EXPECT_EQ(ResourceIconIds().size(), qsizetype(std::size(kUsedNumbers)));
    for (int id : {0, -1, 149, 151, 259, 1000})
        EXPECT_TRUE(ResourceIcon(id).isNull() && !HasResourceIcon(id)) << id;
    EXPECT_TRUE(ResourceBitmap(151).isNull());
}

TEST(HelpFile, FoundInTheDesktopDataDirectories)
{
    TestHome data;
    const QByteArray oldDirs = qgetenv("XDG_DATA_DIRS");
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.file(QStringLiteral("nothing-here"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
    EXPECT_TRUE(InstalledHelpFile().isEmpty()
                || !InstalledHelpFile().startsWith(QDir(data.path()).canonicalPath()));

    ASSERT_TRUE(data.write(QStringLiteral("doc/tavikon/help.html"), "<html></html>"));
    const QString found = InstalledHelpFile();
    qputenv("XDG_DATA_DIRS", oldDirs);
    qputenv("XDG_DATA_HOME", oldHome);
    EXPECT_EQ(found,
              QFileInfo(data.file(QStringLiteral("doc/tavikon/help.html"))).canonicalFilePath());
}
