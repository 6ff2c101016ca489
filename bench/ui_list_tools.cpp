// The list tools through the window on a full data file (4048 services): Order Like a data file
// and Import CSV, each from the file's reading through the preview to the refilled grids and the
// undo step, with the satellite TV list put backwards.
#include "filled_window.h"
#include "full_stores.h"
#include "resource.h"
#include "service_csv.h"
#include "widget_bench_main.h"

#include <QTemporaryDir>
#include <QUndoStack>

#include <numeric>

namespace {

// The window's database with its satellite TV list backwards, as a data file or as CSV.
QString WriteReference(const QTemporaryDir& dir, const CChannelStore& current, bool bCsv) {
    CChannelStore store;
    store.RestoreSnapshot(current.TakeSnapshot());
    std::vector<WORD> order(store.GetRowCount(LIST_SAT_TV));
    std::iota(order.rbegin(), order.rend(), WORD(0));
    store.ReorderList(LIST_SAT_TV, order);
    const QString path = dir.filePath(bCsv ? QStringLiteral("ref.csv") : QStringLiteral("ref.zdf"));
    store.SetPathName(path.toStdString());
    std::string error;
    const bool bWritten =
        bCsv ? WriteCsvFile(store.GetPathName(), WriteServicesCsv(store, CNameCodec(), {}), error)
             : store.WriteDataFile() != FALSE;
    return bWritten ? path : QString();
}

void RunTool(benchmark::State& state, UINT nId, bool bCsv) {
    SFilledWindow window(FillFullDatabase);
    const QTemporaryDir dir;
    const QString path = WriteReference(dir, window.dlg.Store(), bCsv);
    for (auto _ : state) {
        window.prompt.m_paths = {path};
        window.prompt.m_modalScripts = {[](QDialog&) { return int(QDialog::Accepted); }};
        window.dlg.OnCommand(nId);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (window.dlg.UndoStack().count() != 1) {
            state.SkipWithError("the tool made no undo step");
            return;
        }
        window.dlg.OnCommand(ID_EDIT_UNDO);
        window.dlg.UndoStack().clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_WindowOrderLike(benchmark::State& state) {
    RunTool(state, ID_EDIT_ORDER_LIKE, false);
}
BENCHMARK(BM_WindowOrderLike)->Unit(benchmark::kMillisecond);

void BM_WindowImportCsv(benchmark::State& state) {
    RunTool(state, ID_FILE_IMPORT_CSV, true);
}
BENCHMARK(BM_WindowImportCsv)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunWidgetBenchmarks(argc, argv);
}
