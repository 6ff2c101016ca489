// The satellite TV grid with a full list of 4048 services: one keystroke in the filter field
// (filter and repaint), clearing the filter, and dragging a block of 100 rows to another place.
#include "filled_window.h"
#include "full_stores.h"
#include "widget_bench_main.h"

#include <QLineEdit>
#include <QMimeData>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kServices = 4048;

void FillList(CChannelStore& store) {
    FillLargeSatTvList(store, kServices);
}

// The view lays out and paints the change, as the event loop has it do once the action is over.
void Repaint(SFilledWindow& window) {
    window.Grid().viewport()->update();
    QCoreApplication::processEvents();
}

// Counts the grid's paints, to show that every round painted it.
struct SPaintCounter : QObject {
    int nPaints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        nPaints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Names read "Channel 0000" to "Channel 9999": "12" keeps about a tenth of the rows, "123" a
// hundredth. Each round types one key or takes it back.
void BM_FilterKeystroke(benchmark::State& state) {
    SFilledWindow window(FillList);
    SPaintCounter paints;
    window.Grid().viewport()->installEventFilter(&paints);
    bool bLonger = true;
    for (auto _ : state) {
        window.dlg.FilterField().setText(bLonger ? QStringLiteral("123") : QStringLiteral("12"));
        Repaint(window);
        bLonger = !bLonger;
    }
    state.counters["shown"] = double(window.Grid().ShownRowCount());
    state.counters["paints"] =
        benchmark::Counter(paints.nPaints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

void BM_ClearFilter(benchmark::State& state) {
    SFilledWindow window(FillList);
    for (auto _ : state) {
        state.PauseTiming();
        window.dlg.FilterField().setText(QStringLiteral("12"));
        Repaint(window);
        state.ResumeTiming();
        window.dlg.FilterField().clear();
        Repaint(window);
    }
}
BENCHMARK(BM_ClearFilter)->Unit(benchmark::kMillisecond);

// Rows 1 to 100 dropped in front of row 2000: the move, its undo step and the refill.
void BM_DragAndDrop100Rows(benchmark::State& state) {
    SFilledWindow window(FillList);
    CMSFlexGrid& grid = window.Grid();
    for (auto _ : state) {
        state.PauseTiming();
        window.SelectRows(1, 100);
        const std::unique_ptr<QMimeData> rows(grid.model()->mimeData({}));
        const QModelIndex target = grid.model()->index(1999, 1);
        grid.scrollTo(target);
        const QPoint pos = grid.visualRect(target).topLeft() + QPoint(2, 2);
        QDragEnterEvent enter(pos, Qt::CopyAction, rows.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(grid.viewport(), &enter);
        state.ResumeTiming();
        QDropEvent drop(pos, Qt::CopyAction, rows.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(grid.viewport(), &drop);
        Repaint(window);
    }
    state.counters["steps"] = double(window.dlg.UndoStack().count());
}
BENCHMARK(BM_DragAndDrop100Rows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
