// Undo and redo on a full database (4048 satellite and 2000 terrestrial services, 1360
// transponders), each until the grid has been refilled and the view has caught up: a paste of a
// 500-row block and a header sort. And the memory that 100 undo steps hold.
#include "filled_window.h"
#include "full_stores.h"
#include "grid_menu.h"
#include "resource.h"
#include "widget_bench_main.h"

#include <QTreeWidget>
#include <QUndoStack>

#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

namespace {

constexpr long kBlock = 500;

void PasteBlock(SFilledWindow& window) {
    window.SelectRows(1, kBlock);
    window.Command(1, 2, ID_EDIT_CUT);
    window.SelectRows(2000, 2000);
    window.Command(2000, 2, ID_EDIT_PASTE);
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
        SFilledWindow window(FillFullEditorDatabase);
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
                window.dlg.OnButtonDelete();
                window.dlg.TabCtrl().setCurrentIndex(1);
            }
        }
        state.counters["steps"] = window.dlg.UndoStack().count();
        state.counters["peak_growth_MB"] = double(StatusKb("VmHWM:") - nBefore) / 1024;
        state.counters["held_MB"] = double(StatusKb("VmRSS:") - nBefore) / 1024;
    }
}
BENCHMARK(BM_HundredStepsMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// Times the undo (or the redo) of the one step `edit` makes, again and again.
void RunUndoRedo(benchmark::State& state, void (*edit)(SFilledWindow&), UINT nTimed) {
    SFilledWindow window(FillFullEditorDatabase);
    edit(window);
    if (window.dlg.UndoStack().count() != 1) {
        state.SkipWithError("the edit made no undo step");
        return;
    }
    const UINT nOther = nTimed == ID_EDIT_UNDO ? ID_EDIT_REDO : ID_EDIT_UNDO;
    if (nTimed == ID_EDIT_REDO)
        window.dlg.OnCommand(ID_EDIT_UNDO);
    for (auto _ : state) {
        window.dlg.OnCommand(nTimed);
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.dlg.OnCommand(nOther);
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_UndoPaste500(benchmark::State& state) {
    RunUndoRedo(state, PasteBlock, ID_EDIT_UNDO);
}
BENCHMARK(BM_UndoPaste500)->Unit(benchmark::kMillisecond);

void BM_RedoPaste500(benchmark::State& state) {
    RunUndoRedo(state, PasteBlock, ID_EDIT_REDO);
}
BENCHMARK(BM_RedoPaste500)->Unit(benchmark::kMillisecond);

void BM_UndoSort(benchmark::State& state) {
    RunUndoRedo(state, SortByName, ID_EDIT_UNDO);
}
BENCHMARK(BM_UndoSort)->Unit(benchmark::kMillisecond);

void BM_RedoSort(benchmark::State& state) {
    RunUndoRedo(state, SortByName, ID_EDIT_REDO);
}
BENCHMARK(BM_RedoSort)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
