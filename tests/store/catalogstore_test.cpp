#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"

#include "support/tempdir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Catalogue
{
    CCatalog catalog;
    QByteArray tree;
};

// A small catalogue of `discs` discs with `filesPerDisc` files each.
void fill(Catalogue &c, int discs, int filesPerDisc)
{
    c.catalog.ResetLists();
    c.catalog.m_lstCategories = {QStringLiteral("Music"), QString::fromUtf8("Фильмы")};
    QList<TreeTextLine> lines;
    for (int d = 1; d <= discs; ++d) {
        CDisc disc;
        disc.m_strNumber = QString::number(d);
        disc.m_strName = QStringLiteral("Disc %1").arg(d);
        c.catalog.m_pDiscs->prepend(disc);
        lines.append({0, disc.m_strNumber + u' ' + disc.m_strName});
        lines.append({1, QStringLiteral("folder")});
        for (int f = 0; f < filesPerDisc; ++f) {
            CFileData file;
            file.m_strFileName = QStringLiteral("file %1 of disc %2.txt").arg(f).arg(d);
            file.m_strDiscNumber = disc.m_strNumber;
            file.m_strFolder = QStringLiteral("sr0:\\folder\\");
            file.m_strDrive = QStringLiteral("sr0:\\");
            file.m_strSize = QString::number(f * 1000);
            c.catalog.m_pFiles->append(file);
        }
    }
    c.tree = WriteTreeText(lines);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

struct StoreFixture : ::testing::Test
{
    TestHome home;
    QString dir = home.path() + u'/';
    CatalogStore store;

    void SetUp() override
    {
        ASSERT_TRUE(LayOutCatalogue(dir).ok());
        store.SetActiveDir(dir);
        store.SetBackupDir(BackupDirFor(dir));
    }

    // Saves and backs up a catalogue, as the disc tree does after a change.
    void save(Catalogue &c)
    {
        CCatalog scratch;
        QList<TreeTextNode> tree;
        ASSERT_TRUE(store.LoadCatalog(scratch, tree).ok());
        const StoreResult saved = store.SaveCatalog(c.catalog, &c.tree);
        ASSERT_TRUE(saved.ok()) << saved.message().toStdString();
        const StoreResult backed = store.BackUpCatalog();
        ASSERT_TRUE(backed.ok()) << backed.message().toStdString();
    }
};

} // namespace

TEST_F(StoreFixture, NewCatalogueLoadsWithDefaultCategories)
{
    CCatalog catalog;
    QList<TreeTextNode> tree;
    ASSERT_TRUE(store.LoadCatalog(catalog, tree).ok());
    EXPECT_TRUE(tree.isEmpty());
    EXPECT_EQ(catalog.m_lstCategories, DEFAULT_CATEGORIES);
    EXPECT_EQ(catalog.m_lstCategories.first(), QStringLiteral("Komedy"));
    EXPECT_TRUE(catalog.m_pDiscs->isEmpty());
    EXPECT_FALSE(store.NeedsRestore(catalog, false));
    EXPECT_TRUE(store.CanSave());
}

TEST_F(StoreFixture, SavedCatalogueLoadsBackAndBackupMatches)
{
    Catalogue c;
    fill(c, 3, 4);
    save(c);
    for (const char *name : {"Data.dat", "FileData.dat", "Cat.dat"})
        EXPECT_EQ(readFile(store.BackupPath(QLatin1String(name))),
                  readFile(store.DataPath(QLatin1String(name))))
            << name;
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("Tree.tkdt"))), c.tree);

    CCatalog loaded;
    QList<TreeTextNode> tree;
    ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
    EXPECT_EQ(tree.size(), 6);
    EXPECT_EQ(*loaded.m_pDiscs, *c.catalog.m_pDiscs);
    EXPECT_EQ(*loaded.m_pFiles, *c.catalog.m_pFiles);
    EXPECT_EQ(loaded.m_lstCategories, c.catalog.m_lstCategories);

    // The teardown save has no tree: Tree.tkdt stays as the last change left it.
    const QByteArray treeBefore = readFile(store.DataPath(QStringLiteral("Tree.tkdt")));
    ASSERT_TRUE(store.SaveCatalog(loaded, nullptr).ok());
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("Tree.tkdt"))), treeBefore);
    EXPECT_TRUE(QDir(dir + QStringLiteral("Data"))
                    .entryList({QStringLiteral("*.tmp*"), QStringLiteral("*~")}, QDir::Files)
                    .isEmpty());
}

// Discs that held no files are a valid catalogue: no restore is asked for.
TEST_F(StoreFixture, EmptyFileListIsNotDamage)
{
    Catalogue c;
    fill(c, 2, 0);
    save(c);
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("FileData.dat"))), QByteArray("\0\0", 2));
    CCatalog loaded;
    QList<TreeTextNode> tree;
    ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
    EXPECT_TRUE(loaded.m_pFiles->isEmpty());
    EXPECT_FALSE(store.NeedsRestore(loaded, true));
    // The disc list empty while the tree holds discs still is.
    loaded.m_pDiscs->clear();
    EXPECT_TRUE(store.NeedsRestore(loaded, true));
}

