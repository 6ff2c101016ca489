#include "service_list_page.h"

#include "channel_info_dlg.h"
#include "controls.h"
#include "document.h"
#include "edit_command.h"
#include "flexgrid.h"
#include "grid_columns.h"
#include "grid_menu.h"
#include "list_arrange.h"
#include "list_tabs.h"
#include "prompt.h"
#include "service_list_model.h"
#include "status_text.h"
#include "template_controls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// The grid of each list in the template.
constexpr int kGridIds[kListCount] = {IDC_GRID_SAT_TV, IDC_GRID_SAT_RADIO, IDC_GRID_TERR_TV,
                                      IDC_GRID_TERR_RADIO};

// The filter field and its count in the free space of the button row, left of Append (dialog
// units).
constexpr int kFilterX = 8, kFilterY = 305, kFilterCx = 150, kFilterCy = 14;
constexpr int kFilterCountX = 162, kFilterCountCx = 100;

// The largest number Move to Number offers; a number past the list's end moves to its end.
constexpr int kMaxMoveNumber = 9999;

bool Between(long n, long nEnd1, long nEnd2) {
    return n >= std::min(nEnd1, nEnd2) && n <= std::max(nEnd1, nEnd2);
}

std::array<int, 3> PageIds(BYTE nList) {
    return {kGridIds[nList], IDC_BUTTON_APPEND, IDC_BUTTON_DETAIL_INFO};
}

QRect FilterRect(const QFont& font) {
    return CDialogUnits(font).MapRect(kFilterX, kFilterY, kFilterCx, kFilterCy);
}

QRect FilterCountRect(const QFont& font) {
    return CDialogUnits(font).MapRect(kFilterCountX, kFilterY, kFilterCountCx, kFilterCy);
}

void LoadPopup(QMenu& menu, const SMenuPopup& popup) {
    menu.setTitle(QString::fromLatin1(popup.pszTitle)); // "1", "2": no words
    for (std::size_t i = 0; i < popup.nItems; ++i) {
        const SMenuItem& item = popup.pItems[i];
        if (item.nId == 0)
            menu.addSeparator();
        else
            menu.addAction(QCoreApplication::translate("GridMenu", item.pszText))
                ->setData(item.nId);
    }
}

} // namespace

CServiceListPage::CServiceListPage(CDocument& document, CPrompt& prompt, BYTE nList,
                                   QWidget* parent)
    : QWidget(parent), m_document(document), m_prompt(prompt), m_nList(nList),
      m_pModel(new CServiceListModel(document, nList, this)) {
    CreateControls();
    CreateKeys();
    connect(&document, &CDocument::Changed, this, &CServiceListPage::EnableButtons);
    connect(&document, &CDocument::StateChanged, this, &CServiceListPage::EnableButtons);
    EnableButtons();
}

CServiceListPage::~CServiceListPage() = default;

void CServiceListPage::CreateControls() {
    const QFont& font = parentWidget()->font();
    const std::array<int, 3> ids = PageIds(m_nList);
    const QRect filter = FilterRect(font), count = FilterCountRect(font);
    const QRect bounds = CTemplateControls::Bounds(font, ids) | filter | count;
    setGeometry(bounds);
    m_pControls = std::make_unique<CTemplateControls>(*this, font, bounds.topLeft());
    m_pControls->CreateAll(ids);

    m_pGrid = m_pControls->Find<CMSFlexGrid>(kGridIds[m_nList]);
    m_pGrid->SetGridModel(m_pModel);
    const std::span<const SGridColumn> columns = ColumnsOf(m_nList);
    for (std::size_t c = 0; c < columns.size(); ++c)
        m_pGrid->SetColWidth(long(c), columns[c].nWidth);
    connect(m_pGrid, &CMSFlexGrid::DblClick, this, &CServiceListPage::OnDblClick);
    connect(m_pGrid, &CMSFlexGrid::RowsDropped, this, &CServiceListPage::OnRowsDropped);
    // A grid with rows has a current row: the first, when a refill left none.
    connect(m_pModel, &QAbstractItemModel::modelReset, this, [this] {
        if (m_pGrid->GetRow() < 1 && m_pGrid->ShownRowCount() > 0)
            m_pGrid->SetSelection(m_pGrid->FirstShownRow(), 1, m_pGrid->FirstShownRow(), 1);
        ShowFilterCount();
    });
    connect(m_pModel, &QAbstractItemModel::dataChanged, this, &CServiceListPage::ShowFilterCount);

    m_pFilter = new QLineEdit(this);
    m_pFilter->setObjectName(QStringLiteral("filter"));
    m_pFilter->setPlaceholderText(tr("Filter"));
    m_pFilter->setClearButtonEnabled(true);
    m_pFilter->setGeometry(filter.translated(-bounds.topLeft()));
    m_pFilter->installEventFilter(this);
    connect(m_pFilter, &QLineEdit::textChanged, this, &CServiceListPage::OnFilterEdited);
    m_pFilterCount = new QLabel(this);
    m_pFilterCount->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pFilterCount->setGeometry(count.translated(-bounds.topLeft()));
    ShowFilterCount();

    connect(Control<QPushButton>(IDC_BUTTON_APPEND), &QPushButton::clicked, this,
            &CServiceListPage::Append);
    connect(Control<QPushButton>(IDC_BUTTON_DETAIL_INFO), &QPushButton::clicked, this,
            &CServiceListPage::DetailInfo);
}

