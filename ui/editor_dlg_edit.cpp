// Editing a service list from the grid's popup menu: Cut marks a block of whole rows, Paste
// moves the marked block in front of the current row, Delete removes the selected rows, Enable
// and Disable set or clear a rectangle of Lock / favourite cells. Under a filter each takes only
// the rows shown.
#include "editor_dlg.h"

#include "edit_command.h"
#include "grid_menu.h"
#include "prompt.h"
#include "status_text.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <algorithm>
#include <utility>

namespace {

bool Between(long n, long nEnd1, long nEnd2) {
    return n >= std::min(nEnd1, nEnd2) && n <= std::max(nEnd1, nEnd2);
}

void LoadPopup(QMenu& menu, const SMenuPopup& popup) {
    menu.setTitle(QString::fromLatin1(popup.pszTitle));
    for (std::size_t i = 0; i < popup.nItems; ++i) {
        const SMenuItem& item = popup.pItems[i];
        if (item.nId == 0)
            menu.addSeparator();
        else
            menu.addAction(QString::fromLatin1(item.pszText))->setData(item.nId);
    }
}

void EnableMenuItem(QMenu& menu, unsigned nId, bool bEnable) {
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->data().toUInt() == nId)
            action->setEnabled(bEnable);
}

} // namespace

// The event reaches the window from whichever child was under the pointer (or had the focus);
// the widget at its point says which grid, if any, it was meant for.
void CEditorDlg::contextMenuEvent(QContextMenuEvent* event) {
    OnContextMenu(childAt(mapFromGlobal(event->globalPos())), event->globalPos());
}

int CEditorDlg::GridListOf(const QWidget* pWnd) const {
    for (int nList = 0; nList < kListCount; ++nList)
        if (pWnd != nullptr && (pWnd == m_grids[nList] || m_grids[nList]->isAncestorOf(pWnd)))
            return nList;
    return -1;
}

void CEditorDlg::OnContextMenu(QWidget* pWnd, const QPoint& point) {
    const int nList = GridListOf(pWnd);
    if (nList < 0)
        return;
    const CMSFlexGrid& grid = Grid(static_cast<BYTE>(nList));
    const long nMouseRow = grid.GetMouseRow(), nMouseCol = grid.GetMouseCol();
    if (nMouseRow < 1)
        return;
    const long nRow = grid.GetRow(), nRowSel = grid.GetRowSel();
    const long nCol = grid.GetCol(), nColSel = grid.GetColSel();
    const bool bMouseInRows = Between(nMouseRow, nRow, nRowSel);
    if (grid.IsRowSelection()) {
        if (!bMouseInRows || !Between(nMouseCol, 0, grid.GetCols()))
            return;
        m_nMarkFrom = int(nRow);
        m_nMarkTo = int(nRowSel);
        TrackGridPopup(kGridRowPopup, point);
        return;
    }
    // The CA column lies just before the flag columns, so it is never part of a flag selection.
    const long nFirstFlag = FirstFlagColumn(static_cast<BYTE>(nList));
    if (std::min({nMouseCol, nCol, nColSel}) >= nFirstFlag && bMouseInRows &&
        Between(nMouseCol, nCol, nColSel))
        TrackGridPopup(kGridFlagPopup, point);
}

// Paste, in the popup that has it, waits for a Cut. The items show the keys that do the same.
// The chosen command reaches the window as a menu command does.
void CEditorDlg::TrackGridPopup(std::size_t nPopup, const QPoint& point) {
    QMenu menu(this);
    LoadPopup(menu, kGridMenu[nPopup]);
    EnableMenuItem(menu, ID_EDIT_PASTE, m_bCutPending == 1);
    for (QAction* item : menu.actions())
        if (const QAction* key = GetMenuAction(item->data().toUInt()); key && !item->isSeparator())
            item->setShortcuts(key->shortcuts());
    if (const unsigned nId = m_prompt.TrackPopupMenu(menu, point))
        OnCommand(nId);
}

// Marks the shown rows of the last row selection; hidden rows are never cut.
void CEditorDlg::OnCut() {
    if (m_nMarkTo < m_nMarkFrom)
        std::swap(m_nMarkFrom, m_nMarkTo);
    const int nList = GetCurrentList();
    if (nList < 0 || m_pStore == nullptr)
        return;
    CMSFlexGrid& grid = Grid(static_cast<BYTE>(nList));
    int nCut = 0;
    for (long i = 0; i <= grid.GetRows() - 2; ++i) {
        const bool bCut = Between(i, m_nMarkFrom - 1, m_nMarkTo - 1) && grid.IsRowShown(i + 1);
        m_pStore->SetServiceMark(static_cast<WORD>(i), static_cast<BYTE>(nList), bCut ? 1 : 0);
        nCut += bCut ? 1 : 0;
    }
    grid.SetCol(1);
    grid.SetRow(m_nMarkTo);
    m_bCutPending = 1;
    ShowCutRows(static_cast<BYTE>(nList));
    ShowStatus(StatusText(EStatus::Cut, nCut));
}

