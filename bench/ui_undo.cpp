// Undo and redo on a full database (the 4048 services and 1360 transponder records a data file
// holds), each until the views have caught up: a paste of a 500-row block and a header sort. And
// the memory that 100 undo steps hold.
#include "filled_window.h"
#include "full_stores.h"
#include "grid_menu.h"
#include "resource.h"
#include "satellite_page.h"
#include "widget_bench_main.h"

#include <QTreeWidget>
#include <QUndoStack>

#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

namespace {

constexpr long kBlock = 500;

void PasteBlock(SFilledWindow& window) {
    PasteRows(window, kBlock, 1000);
}

void SortByName(SFilledWindow& window) {
    window.DoubleClickHeader(6);
    QCoreApplication::processEvents();
}

// A size from /proc/self/status in kB: "VmRSS:" now, "VmHWM:" the peak.
long StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(field.size()));
    return 0;
}

// 100 steps in turn: a 500-row paste, a sort by name, the deletion of a satellite (which
// changes both satellite lists). The peak is measured against what the window held before; the
// kernel's peak is reset first, so that every run measures its own.
void BM_HundredStepsMemory(benchmark::State& state) {
    for (auto _ : state) {
        SFilledWindow window(FillFullDatabase);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long nBefore = StatusKb("VmRSS:");
        for (int i = 0; i < 100; ++i) {
            if (i % 3 == 0) {
                PasteBlock(window);
            } else if (i % 3 == 1) {
                SortByName(window);
            } else {
                window.dlg.TabCtrl().setCurrentIndex(0);
                window.dlg.Tree().setCurrentItem(window.dlg.Tree().topLevelItem(0));
                window.dlg.SatellitePage().Delete();
                window.dlg.TabCtrl().setCurrentIndex(1);
            }
        }
        state.counters["steps"] = window.dlg.UndoStack().count();
        state.counters["peak_growth_MB"] = double(StatusKb("VmHWM:") - nBefore) / 1024;
        state.counters["held_MB"] = double(StatusKb("VmRSS:") - nBefore) / 1024;
    }
}
BENCHMARK(BM_HundredStepsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_UndoPaste500(benchmark::State& state) {
    RunUndoRedo(state, FillFullDatabase, PasteBlock, ID_EDIT_UNDO);
}
BENCHMARK(BM_UndoPaste500)->Unit(benchmark::kMillisecond);

void BM_RedoPaste500(benchmark::State& state) {
    RunUndoRedo(state, FillFullDatabase, PasteBlock, ID_EDIT_REDO);
}
BENCHMARK(BM_RedoPaste500)->Unit(benchmark::kMillisecond);

void BM_UndoSort(benchmark::State& state) {
    RunUndoRedo(state, FillFullDatabase, SortByName, ID_EDIT_UNDO);
}
BENCHMARK(BM_UndoSort)->Unit(benchmark::kMillisecond);

void BM_RedoSort(benchmark::State& state) {
    RunUndoRedo(state, FillFullDatabase, SortByName, ID_EDIT_REDO);
}
BENCHMARK(BM_RedoSort)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
