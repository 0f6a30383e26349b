// Pictures of the program's dialogs for the help page and for looking at them: the scan
// dialog while it walks a disc and when the walk is over, and the first-start dialog. The
// dialogs are the program's own classes; the disc is a folder of long names laid out here.
//
//   tavikon_dialogshots OUTDIR      (honours TAVIKON_PALETTE and QT_STYLE_OVERRIDE)
#include "chrome/elidedlabel.h"
#include "chrome/themeloader.h"
#include "platform/chomedirdialog.h"
#include "scan/cscandlg.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>

namespace {

// Enough files that the walk lasts long enough to be seen doing it.
constexpr int kFolders = 30;
constexpr int kFilesPerFolder = 2000;

bool layOutDisc(const QString &root)
{
    const char *const works[] = {"Symphony No. 3 in E-flat major, Op. 55 (Eroica)",
                                 "Piano Concerto No. 5 in E-flat major, Op. 73 (Emperor)",
                                 "Violin Concerto in D major, Op. 61"};
    for (int f = 0; f < kFolders; ++f) {
        const QString folder = QStringLiteral("%1/Disc %2 - %3/Live at the Concert Hall, 1962")
                                   .arg(root)
                                   .arg(f + 1, 2, 10, QLatin1Char('0'))
                                   .arg(QLatin1String(works[f % 3]));
        if (!QDir().mkpath(folder))
            return false;
        for (int i = 0; i < kFilesPerFolder; ++i) {
            QFile file(QStringLiteral("%1/Track %2 - Allegro ma non troppo, un poco maestoso "
                                      "(first take).flac")
                           .arg(folder)
                           .arg(i + 1, 4, 10, QLatin1Char('0')));
            if (!file.open(QIODevice::WriteOnly))
                return false;
        }
    }
    return true;
}

bool save(QWidget &window, const QString &path)
{
    // Work queued for the next turn of the event loop (column widths) is done first.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    const bool ok = window.grab().save(path);
    std::printf("%s\n", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    CThemeLoader::ApplyEnvironmentPalette();
    const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(out);

    // Our own home and configuration, so nothing of the user's is read or written.
    QTemporaryDir work;
    const QString home = work.filePath(QStringLiteral("home"));
    for (const char *folder : {"Documents", "Music", "Pictures"})
        QDir().mkpath(home + u'/' + QLatin1String(folder));
    qputenv("HOME", QFile::encodeName(home));
    const QString catalogue = work.filePath(QStringLiteral("catalogue"));
    QDir().mkpath(catalogue + QStringLiteral("/Data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))));
    const QString disc = work.filePath(QStringLiteral("Romantic Symphonies"));
    if (!layOutDisc(disc)) {
        std::fprintf(stderr, "could not lay out the disc in %s\n", qPrintable(disc));
        return 1;
    }
    qputenv("TAVIKON_CDROM_ROOTS", QFile::encodeName(disc));

    bool ok = true;
    {
        CFileList files;
        CScanDlg scan;
        scan.m_nLastNumber = 6;
        scan.m_strHomeDir = catalogue + u'/';
        scan.m_pFileList = &files;
        scan.show();
        if (!QTest::qWaitForWindowExposed(&scan))
            return 1;
        QSignalSpy finished(&scan, &CScanDlg::walkFinished);
        scan.OnStartScan();
        // The first report of the walk: a folder and a file in the read-outs.
        const auto *file = scan.findChild<ElidedLabel *>(QStringLiteral("File"));
        QElapsedTimer waited;
        waited.start();
        while (scan.IsWalking() && file->FullText().isEmpty() && waited.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (scan.IsWalking())
            ok = save(scan, out + QStringLiteral("/scan-during.png")) && ok;
        else
            std::fprintf(stderr, "the walk was over before it could be seen\n");
        if (!finished.wait(60000))
            return 1;
        ok = save(scan, out + QStringLiteral("/scan-after.png")) && ok;
        scan.reject();
    }
    {
        CHomeDirDialog first;
        first.show();
        if (!QTest::qWaitForWindowExposed(&first))
            return 1;
        ok = save(first, out + QStringLiteral("/first-start.png")) && ok;
    }
    return ok ? 0 : 1;
}
