// The captions as the window system shows them, not only as the program sets them: the real
// program on a virtual X server, its windows' title properties read back with xprop. Skipped
// where no X server can be started.
#include "store/homepaths.h"
#include "support/tempdir.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A virtual X server on a display of its own choosing, ended with the object.
class VirtualDisplay
{
public:
    VirtualDisplay()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            return;
        // Xvfb writes the number of the free display it took to the descriptor given.
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1366x768x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        if (!m_server.waitForStarted(5000))
            return;
        QByteArray number;
        (void)QTest::qWaitFor(
            [&] {
                m_server.waitForReadyRead(100);
                number += m_server.readAllStandardOutput();
                return number.contains('\n') || m_server.state() != QProcess::Running;
            },
            10000);
        if (number.trimmed().isEmpty())
            return;
        m_name = u':' + QString::fromLatin1(number.trimmed());
    }
    ~VirtualDisplay()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    const QString &name() const { return m_name; } // empty when no server runs

private:
    QProcess m_server;
    QString m_name;
};

QString run(const QString &display, const QString &program, const QStringList &args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The title properties (_NET_WM_NAME, WM_NAME) of every top-level window of the program that
// is on the screen.
QStringList programTitles(const QString &display)
{
    static const QRegularExpression window(QStringLiteral("^\\s*(0x[0-9a-f]+) .*\\(\"tavikon\""),
                                           QRegularExpression::MultilineOption);
    static const QRegularExpression value(QStringLiteral("^(\\w+)\\(\\w+\\) = \"(.*)\"$"),
                                          QRegularExpression::MultilineOption);
    QStringList titles;
    const QString tree = run(display, QStringLiteral("xwininfo"),
                             {QStringLiteral("-root"), QStringLiteral("-children")});
    for (auto w = window.globalMatch(tree); w.hasNext();) {
        const QString id = w.next().captured(1);
        if (!run(display, QStringLiteral("xwininfo"), {QStringLiteral("-id"), id})
                 .contains(QStringLiteral("IsViewable")))
            continue;
        const QString props = run(
            display, QStringLiteral("xprop"),
            {QStringLiteral("-id"), id, QStringLiteral("_NET_WM_NAME"), QStringLiteral("WM_NAME")});
        for (auto v = value.globalMatch(props); v.hasNext();) {
            const auto m = v.next();
            titles << m.captured(1) + u'=' + m.captured(2);
        }
    }
    return titles;
}

// Starts the program, waits until a window of it carries `caption`, and returns what the
// window system shows as the titles of its windows; what the program wrote to its error
// output goes to `errors`, so that a failure says why.
QStringList titlesWhenShown(const QString &display, const QString &caption, QString &errors)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TAVIKON_BINARY), {});
    program.waitForStarted(10000);
    QStringList titles;
    (void)QTest::qWaitFor(
        [&] {
            titles = programTitles(display);
            return titles.contains(QStringLiteral("WM_NAME=") + caption)
                || program.state() == QProcess::NotRunning;
        },
        20000);
    program.terminate();
    program.waitForFinished(10000);
    errors = QString::fromLocal8Bit(program.readAllStandardError());
    return titles;
}

TEST(Caption, IsTheProgramsOwnAsTheWindowSystemShowsIt)
{
    for (const char *tool : {"xprop", "xwininfo"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed (x11-utils)";
    VirtualDisplay display;
    if (display.name().isEmpty())
        GTEST_SKIP() << "no X server could be started";
    TestHome home;

    // The first start shows its dialog; then the main window of a catalogue.
    const QString dialog = QStringLiteral("Create Home Directory");
    QString errors;
    EXPECT_EQ(titlesWhenShown(display.name(), dialog, errors),
              (QStringList {"_NET_WM_NAME=" + dialog, "WM_NAME=" + dialog}))
        << errors.toStdString();
    const QString catalogue = home.path() + QStringLiteral("/catalogue/");
    ASSERT_TRUE(LayOutCatalogue(catalogue).ok() && WriteHomePaths(catalogue).ok());
    const QString frame = QStringLiteral("Tavikon - TK ");
    EXPECT_EQ(titlesWhenShown(display.name(), frame, errors),
              (QStringList {"_NET_WM_NAME=" + frame, "WM_NAME=" + frame}))
        << errors.toStdString();
}

} // namespace
