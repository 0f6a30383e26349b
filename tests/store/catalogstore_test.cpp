#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"

#include "samplecatalogue.h"
#include "support/records.h"
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
    Catalogue(int discs, int filesPerDisc) { fill(discs, filesPerDisc); }
    void fill(int discs, int filesPerDisc)
    {
        FillCatalogue(catalog, tree, discs, filesPerDisc, QStringLiteral("Music"));
    }
    CCatalog catalog;
    QByteArray tree;
};

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
    QList<TreeTextNode> restoredTree;

    void SetUp() override
    {
        ASSERT_TRUE(LayOutCatalogue(dir).ok());
        store.SetActiveDir(dir);
        store.SetBackupDir(BackupDirFor(dir));
    }

    StoreResult load(CCatalog &catalog, int *treeLines = nullptr)
    {
        QList<TreeTextNode> tree;
        const StoreResult r = store.LoadCatalog(catalog, tree);
        if (treeLines)
            *treeLines = int(tree.size());
        return r;
    }

    // Replaces a file of the home directory; "<missing>" deletes it.
    void spoil(const QString &relative, const QByteArray &bytes)
    {
        QFile::remove(dir + relative);
        if (bytes != "<missing>") {
            ASSERT_TRUE(home.write(relative, bytes));
        }
    }

    // Saves and backs up a catalogue, as the disc tree does after a change.
    void save(Catalogue &c)
    {
        CCatalog scratch;
        ASSERT_TRUE(load(scratch).ok());
        const StoreResult saved = store.SaveCatalog(c.catalog, &c.tree);
        ASSERT_TRUE(saved.ok()) << saved.message().toStdString();
        const StoreResult backed = store.BackUpCatalog();
        ASSERT_TRUE(backed.ok()) << backed.message().toStdString();
    }
};

} // namespace

TEST_F(StoreFixture, NewCatalogueHasDefaultsAndASavedOneLoadsBackWithItsBackup)
{
    CCatalog fresh;
    int lines = -1;
    ASSERT_TRUE(load(fresh, &lines).ok());
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(fresh.m_lstCategories, DEFAULT_CATEGORIES);
    EXPECT_TRUE(fresh.m_pDiscs->isEmpty());
    EXPECT_FALSE(store.NeedsRestore(fresh, false));
    EXPECT_TRUE(store.CanSave());

    Catalogue c(3, 4);
    QFile images(store.DataPath(QStringLiteral("Images.dat")));
    ASSERT_TRUE(images.open(QIODevice::WriteOnly) && images.write("TavikonImages 1\n") > 0);
    images.close();
    save(c);
    // The backup is Data/ byte for byte, the tree and the images too.
    for (const CatalogueFile &file : CatalogueFiles())
        EXPECT_EQ(readFile(store.BackupPath(file.name)), readFile(store.DataPath(file.name)))
            << file.name.toStdString();
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("Tree.tkdt"))), c.tree);

    CCatalog loaded;
    ASSERT_TRUE(load(loaded, &lines).ok());
    EXPECT_EQ(lines, 6);
    EXPECT_TRUE(SameCatalogue(loaded, c.catalog));

    // The teardown save has no tree: Tree.tkdt stays as the last change left it.
    const QByteArray treeBefore = readFile(store.DataPath(QStringLiteral("Tree.tkdt")));
    ASSERT_TRUE(store.SaveCatalog(loaded, nullptr).ok());
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("Tree.tkdt"))), treeBefore);
    EXPECT_TRUE(QDir(dir + QStringLiteral("Data"))
                    .entryList({QStringLiteral("*.tmp*"), QStringLiteral("*~")}, QDir::Files)
                    .isEmpty());

    // Discs that held no files are a valid catalogue: no restore is asked for.
    c.fill(2, 0);
    save(c);
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("FileData.dat"))), QByteArray("\0\0", 2));
    ASSERT_TRUE(load(loaded).ok());
    EXPECT_TRUE(loaded.m_pFiles->isEmpty());
    EXPECT_FALSE(store.NeedsRestore(loaded, true));
    // The disc list empty while the tree holds discs still is.
    loaded.m_pDiscs->clear();
    EXPECT_TRUE(store.NeedsRestore(loaded, true));

    // Lending writes Data.dat alone; the backup follows it, and keeps what it had when the
    // write failed.
    c.fill(2, 1);
    save(c);
    c.catalog.m_pDiscs->first().m_strLocation = QStringLiteral("Anna");
    ASSERT_TRUE(store.SaveDiscList(c.catalog).ok());
    EXPECT_EQ(readFile(store.BackupPath(QStringLiteral("Data.dat"))),
              WriteDiscList(*c.catalog.m_pDiscs));
    EXPECT_EQ(FilesUnder(BackupDirFor(dir)), FilesUnder(store.DataDir()));

    const auto backup = FilesUnder(BackupDirFor(dir));
    ASSERT_TRUE(QFile::remove(store.DataPath(QStringLiteral("Data.dat"))));
    ASSERT_TRUE(QDir().mkdir(store.DataPath(QStringLiteral("Data.dat"))));
    c.catalog.m_pDiscs->first().m_strLocation = QStringLiteral("home");
    EXPECT_FALSE(store.SaveDiscList(c.catalog).ok());
    EXPECT_EQ(FilesUnder(BackupDirFor(dir)), backup);
}

