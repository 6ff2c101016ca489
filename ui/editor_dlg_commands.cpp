// The buttons under the panel and the grids: Append, Update and Delete turn what the panel shows
// into changes of the store and keep the tree in step; on the grid tabs Append and Detail Info
// open the channel information dialog.
#include "editor_dlg.h"

#include "channel_info_dlg.h"
#include "control_text.h"
#include "edit_command.h"
#include "list_tabs.h"
#include "number_text.h"
#include "panel_options.h"
#include "prompt.h"
#include "resource.h"
#include "tree_labels.h"

#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kNumberChars = 5;
constexpr int kPositionChars = 16;
constexpr qsizetype kNetworkCellChars = 20; // what Detail Info writes of a network name

WORD ReadNumber(const QString& text, int maxChars = kNumberChars) {
    return static_cast<WORD>(ParseDecimal(text, maxChars));
}

bool IsChecked(const CEditorDlg& dlg, int nId) {
    return dlg.GetDlgItem<QRadioButton>(nId)->isChecked();
}

// The position of the first checked button of a row, -1 when none is checked.
int CheckedIndex(const CEditorDlg& dlg, const SOptionRow& row) {
    for (int i = 0; i < row.nCount; ++i) {
        if (IsChecked(dlg, row.pIds[i]))
            return i;
    }
    return -1;
}

int ListSelection(const CEditorDlg& dlg, int nComboId) {
    return SelectionOf(*dlg.GetDlgItem<QComboBox>(nComboId));
}

// The fields Append and Update both take from the panel: name, position, LNB and C-LNB.
void ReadSatelliteFields(const CEditorDlg& dlg, SSAT_INFO& rec) {
    SetName(rec.szName, dlg.m_strSatName.toLatin1().toStdString());
    rec.wPosition = ReadNumber(dlg.m_strSatPosition, kPositionChars);

    const SLnbValue lnb = EncodeLnb(kLnbEncoding, ListSelection(dlg, IDC_COMBO_LNB_FREQ),
                                    ReadNumber(dlg.m_strLnbFreq));
    rec.bLnbType = lnb.bValue;
    rec.wLnbFreq = lnb.wFrequency;
    const SLnbValue cLnb = EncodeLnb(kCLnbEncoding, ListSelection(dlg, IDC_COMBO_CLNB_FREQ),
                                     ReadNumber(dlg.m_strCLnbFreq));
    rec.bCLnb = cLnb.bValue;
    rec.wCLnbFreq = cLnb.wFrequency;
}

// The C/KU switch of the checked button, -1 when none is checked.
int CkuSwitchValue(const CEditorDlg& dlg) {
    const int checked = CheckedIndex(dlg, Row(kCkuRow));
    return checked == 2 ? kCkuToneBurstValue : checked;
}

// Offset 8 with the LNB power, 22 kHz, 12 V and ToneBurst bits from the panel; the bits the
// panel does not show are kept from `kept`.
BYTE SwitchBits(const CEditorDlg& dlg, BYTE kept) {
    constexpr BYTE kToneBurstMask = 3 << SW_TONEBURST_SHIFT;
    int bits = kept & ~(SW_LNB_POWER | SW_22KHZ | SW_12V | kToneBurstMask);
    bits |= IsChecked(dlg, IDC_RADIO_LNB_POWER_ON) ? SW_LNB_POWER : 0;
    bits |= IsChecked(dlg, IDC_RADIO_22KHZ_ON) ? SW_22KHZ : 0;
    bits |= IsChecked(dlg, IDC_RADIO_12V) ? SW_12V : 0;
    bits |= std::max(CheckedIndex(dlg, Row(kToneBurstRow)), 0) << SW_TONEBURST_SHIFT;
    return static_cast<BYTE>(bits);
}

// The FEC list's selection; none counts as Auto.
BYTE FecSelection(const CEditorDlg& dlg) {
    return static_cast<BYTE>(std::max(ListSelection(dlg, IDC_COMBO_FEC), 0));
}

void AddPlaceholder(QTreeWidgetItem* parent, QTreeWidget& tree, const char* label) {
    const QStringList text{QString::fromLatin1(label)};
    if (parent != nullptr)
        new QTreeWidgetItem(parent, text);
    else
        new QTreeWidgetItem(&tree, text);
}

} // namespace

void CEditorDlg::ConnectCommandButtons() {
    const struct {
        int nId;
        void (CEditorDlg::*pHandler)();
    } buttons[] = {{IDC_BUTTON_APPEND, &CEditorDlg::OnButtonAppend},
                   {IDC_BUTTON_UPDATE, &CEditorDlg::OnButtonUpdate},
                   {IDC_BUTTON_DELETE, &CEditorDlg::OnButtonDelete},
                   {IDC_BUTTON_DETAIL_INFO, &CEditorDlg::OnButtonDetailInfo}};
    for (const auto& button : buttons)
        connect(GetDlgItem<QPushButton>(button.nId), &QPushButton::clicked, this, button.pHandler);
}

