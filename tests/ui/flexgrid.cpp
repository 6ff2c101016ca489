// The grid wrapper: cells, fixed row and column, widths, alignments, selection ends, mouse cell
// and double-click.
#include "flexgrid.h"
#include "grid_clicks.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

class FlexGridTest : public QObject {
    Q_OBJECT

  private:
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
    void startsWithTheFixedCellOnly() {
        CMSFlexGrid grid;
        QCOMPARE(grid.GetRows(), 1L);
        QCOMPARE(grid.GetCols(), 1L);
        QCOMPARE(grid.GetTextMatrix(0, 0), QString());
        QCOMPARE(grid.model()->rowCount(), 0);
    }

    void cellsAreKeptAcrossRowAndColumnChanges() {
        CMSFlexGrid grid;
        grid.SetCols(3);
        grid.SetRows(4);
        grid.SetTextMatrix(0, 2, QStringLiteral("head"));
        grid.SetTextMatrix(3, 1, QStringLiteral("last"));
        grid.SetTextMatrix(2, 0, QStringLiteral("  2"));
        grid.SetCols(5);
        QCOMPARE(grid.GetTextMatrix(0, 2), QStringLiteral("head"));
        QCOMPARE(grid.GetTextMatrix(3, 1), QStringLiteral("last"));
        QCOMPARE(grid.GetTextMatrix(3, 4), QString());
        grid.SetCols(2);
        QCOMPARE(grid.GetTextMatrix(3, 1), QStringLiteral("last"));
        QCOMPARE(grid.GetTextMatrix(0, 2), QString());
        grid.SetRows(3);
        QCOMPARE(grid.GetRows(), 3L);
        QCOMPARE(grid.GetTextMatrix(2, 0), QStringLiteral("  2"));
        QCOMPARE(grid.GetTextMatrix(3, 1), QString());
        // The fixed row and column never go.
        grid.SetRows(0);
        grid.SetCols(-4);
        QCOMPARE(grid.GetRows(), 1L);
        QCOMPARE(grid.GetCols(), 1L);
    }

    void cellsOutsideTheGridAreIgnored() {
        CMSFlexGrid grid;
        grid.SetCols(2);
        grid.SetRows(2);
        grid.SetTextMatrix(2, 0, QStringLiteral("x"));
        grid.SetTextMatrix(0, 2, QStringLiteral("x"));
        grid.SetTextMatrix(-1, 0, QStringLiteral("x"));
        QCOMPARE(grid.GetTextMatrix(2, 0), QString());
        QCOMPARE(grid.GetTextMatrix(-1, -1), QString());
        grid.SetColWidth(7, 500);
        grid.SetColAlignment(7, flexAlignCenterTop);
        grid.SetRow(2);
        grid.SetCol(-1);
        QCOMPARE(grid.GetRow(), 0L);
        QCOMPARE(grid.GetCol(), 0L);
    }

