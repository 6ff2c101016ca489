// Undo and redo: every user action that changes the store runs through RunUndoable and becomes
// one step of the window's undo stack; the stack's clean state is the saved file, and unsaved
// changes are never dropped without asking.
#include "editor_dlg.h"

#include "edit_command.h"
#include "prompt.h"
#include "resource.h"
#include "status_text.h"

#include <QAction>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QUndoStack>

// The Edit menu names the step that Undo or Redo would take, and is grey without one.
void CEditorDlg::ConnectEditMenu() {
    const auto naming = [](QAction* action) {
        return [action, verb = action->text()](const QString& step) {
            action->setText(step.isEmpty() ? verb : verb + u' ' + step);
        };
    };
    QAction* undo = m_actions.at(ID_EDIT_UNDO);
    QAction* redo = m_actions.at(ID_EDIT_REDO);
    connect(m_pUndoStack, &QUndoStack::undoTextChanged, undo, naming(undo));
    connect(m_pUndoStack, &QUndoStack::redoTextChanged, redo, naming(redo));
    connect(m_pUndoStack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(m_pUndoStack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    undo->setEnabled(false);
    redo->setEnabled(false);
}

void CEditorDlg::OnEditUndo() {
    const QString step = m_pUndoStack->undoText();
    m_pUndoStack->undo();
    ShowStatus(StatusText(EStatus::Undone, step));
}

void CEditorDlg::OnEditRedo() {
    const QString step = m_pUndoStack->redoText();
    m_pUndoStack->redo();
    ShowStatus(StatusText(EStatus::Redone, step));
}

void CEditorDlg::RunUndoable(const std::function<void()>& action,
                             const std::function<QString()>& text) {
    if (m_pStore == nullptr) {
        action();
        return;
    }
    CEditCommand::SState before{m_pStore->TakeSnapshot(), CurrentView()};
    action();
    CEditCommand::SState after{m_pStore->TakeSnapshot(), CurrentView()};
    // Marks alone are no edit (Cut sets them without one, the file does not keep them), but an
    // edit puts back the marks it cleared: an undone Paste can be pasted again.
    if (DifferingParts(before.store, after.store, false) == 0)
        return;
    const unsigned nChanged = DifferingParts(before.store, after.store);
    before.store.KeepLists(nChanged);
    after.store.KeepLists(nChanged);
    const QString step = text();
    m_pUndoStack->push(
        new CEditCommand(*this, step, nChanged, std::move(before), std::move(after)));
    // Actions with a result of their own to tell show it after this.
    ShowStatus(step);
}

CEditorDlg::SViewState CEditorDlg::CurrentView() const {
    SViewState view;
    view.nTab = m_pTab->currentIndex();
    if (const int nList = GetCurrentList(); nList >= 0) {
        const CMSFlexGrid& grid = Grid(static_cast<BYTE>(nList));
        view.nRow = grid.GetRow();
        view.nCol = grid.GetCol();
        view.nRowSel = grid.GetRowSel();
        view.nColSel = grid.GetColSel();
        view.nSortColumn = m_gridSort[nList].nColumn;
        view.bSortDescending = m_gridSort[nList].bDescending;
    }
    if (QTreeWidgetItem* item = m_pTree->currentItem()) {
        QTreeWidgetItem* parent = item->parent();
        view.nTreeRoot = m_pTree->indexOfTopLevelItem(parent != nullptr ? parent : item);
        view.nTreeChild = parent != nullptr ? parent->indexOfChild(item) : -1;
    }
    view.bCutPending = m_bCutPending;
    view.bHasData = m_bHasData;
    return view;
}

void CEditorDlg::RestoreEdit(const SStoreSnapshot& state, unsigned nChanged,
                             const SViewState& view) {
    m_pStore->RestoreSnapshot(state);
    EnableDataMenus(view.bHasData);
    RefreshChangedViews(nChanged);
    ShowView(view);
}

// The views follow the store: the tree when satellites or transponders changed, a grid when
// anything it shows did.
void CEditorDlg::RefreshChangedViews(unsigned nChanged) {
    if (nChanged & PART_SATELLITES) {
        m_pTree->clear();
        FillSatellitePanel(0);
        FillTransponderPanel(0, 0);
        // Without a database the tree has no items at all.
        if (m_bHasData)
            BuildTree();
    }
    for (BYTE nList = 0; nList < kListCount; ++nList)
        if (nChanged & PartsShownBy(nList))
            RefillGrid(nList);
}

// The tab of the edit, and on it the grid's selection and sort direction, or the tree's item
// where it still exists.
void CEditorDlg::ShowView(const SViewState& view) {
    m_bCutPending = view.bCutPending;
    m_pTab->setCurrentIndex(view.nTab);
    ShowTabView(view.nTab);
    if (const int nList = GetCurrentList(); nList >= 0) {
        Grid(static_cast<BYTE>(nList))
            .SetSelection(view.nRow, view.nCol, view.nRowSel, view.nColSel);
        m_gridSort[nList] = {view.nSortColumn, view.bSortDescending};
        Grid(static_cast<BYTE>(nList)).SetSortArrow(view.nSortColumn, view.bSortDescending != 0);
        return;
    }
    QTreeWidgetItem* item = view.nTreeRoot >= 0 ? m_pTree->topLevelItem(view.nTreeRoot) : nullptr;
    if (item != nullptr && view.nTreeChild >= 0)
        item = item->child(view.nTreeChild);
    if (item == nullptr)
        return;
    {
        const QSignalBlocker quiet(m_pTree);
        m_pTree->setCurrentItem(item);
    }
    // Also when the item was current already: the panel shows the record as it is now.
    OnSelchangedTree();
}

bool CEditorDlg::AskToSaveChanges() {
    if (m_pStore == nullptr || m_pUndoStack->isClean())
        return true;
    switch (m_prompt.MessageBox(QStringLiteral("Save changes to %1?").arg(DocumentName()),
                                QString(), MB_SAVEDISCARDCANCEL | MB_ICONWARNING)) {
    case IDSAVE:
        return SaveFile(false);
    case IDDISCARD:
        return true;
    default:
        return false;
    }
}
