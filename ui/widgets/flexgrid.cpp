#include "flexgrid.h"

#include <QAbstractButton>
#include <QAbstractTableModel>
#include <QFontDatabase>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr const char* kRowsMimeType = "application/x-orvane-grid-rows";

QByteArray GridId(const QObject* grid) {
    return QByteArray::number(reinterpret_cast<quintptr>(grid), 16);
}

Qt::Alignment AlignmentOf(short nAlignment) {
    if (nAlignment < flexAlignLeftTop || nAlignment > flexAlignRightBottom)
        return Qt::AlignLeft | Qt::AlignVCenter;
    static constexpr Qt::AlignmentFlag kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                        Qt::AlignRight};
    static constexpr Qt::AlignmentFlag kVertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                      Qt::AlignBottom};
    return kHorizontal[nAlignment / 3] | kVertical[nAlignment % 3];
}

// The grid's narrow face: Arial Narrow, else its metric twin, else a condensed sans.
QFont GridFont() {
    for (const char* family : {"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"})
        if (QFontDatabase::hasFamily(QString::fromLatin1(family)))
            return QFont(QString::fromLatin1(family), 9);
    QFont font;
    font.setStretch(QFont::Condensed);
    return font;
}

// Orders the two ends of a selection range along one axis so that `end` stays where the user
// (or the keyboard) moved it and `anchor` is the other side; an end strictly inside the range
// (a whole row or column picked in a header, the view's current cell wherever it scrolled to)
// spans it from first to last.
void SplitRange(long first, long last, long& anchor, long& end) {
    if (end == first)
        anchor = last;
    else if (end == last)
        anchor = first;
    else {
        anchor = first;
        end = last;
    }
}

} // namespace

// The cells of the whole grid, fixed ones included, row by row. The view sees the data cells
// as its items and the fixed row and column as its headers' texts.
class CFlexGridModel final : public QAbstractTableModel {
  public:
    explicit CFlexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

    long Rows() const { return m_nRows; }
    long Cols() const { return m_nCols; }
    bool Contains(long nRow, long nCol) const {
        return nRow >= 0 && nRow < m_nRows && nCol >= 0 && nCol < m_nCols;
    }
    const QString& Cell(long nRow, long nCol) const {
        return m_cells[static_cast<std::size_t>(nRow * m_nCols + nCol)];
    }
    short Alignment(long nCol) const { return m_alignments[static_cast<std::size_t>(nCol)]; }

    // The view shows every data row, or only the rows of m_shown (ascending grid rows).
    int ShownRows() const { return int(m_bFiltered ? long(m_shown.size()) : m_nRows - 1); }
    bool IsFiltered() const { return m_bFiltered; }
    // The grid row shown in view row nViewRow; -1 past the rows shown.
    long GridRow(int nViewRow) const {
        if (nViewRow < 0 || nViewRow >= ShownRows())
            return -1;
        return m_bFiltered ? m_shown[static_cast<std::size_t>(nViewRow)] : nViewRow + 1L;
    }
    // The view row of grid row nRow, or of the first shown row after it, or of the last shown
    // row; -1 when no row is shown.
    int ViewRow(long nRow) const {
        if (!m_bFiltered)
            return ShownRows() > 0 ? int(std::clamp(nRow, 1L, m_nRows - 1) - 1) : -1;
        if (m_shown.empty())
            return -1;
        const auto it = std::lower_bound(m_shown.begin(), m_shown.end(), nRow);
        return int(std::min(it - m_shown.begin(), std::ptrdiff_t(m_shown.size()) - 1));
    }
    bool IsShown(long nRow) const {
        if (!m_bFiltered)
            return nRow >= 1 && nRow < m_nRows;
        return std::binary_search(m_shown.begin(), m_shown.end(), nRow);
    }
    void ShowOnly(std::vector<long> rows) {
        beginResetModel();
        m_shown = std::move(rows);
        m_bFiltered = true;
        endResetModel();
    }
    void ShowAll() {
        if (!m_bFiltered)
            return;
        beginResetModel();
        m_shown.clear();
        m_bFiltered = false;
        endResetModel();
    }
    void SetMarked(std::vector<bool> marked) {
        m_marked = std::move(marked);
        m_marked.resize(static_cast<std::size_t>(m_nRows));
        ScheduleRefresh();
    }

