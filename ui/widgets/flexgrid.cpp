#include "flexgrid.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyleOptionHeader>
#include <QStylePainter>

#include <algorithm>
#include <vector>

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr const char* kRowsMimeType = "application/x-orvane-grid-rows";

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

Qt::Alignment AlignmentOf(short nAlignment) {
    if (nAlignment < flexAlignLeftTop || nAlignment > flexAlignRightBottom)
        return Qt::AlignLeft | Qt::AlignVCenter;
    static constexpr Qt::AlignmentFlag kHorizontal[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                        Qt::AlignRight};
    static constexpr Qt::AlignmentFlag kVertical[] = {Qt::AlignTop, Qt::AlignVCenter,
                                                      Qt::AlignBottom};
    return kHorizontal[nAlignment / 3] | kVertical[nAlignment % 3];
}

// ---- CFlexGridModel ---------------------------------------------------------------------------

CFlexGridModel::CFlexGridModel(QObject* parent) : QAbstractTableModel(parent) {}

int CFlexGridModel::ShownRows() const {
    return int(m_bFiltered ? long(m_shown.size()) : m_nDataRows);
}

long CFlexGridModel::GridRow(int nViewRow) const {
    if (nViewRow < 0 || nViewRow >= ShownRows())
        return -1;
    return m_bFiltered ? m_shown[static_cast<std::size_t>(nViewRow)] : nViewRow + 1L;
}

int CFlexGridModel::ViewRow(long nRow) const {
    if (!m_bFiltered)
        return ShownRows() > 0 ? int(std::clamp(nRow, 1L, m_nDataRows) - 1) : -1;
    if (m_shown.empty())
        return -1;
    const auto it = std::lower_bound(m_shown.begin(), m_shown.end(), nRow);
    return int(std::min(it - m_shown.begin(), std::ptrdiff_t(m_shown.size()) - 1));
}

bool CFlexGridModel::IsShown(long nRow) const {
    if (!m_bFiltered)
        return nRow >= 1 && nRow <= m_nDataRows;
    return std::binary_search(m_shown.begin(), m_shown.end(), nRow);
}

void CFlexGridModel::SetSortArrow(long nCol, bool bDescending) {
    m_nSortColumn = nCol;
    m_bSortDescending = bDescending;
    emit SortArrowChanged();
}

void CFlexGridModel::SetBrushes(const QBrush& cell, const QBrush& marked) {
    m_cellBrush = cell;
    m_markBrush = marked;
}

void CFlexGridModel::SetRows(long nDataRows, std::vector<long> shown, bool bFiltered) {
    if (nDataRows == m_nDataRows && bFiltered == m_bFiltered && shown == m_shown) {
        RefreshTexts();
        return;
    }
    beginResetModel();
    m_nDataRows = nDataRows;
    m_shown = std::move(shown);
    m_bFiltered = bFiltered;
    endResetModel();
}

// The NUM column's texts change with the cells: the views repaint it with them. (A change of
// every row's header would have the view measure thousands of sections it never shows.)
void CFlexGridModel::RefreshTexts() {
    if (ShownRows() > 0 && Cols() > 1)
        emit dataChanged(index(0, 0), index(ShownRows() - 1, int(Cols() - 2)));
    if (Cols() > 1)
        emit headerDataChanged(Qt::Horizontal, 0, int(Cols() - 2));
}

int CFlexGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ShownRows();
}

int CFlexGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(Cols() - 1);
}

QVariant CFlexGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const long nRow = GridRow(index.row());
    if (role == Qt::DisplayRole)
        return Text(nRow, index.column() + 1);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(Alignment(index.column() + 1)));
    if (role == Qt::BackgroundRole)
        return IsMarked(nRow) ? m_markBrush : m_cellBrush;
    return {};
}

QVariant CFlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const long nRow = orientation == Qt::Horizontal ? 0 : GridRow(section);
    const long nCol = orientation == Qt::Horizontal ? section + 1 : 0;
    if (!Contains(nRow, nCol))
        return {};
    if (role == Qt::DisplayRole)
        return Text(nRow, nCol);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(Alignment(nCol)));
    return {};
}

Qt::ItemFlags CFlexGridModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
                           : Qt::ItemIsDropEnabled;
}

QStringList CFlexGridModel::mimeTypes() const {
    return {QString::fromLatin1(kRowsMimeType)};
}

QMimeData* CFlexGridModel::mimeData(const QModelIndexList&) const {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRowsMimeType), DragId());
    return data;
}

QByteArray CFlexGridModel::DragId() const {
    return QByteArray::number(reinterpret_cast<quintptr>(this), 16);
}

// ---- CMSFlexGrid ------------------------------------------------------------------------------