// A lost or cut list file: the load fails naming it and keeps the records before the damage;
// until a restore succeeds neither Data/ nor the backup is written; the restore brings each
// record back once. A damaged backup makes the restore fail too, and saves stay refused.
TEST_F(StoreFixture, LostOrDamagedFileIsRestoredAndNeverSavedHalfRead)
{
    Catalogue c(3, 2);
    const struct
    {
        const char *file;
        qsizetype chop; // -1: the file is lost
        qsizetype discs, files; // records kept by the failed load
    } damages[] = {{"Data.dat", -1, 0, 0}, {"FileData.dat", 5, 3, 5}};
    for (const auto &damage : damages) {
        SCOPED_TRACE(damage.file);
        save(c);
        const QString path = store.DataPath(QLatin1String(damage.file));
        QByteArray bytes = readFile(path);
        bytes.chop(damage.chop);
        ASSERT_TRUE(damage.chop < 0 ? QFile::remove(path)
                                    : home.write(QStringLiteral("Data/") + damage.file, bytes));
        const auto oldBackup = FilesUnder(BackupDirFor(dir));

        CCatalog loaded;
        int lines = 0;
        const StoreResult r = load(loaded, &lines);
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.message().contains(QDir::toNativeSeparators(path)))
            << r.message().toStdString();
        EXPECT_TRUE(damage.chop < 0 || r.message().contains(QStringLiteral("damaged")));
        EXPECT_EQ(loaded.m_pDiscs->size(), damage.discs);
        EXPECT_EQ(loaded.m_pFiles->size(), damage.files);
        EXPECT_TRUE(store.NeedsRestore(loaded, lines > 0));
        EXPECT_FALSE(store.CanSave());
        EXPECT_FALSE(store.SaveCatalog(loaded, &c.tree).ok());
        EXPECT_FALSE(store.BackUpCatalog().ok());
        EXPECT_FALSE(store.WriteDataFile(QStringLiteral("FileData.dat"), WriteFileList({})).ok());
        EXPECT_EQ(readFile(path), damage.chop < 0 ? QByteArray("<missing>") : bytes);
        EXPECT_EQ(FilesUnder(BackupDirFor(dir)), oldBackup);

        ASSERT_TRUE(store.RestoreCatalog(loaded, restoredTree).ok());
        EXPECT_TRUE(SameCatalogue(loaded, c.catalog));
        EXPECT_FALSE(store.NeedsRestore(loaded, true));
        ASSERT_TRUE(store.SaveCatalog(loaded, nullptr).ok());
        EXPECT_EQ(readFile(path), readFile(store.BackupPath(QLatin1String(damage.file))));
    }
    ASSERT_TRUE(home.write(QStringLiteral("Data/Data.dat"), QByteArray()));
    ASSERT_TRUE(home.write(QStringLiteral("DataBackUp/Cat.dat"), QByteArray("\x05\x00", 2)));
    CCatalog loaded;
    EXPECT_FALSE(load(loaded).ok());
    EXPECT_FALSE(store.RestoreCatalog(loaded, restoredTree).ok());
    EXPECT_FALSE(store.CanSave());
}