    void SetCell(long nRow, long nCol, const QString& text) {
        m_cells[static_cast<std::size_t>(nRow * m_nCols + nCol)] = text;
        ScheduleRefresh();
    }
    void SetAlignment(long nCol, short nAlignment) {
        m_alignments[static_cast<std::size_t>(nCol)] = nAlignment;
        ScheduleRefresh();
    }
    void ClearCells() {
        std::fill(m_cells.begin(), m_cells.end(), QString());
        ScheduleRefresh();
    }

    // Rows that come or go end the filter: its rows were the old ones.
    void SetRows(long nRows) {
        m_marked.assign(static_cast<std::size_t>(std::max(nRows, m_nRows)), false);
        if (m_bFiltered && nRows != m_nRows) {
            beginResetModel();
            m_shown.clear();
            m_bFiltered = false;
            m_nRows = nRows;
            m_cells.resize(static_cast<std::size_t>(m_nRows * m_nCols));
            endResetModel();
        } else if (nRows > m_nRows) {
            beginInsertRows(QModelIndex(), int(m_nRows - 1), int(nRows - 2));
            m_nRows = nRows;
            m_cells.resize(static_cast<std::size_t>(m_nRows * m_nCols));
            endInsertRows();
        } else if (nRows < m_nRows) {
            beginRemoveRows(QModelIndex(), int(nRows - 1), int(m_nRows - 2));
            m_nRows = nRows;
            m_cells.resize(static_cast<std::size_t>(m_nRows * m_nCols));
            endRemoveRows();
        }
        m_marked.resize(static_cast<std::size_t>(m_nRows));
    }

    void SetCols(long nCols) {
        if (nCols == m_nCols)
            return;
        const bool bGrow = nCols > m_nCols;
        if (bGrow)
            beginInsertColumns(QModelIndex(), int(m_nCols - 1), int(nCols - 2));
        else
            beginRemoveColumns(QModelIndex(), int(nCols - 1), int(m_nCols - 2));
        std::vector<QString> cells(static_cast<std::size_t>(m_nRows * nCols));
        const long nKeep = std::min(nCols, m_nCols);
        for (long r = 0; r < m_nRows; ++r)
            for (long c = 0; c < nKeep; ++c)
                cells[static_cast<std::size_t>(r * nCols + c)] =
                    std::move(m_cells[static_cast<std::size_t>(r * m_nCols + c)]);
        m_cells = std::move(cells);
        m_alignments.resize(static_cast<std::size_t>(nCols), flexAlignGeneral);
        m_nCols = nCols;
        if (bGrow)
            endInsertColumns();
        else
            endRemoveColumns();
    }

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : ShownRows();
    }
    int columnCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(m_nCols - 1);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        const long nRow = GridRow(index.row());
        if (role == Qt::DisplayRole)
            return Cell(nRow, index.column() + 1);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(AlignmentOf(Alignment(index.column() + 1)));
        if (role == Qt::BackgroundRole)
            return m_marked[static_cast<std::size_t>(nRow)] ? m_markBrush : m_cellBrush;
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        const long nRow = orientation == Qt::Horizontal ? 0 : GridRow(section);
        const long nCol = orientation == Qt::Horizontal ? section + 1 : 0;
        if (!Contains(nRow, nCol))
            return {};
        if (role == Qt::DisplayRole)
            return Cell(nRow, nCol);
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(AlignmentOf(Alignment(nCol)));
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
                               : Qt::ItemIsDropEnabled;
    }
    // Rows dragged carry only the grid they come from: the drop reads the grid's own selection.
    QStringList mimeTypes() const override { return {QString::fromLatin1(kRowsMimeType)}; }
    QMimeData* mimeData(const QModelIndexList&) const override {
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(kRowsMimeType), GridId(parent()));
        return data;
    }
    Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

    // Called once when the fixed corner cell must be repainted after a refresh.
    std::function<void()> m_onRefreshed;
    // The cells' own background, set apart from the empty area around them, and that of rows
    // marked (cut and waiting for their paste).
    QBrush m_cellBrush;
    QBrush m_markBrush;

  private:
    // Text changes come in bursts (a refill writes tens of thousands of cells): the views hear
    // of them once, when control returns to the event loop.
    void ScheduleRefresh() {
        if (m_bRefreshPending)
            return;
        m_bRefreshPending = true;
        QMetaObject::invokeMethod(
            this, [this] { Refresh(); }, Qt::QueuedConnection);
    }
    void Refresh() {
        m_bRefreshPending = false;
        if (ShownRows() > 0 && m_nCols > 1)
            emit dataChanged(index(0, 0), index(ShownRows() - 1, int(m_nCols - 2)));
        if (m_nCols > 1)
            emit headerDataChanged(Qt::Horizontal, 0, int(m_nCols - 2));
        if (ShownRows() > 0)
            emit headerDataChanged(Qt::Vertical, 0, ShownRows() - 1);
        if (m_onRefreshed)
            m_onRefreshed();
    }

    long m_nRows = 1;
    long m_nCols = 1;
    std::vector<QString> m_cells = std::vector<QString>(1);
    std::vector<short> m_alignments{flexAlignGeneral};
    std::vector<bool> m_marked = std::vector<bool>(1);
    std::vector<long> m_shown;
    bool m_bFiltered = false;
    bool m_bRefreshPending = false;
};

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableView(parent), m_pModel(new CFlexGridModel(this)) {
    setModel(m_pModel);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setFont(GridFont());
    // As in a spreadsheet, the area beyond the last row and column is grey, the cells white.
    QPalette colours = palette();
    m_pModel->m_cellBrush = colours.base();
    m_pModel->m_markBrush = QBrush(QColor(0xFF, 0xF0, 0xB0), Qt::Dense4Pattern);
    colours.setBrush(QPalette::Base, colours.window());
    setPalette(colours);

    const int nRowHeight = fontMetrics().height() + 4;
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
        header->setMinimumSectionSize(1);
        header->viewport()->setMouseTracking(true);
        header->viewport()->installEventFilter(this);
    }
    verticalHeader()->setDefaultSectionSize(nRowHeight);
    horizontalHeader()->setFixedHeight(nRowHeight + 2);
    viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);
    // Selected rows can be dragged to another place in the same grid.
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(false);
    // The arrow shows the last sort; a click on a header selects its column and sorts nothing.
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, [this] {
        if (horizontalHeader()->sortIndicatorSection() != m_nSortSection ||
            horizontalHeader()->sortIndicatorOrder() != m_sortOrder)
            horizontalHeader()->setSortIndicator(m_nSortSection, m_sortOrder);
    });

    // The corner is the fixed cell (0, 0): it shows its text like the other header cells.
    m_pCorner = findChild<QAbstractButton*>();
    if (m_pCorner != nullptr) {
        m_pCorner->installEventFilter(this);
        m_pModel->m_onRefreshed = [this] { m_pCorner->update(); };
    }

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMSFlexGrid::SyncSelectionFromView);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CMSFlexGrid::SyncSelectionFromView);
}

