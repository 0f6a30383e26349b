#include "resources/helpfile.h"
#include "resources/resourceicons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

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

TEST(ResourceIcons, EveryUsedNumberResolvesToAPictureAtEverySize)
{
    for (int id : kUsedNumbers) {
        EXPECT_TRUE(HasResourceIcon(id)) << id;
        const QIcon icon = ResourceIcon(id);
        ASSERT_FALSE(icon.isNull()) << id;
        for (int size : {16, 24, 32, 64}) {
            const QImage image = icon.pixmap(size, size).toImage();
            ASSERT_EQ(image.size(), QSize(size, size)) << id << " at " << size;
            // A real drawing covers a good part of its square, and is not a full block.
            const int covered = opaquePixels(image);
            EXPECT_GT(covered, size * size / 5) << id << " at " << size;
            EXPECT_LT(covered, size * size) << id << " at " << size;
        }
        // High-DPI screens ask for twice the pixels.
        const QPixmap hidpi = icon.pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(hidpi.size(), QSize(32, 32)) << id;
        EXPECT_EQ(ResourceBitmap(id, QSize(24, 24)).isNull(), false) << id;
    }
    EXPECT_EQ(ResourceIconIds().size(), qsizetype(std::size(kUsedNumbers)));
}

TEST(ResourceIcons, DifferentThingsLookDifferentAndUnknownNumbersAreEmpty)
{
    // The numbers that share a picture on purpose are the same thing; all else differs.
    QSet<QString> seen;
    for (int id : kUsedNumbers) {
        const QImage image = ResourceIcon(id).pixmap(32, 32).toImage();
        const QString key = QString::fromLatin1(
            QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes())
                .toBase64());
        EXPECT_FALSE(seen.contains(key)) << id << " looks like another picture";
        seen.insert(key);
    }
    for (int id : {0, -1, 149, 151, 259, 1000})
        EXPECT_TRUE(ResourceIcon(id).isNull()) << id;
    EXPECT_TRUE(ResourceBitmap(151).isNull());
    EXPECT_FALSE(HasResourceIcon(151));
}

TEST(HelpFile, FoundInTheDesktopDataDirectories)
{
    QTemporaryDir data;
    const QByteArray oldDirs = qgetenv("XDG_DATA_DIRS");
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.filePath(QStringLiteral("nothing-here"))));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
    EXPECT_TRUE(InstalledHelpFile().isEmpty()
                || !InstalledHelpFile().startsWith(QDir(data.path()).canonicalPath()));

    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("doc/tavikon")));
    QFile help(data.filePath(QStringLiteral("doc/tavikon/help.html")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html></html>");
    help.close();
    const QString found = InstalledHelpFile();
    qputenv("XDG_DATA_DIRS", oldDirs);
    qputenv("XDG_DATA_HOME", oldHome);
    EXPECT_EQ(found, QFileInfo(help).canonicalFilePath());
}