TEST(CopyWholeFile, MissingSourceLeavesDestination)
{
    TestHome home;
    const auto at = [&](const char *name) { return home.file(QLatin1String(name)); };
    ASSERT_TRUE(home.write(QStringLiteral("dest.dat"), "good backup"));
    const StoreResult r = CopyWholeFile(at("nothing.dat"), at("dest.dat"));
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(QStringLiteral("nothing.dat")));
    EXPECT_EQ(home.read(QStringLiteral("dest.dat")), QByteArray("good backup"));

    ASSERT_TRUE(home.write(QStringLiteral("src.dat"), QByteArray("\0\1\2new", 6)));
    EXPECT_TRUE(CopyWholeFile(at("src.dat"), at("dest.dat")).ok());
    EXPECT_EQ(home.read(QStringLiteral("dest.dat")), QByteArray("\0\1\2new", 6));
    EXPECT_FALSE(WriteWholeFile(at("no/such/dir/x.dat"), "x").ok());
}

void setFileSizeLimit(rlim_t bytes)
{
    // The hard limit stays open so that the child can lift the soft one again.
    rlimit limit {bytes, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &limit);
}

// A save or backup cut short by a full disk (here a file-size limit, at several sizes from
// nothing at all to one byte short of the largest file) reports failure, names the file,
// leaves the previous files whole and nothing beside them, keeps the catalogue in memory, and
// the next save that can write puts that catalogue on disk whole.
TEST_F(StoreFixture, SaveFailingHalfwayKeepsPreviousCatalogue)
{
    Catalogue before(2, 3);
    Catalogue big(20, 400); // far beyond the limits below
    const qsizetype largest = WriteFileList(*big.catalog.m_pFiles).size();
    ASSERT_GT(largest, 64 * 1024);
    const QString dataDir = dir + QStringLiteral("Data");
    const QString backupDir = BackupDirFor(dir);

    for (const rlim_t limit : {rlim_t(0), rlim_t(1), rlim_t(300), rlim_t(4096), rlim_t(32 * 1024),
                               rlim_t(largest - 1)}) {
        save(before);
        const auto oldData = FilesUnder(dataDir);
        const auto oldBackup = FilesUnder(backupDir);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            Catalogue copy(20, 400);
            setFileSizeLimit(limit);
            const StoreResult saved = store.SaveCatalog(big.catalog, &big.tree);
            if (saved.ok())
                _exit(1);
            if (!saved.message().contains(QStringLiteral("could not be written"))
                || !(saved.message().contains(QStringLiteral(".dat"))
                     || saved.message().contains(QStringLiteral("Tree.tkdt"))))
                _exit(2);
            if (!SameCatalogue(big.catalog, copy.catalog) || big.tree != copy.tree)
                _exit(3);
            if (FilesUnder(dataDir) != oldData)
                _exit(4);
            setFileSizeLimit(RLIM_INFINITY);
            if (!store.SaveCatalog(big.catalog, &big.tree).ok())
                _exit(5);
            // The backup copies what Data/ now holds; under the limit it must fail the same way.
            setFileSizeLimit(limit);
            if (store.BackUpCatalog().ok())
                _exit(6);
            if (FilesUnder(backupDir) != oldBackup)
                _exit(7);
            setFileSizeLimit(RLIM_INFINITY);
            _exit(store.BackUpCatalog().ok() ? 0 : 8);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "limit " << limit;
        // 1: success reported, 2: unclear message, 3: memory changed, 4: Data/ touched,
        // 5: next save failed, 6: backup success reported, 7: backup touched, 8: next backup
        EXPECT_EQ(WEXITSTATUS(status), 0) << "limit " << limit;

        CCatalog loaded;
        ASSERT_TRUE(load(loaded).ok()) << "limit " << limit;
        EXPECT_TRUE(SameCatalogue(loaded, big.catalog)) << "limit " << limit;
        EXPECT_EQ(readFile(store.DataPath(QStringLiteral("Tree.tkdt"))), big.tree);
        CCatalog restored;
        ASSERT_TRUE(store.RestoreCatalog(restored, restoredTree).ok());
        EXPECT_TRUE(SameCatalogue(restored, big.catalog)) << "limit " << limit;
    }
}

