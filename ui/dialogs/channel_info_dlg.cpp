#include "channel_info_dlg.h"

#include "channel_info_dialog.h"
#include "channel_store.h"
#include "control_text.h"
#include "controls.h"
#include "main_dialog.h"
#include "number_text.h"
#include "prompt.h"
#include "record_labels.h"
#include "table_edit_dlgs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int kPidLimit = 8191;
constexpr int kServiceIdLimit = 0xFFFF;
constexpr int kNumberChars = 5;
// A network entry is its id right-aligned in kNetworkIdChars, ". ", the name and a blank.
constexpr int kNetworkIdChars = 4;
constexpr qsizetype kNetworkNameStart = kNetworkIdChars + 2;
constexpr int kEntryData = Qt::UserRole; // the store index behind a list entry

QString NetworkLabel(const CNameCodec& names, const SNET_INFO& net) {
    return QString::asprintf("%*d. ", kNetworkIdChars, net.id) + NameText(names, net.name) + u' ';
}

// Selects the entry that stands for store index nIndex; none when the list has no such entry.
void SelectEntry(QComboBox& combo, int nIndex) {
    combo.setCurrentIndex(combo.findData(nIndex, kEntryData));
}

// The store index behind the selected entry, 0 when nothing is selected.
BYTE SelectedIndex(const QComboBox& combo) {
    const int sel = SelectionOf(combo);
    return sel < 0 ? 0 : static_cast<BYTE>(combo.itemData(sel, kEntryData).toInt());
}

WORD ReadNumber(const QString& text) {
    return static_cast<WORD>(ParseDecimal(text, kNumberChars));
}

// The audio PID word: the PID with the Dolby flag in bit 15.
WORD AudioWord(const QString& text, BOOL bDolby) {
    return static_cast<WORD>(ReadNumber(text) | (bDolby ? AUDIO_DOLBY : 0));
}

} // namespace

CChannelInfoDlg::CChannelInfoDlg(const CNameCodec& names, CPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_names(names), m_prompt(prompt) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QCoreApplication::translate("ChannelInfoDialog", kChannelDialogCaption));
    setFont(QFont(QString::fromLatin1(kMainDialogFontFamily), kMainDialogFontPoints));
    CreateControls();
}

// ---- controls ---------------------------------------------------------------------------------

QWidget* CChannelInfoDlg::CreateControl(const SChannelDlgItem& item) {
    const QString text = QCoreApplication::translate("ChannelInfoDialog", item.pszText);
    switch (item.kind) {
    case EChannelItemKind::Label:
        return new QLabel(text, this);
    case EChannelItemKind::Combo: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        return combo;
    }
    case EChannelItemKind::NumberEdit:
    case EChannelItemKind::TextEdit: {
        auto* edit = new QLineEdit(this);
        if (item.kind == EChannelItemKind::NumberEdit) {
            edit->setMaxLength(item.nMaxChars);
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), edit));
            return edit;
        }
        // The validator holds the name to its bytes; its text may show them as marks.
        edit->setMaxLength(kNameTextMaxChars);
        edit->setValidator(new CNameValidator(
            m_names, edit, [this](const QString& status) { emit Status(status); }));
        return edit;
    }
    case EChannelItemKind::CheckBox:
        return new QCheckBox(text, this);
    case EChannelItemKind::DefaultButton:
    case EChannelItemKind::Button: {
        auto* button = new QPushButton(text, this);
        button->setDefault(item.kind == EChannelItemKind::DefaultButton);
        button->setAutoDefault(false);
        return button;
    }
    }
    return nullptr;
}

