// Load, save and memory of a large catalogue: by default 1,000 discs with 1,000,000 file
// records; "--records=N" takes another size (one disc per thousand records).
// "--write-catalogue=DIR" only lays out the catalogue in DIR, with names.txt (one file name a
// line) beside it, for the shell baselines of tools/bench.sh.

#include "store/catalogstore.h"
#include "store/homepaths.h"
#include "support/benchsize.h"
#include "support/cataloguegenerator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

int kFiles = 1000000;
int kDiscs = 1000;

const char *const kNames[] = {"Tree.tkdt", "Data.dat", "Cat.dat", "FileData.dat"};

// One catalogue on disk for the whole run; the generated lists are dropped once written so
// that they do not blur the memory measurement.
struct Home
{
    QTemporaryDir dir;
    CatalogStore store;

    Home() : Home(QString()) { }
    explicit Home(const QString &keepIn) : dir(QStringLiteral("/var/tmp/tavikon-bench-XXXXXX"))
    {
        const QString home = keepIn.isEmpty() ? dir.path() + u'/' : keepIn + u'/';
        LayOutCatalogue(home);
        store.SetActiveDir(home);
        store.SetBackupDir(BackupDirFor(home));
        {
            GeneratedCatalogue generated;
            GenerateCatalogue(generated, kDiscs, kFiles);
            const StoreResult r = store.SaveCatalog(generated.catalog, &generated.treeText);
            if (!r || !store.BackUpCatalog())
                std::fprintf(stderr, "setup failed: %s\n", qPrintable(r.message()));
            if (!keepIn.isEmpty()) {
                QFile names(home + QStringLiteral("names.txt"));
                if (names.open(QIODevice::WriteOnly)) {
                    QByteArray text;
                    for (const CFileData &f : *generated.catalog.m_pFiles)
                        text += f.m_strFileName.toUtf8() + '\n';
                    names.write(text);
                }
            }
        }
        malloc_trim(0);
    }
};

Home &home()
{
    static Home h;
    return h;
}

size_t heapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

long residentBytes()
{
    long pages = 0, resident = 0;
    if (FILE *f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * sysconf(_SC_PAGESIZE);
}

// What reading the same bytes costs with no parsing: the yardstick for the load.
void BM_ReadFilesPlain(benchmark::State &state)
{
    Home &h = home();
    qint64 total = 0;
    for (auto _ : state) {
        total = 0;
        for (const char *name : kNames) {
            QFile f(h.store.DataPath(QLatin1String(name)));
            f.open(QIODevice::ReadOnly);
            QByteArray bytes(f.size(), Qt::Uninitialized);
            total += f.read(bytes.data(), bytes.size());
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.counters["MB"] = double(total) / 1e6;
}
BENCHMARK(BM_ReadFilesPlain)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_LoadCatalog(benchmark::State &state)
{
    Home &h = home();
    for (auto _ : state) {
        auto catalog = std::make_unique<CCatalog>();
        QList<TreeTextNode> tree;
        const StoreResult r = h.store.LoadCatalog(*catalog, tree);
        if (!r || catalog->m_pFiles->size() != kFiles)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(catalog->m_pFiles->data());
        // Dropping the catalogue is not part of the load.
        state.PauseTiming();
        catalog.reset();
        tree = {};
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadCatalog)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SaveAndBackUp(benchmark::State &state)
{
    Home &h = home();
    CCatalog catalog;
    QList<TreeTextNode> tree;
    h.store.LoadCatalog(catalog, tree);
    QByteArray treeText;
    h.store.ReadDataFile(QStringLiteral("Tree.tkdt"), treeText);
    for (auto _ : state) {
        const StoreResult saved = h.store.SaveCatalog(catalog, &treeText);
        const StoreResult backed = h.store.BackUpCatalog();
        if (!saved || !backed)
            state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveAndBackUp)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// Memory the loaded catalogue holds, per file record: heap in use (mallinfo2) and resident
// set growth, measured around a load into a fresh catalogue that is kept alive.
void BM_MemoryPerRecord(benchmark::State &state)
{
    Home &h = home();
    double heapPerRecord = 0, rssPerRecord = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const size_t heapBefore = heapInUse();
        const long rssBefore = residentBytes();
        auto catalog = std::make_unique<CCatalog>();
        QList<TreeTextNode> tree;
        h.store.LoadCatalog(*catalog, tree);
        tree.clear();
        tree.squeeze();
        malloc_trim(0);
        heapPerRecord = double(heapInUse() - heapBefore) / kFiles;
        rssPerRecord = double(residentBytes() - rssBefore) / kFiles;
        benchmark::DoNotOptimize(catalog.get());
    }
    state.counters["heap_B_per_record"] = heapPerRecord;
    state.counters["rss_B_per_record"] = rssPerRecord;
}
BENCHMARK(BM_MemoryPerRecord)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    kFiles = TakeRecordCount(argc, argv, kFiles);
    kDiscs = kFiles >= 1000 ? kFiles / 1000 : 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-catalogue=", 18) == 0) {
            const QString dir = QString::fromLocal8Bit(argv[i] + 18);
            QDir().mkpath(dir);
            Home keep(dir);
            return 0;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
