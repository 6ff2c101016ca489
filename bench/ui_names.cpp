// Switching the names' character set with a full satellite TV list of 4048 services shown: the
// list read again, and its rows painted in the other set, within one frame.
#include "document.h"
#include "filled_window.h"
#include "full_stores.h"
#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SwitchNameEncodingAndPaint(benchmark::State& state) {
    SFilledWindow window([](CChannelStore& store) { FillLargeSatTvList(store, 4048); });
    bool bCyrillic = false;
    for (auto _ : state) {
        bCyrillic = !bCyrillic;
        window.dlg.Document().SetNames(bCyrillic ? ECharset::Windows1251 : ECharset::Windows1252);
        window.Grid().viewport()->repaint();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = double(window.Grid().GetRows());
}
BENCHMARK(BM_SwitchNameEncodingAndPaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
