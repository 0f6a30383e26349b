// The file list pane against a large catalogue: listing a folder of 20,000 files out of
// 1,000,000 records until the list is painted, and sorting it by each column. With
// "--records=N" the catalogue has N records and the folder min(20,000, N/4) files.

#include "files/ctavikonview.h"
#include "files/filelistmodel.h"
#include "files/listcompare.h"
#include "platform/hints.h"
#include "platform/tokens.h"
#include "support/benchsize.h"
#include "support/cataloguegenerator.h"
#include "support/folderdisc.h"

#include <QApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

int kRecords = 1'000'000;
int kFolderFiles = 20'000;

struct Fixture
{
    GeneratedCatalogue generated;
    QString keyAtTail; // a disc behind every other record: the whole list is walked
    QString keyAtHead; // a disc in front: the walk stops after it
};

Fixture &fixture()
{
    static std::unique_ptr<Fixture> f = [] {
        auto fx = std::make_unique<Fixture>();
        GenerateCatalogue(fx->generated, std::max(1, kRecords / 1000 - 2),
                          kRecords - 2 * kFolderFiles);
        CCatalog &c = fx->generated.catalog;
        fx->keyAtTail = AddFolderDisc(c, QStringLiteral("1000"), QStringLiteral("Big"),
                                      kFolderFiles, false, 11);
        fx->keyAtHead = AddFolderDisc(c, QStringLiteral("999"), QStringLiteral("Big"), kFolderFiles,
                                      true, 12);
        return fx;
    }();
    return *f;
}

void select(CTavikonView &view, CCatalog &catalog, const QString &number, const QString &key)
{
    catalog.m_strCurNumber = number;
    catalog.m_strFolderKey = key;
    view.OnUpdate(nullptr, HINT_SELECTION, &catalog);
    view.OnUpdate(nullptr, HINT_TOKEN, Tokens::Refresh);
}

struct ShownView
{
    CTavikonView view;
    ShownView()
    {
        view.resize(320, 700);
        view.show();
        view.OnInitialUpdate();
        QApplication::processEvents();
    }
};

void listFolder(benchmark::State &state, bool atTail)
{
    Fixture &fx = fixture();
    CCatalog &catalog = fx.generated.catalog;
    ShownView shown;
    const QString number = atTail ? QStringLiteral("1000") : QStringLiteral("999");
    const QString key = atTail ? fx.keyAtTail : fx.keyAtHead;
    for (auto _ : state) {
        select(shown.view, catalog, number, key);
        QPixmap painted = shown.view.grab();
        benchmark::DoNotOptimize(painted);
    }
    if (shown.view.FileModel()->rowCount() != kFolderFiles)
        state.SkipWithError("the folder was not listed in full");
    state.counters["records"] = double(catalog.m_pFiles->size());
    state.counters["rows"] = shown.view.FileModel()->rowCount();
}

void BM_ListFolderAtTail(benchmark::State &state)
{
    listFolder(state, true);
}
void BM_ListFolderAtHead(benchmark::State &state)
{
    listFolder(state, false);
}

// One header click: sort the 20,000 rows by the column and paint the list again.
void BM_SortColumn(benchmark::State &state)
{
    Fixture &fx = fixture();
    ShownView shown;
    select(shown.view, fx.generated.catalog, QStringLiteral("1000"), fx.keyAtTail);
    shown.view.selectAll(); // the selection has to follow its rows too
    const int column = int(state.range(0));
    for (auto _ : state) {
        shown.view.OnColumnClick(column);
        QPixmap painted = shown.view.grab();
        benchmark::DoNotOptimize(painted);
    }
}

// The compare rules alone on the texts of 20,000 rows.
void BM_SortedRowOrder(benchmark::State &state)
{
    Fixture &fx = fixture();
    ShownView shown;
    select(shown.view, fx.generated.catalog, QStringLiteral("1000"), fx.keyAtTail);
    const int column = int(state.range(0));
    const int type = int(state.range(1));
    QStringList texts;
    for (int r = 0; r < shown.view.FileModel()->rowCount(); ++r)
        texts << shown.view.FileModel()->Text(r, column);
    bool ascending = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SortedRowOrder(texts, type, ascending));
        ascending = !ascending;
    }
}

} // namespace

BENCHMARK(BM_ListFolderAtTail)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFolderAtHead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortColumn)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortedRowOrder)
    ->Args({0, SORT_TEXT})
    ->Args({1, SORT_LEADING_NUMBER})
    ->Args({2, SORT_TEXT})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    kRecords = TakeRecordCount(argc, argv, kRecords);
    kFolderFiles = std::min(20'000, kRecords / 4);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
