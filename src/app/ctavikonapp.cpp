#include "app/ctavikonapp.h"

#include "app/cmainframe.h"
#include "platform/appflags.h"
#include "platform/ctavikondoc.h"

#include <QApplication>
#include <QSettings>

CTavikonApp::CTavikonApp()
{
    QApplication::setApplicationName(QStringLiteral("Tavikon"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavikon"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tavikon"));
}

CTavikonApp::~CTavikonApp() { ExitInstance(); }

bool CTavikonApp::InitInstance()
{
    theAppFlags().reset();

    // Profile settings live under the key the program has always used.
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QSettings settings;
    settings.setValue(QStringLiteral("Settings/RecentFileListSize"), 4);

    m_pFrame = std::make_unique<CMainFrame>();
    m_pFrame->GetDocument()->InitialUpdateAll();
    if (m_pFrame->GetDocument()->StartAborted()) {
        m_nExitCode = m_pFrame->GetDocument()->AbortExitCode();
        m_pFrame.reset();
        return false;
    }

    m_pFrame->LoadFrameMenu();
    m_pFrame->setWindowTitle(QStringLiteral("Tavikon - TK "));
    m_pFrame->showMaximized();
    return true;
}

void CTavikonApp::ExitInstance() { m_pFrame.reset(); }
