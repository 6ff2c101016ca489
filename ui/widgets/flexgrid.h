// CMSFlexGrid: the grid the service lists are shown in, a view over a CFlexGridModel. Row 0 is
// the fixed header row and column 0 the fixed NUM column; both are drawn as header cells and
// stay in view while the data scroll. The view keeps the selection as grid rows and columns (an
// anchor and an end), knows the cell under the mouse, and reads every text from its model when
// it paints.
#pragma once

#include <QAbstractTableModel>
#include <QBrush>
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
Qt::Alignment AlignmentOf(short nAlignment);

// What a grid shows, in grid coordinates: a derived model gives the texts; this base maps grid
// rows to the rows the view shows (all of them, or a filter's), keeps the header's sort arrow,
// and answers the view. The view's items are the data cells; the fixed row and column are its
// headers' texts.
class CFlexGridModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit CFlexGridModel(QObject* parent = nullptr);

    // Grid rows and columns, the fixed ones included.
    long Rows() const { return m_nDataRows + 1; }
    virtual long Cols() const = 0;
    bool Contains(long nRow, long nCol) const {
        return nRow >= 0 && nRow < Rows() && nCol >= 0 && nCol < Cols();
    }
    // The text of cell (nRow, nCol) of the grid, read when it is painted.
    virtual QString Text(long nRow, long nCol) const = 0;
    virtual short Alignment(long nCol) const = 0;
    // Rows cut and waiting for their paste are shown marked.
    virtual bool IsMarked(long) const { return false; }

    // The rows shown: every data row, or a filter's (ascending grid rows).
    int ShownRows() const;
    // The grid row shown in view row nViewRow; -1 past the rows shown.
    long GridRow(int nViewRow) const;
    // The view row of grid row nRow, or of the first shown row after it, or of the last shown
    // row; -1 when no row is shown.
    int ViewRow(long nRow) const;
    bool IsShown(long nRow) const;

    // The header's arrow: column nCol (0: none) pointing the way of the last sort.
    long SortArrowColumn() const { return m_nSortColumn; }
    bool IsSortArrowDescending() const { return m_bSortDescending; }
    void SetSortArrow(long nCol, bool bDescending);

    // The cells' own background and that of marked rows, from the view's palette.
    void SetBrushes(const QBrush& cell, const QBrush& marked);

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Rows dragged carry only the model they come from: the drop reads the view's own selection.
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }
    // What a drag from this model carries.
    QByteArray DragId() const;

  signals:
    void SortArrowChanged();

  protected:
    // The derived model's data changed: nDataRows rows, of which `shown` (ascending grid rows,
    // none: all). The views read the rows again, or only repaint when the rows shown are the same.
    void SetRows(long nDataRows, std::vector<long> shown, bool bFiltered);
    // Only texts changed: the views repaint what they show.
    void RefreshTexts();

  private:
    long m_nDataRows = 0;
    std::vector<long> m_shown;
    bool m_bFiltered = false;
    long m_nSortColumn = 0;
    bool m_bSortDescending = false;
    QBrush m_cellBrush;
    QBrush m_markBrush;
};

class QAbstractButton;

class CMSFlexGrid : public QTableView {
    Q_OBJECT

  public:
    explicit CMSFlexGrid(QWidget* parent = nullptr);
    ~CMSFlexGrid() override;

    // The grid shows `model`, which outlives it.
    void SetGridModel(CFlexGridModel* model);
    CFlexGridModel* GridModel() const { return m_pModel; }

    long GetRows() const;
    long GetCols() const;
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
    void SetColWidth(long nCol, long nTwips);
    QString GetTextMatrix(long nRow, long nCol) const;

    bool IsRowShown(long nRow) const;
    long ShownRowCount() const;
    // The first and last rows shown; 0 when none is.
    long FirstShownRow() const;
    long LastShownRow() const;
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
    void ShowSortArrow();
    void ClampSelection();
    void ApplySelection();
    void SyncSelectionFromView();
    long DropRowAt(const QPoint& pos) const;

    CFlexGridModel* m_pModel = nullptr;
    QAbstractButton* m_pCorner = nullptr;
    long m_nRow = 0, m_nCol = 0, m_nRowSel = 0, m_nColSel = 0;
    long m_nMouseRow = 0, m_nMouseCol = 0;
    bool m_bApplyingSelection = false;
    bool m_bRowsFromHeader = false; // the last left press was in the NUM column
    QBrush m_cellBrush;             // the cells' own background, apart from the grey around them
};
