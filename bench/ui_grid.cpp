// The satellite TV grid with a full list of 4048 services: a refill (Clear, SetupGridColumns,
// FillGrid) and a header double-click sort with its refill, each until the view has caught up.
#include "editor_dlg.h"
#include "scripted_prompt.h"
#include "store_builders.h"
#include "widget_bench_main.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

constexpr int kServices = 4048;

struct SFilledWindow {
    CScriptedPrompt prompt;
    CEditorDlg dlg{prompt};

    SFilledWindow() {
        CStoreBuilder(*dlg.GetStore()).LargeSatTvList(kServices);
        dlg.RefillGrid(LIST_SAT_TV);
        dlg.show();
        QCoreApplication::processEvents();
    }

    // What a user's double-click on a column header sends to the grid.
    void DoubleClickHeader(long nCol) {
        QHeaderView* header = dlg.Grid(LIST_SAT_TV).horizontalHeader();
        const int section = int(nCol - 1);
        const QPointF pos(header->sectionViewportPosition(section) +
                              header->sectionSize(section) / 2,
                          header->height() / 2);
        QMouseEvent event(QEvent::MouseButtonDblClick, pos, header->viewport()->mapToGlobal(pos),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(header->viewport(), &event);
    }
};

void BM_RefillSatelliteGrid(benchmark::State& state) {
    SFilledWindow window;
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
    SFilledWindow window;
    for (auto _ : state) {
        window.DoubleClickHeader(6);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SortByNameAndRefill)->Unit(benchmark::kMillisecond);

void BM_SortByLockAndRefill(benchmark::State& state) {
    SFilledWindow window;
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