void CChannelInfoDlg::CreateControls() {
    const CDialogUnits units(font());
    const auto place = [&](const SChannelDlgItem& item) {
        QWidget* control = CreateControl(item);
        control->setObjectName(QString::number(item.nId));
        QRect rect = units.MapRect(item.x, item.y, item.cx, item.cy);
        // A combo's template height includes its dropped list; closed it takes its own.
        if (item.kind == EChannelItemKind::Combo)
            rect.setHeight(control->sizeHint().height());
        control->setGeometry(rect);
        m_controls[item.nId] = control;
    };
    for (const SChannelDlgItem& item : channel_info_dialog::kItems)
        place(item);
    place(channel_info_dialog::kNetworksButton);
    QWidget::setTabOrder(GetDlgItem(IDC_CHANNEL_COMBO_NETWORK),
                         GetDlgItem(IDC_CHANNEL_BUTTON_NETWORKS));
    QWidget::setTabOrder(GetDlgItem(IDC_CHANNEL_BUTTON_NETWORKS),
                         GetDlgItem(IDC_CHANNEL_EDIT_SERVICE_ID));
    setFixedSize(units.X(kChannelDialogWidth), units.Y(kChannelDialogHeight));

    connect(GetDlgItem<QPushButton>(IDC_CHANNEL_OK), &QPushButton::clicked, this,
            &CChannelInfoDlg::OnOK);
    connect(GetDlgItem<QPushButton>(IDC_CHANNEL_CANCEL), &QPushButton::clicked, this,
            &CChannelInfoDlg::reject);
    connect(GetDlgItem<QPushButton>(IDC_CHANNEL_BUTTON_NETWORKS), &QPushButton::clicked, this,
            &CChannelInfoDlg::OnNetworks);
    // A choice by the user, not the dialog's own selections, refills the transponders.
    connect(&Combo(IDC_CHANNEL_COMBO_SATELLITE), &QComboBox::activated, this,
            &CChannelInfoDlg::OnSelchangeSatellite);
    const struct {
        int nId;
        void (CChannelInfoDlg::*pHandler)();
    } checks[] = {{IDC_CHANNEL_EDIT_SERVICE_ID, &CChannelInfoDlg::OnChangeServiceId},
                  {IDC_CHANNEL_EDIT_VIDEO_PID, &CChannelInfoDlg::OnChangeVideoPid},
                  {IDC_CHANNEL_EDIT_AUDIO_PID, &CChannelInfoDlg::OnChangeAudioPid},
                  {IDC_CHANNEL_EDIT_PCR_PID, &CChannelInfoDlg::OnChangePcrPid}};
    for (const auto& check : checks)
        connect(&Edit(check.nId), &QLineEdit::textChanged, this, check.pHandler);
    // PIDs show the value they hold once editing ends.
    for (auto [nId, pMember] : {std::pair{IDC_CHANNEL_EDIT_VIDEO_PID, &m_strVideoPid},
                                {IDC_CHANNEL_EDIT_AUDIO_PID, &m_strAudioPid},
                                {IDC_CHANNEL_EDIT_PCR_PID, &m_strPcrPid}})
        connect(&Edit(nId), &QLineEdit::editingFinished, this, [this, pMember] {
            ReadControls();
            *pMember = QString::number(ParseDecimal(*pMember, kNumberChars));
            WriteControls();
        });
}

QWidget* CChannelInfoDlg::GetDlgItem(int nId) const {
    const auto it = m_controls.find(nId);
    return it == m_controls.end() ? nullptr : it->second;
}
QComboBox& CChannelInfoDlg::Combo(int nId) const {
    return *GetDlgItem<QComboBox>(nId);
}
QLineEdit& CChannelInfoDlg::Edit(int nId) const {
    return *GetDlgItem<QLineEdit>(nId);
}
QCheckBox& CChannelInfoDlg::Check() const {
    return *GetDlgItem<QCheckBox>(IDC_CHANNEL_CHECK_DOLBY);
}

// ---- data exchange ------------------------------------------------------------------------------