    void theViewShowsFixedCellsAsHeaders() {
        CMSFlexGrid grid;
        grid.SetCols(3);
        grid.SetRows(3);
        grid.SetTextMatrix(0, 1, QStringLiteral("Name"));
        grid.SetTextMatrix(2, 0, QStringLiteral("   7"));
        grid.SetTextMatrix(2, 2, QStringLiteral("cell"));
        const QAbstractItemModel& model = *grid.model();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.columnCount(), 2);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("   7"));
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("cell"));
    }

    void clearEmptiesEveryCellAndKeepsTheShape() {
        CMSFlexGrid grid;
        grid.SetCols(3);
        grid.SetRows(3);
        for (long r = 0; r < 3; ++r)
            for (long c = 0; c < 3; ++c)
                grid.SetTextMatrix(r, c, QStringLiteral("x"));
        grid.Clear();
        QCOMPARE(grid.GetRows(), 3L);
        QCOMPARE(grid.GetCols(), 3L);
        for (long r = 0; r < 3; ++r)
            for (long c = 0; c < 3; ++c)
                QCOMPARE(grid.GetTextMatrix(r, c), QString());
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

    void alignmentsMapToTheCells_data() {
        QTest::addColumn<int>("alignment");
        QTest::addColumn<int>("expected");
        QTest::newRow("left top") << 0 << int(Qt::AlignLeft | Qt::AlignTop);
        QTest::newRow("left centre") << 1 << int(Qt::AlignLeft | Qt::AlignVCenter);
        QTest::newRow("left bottom") << 2 << int(Qt::AlignLeft | Qt::AlignBottom);
        QTest::newRow("centre top") << 3 << int(Qt::AlignHCenter | Qt::AlignTop);
        QTest::newRow("centre") << 4 << int(Qt::AlignHCenter | Qt::AlignVCenter);
        QTest::newRow("right centre") << 7 << int(Qt::AlignRight | Qt::AlignVCenter);
        QTest::newRow("right bottom") << 8 << int(Qt::AlignRight | Qt::AlignBottom);
        QTest::newRow("general") << 9 << int(Qt::AlignLeft | Qt::AlignVCenter);
    }
    void alignmentsMapToTheCells() {
        QFETCH(int, alignment);
        QFETCH(int, expected);
        CMSFlexGrid grid;
        grid.SetCols(3);
        grid.SetRows(3);
        grid.SetColAlignment(2, static_cast<short>(alignment));
        grid.SetColAlignment(0, static_cast<short>(alignment));
        const QAbstractItemModel& model = *grid.model();
        QCOMPARE(model.data(model.index(0, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(expected));
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(expected));
        QCOMPARE(model.headerData(0, Qt::Vertical, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(expected));
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

    void mouseCellFollowsEveryPart() {
        auto grid = MakeGrid();
        ClickGridCell(*grid, 3, 2);
        QCOMPARE(grid->GetMouseRow(), 3L);
        QCOMPARE(grid->GetMouseCol(), 2L);
        ClickGridCell(*grid, 0, 4);
        QCOMPARE(grid->GetMouseRow(), 0L);
        QCOMPARE(grid->GetMouseCol(), 4L);
        ClickGridCell(*grid, 7, 0);
        QCOMPARE(grid->GetMouseRow(), 7L);
        QCOMPARE(grid->GetMouseCol(), 0L);
        ClickGridCell(*grid, 0, 0);
        QCOMPARE(grid->GetMouseRow(), 0L);
        QCOMPARE(grid->GetMouseCol(), 0L);
        // Right of the last column there is no column.
        QTest::mouseMove(grid->viewport(), QPoint(grid->viewport()->width() - 2, 5));
        QCOMPARE(grid->GetMouseCol(), -1L);
    }

    void clickMakesTheCurrentCell() {
        auto grid = MakeGrid();
        ClickGridCell(*grid, 4, 3);
        QCOMPARE(grid->GetRow(), 4L);
        QCOMPARE(grid->GetCol(), 3L);
        QCOMPARE(grid->GetRowSel(), 4L);
        QCOMPARE(grid->GetColSel(), 3L);
    }

    void selectionKeepsItsEndsInTheOrderMade() {
        auto grid = MakeGrid();
        ClickGridCell(*grid, 6, 4);
        ClickGridCell(*grid, 2, 1, Qt::ShiftModifier);
        QCOMPARE(grid->GetRow(), 6L);
        QCOMPARE(grid->GetCol(), 4L);
        QCOMPARE(grid->GetRowSel(), 2L);
        QCOMPARE(grid->GetColSel(), 1L);

        ClickGridCell(*grid, 2, 2);
        ClickGridCell(*grid, 5, 3, Qt::ShiftModifier);
        QCOMPARE(grid->GetRow(), 2L);
        QCOMPARE(grid->GetCol(), 2L);
        QCOMPARE(grid->GetRowSel(), 5L);
        QCOMPARE(grid->GetColSel(), 3L);

        // Setting Row or Col collapses the selection onto the current cell.
        grid->SetRow(9);
        QCOMPARE(grid->GetRow(), 9L);
        QCOMPARE(grid->GetRowSel(), 9L);
        QCOMPARE(grid->GetCol(), 2L);
        QCOMPARE(grid->GetColSel(), 2L);
        grid->SetCol(5);
        QCOMPARE(grid->GetColSel(), 5L);
        QCOMPARE(grid->GetRowSel(), 9L);
        const QModelIndexList selected = grid->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.front().row(), 8);
        QCOMPARE(selected.front().column(), 4);
    }

    void theNumColumnSelectsWholeRows() {
        auto grid = MakeGrid();
        ClickGridCell(*grid, 3, 0);
        ClickGridCell(*grid, 6, 0, Qt::ShiftModifier);
        QCOMPARE(grid->GetRow(), 3L);
        QCOMPARE(grid->GetRowSel(), 6L);
        const std::pair<long, long> cols = std::minmax(grid->GetCol(), grid->GetColSel());
        QCOMPARE(cols.first, 1L);
        QCOMPARE(cols.second, grid->GetCols() - 1);
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 4 * 5);
    }

    void draggingOverTheNumColumnSelectsRows() {
        auto grid = MakeGrid();
        const SGridPoint from = GridCellPoint(*grid, 7, 0), to = GridCellPoint(*grid, 4, 0);
        QTest::mousePress(from.pTarget, Qt::LeftButton, {}, from.pos);
        QTest::mouseMove(to.pTarget, to.pos);
        QTest::mouseRelease(to.pTarget, Qt::LeftButton, {}, to.pos);
        QCOMPARE(grid->GetRow(), 7L);
        QCOMPARE(grid->GetRowSel(), 4L);
        QCOMPARE(std::min(grid->GetCol(), grid->GetColSel()), 1L);
        QCOMPARE(std::max(grid->GetCol(), grid->GetColSel()), grid->GetCols() - 1);
    }

    void draggingOverCellsSelectsARectangle() {
        auto grid = MakeGrid();
        const SGridPoint from = GridCellPoint(*grid, 3, 4), to = GridCellPoint(*grid, 6, 2);
        QTest::mousePress(from.pTarget, Qt::LeftButton, {}, from.pos);
        QTest::mouseMove(to.pTarget, to.pos);
        QTest::mouseRelease(to.pTarget, Qt::LeftButton, {}, to.pos);
        QCOMPARE(grid->GetRow(), 3L);
        QCOMPARE(grid->GetCol(), 4L);
        QCOMPARE(grid->GetRowSel(), 6L);
        QCOMPARE(grid->GetColSel(), 2L);
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 4 * 3);
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
            QCOMPARE(grid->GetRow(), 2L);
            QCOMPARE(grid->GetCol(), 1L);
            QCOMPARE(grid->GetRowSel(), 4L);
            QCOMPARE(grid->GetColSel(), 3L);
            QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 9);
        }
    }

    void removedRowsTakeTheCurrentCellWithThem() {
        auto grid = MakeGrid();
        ClickGridCell(*grid, 15, 2);
        grid->SetRows(10);
        QCOMPARE(grid->GetRow(), 9L);
        QCOMPARE(grid->GetRowSel(), 9L);
        grid->SetRows(1);
        QCOMPARE(grid->GetRow(), 0L);
    }

    void doubleClickIsReportedWithItsCell() {
        auto grid = MakeGrid();
        QSignalSpy spy(grid.get(), &CMSFlexGrid::DblClick);
        DoubleClickGridCell(*grid, 5, 3);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(grid->GetMouseRow(), 5L);
        QCOMPARE(grid->GetMouseCol(), 3L);
        DoubleClickGridCell(*grid, 0, 2);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(grid->GetMouseRow(), 0L);
        QCOMPARE(grid->GetMouseCol(), 2L);
        DoubleClickGridCell(*grid, 4, 0);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(grid->GetMouseCol(), 0L);
    }
};

QTEST_MAIN(FlexGridTest)
#include "flexgrid.moc"
