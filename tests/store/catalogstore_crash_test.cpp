#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"
#include "store/treetext.h"

#include "samplecatalogue.h"
#include "support/tempdir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Forks a child that saves and backs up `next` and kills it with SIGKILL as soon as the
// file system has reported `afterEvents` changes in the two catalogue directories (INT_MAX:
// let it finish). Returns the number of events seen.
int saveAndKill(CatalogStore &store, const CCatalog &next, const QByteArray &tree, int afterEvents,
                const QString &dataDir, const QString &backupDir)
{
    const int watch = inotify_init1(IN_CLOEXEC);
    if (watch < 0)
        return -1;
    const uint32_t mask
        = IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE;
    inotify_add_watch(watch, QFile::encodeName(dataDir).constData(), mask);
    inotify_add_watch(watch, QFile::encodeName(backupDir).constData(), mask);

    const pid_t child = fork();
    if (child < 0) {
        close(watch);
        return -1;
    }
    if (child == 0) {
        const bool ok = store.SaveCatalog(next, &tree).ok() && store.BackUpCatalog().ok();
        _exit(ok ? 0 : 3);
    }
    // Wakes on file-system events or on the child's end, never on a timer.
    const int exited = int(syscall(SYS_pidfd_open, child, 0));
    if (exited < 0) { // no way to wait for the child's end: count nothing
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        close(watch);
        return -1;
    }
    pollfd fds[2] = {{watch, POLLIN, 0}, {exited, POLLIN, 0}};
    int seen = 0;
    bool finished = false;
    alignas(inotify_event) char buffer[64 * 1024];
    while (seen < afterEvents && !finished && poll(fds, 2, -1) > 0) {
        if (!(fds[0].revents & POLLIN)) {
            int status = 0;
            finished = waitpid(child, &status, 0) == child;
            continue;
        }
        const ssize_t n = read(watch, buffer, sizeof buffer);
        for (ssize_t off = 0; off < n && seen < afterEvents;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + off);
            ++seen;
            off += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    if (!finished) {
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
    }
    close(exited);
    close(watch);
    return seen;
}

// Kills the program at every file-system step of a save and a backup of ~100,000 records
// and checks that Data/ then loads whole to either the old or the new catalogue, and that
// the backup restores whole to one of them too.
TEST(CrashSafety, KillDuringSaveLeavesOldOrNewCatalogueWhole)
{
    TestHome home;
    const QString dir = home.path() + u'/';
    ASSERT_TRUE(LayOutCatalogue(dir).ok());
    const QString dataDir = dir + QStringLiteral("Data");
    const QString backupDir = BackupDirFor(dir);
    CatalogStore store;
    store.SetActiveDir(dir);
    store.SetBackupDir(backupDir);

    CCatalog oldCat, newCat;
    QByteArray oldTree, newTree;
    FillCatalogue(oldCat, oldTree, 40, 2000, QStringLiteral("old"));
    FillCatalogue(newCat, newTree, 50, 2000, QStringLiteral("new"));
    const qsizetype oldItems = ReadTreeText(oldTree).size();
    const qsizetype newItems = ReadTreeText(newTree).size();
    const auto startFromOld
        = [&] { return store.SaveCatalog(oldCat, &oldTree).ok() && store.BackUpCatalog().ok(); };

    // One undisturbed run tells how many steps there are to interrupt.
    ASSERT_TRUE(startFromOld());
    const int steps = saveAndKill(store, newCat, newTree, INT_MAX, dataDir, backupDir);
    ASSERT_GE(steps, 20) << "too few file-system events to kill at";

    const auto started = std::chrono::steady_clock::now();
    int points = 0;
    for (int point = 1; point <= steps; ++point) {
        ASSERT_TRUE(startFromOld());
        saveAndKill(store, newCat, newTree, point, dataDir, backupDir);
        ++points;

        CatalogStore reader;
        reader.SetActiveDir(dir);
        reader.SetBackupDir(backupDir);
        CCatalog loaded;
        QList<TreeTextNode> tree;
        const StoreResult load = reader.LoadCatalog(loaded, tree);
        ASSERT_TRUE(load.ok()) << "kill point " << point << ": " << load.message().toStdString();
        const bool isOld = SameCatalogue(loaded, oldCat) && tree.size() == oldItems;
        const bool isNew = SameCatalogue(loaded, newCat) && tree.size() == newItems;
        EXPECT_TRUE(isOld || isNew) << "kill point " << point << ": Data/ is a mixture";

        // The backup holds the tree too, and it is of the same generation as the lists.
        CCatalog restored;
        QList<TreeTextNode> restoredTree;
        const StoreResult restore = reader.RestoreCatalog(restored, restoredTree);
        ASSERT_TRUE(restore.ok()) << "kill point " << point << ": "
                                  << restore.message().toStdString();
        const bool wasOld = SameCatalogue(restored, oldCat) && restoredTree.size() == oldItems;
        const bool wasNew = SameCatalogue(restored, newCat) && restoredTree.size() == newItems;
        EXPECT_TRUE(wasOld || wasNew) << "kill point " << point << ": the backup is a mixture";
        EXPECT_TRUE(reader.TreeNotice().isEmpty()) << "kill point " << point;
        // A backup newer than Data/ would mean the save's order was broken.
        EXPECT_FALSE(isOld && wasNew) << "kill point " << point;

        // Nothing of the interrupted save stays behind once the store has looked.
        for (const QString &d : {dataDir, backupDir})
            EXPECT_EQ(QDir(d).entryList(QDir::Files).size(), 4)
                << "kill point " << point << ": "
                << QDir(d).entryList(QDir::Files).join(u' ').toStdString();

        if (std::chrono::steady_clock::now() - started > std::chrono::seconds(45))
            break; // a loaded machine: the points done so far still count
    }
    EXPECT_GE(points, 20);
}

} // namespace
