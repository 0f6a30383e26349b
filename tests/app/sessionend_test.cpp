// Ending the session from outside (SIGTERM, SIGINT, SIGHUP) saves like the close box: the
// real program is started on a catalogue that needs a restore, is told to end while it still
// shows the restore message, and must leave the restored catalogue written back to Data/.
#include "app/cmainframe.h"
#include "app/ctavikonapp.h"
#include "discs/cleftview.h"
#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"
#include "store/treetext.h"
#include "support/fakeprompter.h"
#include "support/tempdir.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>

namespace {

// Whether the process has a handler for the signal: the kernel shows it in SigCgt.
bool catchesSignal(qint64 pid, int signalNumber)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1;
    return false;
}

// A home directory with a catalogue of one disc, saved and backed up, named in Path.dat.
bool writeOneDiscHome(const QString &dir)
{
    if (!LayOutCatalogue(dir).ok() || !WriteHomePaths(dir).ok())
        return false;
    CCatalog catalog;
    catalog.m_pDiscs->append(CDisc());
    catalog.m_pDiscs->first().m_strNumber = QStringLiteral("1");
    catalog.m_pDiscs->first().m_strName = QStringLiteral("Kept");
    catalog.m_lstCategories = DEFAULT_CATEGORIES;
    CatalogStore store;
    store.SetActiveDir(dir);
    store.SetBackupDir(BackupDirFor(dir));
    const QByteArray tree = WriteTreeText({{0, QStringLiteral("1 Kept")}});
    return store.SaveCatalog(catalog, &tree).ok() && store.BackUpCatalog().ok();
}

// The disc list in a catalogue file, empty when the file is missing or damaged.
CDiscList discsIn(const QString &path)
{
    QFile f(path);
    CDiscList discs;
    if (!f.open(QIODevice::ReadOnly) || !ReadDiscList(f.readAll(), discs).ok())
        discs.clear();
    return discs;
}

class SessionEnd : public ::testing::TestWithParam<int>
{
};

TEST_P(SessionEnd, SignalSavesTheCatalogueLikeTheCloseBox)
{
    TestHome home;
    const QString dir = home.file(QStringLiteral("catalogue")) + u'/';
    ASSERT_TRUE(writeOneDiscHome(dir));
    // Data.dat lost: the program restores it from the backup and writes it back on the way out.
    ASSERT_TRUE(QFile::remove(dir + QStringLiteral("Data/Data.dat")));

    QProcess program; // inherits the test's offscreen platform and XDG_CONFIG_HOME
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(QStringLiteral(TAVIKON_BINARY), {});
    ASSERT_TRUE(program.waitForStarted());

    // Signal only once the program listens for it, or the default action would kill it.
    const int signalNumber = GetParam();
    QDeadlineTimer deadline(20000);
    while (!catchesSignal(program.processId(), signalNumber) && !deadline.hasExpired())
        poll(nullptr, 0, 5);
    ASSERT_TRUE(catchesSignal(program.processId(), signalNumber));
    ::kill(pid_t(program.processId()), signalNumber);

    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const CDiscList saved = discsIn(dir + QStringLiteral("Data/Data.dat"));
    EXPECT_EQ(saved.size(), 1) << "the restored catalogue was not saved";
    EXPECT_EQ(discsIn(BackupDirFor(dir) + QStringLiteral("/Data.dat")), saved);
}

// The desktop's log-out while the window is up: the same save, the change made before is kept.
TEST(SessionEndRunning, LogOutSavesTheChangesMadeBefore)
{
    TestHome home;
    FakePrompter prompter;
    const QString dir = home.file(QStringLiteral("catalogue")) + u'/';
    ASSERT_TRUE(writeOneDiscHome(dir));

    CTavikonApp app;
    ASSERT_TRUE(app.InitInstance());
    CMainFrame *frame = app.MainFrame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame));
    frame->LeftView()->Catalog()->m_pDiscs->first().m_strArtist = QStringLiteral("Changed");
    app.EndSession();
    QTRY_VERIFY_WITH_TIMEOUT(!frame->isVisible(), 5000);

    for (const QString &file :
         {dir + QStringLiteral("Data/Data.dat"), BackupDirFor(dir) + QStringLiteral("/Data.dat")})
        EXPECT_EQ(discsIn(file).value(0).m_strArtist, QStringLiteral("Changed"))
            << file.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEnd, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

} // namespace
