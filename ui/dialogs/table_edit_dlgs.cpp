#include "table_edit_dlgs.h"

#include "edit_command.h"
#include "main_dialog.h"
#include "name_text.h"
#include "prompt.h"
#include "record_labels.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kIdRole = Qt::UserRole;
enum { kIdColumn, kNameColumn, kServicesColumn };

constexpr const char* kKeptNote = QT_TRANSLATE_NOOP(
    "CNetworkEditorDlg",
    "A name that no service uses is not kept: deleting, moving or sorting services drops it, and "
    "so does opening the file again. Give it to a service to keep it.");
constexpr const char* kKeptNoteForService = QT_TRANSLATE_NOOP(
    "CNetworkEditorDlg",
    "A name you add is chosen for this service. Other names that no service uses are dropped "
    "when services are deleted, moved or sorted, and when the file is opened again.");

void UseMainFont(QDialog& dlg, const QString& caption) {
    dlg.setWindowTitle(caption);
    dlg.setFont(QFont(QString::fromLatin1(kMainDialogFontFamily), kMainDialogFontPoints));
}

QPushButton* Button(QWidget& parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, &parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QSpinBox* NumberField(QWidget& parent, const char* name, int nMax, int nBase, int nValue) {
    auto* field = new QSpinBox(&parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(0, nMax);
    field->setDisplayIntegerBase(nBase);
    field->setValue(nValue);
    return field;
}

} // namespace

int CountServices(const CChannelStore& store, unsigned lists,
                  const std::function<bool(const SSVC_INFO&)>& uses) {
    int nCount = 0;
    for (BYTE nList = 0; nList < kListCount; ++nList) {
        if ((lists & ListPart(nList)) == 0)
            continue;
        for (WORD nRow = 0; nRow < store.GetRowCount(nList); ++nRow)
            nCount += uses(*store.GetService(nRow, nList)) ? 1 : 0;
    }
    return nCount;
}

// ---- networks -----------------------------------------------------------------------------------

CNetworkEditorDlg::CNetworkEditorDlg(const CChannelStore& store, const CNameCodec& names,
                                     CPrompt& prompt, TableEditor editor, bool bForService,
                                     QWidget* parent)
    : QDialog(parent), m_store(store), m_names(names), m_prompt(prompt),
      m_editor(std::move(editor)) {
    UseMainFont(*this, tr("Networks"));
    auto* layout = new QVBoxLayout(this);
    m_pList = new QTreeWidget(this);
    m_pList->setObjectName(QStringLiteral("networks"));
    m_pList->setHeaderLabels({tr("Id"), tr("Name"), tr("Services")});
    m_pList->setRootIsDecorated(false);
    m_pList->setMinimumSize(340, 240);
    m_pList->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    m_pList->header()->setStretchLastSection(false);
    layout->addWidget(m_pList);

    auto* row = new QHBoxLayout;
    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QStringLiteral("name"));
    m_pName->setPlaceholderText(tr("Network name"));
    m_pName->setValidator(new CNameValidator(
        m_names, m_pName, [this](const QString& status) { emit Status(status); }));
    row->addWidget(m_pName, 1);
    m_pAdd = Button(*this, "add", tr("Add"));
    m_pRename = Button(*this, "rename", tr("Rename"));
    m_pDelete = Button(*this, "delete", tr("Delete"));
    for (QPushButton* button : {m_pAdd, m_pRename, m_pDelete})
        row->addWidget(button);
    layout->addLayout(row);

    auto* note = new QLabel(tr(bForService ? kKeptNoteForService : kKeptNote), this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    layout->addWidget(buttons);

    connect(m_pList, &QTreeWidget::currentItemChanged, this, &CNetworkEditorDlg::OnSelection);
    connect(m_pName, &QLineEdit::textChanged, this, &CNetworkEditorDlg::EnableButtons);
    connect(m_pName, &QLineEdit::returnPressed, this, &CNetworkEditorDlg::Add);
    connect(m_pAdd, &QPushButton::clicked, this, &CNetworkEditorDlg::Add);
    connect(m_pRename, &QPushButton::clicked, this, &CNetworkEditorDlg::Rename);
    connect(m_pDelete, &QPushButton::clicked, this, &CNetworkEditorDlg::Delete);
    Refill(0);
}

// Every entry in the table's order, with how many services use it.
void CNetworkEditorDlg::Refill(WORD nSelect) {
    m_pList->clear();
    for (WORD i = 0; i < m_store.GetNetworkCount(); ++i) {
        const SNET_INFO* net = m_store.GetNetworkAt(i);
        if (net == nullptr)
            continue;
        const int nUsers =
            CountServices(m_store, PART_ALL_LISTS,
                          [id = net->id](const SSVC_INFO& svc) { return svc.wNetwork == id; });
        auto* item =
            new QTreeWidgetItem(m_pList, {QString::number(net->id), NameText(m_names, net->name),
                                          QString::number(nUsers)});
        item->setData(kIdColumn, kIdRole, net->id);
        if (net->id == nSelect)
            m_pList->setCurrentItem(item);
    }
    m_pList->resizeColumnToContents(kIdColumn);
    EnableButtons();
}

void CNetworkEditorDlg::EnableButtons() {
    const bool bName = !m_pName->text().isEmpty(), bSelected = SelectedNetwork() != 0;
    m_pAdd->setEnabled(bName);
    m_pRename->setEnabled(bName && bSelected);
    m_pDelete->setEnabled(bSelected);
}

// The chosen entry's name, ready to be changed.
void CNetworkEditorDlg::OnSelection() {
    if (const QTreeWidgetItem* item = m_pList->currentItem())
        m_pName->setText(item->text(kNameColumn));
    EnableButtons();
}

WORD CNetworkEditorDlg::SelectedNetwork() const {
    const QTreeWidgetItem* item = m_pList->currentItem();
    return item == nullptr ? 0 : WORD(item->data(kIdColumn, kIdRole).toUInt());
}

void CNetworkEditorDlg::Add() {
    const QString name = m_pName->text();
    const std::optional<std::string> bytes = NameBytes(m_names, name);
    if (name.isEmpty() || !bytes)
        return;
    WORD nId = 0;
    const ETableEdit result =
        m_editor([&](CChannelStore& store) { return store.AddNetworkName(*bytes, &nId); },
                 EditText(EEdit::AddNetwork, name));
    if (!Report(result))
        return;
    m_nAdded = nId;
    Refill(nId);
}

void CNetworkEditorDlg::Rename() {
    const WORD nId = SelectedNetwork();
    const QString name = m_pName->text();
    const std::optional<std::string> bytes = NameBytes(m_names, name);
    if (nId == 0 || name.isEmpty() || !bytes)
        return;
    if (Report(m_editor([&](CChannelStore& store) { return store.RenameNetwork(nId, *bytes); },
                        EditText(EEdit::RenameNetwork, name))))
        Refill(nId);
}

void CNetworkEditorDlg::Delete() {
    const QTreeWidgetItem* item = m_pList->currentItem();
    if (item == nullptr)
        return;
    const WORD nId = SelectedNetwork();
    const QString name = item->text(kNameColumn);
    const ETableEdit result =
        m_editor([&](CChannelStore& store) { return store.DeleteNetwork(nId); },
                 EditText(EEdit::DeleteNetwork, name));
    if (result == ETableEdit::Used) {
        m_prompt.MessageBox(tr("Network \"%1\" cannot be deleted: %2 services use it. "
                               "Give them another network first.")
                                .arg(name, item->text(kServicesColumn)),
                            QString(), MB_OK | MB_ICONWARNING);
        return;
    }
    if (!Report(result))
        return;
    if (nId == m_nAdded)
        m_nAdded = 0;
    m_pName->clear();
    Refill(0);
}

bool CNetworkEditorDlg::Report(ETableEdit result) {
    switch (result) {
    case ETableEdit::Done:
        return true;
    case ETableEdit::Full:
        m_prompt.MessageBox(tr("No network can be added: the table holds %1 names, "
                               "or services use every id.")
                                .arg(kMaxNetworks),
                            QString(), MB_OK | MB_ICONWARNING);
        return false;
    default:
        m_prompt.MessageBox(tr("The network is no longer in the table."), QString(),
                            MB_OK | MB_ICONWARNING);
        Refill(0);
        return false;
    }
}

// ---- one MUX ------------------------------------------------------------------------------------

CMuxDlg::CMuxDlg(const STP_INFO* pMux, QWidget* parent)
    : QDialog(parent), m_nMux(pMux != nullptr ? pMux->tpid : 0) {
    UseMainFont(*this, pMux != nullptr ? tr("MUX %1").arg(m_nMux) : tr("New MUX"));
    const STP_INFO rec = pMux != nullptr ? *pMux : STP_INFO{};
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_pFrequency = NumberField(*this, "frequency", 0xFFFF, 10, rec.frequency);
    m_pSymbolRate = NumberField(*this, "symbolRate", 0xFFFF, 10, rec.symbolrate);
    m_pTsid = NumberField(*this, "tsid", 0xFFFF, 10, rec.tsid);
    m_pDrift = NumberField(*this, "drift", 0xFFFF, 16, rec.drift);
    m_pAttribute = NumberField(*this, "attribute", 0xFF, 16, rec.attribute);
    m_pSignal = NumberField(*this, "signal", 0xFF, 10, rec.signal);
    m_pFrequency->setSuffix(QStringLiteral(" MHz"));
    m_pSymbolRate->setSuffix(QStringLiteral(" kS/s"));
    form->addRow(tr("Frequency:"), m_pFrequency);
    form->addRow(tr("Symbol rate:"), m_pSymbolRate);
    form->addRow(tr("TSID:"), m_pTsid);
    form->addRow(tr("Drift (hex):"), m_pDrift);
    form->addRow(tr("Attribute (hex):"), m_pAttribute);
    form->addRow(tr("Signal:"), m_pSignal);
    m_pShownAs = new QLabel(this);
    m_pShownAs->setObjectName(QStringLiteral("shownAs"));
    form->addRow(tr("Lists show:"), m_pShownAs);
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    for (QSpinBox* field : {m_pFrequency, m_pDrift})
        connect(field, &QSpinBox::valueChanged, this, &CMuxDlg::OnChanged);
    OnChanged();
}

// The MUX column shows the drift's first byte; a MUX without a frequency cannot be stored.
void CMuxDlg::OnChanged() {
    m_pShownAs->setText(MuxName(Record()));
    m_pOk->setEnabled(m_pFrequency->value() != 0);
}

STP_INFO CMuxDlg::Record() const {
    STP_INFO rec{};
    rec.frequency = WORD(m_pFrequency->value());
    rec.symbolrate = WORD(m_pSymbolRate->value());
    rec.tsid = WORD(m_pTsid->value());
    rec.drift = WORD(m_pDrift->value());
    rec.attribute = BYTE(m_pAttribute->value());
    rec.signal = BYTE(m_pSignal->value());
    rec.satid = kTerrestrialSatIndex;
    rec.tpid = m_nMux;
    return rec;
}
