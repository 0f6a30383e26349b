#include "support/records.h"

#include "store/archive.h"
#include "store/catalogstore.h"
#include "store/homepaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

CDisc MakeDisc(const QString &number, const QString &name)
{
    CDisc d;
    d.m_strNumber = number;
    d.m_strName = name;
    return d;
}

CFileData MakeFile(const QString &disc, const QString &folder, const QString &name,
                   const QString &size, const QStringList &categories)
{
    CFileData f;
    f.m_strDiscNumber = disc;
    f.m_strFolder = folder;
    f.m_strDrive = folder.left(folder.indexOf(u'\\') + 1);
    f.m_strFileName = name;
    f.m_strSize = size;
    f.m_lstCategories = categories;
    return f;
}

bool WriteCatalogueFiles(const QString &dir, const CDiscList &discs, const CFileList &files,
                         const QList<TreeTextLine> &tree, const QStringList &categories)
{
    QDir().mkpath(dir);
    const std::pair<const char *, QByteArray> contents[]
        = {{"Data.dat", WriteDiscList(discs)},
           {"FileData.dat", WriteFileList(files)},
           {"Cat.dat", WriteStringList(categories)},
           {"Tree.tkdt", WriteTreeText(tree)}};
    for (const auto &[name, bytes] : contents) {
        QFile f(dir + u'/' + QLatin1String(name));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            return false;
    }
    return true;
}

bool SaveHome(const QString &home, const CCatalog &catalog, const QByteArray &tree)
{
    CatalogStore store;
    store.SetActiveDir(home);
    store.SetBackupDir(BackupDirFor(home));
    return LayOutCatalogue(home).ok() && WriteHomePaths(home).ok()
        && store.SaveCatalog(catalog, &tree).ok() && store.BackUpCatalog().ok();
}

CDiscList DiscsInFile(const QString &path)
{
    QFile f(path);
    CDiscList discs;
    if (!f.open(QIODevice::ReadOnly) || !ReadDiscList(f.readAll(), discs).ok())
        discs.clear();
    return discs;
}

QMap<QString, QByteArray> FilesUnder(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (!f.fileName().endsWith(QLatin1String(".lock")))
            files.insert(QDir(dir).relativeFilePath(f.fileName()),
                         f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
    }
    return files;
}