void CChannelInfoDlg::ReadControls() {
    m_strSatellite = Combo(IDC_CHANNEL_COMBO_SATELLITE).currentText();
    m_strTransponder = Combo(IDC_CHANNEL_COMBO_TRANSPONDER).currentText();
    m_strNetwork = Combo(IDC_CHANNEL_COMBO_NETWORK).currentText();
    m_strServiceId = Edit(IDC_CHANNEL_EDIT_SERVICE_ID).text();
    m_strName = Edit(IDC_CHANNEL_EDIT_NAME).text();
    m_strVideoPid = Edit(IDC_CHANNEL_EDIT_VIDEO_PID).text();
    m_strAudioPid = Edit(IDC_CHANNEL_EDIT_AUDIO_PID).text();
    m_strPcrPid = Edit(IDC_CHANNEL_EDIT_PCR_PID).text();
    m_bDolby = Check().isChecked() ? TRUE : FALSE;
}

void CChannelInfoDlg::WriteControls() {
    const struct {
        int nId;
        const QString& text;
    } combos[] = {{IDC_CHANNEL_COMBO_SATELLITE, m_strSatellite},
                  {IDC_CHANNEL_COMBO_TRANSPONDER, m_strTransponder},
                  {IDC_CHANNEL_COMBO_NETWORK, m_strNetwork}};
    for (const auto& combo : combos) {
        // A list takes its text as the first entry that begins with it, else as typed text.
        if (Combo(combo.nId).currentText() != combo.text)
            SelectListEntry(Combo(combo.nId), combo.text, -1);
    }
    SetTextKeepingCaret(Edit(IDC_CHANNEL_EDIT_SERVICE_ID), m_strServiceId);
    SetTextKeepingCaret(Edit(IDC_CHANNEL_EDIT_NAME), m_strName);
    SetTextKeepingCaret(Edit(IDC_CHANNEL_EDIT_VIDEO_PID), m_strVideoPid);
    SetTextKeepingCaret(Edit(IDC_CHANNEL_EDIT_AUDIO_PID), m_strAudioPid);
    SetTextKeepingCaret(Edit(IDC_CHANNEL_EDIT_PCR_PID), m_strPcrPid);
    Check().setChecked(m_bDolby != FALSE);
}

// ---- set-up -------------------------------------------------------------------------------------

void CChannelInfoDlg::SetupChannelInfo(int nMode, int nRow, CChannelStore* pStore, BYTE bNew) {
    m_pStore = nullptr;
    m_nMode = 0;
    m_nRow = 0;
    if (pStore == nullptr)
        return;
    m_pStore = pStore;
    m_nMode = nMode;
    m_nRow = nRow;
    m_bNew = bNew;
}

int CChannelInfoDlg::DoModal(CPrompt& prompt) {
    OnInitDialog();
    return prompt.RunModal(*this);
}

void CChannelInfoDlg::OnInitDialog() {
    m_bStoreChanged = false;
    if (!HasList() || m_pStore == nullptr)
        return;
    const bool bSatellite = IsSatelliteMode();
    GetDlgItem(IDC_CHANNEL_STATIC_SATELLITE)->setVisible(bSatellite);
    GetDlgItem(IDC_CHANNEL_COMBO_SATELLITE)->setVisible(bSatellite);
    GetDlgItem<QLabel>(IDC_CHANNEL_STATIC_TRANSPONDER)
        ->setText(bSatellite ? QCoreApplication::translate("ChannelInfoDialog", "Transponder")
                             : QStringLiteral("MUX"));
    // Where a service sits is chosen once, when it is added.
    Combo(IDC_CHANNEL_COMBO_SATELLITE).setEnabled(m_bNew == 1);
    Combo(IDC_CHANNEL_COMBO_TRANSPONDER).setEnabled(m_bNew == 1);
    Edit(IDC_CHANNEL_EDIT_SERVICE_ID).setEnabled(m_bNew == 1);
    if (bSatellite) {
        FillSatelliteList();
        FillTransponderList(0);
    } else {
        FillMuxList();
    }
    FillNetworkList();
    if (m_nRow == 0)
        return;
    const SSVC_INFO* service = m_pStore->GetService(static_cast<WORD>(m_nRow - 1), ListKind());
    if (service == nullptr)
        return;
    if (bSatellite) {
        SelectEntry(Combo(IDC_CHANNEL_COMBO_SATELLITE), service->bSatIndex);
        FillTransponderList(service->bSatIndex);
    }
    SelectEntry(Combo(IDC_CHANNEL_COMBO_TRANSPONDER), service->bTpIndex);
    if (const SNET_INFO* net = m_pStore->FindNetwork(service->wNetwork)) {
        QComboBox& networks = Combo(IDC_CHANNEL_COMBO_NETWORK);
        networks.setCurrentIndex(networks.findText(NetworkLabel(m_names, *net), Qt::MatchExactly));
    }
    ReadControls();
    ShowService(*service);
    WriteControls();
}

