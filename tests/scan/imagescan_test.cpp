#include "disclayout.h"
#include "mediamaker.h"
#include "support/fakeprompter.h"

#include "files/fileopener.h"

#include "media/archivelister.h"
#include "media/imagelocations.h"
#include "media/imagereader.h"
#include "media/treesource.h"
#include "platform/imagefileopener.h"
#include "scan/discwalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// The walk's folder tree as tree text lines and its records as "folder name size".
QStringList walked(DiscWalk &walk)
{
    QStringList out;
    for (const WalkFolder &f : walk.Folders())
        out.append(QString(f.depth - 1, u'\t') + f.label);
    for (const CFileData &f : walk.Files())
        out.append(f.m_strDrive + ' ' + f.m_strFolder + f.m_strFileName + ' ' + f.m_strSize);
    return out;
}

QStringList scanFolder(const QString &folder, bool bLookInside = false)
{
    DiscWalk walk(folder, "HOLIDAY2019:\\", "7");
    walk.SetLookInsideArchives(bLookInside);
    EXPECT_TRUE(walk.Run());
    return walked(walk) + walk.BadArchives();
}

QStringList scanImage(const QString &image, bool bLookInside = false)
{
    ImageOptions options;
    options.bLookInside = bLookInside;
    DiscWalk walk(std::make_unique<ImageSource>(image, options), "HOLIDAY2019:\\", "7");
    walk.SetLookInsideArchives(bLookInside);
    EXPECT_TRUE(walk.Run());
    EXPECT_TRUE(walk.RootReadable()) << walk.SourceError().toStdString();
    return walked(walk) + walk.BadArchives();
}

bool fill(const QString &root, bool bAsciiOnly)
{
    DiscLayout disc(root);
    bool ok = disc.folder("Music") && disc.folder("Music/Live Recordings 2019")
        && disc.file("Music/Live Recordings 2019/Song With A Very Long Name Indeed.MP3", 1500)
        && disc.file("Music/Intro.mp3", 20) && disc.folder("Photos") && disc.folder("Photos/Day1")
        && disc.file("Photos/Day1/IMG_0001.JPG", 3000) && disc.file("Photos/lower.jpeg", 100)
        && disc.folder("empty") && disc.file("README.TxT", 5);
    const QByteArray unicode = QString("Ünïcödé 日本").toUtf8();
    // A second name of the same file: images keep its data once.
    if (!bAsciiOnly)
        ok = ok
            && ::link(QFile::encodeName(disc.path("Photos/Day1/IMG_0001.JPG")),
                      QFile::encodeName(disc.path("Music/cover.jpg")))
                == 0
            && disc.folder(unicode)
            && disc.file(unicode + "/" + QString("ファイル.txt").toUtf8(), 7);
    return ok;
}

} // namespace

// Scanning an image gives exactly what scanning the folder it was made from gives: the long,
// mixed-case names of Rock Ridge, Joliet and UDF, never the 8.3 names beside them.
TEST(ImageScan, EachKindOfImageGivesTheRecordsOfItsFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("full") && QDir(dir.path()).mkpath("ascii"));
    ASSERT_TRUE(fill(dir.filePath("full"), false) && fill(dir.filePath("ascii"), true));
    const struct
    {
        const char *kind;
        const char *source;
        const char *command;
        const char *format;
    } images[] = {
        {"joliet", "full", "genisoimage -quiet -J -V HOLIDAY2019 -o \"$2\" \"$1\"", "ISO 9660"},
        {"rockridge", "full",
         "xorriso -as mkisofs -quiet -R -V HOLIDAY2019 -o \"$2\" \"$1\" 2>/dev/null", "ISO 9660"},
        {"udf-bridge", "full", "genisoimage -quiet -udf -V HOLIDAY2019 -o \"$2\" \"$1\"", "UDF"},
        // Extended file entries, which UDF 2.00 and later write.
        {"udf-2.01", "ascii",
         "truncate -s 40M \"$2\" && mkudffs --media-type=hd --blocksize=2048 --udfrev=2.01 "
         "--label=HOLIDAY2019 --uuid=0123456789abcdef \"$2\" >/dev/null && cd \"$1\" && printf "
         "'cd 0123456789abcdefLinuxUDF:HOLIDAY2019:HOLIDAY2019:LinuxUDF\\nmput Music Photos "
         "empty README.TxT\\nsync\\nquit\\n' | udfclient -b 2048 -W \"$2\" >/dev/null 2>&1",
         "UDF"},
    };
    for (const auto &image : images) {
        SCOPED_TRACE(image.kind);
        const QString source = dir.filePath(image.source);
        const QString path = dir.filePath(QString(image.kind) + ".iso");
        ASSERT_TRUE(Shell(image.command, source, path));
        const QStringList expected = scanFolder(source);
        ASSERT_GE(expected.size(), 10);
        EXPECT_EQ(scanImage(path), expected);
        const ImageContents probe = ProbeImage(path);
        EXPECT_EQ(probe.label + ' ' + probe.format, "HOLIDAY2019 " + QString(image.format));
    }
}

