// Ending the session from outside (SIGTERM, SIGINT, SIGHUP) saves like the close box: the
// real program is started on a catalogue that needs a restore, is told to end while it still
// shows the restore message, and must leave the restored catalogue written back to Data/.
#include "app/cmainframe.h"
#include "app/ctavikonapp.h"
#include "discs/cleftview.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"
#include "support/fakeprompter.h"
#include "support/records.h"
#include "support/tempdir.h"

#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

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
    CCatalog catalog;
    catalog.m_pDiscs->append(MakeDisc("1", "Kept"));
    catalog.m_lstCategories = DEFAULT_CATEGORIES;
    return SaveHome(dir, catalog, WriteTreeText({{0, "1 Kept"}}));
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
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return catchesSignal(program.processId(), signalNumber); }, 20000));
    ::kill(pid_t(program.processId()), signalNumber);

    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const CDiscList saved = DiscsInFile(dir + QStringLiteral("Data/Data.dat"));
    EXPECT_EQ(saved.size(), 1) << "the restored catalogue was not saved";
    EXPECT_EQ(DiscsInFile(BackupDirFor(dir) + QStringLiteral("/Data.dat")), saved);
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
        EXPECT_EQ(DiscsInFile(file).value(0).m_strArtist, QStringLiteral("Changed"))
            << file.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, SessionEnd, ::testing::Values(SIGTERM, SIGINT, SIGHUP));

} // namespace
