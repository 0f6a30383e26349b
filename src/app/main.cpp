#include "app/ctavikonapp.h"
#include "chrome/themeloader.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    // Lets the desktop match the window to tavikon.desktop (its icon and name).
    QGuiApplication::setDesktopFileName(QStringLiteral("tavikon"));
    CThemeLoader::ApplyEnvironmentPalette();
    CTavikonApp app;
    if (!app.InitInstance())
        return app.ExitCode();
    // A signal during the start has already closed the window; save and end at once.
    const int result = app.IsEnding() ? 0 : QApplication::exec();
    app.ExitInstance();
    return result;
}
