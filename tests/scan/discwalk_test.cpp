#include "disclayout.h"

#include "scan/discwalk.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each record as "folder name size".
QStringList rows(DiscWalk &walk)
{
    QStringList out;
    for (const CFileData &f : walk.Files())
        out.append(f.m_strFolder + f.m_strFileName + ' ' + f.m_strSize);
    return out;
}

QStringList folders(const DiscWalk &walk)
{
    QStringList out;
    for (const WalkFolder &f : walk.Folders())
        out.append(QString(f.depth - 1, u'\t') + f.label);
    return out;
}

} // namespace

TEST(DiscWalk, RecordsEachFolderBeforeItsSubfoldersAndTheRootLast)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.file("Readme.TXT", 5) && disc.file("b.txt", 3));
    ASSERT_TRUE(disc.folder("Music") && disc.folder("Music/Live") && disc.folder("Empty"));
    ASSERT_TRUE(disc.file("Music/Live/Song.MP3", 1500) && disc.file("Music/a.mp3", 10));
    ASSERT_TRUE(disc.folder(".hidden") && disc.file(".hidden/h.txt", 1));
    // A DVD image: more than 4 GiB, which 32 bits would have wrapped.
    ASSERT_TRUE(disc.file("Music/Big.iso", 5LL * 1024 * 1024 * 1024 + 7));
    const QString cwd = QDir::currentPath();

    DiscWalk walk(dir.path(), "DISC:\\", "12");
    ASSERT_TRUE(walk.Run());

    EXPECT_EQ(folders(walk), (QStringList {".hidden", "Empty", "Music", "\tLive"}));
    EXPECT_EQ(rows(walk),
              (QStringList {"disc:\\.hidden\\h.txt 1", "disc:\\music\\a.mp3 10",
                            "disc:\\music\\Big.iso 5368709127", "disc:\\music\\live\\Song.MP3 1500",
                            "disc:\\b.txt 3", "disc:\\Readme.TXT 5"}));
    for (const CFileData &f : walk.Files()) // drive, disc number, no categories
        EXPECT_EQ(f.m_strDrive + f.m_strDiscNumber + f.m_lstCategories.join(u'|'), "disc:\\12");
    EXPECT_TRUE(walk.UnreadableFolders().isEmpty());
    EXPECT_EQ(QDir::currentPath(), cwd);
}

TEST(DiscWalk, LinksToFoldersAreNotFollowedSoLoopsEnd)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.folder("a") && disc.file("a/f.txt", 4) && disc.file("target.bin", 42));
    ASSERT_TRUE(disc.link("a/up", "..") && disc.link("a/self", ".") && disc.link("root", "/"));
    ASSERT_TRUE(disc.link("a/copy.bin", "../target.bin") && disc.link("a/dangling", "nowhere"));

    DiscWalk walk(dir.path(), "L:\\", "1");
    ASSERT_TRUE(walk.Run());

    EXPECT_EQ(folders(walk), QStringList {"a"});
    // A link to a file stands for that file.
    EXPECT_EQ(rows(walk),
              (QStringList {"l:\\a\\copy.bin 42", "l:\\a\\f.txt 4", "l:\\target.bin 42"}));
}

TEST(DiscWalk, OddNamesAreRecordedWithoutBreakingPathsOrTreeLines)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.folder("d\xff") && disc.file("d\xff/caf\xe9.mp3", 2));
    ASSERT_TRUE(disc.folder(" lead ") && disc.file(" lead /a b.txt") && disc.file(" lead /  "));
    ASSERT_TRUE(disc.folder("..dots") && disc.file("..dots/...") && disc.file("..dots/.x"));
    ASSERT_TRUE(disc.folder("back\\slash") && disc.file("back\\slash/x"));
    ASSERT_TRUE(disc.folder("new\nline") && disc.file("new\nline/tab\there"));

    DiscWalk walk(dir.path(), "O:\\", "3");
    ASSERT_TRUE(walk.Run());

    const QString bad(QChar::ReplacementCharacter);
    EXPECT_EQ(folders(walk),
              (QStringList {" lead ", "..dots", "back/slash", "d" + bad, "new" + bad + "line"}));
    QStringList paths;
    for (const CFileData &f : walk.Files())
        paths.append(f.m_strFolder + f.m_strFileName);
    EXPECT_EQ(
        paths,
        (QStringList {"o:\\ lead \\  ", "o:\\ lead \\a b.txt", "o:\\..dots\\...", "o:\\..dots\\.x",
                      "o:\\back/slash\\x", "o:\\d" + bad + "\\caf" + bad + ".mp3",
                      "o:\\new" + bad + "line\\tab" + bad + "here"}));
    EXPECT_TRUE(disc.clear());
}

TEST(DiscWalk, UnreadableFoldersKeepTheirPlaceAndAMissingDiscYieldsNothing)
{
    DiscWalk missing("/nonexistent/drive", "E:\\", "1");
    EXPECT_TRUE(missing.Run());
    EXPECT_FALSE(missing.RootReadable());
    EXPECT_TRUE(missing.Files().isEmpty());
    EXPECT_TRUE(missing.Folders().isEmpty());

    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop reads as root";
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    ASSERT_TRUE(disc.folder("locked") && disc.folder("locked/inner") && disc.file("locked/x"));
    ASSERT_TRUE(disc.folder("open") && disc.file("open/y"));
    ASSERT_EQ(::chmod(QFile::encodeName(disc.path("locked")).constData(), 0), 0);

    DiscWalk walk(dir.path(), "E:\\", "1");
    EXPECT_TRUE(walk.Run());
    ::chmod(QFile::encodeName(disc.path("locked")).constData(), 0755);

    EXPECT_EQ(folders(walk), (QStringList {"locked", "open"}));
    EXPECT_EQ(rows(walk), QStringList {"e:\\open\\y 0"});
    EXPECT_EQ(walk.UnreadableFolders(), QStringList {"e:\\locked\\"});
}

TEST(DiscWalk, CancelStopsTheWalkAndProgressIsReported)
{
    QTemporaryDir dir;
    DiscLayout disc(dir.path());
    for (int f = 0; f < 20; ++f) {
        const QByteArray folder = "f" + QByteArray::number(f);
        ASSERT_TRUE(disc.folder(folder));
        for (int i = 0; i < 20; ++i)
            ASSERT_TRUE(disc.file(folder + "/file" + QByteArray::number(i)));
    }

    std::atomic<bool> cancel {false};
    QList<WalkProgress> reports;
    DiscWalk walk(dir.path(), "C:\\", "1");
    walk.SetCancelFlag(&cancel);
    walk.SetProgressHandler(
        [&](const WalkProgress &p) {
            reports.append(p);
            if (p.files >= 30)
                cancel = true;
        },
        0);
    EXPECT_FALSE(walk.Run());
    ASSERT_FALSE(reports.isEmpty());
    EXPECT_EQ(QString::number(reports.first().files) + ' ' + reports.first().folder + ' '
                  + reports.first().file,
              "1 f0 file0");
    EXPECT_GE(walk.Files().size(), 30);
    EXPECT_LT(walk.Files().size(), 400);

    // Without cancelling, a long interval reports only the final state.
    DiscWalk whole(dir.path(), "C:\\", "1");
    reports.clear();
    whole.SetProgressHandler([&](const WalkProgress &p) { reports.append(p); }, 60 * 60 * 1000);
    EXPECT_TRUE(whole.Run());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports.first().files, 400);
}
