// Scanning a disc image and listing a zip against bsdtar -tvf on the same files, in the same
// run. At the default size the image holds 20,000 files in 1,000 folders and the zip 10,000
// entries; "--records=N" makes the image N/5 files (20 a folder) and the zip N/10 entries.
// IMAGE_BENCH_MAKE=DIR only makes DIR/bench.iso and DIR/bench.zip; IMAGE_BENCH_ISO and
// IMAGE_BENCH_ZIP name files made so beforehand (tools/bench.sh does, so that the tools making
// them do not count in the peak memory of the process that reads them).

#include "media/archivelister.h"
#include "media/bytestream.h"
#include "media/treesource.h"
#include "scan/discwalk.h"
#include "support/benchsize.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString g_iso;
QString g_zip;

bool shell(const QString &command, const QString &arg1, const QString &arg2)
{
    QProcess process;
    process.start(QStringLiteral("sh"),
                  {QStringLiteral("-c"), command, QStringLiteral("sh"), arg1, arg2});
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

// Folders of 20 files named as music discs are: "Album 12/CD 3/Track 07.mp3".
bool makeTree(const QString &root, int files, int perFolder)
{
    const QByteArray base = QFile::encodeName(root);
    for (int i = 0; i < files; ++i) {
        const int folder = i / perFolder;
        const QByteArray dir = base + "/Album " + QByteArray::number(folder / 10) + "/CD "
            + QByteArray::number(folder % 10);
        if (i % perFolder == 0 && !QDir().mkpath(QFile::decodeName(dir)))
            return false;
        QFile file(QFile::decodeName(dir + "/Track " + QByteArray::number(i % perFolder) + ".mp3"));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(i % 7 * 1000))
            return false;
    }
    return true;
}

int countLines(const QString &command, const QString &file)
{
    const QByteArray line = (command + " '" + file + "' | wc -l").toLocal8Bit();
    FILE *pipe = ::popen(line.constData(), "r");
    int count = 0;
    if (!pipe || std::fscanf(pipe, "%d", &count) != 1)
        count = -1;
    if (pipe)
        ::pclose(pipe);
    return count;
}

void BM_BsdtarIso(benchmark::State &state)
{
    int count = 0;
    for (auto _ : state)
        count = countLines(QStringLiteral("bsdtar -tvf"), g_iso);
    state.counters["files"] = count;
}

void BM_ImageScan(benchmark::State &state)
{
    qsizetype count = 0;
    for (auto _ : state) {
        DiscWalk walk(std::make_unique<ImageSource>(g_iso, ImageOptions()),
                      QStringLiteral("BENCH:\\"), QStringLiteral("1"));
        walk.Run();
        count = walk.Files().size();
    }
    state.counters["files"] = double(count);
}

void BM_BsdtarZip(benchmark::State &state)
{
    int count = 0;
    for (auto _ : state)
        count = countLines(QStringLiteral("bsdtar -tvf"), g_zip);
    state.counters["files"] = count;
}

void BM_ZipList(benchmark::State &state)
{
    qsizetype count = 0;
    for (auto _ : state) {
        const int fd = ::open(QFile::encodeName(g_zip).constData(), O_RDONLY);
        FileStream in(fd);
        EntryTree tree;
        ListArchive(in, tree, MediaLimits());
        ::close(fd);
        count = tree.Count();
    }
    state.counters["files"] = double(count);
}

} // namespace

BENCHMARK(BM_BsdtarIso)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ImageScan)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_BsdtarZip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_ZipList)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

int main(int argc, char **argv)
{
    const int records = TakeRecordCount(argc, argv, 100000);
    QCoreApplication app(argc, argv);
    QTemporaryDir temporary;
    const QString make = qEnvironmentVariable("IMAGE_BENCH_MAKE");
    const QDir dir(make.isEmpty() ? temporary.path() : make);
    g_iso = qEnvironmentVariable("IMAGE_BENCH_ISO");
    g_zip = qEnvironmentVariable("IMAGE_BENCH_ZIP");
    if (g_iso.isEmpty() || g_zip.isEmpty()) {
        g_iso = dir.filePath(QStringLiteral("bench.iso"));
        g_zip = dir.filePath(QStringLiteral("bench.zip"));
        if (!makeTree(dir.filePath(QStringLiteral("disc")), std::max(20, records / 5), 20)
            || !makeTree(dir.filePath(QStringLiteral("zip")), std::max(100, records / 10), 100)
            || !shell(
                QStringLiteral("xorriso -as mkisofs -quiet -R -J -o \"$2\" \"$1\" 2>/dev/null"),
                dir.filePath(QStringLiteral("disc")), g_iso)
            || !shell(QStringLiteral("cd \"$1\" && bsdtar -acf \"$2\" ."),
                      dir.filePath(QStringLiteral("zip")), g_zip)) {
            std::fprintf(stderr, "could not make the image and the zip\n");
            return 1;
        }
        if (!make.isEmpty())
            return QDir(dir.filePath(QStringLiteral("disc"))).removeRecursively()
                    && QDir(dir.filePath(QStringLiteral("zip"))).removeRecursively()
                ? 0
                : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