// A catalogue directory that cannot be written, its place taken by a plain file (which stops
// the superuser too, where a read-only folder would not): the save fails with a message, the
// lists in memory stay, and the next save to a writable directory writes them whole. Files
// left as they were when a write fails are the file-size limit's case above.
TEST_F(StoreFixture, UnwritableDirectoryFailsWithoutTouchingFiles)
{
    Catalogue next(3, 2);
    Catalogue copy(3, 2);

    TestHome other;
    ASSERT_TRUE(other.write(QStringLiteral("Data"), "a file, not a folder"));
    CatalogStore blocked;
    blocked.SetActiveDir(other.path() + u'/');
    blocked.SetBackupDir(other.path() + QStringLiteral("/Data/DataBackUp"));
    StoreResult r = blocked.SaveCatalog(next.catalog, &next.tree);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(QStringLiteral("could not be written")))
        << r.message().toStdString();
    r = blocked.BackUpCatalog();
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.message().isEmpty());
    EXPECT_EQ(other.read(QStringLiteral("Data")), QByteArray("a file, not a folder"));
    EXPECT_TRUE(SameCatalogue(next.catalog, copy.catalog));

    save(next);
    CCatalog loaded;
    ASSERT_TRUE(load(loaded).ok());
    EXPECT_TRUE(SameCatalogue(loaded, copy.catalog));
}

