// The satellite / transponder tree: satellites as root items, their transponders as children,
// and a "New" placeholder at each level. A selected item is known by its label's number alone.
#include "editor_dlg.h"

#include "tree_labels.h"

#include <QTreeWidget>

namespace {

QTreeWidgetItem* AddItem(QTreeWidget& tree, QTreeWidgetItem* parent, const QString& label) {
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
    item->setText(0, label);
    return item;
}

} // namespace

void CEditorDlg::BuildTree() {
    for (int nSat = kFirstSatIndex; nSat <= m_pStore->GetSatelliteCount() + 1; ++nSat) {
        const SSAT_INFO* sat = m_pStore->GetSatellite(static_cast<BYTE>(nSat));
        if (sat == nullptr)
            continue;
        QTreeWidgetItem* satItem = AddItem(*m_pTree, nullptr, SatelliteLabel(nSat - 1, *sat));
        const WORD nCount = m_pStore->GetTransponderCountOf(static_cast<BYTE>(nSat));
        for (int nTp = 1; nTp <= nCount; ++nTp) {
            if (const STP_INFO* tp =
                    m_pStore->GetTransponder(static_cast<BYTE>(nSat), static_cast<BYTE>(nTp)))
                AddItem(*m_pTree, satItem, TransponderLabel(*tp));
        }
        AddItem(*m_pTree, satItem, QString::fromLatin1(kNewTransponderLabel));
    }
    AddItem(*m_pTree, nullptr, QString::fromLatin1(kNewSatelliteLabel));
}

// The satellite index of a root item: its number + 1, the placeholder's 0 staying 0.
BYTE CEditorDlg::SatelliteIndexOf(const QTreeWidgetItem& item) {
    const int nNumber = LabelNumber(item.text(0));
    return static_cast<BYTE>(nNumber == 0 ? 0 : nNumber + 1);
}

void CEditorDlg::OnSelchangedTree() {
    const QTreeWidgetItem* item = m_pTree->currentItem();
    if (item == nullptr)
        return;
    if (const QTreeWidgetItem* parent = item->parent()) {
        FillTransponderPanel(SatelliteIndexOf(*parent),
                             static_cast<BYTE>(LabelNumber(item->text(0))));
        ShowSatellitePanel(FALSE);
        ShowTransponderPanel(TRUE);
        return;
    }
    FillSatellitePanel(SatelliteIndexOf(*item));
    ShowSatellitePanel(TRUE);
    ShowTransponderPanel(FALSE);
}

void CEditorDlg::RefreshAllViews() {
    BuildTree();
    for (BYTE nList = 0; nList < kListCount; ++nList)
        FillGrid(nList);
}

void CEditorDlg::ClearAllViews() {
    m_pStore->ClearServices();
    m_pStore->ClearNetworks();
    m_pStore->ClearTransponders();
    m_pStore->ClearSatellites();
    m_pStore->ClearMuxes();
    m_pTree->clear();
    for (BYTE nList = 0; nList < kListCount; ++nList) {
        Grid(nList).Clear();
        Grid(nList).SetSortArrow(0, false);
    }
    ResetControls();
    FillSatellitePanel(0);
    FillTransponderPanel(0, 0);
    // The grids keep no rows of the old lists: a read that fails leaves them as empty as the
    // store, so no command can reach a row the store no longer has.
    for (BYTE nList = 0; nList < kListCount; ++nList)
        FillGrid(nList);
}