QWidget* CServiceListPage::Control(int nId) const {
    return m_pControls->Find(nId);
}

// The page stretches with the grid; the filter and its count stay left in the button row and
// go down with it.
void CServiceListPage::Resize(int dx, int dy) {
    setGeometry(geometry().adjusted(0, 0, dx, dy));
    m_pControls->Resize(dx, dy);
    for (QWidget* control :
         {static_cast<QWidget*>(m_pFilter), static_cast<QWidget*>(m_pFilterCount)})
        control->move(control->pos() + QPoint(0, dy));
}

// ---- keys ---------------------------------------------------------------------------------------

// The grid's own keys, held by the grid so that they answer while it has the focus. Esc clears
// the tab's filter from its field and from its grid.
void CServiceListPage::CreateKeys() {
    const struct {
        const char* pszText;
        const char* pszKey;
        void (CServiceListPage::*pHandler)();
    } keys[] = {
        {QT_TR_NOOP("Toggle Flag"), "Space", &CServiceListPage::ToggleFlagKey},
        {QT_TR_NOOP("Detail Info"), "Return", &CServiceListPage::DetailInfo},
    };
    for (const auto& key : keys) {
        auto* action = new QAction(tr(key.pszText), this);
        action->setShortcut(QKeySequence(QString::fromLatin1(key.pszKey)));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, key.pHandler);
        m_pGrid->addAction(action);
    }
    auto* clear = new QAction(tr("Clear Filter"), this);
    clear->setShortcut(QKeySequence(Qt::Key_Escape));
    clear->setShortcutContext(Qt::WidgetShortcut);
    connect(clear, &QAction::triggered, m_pFilter, &QLineEdit::clear);
    m_pFilter->addAction(clear);
    m_pGrid->addAction(clear);
}

void CServiceListPage::AddGridKeys(const QList<QAction*>& actions) {
    m_gridKeys = actions;
    m_pGrid->addActions(actions);
}

CServiceListPage::SCommandStates CServiceListPage::CommandStates() const {
    SCommandStates states;
    states.bRows = !SelectedShownRows().empty();
    states.bPaste = CanPaste();
    states.bAnyRow = m_pGrid->ShownRowCount() > 0;
    states.bFlags = states.bRows &&
                    std::max(m_pGrid->GetCol(), m_pGrid->GetColSel()) >= FirstFlagColumn(m_nList);
    return states;
}

QAction* CServiceListPage::KeyAction(unsigned nMenuId) const {
    for (QAction* action : m_gridKeys)
        if (action->data().toUInt() == nMenuId)
            return action;
    return nullptr;
}

// ---- filter -------------------------------------------------------------------------------------

void CServiceListPage::OnFilterEdited(const QString& text) {
    m_pModel->SetFilter(text);
    // The current row and the selection stay on rows the user can see.
    const long nFirst = m_pGrid->FirstShownRow();
    if (nFirst > 0 &&
        !(m_pGrid->IsRowShown(m_pGrid->GetRow()) && m_pGrid->IsRowShown(m_pGrid->GetRowSel())))
        m_pGrid->SetSelection(nFirst, 1, nFirst, 1);
}

void CServiceListPage::ShowFilterCount() {
    m_pFilterCount->setText(StatusText(EStatus::Shown, QString::number(m_pGrid->ShownRowCount()),
                                       QString::number(m_pGrid->GetRows() - 1)));
}

