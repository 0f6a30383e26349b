#include "store/archive.h"
#include "store/treetext.h"

#include <QDir>
#include <QFile>

#include <cstdio>

// Writes small, real catalogue files into <dir>/{discs,files,categories,treetext}/.
int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus-dir>\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    auto put = [&](const char *kind, const char *name, const QByteArray &bytes) {
        QDir().mkpath(root + u'/' + QLatin1String(kind));
        QFile f(root + u'/' + QLatin1String(kind) + u'/' + QLatin1String(name));
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };

    CDiscList discs;
    CFileList files;
    QList<TreeTextLine> tree;
    for (int d = 1; d <= 3; ++d) {
        CDisc disc;
        disc.m_strNumber = QString::number(d);
        disc.m_strName = d == 2 ? QStringLiteral("Fotos \u00e9t\u00e9 \u65e5\u672c") : QStringLiteral("Holiday");
        disc.m_strDrive = QStringLiteral("SR0:\\");
        disc.m_strSavedDate = QStringLiteral("December 05, 2026");
        if (d == 3)
            disc.m_lstCategories = {QStringLiteral("Music"), QStringLiteral("Video")};
        discs.prepend(disc);
        tree.append({0, disc.m_strNumber + u' ' + disc.m_strName});
        tree.append({1, QStringLiteral("Photos")});
        tree.append({2, QStringLiteral("Day1")});
        tree.append({1, QStringLiteral("\u041c\u0443\u0437\u044b\u043a\u0430")});
        for (int i = 0; i < 4; ++i) {
            CFileData file;
            file.m_strFileName = QStringLiteral("Song%1.MP3").arg(i);
            file.m_strDiscNumber = disc.m_strNumber;
            file.m_strFolder = QStringLiteral("sr0:\\photos\\day1\\");
            file.m_strDrive = QStringLiteral("sr0:\\");
            file.m_strSize = QString::number(1500 * i + 7);
            if (i == 1)
                file.m_lstCategories = {QStringLiteral("Komedy")};
            files.append(file);
        }
    }
    const QStringList cats = {QStringLiteral("Komedy"), QStringLiteral("Drama"), QStringLiteral("\u00c4rger")};
    bool ok = put("discs", "data.dat", WriteDiscList(discs)) && put("discs", "empty.dat", WriteDiscList({}))
        && put("files", "filedata.dat", WriteFileList(files)) && put("files", "empty.dat", WriteFileList({}))
        && put("categories", "cat.dat", WriteStringList(cats))
        && put("treetext", "tree.tkdt", WriteTreeText(tree))
        && put("treetext", "mixed-ends.tkdt", QByteArray("1 A\r\n\tB\r\t\tC\n\n\t\t\t\tD\r\n2 E"));
    return ok ? 0 : 1;
}
