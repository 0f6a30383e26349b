#include "support/folderdisc.h"

#include <random>

QString AddFolderDisc(CCatalog &catalog, const QString &number, const QString &folderName,
                      int files, bool atHead, unsigned seed)
{
    static const char *const kStems[]
        = {"Track", "photo", "IMG", "clip", "Readme", "setup", "chapter", "scan", "Mix", "episode"};
    static const char *const kExtensions[] = {"mp3", "JPG", "avi", "txt", "pdf", "Exe", "png"};
    std::mt19937 rng(seed);
    const QString drive = QStringLiteral("sr0:\\");
    const QString folder = drive + folderName.toLower() + u'\\';

    CDisc disc;
    disc.m_strNumber = number;
    disc.m_strName = QStringLiteral("Big Folder");
    disc.m_strDrive = QStringLiteral("SR0:\\");
    catalog.m_pDiscs->prepend(disc);

    CFileList records;
    records.reserve(files);
    for (int i = 0; i < files; ++i) {
        CFileData r;
        r.m_strFileName = QString::fromLatin1(kStems[rng() % std::size(kStems)]) + u'_'
            + QString::number(i) + u'.'
            + QString::fromLatin1(kExtensions[rng() % std::size(kExtensions)]);
        r.m_strDiscNumber = number;
        r.m_strFolder = folder;
        r.m_strDrive = drive;
        r.m_strSize = QString::number(qint64(rng() % 700000000));
        records.append(r);
    }
    CFileList &list = *catalog.m_pFiles;
    if (atHead)
        list = records + list;
    else
        list += records;
    return number + QStringLiteral(" Big Folder\\") + folderName;
}