// A file of more than 4 GiB is stored in several extents. The image is made from a sparse
// file and kept sparse: only its head, where the folders are, is written.
TEST(ImageScan, AFileOver4GiBKeepsItsSize)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.folder("src") && disc.folder("src/Video")
                && disc.file("src/Video/Film.mkv", 4LL * 1024 * 1024 * 1024 + 1)
                && disc.file("src/small.txt", 2));
    const QString image = dir.filePath("big.iso");
    ASSERT_TRUE(Shell("opts='-quiet -R -J -iso-level 3'; "
                      "n=$(xorriso -as mkisofs $opts -print-size \"$1\" 2>/dev/null) && "
                      "{ xorriso -as mkisofs $opts -o - \"$1\" 2>/dev/null | head -c 1048576 > "
                      "\"$2\"; } && truncate -s $((n * 2048)) \"$2\"",
                      disc.path("src"), image));
    EXPECT_EQ(scanImage(image), scanFolder(disc.path("src")));
    EXPECT_TRUE(
        scanImage(image).contains("holiday2019:\\ holiday2019:\\video\\Film.mkv 4294967297"));
}

// A file that is not an image, a cut-off copy and a damaged one: a message, nothing recorded.
TEST(ImageScan, BadImagesAreRefusedWithAReason)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.folder("src") && disc.file("src/a.txt", 300000) && disc.folder("src/d"));
    const QString good = dir.filePath("good.iso");
    ASSERT_TRUE(MakeIso(disc.path("src"), good));
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QByteArray damaged = bytes;
    for (qsizetype i = 16 * 2048 + 1; i < 40 * 2048; i += 7)
        damaged[i] = char(0xA5);
    const struct
    {
        const char *name;
        QByteArray bytes;
        const char *reason;
    } cases[] = {
        {"text", "just some text\n", "is not a disc image"},
        {"truncated", bytes.left(bytes.size() - 200 * 1024), "is truncated"},
        {"head-only", bytes.left(20 * 2048), ""},
        {"damaged", damaged, ""},
        {"empty", QByteArray(), "is not a disc image"},
    };
    for (const auto &bad : cases) {
        SCOPED_TRACE(bad.name);
        const QString path = dir.filePath(bad.name);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bad.bytes) == bad.bytes.size());
        out.close();
        DiscWalk walk(std::make_unique<ImageSource>(path, ImageOptions()), "X:\\", "1");
        walk.Run();
        EXPECT_FALSE(walk.RootReadable());
        EXPECT_TRUE(walk.Files().isEmpty() && walk.Folders().isEmpty());
        EXPECT_TRUE(walk.SourceError().contains(bad.reason)) << walk.SourceError().toStdString();
    }
    // Kept by the image fuzzer: its folders lead back into each other, and libarchive gives
    // the same entries without end, keeping each; the count of entries read ends it.
    ImageOptions options;
    options.limits.maxEntries = 20000;
    const ImageContents loop = ReadImage(TAVIKON_MEDIA_DATA "/fuzz-iso-folder-loop.iso", options);
    EXPECT_FALSE(loop.bOk);
    EXPECT_EQ(loop.error, "holds more files and folders than can be catalogued");
}

