// The satellite and transponder panel: the controls right of the tree that show one record,
// or the defaults of a new one, for Append and Update to read.
#include "editor_dlg.h"

#include "control_text.h"
#include "controls.h"
#include "number_text.h"
#include "panel_options.h"
#include "resource.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QValidator>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kPositionLimit = 3600;    // tenths of a degree
constexpr int kFrequencyLimit = 30000;  // MHz
constexpr int kSymbolRateLimit = 60000; // kS/s
constexpr int kNumberChars = 5;

const SOptionRow* RowOf(int nId) {
    for (const SOptionRow& row : kOptionRows) {
        if (std::find(row.pIds, row.pIds + row.nCount, nId) != row.pIds + row.nCount)
            return &row;
    }
    return nullptr;
}

// The button a stored value shows: values past the row's end show its last button.
int ButtonFor(const SOptionRow& row, int value) {
    return row.pIds[std::clamp(value, 0, row.nCount - 1)];
}

void FillList(QComboBox& combo, const char* const* texts, std::size_t n) {
    const QSignalBlocker block(combo);
    combo.clear();
    for (std::size_t i = 0; i < n; ++i)
        combo.insertItem(static_cast<int>(i), QString::fromLatin1(texts[i]));
}

// A typed LNB or C-LNB frequency is stored in 16 bits: a keystroke that takes the number past
// 65535 is refused, as the other number fields refuse theirs, instead of being cut on Append.
class CFrequencyTextValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return ParseDecimal(input, kNumberChars) <= 0xFFFF ? Acceptable : Invalid;
    }
};

} // namespace

// ---- data exchange ------------------------------------------------------------------------------

void CEditorDlg::ReadControls() {
    m_strSatName = Edit(IDC_EDIT_SAT_NAME).text();
    m_strSatPosition = Edit(IDC_EDIT_SAT_POSITION).text();
    m_strFrequency = Edit(IDC_EDIT_FREQUENCY).text();
    m_strSymbolRate = Edit(IDC_EDIT_SYMBOL_RATE).text();
    m_strLnbFreq = Combo(IDC_COMBO_LNB_FREQ).currentText();
    m_strCLnbFreq = Combo(IDC_COMBO_CLNB_FREQ).currentText();
}

void CEditorDlg::WriteControls() {
    SetTextKeepingCaret(Edit(IDC_EDIT_SAT_NAME), m_strSatName);
    SetTextKeepingCaret(Edit(IDC_EDIT_SAT_POSITION), m_strSatPosition);
    SetTextKeepingCaret(Edit(IDC_EDIT_FREQUENCY), m_strFrequency);
    SetTextKeepingCaret(Edit(IDC_EDIT_SYMBOL_RATE), m_strSymbolRate);
    WriteComboText(Combo(IDC_COMBO_LNB_FREQ), m_strLnbFreq);
    WriteComboText(Combo(IDC_COMBO_CLNB_FREQ), m_strCLnbFreq);
}

// A bound combo takes its text as the first entry that begins with it, else as typed text.
void CEditorDlg::WriteComboText(QComboBox& combo, const QString& text) {
    if (combo.currentText() == text)
        return;
    SelectListEntry(combo, text, -1);
}

QLineEdit& CEditorDlg::Edit(int nId) const {
    return *GetDlgItem<QLineEdit>(nId);
}
QComboBox& CEditorDlg::Combo(int nId) const {
    return *GetDlgItem<QComboBox>(nId);
}
CSpinButtonCtrl& CEditorDlg::Spin(int nId) const {
    return *GetDlgItem<CSpinButtonCtrl>(nId);
}
bool CEditorDlg::IsChecked(int nId) const {
    return GetDlgItem<QRadioButton>(nId)->isChecked();
}

// ---- set-up -------------------------------------------------------------------------------------