CMSFlexGrid::~CMSFlexGrid() = default;

long CMSFlexGrid::GetRows() const {
    return m_pModel->Rows();
}
long CMSFlexGrid::GetCols() const {
    return m_pModel->Cols();
}

void CMSFlexGrid::SetRows(long nRows) {
    m_pModel->SetRows(std::max(1L, nRows));
    ClampSelection();
}

void CMSFlexGrid::SetCols(long nCols) {
    m_pModel->SetCols(std::max(1L, nCols));
    ClampSelection();
}

void CMSFlexGrid::SetRow(long nRow) {
    if (nRow < 0 || nRow >= GetRows())
        return;
    m_nRow = m_nRowSel = nRow;
    m_nColSel = m_nCol;
    ApplySelection();
}

void CMSFlexGrid::SetCol(long nCol) {
    if (nCol < 0 || nCol >= GetCols())
        return;
    m_nCol = m_nColSel = nCol;
    m_nRowSel = m_nRow;
    ApplySelection();
}

void CMSFlexGrid::SetSelection(long nRow, long nCol, long nRowSel, long nColSel) {
    const auto row = [this](long n) { return std::clamp(n, 0L, GetRows() - 1); };
    const auto col = [this](long n) { return std::clamp(n, 0L, GetCols() - 1); };
    m_nRow = row(nRow);
    m_nRowSel = row(nRowSel);
    m_nCol = col(nCol);
    m_nColSel = col(nColSel);
    ApplySelection();
}

void CMSFlexGrid::SetColAlignment(long nCol, short nAlignment) {
    if (nCol >= 0 && nCol < GetCols())
        m_pModel->SetAlignment(nCol, nAlignment);
}