// A lost or damaged tree file never empties the catalogue: it comes back from the backup when
// the backup's fits the records, else it is rebuilt from them, and the user is told which.
TEST_F(StoreFixture, DamagedTreeFileComesBackFromTheBackupOrTheRecords)
{
    Catalogue c(4, 3);
    const QList<TreeTextNode> whole = ReadTreeText(c.tree);
    QByteArray noise(4000, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919 + i / 13) % 251);
    noise += "\r\n"; // ends as a tree text does, so its labels are what gives it away
    const struct
    {
        const char *what;
        QByteArray bytes; // "<missing>": the file is deleted
    } damages[] = {{"deleted", "<missing>"},
                   {"emptied", ""},
                   {"cut mid-line", c.tree.left(c.tree.size() - 3)},
                   {"cut after the first disc", c.tree.left(c.tree.indexOf("2 Music"))},
                   {"random bytes", noise}};
    for (const auto &damage : damages) {
        for (const bool backupToo : {false, true}) {
            SCOPED_TRACE(std::string(damage.what) + (backupToo ? ", backup too" : ""));
            save(c);
            spoil(QStringLiteral("Data/Tree.tkdt"), damage.bytes);
            if (backupToo)
                spoil(QStringLiteral("DataBackUp/Tree.tkdt"), damage.bytes);
            CCatalog loaded;
            QList<TreeTextNode> tree;
            ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
            EXPECT_TRUE(SameCatalogue(loaded, c.catalog));
            // Folders with files come back under their disc either way.
            EXPECT_EQ(tree, whole);
            EXPECT_TRUE(store.TreeRepaired());
            EXPECT_TRUE(store.TreeNotice().contains(backupToo ? "rebuilt" : "from the backup"))
                << store.TreeNotice().toStdString();
            EXPECT_TRUE(store.CanSave());
        }
    }

    // With no backup, a sound tree gone astray is mended: its healthy discs keep their folders
    // as they were (an empty one too), a disc without a record goes, and a missing one comes
    // back from the records, last.
    save(c);
    QByteArray astray = c.tree;
    astray.replace("1 Music1\r\n", "1 Music1\r\n\tEmpty Folder\r\n").replace("2 Mu", "22 Mu");
    ASSERT_TRUE(home.write(QStringLiteral("Data/Tree.tkdt"), astray));
    for (const CatalogueFile &file : CatalogueFiles())
        QFile::remove(store.BackupPath(file.name));
    CCatalog loaded;
    QList<TreeTextNode> tree;
    ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
    EXPECT_TRUE(store.TreeNotice().contains("mended")) << store.TreeNotice().toStdString();
    QStringList labels;
    for (const TreeTextNode &node : std::as_const(tree))
        labels << node.label;
    EXPECT_EQ(labels,
              (QStringList {"1 Music1", "Empty Folder", "folder", "3 Music3", "folder", "4 Music4",
                            "folder", "2 Music2", "folder"}));

    // Records that lack discs the sound tree holds are the suspect: the backup restores them.
    save(c);
    ASSERT_TRUE(home.write(QStringLiteral("Data/Data.dat"), WriteDiscList({})));
    EXPECT_FALSE(store.LoadCatalog(loaded, tree).ok());
    ASSERT_TRUE(store.RestoreCatalog(loaded, tree).ok());
    EXPECT_TRUE(SameCatalogue(loaded, c.catalog));
    EXPECT_EQ(tree, whole);

    // Neither a tree without discs beside discs, nor the reverse, is ever written; and a
    // Data/ with a cut tree, or with records that lost every disc, is not copied over the
    // backup.
    ASSERT_TRUE(store.SaveCatalog(c.catalog, &c.tree).ok() && store.BackUpCatalog().ok());
    const auto before = readFile(store.DataPath(QStringLiteral("Data.dat")));
    const QByteArray noTree;
    EXPECT_FALSE(store.SaveCatalog(c.catalog, &noTree).ok());
    CCatalog empty;
    EXPECT_FALSE(store.SaveCatalog(empty, &c.tree).ok());
    EXPECT_EQ(readFile(store.DataPath(QStringLiteral("Data.dat"))), before);
    const auto backup = FilesUnder(BackupDirFor(dir));
    ASSERT_TRUE(home.write(QStringLiteral("Data/Tree.tkdt"), c.tree.chopped(3)));
    EXPECT_FALSE(store.BackUpCatalog().ok());
    ASSERT_TRUE(home.write(QStringLiteral("Data/Tree.tkdt"), c.tree));
    ASSERT_TRUE(home.write(QStringLiteral("Data/Data.dat"), WriteDiscList({})));
    EXPECT_FALSE(store.BackUpCatalog().ok());
    EXPECT_EQ(FilesUnder(BackupDirFor(dir)), backup);

    // Deleting every disc is the one way to an empty catalogue, and it loads as a new one.
    ASSERT_TRUE(store.SaveCatalog(empty, &noTree).ok());
    ASSERT_TRUE(store.BackUpCatalog().ok());
    ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
    EXPECT_TRUE(tree.isEmpty());
    EXPECT_EQ(loaded.m_lstCategories, DEFAULT_CATEGORIES);
    EXPECT_TRUE(store.TreeNotice().isEmpty());
}

namespace {

// Every item as its path from the disc down, sorted: the order of the nodes aside.
QStringList pathsOf(const QList<TreeTextNode> &tree)
{
    QStringList paths;
    for (const TreeTextNode &node : tree)
        paths << (node.parent < 0 ? node.label : paths[node.parent] + u'\\' + node.label);
    paths.sort();
    return paths;
}

// The tree text the disc tree would save for these nodes.
QByteArray textOf(const QList<TreeTextNode> &tree)
{
    QList<TreeTextLine> lines;
    const auto add = [&](auto &&self, qsizetype parent, int depth) -> void {
        for (qsizetype i = 0; i < tree.size(); ++i) {
            if (tree[i].parent == parent) {
                lines.append({depth, tree[i].label});
                self(self, i, depth + 1);
            }
        }
    };
    add(add, -1, 0);
    return WriteTreeText(lines);
}

} // namespace

