#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"

#include "support/tempdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

TEST(HomePaths, PathFilesLiveInTheConfigDirectoryAndALayoutKeepsACatalogue)
{
    TestHome home;
    HomePaths paths;
    EXPECT_FALSE(ReadHomePaths(paths));
    EXPECT_EQ(HomeConfigDir(), home.file(QStringLiteral("config/tavikon")));

    QString dir = home.file(QStringLiteral("catalogue")) + u'/';
    ASSERT_TRUE(WriteHomePaths(dir).ok());
    EXPECT_EQ(home.read(QStringLiteral("config/tavikon/Path.dat")), dir.toUtf8());
    EXPECT_EQ(home.read(QStringLiteral("config/tavikon/PathBackUp.dat")),
              (dir + QStringLiteral("DataBackUp")).toUtf8());
    ASSERT_TRUE(ReadHomePaths(paths));
    EXPECT_EQ(paths.home, dir);
    EXPECT_EQ(paths.backup, dir + QStringLiteral("DataBackUp"));

    // Without PathBackUp.dat the backup is the home directory's own.
    ASSERT_TRUE(QFile::remove(BackupPathFilePath()));
    ASSERT_TRUE(home.write(QStringLiteral("config/tavikon/Path.dat"), "/srv/cat\r\nrest"));
    ASSERT_TRUE(ReadHomePaths(paths));
    EXPECT_EQ(paths.home, QStringLiteral("/srv/cat/"));
    EXPECT_EQ(paths.backup, QStringLiteral("/srv/cat/DataBackUp"));

    ASSERT_TRUE(home.write(QStringLiteral("config/tavikon/Path.dat"), ""));
    EXPECT_FALSE(ReadHomePaths(paths));

    // The layout of a new catalogue, which keeps an existing one.
    dir = home.path() + u'/';
    EXPECT_FALSE(HoldsCatalogue(dir));
    ASSERT_TRUE(LayOutCatalogue(dir).ok());
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("Data/FriendDataBaseDir")).isDir());
    for (const char *name : {"Data.dat", "FileData.dat", "Tree.tkdt", "Cat.dat"}) {
        const QString file = QLatin1String(name);
        EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("DataBackUp/") + file)) << name;
        EXPECT_EQ(home.read(QStringLiteral("DataBackUp/") + file), QByteArray());
        if (file != QLatin1String("Cat.dat")) {
            EXPECT_EQ(home.read(QStringLiteral("Data/") + file), QByteArray()) << name;
        }
    }
    QStringList categories;
    ASSERT_TRUE(ReadStringList(home.read(QStringLiteral("Data/Cat.dat")), categories).ok());
    EXPECT_EQ(categories, DEFAULT_CATEGORIES);
    EXPECT_TRUE(HoldsCatalogue(dir));
    // Files written through a temporary file still get the usual permissions, not 0600.
    EXPECT_TRUE(QFileInfo(dir + QStringLiteral("Data/Cat.dat")).permissions()
                & QFileDevice::ReadOther);

    // Laying out over an existing catalogue (a re-install, a lost Path.dat) keeps it.
    ASSERT_TRUE(home.write(QStringLiteral("Data/Tree.tkdt"), "1 Kept\r\n"));
    const QByteArray mine = WriteStringList({QStringLiteral("Mine")});
    ASSERT_TRUE(home.write(QStringLiteral("Data/Cat.dat"), mine));
    ASSERT_TRUE(home.write(QStringLiteral("DataBackUp/Data.dat"), "old backup"));
    ASSERT_TRUE(QFile::remove(dir + QStringLiteral("DataBackUp/Cat.dat")));
    ASSERT_TRUE(LayOutCatalogue(dir).ok());
    EXPECT_EQ(home.read(QStringLiteral("Data/Tree.tkdt")), QByteArray("1 Kept\r\n"));
    EXPECT_EQ(home.read(QStringLiteral("Data/Cat.dat")), mine);
    EXPECT_EQ(home.read(QStringLiteral("DataBackUp/Data.dat")), QByteArray("old backup"));
    EXPECT_TRUE(QFileInfo::exists(dir + QStringLiteral("DataBackUp/Cat.dat")));
}

// One copy of the program per catalogue: a second lock fails while the first is held, a lock
// left by a copy that died is taken over, and a folder that cannot hold one is no refusal.
TEST(HomePaths, CatalogueLockKeepsOutASecondCopyButNotADeadOne)
{
    TestHome home;
    const QString dir = home.path() + u'/';
    bool held = true;
    EXPECT_EQ(LockCatalogue(dir, held), nullptr); // no Data/ to lock in
    EXPECT_FALSE(held);
    ASSERT_TRUE(LayOutCatalogue(dir).ok());
    auto first = LockCatalogue(dir, held);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(LockCatalogue(dir, held), nullptr);
    EXPECT_TRUE(held);
    first.reset();

    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(home.write(QStringLiteral("Data/Tavikon.lock"),
                           QByteArray::number(child) + '\n'
                               + QCoreApplication::applicationName().toUtf8() + '\n'
                               + QSysInfo::machineHostName().toUtf8() + '\n'));
    EXPECT_NE(LockCatalogue(dir, held), nullptr);
}
