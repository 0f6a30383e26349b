#include "support/cataloguegenerator.h"

#include "store/treetext.h"

#include <random>

namespace {

const char *const kWords[] = {"holiday", "music", "live", "photos", "video", "backup", "docs",
                              "project", "summer", "winter", "concert", "album", "disc",
                              "images", "install", "setup", "archive", "notes", "family",
                              "travel", "games", "movies", "series", "season", "draft"};
const char *const kExtensions[] = {"mp3", "jpg", "avi", "txt", "pdf", "exe", "doc", "png",
                                   "zip", "mkv", "flac", "iso"};

QString word(std::mt19937 &rng)
{
    return QString::fromLatin1(kWords[rng() % std::size(kWords)]);
}

} // namespace

void GenerateCatalogue(GeneratedCatalogue &out, int discs, int files, int foldersPerDisc,
                       unsigned seed)
{
    std::mt19937 rng(seed);
    out.catalog.ResetLists();
    out.catalog.m_lstCategories = {QStringLiteral("Music"), QStringLiteral("Video"),
                                   QStringLiteral("Software"), QStringLiteral("Photos")};
    QList<TreeTextLine> lines;
    out.folderCount = 0;
    const int perDisc = discs > 0 ? files / discs : 0;
    int remaining = files;
    if (foldersPerDisc <= 0)
        foldersPerDisc = std::max(1, perDisc / 40);
    CFileList &fileList = *out.catalog.m_pFiles;
    fileList.reserve(files);
    for (int d = 1; d <= discs; ++d) {
        const QString number = QString::number(d);
        CDisc disc;
        disc.m_strNumber = number;
        disc.m_strName = word(rng) + u' ' + word(rng);
        disc.m_strDrive = QStringLiteral("SR0:\\");
        disc.m_strSavedDate = QStringLiteral("December 05, 2026");
        if (d % 7 == 0)
            disc.m_lstCategories = {QStringLiteral("Music")};
        out.catalog.m_pDiscs->prepend(disc);
        lines.append({0, number + u' ' + disc.m_strName});

        // Folders: depth-first, each one at most one level below the one before it.
        const QString drive = QStringLiteral("sr0:\\");
        QStringList folders;
        QStringList stack;
        for (int f = 0; f < foldersPerDisc; ++f) {
            const int maxDepth = std::min<int>(int(stack.size()) + 1, 4);
            const int depth = 1 + int(rng() % maxDepth);
            stack.resize(depth - 1);
            const QString name = word(rng) + QString::number(f);
            const QString path = (stack.isEmpty() ? drive : stack.last()) + name + u'\\';
            stack.append(path);
            folders.append(path);
            lines.append({depth, name});
            ++out.folderCount;
        }
        const int count = d == discs ? remaining : std::min(perDisc, remaining);
        for (int i = 0; i < count; ++i) {
            CFileData file;
            file.m_strFileName = word(rng) + u'_' + word(rng) + QString::number(i) + u'.'
                + QString::fromLatin1(kExtensions[rng() % std::size(kExtensions)]);
            file.m_strDiscNumber = number;
            file.m_strFolder = folders.isEmpty() ? drive : folders[int(rng() % folders.size())];
            file.m_strDrive = drive;
            file.m_strSize = QString::number(qint64(rng() % 50000000));
            fileList.append(file);
        }
        remaining -= count;
    }
    out.treeText = WriteTreeText(lines);
}