TEST_F(StoreFixture, LostDataFileIsRestoredFromBackupAndNeverSavedHalfRead)
{
    Catalogue c;
    fill(c, 3, 2);
    save(c);
    ASSERT_TRUE(QFile::remove(store.DataPath(QStringLiteral("Data.dat"))));
    const QByteArray goodBackup = readFile(store.BackupPath(QStringLiteral("FileData.dat")));

    CCatalog loaded;
    QList<TreeTextNode> tree;
    const StoreResult r = store.LoadCatalog(loaded, tree);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(
        r.message().contains(QDir::toNativeSeparators(store.DataPath(QStringLiteral("Data.dat")))))
        << r.message().toStdString();
    EXPECT_TRUE(store.NeedsRestore(loaded, !tree.isEmpty()));
    EXPECT_FALSE(store.CanSave());

    // Neither the catalogue files nor the backup may be written from a partial read.
    EXPECT_FALSE(store.SaveCatalog(loaded, &c.tree).ok());
    EXPECT_FALSE(store.BackUpCatalog().ok());
    EXPECT_FALSE(store.WriteDataFile(QStringLiteral("FileData.dat"), WriteFileList({})).ok());
    EXPECT_FALSE(QFile::exists(store.DataPath(QStringLiteral("Data.dat"))));
    EXPECT_EQ(readFile(store.BackupPath(QStringLiteral("FileData.dat"))), goodBackup);

    ASSERT_TRUE(store.RestoreCatalog(loaded).ok());
    EXPECT_EQ(*loaded.m_pDiscs, *c.catalog.m_pDiscs);
    EXPECT_EQ(*loaded.m_pFiles, *c.catalog.m_pFiles); // each record once
    EXPECT_EQ(loaded.m_lstCategories, c.catalog.m_lstCategories);
    EXPECT_FALSE(store.NeedsRestore(loaded, true));
    ASSERT_TRUE(store.SaveCatalog(loaded, nullptr).ok());
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("Data.dat"))),
              readFile(store.BackupPath(QStringLiteral("Data.dat"))));
}

TEST_F(StoreFixture, DamagedFileKeepsRecordsReadAndNamesTheFile)
{
    Catalogue c;
    fill(c, 2, 3);
    save(c);
    const QString path = store.DataPath(QStringLiteral("FileData.dat"));
    QByteArray bytes = readFile(path);
    bytes.chop(5);
    ASSERT_TRUE(home.write(QStringLiteral("Data/FileData.dat"), bytes));
    CCatalog loaded;
    QList<TreeTextNode> tree;
    const StoreResult r = store.LoadCatalog(loaded, tree);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(QStringLiteral("damaged")));
    EXPECT_TRUE(r.message().contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(loaded.m_pDiscs->size(), 2);
    EXPECT_EQ(loaded.m_pFiles->size(), 5);

    // A damaged backup leaves the restore failing too, and the store still refuses saves.
    ASSERT_TRUE(home.write(QStringLiteral("DataBackUp/Cat.dat"), QByteArray("\x05\x00", 2)));
    EXPECT_FALSE(store.RestoreCatalog(loaded).ok());
    EXPECT_FALSE(store.CanSave());
}

TEST(CopyWholeFile, MissingSourceLeavesDestination)
{
    TestHome home;
    ASSERT_TRUE(home.write(QStringLiteral("dest.dat"), "good backup"));
    const StoreResult r = CopyWholeFile(home.file(QStringLiteral("nothing.dat")),
                                        home.file(QStringLiteral("dest.dat")));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(QStringLiteral("nothing.dat")));
    EXPECT_EQ(home.read(QStringLiteral("dest.dat")), QByteArray("good backup"));

    ASSERT_TRUE(home.write(QStringLiteral("src.dat"), QByteArray("\0\1\2new", 6)));
    EXPECT_TRUE(
        CopyWholeFile(home.file(QStringLiteral("src.dat")), home.file(QStringLiteral("dest.dat")))
            .ok());
    EXPECT_EQ(home.read(QStringLiteral("dest.dat")), QByteArray("\0\1\2new", 6));

    EXPECT_FALSE(WriteWholeFile(home.file(QStringLiteral("no/such/dir/x.dat")), "x").ok());
}

// A save cut short by a full disk (here a file-size limit) reports failure and leaves the
// previous catalogue whole and loadable.
TEST_F(StoreFixture, SaveFailingHalfwayKeepsPreviousCatalogue)
{
    Catalogue before;
    fill(before, 2, 3);
    save(before);
    const QByteArray oldFiles = readFile(store.DataPath(QStringLiteral("FileData.dat")));

    Catalogue big;
    fill(big, 20, 400); // far beyond the limit below
    ASSERT_GT(WriteFileList(*big.catalog.m_pFiles).size(), 64 * 1024);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit {32 * 1024, 32 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        const StoreResult saved = store.SaveCatalog(big.catalog, &big.tree);
        const bool named = saved.message().contains(QStringLiteral("FileData.dat"));
        _exit(saved.ok() ? 1 : named ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: message does not name the file";

    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("FileData.dat"))), oldFiles);
    EXPECT_TRUE(QDir(dir + QStringLiteral("Data")).entryList(QDir::Files).size() == 4)
        << QDir(dir + QStringLiteral("Data")).entryList(QDir::Files).join(u' ').toStdString();
    CCatalog loaded;
    QList<TreeTextNode> tree;
    ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
    EXPECT_EQ(*loaded.m_pFiles, *before.catalog.m_pFiles);
}

TEST_F(StoreFixture, ReadOnlyDirectoryFailsWithoutTouchingFiles)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    Catalogue c;
    fill(c, 1, 1);
    save(c);
    const QByteArray old = readFile(store.DataPath(QStringLiteral("Data.dat")));
    const QString data = dir + QStringLiteral("Data");
    QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    fill(c, 2, 1);
    const StoreResult r = store.SaveCatalog(c.catalog, &c.tree);
    QFile::setPermissions(data,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("Data.dat"))), old);
}
