#include "satellite_page.h"

#include "document.h"
#include "edit_command.h"
#include "main_dialog.h"
#include "mux_bar.h"
#include "prompt.h"
#include "satellite_panel.h"
#include "template_controls.h"

#include <QPushButton>
#include <QSignalBlocker>

#include <set>

namespace {

// Everything of the template but the tab control and the grid tabs' own controls.
std::vector<int> PageIds() {
    std::vector<int> ids;
    for (const SDlgItem& item : main_dialog::kItems)
        if (item.kind != EDlgItemKind::Tab && item.kind != EDlgItemKind::Grid &&
            item.nId != IDC_BUTTON_DETAIL_INFO)
            ids.push_back(item.nId);
    return ids;
}

} // namespace

CSatellitePage::CSatellitePage(CDocument& document, CPrompt& prompt, QWidget* parent)
    : QWidget(parent), m_document(document), m_prompt(prompt) {
    CreateControls();
    connect(&document, &CDocument::Changed, this, &CSatellitePage::OnChanged);
    connect(&document, &CDocument::NamesChanged, this, &CSatellitePage::OnNamesChanged);
    connect(m_pPanel, &CSatellitePanel::Status, this, &CSatellitePage::Status);
    connect(m_pTree, &QTreeWidget::currentItemChanged, this, &CSatellitePage::ShowSelection);
}

CSatellitePage::~CSatellitePage() = default;

void CSatellitePage::CreateControls() {
    const QFont& font = parentWidget()->font();
    const std::vector<int> ids = PageIds();
    const QRect bounds = CTemplateControls::Bounds(font, ids);
    setGeometry(bounds);
    m_pControls = std::make_unique<CTemplateControls>(*this, font, bounds.topLeft());
    m_pControls->CreateAll(ids);
    for (int nId : main_dialog::kAlwaysHiddenIds)
        Control(nId)->hide();
    m_pTree = m_pControls->Find<QTreeWidget>(IDC_TREE);
    m_pPanel = new CSatellitePanel(*m_pControls, m_document.Names(), this);
    m_pMuxes = new CMuxBar(m_document, m_prompt, *this, bounds.topLeft());
    const struct {
        int nId;
        void (CSatellitePage::*pHandler)();
    } buttons[] = {{IDC_BUTTON_APPEND, &CSatellitePage::Append},
                   {IDC_BUTTON_UPDATE, &CSatellitePage::Update},
                   {IDC_BUTTON_DELETE, &CSatellitePage::Delete}};
    for (const auto& button : buttons)
        connect(m_pControls->Find<QPushButton>(button.nId), &QPushButton::clicked, this,
                button.pHandler);
}

QWidget* CSatellitePage::Control(int nId) const {
    return m_pControls->Find(nId);
}

void CSatellitePage::Resize(int dx, int dy) {
    setGeometry(geometry().adjusted(0, 0, dx, dy));
    m_pControls->Resize(dx, dy);
    m_pMuxes->Resize(dy);
}

// ---- the tree -----------------------------------------------------------------------------------

void CSatellitePage::OnChanged(unsigned nParts) {
    if (nParts & PART_SATELLITES)
        Refill();
}

// What the user typed in the panel stays: the names are only read in another set.
void CSatellitePage::OnNamesChanged(const CNameCodec& before) {
    RelabelSatellites(*m_pTree, m_document.Store(), m_document.Names());
    m_pPanel->ShowNameAgain(before);
}

// Without a database the tree has no items at all. The panel shows the defaults until an item
// is selected again, and the buttons wait for one; the items the user had opened stay open.
void CSatellitePage::Refill() {
    const STreeIds current = IdsOf(m_pTree->currentItem());
    std::set<int> expanded;
    for (int i = 0; i < m_pTree->topLevelItemCount(); ++i)
        if (m_pTree->topLevelItem(i)->isExpanded())
            expanded.insert(IdsOf(m_pTree->topLevelItem(i)).nSat);
    {
        const QSignalBlocker quiet(m_pTree);
        m_pTree->clear();
        if (m_document.HasData())
            FillTree(*m_pTree, m_document.Store(), m_document.Names());
        for (int i = 0; i < m_pTree->topLevelItemCount(); ++i)
            m_pTree->topLevelItem(i)->setExpanded(
                expanded.contains(IdsOf(m_pTree->topLevelItem(i)).nSat));
    }
    m_pPanel->ShowSatellite(nullptr);
    if (QTreeWidgetItem* item = FindItem(*m_pTree, current))
        Select(IdsOf(item));
    else
        Enter();
}

