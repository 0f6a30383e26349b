// The disc tree's own costs: building and showing a large tree, and one selection change
// over a catalogue of a million file records.

#include "discs/cleftview.h"
#include "platform/ctavikondoc.h"
#include "support/cataloguegenerator.h"

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

void BM_SelectionChange(benchmark::State &state)
{
    const GeneratedCatalogue &gen = bigCatalogue();
    CTavikonDoc doc;
    SilentView panel;
    CLeftView view;
    SilentView files;
    doc.AddView(&panel);
    doc.AddView(&view);
    doc.AddView(&files);
    view.AppendTreeText(gen.treeText);
    *view.Catalog()->m_pDiscs = *gen.catalog.m_pDiscs;
    *view.Catalog()->m_pFiles = *gen.catalog.m_pFiles;
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