// ---- Append -------------------------------------------------------------------------------------

// A button ends the editing of a number: it is read in its normal form.
void CEditorDlg::OnButtonAppend() {
    FormatNumberEdits();
    if (const int nList = GetCurrentList(); nList >= 0) {
        RunChannelInfo(static_cast<BYTE>(nList), 0);
        return;
    }
    QTreeWidgetItem* item = m_pTree->currentItem();
    if (item == nullptr)
        return;
    if (item->parent() == nullptr)
        RunUndoable([&] { AppendSatelliteItem(*item); },
                    [] { return EditText(EEdit::AppendSatellite); });
    else
        RunUndoable([&] { AppendTransponderItem(*item); },
                    [] { return EditText(EEdit::AppendTransponder); });
}

// The new satellite takes the place of the "New Satellite" item, which moves to the end.
void CEditorDlg::AppendSatelliteItem(QTreeWidgetItem& item) {
    SSAT_INFO rec{};
    ReadSatelliteFields(*this, rec);
    rec.bCkuSwitch = static_cast<BYTE>(std::max(CkuSwitchValue(*this), 0));
    rec.bSwitch = SwitchBits(*this, 0);
    rec.bDiseqc = static_cast<BYTE>(std::max(CheckedIndex(*this, Row(kDiseqcRow)), 0));
    // The count is read after the append: the comparison alone would leave the order open.
    const WORD nAppended = m_pStore->AppendSatellite(rec);
    if (nAppended != m_pStore->GetSatelliteCount()) {
        m_prompt.MessageBox(QStringLiteral(
            "[ERROR] Satellite is not appended. \n Check the satellite position.\n\n"));
        // The satellite already at that position, or the defaults after a refusal for room.
        FillSatellitePanel(rec.bIndex);
        return;
    }
    item.setText(0, SatelliteLabel(rec.bIndex - 1, rec));
    AddPlaceholder(&item, *m_pTree, kNewTransponderLabel);
    AddPlaceholder(nullptr, *m_pTree, kNewSatelliteLabel);
    EnableRecordButtons(false);
}

// An appended transponder takes the place of its satellite's "New Transponder" item; one that
// the store merged into a near one is shown in the panel instead.
void CEditorDlg::AppendTransponderItem(QTreeWidgetItem& item) {
    QTreeWidgetItem* parent = item.parent();
    const BYTE nSat = SatelliteIndexOf(*parent);
    if (nSat == 0)
        return;
    BYTE nTp = 0;
    const BYTE result = m_pStore->AppendTransponder(
        nSat, &nTp, ReadNumber(m_strFrequency), ReadNumber(m_strSymbolRate),
        IsChecked(IDC_RADIO_HORIZONTAL) ? 1 : 0, FecSelection(*this));
    if (result == TP_APPENDED) {
        if (const STP_INFO* tp = m_pStore->GetTransponder(nSat, nTp))
            item.setText(0, TransponderLabel(*tp));
        AddPlaceholder(parent, *m_pTree, kNewTransponderLabel);
        EnableRecordButtons(false);
    } else if (result == TP_MERGED) {
        FillTransponderPanel(nSat, nTp);
        EnableRecordButtons(false);
    }
}

// ---- Update -------------------------------------------------------------------------------------

void CEditorDlg::OnButtonUpdate() {
    FormatNumberEdits();
    QTreeWidgetItem* item = m_pTree->currentItem();
    if (item == nullptr)
        return;
    const EEdit edit =
        item->parent() == nullptr ? EEdit::UpdateSatellite : EEdit::UpdateTransponder;
    RunUndoable([&] { UpdateItem(*item); }, [edit] { return EditText(edit); });
}

void CEditorDlg::UpdateItem(QTreeWidgetItem& item) {
    ReadControls();
    const bool bUpdated =
        item.parent() == nullptr ? UpdateSatelliteItem(item) : UpdateTransponderItem(item);
    if (!bUpdated)
        return;
    ReadControls();
    RefillGrid(LIST_SAT_TV);
    RefillGrid(LIST_SAT_RADIO);
    EnableRecordButtons(false);
}

// No position check: two satellites may share a position after an update.
bool CEditorDlg::UpdateSatelliteItem(QTreeWidgetItem& item) {
    const BYTE nSat = SatelliteIndexOf(item);
    const SSAT_INFO* stored = m_pStore->GetSatellite(nSat);
    if (stored == nullptr)
        return false;
    SSAT_INFO rec = *stored;
    ReadSatelliteFields(*this, rec);
    // Rows with no button checked (a motor DiSEqC value) keep the stored value.
    if (const int cku = CkuSwitchValue(*this); cku >= 0)
        rec.bCkuSwitch = static_cast<BYTE>(cku);
    rec.bSwitch = SwitchBits(*this, rec.bSwitch);
    if (const int diseqc = CheckedIndex(*this, Row(kDiseqcRow)); diseqc >= 0)
        rec.bDiseqc = static_cast<BYTE>(diseqc);
    m_pStore->SetSatellite(nSat, rec);
    item.setText(0, SatelliteLabel(nSat - 1, rec));
    return true;
}