void CMSFlexGrid::SetColWidth(long nCol, long nTwips) {
    if (nCol < 0 || nCol >= GetCols() || nTwips < 0)
        return;
    const int nPixels = int((nTwips * logicalDpiX() + kTwipsPerInch / 2) / kTwipsPerInch);
    if (nCol == 0)
        verticalHeader()->setFixedWidth(nPixels);
    else
        setColumnWidth(int(nCol - 1), nPixels);
}

QString CMSFlexGrid::GetTextMatrix(long nRow, long nCol) const {
    return m_pModel->Contains(nRow, nCol) ? m_pModel->Cell(nRow, nCol) : QString();
}

void CMSFlexGrid::SetTextMatrix(long nRow, long nCol, const QString& text) {
    if (m_pModel->Contains(nRow, nCol))
        m_pModel->SetCell(nRow, nCol, text);
}

void CMSFlexGrid::Clear() {
    m_pModel->ClearCells();
}

void CMSFlexGrid::ShowOnlyRows(std::vector<long> rows) {
    m_pModel->ShowOnly(std::move(rows));
    ApplySelection();
}

void CMSFlexGrid::ShowAllRows() {
    if (!m_pModel->IsFiltered())
        return;
    m_pModel->ShowAll();
    ApplySelection();
}

bool CMSFlexGrid::IsRowShown(long nRow) const {
    return m_pModel->IsShown(nRow);
}

long CMSFlexGrid::ShownRowCount() const {
    return m_pModel->ShownRows();
}

long CMSFlexGrid::FirstShownRow() const {
    return ShownRowCount() > 0 ? m_pModel->GridRow(0) : 0;
}

long CMSFlexGrid::LastShownRow() const {
    return ShownRowCount() > 0 ? m_pModel->GridRow(m_pModel->ShownRows() - 1) : 0;
}

void CMSFlexGrid::SetMarkedRows(std::vector<bool> marked) {
    m_pModel->SetMarked(std::move(marked));
}

void CMSFlexGrid::SetSortArrow(long nCol, bool bDescending) {
    m_nSortSection = nCol >= 1 ? int(nCol - 1) : -1;
    m_sortOrder = bDescending ? Qt::DescendingOrder : Qt::AscendingOrder;
    horizontalHeader()->setSortIndicator(m_nSortSection, m_sortOrder);
}

bool CMSFlexGrid::IsRowSelection() const {
    const long nLast = GetCols() - 1;
    return (m_nCol == 1 && m_nColSel == nLast) || (m_nCol == nLast && m_nColSel == 1);
}

// After rows or columns went away the selection stays on the last ones left.
void CMSFlexGrid::ClampSelection() {
    const long nLastRow = GetRows() - 1, nLastCol = GetCols() - 1;
    if (m_nRow <= nLastRow && m_nRowSel <= nLastRow && m_nCol <= nLastCol && m_nColSel <= nLastCol)
        return;
    m_nRow = std::min(m_nRow, nLastRow);
    m_nRowSel = std::min(m_nRowSel, nLastRow);
    m_nCol = std::min(m_nCol, nLastCol);
    m_nColSel = std::min(m_nColSel, nLastCol);
    ApplySelection();
}

// Shows Row/Col .. RowSel/ColSel in the view, the end RowSel/ColSel being its current cell.
void CMSFlexGrid::ApplySelection() {
    m_bApplyingSelection = true;
    QItemSelectionModel* selection = selectionModel();
    const int nAnchorRow = m_pModel->ViewRow(m_nRow), nEndRow = m_pModel->ViewRow(m_nRowSel);
    if (m_nRow >= 1 && m_nCol >= 1 && m_nRowSel >= 1 && m_nColSel >= 1 && nEndRow >= 0) {
        const QModelIndex anchor = m_pModel->index(nAnchorRow, int(m_nCol - 1));
        const QModelIndex end = m_pModel->index(nEndRow, int(m_nColSel - 1));
        selection->setCurrentIndex(end, QItemSelectionModel::NoUpdate);
        selection->select(QItemSelection(anchor, end), QItemSelectionModel::ClearAndSelect);
    } else {
        selection->clearSelection();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    m_bApplyingSelection = false;
}

// The user changed the selection: the view's current cell is the end that moved, the range
// around it gives the anchor.
void CMSFlexGrid::SyncSelectionFromView() {
    if (m_bApplyingSelection)
        return;
    const QModelIndex current = selectionModel()->currentIndex();
    if (!current.isValid())
        return;
    long nEndRow = m_pModel->GridRow(current.row()), nEndCol = current.column() + 1;
    long nAnchorRow = nEndRow, nAnchorCol = nEndCol;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        if (!range.contains(current))
            continue;
        SplitRange(m_pModel->GridRow(range.top()), m_pModel->GridRow(range.bottom()), nAnchorRow,
                   nEndRow);
        // Rows picked in the NUM column run from the first column to the last, whichever
        // column the view made current.
        const bool bWholeRows = range.left() == 0 && range.right() == GetCols() - 2;
        if (m_bRowsFromHeader && bWholeRows) {
            nAnchorCol = 1;
            nEndCol = GetCols() - 1;
        } else {
            SplitRange(range.left() + 1, range.right() + 1, nAnchorCol, nEndCol);
        }
        break;
    }
    m_nRow = nAnchorRow;
    m_nCol = nAnchorCol;
    m_nRowSel = nEndRow;
    m_nColSel = nEndCol;
}

