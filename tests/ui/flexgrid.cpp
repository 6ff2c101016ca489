// The grid wrapper: cells, fixed row and column, widths, alignments, selection ends, mouse cell
// and double-click.
#include "flexgrid.h"
#include "grid_clicks.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

namespace {

// "Row,Col RowSel,ColSel": the current cell, then the selection's other end.
QString Ends(const CMSFlexGrid& grid) {
    return QStringLiteral("%1,%2 %3,%4")
        .arg(grid.GetRow())
        .arg(grid.GetCol())
        .arg(grid.GetRowSel())
        .arg(grid.GetColSel());
}

void Drag(CMSFlexGrid& grid, long nRow0, long nCol0, long nRow1, long nCol1) {
    const SGridPoint from = GridCellPoint(grid, nRow0, nCol0),
                     to = GridCellPoint(grid, nRow1, nCol1);
    QTest::mousePress(from.pTarget, Qt::LeftButton, {}, from.pos);
    QTest::mouseMove(to.pTarget, to.pos);
    QTest::mouseRelease(to.pTarget, Qt::LeftButton, {}, to.pos);
}

} // namespace

class FlexGridTest : public QObject {
    Q_OBJECT

    // A shown 20 x 6 grid whose cells read "r,c".
    std::unique_ptr<CMSFlexGrid> MakeGrid() {
        auto grid = std::make_unique<CMSFlexGrid>();
        grid->resize(600, 400);
        grid->SetCols(6);
        grid->SetRows(20);
        for (long c = 1; c < 6; ++c)
            grid->SetColWidth(c, 1200);
        for (long r = 0; r < 20; ++r)
            for (long c = 0; c < 6; ++c)
                grid->SetTextMatrix(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
        grid->show();
        QCoreApplication::processEvents();
        return grid;
    }

  private slots:
    void cellsFollowTheShape() {
        CMSFlexGrid grid;
        QCOMPARE(grid.GetRows(), 1L);
        QCOMPARE(grid.GetCols(), 1L);
        QCOMPARE(grid.model()->rowCount(), 0);
        grid.SetCols(3);
        grid.SetRows(4);
        grid.SetTextMatrix(0, 2, QStringLiteral("head"));
        grid.SetTextMatrix(3, 1, QStringLiteral("last"));
        grid.SetTextMatrix(2, 0, QStringLiteral("  2"));
        // Cells outside the grid are ignored.
        for (const auto& [r, c] : {std::pair{4L, 0L}, {0L, 3L}, {-1L, 0L}})
            grid.SetTextMatrix(r, c, QStringLiteral("x"));
        QCOMPARE(grid.GetTextMatrix(4, 0), QString());
        QCOMPARE(grid.GetTextMatrix(-1, -1), QString());
        grid.SetColWidth(7, 500);
        grid.SetColAlignment(7, flexAlignCenterTop);
        grid.SetRow(4);
        grid.SetCol(-1);
        QCOMPARE(Ends(grid), QStringLiteral("0,0 0,0"));
        // The view shows the fixed row and column as headers.
        const QAbstractItemModel& model = *grid.model();
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("head"));
        QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("  2"));
        QCOMPARE(model.data(model.index(2, 0)).toString(), QStringLiteral("last"));
        // Cells are kept across row and column changes.
        grid.SetCols(5);
        QCOMPARE(grid.GetTextMatrix(0, 2), QStringLiteral("head"));
        QCOMPARE(grid.GetTextMatrix(3, 4), QString());
        grid.SetCols(2);
        QCOMPARE(grid.GetTextMatrix(3, 1), QStringLiteral("last"));
        QCOMPARE(grid.GetTextMatrix(0, 2), QString());
        grid.SetRows(3);
        QCOMPARE(grid.GetRows(), 3L);
        QCOMPARE(grid.GetTextMatrix(2, 0), QStringLiteral("  2"));
        QCOMPARE(grid.GetTextMatrix(3, 1), QString());
        // Clear empties every cell and keeps the shape.
        grid.Clear();
        QCOMPARE(grid.GetRows(), 3L);
        QCOMPARE(grid.GetCols(), 2L);
        for (long r = 0; r < 3; ++r)
            for (long c = 0; c < 2; ++c)
                QCOMPARE(grid.GetTextMatrix(r, c), QString());
        // The fixed row and column never go.
        grid.SetRows(0);
        grid.SetCols(-4);
        QCOMPARE(grid.GetRows(), 1L);
        QCOMPARE(grid.GetCols(), 1L);
    }

    void widthsAreTwips() {
        CMSFlexGrid grid;
        grid.SetCols(4);
        grid.SetColWidth(0, 1440);
        grid.SetColWidth(1, 2880);
        grid.SetColWidth(2, 750);
        const int dpi = grid.logicalDpiX();
        QCOMPARE(grid.verticalHeader()->width(), dpi);
        QCOMPARE(grid.columnWidth(0), 2 * dpi);
        QCOMPARE(grid.columnWidth(1), (750 * dpi + 720) / 1440);
    }

    // Each alignment reaches the cells, the column headers and the row headers.
    void alignmentsMapToTheCells() {
        const std::pair<short, Qt::Alignment> cases[] = {
            {0, Qt::AlignLeft | Qt::AlignTop},        {1, Qt::AlignLeft | Qt::AlignVCenter},
            {2, Qt::AlignLeft | Qt::AlignBottom},     {3, Qt::AlignHCenter | Qt::AlignTop},
            {4, Qt::AlignHCenter | Qt::AlignVCenter}, {7, Qt::AlignRight | Qt::AlignVCenter},
            {8, Qt::AlignRight | Qt::AlignBottom},    {9, Qt::AlignLeft | Qt::AlignVCenter}};
        CMSFlexGrid grid;
        grid.SetCols(3);
        grid.SetRows(3);
        const QAbstractItemModel& model = *grid.model();
        const auto alignmentOf = [](const QVariant& v) { return v.value<Qt::Alignment>(); };
        for (const auto& [nAlignment, expected] : cases) {
            grid.SetColAlignment(2, nAlignment);
            grid.SetColAlignment(0, nAlignment);
            QCOMPARE(alignmentOf(model.data(model.index(0, 1), Qt::TextAlignmentRole)), expected);
            QCOMPARE(alignmentOf(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole)),
                     expected);
            QCOMPARE(alignmentOf(model.headerData(0, Qt::Vertical, Qt::TextAlignmentRole)),
                     expected);
        }
    }

    void usesANarrowFace() {
        CMSFlexGrid grid;
        const QString family = QFontInfo(grid.font()).family();
        if (QFontDatabase::hasFamily(QStringLiteral("Arial Narrow")))
            QCOMPARE(family, QStringLiteral("Arial Narrow"));
        else if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans Narrow")))
            QCOMPARE(family, QStringLiteral("Liberation Sans Narrow"));
        else
            QVERIFY(grid.font().stretch() < QFont::Unstretched || family.contains("Condensed"));
    }

    // Clicks and double-clicks in every part: data cells, column header, row header, corner.
    void mouseCellAndDoubleClickFollowEveryPart() {
        auto grid = MakeGrid();
        QSignalSpy spy(grid.get(), &CMSFlexGrid::DblClick);
        int nDblClicks = 0;
        for (const auto& [row, col] : {std::pair{3L, 2L}, {0L, 4L}, {7L, 0L}, {0L, 0L}}) {
            const bool bCorner = row == 0 && col == 0; // clicked only
            bCorner ? ClickGridCell(*grid, row, col) : DoubleClickGridCell(*grid, row, col);
            QCOMPARE(grid->GetMouseRow(), row);
            QCOMPARE(grid->GetMouseCol(), col);
            nDblClicks += bCorner ? 0 : 1;
            QCOMPARE(spy.count(), nDblClicks);
        }
        // Right of the last column there is no column.
        QTest::mouseMove(grid->viewport(), QPoint(grid->viewport()->width() - 2, 5));
        QCOMPARE(grid->GetMouseCol(), -1L);
    }

    void selectionKeepsItsEndsInTheOrderMade() {
        auto grid = MakeGrid();
        ClickGridCell(*grid, 4, 3);
        QCOMPARE(Ends(*grid), QStringLiteral("4,3 4,3"));
        ClickGridCell(*grid, 6, 4);
        ClickGridCell(*grid, 2, 1, Qt::ShiftModifier);
        QCOMPARE(Ends(*grid), QStringLiteral("6,4 2,1"));
        ClickGridCell(*grid, 2, 2);
        ClickGridCell(*grid, 5, 3, Qt::ShiftModifier);
        QCOMPARE(Ends(*grid), QStringLiteral("2,2 5,3"));
        Drag(*grid, 3, 4, 6, 2);
        QCOMPARE(Ends(*grid), QStringLiteral("3,4 6,2"));
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 4 * 3);
        // Setting Row or Col collapses the selection onto the current cell.
        grid->SetRow(9);
        QCOMPARE(Ends(*grid), QStringLiteral("9,4 9,4"));
        grid->SetCol(5);
        QCOMPARE(Ends(*grid), QStringLiteral("9,5 9,5"));
        const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.front().row(), 8);
        QCOMPARE(selected.front().column(), 4);
    }

    // Clicking, shift-clicking or dragging over the NUM column selects whole rows.
    void theNumColumnSelectsWholeRows() {
        auto grid = MakeGrid();
        for (bool bDrag : {false, true}) {
            if (bDrag) {
                Drag(*grid, 7, 0, 4, 0);
            } else {
                ClickGridCell(*grid, 7, 0);
                ClickGridCell(*grid, 4, 0, Qt::ShiftModifier);
            }
            QCOMPARE(grid->GetRow(), 7L);
            QCOMPARE(grid->GetRowSel(), 4L);
            // The current cell is in the first column, next to the NUM column they came from.
            QCOMPARE(grid->GetCol(), 1L);
            QCOMPARE(grid->GetColSel(), grid->GetCols() - 1);
            QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 4 * 5);
        }
    }

    void rightClicksLeaveTheSelection() {
        auto grid = MakeGrid();
        ClickGridCell(*grid, 2, 1);
        ClickGridCell(*grid, 4, 3, Qt::ShiftModifier);
        for (const auto& [row, col] : {std::pair{9L, 2L}, {0L, 4L}, {6L, 0L}, {3L, 2L}}) {
            const SGridPoint p = GridCellPoint(*grid, row, col);
            QTest::mouseClick(p.pTarget, Qt::RightButton, {}, p.pos);
            QCOMPARE(grid->GetMouseRow(), row);
            QCOMPARE(grid->GetMouseCol(), col);
            QCOMPARE(Ends(*grid), QStringLiteral("2,1 4,3"));
            QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 9);
        }
    }

    void removedRowsTakeTheCurrentCellWithThem() {
        auto grid = MakeGrid();
        ClickGridCell(*grid, 15, 2);
        grid->SetRows(10);
        QCOMPARE(Ends(*grid), QStringLiteral("9,2 9,2"));
        grid->SetRows(1);
        QCOMPARE(grid->GetRow(), 0L);
    }
};

QTEST_MAIN(FlexGridTest)
#include "flexgrid.moc"
