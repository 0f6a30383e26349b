#include "samplecatalogue.h"

#include "store/treetext.h"

void FillCatalogue(CCatalog &catalog, QByteArray &tree, int discs, int filesPerDisc,
                   const QString &tag)
{
    catalog.ResetLists();
    catalog.m_lstCategories = {tag, QString::fromUtf8("Фильмы")};
    QList<TreeTextLine> lines;
    for (int d = 1; d <= discs; ++d) {
        CDisc disc;
        disc.m_strNumber = QString::number(d);
        disc.m_strName = tag + QString::number(d);
        catalog.m_pDiscs->prepend(disc);
        lines.append({0, disc.m_strNumber + u' ' + disc.m_strName});
        lines.append({1, QStringLiteral("folder")});
        for (int i = 0; i < filesPerDisc; ++i) {
            CFileData file;
            file.m_strFileName = tag + QStringLiteral(" file %1 of disc %2.mp3").arg(i).arg(d);
            file.m_strDiscNumber = disc.m_strNumber;
            file.m_strFolder = QStringLiteral("sr0:\\folder\\");
            file.m_strDrive = QStringLiteral("sr0:\\");
            file.m_strSize = QString::number(i * 1000 + d);
            catalog.m_pFiles->append(file);
        }
    }
    tree = WriteTreeText(lines);
}

bool SameCatalogue(const CCatalog &a, const CCatalog &b)
{
    return *a.m_pDiscs == *b.m_pDiscs && *a.m_pFiles == *b.m_pFiles
        && a.m_lstCategories == b.m_lstCategories;
}