void CEditorDlg::InitPanelControls() {
    FillList(Combo(IDC_COMBO_LNB_FREQ), kLnbTypeNames, std::size(kLnbTypeNames));
    FillList(Combo(IDC_COMBO_CLNB_FREQ), kCLnbNames, std::size(kCLnbNames));
    FillList(Combo(IDC_COMBO_FEC), kFecNames, std::size(kFecNames));
    Edit(IDC_EDIT_SAT_NAME).setMaxLength(kNameSize - 1);
    m_strSatPosition = QStringLiteral("0.0");
    m_strFrequency = m_strSymbolRate = QStringLiteral("1000");
    WriteControls();
    const struct {
        int nId;
        int nUpper;
    } spins[] = {{IDC_SPIN_SAT_POSITION, 359},
                 {IDC_SPIN_FREQUENCY, kFrequencyLimit},
                 {IDC_SPIN_SYMBOL_RATE, kSymbolRateLimit}};
    for (const auto& spin : spins) {
        Spin(spin.nId).SetRange(0, spin.nUpper);
        Spin(spin.nId).SetBase(10);
        Spin(spin.nId).SetPos(0);
    }
}

void CEditorDlg::ResetControls() {
    InitPanelControls();
    for (BYTE nList = 0; nList < kListCount; ++nList)
        SetupGridColumns(nList);
}

void CEditorDlg::ConnectPanel() {
    AcceptBoxTextOnly(Edit(IDC_EDIT_SAT_NAME));
    for (int nId : {IDC_COMBO_LNB_FREQ, IDC_COMBO_CLNB_FREQ})
        Combo(nId).setValidator(new CFrequencyTextValidator(&Combo(nId)));
    for (const SOptionRow& row : kOptionRows) {
        for (int i = 0; i < row.nCount; ++i) {
            const int nId = row.pIds[i];
            connect(GetDlgItem<QRadioButton>(nId), &QRadioButton::clicked, this,
                    [this, nId] { OnClickOption(nId); });
        }
    }
    for (int nId : {IDC_RADIO_MOTOR, IDC_RADIO_USALS})
        connect(GetDlgItem<QRadioButton>(nId), &QRadioButton::clicked, this,
                &CEditorDlg::OnRadioMotorUsals);
    connect(&Edit(IDC_EDIT_SAT_POSITION), &QLineEdit::textChanged, this,
            &CEditorDlg::OnChangeSatPosition);
    connect(&Edit(IDC_EDIT_FREQUENCY), &QLineEdit::textChanged, this,
            &CEditorDlg::OnChangeFrequency);
    connect(&Edit(IDC_EDIT_SYMBOL_RATE), &QLineEdit::textChanged, this,
            &CEditorDlg::OnChangeSymbolRate);
    // The normal form is shown once editing ends: Enter, leaving the field, a button.
    for (int nId : {IDC_EDIT_SAT_POSITION, IDC_EDIT_FREQUENCY, IDC_EDIT_SYMBOL_RATE})
        connect(&Edit(nId), &QLineEdit::editingFinished, this, &CEditorDlg::FormatNumberEdits);
    connect(&Spin(IDC_SPIN_SAT_POSITION), &CSpinButtonCtrl::Stepped, this,
            &CEditorDlg::OnDeltaposSatPosition);
    connect(&Spin(IDC_SPIN_FREQUENCY), &CSpinButtonCtrl::Stepped, this,
            &CEditorDlg::OnDeltaposFrequency);
    connect(&Spin(IDC_SPIN_SYMBOL_RATE), &CSpinButtonCtrl::Stepped, this,
            &CEditorDlg::OnDeltaposSymbolRate);
}

// ---- option rows --------------------------------------------------------------------------------

// A click checks its button and unchecks the rest of its row; the C/KU row also decides
// whether the C-LNB list can be used.
void CEditorDlg::OnClickOption(int nId) {
    const SOptionRow* row = RowOf(nId);
    if (row == nullptr)
        return;
    ReadControls();
    for (int i = 0; i < row->nCount; ++i)
        GetDlgItem<QRadioButton>(row->pIds[i])->setChecked(row->pIds[i] == nId);
    if (row->pIds == kCkuRow)
        Combo(IDC_COMBO_CLNB_FREQ).setEnabled(nId != IDC_RADIO_CKU_NONE);
    WriteControls();
}

