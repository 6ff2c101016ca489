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
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.zdf"));
    {
        CChannelStore store;
        FillList(store);
        store.SetPathName(path.toStdString());
        if (!store.WriteDataFile()) {
            state.SkipWithError("the full database could not be written");
            return;
        }
    }
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
    window.SelectRows(1, 100);
    window.Command(1, 2, ID_EDIT_CUT);
    window.SelectRows(2000, 2000);
    window.Command(2000, 2, ID_EDIT_PASTE);
}

// Times the undo (or the redo) of a 100-row paste, again and again.
void RunPasteUndoRedo(benchmark::State& state, UINT nTimed) {
    SFilledWindow window(FillList);
    PasteHundred(window);
    if (window.dlg.UndoStack().count() != 1) {
        state.SkipWithError("the paste made no undo step");
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

void BM_UndoPaste100(benchmark::State& state) {
    RunPasteUndoRedo(state, ID_EDIT_UNDO);
}
BENCHMARK(BM_UndoPaste100)->Unit(benchmark::kMillisecond);

void BM_RedoPaste100(benchmark::State& state) {
    RunPasteUndoRedo(state, ID_EDIT_REDO);
}
BENCHMARK(BM_RedoPaste100)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
