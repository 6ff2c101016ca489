// A shown editor window over a filled store, and the user's mouse on its grids, for the widget
// benchmarks.
#pragma once

#include "channel_store.h"
#include "controls.h"
#include "editor_dlg.h"
#include "flexgrid.h"
#include "grid_menu.h"
#include "scripted_prompt.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>

#include <benchmark/benchmark.h>

// The filled store written to a data file, as the window opens it.
inline QString WriteStoreFile(const QTemporaryDir& dir,
                              const std::function<void(CChannelStore&)>& fill) {
    CChannelStore store;
    fill(store);
    const QString path = dir.filePath(QStringLiteral("channels.zdf"));
    store.SetPathName(path.toStdString());
    return store.WriteDataFile() ? path : QString();
}

struct SFilledWindow {
    QTemporaryDir dir;
    CScriptedPrompt prompt;
    CEditorDlg dlg{prompt};
    QString path;

    // Opens the filled store on the satellite TV list.
    explicit SFilledWindow(const std::function<void(CChannelStore&)>& fill)
        : path(WriteStoreFile(dir, fill)) {
        dlg.OpenDataFile(path);
        dlg.show();
        QCoreApplication::processEvents();
    }

    CMSFlexGrid& Grid() { return dlg.Grid(LIST_SAT_TV); }

    // Selects from (nRow, nCol) to (nRowSel, nColSel) as a drag would.
    void Select(long nRow, long nCol, long nRowSel, long nColSel) {
        QAbstractItemModel& model = *Grid().model();
        const QModelIndex end = model.index(int(nRowSel - 1), int(nColSel - 1));
        Grid().selectionModel()->setCurrentIndex(end, QItemSelectionModel::NoUpdate);
        Grid().selectionModel()->select(
            QItemSelection(model.index(int(nRow - 1), int(nCol - 1)), end),
            QItemSelectionModel::ClearAndSelect);
    }
    void SelectRows(long nRow, long nRowSel) { Select(nRow, 1, nRowSel, Grid().GetCols() - 1); }

    // A right-click on a cell and the menu command chosen from the popup.
    void Command(long nRow, long nCol, unsigned nId) {
        const QModelIndex cell = Grid().model()->index(int(nRow - 1), int(nCol - 1));
        Grid().scrollTo(cell);
        const QPointF pos = Grid().visualRect(cell).center();
        const QPoint global = Grid().viewport()->mapToGlobal(pos.toPoint());
        QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(Grid().viewport(), &press);
        prompt.m_menuAnswers.push_back(nId);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, pos.toPoint(), global);
        QCoreApplication::sendEvent(Grid().viewport(), &menu);
        QCoreApplication::processEvents();
    }

    // What a user's double-click on a column header sends to the grid.
    void DoubleClickHeader(long nCol) {
        QHeaderView* header = Grid().horizontalHeader();
        const int section = int(nCol - 1);
        const QPointF pos(header->sectionViewportPosition(section) +
                              header->sectionSize(section) / 2,
                          header->height() / 2);
        QMouseEvent event(QEvent::MouseButtonDblClick, pos, header->viewport()->mapToGlobal(pos),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(header->viewport(), &event);
    }
};

// Cuts rows 1 to nRows and pastes them in front of row nTarget, through the grid's popup.
inline void PasteRows(SFilledWindow& window, long nRows, long nTarget) {
    window.SelectRows(1, nRows);
    window.Command(1, 2, ID_EDIT_CUT);
    window.SelectRows(nTarget, nTarget);
    window.Command(nTarget, 2, ID_EDIT_PASTE);
}

// Times the undo (or the redo) of the one step `edit` makes in a window over `fill`, again and
// again.
inline void RunUndoRedo(benchmark::State& state, const std::function<void(CChannelStore&)>& fill,
                        const std::function<void(SFilledWindow&)>& edit, UINT nTimed) {
    SFilledWindow window(fill);
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
