#include "disclayout.h"

#include "platform/cdromdrives.h"
#include "platform/drivepaths.h"

#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QStringList roots(const QList<CdromDrive> &drives)
{
    QStringList out;
    for (const CdromDrive &d : drives)
        out.append(d.root + u'=' + d.mountPoint);
    return out;
}

} // namespace

TEST(CdromDrives, OpticalVolumesAndFoldersGetStableShortNames)
{
    const QList<MountedVolume> volumes {
        {"/dev/sda1", "/", "ext4", ""},
        {"tmpfs", "/tmp", "tmpfs", ""},
        {"/dev/sr1", "/media/cd1", "udf", "MOVIES"},
        {"/dev/sr0", "/media/cdrom/", "iso9660", "HOLIDAY"},
        {"fuseiso", "/home/u/My Image.iso.d", "fuse.fuseiso", ""},
        {"/dev/loop3", "/mnt/iso", "iso9660", ""},
        {"/dev/sr2", "/media/data", "ext2", ""}, // a written disc: still the optical drive
    };
    const QStringList folders {
        "/tmp/a/discA", "/tmp/b/disca", "/media/cdrom", "/tmp/___", "/tmp/AVeryLongFolderName",
        "/tmp/sr0"};
    const QList<CdromDrive> drives = CdromDrivesFrom(volumes, folders);

    EXPECT_EQ(roots(drives),
              (QStringList {
                  "AVERYLONGFOL:\\=/tmp/AVeryLongFolderName",
                  "DIR:\\=/tmp/___",
                  "DISCA-2:\\=/tmp/b/disca",
                  "DISCA:\\=/tmp/a/discA",
                  "ISO:\\=/mnt/iso",
                  "MYIMAGEISOD:\\=/home/u/My Image.iso.d",
                  "SR0-2:\\=/tmp/sr0",
                  "SR0:\\=/media/cdrom",
                  "SR1:\\=/media/cd1",
                  "SR2:\\=/media/data",
              }));
    const CdromDrive &sr0 = drives[7];
    EXPECT_EQ(sr0.label, "HOLIDAY");
    EXPECT_EQ(sr0.device, "/dev/sr0");
    EXPECT_FALSE(sr0.bFolder);
    EXPECT_TRUE(drives[3].bFolder);

    // The same drive keeps its name however the others change.
    const QList<CdromDrive> alone = CdromDrivesFrom({volumes[2]}, {"/tmp/a/discA"});
    EXPECT_EQ(roots(alone), (QStringList {"DISCA:\\=/tmp/a/discA", "SR1:\\=/media/cd1"}));
}

TEST(CdromDrives, FoldersFromTheEnvironmentGoAtTheHeadOfTheList)
{
    QTemporaryDir dir;
    DiscLayout layout(dir.path());
    ASSERT_TRUE(layout.folder("Alpha") && layout.folder("Beta"));
    qputenv("TAVIKON_CDROM_ROOTS",
            QFile::encodeName(layout.path("Beta") + ":" + layout.path("missing")
                              + "::" + layout.path("Alpha")));
    const auto unset = qScopeGuard([] { qunsetenv("TAVIKON_CDROM_ROOTS"); });

    QStringList list {"KEPT:\\"};
    FindCdromDrives(list);
    EXPECT_EQ(list.last(), "KEPT:\\");
    const qsizetype alpha = list.indexOf("ALPHA:\\"), beta = list.indexOf("BETA:\\");
    ASSERT_TRUE(alpha >= 0 && beta >= 0);
    EXPECT_LT(beta, alpha); // the highest root first
    EXPECT_FALSE(list.contains("MISSING:\\"));

    const QList<CdromDrive> drives = QueryCdromDrives();
    const auto alphaDrive = std::find_if(drives.begin(), drives.end(),
                                         [](const CdromDrive &d) { return d.root == "ALPHA:\\"; });
    ASSERT_NE(alphaDrive, drives.end());
    EXPECT_EQ(alphaDrive->mountPoint, layout.path("Alpha"));
    EXPECT_TRUE(alphaDrive->bFolder);
}

