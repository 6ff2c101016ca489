// The grid's popup commands on a full satellite TV list of 4048 services, each from the
// right-click to the view having caught up: moving a 100-row block from the top to near the end
// (Cut, Paste and the refill), and setting or clearing Lock over the whole column.
#include "editor_dlg.h"
#include "grid_menu.h"
#include "scripted_prompt.h"
#include "store_builders.h"
#include "widget_bench_main.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

namespace {

constexpr int kServices = 4048;

struct SFilledWindow {
    CScriptedPrompt prompt;
    CEditorDlg dlg{prompt};
    CMSFlexGrid& grid = dlg.Grid(LIST_SAT_TV);

    SFilledWindow() {
        CStoreBuilder(*dlg.GetStore()).LargeSatTvList(kServices);
        dlg.GetStore()->SetPathName("channels.zdf");
        dlg.RefillGrid(LIST_SAT_TV);
        dlg.show();
        QCoreApplication::processEvents();
    }

    // Selects from (nRow, nCol) to (nRowSel, nColSel) as a drag would.
    void Select(long nRow, long nCol, long nRowSel, long nColSel) {
        QAbstractItemModel& model = *grid.model();
        const QModelIndex end = model.index(int(nRowSel - 1), int(nColSel - 1));
        grid.selectionModel()->setCurrentIndex(end, QItemSelectionModel::NoUpdate);
        grid.selectionModel()->select(
            QItemSelection(model.index(int(nRow - 1), int(nCol - 1)), end),
            QItemSelectionModel::ClearAndSelect);
    }
    void SelectRows(long nRow, long nRowSel) { Select(nRow, 1, nRowSel, grid.GetCols() - 1); }

    // A right-click on a cell and the menu command chosen from the popup.
    void Command(long nRow, long nCol, unsigned nId) {
        const QModelIndex cell = grid.model()->index(int(nRow - 1), int(nCol - 1));
        grid.scrollTo(cell);
        const QPointF pos = grid.visualRect(cell).center();
        const QPoint global = grid.viewport()->mapToGlobal(pos.toPoint());
        QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(grid.viewport(), &press);
        prompt.m_menuAnswers.push_back(nId);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, pos.toPoint(), global);
        QCoreApplication::sendEvent(grid.viewport(), &menu);
        QCoreApplication::processEvents();
    }
};

void BM_CutAndPasteBlock(benchmark::State& state) {
    SFilledWindow window;
    for (auto _ : state) {
        window.SelectRows(1, 100);
        window.Command(1, 2, ID_EDIT_CUT);
        window.SelectRows(4000, 4000);
        window.Command(4000, 2, ID_EDIT_PASTE);
    }
    if (std::ptrdiff_t(window.prompt.m_menus.size()) != 2 * state.iterations())
        state.SkipWithError("a right-click showed no menu");
}
BENCHMARK(BM_CutAndPasteBlock)->Unit(benchmark::kMillisecond);

void BM_SetLockColumn(benchmark::State& state) {
    SFilledWindow window;
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
