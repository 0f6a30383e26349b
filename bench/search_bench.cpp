// Searching a catalogue of 1,000 discs and 1,000,000 file records ("--records=N" for
// another size): once generated, once made of the real file names under /usr. The
// catalogue goes through the archive format and back first, so its texts lie in memory as
// a loaded catalogue's do.

#include "store/archive.h"
#include "store/catalogsearch.h"
#include "support/benchsize.h"
#include "support/cataloguegenerator.h"
#include "support/realnames.h"

#include <QApplication>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

int kRecords = 1'000'000;

enum Source { Generated = 0, RealNames = 1 };

const char *const kPattern = "con";
const char *const kWildcard = "*con*.*p*";
const QStringList kCategories = {QStringLiteral("Music"), QStringLiteral("Live")};

// One in ten files carries categories, half of those both Music and Live.
void tagFiles(CFileList &files)
{
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (i % 20 == 0)
            files[i].m_lstCategories = {QStringLiteral("Live"), QStringLiteral("Music")};
        else if (i % 10 == 0)
            files[i].m_lstCategories = {QStringLiteral("Music")};
    }
}

CCatalog &catalogue(Source source)
{
    static std::unique_ptr<CCatalog> loaded[2];
    std::unique_ptr<CCatalog> &c = loaded[source];
    if (!c) {
        c = std::make_unique<CCatalog>();
        QByteArray files, discs;
        {
            GeneratedCatalogue g;
            if (source == Generated)
                GenerateCatalogue(g, std::max(1, kRecords / 1000), kRecords);
            else
                GenerateRealNamesCatalogue(g.catalog, std::max(1, kRecords / 1000), kRecords);
            tagFiles(*g.catalog.m_pFiles);
            files = WriteFileList(*g.catalog.m_pFiles);
            discs = WriteDiscList(*g.catalog.m_pDiscs);
        }
        ReadFileList(files, *c->m_pFiles);
        ReadDiscList(discs, *c->m_pDiscs);
    }
    return *c;
}

void BM_FindFiles(benchmark::State &state, Source source, const char *pattern, bool byCat)
{
    const CFileList &files = *catalogue(source).m_pFiles;
    const QString p = QString::fromLatin1(pattern);
    qsizetype hits = 0;
    for (auto _ : state) {
        const QList<qsizetype> found
            = CatalogSearch::FindFiles(files, p, byCat ? &kCategories : nullptr);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["records"] = double(files.size());
    state.counters["rows"] = double(hits);
}

} // namespace

BENCHMARK_CAPTURE(BM_FindFiles, generated_3letters, Generated, kPattern, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindFiles, real_3letters, RealNames, kPattern, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindFiles, generated_wildcard, Generated, kWildcard, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindFiles, real_wildcard, RealNames, kWildcard, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindFiles, generated_byCat, Generated, kPattern, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindFiles, real_byCat, RealNames, kPattern, true)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kRecords = TakeRecordCount(argc, argv, kRecords);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
