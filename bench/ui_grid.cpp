// The satellite TV grid with a full list of 4048 services: a refill (Clear, SetupGridColumns,
// FillGrid) and a header double-click sort with its refill, each until the view has caught up.
#include "filled_window.h"
#include "full_stores.h"
#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kServices = 4048;

void FillList(CChannelStore& store) {
    FillLargeSatTvList(store, kServices);
}

void BM_RefillSatelliteGrid(benchmark::State& state) {
    SFilledWindow window(FillList);
    for (auto _ : state) {
        window.dlg.RefillGrid(LIST_SAT_TV);
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = double(window.dlg.Grid(LIST_SAT_TV).GetRows());
}
BENCHMARK(BM_RefillSatelliteGrid)->Unit(benchmark::kMillisecond);

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