// Every kind of archive is looked into, alike on a folder and on images of it; a damaged, an
// encrypted and a nested archive stay plain files.
TEST(ImageScan, ArchivesAreLookedIntoOneLevelDeep)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.folder("content") && disc.folder("content/2019")
                && disc.folder("content/2019/Sub") && disc.folder("disc")
                && disc.folder("disc/Backup"));
    ASSERT_TRUE(
        Shell("cd \"$1\" && printf 12345 > 2019/IMG_0001.jpg && printf ab > 2019/Sub/deep.txt",
              disc.path("content")));
    const QString make = "cd \"$1\" && ";
    for (const char *name :
         {"photos.zip", "docs.7z", "plain.tar", "a.tar.gz", "b.tar.bz2", "c.tar.xz", "d.tar.zst"})
        ASSERT_TRUE(Shell(make + "bsdtar -acf \"$2\" 2019", disc.path("content"),
                          disc.path("disc/Backup/") + name));
    ASSERT_TRUE(Shell(make + "gcab -c \"$2\" 2019/IMG_0001.jpg 2019/Sub/deep.txt",
                      disc.path("content"), disc.path("disc/Backup/f.cab")));
    QFile rar(disc.path("disc/Backup/e.rar"));
    ASSERT_TRUE(rar.open(QIODevice::WriteOnly));
    rar.write(Rar5({{"2019/", ""}, {"2019/IMG_0001.jpg", "12345"}, {"2019/Sub/deep.txt", "ab"}}));
    rar.close();
    ASSERT_TRUE(Shell(make + "zip -q -P secret \"$2\" 2019/IMG_0001.jpg", disc.path("content"),
                      disc.path("disc/Backup/locked.zip")));
    ASSERT_TRUE(
        Shell(make
                  + "head -c 300 \"$2/../Backup/photos.zip\" > \"$2/broken.zip\" && "
                    "cp \"$2/photos.zip\" inner.zip && bsdtar -acf \"$2/outer.zip\" inner.zip",
              disc.path("content"), disc.path("disc/Backup")));

    const QStringList folder = scanFolder(disc.path("disc"), true);
    for (const char *archive : {"photos.zip", "docs.7z", "plain.tar", "a.tar.gz", "b.tar.bz2",
                                "c.tar.xz", "d.tar.zst", "e.rar", "f.cab"}) {
        const QString inside = QString("holiday2019:\\ holiday2019:\\backup\\") + archive;
        EXPECT_TRUE(folder.contains(inside + "\\2019\\IMG_0001.jpg 5")) << archive;
        EXPECT_TRUE(folder.contains(inside + "\\2019\\sub\\deep.txt 2")) << archive;
        EXPECT_TRUE(folder.contains("\t" + QString(archive))) << archive;
    }
    // The archive inside an archive is a record, not a folder.
    EXPECT_EQ(folder.filter("inner.zip").size(), 1);
    const QStringList bad = folder.filter(": ");
    ASSERT_EQ(bad.size(), 2) << bad.join('\n').toStdString();
    EXPECT_TRUE(bad[0].startsWith("holiday2019:\\backup\\broken.zip: damaged"));
    EXPECT_EQ(bad[1], "holiday2019:\\backup\\locked.zip: encrypted");
    // Scanning without looking inside leaves the archives closed.
    EXPECT_TRUE(scanFolder(disc.path("disc")).filter("photos.zip\\").isEmpty());

    ASSERT_TRUE(MakeIso(disc.path("disc"), dir.filePath("iso.iso")));
    ASSERT_TRUE(Shell("genisoimage -quiet -udf -o \"$2\" \"$1\"", disc.path("disc"),
                      dir.filePath("udf.iso")));
    EXPECT_EQ(scanImage(dir.filePath("iso.iso"), true), folder);
    EXPECT_EQ(scanImage(dir.filePath("udf.iso"), true), folder);
}

