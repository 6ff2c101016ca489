// Finding and arranging services in the grids: the filter field with its count, the grids'
// keys, dragging selected rows to another place and Move to Number. Every change is one undo
// step made of the store's own operations, and only rows the filter shows are touched.
#include "editor_dlg.h"

#include "control_text.h"
#include "edit_command.h"
#include "grid_menu.h"
#include "list_arrange.h"
#include "prompt.h"
#include "status_text.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace {

// The largest number Move to Number offers; a number past the list's end moves to its end.
constexpr int kMaxMoveNumber = 9999;

} // namespace

// ---- filter -------------------------------------------------------------------------------------

void CEditorDlg::CreateFilter(const QRect& field, const QRect& count) {
    m_pFilter = new QLineEdit(m_pClient);
    m_pFilter->setObjectName(QStringLiteral("filter"));
    m_pFilter->setPlaceholderText(QStringLiteral("Filter"));
    m_pFilter->setClearButtonEnabled(true);
    m_pFilter->setGeometry(field);
    m_pFilter->installEventFilter(this);
    m_pFilterCount = new QLabel(m_pClient);
    m_pFilterCount->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pFilterCount->setGeometry(count);
    connect(m_pFilter, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (const int nList = GetCurrentList(); nList >= 0) {
            m_filters[nList] = text;
            ApplyFilter(static_cast<BYTE>(nList));
        }
    });
    // Esc clears the tab's filter from its field and from its grid.
    auto* clear = new QAction(QStringLiteral("Clear Filter"), this);
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    clear->setShortcutContext(Qt::WidgetShortcut);
    connect(clear, &QAction::triggered, m_pFilter, &QLineEdit::clear);
    m_pFilter->addAction(clear);
    for (CMSFlexGrid* grid : m_grids)
        grid->addAction(clear);
}

void CEditorDlg::ApplyFilter(BYTE nList) {
    CMSFlexGrid& grid = Grid(nList);
    const QString& text = m_filters[nList];
    if (text.isEmpty() || m_pStore == nullptr) {
        grid.ShowAllRows();
    } else {
        std::vector<long> rows;
        if (IsBoxText(text))
            for (WORD i : MatchingServices(*m_pStore, nList, text.toLatin1().toStdString()))
                rows.push_back(i + 1L);
        grid.ShowOnlyRows(std::move(rows));
        // The current row and the selection stay on rows the user can see.
        const long nFirst = grid.FirstShownRow();
        if (nFirst > 0 && !(grid.IsRowShown(grid.GetRow()) && grid.IsRowShown(grid.GetRowSel())))
            grid.SetSelection(nFirst, 1, nFirst, 1);
    }
    if (nList == GetCurrentList())
        ShowFilterOf(nList);
}

// The field shows the filter of the tab's own list, the label how many rows it shows.
void CEditorDlg::ShowFilterOf(BYTE nList) {
    if (m_pFilter->text() != m_filters[nList]) {
        const QSignalBlocker quiet(m_pFilter);
        m_pFilter->setText(m_filters[nList]);
    }
    const CMSFlexGrid& grid = Grid(nList);
    m_pFilterCount->setText(StatusText(EStatus::Shown, QString::number(grid.ShownRowCount()),
                                       QString::number(grid.GetRows() - 1)));
}

void CEditorDlg::OnFindKey() {
    if (GetCurrentList() < 0)
        return;
    m_pFilter->setFocus(Qt::ShortcutFocusReason);
    m_pFilter->selectAll();
}