void CChannelInfoDlg::ShowService(const SSVC_INFO& service) {
    m_strServiceId = QString::number(service.wServiceId);
    m_strName = NameText(m_names, service.szName);
    m_strVideoPid = QString::number(service.wVideoPid);
    m_strAudioPid = QString::number(service.wAudioPid & AUDIO_PID_MASK);
    m_bDolby = (service.wAudioPid & AUDIO_DOLBY) ? TRUE : FALSE;
    m_strPcrPid = QString::number(service.wPcrPid);
}

// Every satellite in index order; an entry carries its satellite's index.
void CChannelInfoDlg::FillSatelliteList() {
    QComboBox& combo = Combo(IDC_CHANNEL_COMBO_SATELLITE);
    const QSignalBlocker block(combo);
    combo.clear();
    for (int nSat = kFirstSatIndex; nSat <= m_pStore->GetSatelliteCount() + 1; ++nSat) {
        if (const SSAT_INFO* sat = m_pStore->GetSatellite(static_cast<BYTE>(nSat)))
            combo.addItem(SatelliteLabel(m_names, sat->bIndex, *sat), nSat);
    }
    combo.setCurrentIndex(-1);
}

// The transponders of satellite nSat (none for 0); an entry carries its tpid.
void CChannelInfoDlg::FillTransponderList(BYTE nSat) {
    QComboBox& combo = Combo(IDC_CHANNEL_COMBO_TRANSPONDER);
    const QSignalBlocker block(combo);
    combo.clear();
    const WORD nCount = m_pStore->GetTransponderCountOf(nSat);
    for (int nTp = 1; nTp <= nCount; ++nTp) {
        if (const STP_INFO* tp = m_pStore->GetTransponder(nSat, static_cast<BYTE>(nTp)))
            combo.addItem(TransponderLabel(*tp), nTp);
    }
    combo.setCurrentIndex(-1);
}

// Every MUX in index order, whichever slots they are in; an entry carries its MUX index.
void CChannelInfoDlg::FillMuxList() {
    QComboBox& combo = Combo(IDC_CHANNEL_COMBO_TRANSPONDER);
    const QSignalBlocker block(combo);
    combo.clear();
    for (int nMux = 1; nMux <= kMaxMuxes; ++nMux) {
        if (const STP_INFO* mux = m_pStore->GetMux(static_cast<BYTE>(nMux)))
            combo.addItem(MuxLabel(*mux), nMux);
    }
    combo.setCurrentIndex(-1);
}