// A file of a disc scanned from an image is copied out of the image when it is opened, from an
// ISO and from a UDF image alike; a file inside an archive gives the archive (the outermost, and
// only a name that is an archive's).
TEST(ImageScan, OpeningCopiesTheFileOutOfTheRememberedImage)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.folder("src") && disc.folder("src/Music") && disc.folder("home")
                && disc.folder("home/Data") && disc.folder("out"));
    ASSERT_TRUE(Shell("cd \"$1\" && printf 'la la la' > Music/Song.MP3 && printf x > x.txt && "
                      "bsdtar -acf Music/Set.zip x.txt && rm x.txt",
                      disc.path("src")));
    ASSERT_TRUE(MakeIso(disc.path("src"), disc.path("disc.iso")));
    ASSERT_TRUE(
        Shell("genisoimage -quiet -udf -o \"$2\" \"$1\"", disc.path("src"), disc.path("disc.udf")));
    EXPECT_EQ(ArchiveHoldingPath("e:\\a.tar.gz\\b.zip\\c"), "e:\\a.tar.gz");
    EXPECT_EQ(ArchiveHoldingPath("e:\\backup\\photos.zip"), QString());
    EXPECT_EQ(ArchiveHoldingPath("e:\\zip\\.zip\\x"), QString());
    const QString home = disc.path("home") + '/';
    CFileData song = MakeFile("7", "holiday2019:\\music\\", "Song.MP3");
    CFileData inZip = MakeFile("7", "holiday2019:\\music\\set.zip\\", "x.txt");

    for (const char *image : {"disc.iso", "disc.udf"}) {
        SCOPED_TRACE(image);
        ImageLocations locations;
        locations.Set("7", {"HOLIDAY2019:\\", disc.path(image)});
        ASSERT_TRUE(locations.Save(home + "Data/Images.dat").ok());
        song.m_strDiscNumber = "7";
        ImageFileOpening opened = ExtractFromDiscImage(home, song, disc.path("out"));
        ASSERT_EQ(opened.outcome, ImageFileOpening::Extracted) << opened.error.toStdString();
        EXPECT_EQ(opened.path, disc.path("out/Song.MP3"));
        QFile copy(opened.path);
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), "la la la");
        opened = ExtractFromDiscImage(home, inZip, disc.path("out"));
        EXPECT_EQ(opened.path, disc.path("out/Set.zip"));
        EXPECT_EQ(QFileInfo(opened.path).size(), QFileInfo(disc.path("src/Music/Set.zip")).size());
        // Another disc, or one whose image has gone, is looked for in the drives.
        song.m_strDiscNumber = "8";
        EXPECT_EQ(ExtractFromDiscImage(home, song, disc.path("out")).outcome,
                  ImageFileOpening::NoImage);
    }
    // Opening from the file list: a disc in a drive opens the archive that holds the file; a
    // disc that is in no drive is copied out of its image.
    FakePrompter prompter;
    qputenv("TAVIKON_CDROM_ROOTS", QFile::encodeName(disc.path("src")));
    inZip.m_strDiscNumber = "9";
    EXPECT_TRUE(FileOpener(nullptr, FileOpener::Prompts::FileList, home).Open(inZip));
    qputenv("TAVIKON_CDROM_ROOTS", "");
    song.m_strDiscNumber = "7";
    EXPECT_TRUE(FileOpener(nullptr, FileOpener::Prompts::FileList, home).Open(song));
    qunsetenv("TAVIKON_CDROM_ROOTS");
    ASSERT_EQ(prompter.opened.size(), 2);
    EXPECT_EQ(prompter.opened[0], disc.path("src/Music/Set.zip"));
    EXPECT_TRUE(prompter.opened[1].endsWith("/7/Song.MP3"));
    EXPECT_TRUE(prompter.messages.isEmpty());
    ASSERT_TRUE(QFile::remove(disc.path("disc.udf")));
    song.m_strDiscNumber = "7";
    EXPECT_EQ(ExtractFromDiscImage(home, song, disc.path("out")).outcome,
              ImageFileOpening::NoImage);
}