// Tab or Down in the filter field goes on into the grid, on its first row shown.
bool CEditorDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pFilter && event->type() == QEvent::KeyPress) {
        const int nKey = static_cast<QKeyEvent*>(event)->key();
        const int nList = GetCurrentList();
        if ((nKey == Qt::Key_Tab || nKey == Qt::Key_Down) && nList >= 0) {
            CMSFlexGrid& grid = Grid(static_cast<BYTE>(nList));
            grid.setFocus(Qt::TabFocusReason);
            if (const long nFirst = grid.FirstShownRow(); nFirst > 0)
                grid.SetSelection(nFirst, 1, nFirst, 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// ---- keys ---------------------------------------------------------------------------------------

// The grids' keys: actions of the window held by the four grids, so that they answer while a
// grid has the focus and the help lists them. Those of an Edit menu command are its menu item,
// named by the menu (pszText null), which runs what the key runs; the popup menu's item of the
// same command shows the keys.
void CEditorDlg::CreateGridKeys() {
    struct SGridKey {
        const char* pszText;
        const char* pszKey;
        void (CEditorDlg::*pHandler)();
        unsigned nMenuId;
    };
    const SGridKey keys[] = {
        {nullptr, "Ctrl+X", &CEditorDlg::OnCutKey, ID_EDIT_CUT},
        {nullptr, "Ctrl+V", &CEditorDlg::OnPasteKey, ID_EDIT_PASTE},
        {nullptr, "Del", &CEditorDlg::OnDeleteKey, ID_EDIT_DELETE},
        {nullptr, "Ctrl+A", &CEditorDlg::OnSelectAllKey, ID_EDIT_SELECT_ALL},
        {nullptr, "Ctrl+M", &CEditorDlg::OnMoveToNumber, ID_EDIT_MOVE_TO_NUMBER},
        {"Toggle Flag", "Space", &CEditorDlg::OnToggleFlagKey, 0},
        {"Detail Info", "Return", &CEditorDlg::OnButtonDetailInfo, 0},
    };
    for (const SGridKey& key : keys) {
        QAction* action = key.nMenuId != 0 ? m_actions.at(key.nMenuId)
                                           : new QAction(QString::fromLatin1(key.pszText), this);
        action->disconnect(this); // the menu item ran the popup's command
        action->setShortcut(QKeySequence(QString::fromLatin1(key.pszKey)));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, key.pHandler);
        for (CMSFlexGrid* grid : m_grids)
            grid->addAction(action);
    }
    auto* find = new QAction(QStringLiteral("Filter"), this);
    find->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    connect(find, &QAction::triggered, this, &CEditorDlg::OnFindKey);
    addAction(find);
}

// The rows of the selection are the rows the keys cut or delete, as the rows a popup menu opened
// on are for its commands. False without a grid tab or without a row shown in the selection.
bool CEditorDlg::MarkSelectedRows() {
    const int nList = GetCurrentList();
    if (nList < 0 || SelectedShownRows(static_cast<BYTE>(nList)).empty())
        return false;
    m_nMarkFrom = int(Grid(static_cast<BYTE>(nList)).GetRow());
    m_nMarkTo = int(Grid(static_cast<BYTE>(nList)).GetRowSel());
    return true;
}

void CEditorDlg::OnCutKey() {
    if (MarkSelectedRows())
        OnCut();
}

// Paste waits for a Cut, as its menu item does.
void CEditorDlg::OnPasteKey() {
    if (m_bCutPending == 1)
        OnPaste();
}

void CEditorDlg::OnDeleteKey() {
    if (MarkSelectedRows())
        OnDelete();
}

// The flag of the current cell's column on every selected row shown, as Enable and Disable set
// it; the current cell decides the way, as a double-click on it does. The current cell is the end
// of the selection the user moved last (RowSel, ColSel): after Ctrl+A or a pick of whole rows, the
// last column's.
void CEditorDlg::OnToggleFlagKey() {
    const int nList = GetCurrentList();
    if (nList < 0)
        return;
    const BYTE nKind = static_cast<BYTE>(nList);
    const CMSFlexGrid& grid = Grid(nKind);
    const long nRow = grid.GetRowSel(), nCol = grid.GetColSel();
    if (nRow < 1 || !grid.IsRowShown(nRow) || nCol < FirstFlagColumn(nKind))
        return;
    std::vector<long> rows;
    for (WORD wRow : SelectedShownRows(nKind))
        rows.push_back(wRow + 1L);
    ToggleFlag(nKind, nRow, nCol, rows);
}

// The Edit menu's grid commands are greyed while they cannot act. Closed, the menu holds none
// back: their keys are left to the commands, which do nothing where they cannot act.
void CEditorDlg::EnableGridCommands(bool bMenuShown) {
    bool bRows = !bMenuShown, bCut = !bMenuShown, bAnyRow = !bMenuShown, bFlags = !bMenuShown;
    if (const int nList = GetCurrentList(); bMenuShown && nList >= 0) {
        const BYTE nKind = static_cast<BYTE>(nList);
        const CMSFlexGrid& grid = Grid(nKind);
        bRows = !SelectedShownRows(nKind).empty();
        bCut = m_bCutPending == 1;
        bAnyRow = grid.ShownRowCount() > 0;
        bFlags = bRows && std::max(grid.GetCol(), grid.GetColSel()) >= FirstFlagColumn(nKind);
    }
    const std::pair<unsigned, bool> states[] = {
        {ID_EDIT_CUT, bRows},          {ID_EDIT_PASTE, bCut},           {ID_EDIT_DELETE, bRows},
        {ID_EDIT_SELECT_ALL, bAnyRow}, {ID_EDIT_MOVE_TO_NUMBER, bRows}, {ID_FLAGS_ENABLE, bFlags},
        {ID_FLAGS_DISABLE, bFlags},
    };
    for (const auto& [nId, bEnable] : states)
        m_actions.at(nId)->setEnabled(bEnable);
}

void CEditorDlg::OnSelectAllKey() {
    const int nList = GetCurrentList();
    if (nList < 0)
        return;
    CMSFlexGrid& grid = Grid(static_cast<BYTE>(nList));
    if (grid.ShownRowCount() > 0)
        grid.SetSelection(grid.FirstShownRow(), 1, grid.LastShownRow(), grid.GetCols() - 1);
}

// ---- moving rows --------------------------------------------------------------------------------

std::vector<WORD> CEditorDlg::SelectedShownRows(BYTE nList) const {
    const CMSFlexGrid& grid = Grid(nList);
    std::vector<WORD> rows;
    const long nFirst = std::max(1L, std::min(grid.GetRow(), grid.GetRowSel()));
    const long nLast = std::min(grid.GetRows() - 1, std::max(grid.GetRow(), grid.GetRowSel()));
    for (long nRow = nFirst; nRow <= nLast; ++nRow)
        if (grid.IsRowShown(nRow))
            rows.push_back(static_cast<WORD>(nRow - 1));
    return rows;
}

// The moved rows stay selected as whole rows where they went; a list whose order did not change
// is no undo step.
void CEditorDlg::MoveRows(BYTE nList, const std::vector<WORD>& rows, std::size_t nFirst) {
    const std::size_t nRows = m_pStore->GetServiceCount(nList);
    const long nTop = long(std::min(nFirst, nRows - rows.size())) + 1;
    RunUndoable(
        [&] {
            m_pStore->ReorderList(nList, MoveRowsOrder(nRows, rows, nFirst));
            RefillGrid(nList);
            CMSFlexGrid& grid = Grid(nList);
            grid.SetSelection(nTop, 1, nTop + long(rows.size()) - 1, grid.GetCols() - 1);
        },
        [&] { return EditText(EEdit::MoveServices, int(rows.size())); });
    ShowStatus(StatusText(EStatus::Moved, int(rows.size()), QString::number(nTop)));
}

void CEditorDlg::OnMoveToNumber() {
    const int nList = GetCurrentList();
    if (nList < 0 || m_pStore == nullptr)
        return;
    const std::vector<WORD> rows = SelectedShownRows(static_cast<BYTE>(nList));
    if (rows.empty())
        return;
    const std::optional<int> nNumber = m_prompt.GetInteger(
        QStringLiteral("Move to Number"), QStringLiteral("Number of the first selected service:"),
        rows.front() + 1, 1, kMaxMoveNumber);
    if (nNumber)
        MoveRows(static_cast<BYTE>(nList), rows, std::size_t(*nNumber - 1));
}

// As Cut and Paste in front of the drop row: the block lands before the first row left there.
void CEditorDlg::OnRowsDropped(BYTE nList, long nBeforeRow) {
    const std::vector<WORD> rows = SelectedShownRows(nList);
    if (rows.empty() || m_pStore == nullptr)
        return;
    const auto nAbove = std::count_if(rows.begin(), rows.end(),
                                      [nBeforeRow](WORD row) { return row < nBeforeRow - 1; });
    MoveRows(nList, rows, std::size_t(nBeforeRow - 1 - nAbove));
}