CMSFlexGrid::CMSFlexGrid(QWidget* parent) : QTableView(parent) {
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setFont(GridFont());
    // As in a spreadsheet, the area beyond the last row and column is grey, the cells white.
    QPalette colours = palette();
    m_cellBrush = colours.base();
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
    connect(horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &CMSFlexGrid::ShowSortArrow);

    // The corner is the fixed cell (0, 0): it shows its text like the other header cells.
    m_pCorner = findChild<QAbstractButton*>();
    if (m_pCorner != nullptr)
        m_pCorner->installEventFilter(this);
}

CMSFlexGrid::~CMSFlexGrid() = default;

void CMSFlexGrid::SetGridModel(CFlexGridModel* model) {
    m_pModel = model;
    m_pModel->SetBrushes(m_cellBrush, QBrush(QColor(0xFF, 0xF0, 0xB0), Qt::Dense4Pattern));
    setModel(m_pModel);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMSFlexGrid::SyncSelectionFromView);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CMSFlexGrid::SyncSelectionFromView);
    // Rows that came or went, or another filter: the selection stays within the grid and on the
    // rows shown.
    connect(m_pModel, &QAbstractItemModel::modelReset, this, &CMSFlexGrid::ClampSelection);
    connect(m_pModel, &CFlexGridModel::SortArrowChanged, this, &CMSFlexGrid::ShowSortArrow);
    connect(m_pModel, &QAbstractItemModel::dataChanged, verticalHeader()->viewport(),
            qOverload<>(&QWidget::update));
    if (m_pCorner != nullptr)
        connect(m_pModel, &QAbstractItemModel::headerDataChanged, m_pCorner,
                qOverload<>(&QWidget::update));
    ShowSortArrow();
}

long CMSFlexGrid::GetRows() const {
    return m_pModel != nullptr ? m_pModel->Rows() : 1;
}
long CMSFlexGrid::GetCols() const {
    return m_pModel != nullptr ? m_pModel->Cols() : 1;
}

// The arrow shows the model's last sort; a click on a header selects its column and sorts nothing.
void CMSFlexGrid::ShowSortArrow() {
    const long nCol = m_pModel != nullptr ? m_pModel->SortArrowColumn() : 0;
    const int nSection = nCol >= 1 ? int(nCol - 1) : -1;
    const Qt::SortOrder order = m_pModel != nullptr && m_pModel->IsSortArrowDescending()
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    QHeaderView* header = horizontalHeader();
    if (header->sortIndicatorSection() != nSection || header->sortIndicatorOrder() != order)
        header->setSortIndicator(nSection, order);
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
    return m_pModel != nullptr && m_pModel->Contains(nRow, nCol) ? m_pModel->Text(nRow, nCol)
                                                                 : QString();
}

bool CMSFlexGrid::IsRowShown(long nRow) const {
    return m_pModel != nullptr && m_pModel->IsShown(nRow);
}

long CMSFlexGrid::ShownRowCount() const {
    return m_pModel != nullptr ? m_pModel->ShownRows() : 0;
}

long CMSFlexGrid::FirstShownRow() const {
    return ShownRowCount() > 0 ? m_pModel->GridRow(0) : 0;
}

long CMSFlexGrid::LastShownRow() const {
    return ShownRowCount() > 0 ? m_pModel->GridRow(m_pModel->ShownRows() - 1) : 0;
}

bool CMSFlexGrid::IsRowSelection() const {
    const long nLast = GetCols() - 1;
    return (m_nCol == 1 && m_nColSel == nLast) || (m_nCol == nLast && m_nColSel == 1);
}

// After rows or columns went away the selection stays on the last ones left; the view shows it
// again on the rows it now has.
void CMSFlexGrid::ClampSelection() {
    const long nLastRow = GetRows() - 1, nLastCol = GetCols() - 1;
    m_nRow = std::min(m_nRow, nLastRow);
    m_nRowSel = std::min(m_nRowSel, nLastRow);
    m_nCol = std::min(m_nCol, nLastCol);
    m_nColSel = std::min(m_nColSel, nLastCol);
    ApplySelection();
}

// Shows Row/Col .. RowSel/ColSel in the view, the end RowSel/ColSel being its current cell.
void CMSFlexGrid::ApplySelection() {
    if (m_pModel == nullptr)
        return;
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
    if (m_pModel == nullptr)
        return;
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
    option.textAlignment = AlignmentOf(m_pModel != nullptr ? m_pModel->Alignment(0) : 0);
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
    if (m_pModel == nullptr ||
        event->mimeData()->data(QString::fromLatin1(kRowsMimeType)) != m_pModel->DragId()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit RowsDropped(DropRowAt(event->position().toPoint()));
}
