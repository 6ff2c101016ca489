// The grid over its model: the fixed row and column, alignments, a filter's rows, selection ends,
// mouse cell and double-click.
#include "grid_clicks.h"

#include <QSignalSpy>

namespace {

// Cells that read "r,c"; rows come and go, a filter shows some of them.
class CTableModel : public CFlexGridModel {
  public:
    explicit CTableModel(long nRows) { SetRows(nRows - 1, {}, false); }
    long Cols() const override { return 6; }
    QString Text(long nRow, long nCol) const override {
        return QStringLiteral("%1,%2").arg(nRow).arg(nCol);
    }
    short Alignment(long nCol) const override {
        return nCol == 2 ? flexAlignCenterTop : flexAlignGeneral;
    }
    void Resize(long nRows) { SetRows(nRows - 1, {}, false); }
    void Filter(std::vector<long> rows) { SetRows(Rows() - 1, std::move(rows), true); }
};

// "Row,Col RowSel,ColSel n@r,c": the current cell, the selection's other end, then how many
// cells the view shows selected and which one is its current cell.
QString Ends(const CMSFlexGrid& grid) {
    const QModelIndex current = grid.selectionModel()->currentIndex();
    return QString::asprintf("%ld,%ld %ld,%ld %d@%d,%d", grid.GetRow(), grid.GetCol(),
                             grid.GetRowSel(), grid.GetColSel(),
                             int(grid.selectionModel()->selectedIndexes().size()),
                             current.row() + 1, current.column() + 1);
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

    CTableModel m_model{20};

    // A shown 20 x 6 grid whose cells read "r,c".
    std::unique_ptr<CMSFlexGrid> MakeGrid() {
        m_model.Resize(20);
        auto grid = std::make_unique<CMSFlexGrid>();
        grid->SetGridModel(&m_model);
        grid->resize(600, 400);
        for (long c = 1; c < 6; ++c)
            grid->SetColWidth(c, 1200);
        grid->show();
        QCoreApplication::processEvents();
        return grid;
    }

  private slots:
    // The view shows the fixed row and column as headers; cells outside the grid read empty. A
    // filter shows some rows, and the selection moves onto them.
    void viewShowsTheModel() {
        auto grid = MakeGrid();
        const QAbstractItemModel& model = *grid->model();
        QCOMPARE(model.rowCount(), 19);
        QCOMPARE(model.columnCount(), 5);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("0,2"));
        QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("2,0"));
        QCOMPARE(model.data(model.index(2, 0)).toString(), QStringLiteral("3,1"));
        QCOMPARE(model.data(model.index(2, 1), Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignHCenter | Qt::AlignTop);
        QCOMPARE(grid->GetTextMatrix(-1, -1) + grid->GetTextMatrix(20, 0), QString());
        grid->SetSelection(12, 2, 12, 2);
        m_model.Filter({3, 5, 9});
        QCOMPARE(QStringList({QString::number(grid->ShownRowCount()),
                              model.headerData(1, Qt::Vertical).toString(),
                              QString::number(grid->FirstShownRow()),
                              QString::number(grid->LastShownRow())}),
                 QStringList({"3", "5,0", "3", "9"}));
        QVERIFY(grid->IsRowShown(5) && !grid->IsRowShown(4));
        // Row 12 is hidden: the view's current cell is the last row shown.
        QCOMPARE(Ends(*grid), QStringLiteral("12,2 12,2 1@3,2"));
    }

    // Clicks and double-clicks in every part (data cells, column header, row header, corner) set
    // the mouse cell. Clicks, shift-clicks and drags make a selection whose ends stay in the
    // order made (the window's menu tests show that right-clicks leave them).
    void mouseCellAndSelectionEnds() {
        auto grid = MakeGrid();
        QSignalSpy spy(grid.get(), &CMSFlexGrid::DblClick);
        int nDblClicks = 0;
        for (const auto& [row, col] : {std::pair{3L, 2L}, {0L, 4L}, {7L, 0L}, {0L, 0L}}) {
            const bool bCorner = row == 0 && col == 0; // clicked only
            bCorner ? ClickGridCell(*grid, row, col) : DoubleClickGridCell(*grid, row, col);
            QCOMPARE(QPoint(grid->GetMouseCol(), grid->GetMouseRow()), QPoint(col, row));
            nDblClicks += bCorner ? 0 : 1;
            QCOMPARE(spy.count(), nDblClicks);
        }
        // Right of the last column there is no column.
        QTest::mouseMove(grid->viewport(), QPoint(grid->viewport()->width() - 2, 5));
        QCOMPARE(grid->GetMouseCol(), -1L);
        ClickGridCell(*grid, 4, 3);
        QCOMPARE(Ends(*grid), QStringLiteral("4,3 4,3 1@4,3"));
        // From the last column to the first: the ends stay as made, not as whole rows.
        ClickGridCell(*grid, 6, 5);
        ClickGridCell(*grid, 2, 1, Qt::ShiftModifier);
        QCOMPARE(Ends(*grid), QStringLiteral("6,5 2,1 25@2,1"));
        // Clicking, shift-clicking or dragging over the NUM column selects whole rows; the current
        // cell is in the first column, next to the NUM column they came from.
        ClickGridCell(*grid, 3, 2);
        ClickGridCell(*grid, 7, 0);
        QCOMPARE(Ends(*grid), QStringLiteral("7,1 7,5 5@7,1"));
        ClickGridCell(*grid, 4, 0, Qt::ShiftModifier);
        QCOMPARE(Ends(*grid), QStringLiteral("7,1 4,5 20@4,1"));
        Drag(*grid, 7, 0, 4, 0);
        QCOMPARE(Ends(*grid), QStringLiteral("7,1 4,5 20@4,1"));
        Drag(*grid, 3, 4, 6, 2);
        QCOMPARE(Ends(*grid), QStringLiteral("3,4 6,2 12@6,2"));
        // Ctrl+A leaves the view's current cell inside the whole grid: it runs from the first
        // cell to the last.
        ClickGridCell(*grid, 5, 3);
        QTest::keyClick(grid.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(Ends(*grid), QStringLiteral("1,1 19,5 95@5,3"));
        // Ends past the grid are held to its last row and column.
        grid->SetSelection(2, 4, 99, 99);
        QCOMPARE(Ends(*grid), QStringLiteral("2,4 19,5 36@19,5"));
        // Setting Row or Col collapses the selection onto the current cell.
        grid->SetRow(9);
        QCOMPARE(Ends(*grid), QStringLiteral("9,4 9,4 1@9,4"));
        grid->SetCol(5);
        QCOMPARE(Ends(*grid), QStringLiteral("9,5 9,5 1@9,5"));
        // Removed rows take the current cell with them.
        m_model.Resize(8);
        QCOMPARE(Ends(*grid).left(8), QStringLiteral("7,5 7,5 "));
        m_model.Resize(1);
        QCOMPARE(Ends(*grid), QStringLiteral("0,5 0,5 0@0,0"));
    }
};

QTEST_MAIN(FlexGridTest)
#include "flexgrid.moc"