// The values are stored as entered: no merge with a near transponder, no lower limit.
bool CEditorDlg::UpdateTransponderItem(QTreeWidgetItem& item) {
    const BYTE nSat = SatelliteIndexOf(*item.parent());
    const BYTE nTp = static_cast<BYTE>(LabelNumber(item.text(0)));
    const STP_INFO* tp = m_pStore->GetTransponder(nSat, nTp);
    if (tp == nullptr)
        return false;
    STP_INFO values = *tp;
    values.frequency = ReadNumber(m_strFrequency);
    values.symbolrate = ReadNumber(m_strSymbolRate);
    values.attribute =
        static_cast<BYTE>((IsChecked(IDC_RADIO_HORIZONTAL) ? 1 : 0) | FecSelection(*this) << 4);
    m_pStore->SetTransponder(nSat, nTp, values);
    item.setText(0, TransponderLabel(values));
    return true;
}

// ---- Delete -------------------------------------------------------------------------------------

// The store renumbers what follows the deleted record, so the tree and grids are rebuilt.
void CEditorDlg::OnButtonDelete() {
    const QTreeWidgetItem* item = m_pTree->currentItem();
    if (item == nullptr)
        return;
    const EEdit edit =
        item->parent() == nullptr ? EEdit::DeleteSatellite : EEdit::DeleteTransponder;
    RunUndoable([&] { DeleteItem(*item); }, [edit] { return EditText(edit); });
}

void CEditorDlg::DeleteItem(const QTreeWidgetItem& item) {
    const bool bSatellite = item.parent() == nullptr;
    const int nNumber = LabelNumber(item.text(0));
    if (bSatellite) {
        if (nNumber == 0)
            return;
        m_pStore->DeleteSatellite(static_cast<BYTE>(nNumber + 1));
    } else {
        const int nSatNumber = LabelNumber(item.parent()->text(0));
        if (nSatNumber == 0 || nNumber == 0)
            return;
        m_pStore->DeleteTransponder(static_cast<BYTE>(nSatNumber + 1), static_cast<BYTE>(nNumber));
    }
    m_pTree->clear();
    Grid(LIST_SAT_TV).Clear();
    Grid(LIST_SAT_RADIO).Clear();
    ResetControls();
    FillSatellitePanel(0);
    FillTransponderPanel(0, 0);
    RefreshAllViews();
    EnableRecordButtons(bSatellite && m_pStore->GetSatelliteCount() == 0);
}

// ---- the channel information dialog -------------------------------------------------------------

void CEditorDlg::OnButtonDetailInfo() {
    const int nList = GetCurrentList();
    if (nList < 0 || m_pStore == nullptr)
        return;
    const CMSFlexGrid& grid = Grid(static_cast<BYTE>(nList));
    const long nRow = grid.GetRow();
    if (nRow < 1 || nRow > m_pStore->GetServiceCount(static_cast<BYTE>(nList)) ||
        !grid.IsRowShown(nRow))
        return;
    RunChannelInfo(static_cast<BYTE>(nList), nRow);
}

// Row 0 adds a new service to list nList, any other row changes that row's service; an OK that
// changed the store is one undo step.
void CEditorDlg::RunChannelInfo(BYTE nList, long nRow) {
    RunUndoable(
        [=, this] { ChannelInfo(nList, nRow); },
        [nRow] { return EditText(nRow == 0 ? EEdit::AppendService : EEdit::ChangeService); });
}

// The grid follows the store: refilled after an add (also when the store merged the new service
// into an equal one), or its network and name cells rewritten after a change.
void CEditorDlg::ChannelInfo(BYTE nList, long nRow) {
    CChannelInfoDlg dlg(m_prompt, this);
    dlg.SetupChannelInfo(TabOfList(nList), static_cast<int>(nRow), m_pStore.get(),
                         nRow == 0 ? 1 : 0);
    const int result = dlg.DoModal(m_prompt);
    if (nRow == 0) {
        if (dlg.StoreChanged())
            RefillGrid(nList);
        return;
    }
    if (result != QDialog::Accepted)
        return;
    CMSFlexGrid& grid = Grid(nList);
    // An empty network text left the service's network as it was, and so its cell.
    if (!dlg.m_strNetwork.isEmpty())
        grid.SetTextMatrix(nRow, NetworkColumn(nList), dlg.NetworkName().left(kNetworkCellChars));
    grid.SetTextMatrix(nRow, NameColumn(nList), dlg.m_strName);
}