// The panel takes the item's level and shows its record, or the defaults of a new one.
void CSatellitePage::ShowSelection() {
    const STreeIds ids = IdsOf(m_pTree->currentItem());
    if (ids.nSat < 0)
        return;
    const CChannelStore& store = m_document.Store();
    EnableRecordButtons(ids.IsNewRecord());
    if (ids.nTp >= 0) {
        m_pPanel->ShowTransponder(
            ids.nTp == 0 ? nullptr : store.GetTransponder(BYTE(ids.nSat), BYTE(ids.nTp)));
        m_pPanel->ShowMode(false);
        return;
    }
    m_pPanel->ShowSatellite(ids.nSat == 0 ? nullptr : store.GetSatellite(BYTE(ids.nSat)));
    m_pPanel->ShowMode(true);
}

// Also when the item was current already: the panel shows the record as it is now.
void CSatellitePage::Select(const STreeIds& ids) {
    QTreeWidgetItem* item = FindItem(*m_pTree, ids);
    if (item == nullptr)
        return;
    {
        const QSignalBlocker quiet(m_pTree);
        m_pTree->setCurrentItem(item);
    }
    ShowSelection();
}

void CSatellitePage::EnableRecordButtons(bool bNewRecord) {
    Control(IDC_BUTTON_APPEND)->setEnabled(bNewRecord);
    Control(IDC_BUTTON_UPDATE)->setEnabled(!bNewRecord);
    Control(IDC_BUTTON_DELETE)->setEnabled(!bNewRecord);
}

// The buttons follow the highlighted item; with none they wait for a selection.
void CSatellitePage::Enter() {
    m_pPanel->ShowMode(m_pPanel->IsSatelliteMode());
    if (const QTreeWidgetItem* item = m_pTree->currentItem()) {
        EnableRecordButtons(IdsOf(item).IsNewRecord());
        return;
    }
    for (int nId : {IDC_BUTTON_APPEND, IDC_BUTTON_DELETE, IDC_BUTTON_UPDATE})
        Control(nId)->setEnabled(false);
}

// ---- Append -------------------------------------------------------------------------------------

void CSatellitePage::Append() {
    m_pPanel->FormatNumberEdits();
    const STreeIds ids = IdsOf(m_pTree->currentItem());
    if (ids.nSat < 0)
        return;
    if (ids.nTp < 0)
        AppendSatellite();
    else if (ids.nSat > 0)
        AppendTransponder(BYTE(ids.nSat));
}

// The new satellite takes the place of the "New Satellite" item, which moves to the end. A
// refused one shows the satellite already at that position, or the defaults when the table is
// full.
void CSatellitePage::AppendSatellite() {
    SSAT_INFO rec = m_pPanel->NewSatellite();
    bool bAppended = false;
    m_document.Edit(
        [&](CChannelStore& store) {
            // The count is read after the append: the comparison alone would leave the order open.
            const WORD nAppended = store.AppendSatellite(rec);
            bAppended = nAppended == store.GetSatelliteCount();
        },
        [] { return EditText(EEdit::AppendSatellite); },
        [&] {
            Select({rec.bIndex, -1});
        });
    if (bAppended)
        return;
    m_prompt.MessageBox(
        tr("[ERROR] Satellite is not appended. \n Check the satellite position.\n\n"));
    m_pPanel->ShowSatellite(m_document.Store().GetSatellite(rec.bIndex));
    EnableRecordButtons(rec.bIndex == 0);
}

