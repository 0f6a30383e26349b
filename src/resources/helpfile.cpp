#include "resources/helpfile.h"

#include "platform/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString InstalledHelpFile()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QDir program(QCoreApplication::applicationDirPath());
        candidates << program.absoluteFilePath(QStringLiteral("../share/doc/tavikon/help.html"))
                   << program.absoluteFilePath(QStringLiteral("help/help.html"));
    }
    for (const QString &root : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
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
                          "Help", "The help page help.html was not found beside the program "
                                  "(help/ or ../share/doc/tavikon/). Build or install Tavikon "
                                  "again to put it there."),
                      parent);
        return;
    }
    if (!Prompter::current().openDocument(help))
        AfxMessageBox(
            QCoreApplication::translate("Help", "No program could open the help page %1.").arg(help),
            parent);
}
