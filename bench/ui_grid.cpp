// The satellite TV grid with a full list of 4048 services: the refresh after an edit of the list,
// and a header double-click sort with its refresh, each until the view has caught up.
#include "document.h"
#include "filled_window.h"
#include "full_stores.h"
#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kServices = 4048;

void FillList(CChannelStore& store) {
    FillLargeSatTvList(store, kServices);
}

// What the document announces after an edit of the list: the model reads its rows again, and
// (bPaint) the view paints the rows it shows.
void RefreshSatelliteGrid(benchmark::State& state, bool bPaint) {
    SFilledWindow window(FillList);
    for (auto _ : state) {
        emit window.dlg.Document().Changed(ListPart(LIST_SAT_TV));
        if (bPaint)
            window.Grid().viewport()->repaint();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(window.dlg.Grid(LIST_SAT_TV).GetRows());
}

void BM_RefreshSatelliteGrid(benchmark::State& state) {
    RefreshSatelliteGrid(state, false);
}
BENCHMARK(BM_RefreshSatelliteGrid)->Unit(benchmark::kMillisecond);

void BM_RefreshAndPaintSatelliteGrid(benchmark::State& state) {
    RefreshSatelliteGrid(state, true);
}
BENCHMARK(BM_RefreshAndPaintSatelliteGrid)->Unit(benchmark::kMillisecond);

// Each double-click on the name header turns the order round, so every round really moves
// the rows.
void BM_SortByNameAndRefill(benchmark::State& state) {
    SFilledWindow window(FillList);
    for (auto _ : state) {
        window.DoubleClickHeader(6);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SortByNameAndRefill)->Unit(benchmark::kMillisecond);

void BM_SortByLockAndRefill(benchmark::State& state) {
    SFilledWindow window(FillList);
    for (auto _ : state) {
        window.DoubleClickHeader(8);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SortByLockAndRefill)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