void CServiceListPage::FocusFilter() {
    m_pFilter->setFocus(Qt::ShortcutFocusReason);
    m_pFilter->selectAll();
}

// Tab or Down in the filter field goes on into the grid, on its first row shown. A right-click
// over the grid opens its popup.
bool CServiceListPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pFilter && event->type() == QEvent::KeyPress) {
        const int nKey = static_cast<QKeyEvent*>(event)->key();
        if (nKey == Qt::Key_Tab || nKey == Qt::Key_Down) {
            m_pGrid->setFocus(Qt::TabFocusReason);
            if (const long nFirst = m_pGrid->FirstShownRow(); nFirst > 0)
                m_pGrid->SetSelection(nFirst, 1, nFirst, 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- buttons ------------------------------------------------------------------------------------

// Detail Info needs a service in the list. The first service of a list is added with Append
// too, so Append needs a database, not a service.
void CServiceListPage::EnableButtons() {
    const bool bHasServices = m_document.Store().GetServiceCount(m_nList) > 0;
    Control(IDC_BUTTON_APPEND)->setEnabled(bHasServices || m_document.HasData());
    Control(IDC_BUTTON_DETAIL_INFO)->setEnabled(bHasServices);
}

void CServiceListPage::Append() {
    RunChannelInfo(0);
}

void CServiceListPage::DetailInfo() {
    const long nRow = m_pGrid->GetRow();
    if (nRow < 1 || nRow > m_document.Store().GetServiceCount(m_nList) ||
        !m_pGrid->IsRowShown(nRow))
        return;
    RunChannelInfo(nRow);
}

// Row 0 adds a new service to the list, any other row changes that row's service; what the
// dialog changed, the network names its network editor changed included, is one undo step.
void CServiceListPage::RunChannelInfo(long nRow) {
    bool bServiceChanged = false;
    m_document.Edit(
        [&](CChannelStore& store) {
            CChannelInfoDlg dlg(m_document.Names(), m_prompt, this);
            connect(&dlg, &CChannelInfoDlg::Status, this, &CServiceListPage::Status);
            dlg.SetupChannelInfo(TabOfList(m_nList), static_cast<int>(nRow), &store,
                                 nRow == 0 ? 1 : 0);
            dlg.DoModal(m_prompt);
            bServiceChanged = dlg.StoreChanged();
        },
        [&] {
            if (!bServiceChanged)
                return EditText(EEdit::ChangeNetworks);
            return EditText(nRow == 0 ? EEdit::AppendService : EEdit::ChangeService);
        });
}

// ---- double-click -------------------------------------------------------------------------------

// On the header a sort, on a Lock or favourite cell its flag, on a name the channel dialog.
void CServiceListPage::OnDblClick() {
    const long nCol = m_pGrid->GetMouseCol(), nRow = m_pGrid->GetMouseRow();
    if (nCol < 0 || nCol >= m_pGrid->GetCols())
        return;
    if (nRow == 0)
        SortOn(nCol);
    else if (nRow >= 1 && nCol >= FirstFlagColumn(m_nList))
        ToggleFlag(nRow, nCol, {nRow});
    else if (nRow >= 1 && nCol == NameColumn(m_nList))
        RunChannelInfo(nRow);
}

// A header double-click sorts on that column: ascending the first time, then each further
// double-click on the same column turns the direction round. A column without a sort key does
// nothing and leaves the sort state alone.
void CServiceListPage::SortOn(long nCol) {
    if (ColumnsOf(m_nList)[static_cast<std::size_t>(nCol)].key == ESortKey::None)
        return;
    const bool bDescending = m_pModel->SortColumn() == nCol ? !m_pModel->IsSortDescending() : false;
    m_document.Edit(
        [&](CChannelStore& store) {
            SortByColumn(store, m_nList, nCol, bDescending);
            m_pModel->SetSortState(nCol, bDescending);
        },
        [&] { return EditText(EEdit::Sort, ColumnName(m_nList, nCol)); });
}

void CServiceListPage::Leave() {
    m_pModel->ForgetSort();
    m_nMarkFrom = m_nMarkTo = 0;
}

// The store, not the cell, decides which way the flag goes.
void CServiceListPage::ToggleFlag(long nRow, long nCol, const std::vector<long>& rows) {
    const SSVC_INFO* service = m_document.Store().GetService(WORD(nRow - 1), m_nList);
    const WORD wFlag = ColumnFlag(m_nList, nCol);
    if (service == nullptr || wFlag == 0)
        return;
    const bool bOn = (service->wFlags & wFlag) == 0;
    m_document.Edit(
        [&](CChannelStore& store) {
            for (long nFlagRow : rows)
                store.SetServiceFlag(WORD(nFlagRow - 1), m_nList,
                                     WORD(nCol - FirstFlagColumn(m_nList)), bOn ? 1 : 0);
        },
        [&] {
            return EditText(bOn ? EEdit::SetFlag : EEdit::ClearFlag, ColumnName(m_nList, nCol));
        });
}

// The flag of the current cell's column on every selected row shown, as Enable and Disable set
// it; the current cell decides the way, as a double-click on it does. The current cell is the end
// of the selection the user moved last (RowSel, ColSel): after Ctrl+A or a pick of whole rows, the
// last column's.
void CServiceListPage::ToggleFlagKey() {
    const long nRow = m_pGrid->GetRowSel(), nCol = m_pGrid->GetColSel();
    if (nRow < 1 || !m_pGrid->IsRowShown(nRow) || nCol < FirstFlagColumn(m_nList))
        return;
    std::vector<long> rows;
    for (WORD wRow : SelectedShownRows())
        rows.push_back(wRow + 1L);
    ToggleFlag(nRow, nCol, rows);
}

// ---- popup menus --------------------------------------------------------------------------------

void CServiceListPage::contextMenuEvent(QContextMenuEvent* event) {
    QWidget* target = childAt(event->pos());
    if (target != nullptr && (target == m_pGrid || m_pGrid->isAncestorOf(target)))
        OnContextMenu(event->globalPos());
}

// Over selected whole rows the row menu, over a rectangle of flag cells the flag menu.
void CServiceListPage::OnContextMenu(const QPoint& globalPos) {
    const long nMouseRow = m_pGrid->GetMouseRow(), nMouseCol = m_pGrid->GetMouseCol();
    if (nMouseRow < 1)
        return;
    const long nRow = m_pGrid->GetRow(), nRowSel = m_pGrid->GetRowSel();
    const long nCol = m_pGrid->GetCol(), nColSel = m_pGrid->GetColSel();
    const bool bMouseInRows = Between(nMouseRow, nRow, nRowSel);
    if (m_pGrid->IsRowSelection()) {
        if (!bMouseInRows || !Between(nMouseCol, 0, m_pGrid->GetCols()))
            return;
        m_nMarkFrom = nRow;
        m_nMarkTo = nRowSel;
        TrackPopup(kGridRowPopup, globalPos);
        return;
    }
    // The CA column lies just before the flag columns, so it is never part of a flag selection.
    const long nFirstFlag = FirstFlagColumn(m_nList);
    if (std::min({nMouseCol, nCol, nColSel}) >= nFirstFlag && bMouseInRows &&
        Between(nMouseCol, nCol, nColSel))
        TrackPopup(kGridFlagPopup, globalPos);
}

// Paste, in the popup that has it, waits for a Cut. The items show the keys that do the same.
void CServiceListPage::TrackPopup(std::size_t nPopup, const QPoint& globalPos) {
    QMenu menu(this);
    LoadPopup(menu, kGridMenu[nPopup]);
    for (QAction* item : menu.actions()) {
        if (item->isSeparator())
            continue;
        item->setEnabled(item->data().toUInt() != ID_EDIT_PASTE || CanPaste());
        if (const QAction* key = KeyAction(item->data().toUInt()))
            item->setShortcuts(key->shortcuts());
    }
    if (const unsigned nId = m_prompt.TrackPopupMenu(menu, globalPos))
        OnCommand(nId);
}

void CServiceListPage::OnCommand(unsigned nId) {
    switch (nId) {
    case ID_EDIT_CUT:
        Cut();
        break;
    case ID_EDIT_PASTE:
        Paste();
        break;
    case ID_EDIT_DELETE:
        Delete();
        break;
    case ID_EDIT_MOVE_TO_NUMBER:
        MoveToNumber();
        break;
    case ID_FLAGS_ENABLE:
    case ID_FLAGS_DISABLE:
        SetFlags(nId == ID_FLAGS_ENABLE);
        break;
    default:
        break;
    }
}

// ---- cut, paste, delete -------------------------------------------------------------------------

// The rows of the selection are the rows the keys cut or delete, as the rows a popup menu opened
// on are for its commands. Without a shown row selected they do nothing.
void CServiceListPage::CutSelection() {
    if (SelectedShownRows().empty())
        return;
    m_nMarkFrom = m_pGrid->GetRow();
    m_nMarkTo = m_pGrid->GetRowSel();
    Cut();
}

void CServiceListPage::DeleteSelection() {
    if (SelectedShownRows().empty())
        return;
    m_nMarkFrom = m_pGrid->GetRow();
    m_nMarkTo = m_pGrid->GetRowSel();
    Delete();
}

// The shown rows of the last row selection; hidden rows are never cut. The current cell goes to
// the block's last row.
std::vector<bool> CServiceListPage::RowsToMark() {
    if (m_nMarkTo < m_nMarkFrom)
        std::swap(m_nMarkFrom, m_nMarkTo);
    std::vector<bool> marked(m_document.Store().GetRowCount(m_nList));
    for (long i = 0; i < long(marked.size()); ++i)
        marked[i] = Between(i, m_nMarkFrom - 1, m_nMarkTo - 1) && m_pGrid->IsRowShown(i + 1);
    m_pGrid->SetCol(1);
    m_pGrid->SetRow(m_nMarkTo);
    return marked;
}

void CServiceListPage::Cut() {
    const std::vector<bool> marked = RowsToMark();
    m_document.MarkForCut(m_nList, marked);
    emit Status(StatusText(EStatus::Cut, int(std::count(marked.begin(), marked.end(), true))));
}

bool CServiceListPage::CanPaste() const {
    return m_document.IsCutPending();
}

// One step, named by the number of marked rows it moves in front of the current row.
void CServiceListPage::Paste() {
    if (!CanPaste())
        return;
    const CChannelStore& store = m_document.Store();
    int nMarked = 0;
    for (WORD i = 0; i < store.GetRowCount(m_nList); ++i)
        nMarked += store.GetServiceMark(i, m_nList) == 1 ? 1 : 0;
    const long nTarget = m_pGrid->GetRow();
    m_document.Edit(
        [&](CChannelStore& edited) {
            m_document.EndCut();
            // On the header row there is no target; the store leaves the list as it is.
            if (nTarget >= 1)
                edited.MoveMarkedServices(WORD(nTarget - 1), m_nList);
        },
        [nMarked] { return EditText(EEdit::PasteServices, nMarked); },
        [&] { m_pGrid->SetRow(nTarget); });
    emit Status(nMarked == 0 ? StatusText(EStatus::NoPaste)
                             : StatusText(EStatus::Pasted, nMarked, QString::number(nTarget)));
}

// Deletes the rows of the last row selection at once, without asking. The current row stays
// where it was, or goes to the new last row; an emptied list leaves it on the header row, which
// the grid shows as no selection at all.
void CServiceListPage::Delete() {
    const int nBefore = m_document.Store().GetServiceCount(m_nList);
    long nRow = 0;
    m_document.Edit(
        [&](CChannelStore& store) {
            const std::vector<bool> marked = RowsToMark();
            nRow = m_pGrid->GetRow();
            for (WORD i = 0; i < marked.size(); ++i)
                store.SetServiceMark(i, m_nList, marked[i] ? 1 : 0);
            store.DeleteMarkedServices(m_nList);
            m_document.EndCut();
        },
        [&] {
            return EditText(EEdit::DeleteServices,
                            nBefore - m_document.Store().GetServiceCount(m_nList));
        },
        [&] {
            const long nRows = m_pGrid->GetRows();
            m_pGrid->SetRow(nRow != 0 && nRow < nRows ? nRow : nRows - 1);
        });
    emit Status(
        StatusText(EStatus::Deleted, nBefore - m_document.Store().GetServiceCount(m_nList)));
}

// ---- flags over a selection ---------------------------------------------------------------------

// Column by column over the selected rectangle. Only data rows and flag columns are written, so
// that a command arriving with the current cell on the header or on other columns cannot touch
// other fields.
void CServiceListPage::SetFlags(bool bOn) {
    const long nFirstRow = std::max(1L, std::min(m_pGrid->GetRow(), m_pGrid->GetRowSel()));
    const long nLastRow = std::max(m_pGrid->GetRow(), m_pGrid->GetRowSel());
    const long nFirstCol =
        std::max(FirstFlagColumn(m_nList), std::min(m_pGrid->GetCol(), m_pGrid->GetColSel()));
    const long nLastCol = std::max(m_pGrid->GetCol(), m_pGrid->GetColSel());
    QStringList columns;
    for (long nCol = nFirstCol; nCol <= nLastCol; ++nCol)
        columns << ColumnName(m_nList, nCol);
    m_document.Edit(
        [&](CChannelStore& store) {
            for (long nCol = nFirstCol; nCol <= nLastCol; ++nCol)
                for (long nRow = nFirstRow; nRow <= nLastRow; ++nRow)
                    if (m_pGrid->IsRowShown(nRow))
                        store.SetServiceFlag(WORD(nRow - 1), m_nList,
                                             WORD(nCol - FirstFlagColumn(m_nList)), bOn ? 1 : 0);
        },
        [&] {
            return EditText(bOn ? EEdit::EnableFlags : EEdit::DisableFlags,
                            columns.join(QStringLiteral(", ")));
        });
}

// ---- moving rows --------------------------------------------------------------------------------

void CServiceListPage::SelectAll() {
    if (m_pGrid->ShownRowCount() > 0)
        m_pGrid->SetSelection(m_pGrid->FirstShownRow(), 1, m_pGrid->LastShownRow(),
                              m_pGrid->GetCols() - 1);
}

std::vector<WORD> CServiceListPage::SelectedShownRows() const {
    std::vector<WORD> rows;
    const long nFirst = std::max(1L, std::min(m_pGrid->GetRow(), m_pGrid->GetRowSel()));
    const long nLast =
        std::min(m_pGrid->GetRows() - 1, std::max(m_pGrid->GetRow(), m_pGrid->GetRowSel()));
    for (long nRow = nFirst; nRow <= nLast; ++nRow)
        if (m_pGrid->IsRowShown(nRow))
            rows.push_back(static_cast<WORD>(nRow - 1));
    return rows;
}

// The moved rows stay selected as whole rows where they went; a list whose order did not change
// is no undo step.
void CServiceListPage::MoveRows(const std::vector<WORD>& rows, std::size_t nFirst) {
    const std::size_t nRows = m_document.Store().GetServiceCount(m_nList);
    if (rows.empty() || rows.size() > nRows)
        return;
    const long nTop = long(std::min(nFirst, nRows - rows.size())) + 1;
    m_document.Edit(
        [&](CChannelStore& store) {
            store.ReorderList(m_nList, MoveRowsOrder(nRows, rows, nFirst));
        },
        [&] { return EditText(EEdit::MoveServices, int(rows.size())); },
        [&] {
            m_pGrid->SetSelection(nTop, 1, nTop + long(rows.size()) - 1, m_pGrid->GetCols() - 1);
        });
    emit Status(StatusText(EStatus::Moved, int(rows.size()), QString::number(nTop)));
}

void CServiceListPage::MoveToNumber() {
    const std::vector<WORD> rows = SelectedShownRows();
    if (rows.empty())
        return;
    const std::optional<int> nNumber =
        m_prompt.GetInteger(tr("Move to Number"), tr("Number of the first selected service:"),
                            rows.front() + 1, 1, kMaxMoveNumber);
    if (nNumber)
        MoveRows(rows, std::size_t(*nNumber - 1));
}

// As Cut and Paste in front of the drop row: the block lands before the first row left there.
void CServiceListPage::OnRowsDropped(long nBeforeRow) {
    const std::vector<WORD> rows = SelectedShownRows();
    const auto nAbove = std::count_if(rows.begin(), rows.end(),
                                      [nBeforeRow](WORD row) { return row < nBeforeRow - 1; });
    MoveRows(rows, std::size_t(nBeforeRow - 1 - nAbove));
}

// ---- views of an undo step ----------------------------------------------------------------------

void CServiceListPage::CaptureView(SViewState& view) const {
    view.nRow = m_pGrid->GetRow();
    view.nCol = m_pGrid->GetCol();
    view.nRowSel = m_pGrid->GetRowSel();
    view.nColSel = m_pGrid->GetColSel();
    view.nSortColumn = static_cast<BYTE>(m_pModel->SortColumn());
    view.bSortDescending = m_pModel->IsSortDescending() ? 1 : 0;
}

void CServiceListPage::ShowView(const SViewState& view) {
    m_pGrid->SetSelection(view.nRow, view.nCol, view.nRowSel, view.nColSel);
    m_pModel->SetSortState(view.nSortColumn, view.bSortDescending != 0);
}
