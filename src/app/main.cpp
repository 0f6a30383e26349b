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
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