void CMSFlexGrid::TrackMouse(QObject* watched, const QPoint& pos) {
    const auto gridIndex = [](int viewIndex) { return viewIndex < 0 ? -1L : viewIndex + 1L; };
    if (watched == viewport()) {
        m_nMouseRow = m_pModel->GridRow(rowAt(pos.y()));
        m_nMouseCol = gridIndex(columnAt(pos.x()));
    } else if (watched == horizontalHeader()->viewport()) {
        m_nMouseRow = 0;
        m_nMouseCol = gridIndex(horizontalHeader()->logicalIndexAt(pos.x()));
    } else if (watched == verticalHeader()->viewport()) {
        m_nMouseRow = m_pModel->GridRow(verticalHeader()->logicalIndexAt(pos.y()));
        m_nMouseCol = 0;
    } else if (watched == m_pCorner) {
        m_nMouseRow = 0;
        m_nMouseCol = 0;
    }
}

bool CMSFlexGrid::PaintCorner() {
    QStylePainter painter(m_pCorner);
    QStyleOptionHeader option;
    option.initFrom(m_pCorner);
    option.state |= QStyle::State_Raised;
    option.rect = m_pCorner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.orientation = Qt::Horizontal;
    option.text = GetTextMatrix(0, 0);
    option.textAlignment = AlignmentOf(m_pModel->Alignment(0));
    painter.drawControl(QStyle::CE_Header, option);
    return true;
}

bool CMSFlexGrid::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        TrackMouse(watched, mouse->position().toPoint());
        if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
            m_bRowsFromHeader = watched == verticalHeader()->viewport();
            // A press on selected whole rows may start dragging them; anywhere else a drag
            // selects.
            const QModelIndex index = indexAt(mouse->position().toPoint());
            setDragEnabled(watched == viewport() && index.isValid() && IsRowSelection() &&
                           selectionModel()->isSelected(index));
        }
        // Only the left button selects; a right-click leaves the selection for the context
        // menu to look at.
        if (mouse->button() == Qt::RightButton)
            return true;
        break;
    }
    case QEvent::MouseButtonDblClick:
        // The grid's double-click is its own event; the view does nothing more with it.
        TrackMouse(watched, static_cast<QMouseEvent*>(event)->position().toPoint());
        emit DblClick();
        return true;
    case QEvent::Paint:
        if (watched == m_pCorner)
            return PaintCorner();
        break;
    default:
        break;
    }
    return QTableView::eventFilter(watched, event);
}

// The grid row a drop at `pos` goes in front of: the row under the pointer when it is in the row's
// upper half, else the next shown row; below the last row, GetRows() (the end).
long CMSFlexGrid::DropRowAt(const QPoint& pos) const {
    const int nViewRow = rowAt(pos.y());
    if (nViewRow < 0)
        return GetRows();
    const bool bLowerHalf = pos.y() > visualRect(m_pModel->index(nViewRow, 0)).center().y();
    if (!bLowerHalf)
        return m_pModel->GridRow(nViewRow);
    return nViewRow + 1 < m_pModel->ShownRows() ? m_pModel->GridRow(nViewRow + 1) : GetRows();
}

// Only rows of this grid are taken; the grid's cells stay as they are until the window moves
// the rows in its store and refills.
void CMSFlexGrid::dropEvent(QDropEvent* event) {
    if (event->mimeData()->data(QString::fromLatin1(kRowsMimeType)) != GridId(this)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit RowsDropped(DropRowAt(event->position().toPoint()));
}
