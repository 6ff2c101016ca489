// CMSFlexGrid: the grid the service lists are shown in. Row 0 is the fixed header row and
// column 0 the fixed NUM column; both are drawn as header cells and stay in view while the
// data scroll. Cells hold text only. The operations are the few the editor uses.
#pragma once

#include <QTableView>

#include <vector>

// Column alignments: horizontal part (left, centre, right) times 3 plus vertical part (top,
// centre, bottom); 9 is the general alignment (left, centred vertically).
enum : short {
    flexAlignLeftTop = 0,
    flexAlignLeftCenter = 1,
    flexAlignLeftBottom = 2,
    flexAlignCenterTop = 3,
    flexAlignCenterCenter = 4,
    flexAlignCenterBottom = 5,
    flexAlignRightTop = 6,
    flexAlignRightCenter = 7,
    flexAlignRightBottom = 8,
    flexAlignGeneral = 9,
};

class CFlexGridModel;
class QAbstractButton;

class CMSFlexGrid : public QTableView {
    Q_OBJECT

  public:
    explicit CMSFlexGrid(QWidget* parent = nullptr);
    ~CMSFlexGrid() override;

    long GetRows() const;
    void SetRows(long nRows); // at least the fixed row
    long GetCols() const;
    void SetCols(long nCols); // at least the fixed column
    // The current cell (one end of the selection); setting either collapses the selection.
    long GetRow() const { return m_nRow; }
    void SetRow(long nRow);
    long GetCol() const { return m_nCol; }
    void SetCol(long nCol);
    // The other end of the selection; may be above or left of Row / Col.
    long GetRowSel() const { return m_nRowSel; }
    long GetColSel() const { return m_nColSel; }
    // Puts both ends back as they were read, each kept within the grid.
    void SetSelection(long nRow, long nCol, long nRowSel, long nColSel);
    // The cell under the mouse at its last event; -1 where no row or column is.
    long GetMouseRow() const { return m_nMouseRow; }
    long GetMouseCol() const { return m_nMouseCol; }
    void SetColAlignment(long nCol, short nAlignment);
    void SetColWidth(long nCol, long nTwips);
    QString GetTextMatrix(long nRow, long nCol) const;
    void SetTextMatrix(long nRow, long nCol, const QString& text);
    // Empties every cell, the fixed ones included; rows and columns stay.
    void Clear();

    // A filter: the view shows only `rows` (ascending grid rows), or every row again. The cells
    // stay, and a change of the row count shows every row again.
    void ShowOnlyRows(std::vector<long> rows);
    void ShowAllRows();
    bool IsRowShown(long nRow) const;
    long ShownRowCount() const;
    // The first and last rows shown; 0 when none is.
    long FirstShownRow() const;
    long LastShownRow() const;
    // marked[nRow] shows the row as marked (rows cut and waiting for their paste).
    void SetMarkedRows(std::vector<bool> marked);
    // The header's arrow on column nCol (0: none) pointing the way of the last sort.
    void SetSortArrow(long nCol, bool bDescending);
    // The selection spans whole rows: from the first to the last non-fixed column, either way
    // (a click or drag in the NUM column makes one).
    bool IsRowSelection() const;

  signals:
    void DblClick();
    // Selected rows were dragged and dropped in front of grid row nBeforeRow (GetRows(): after
    // the last row).
    void RowsDropped(long nBeforeRow);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void TrackMouse(QObject* watched, const QPoint& pos);
    bool PaintCorner();
    void ClampSelection();
    void ApplySelection();
    void SyncSelectionFromView();
    long DropRowAt(const QPoint& pos) const;

    CFlexGridModel* m_pModel;
    QAbstractButton* m_pCorner = nullptr;
    long m_nRow = 0, m_nCol = 0, m_nRowSel = 0, m_nColSel = 0;
    long m_nMouseRow = 0, m_nMouseCol = 0;
    bool m_bApplyingSelection = false;
    bool m_bRowsFromHeader = false; // the last left press was in the NUM column
    int m_nSortSection = -1;        // where the sort arrow stays
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
