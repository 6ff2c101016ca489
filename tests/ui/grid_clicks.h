// Puts the mouse on a grid cell the way a user would: data cells in the view, row 0 in the
// column header, column 0 in the row header, (0, 0) on the corner.
#pragma once

#include "flexgrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QTest>

#include <algorithm>

struct SGridPoint {
    QWidget* pTarget;
    QPoint pos;
};

// The cell is scrolled into view first: a user only clicks what is shown.
inline SGridPoint GridCellPoint(CMSFlexGrid& grid, long nRow, long nCol) {
    if (grid.model()->rowCount() > 0 && nCol >= 1)
        grid.scrollTo(grid.model()->index(int(std::max(nRow, 1L) - 1), int(nCol - 1)));
    QHeaderView* columns = grid.horizontalHeader();
    QHeaderView* rows = grid.verticalHeader();
    const auto middle = [](QHeaderView* header, long nSection) {
        return header->sectionViewportPosition(int(nSection - 1)) +
               header->sectionSize(int(nSection - 1)) / 2;
    };
    if (nRow == 0 && nCol == 0)
        return {grid.findChild<QAbstractButton*>(), QPoint(2, 2)};
    if (nRow == 0)
        return {columns->viewport(), QPoint(middle(columns, nCol), columns->height() / 2)};
    if (nCol == 0)
        return {rows->viewport(), QPoint(rows->width() / 2, middle(rows, nRow))};
    return {grid.viewport(), QPoint(middle(columns, nCol), middle(rows, nRow))};
}

inline void ClickGridCell(CMSFlexGrid& grid, long nRow, long nCol,
                          Qt::KeyboardModifiers modifiers = {}) {
    const SGridPoint p = GridCellPoint(grid, nRow, nCol);
    QTest::mouseClick(p.pTarget, Qt::LeftButton, modifiers, p.pos);
}

// A press and release first: a double-click event alone is not what a view gets from a user.
inline void DoubleClickGridCell(CMSFlexGrid& grid, long nRow, long nCol) {
    const SGridPoint first = GridCellPoint(grid, nRow, nCol);
    QTest::mouseClick(first.pTarget, Qt::LeftButton, {}, first.pos);
    const SGridPoint second = GridCellPoint(grid, nRow, nCol);
    QTest::mouseDClick(second.pTarget, Qt::LeftButton, {}, second.pos);
}

// A right-click as the user makes it: the press and release move the mouse cell but leave the
// selection alone, then the platform sends the context-menu event to the widget under the mouse.
inline void RightClick(QWidget* pTarget, const QPoint& pos) {
    QTest::mouseClick(pTarget, Qt::RightButton, {}, pos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, pTarget->mapToGlobal(pos));
    QApplication::sendEvent(pTarget, &event);
}

inline void RightClickGridCell(CMSFlexGrid& grid, long nRow, long nCol) {
    const SGridPoint p = GridCellPoint(grid, nRow, nCol);
    RightClick(p.pTarget, p.pos);
}

// Selects from one cell to another as a click and a shift-click do.
inline void SelectCells(CMSFlexGrid& grid, long nRow, long nCol, long nRowSel, long nColSel) {
    ClickGridCell(grid, nRow, nCol);
    ClickGridCell(grid, nRowSel, nColSel, Qt::ShiftModifier);
}

// Whole rows, selected in the NUM column.
inline void SelectRows(CMSFlexGrid& grid, long nRow, long nRowSel) {
    SelectCells(grid, nRow, 0, nRowSel, 0);
}