void CEditorDlg::ShowCutRows(BYTE nList) {
    CMSFlexGrid& grid = Grid(nList);
    std::vector<bool> marked(static_cast<std::size_t>(grid.GetRows()));
    for (WORD i = 0; m_bCutPending == 1 && i < m_pStore->GetServiceCount(nList); ++i)
        marked[i + 1U] = m_pStore->GetServiceMark(i, nList) == 1;
    grid.SetMarkedRows(std::move(marked));
}

// One step, named by the number of marked rows it moves.
void CEditorDlg::OnPaste() {
    const int nList = GetCurrentList();
    if (nList < 0 || m_pStore == nullptr)
        return;
    int nMarked = 0;
    for (WORD i = 0; i < m_pStore->GetRowCount(static_cast<BYTE>(nList)); ++i)
        nMarked += m_pStore->GetServiceMark(i, static_cast<BYTE>(nList)) == 1 ? 1 : 0;
    const long nTarget = Grid(static_cast<BYTE>(nList)).GetRow();
    RunUndoable([this] { PasteMarkedRows(); },
                [nMarked] { return EditText(EEdit::PasteServices, nMarked); });
    ShowStatus(nMarked == 0 ? StatusText(EStatus::NoPaste)
                            : StatusText(EStatus::Pasted, nMarked, QString::number(nTarget)));
}

void CEditorDlg::PasteMarkedRows() {
    m_bCutPending = 0;
    if (const int nList = GetCurrentList(); nList >= 0) {
        CMSFlexGrid& grid = Grid(static_cast<BYTE>(nList));
        const long nRow = grid.GetRow();
        // On the header row there is no target; the store leaves the list as it is.
        if (nRow >= 1)
            m_pStore->MoveMarkedServices(static_cast<WORD>(nRow - 1), static_cast<BYTE>(nList));
        RefillGrid(static_cast<BYTE>(nList));
        grid.SetRow(nRow);
    }
}

// One step, named by the number of services it removes.
void CEditorDlg::OnDelete() {
    const int nList = GetCurrentList();
    const auto count = [this, nList] {
        return nList >= 0 && m_pStore != nullptr ? m_pStore->GetServiceCount(BYTE(nList)) : 0;
    };
    const int nBefore = count();
    RunUndoable([this] { DeleteSelectedRows(); },
                [&] { return EditText(EEdit::DeleteServices, nBefore - count()); });
    ShowStatus(StatusText(EStatus::Deleted, nBefore - count()));
}

// Deletes the rows of the last row selection at once, without asking. The current row stays
// where it was, or goes to the new last row; an emptied list leaves it on the header row, which
// the grid shows as no selection at all.
void CEditorDlg::DeleteSelectedRows() {
    OnCut();
    if (const int nList = GetCurrentList(); nList >= 0) {
        CMSFlexGrid& grid = Grid(static_cast<BYTE>(nList));
        const long nRow = grid.GetRow();
        m_pStore->DeleteMarkedServices(static_cast<BYTE>(nList));
        RefillGrid(static_cast<BYTE>(nList));
        grid.SetRow(nRow != 0 && nRow < grid.GetRows() ? nRow : grid.GetRows() - 1);
    }
    m_bCutPending = 0;
}

void CEditorDlg::OnEnableFlags() {
    SetFlagsInSelection(TRUE);
}

void CEditorDlg::OnDisableFlags() {
    SetFlagsInSelection(FALSE);
}

// Column by column over the selected rectangle. Only data rows and flag columns are written,
// so that a command arriving with the current cell on the header or on other columns (after a
// list was emptied, say) cannot overwrite headers or names.
void CEditorDlg::SetFlagsInSelection(BOOL bOn) {
    const int nList = GetCurrentList();
    if (nList < 0)
        return;
    const BYTE nKind = static_cast<BYTE>(nList);
    const CMSFlexGrid& grid = Grid(nKind);
    const long nFirstRow = std::max(1L, std::min(grid.GetRow(), grid.GetRowSel()));
    const long nLastRow = std::max(grid.GetRow(), grid.GetRowSel());
    const long nFirstCol =
        std::max(FirstFlagColumn(nKind), std::min(grid.GetCol(), grid.GetColSel()));
    const long nLastCol = std::max(grid.GetCol(), grid.GetColSel());
    QStringList columns;
    for (long nCol = nFirstCol; nCol <= nLastCol; ++nCol)
        columns << ColumnName(nKind, nCol);
    RunUndoable(
        [&] {
            for (long nCol = nFirstCol; nCol <= nLastCol; ++nCol)
                for (long nRow = nFirstRow; nRow <= nLastRow; ++nRow)
                    if (grid.IsRowShown(nRow))
                        SetFlagCell(nKind, nRow, nCol, bOn);
        },
        [&] {
            return EditText(bOn ? EEdit::EnableFlags : EEdit::DisableFlags,
                            columns.join(QStringLiteral(", ")));
        });
}
