// Searching a catalogue of 1,000 discs and 1,000,000 file records ("--records=N" for
// another size): once generated, once made of the real file names under /usr. The
// catalogue goes through the archive format and back first, so its texts lie in memory as
// a loaded catalogue's do. The search alone, then the result window until it shows its
// count and first rows, and a window of 50,000 rows shown, sorted and scrolled.
//
// "--write-names=DIR" only writes the file names of both catalogues, one a line, to
// DIR/generated.txt and DIR/real.txt for the grep baseline of tools/bench.sh.

#include "files/csearchresultdlg.h"
#include "files/searchresultmodel.h"
#include "store/archive.h"
#include "store/catalogsearch.h"
#include "support/benchsize.h"
#include "support/cataloguegenerator.h"
#include "support/realnames.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QScrollBar>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <malloc.h>

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

qint64 heapInUse()
{
    return qint64(mallinfo2().uordblks);
}

// From the request to the painted window with its count and first rows; the window's heap
// (controls, rows and their texts) is reported beside the time.
void BM_SearchWindow(benchmark::State &state, Source source, const char *pattern, bool byCat)
{
    CCatalog &catalog = catalogue(source);
    const QStringList request = {QString::fromLatin1(pattern), QStringLiteral("files"),
                                 QString::fromLatin1(byCat ? "byCat" : "all")};
    int rows = 0;
    qint64 heap = 0;
    for (auto _ : state) {
        const qint64 before = heapInUse();
        auto *dlg = new CSearchResultDlg;
        dlg->Start(&catalog, request, kCategories);
        dlg->show();
        QPixmap painted = dlg->grab();
        benchmark::DoNotOptimize(painted);
        rows = dlg->Model()->rowCount();
        heap = heapInUse() - before;
        state.PauseTiming();
        delete dlg;
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = rows;
    state.counters["window_heap_MB"] = double(heap) / 1e6;
}

// The 50,000 files that carry both categories, in a shown window.
struct BigWindow
{
    CSearchResultDlg dlg;
    BigWindow()
    {
        dlg.Start(&catalogue(Generated), {"*", "files", "byCat"}, kCategories);
        dlg.show();
        QApplication::processEvents();
    }
};

void BM_ShowBigResult(benchmark::State &state)
{
    CCatalog &catalog = catalogue(Generated);
    for (auto _ : state) {
        CSearchResultDlg dlg;
        dlg.Start(&catalog, {"*", "files", "byCat"}, kCategories);
        dlg.show();
        QPixmap painted = dlg.grab();
        benchmark::DoNotOptimize(painted);
        state.counters["rows"] = dlg.Model()->rowCount();
    }
}

// One header click on the 50,000 rows and the repaint.
void BM_SortBigResult(benchmark::State &state)
{
    BigWindow big;
    big.dlg.ResultList()->selectAll(); // the selection follows its rows too
    const int column = int(state.range(0));
    for (auto _ : state) {
        big.dlg.OnColumnClick(column);
        QPixmap painted = big.dlg.grab();
        benchmark::DoNotOptimize(painted);
    }
    state.counters["rows"] = big.dlg.Model()->rowCount();
}

// A jump of the scroll bar across the 50,000 rows and the repaint.
void BM_ScrollBigResult(benchmark::State &state)
{
    BigWindow big;
    QScrollBar *bar = big.dlg.ResultList()->verticalScrollBar();
    int step = 0;
    for (auto _ : state) {
        bar->setValue(step % 2 ? bar->maximum() : bar->maximum() / 3 + step);
        ++step;
        QPixmap painted = big.dlg.grab();
        benchmark::DoNotOptimize(painted);
    }
    state.counters["rows"] = big.dlg.Model()->rowCount();
}

void writeNames(const QString &dir)
{
    QDir().mkpath(dir);
    for (Source source : {Generated, RealNames}) {
        QFile out(dir + (source == Generated ? "/generated.txt" : "/real.txt"));
        if (!out.open(QIODevice::WriteOnly))
            return;
        QByteArray text;
        for (const CFileData &f : *catalogue(source).m_pFiles)
            text += f.m_strFileName.toUtf8() + '\n';
        out.write(text);
    }
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

BENCHMARK_CAPTURE(BM_SearchWindow, generated_3letters, Generated, kPattern, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWindow, real_3letters, RealNames, kPattern, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWindow, generated_wildcard, Generated, kWildcard, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWindow, real_wildcard, RealNames, kWildcard, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWindow, generated_byCat, Generated, kPattern, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchWindow, real_byCat, RealNames, kPattern, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowBigResult)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortBigResult)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollBigResult)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kRecords = TakeRecordCount(argc, argv, kRecords);
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-names=", 14) == 0) {
            writeNames(QString::fromLocal8Bit(argv[i] + 14));
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
