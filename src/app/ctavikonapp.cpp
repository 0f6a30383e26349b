#include "app/ctavikonapp.h"

#include "app/cmainframe.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"
#include "platform/profilesettings.h"
#include "platform/prompter.h"
#include "platform/sessionend.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QSessionManager>

CTavikonApp::CTavikonApp()
{
    // No display name: Qt would add it to every caption the window system shows ("Tavikon -
    // TK  — Tavikon"), and the captions are the program's own. Message boxes name the
    // program themselves.
    QApplication::setApplicationName(QLatin1String(kProfileApplication));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tavikon"));

    // A signal or the desktop's log-out ends the program the way the close box does, so the
    // disc tree makes the same save on its way out. Installed first, so that a signal that
    // comes during the start (while a message box is open) is handled too.
    m_pSessionEnd = std::make_unique<SessionEndWatcher>();
    QObject::connect(m_pSessionEnd.get(), &SessionEndWatcher::endRequested, m_pSessionEnd.get(),
                     [this](int) { EndSession(); });
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, m_pSessionEnd.get(),
                     [this](QSessionManager &) { EndSession(); });
}

CTavikonApp::~CTavikonApp()
{
    ExitInstance();
    Prompter::SetSessionEnding(false);
}

bool CTavikonApp::InitInstance()
{
    theAppFlags().reset();

    // Profile settings live under the key the program has always used (the layout of the
    // window; the recent-file list of four is never shown, so it is not kept).
    QApplication::setOrganizationName(QLatin1String(kProfileOrganisation));

    m_pFrame = std::make_unique<CMainFrame>();
    m_pFrame->GetDocument()->InitialUpdateAll();
    if (m_pFrame->GetDocument()->StartAborted()) {
        m_nExitCode = m_pFrame->GetDocument()->AbortExitCode();
        m_pFrame.reset();
        return false;
    }

    m_pFrame->LoadFrameMenu();
    m_pFrame->setWindowTitle(QStringLiteral("Tavikon - TK "));
    if (!m_bEnding) {
        // The size to come back to from maximised, and the size where no window manager
        // maximises at all: most of the screen.
        if (const QScreen *screen = m_pFrame->screen())
            m_pFrame->resize(screen->availableGeometry().size() * 9 / 10);
        m_pFrame->showMaximized();
    }
    m_bStarted = true;
    return true;
}

void CTavikonApp::EndSession()
{
    m_bEnding = true;
    // Nobody is there to answer questions any more.
    Prompter::SetSessionEnding(true);
    // Modal dialogs (a scan, a question) are rejected first so their event loops unwind.
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
    // During the start the catalogue may be in the middle of a restore: let the start
    // finish, main() then skips the event loop and the teardown saves. Once running, close
    // the window from the event loop, after any rejected dialog has unwound.
    if (!m_bStarted)
        return;
    QMetaObject::invokeMethod(
        m_pFrame.get(),
        [this] {
            if (m_pFrame)
                m_pFrame->close();
            QApplication::quit();
        },
        Qt::QueuedConnection);
}

void CTavikonApp::ExitInstance()
{
    m_pFrame.reset();
}
