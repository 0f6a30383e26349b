#include "resources/helpfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString InstalledHelpFile()
{
    const QString relative = QStringLiteral("doc/tavikon/help.html");
    QStringList roots;
    // A program installed under any prefix finds the help of its own prefix first.
    if (QCoreApplication::instance())
        roots << QDir(QCoreApplication::applicationDirPath())
                     .absoluteFilePath(QStringLiteral("../share"));
    roots << QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &root : roots) {
        const QFileInfo candidate(QDir(root).absoluteFilePath(relative));
        if (candidate.isFile() && candidate.isReadable())
            return candidate.canonicalFilePath();
    }
    return {};
}
