// The window over a full satellite TV list of 4048 services, each action
// until the view has caught up: a flag toggled in a grid and the grid shown again, a data file
// opened into a shown window, and the undo and redo of a 100-row paste.
#include "filled_window.h"
#include "full_stores.h"
#include "grid_menu.h"
#include "resource.h"
#include "widget_bench_main.h"

#include <QKeyEvent>
#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

namespace {

void FillList(CChannelStore& store) {
    FillLargeSatTvList(store, kMaxSatServices);
}

// Space on the first row's Lock cell: the flag's undo step and the grid brought up to date.
void BM_ToggleFlagAndRefresh(benchmark::State& state) {
    SFilledWindow window(FillList);
    window.Select(1, 8, 1, 8);
    window.Grid().setFocus();
    for (auto _ : state) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(window.Grid().viewport(), &key);
        QCoreApplication::processEvents();
    }
    state.counters["steps"] = window.dlg.UndoStack().count();
}
BENCHMARK(BM_ToggleFlagAndRefresh)->Unit(benchmark::kMillisecond);

// Open: the file read and decoded, every view filled and the window painted.
void BM_OpenFileIntoWindow(benchmark::State& state) {
    const QTemporaryDir dir;
    const QString path = WriteStoreFile(dir, FillList);
    SFilledWindow window([](CChannelStore&) {});
    for (auto _ : state) {
        window.dlg.OpenDataFile(path);
        window.dlg.repaint();
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = double(window.Grid().GetRows() - 1);
}
BENCHMARK(BM_OpenFileIntoWindow)->Unit(benchmark::kMillisecond);

void PasteHundred(SFilledWindow& window) {
    PasteRows(window, 100, 2000);
}

void BM_UndoPaste100(benchmark::State& state) {
    RunUndoRedo(state, FillList, PasteHundred, ID_EDIT_UNDO);
}
BENCHMARK(BM_UndoPaste100)->Unit(benchmark::kMillisecond);

void BM_RedoPaste100(benchmark::State& state) {
    RunUndoRedo(state, FillList, PasteHundred, ID_EDIT_REDO);
}
BENCHMARK(BM_RedoPaste100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