// DiSEqC values 5 and 6 (the hidden Motor and USALS choices) show no port.
void CEditorDlg::OnRadioMotorUsals() {
    ReadControls();
    for (int nId : kDiseqcRow)
        GetDlgItem<QRadioButton>(nId)->setChecked(false);
    WriteControls();
}

// ---- typed numbers ------------------------------------------------------------------------------

// Every change of a number edit is checked at once: a value past the limit puts the last
// accepted text back (the keystroke is undone); a good one stays as typed and moves the spin.
void CEditorDlg::CheckNumberEdit(QString& member, int nSpinId, int limit, bool tenths) {
    const QString accepted = member;
    ReadControls();
    const int value =
        tenths ? ParseTenths(member, kNumberChars) : ParseDecimal(member, kNumberChars);
    if (value < 0 || value > limit) {
        member = accepted;
        WriteControls();
        return;
    }
    Spin(nSpinId).SetPos(tenths ? value / 10 : value);
    ReadControls();
}

void CEditorDlg::FormatNumberEdits() {
    ReadControls();
    const int position = ParseTenths(m_strSatPosition, kNumberChars);
    m_strSatPosition = QString::asprintf("%d.%d", position / 10, position % 10);
    for (QString* number : {&m_strFrequency, &m_strSymbolRate})
        *number = QString::number(ParseDecimal(*number, kNumberChars));
    WriteControls();
}

void CEditorDlg::OnChangeSatPosition() {
    CheckNumberEdit(m_strSatPosition, IDC_SPIN_SAT_POSITION, kPositionLimit, true);
}

void CEditorDlg::OnChangeFrequency() {
    CheckNumberEdit(m_strFrequency, IDC_SPIN_FREQUENCY, kFrequencyLimit, false);
}

void CEditorDlg::OnChangeSymbolRate() {
    CheckNumberEdit(m_strSymbolRate, IDC_SPIN_SYMBOL_RATE, kSymbolRateLimit, false);
}

// A spin step writes its new position; the position keeps the tenths digit it had. The text
// may still be as typed ("19" is 19.0), so its tenths are read as the position's, not as its
// last digit.
void CEditorDlg::OnDeltaposSatPosition(int nPos) {
    const int tenths = ParseTenths(m_strSatPosition, kNumberChars) % 10;
    m_strSatPosition = QString::asprintf("%d.%d", nPos, tenths);
    WriteControls();
}

void CEditorDlg::OnDeltaposFrequency(int nPos) {
    m_strFrequency = QString::asprintf("%d", nPos);
    WriteControls();
}

void CEditorDlg::OnDeltaposSymbolRate(int nPos) {
    m_strSymbolRate = QString::asprintf("%d", nPos);
    WriteControls();
}

// ---- fills --------------------------------------------------------------------------------------

void CEditorDlg::EnableRecordButtons(bool bNewRecord) {
    GetDlgItem(IDC_BUTTON_APPEND)->setEnabled(bNewRecord);
    GetDlgItem(IDC_BUTTON_UPDATE)->setEnabled(!bNewRecord);
    GetDlgItem(IDC_BUTTON_DELETE)->setEnabled(!bNewRecord);
}

// Selects a list entry as the panel itself does, then reads the controls back so the bound
// text is the entry's and a later write keeps that entry.
void CEditorDlg::SelectPanelEntry(int nComboId, int nIndex) {
    Combo(nComboId).setCurrentIndex(nIndex);
    ReadControls();
}

void CEditorDlg::SearchPanelEntry(int nComboId, const QString& text, int nStart) {
    SelectListEntry(Combo(nComboId), text, nStart);
    ReadControls();
}

// A stored LNB value shows its list entry, or its frequency found in the list's frequencies.
void CEditorDlg::ShowLnb(int nComboId, const SLnbEncoding& lnb, BYTE bValue, WORD wFrequency) {
    const int nEntry = LnbEntryOf(lnb, bValue);
    if (nEntry >= 0)
        SelectPanelEntry(nComboId, nEntry);
    else
        SearchPanelEntry(nComboId, QString::number(wFrequency), lnb.nFirstFrequencyEntry);
}