// An appended transponder takes the place of its satellite's "New Transponder" item; one that
// the store merged into a near one is selected in its place.
void CSatellitePage::AppendTransponder(BYTE nSat) {
    const STP_INFO values = m_pPanel->TransponderValues();
    BYTE nTp = 0;
    BYTE result = TP_REFUSED;
    m_document.Edit(
        [&](CChannelStore& store) {
            result = store.AppendTransponder(nSat, &nTp, values.frequency, values.symbolrate,
                                             values.attribute & 1, values.attribute >> 4);
        },
        [] { return EditText(EEdit::AppendTransponder); },
        [&] {
            Select({nSat, nTp});
        });
    if (result == TP_MERGED)
        Select({nSat, nTp});
}

// ---- Update -------------------------------------------------------------------------------------

// A satellite takes the panel's values with no position check (two satellites may share a
// position after an update); a transponder takes exactly the values entered, with no merge.
void CSatellitePage::Update() {
    m_pPanel->FormatNumberEdits();
    const STreeIds ids = IdsOf(m_pTree->currentItem());
    if (ids.nSat <= 0 || ids.nTp == 0)
        return;
    const CChannelStore& store = m_document.Store();
    const BYTE nSat = BYTE(ids.nSat);
    if (ids.nTp < 0) {
        const SSAT_INFO* stored = store.GetSatellite(nSat);
        if (stored == nullptr)
            return;
        const SSAT_INFO rec = m_pPanel->ChangedSatellite(*stored);
        m_document.Edit([&](CChannelStore& edited) { edited.SetSatellite(nSat, rec); },
                        [] { return EditText(EEdit::UpdateSatellite); });
        return;
    }
    const BYTE nTp = BYTE(ids.nTp);
    const STP_INFO* stored = store.GetTransponder(nSat, nTp);
    if (stored == nullptr)
        return;
    STP_INFO values = *stored;
    const STP_INFO entered = m_pPanel->TransponderValues();
    values.frequency = entered.frequency;
    values.symbolrate = entered.symbolrate;
    values.attribute = entered.attribute;
    m_document.Edit([&](CChannelStore& edited) { edited.SetTransponder(nSat, nTp, values); },
                    [] { return EditText(EEdit::UpdateTransponder); });
}

// ---- Delete -------------------------------------------------------------------------------------

// The store renumbers what follows the deleted record: the tree is filled again with no item
// selected.
void CSatellitePage::Delete() {
    const STreeIds ids = IdsOf(m_pTree->currentItem());
    if (ids.nSat <= 0 || ids.nTp == 0)
        return;
    const bool bSatellite = ids.nTp < 0;
    m_document.Edit(
        [&](CChannelStore& store) {
            if (bSatellite)
                store.DeleteSatellite(BYTE(ids.nSat));
            else
                store.DeleteTransponder(BYTE(ids.nSat), BYTE(ids.nTp));
        },
        [bSatellite] {
            return EditText(bSatellite ? EEdit::DeleteSatellite : EEdit::DeleteTransponder);
        },
        [&] {
            const QSignalBlocker quiet(m_pTree);
            m_pTree->setCurrentItem(nullptr);
            m_pPanel->ShowSatellite(nullptr);
            EnableRecordButtons(bSatellite && m_document.Store().GetSatelliteCount() == 0);
        });
}

// ---- views of an undo step ----------------------------------------------------------------------

void CSatellitePage::CaptureView(SViewState& view) const {
    const STreeIds ids = IdsOf(m_pTree->currentItem());
    view.nTreeSat = ids.nSat;
    view.nTreeTp = ids.nTp;
}

// The item of the view where it still exists; none otherwise.
void CSatellitePage::ShowView(const SViewState& view) {
    if (FindItem(*m_pTree, {view.nTreeSat, view.nTreeTp}) != nullptr) {
        Select({view.nTreeSat, view.nTreeTp});
        return;
    }
    {
        const QSignalBlocker quiet(m_pTree);
        m_pTree->setCurrentItem(nullptr);
    }
    m_pPanel->ShowSatellite(nullptr);
    Enter();
}
