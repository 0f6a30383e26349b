// Lays out a small demonstration catalogue in a directory, for screenshots and for trying
// the program: five discs with folders and a few hundred files.
#include "store/catalogstore.h"
#include "store/homepaths.h"
#include "store/treetext.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace {

struct Folder
{
    int depth;
    const char *name;
    const char *path; // catalogue form below the drive root, lower case
    int files;
    const char *pattern; // %1 is replaced by a running number
};

struct Disc
{
    const char *name;
    const char *artist;
    const char *quality;
    const char *location;
    const char *note;
    QStringList categories;
    QList<Folder> folders;
    int rootFiles;
    // Files of the root folder with their own names and sizes, beside the readme files.
    QList<QPair<QString, qint64>> named = {};
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <home-directory>\n", argv[0]);
        return 2;
    }
    QString home = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    if (!home.endsWith(u'/'))
        home += u'/';
    QDir().mkpath(home);
    if (const StoreResult laid = LayOutCatalogue(home); !laid) {
        std::fprintf(stderr, "%s\n", qPrintable(laid.message()));
        return 1;
    }

    const QList<Disc> discs = {
        {"Symphonies of the Romantic Era, Complete Edition",
         "Various Orchestras",
         "Very good",
         "home",
         "A long name, long file names, and sizes from a few bytes to a whole DVD image, to "
         "see how the window copes.",
         {QStringLiteral("Music")},
         {{1, "Disc 1 - Symphony No. 3 in E-flat major, Op. 55 (Eroica)",
           "disc 1 - symphony no. 3 in e-flat major, op. 55 (eroica)\\", 4, "Movement %1.flac"},
          {1, "Bonus", "bonus\\", 3, "booklet page %1.jpg"}},
         1,
         {{"01 - Allegro ma non troppo, un poco maestoso.flac", 61254311},
          {"02 - Molto vivace - Presto, with the repeat of the exposition.flac", 71931003},
          {"03 - Adagio molto e cantabile - Andante moderato.flac", 84403244},
          {"04 - Finale. Presto - Allegro assai - Ode to Joy (choral finale).flac", 154321788},
          {"Complete Edition (DVD image for the car player).iso", 4692377600},
          {"cover.jpg", 1434},
          {"checksum.md5", 6}}},
        {"Holiday Photos 2019",
         "",
         "Good",
         "home",
         "Summer in the mountains.",
         {QStringLiteral("Video")},
         {{1, "Photos", "photos\\", 0, ""},
          {2, "Day1", "photos\\day1\\", 40, "IMG_%1.JPG"},
          {2, "Day2", "photos\\day2\\", 35, "IMG_%1.JPG"},
          {1, "Videos", "videos\\", 6, "Clip %1.mp4"}},
         2},
        {"Jazz Collection",
         "Various",
         "Very good",
         "Anna",
         "Lent for the party.",
         {QStringLiteral("Music")},
         {{1, "Miles", "miles\\", 12, "Track %1.flac"},
          {1, "Coltrane", "coltrane\\", 9, "Track %1.flac"}},
         1},
        {"Backup Documents",
         "",
         "",
         "home",
         "",
         {QStringLiteral("Software")},
         {{1, "Letters", "letters\\", 25, "letter-%1.odt"},
          {1, "Tax", "tax\\", 0, ""},
          {2, "2018", "tax\\2018\\", 8, "statement %1.pdf"},
          {2, "2019", "tax\\2019\\", 11, "statement %1.pdf"}},
         3},
        {"Games",
         "",
         "Scratched",
         "home",
         "",
         {QStringLiteral("Games")},
         {{1, "Setup", "setup\\", 14, "data%1.cab"}},
         2},
        {"Family Videos",
         "",
         "DVD",
         "home",
         "Birthday 2020.",
         {QStringLiteral("Video"), QStringLiteral("Movies")},
         {{1, "Birthday", "birthday\\", 5, "VTS_01_%1.VOB"}},
         1},
    };

    CCatalog catalog;
    catalog.m_lstCategories = DEFAULT_CATEGORIES;
    QList<TreeTextLine> tree;
    int number = 0;
    for (const Disc &d : discs) {
        ++number;
        CDisc disc;
        disc.m_strNumber = QString::number(number);
        disc.m_strName = QString::fromUtf8(d.name);
        disc.m_strArtist = QString::fromUtf8(d.artist);
        disc.m_strQuality = QString::fromUtf8(d.quality);
        disc.m_strLocation = QString::fromUtf8(d.location);
        disc.m_strNotes = QString::fromUtf8(d.note);
        disc.m_lstCategories = d.categories;
        disc.m_strDrive = QStringLiteral("SR0:\\");
        disc.m_strSavedDate = QStringLiteral("December 0%1, 2026").arg(number);
        catalog.m_pDiscs->prepend(disc);
        tree.append({0, disc.m_strNumber + u' ' + disc.m_strName});
        auto addFiles = [&](const QString &folder, int count, const QString &pattern) {
            for (int i = 1; i <= count; ++i) {
                CFileData file;
                file.m_strFileName = QString(pattern).arg(i, 3, 10, QLatin1Char('0'));
                file.m_strDiscNumber = disc.m_strNumber;
                file.m_strFolder = folder;
                file.m_strDrive = QStringLiteral("sr0:\\");
                file.m_strSize = QString::number(qint64(i) * 734003 % 9000000 + 1200);
                catalog.m_pFiles->append(file);
            }
        };
        for (const Folder &f : d.folders) {
            tree.append({f.depth, QString::fromUtf8(f.name)});
            addFiles(QStringLiteral("sr0:\\") + QString::fromUtf8(f.path), f.files,
                     QString::fromUtf8(f.pattern));
        }
        addFiles(QStringLiteral("sr0:\\"), d.rootFiles, QStringLiteral("readme%1.txt"));
        for (const auto &[name, size] : d.named) {
            CFileData file;
            file.m_strFileName = name;
            file.m_strDiscNumber = disc.m_strNumber;
            file.m_strFolder = QStringLiteral("sr0:\\");
            file.m_strDrive = QStringLiteral("sr0:\\");
            file.m_strSize = QString::number(size);
            catalog.m_pFiles->append(file);
        }
    }

    CatalogStore store;
    store.SetActiveDir(home);
    store.SetBackupDir(BackupDirFor(home));
    const QByteArray treeText = WriteTreeText(tree);
    StoreResult saved = store.SaveCatalog(catalog, &treeText);
    if (saved)
        saved = store.BackUpCatalog();
    if (!saved) {
        std::fprintf(stderr, "%s\n", qPrintable(saved.message()));
        return 1;
    }
    std::printf("%s\n", qPrintable(home));
    return 0;
}