// Sorted by text, which for the right-aligned ids is id order.
void CChannelInfoDlg::FillNetworkList() {
    QStringList labels;
    for (WORD i = 0; i < m_pStore->GetNetworkCount(); ++i) {
        if (const SNET_INFO* net = m_pStore->GetNetworkAt(i))
            labels << NetworkLabel(m_names, *net);
    }
    std::stable_sort(labels.begin(), labels.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    QComboBox& combo = Combo(IDC_CHANNEL_COMBO_NETWORK);
    const QSignalBlocker block(combo);
    combo.clear();
    combo.addItems(labels);
    combo.setCurrentIndex(-1);
}

// The network editor works on the store this dialog edits, so that its changes belong to the
// dialog's undo step. The list is filled again with the network chosen before, or with the name
// just added: a name no service uses would not last.
void CChannelInfoDlg::OnNetworks() {
    if (m_pStore == nullptr || !HasList())
        return;
    ReadControls();
    CNetworkEditorDlg editor(
        *m_pStore, m_names, m_prompt,
        [this](const TableChange& change, const QString&) { return change(*m_pStore); }, true,
        this);
    connect(&editor, &CNetworkEditorDlg::Status, this, &CChannelInfoDlg::Status);
    m_prompt.RunModal(editor);
    const WORD wChosen = editor.AddedNetwork() != 0
                             ? editor.AddedNetwork()
                             : WORD(ParseDecimal(m_strNetwork, kNetworkIdChars));
    FillNetworkList();
    if (const SNET_INFO* net = m_pStore->FindNetwork(wChosen)) {
        QComboBox& networks = Combo(IDC_CHANNEL_COMBO_NETWORK);
        networks.setCurrentIndex(networks.findText(NetworkLabel(m_names, *net), Qt::MatchExactly));
    }
    ReadControls();
}

QString CChannelInfoDlg::NetworkName() const {
    return m_strNetwork.mid(kNetworkNameStart);
}

void CChannelInfoDlg::OnSelchangeSatellite() {
    const BYTE nSat = SelectedIndex(Combo(IDC_CHANNEL_COMBO_SATELLITE));
    if (nSat == 0 || m_pStore == nullptr)
        return;
    FillTransponderList(nSat);
    Combo(IDC_CHANNEL_COMBO_TRANSPONDER).setCurrentIndex(0);
}

// ---- typed numbers ------------------------------------------------------------------------------

// A change that takes a number past its limit is undone; other changes stay as typed. A service
// id may stay empty, so that OK can say so; PIDs show their value once editing ends ("" becomes
// "0", leading zeros go).
void CChannelInfoDlg::CheckNumberField(QString& member, int limit) {
    const QString accepted = member;
    ReadControls();
    if (ParseDecimal(member, kNumberChars) > limit) {
        member = accepted;
        WriteControls();
    }
}

void CChannelInfoDlg::OnChangeServiceId() {
    CheckNumberField(m_strServiceId, kServiceIdLimit);
}
void CChannelInfoDlg::OnChangeVideoPid() {
    CheckNumberField(m_strVideoPid, kPidLimit);
}
void CChannelInfoDlg::OnChangeAudioPid() {
    CheckNumberField(m_strAudioPid, kPidLimit);
}
void CChannelInfoDlg::OnChangePcrPid() {
    CheckNumberField(m_strPcrPid, kPidLimit);
}

// ---- OK -----------------------------------------------------------------------------------------

void CChannelInfoDlg::accept() {
    OnOK();
}

void CChannelInfoDlg::OnOK() {
    if (m_pStore == nullptr || !HasList()) {
        QDialog::accept();
        return;
    }
    ReadControls();
    if (!CheckInput())
        return;
    if (m_strName.isEmpty())
        m_strName = QStringLiteral("Noname");
    for (QString* pid : {&m_strVideoPid, &m_strAudioPid, &m_strPcrPid}) {
        if (pid->isEmpty())
            *pid = QStringLiteral("0");
    }
    if (m_bNew == 1)
        AddNewService();
    else
        ChangeService();
}

// The checks that keep the dialog open. Where a service sits is checked for a new service only:
// an existing one keeps its place whatever the (disabled) lists show.
bool CChannelInfoDlg::CheckInput() {
    if (m_bNew == 1) {
        if (IsSatelliteMode() && SelectedIndex(Combo(IDC_CHANNEL_COMBO_SATELLITE)) == 0) {
            m_prompt.MessageBox(tr("Satellite is not selected."));
            return false;
        }
        if (SelectedIndex(Combo(IDC_CHANNEL_COMBO_TRANSPONDER)) == 0) {
            m_prompt.MessageBox(IsSatelliteMode() ? tr("Transponder is not selected.")
                                                  : tr("MUX is not selected."));
            return false;
        }
        // A new service whose network was not chosen gets the first network, as shown.
        QComboBox& networks = Combo(IDC_CHANNEL_COMBO_NETWORK);
        if (m_strNetwork.isEmpty() && networks.count() > 0) {
            networks.setCurrentIndex(0);
            m_strNetwork = networks.currentText();
        }
    }
    if (m_strServiceId.isEmpty()) {
        m_prompt.MessageBox(tr("Service ID is not existed."));
        return false;
    }
    // A typed text names no network of the store: the service would get none, and the grid's
    // network cell would show part of the text.
    if (!m_strNetwork.isEmpty() && Combo(IDC_CHANNEL_COMBO_NETWORK).findText(m_strNetwork) < 0) {
        m_prompt.MessageBox(tr("Network is not in the list."));
        return false;
    }
    return true;
}

// The network index to store: the one chosen or typed; with none, an existing service keeps
// its own (which may be missing from the list).
WORD CChannelInfoDlg::NetworkToStore(const SSVC_INFO* pExisting) {
    if (m_strNetwork.isEmpty() && pExisting != nullptr)
        return pExisting->wNetwork;
    return static_cast<WORD>(ParseDecimal(m_strNetwork, kNetworkIdChars));
}

void CChannelInfoDlg::AddNewService() {
    SSVC_INFO rec{};
    rec.bSatIndex = IsSatelliteMode() ? SelectedIndex(Combo(IDC_CHANNEL_COMBO_SATELLITE))
                                      : kTerrestrialSatIndex;
    rec.bTpIndex = SelectedIndex(Combo(IDC_CHANNEL_COMBO_TRANSPONDER));
    rec.wNetwork = NetworkToStore(nullptr);
    rec.wServiceId = ReadNumber(m_strServiceId);
    rec.wVideoPid = IsTvMode() ? ReadNumber(m_strVideoPid) : 0;
    rec.wAudioPid = AudioWord(m_strAudioPid, m_bDolby);
    rec.wPcrPid = ReadNumber(m_strPcrPid);
    SetName(rec.szName, NameBytes(m_names, m_strName).value_or(std::string()));
    rec.abReserved[0] = 1;
    rec.wFlags = IsTvMode() ? FLAG_NEW_TV : FLAG_RADIO;
    const BYTE result = IsSatelliteMode() ? m_pStore->AddSatService(ADD_ORDERED, rec)
                                          : m_pStore->AddTerrService(ADD_ORDERED, rec);
    switch (result) {
    case SVC_STORED:
        m_pStore->Rebuild();
        m_bStoreChanged = true;
        m_prompt.MessageBox(tr("New service is appended.\n"));
        QDialog::accept();
        break;
    case SVC_MERGED:
        m_bStoreChanged = true;
        m_prompt.MessageBox(tr("Same service is existed.\n"));
        reject();
        break;
    default:
        m_prompt.MessageBox(tr("[Error] Service is not appended.\n"));
        reject();
        break;
    }
}

// The name, PIDs and network of the listed service; its place and service id stay.
void CChannelInfoDlg::ChangeService() {
    const WORD nPos = static_cast<WORD>(m_nRow - 1);
    const BYTE nList = ListKind();
    const SSVC_INFO* service = m_pStore->GetService(nPos, nList);
    if (service != nullptr) {
        const std::string name = NameBytes(m_names, m_strName).value_or(std::string());
        const WORD wNetwork = NetworkToStore(service);
        m_pStore->SetServiceName(nPos, nList, name.data(), static_cast<UINT>(name.size()));
        if (IsTvMode())
            m_pStore->SetServiceVideoPid(nPos, nList, ReadNumber(m_strVideoPid));
        m_pStore->SetServiceAudioPid(nPos, nList, AudioWord(m_strAudioPid, m_bDolby));
        m_pStore->SetServicePcrPid(nPos, nList, ReadNumber(m_strPcrPid));
        m_pStore->SetServiceNetwork(nPos, nList, wNetwork);
        m_bStoreChanged = true;
    }
    QDialog::accept();
}
