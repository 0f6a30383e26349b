#include "support/realnames.h"

#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>

namespace {

struct Entry
{
    QString folder; // below the drive root, lower case, backslashes, ends with one
    QString name;
    qint64 size = 0;
};

QList<Entry> walk(const QString &root)
{
    QList<Entry> entries;
    const QString prefix = QFileInfo(root).absoluteFilePath() + u'/';
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        QString folder = info.absolutePath() + u'/';
        folder = folder.mid(prefix.size()).toLower();
        folder.replace(u'/', u'\\');
        entries.append({folder, info.fileName(), info.isSymLink() ? 0 : info.size()});
    }
    return entries;
}

} // namespace

void GenerateRealNamesCatalogue(CCatalog &catalog, int discs, int files, const QString &root)
{
    static const QList<Entry> entries = walk(root);
    catalog.ResetLists();
    catalog.m_lstCategories = {QStringLiteral("Music"), QStringLiteral("Live")};
    if (entries.isEmpty() || discs <= 0)
        return;
    const QString drive = QStringLiteral("sr0:\\");
    CFileList &list = *catalog.m_pFiles;
    list.reserve(files);
    const int perDisc = std::max(1, files / discs);
    qsizetype next = 0;
    for (int d = 1; d <= discs && list.size() < files; ++d) {
        CDisc disc;
        disc.m_strNumber = QString::number(d);
        disc.m_strName = entries[next % entries.size()].name;
        disc.m_strDrive = QStringLiteral("SR0:\\");
        catalog.m_pDiscs->prepend(disc);
        const int count = d == discs ? files - int(list.size()) : perDisc;
        for (int i = 0; i < count; ++i, ++next) {
            const Entry &e = entries[next % entries.size()];
            CFileData r;
            r.m_strFileName = e.name;
            r.m_strDiscNumber = disc.m_strNumber;
            r.m_strFolder = drive + e.folder;
            r.m_strDrive = drive;
            r.m_strSize = QString::number(e.size);
            list.append(r);
        }
    }
}
