// The grid's popup commands on a full satellite TV list of 4048 services, each from the
// right-click to the view having caught up: moving a 100-row block from the top to near the end
// (Cut, Paste and the refill), and setting or clearing Lock over the whole column.
#include "filled_window.h"
#include "full_stores.h"
#include "grid_menu.h"
#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kServices = 4048;

void FillList(CChannelStore& store) {
    FillLargeSatTvList(store, kServices);
}

void BM_CutAndPasteBlock(benchmark::State& state) {
    SFilledWindow window(FillList);
    for (auto _ : state)
        PasteRows(window, 100, 4000);
    if (std::ptrdiff_t(window.prompt.m_menus.size()) != 2 * state.iterations())
        state.SkipWithError("a right-click showed no menu");
}
BENCHMARK(BM_CutAndPasteBlock)->Unit(benchmark::kMillisecond);

void BM_SetLockColumn(benchmark::State& state) {
    SFilledWindow window(FillList);
    bool bOn = true;
    for (auto _ : state) {
        window.Select(1, 8, kServices, 8);
        window.Command(1, 8, bOn ? ID_FLAGS_ENABLE : ID_FLAGS_DISABLE);
        bOn = !bOn;
    }
    if (std::ptrdiff_t(window.prompt.m_menus.size()) != state.iterations())
        state.SkipWithError("a right-click showed no menu");
}
BENCHMARK(BM_SetLockColumn)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