void CEditorDlg::FillSatellitePanel(BYTE nSat) {
    if (nSat == 0) {
        EnableRecordButtons(true);
        m_strSatName.clear();
        m_strSatPosition = QStringLiteral("0.0");
        WriteControls();
        Spin(IDC_SPIN_SAT_POSITION).SetPos(0);
        OnClickOption(IDC_RADIO_CKU_NONE);
        SelectPanelEntry(IDC_COMBO_LNB_FREQ, 0);
        SelectPanelEntry(IDC_COMBO_CLNB_FREQ, 0);
        OnClickOption(IDC_RADIO_LNB_POWER_ON);
        OnClickOption(IDC_RADIO_22KHZ_OFF);
        OnClickOption(IDC_RADIO_0V);
        OnClickOption(IDC_RADIO_TONEBURST_OFF);
        OnClickOption(IDC_RADIO_DISEQC_NONE);
        return;
    }
    EnableRecordButtons(false);
    const SSAT_INFO* sat = m_pStore->GetSatellite(nSat);
    if (sat == nullptr)
        return;
    const std::string_view name = NameOf(sat->szName);
    m_strSatName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    m_strSatPosition = QString::asprintf("%d.%d", sat->wPosition / 10, sat->wPosition % 10);
    WriteControls();
    Spin(IDC_SPIN_SAT_POSITION).SetPos(sat->wPosition / 10);

    OnClickOption(ButtonFor(Row(kCkuRow), sat->bCkuSwitch));
    ShowLnb(IDC_COMBO_LNB_FREQ, kLnbEncoding, sat->bLnbType, sat->wLnbFreq);
    ShowLnb(IDC_COMBO_CLNB_FREQ, kCLnbEncoding, sat->bCLnb, sat->wCLnbFreq);
    OnClickOption(ButtonFor(Row(kLnbPowerRow), (sat->bSwitch & SW_LNB_POWER) ? 1 : 0));
    OnClickOption(ButtonFor(Row(k22KhzRow), (sat->bSwitch & SW_22KHZ) ? 1 : 0));
    OnClickOption(ButtonFor(Row(k12VRow), (sat->bSwitch & SW_12V) ? 1 : 0));
    OnClickOption(ButtonFor(Row(kToneBurstRow), (sat->bSwitch >> SW_TONEBURST_SHIFT) & 3));
    if (sat->bDiseqc < std::size(kDiseqcRow))
        OnClickOption(kDiseqcRow[sat->bDiseqc]);
    else
        OnRadioMotorUsals();
}

void CEditorDlg::FillTransponderPanel(BYTE nSat, BYTE nTp) {
    if (nSat == 0)
        return;
    if (nTp == 0) {
        EnableRecordButtons(true);
        ShowTransponderValues(1000, 1000, 0, 0);
        return;
    }
    EnableRecordButtons(false);
    const STP_INFO* tp = m_pStore->GetTransponder(nSat, nTp);
    if (tp == nullptr)
        return;
    const int fec = tp->attribute >> 4;
    ShowTransponderValues(tp->frequency, tp->symbolrate, tp->attribute & 1,
                          fec < static_cast<int>(std::size(kFecNames)) ? fec : 0);
}

void CEditorDlg::ShowTransponderValues(int nFreq, int nSymbolRate, int nHorizontal, int nFec) {
    m_strFrequency = QString::number(nFreq);
    m_strSymbolRate = QString::number(nSymbolRate);
    WriteControls();
    Spin(IDC_SPIN_FREQUENCY).SetPos(nFreq);
    Spin(IDC_SPIN_SYMBOL_RATE).SetPos(nSymbolRate);
    OnClickOption(ButtonFor(Row(kPolarizationRow), nHorizontal));
    SelectPanelEntry(IDC_COMBO_FEC, nFec);
}
