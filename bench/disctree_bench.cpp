// The disc tree's own costs: building and showing a large tree, and one selection change
// over a catalogue of a million file records.

#include "discs/cleftview.h"
#include "files/ctavikonview.h"
#include "platform/ctavikondoc.h"
#include "support/cataloguegenerator.h"
#include "support/folderdisc.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// Receives the broadcasts of a selection like another pane would, doing nothing with them.
class SilentView final : public CView
{
public:
    void OnUpdate(CView *, int, const HintArg &) override { ++received; }
    QWidget *viewWidget() override { return &widget; }
    QWidget widget;
    int received = 0;
};

const GeneratedCatalogue &bigCatalogue()
{
    // 1,000 discs with 100 folders each; a million file records.
    static GeneratedCatalogue *generated = [] {
        auto *g = new GeneratedCatalogue;
        GenerateCatalogue(*g, 1000, 1000000, 100);
        return g;
    }();
    return *generated;
}

void BM_LoadAndShowTree(benchmark::State &state)
{
    const GeneratedCatalogue &gen = bigCatalogue();
    CLeftView view;
    view.resize(255, 800);
    view.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        view.clear();
        QApplication::processEvents();
        state.ResumeTiming();
        view.AppendTreeText(gen.treeText);
        view.repaint(); // the tree as the user sees it
        QApplication::processEvents();
    }
    state.counters["items"] = double(gen.folderCount + 1000);
}
BENCHMARK(BM_LoadAndShowTree)->Unit(benchmark::kMillisecond)->Iterations(5);

// The panes of a selection change in their order, the disc tree holding the big catalogue.
template<class FilesPane> struct Panes
{
    CTavikonDoc doc;
    SilentView panel;
    CLeftView view;
    FilesPane files;

    Panes()
    {
        doc.AddView(&panel);
        doc.AddView(&view);
        doc.AddView(&files);
        *view.Catalog()->m_pDiscs = *bigCatalogue().catalog.m_pDiscs;
        *view.Catalog()->m_pFiles = *bigCatalogue().catalog.m_pFiles;
    }
};

void BM_SelectionChange(benchmark::State &state)
{
    Panes<SilentView> panes;
    CLeftView &view = panes.view;
    SilentView &files = panes.files;
    view.AppendTreeText(bigCatalogue().treeText);
    view.resize(255, 800);
    view.show();
    QApplication::processEvents();

    // Alternate between a deep folder of the last disc and the first disc.
    QTreeWidgetItem *deep = view.topLevelItem(view.topLevelItemCount() - 1);
    while (deep->childCount() > 0)
        deep = deep->child(deep->childCount() - 1);
    QTreeWidgetItem *first = view.topLevelItem(0);
    bool toDeep = true;
    for (auto _ : state) {
        view.setCurrentItem(toDeep ? deep : first);
        toDeep = !toDeep;
    }
    state.counters["files"] = double(view.Catalog()->m_pFiles->size());
    state.counters["broadcasts"] = double(files.received);
}
BENCHMARK(BM_SelectionChange)->Unit(benchmark::kMicrosecond);

// The whole selection change as the user has it: the integrity check, the broadcasts and the
// real file list refilling and painting a folder of 1,000 files, the disc being the last of
// a million file records.
void BM_SelectionChangeWithFileList(benchmark::State &state)
{
    Panes<CTavikonView> panes;
    CLeftView &view = panes.view;
    CTavikonView &files = panes.files;
    files.OnInitialUpdate();
    AddFolderDisc(*view.Catalog(), QStringLiteral("1001"), QStringLiteral("big"), 1000, false);
    view.AppendTreeText(bigCatalogue().treeText + QByteArray("1001 Big\r\n\tbig\r\n"));
    view.resize(255, 800);
    files.resize(320, 800);
    view.show();
    files.show();
    QApplication::processEvents();

    QTreeWidgetItem *disc = view.topLevelItem(view.topLevelItemCount() - 1);
    QTreeWidgetItem *big = disc->child(0);
    bool toBig = true;
    int listed = 0;
    for (auto _ : state) {
        view.setCurrentItem(toBig ? big : disc);
        files.repaint();
        if (toBig)
            listed = files.model()->rowCount();
        toBig = !toBig;
    }
    state.counters["rows"] = double(listed);
}
BENCHMARK(BM_SelectionChangeWithFileList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
