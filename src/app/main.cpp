#include "app/ctavikonapp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication qtApp(argc, argv);
    CTavikonApp app;
    if (!app.InitInstance())
        return app.ExitCode();
    const int result = QApplication::exec();
    app.ExitInstance();
    return result;
}
