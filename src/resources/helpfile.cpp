#include "resources/helpfile.h"

#include "platform/prompter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

QString InstalledHelpFile()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QDir program(QCoreApplication::applicationDirPath());
        candidates << program.absoluteFilePath(QStringLiteral("../share/doc/tavikon/help.html"))
                   << program.absoluteFilePath(QStringLiteral("help/help.html"));
    }
    for (const QString &root :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << QDir(root).absoluteFilePath(QStringLiteral("doc/tavikon/help.html"));
    for (const QString &path : std::as_const(candidates)) {
        const QFileInfo candidate(path);
        if (candidate.isFile() && candidate.isReadable())
            return candidate.canonicalFilePath();
    }
    return {};
}

void OpenHelpPage(QWidget *parent)
{
    const QString help = InstalledHelpFile();
    if (help.isEmpty()) {
        AfxMessageBox(QCoreApplication::translate(
                          "Help",
                          "The help page help.html was not found beside the program "
                          "(help/ or ../share/doc/tavikon/). Build or install Tavikon "
                          "again to put it there."),
                      parent);
        return;
    }
    if (Prompter::current().openDocument(help))
        return;
    // No browser on this desktop: the page in a window of our own, pictures and links included.
    auto *viewer = new QDialog(parent ? parent->window() : nullptr);
    viewer->setObjectName(QStringLiteral("HelpViewer"));
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setWindowTitle(QStringLiteral("Tavikon Help"));
    auto *browser = new QTextBrowser(viewer);
    browser->setObjectName(QStringLiteral("HelpBrowser"));
    browser->setAccessibleName(QStringLiteral("Tavikon Help"));
    browser->setOpenExternalLinks(false);
    browser->setSource(QUrl::fromLocalFile(help));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, viewer);
    QObject::connect(buttons, &QDialogButtonBox::rejected, viewer, &QDialog::close);
    auto *layout = new QVBoxLayout(viewer);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    viewer->resize(900, 700);
    viewer->show();
}