TEST(DrivePaths, CatalogueFormAndBackResolveLetterCase)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.folder("Music") && disc.folder("Music/Live")
                && disc.file("Music/Live/Song.MP3"));
    ASSERT_TRUE(disc.folder("Both") && disc.folder("both") && disc.file("Top.txt"));
    ASSERT_TRUE(disc.folder("a\\b") && disc.file("a\\b/x"));
    const QList<CdromDrive> drives = CdromDrivesFrom({}, {dir.path()});
    ASSERT_EQ(drives.size(), 1);
    const CdromDrive &drive = drives[0];
    const QString r = drive.root.toLower();

    EXPECT_EQ(CatalogFolderForPath(drive, disc.path("Music/Live")), r + "music\\live\\");
    EXPECT_EQ(CatalogFolderForPath(drive, disc.path("Music/Live") + "/"), r + "music\\live\\");
    EXPECT_EQ(CatalogFolderForPath(drive, dir.path()), r);
    EXPECT_EQ(CatalogFolderForPath(drive, dir.path() + "x"), QString());
    EXPECT_EQ(CatalogFolderForPath(drive, disc.path("a\\b")), r + "a/b\\");

    EXPECT_EQ(NativePathForCatalog(drives, r + "music\\live\\song.mp3"),
              disc.path("Music/Live/Song.MP3"));
    EXPECT_EQ(NativePathForCatalog(drives, drive.root + "MUSIC\\live\\"),
              disc.path("Music/Live") + "/");
    EXPECT_EQ(NativePathForCatalog(drives, r + "top.txt"), disc.path("Top.txt"));
    EXPECT_EQ(NativePathForCatalog(drives, r + "both\\"), disc.path("both") + "/");
    EXPECT_EQ(NativePathForCatalog(drives, r + "Both\\"), disc.path("Both") + "/");
    EXPECT_EQ(NativePathForCatalog(drives, r + "a/b\\x"), disc.path("a\\b/x"));
    EXPECT_EQ(NativePathForCatalog(drives, r + "music\\gone.mp3"), QString());
    EXPECT_EQ(NativePathForCatalog(drives, "zz:\\music\\"), QString());
    EXPECT_EQ(NativePathForCatalog(drives, "no root"), QString());

    // Paths of a catalogue from someone else never lead off the drive they name.
    ASSERT_TRUE(disc.link("Out", "..") && disc.file("Music/Live/a..b"));
    for (const QString &path : {r + "..\\", r + "music\\..\\top.txt", r + "music\\\\live\\",
                                r + ".\\top.txt", r + "out\\", r + "music\\c:\\"})
        EXPECT_EQ(NativePathForCatalog(drives, path), QString()) << path.toStdString();
    EXPECT_FALSE(NativePathForCatalog(drives, r + "music\\live\\a..b").isEmpty());
    const std::pair<QString, QString> unsafe[] = {{"e:\\..\\", "x"},
                                                  {"e:\\a\\", ".."},
                                                  {"e:\\a\\", "b\\c"},
                                                  {"e:\\d:\\", "x"},
                                                  {"e:\\a\\\\", "x"},
                                                  {"no root\\", "x"},
                                                  {"e:\\a\\", QString(1, QChar(0))},
                                                  {"e:\\", ""}};
    for (const auto &[folder, name] : unsafe)
        EXPECT_FALSE(DrivePartsOfRecord(folder, name)) << (folder + name).toStdString();
    EXPECT_EQ(DrivePartsOfRecord("e:\\music\\live\\", "a/b"),
              (QStringList {"music", "live", "a/b"}));
    EXPECT_EQ(DrivePartsOfRecord("e:\\", "top.txt"), QStringList {"top.txt"});
}