// Every folder a file record names must have its item below its disc (letter case aside), or
// its files cannot be reached. A tree that lost some is damage: the backup's tree comes back
// when it is whole, else the lost folders are made again from the records, as the records name
// them, under their parents; a disc not renamed since its scan gets the scan's label again.
// The tree saved after that loads as sound.
TEST_F(StoreFixture, TreeThatLostFolderItemsGetsThemBackFromTheRecords)
{
    Catalogue c(0, 0);
    *c.catalog.m_pDiscs = {MakeDisc("3", "Unbennant"), MakeDisc("2", "Two"), MakeDisc("1", "One")};
    *c.catalog.m_pFiles
        = {MakeFile("1", "sr0:\\music\\live\\", "a.mp3"), MakeFile("1", "sr0:\\music\\", "b.mp3"),
           MakeFile("2", "sr0:\\docs\\", "c.txt"), MakeFile("3", "sr0:\\", "d")};
    c.tree = "1 One\r\n\tMusic\r\n\t\tLive\r\n\tEmpty\r\n2 Two\r\n\tDocs\r\n3 Untitled\r\n";
    const QStringList fromRecords
        = {"1 One", "1 One\\music", "1 One\\music\\live", "2 Two", "2 Two\\docs", "3 Untitled"};
    const struct
    {
        const char *what;
        QByteArray tree; // "<missing>": the file is deleted
        QStringList mended;
    } damages[] = {
        {"a deep folder lost",
         "1 One\r\n\tMusic\r\n\tEmpty\r\n2 Two\r\n\tDocs\r\n3 Untitled\r\n",
         {"1 One", "1 One\\Empty", "1 One\\Music", "1 One\\Music\\live", "2 Two", "2 Two\\Docs",
          "3 Untitled"}},
        {"a whole branch lost",
         "1 One\r\n2 Two\r\n\tDocs\r\n3 Untitled\r\n",
         {"1 One", "1 One\\music", "1 One\\music\\live", "2 Two", "2 Two\\Docs", "3 Untitled"}},
        {"cut after the first folder",
         "1 One\r\n\tMusic\r\n",
         {"1 One", "1 One\\Music", "1 One\\Music\\live", "2 Two", "2 Two\\docs", "3 Untitled"}},
        {"deleted", "<missing>", fromRecords},
    };
    for (const auto &damage : damages) {
        SCOPED_TRACE(damage.what);
        save(c);
        CCatalog loaded;
        QList<TreeTextNode> tree;
        ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
        EXPECT_FALSE(store.TreeRepaired()) << store.TreeNotice().toStdString();

        for (const bool backupToo : {false, true}) {
            spoil(QStringLiteral("Data/Tree.tkdt"), damage.tree);
            if (backupToo)
                spoil(QStringLiteral("DataBackUp/Tree.tkdt"), damage.tree);
            ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
            EXPECT_TRUE(store.TreeRepaired());
            EXPECT_EQ(pathsOf(tree), backupToo ? damage.mended : pathsOf(ReadTreeText(c.tree)));
            EXPECT_EQ(store.TreeNotice().contains("from the backup"), !backupToo)
                << store.TreeNotice().toStdString();
        }
        const QByteArray mended = textOf(tree);
        ASSERT_TRUE(store.SaveCatalog(loaded, &mended).ok());
        ASSERT_TRUE(store.LoadCatalog(loaded, tree).ok());
        EXPECT_FALSE(store.TreeRepaired()) << store.TreeNotice().toStdString();
        EXPECT_EQ(pathsOf(tree), damage.mended);
    }
}
