#pragma once

#include <QObject>

#include <memory>

class CMainFrame;
class SessionEndWatcher;

// The application: sets the shared flags, creates the frame with its four panes and shows it.
// Lives beside the QApplication that main() makes, so tests can run it too.
class CTavikonApp final
{
    Q_DISABLE_COPY_MOVE(CTavikonApp)

public:
    CTavikonApp();
    ~CTavikonApp();

    // False when the start-up ended before the window was shown; ExitCode() then says why.
    bool InitInstance();
    // Destroys the frame, which saves the catalogue.
    void ExitInstance();
    int ExitCode() const { return m_nExitCode; }

    CMainFrame *MainFrame() const { return m_pFrame.get(); }

    // Ends the program as the close box would, from a signal or the desktop's log-out.
    void EndSession();
    // True once the session is ending; the event loop then need not run at all.
    bool IsEnding() const { return m_bEnding; }

private:
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<SessionEndWatcher> m_pSessionEnd;
    int m_nExitCode = 0;
    bool m_bEnding = false;
    bool m_bStarted = false;
};
