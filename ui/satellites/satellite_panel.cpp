#include "satellite_panel.h"

#include "control_text.h"
#include "controls.h"
#include "main_dialog.h"
#include "name_text.h"
#include "number_text.h"
#include "panel_options.h"
#include "template_controls.h"

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
constexpr int kPositionChars = 16;

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

WORD ReadNumber(const QString& text, int maxChars = kNumberChars) {
    return static_cast<WORD>(ParseDecimal(text, maxChars));
}

QString PositionText(int nTenths) {
    return QString::asprintf("%d.%d", nTenths / 10, nTenths % 10);
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

CSatellitePanel::CSatellitePanel(const CTemplateControls& controls, const CNameCodec& names,
                                 QObject* parent)
    : QObject(parent), m_controls(controls), m_names(names) {
    Init();
    Connect();
}

// ---- controls -----------------------------------------------------------------------------------

QLineEdit& CSatellitePanel::Edit(int nId) const {
    return *m_controls.Find<QLineEdit>(nId);
}
QComboBox& CSatellitePanel::Combo(int nId) const {
    return *m_controls.Find<QComboBox>(nId);
}
CSpinButtonCtrl& CSatellitePanel::Spin(int nId) const {
    return *m_controls.Find<CSpinButtonCtrl>(nId);
}
bool CSatellitePanel::IsChecked(int nId) const {
    return m_controls.Find<QRadioButton>(nId)->isChecked();
}

void CSatellitePanel::ReadControls() {
    m_strSatName = Edit(IDC_EDIT_SAT_NAME).text();
    m_strSatPosition = Edit(IDC_EDIT_SAT_POSITION).text();
    m_strFrequency = Edit(IDC_EDIT_FREQUENCY).text();
    m_strSymbolRate = Edit(IDC_EDIT_SYMBOL_RATE).text();
    m_strLnbFreq = Combo(IDC_COMBO_LNB_FREQ).currentText();
    m_strCLnbFreq = Combo(IDC_COMBO_CLNB_FREQ).currentText();
}

void CSatellitePanel::WriteControls() {
    SetTextKeepingCaret(Edit(IDC_EDIT_SAT_NAME), m_strSatName);
    SetTextKeepingCaret(Edit(IDC_EDIT_SAT_POSITION), m_strSatPosition);
    SetTextKeepingCaret(Edit(IDC_EDIT_FREQUENCY), m_strFrequency);
    SetTextKeepingCaret(Edit(IDC_EDIT_SYMBOL_RATE), m_strSymbolRate);
    WriteComboText(Combo(IDC_COMBO_LNB_FREQ), m_strLnbFreq);
    WriteComboText(Combo(IDC_COMBO_CLNB_FREQ), m_strCLnbFreq);
}

// A bound combo takes its text as the first entry that begins with it, else as typed text.
void CSatellitePanel::WriteComboText(QComboBox& combo, const QString& text) {
    if (combo.currentText() != text)
        SelectListEntry(combo, text, -1);
}

void CSatellitePanel::Init() {
    FillList(Combo(IDC_COMBO_LNB_FREQ), kLnbTypeNames, std::size(kLnbTypeNames));
    FillList(Combo(IDC_COMBO_CLNB_FREQ), kCLnbNames, std::size(kCLnbNames));
    FillList(Combo(IDC_COMBO_FEC), kFecNames, std::size(kFecNames));
    QLineEdit& name = Edit(IDC_EDIT_SAT_NAME);
    name.setMaxLength(kNameTextMaxChars);
    name.setValidator(
        new CNameValidator(m_names, &name, [this](const QString& text) { emit Status(text); }));
    m_strSatPosition = QStringLiteral("0.0");
    m_strFrequency = m_strSymbolRate = QStringLiteral("1000");
    WriteControls();
    const struct {
        int nId;
        int nUpper;
    } spins[] = {{IDC_SPIN_SAT_POSITION, kPositionLimit},
                 {IDC_SPIN_FREQUENCY, kFrequencyLimit},
                 {IDC_SPIN_SYMBOL_RATE, kSymbolRateLimit}};
    for (const auto& spin : spins) {
        Spin(spin.nId).SetRange(0, spin.nUpper);
        Spin(spin.nId).SetBase(10);
        Spin(spin.nId).SetPos(0);
    }
}

void CSatellitePanel::Connect() {
    for (int nId : {IDC_COMBO_LNB_FREQ, IDC_COMBO_CLNB_FREQ})
        Combo(nId).setValidator(new CFrequencyTextValidator(&Combo(nId)));
    for (const SOptionRow& row : kOptionRows) {
        for (int i = 0; i < row.nCount; ++i) {
            const int nId = row.pIds[i];
            connect(m_controls.Find<QRadioButton>(nId), &QRadioButton::clicked, this,
                    [this, nId] { OnClickOption(nId); });
        }
    }
    for (int nId : {IDC_RADIO_MOTOR, IDC_RADIO_USALS})
        connect(m_controls.Find<QRadioButton>(nId), &QRadioButton::clicked, this,
                &CSatellitePanel::OnRadioMotorUsals);
    connect(&Edit(IDC_EDIT_SAT_POSITION), &QLineEdit::textChanged, this, [this] {
        CheckNumberEdit(m_strSatPosition, IDC_SPIN_SAT_POSITION, kPositionLimit, true);
    });
    connect(&Edit(IDC_EDIT_FREQUENCY), &QLineEdit::textChanged, this, [this] {
        CheckNumberEdit(m_strFrequency, IDC_SPIN_FREQUENCY, kFrequencyLimit, false);
    });
    connect(&Edit(IDC_EDIT_SYMBOL_RATE), &QLineEdit::textChanged, this, [this] {
        CheckNumberEdit(m_strSymbolRate, IDC_SPIN_SYMBOL_RATE, kSymbolRateLimit, false);
    });
    // The normal form is shown once editing ends: Enter, leaving the field, a button.
    for (int nId : {IDC_EDIT_SAT_POSITION, IDC_EDIT_FREQUENCY, IDC_EDIT_SYMBOL_RATE})
        connect(&Edit(nId), &QLineEdit::editingFinished, this, &CSatellitePanel::FormatNumberEdits);
    connect(&Spin(IDC_SPIN_SAT_POSITION), &CSpinButtonCtrl::Stepped, this,
            [this](int, int nDelta) { OnDeltaposSatPosition(nDelta); });
    connect(&Spin(IDC_SPIN_FREQUENCY), &CSpinButtonCtrl::Stepped, this, [this](int nPos) {
        m_strFrequency = QString::number(nPos);
        WriteControls();
    });
    connect(&Spin(IDC_SPIN_SYMBOL_RATE), &CSpinButtonCtrl::Stepped, this, [this](int nPos) {
        m_strSymbolRate = QString::number(nPos);
        WriteControls();
    });
}

void CSatellitePanel::ShowMode(bool bSatellite) {
    m_bSatelliteMode = bSatellite;
    for (int nId : main_dialog::kSatellitePanelIds)
        m_controls.Find(nId)->setVisible(bSatellite);
    for (int nId : main_dialog::kTransponderPanelIds)
        m_controls.Find(nId)->setVisible(!bSatellite);
}

// ---- option rows --------------------------------------------------------------------------------

// A click checks its button and unchecks the rest of its row; the C/KU row also decides whether
// the C-LNB list can be used.
void CSatellitePanel::OnClickOption(int nId) {
    const SOptionRow* row = RowOf(nId);
    if (row == nullptr)
        return;
    ReadControls();
    for (int i = 0; i < row->nCount; ++i)
        m_controls.Find<QRadioButton>(row->pIds[i])->setChecked(row->pIds[i] == nId);
    if (row->pIds == kCkuRow)
        Combo(IDC_COMBO_CLNB_FREQ).setEnabled(nId != IDC_RADIO_CKU_NONE);
    WriteControls();
}

// DiSEqC values 5 and 6 (the hidden Motor and USALS choices) show no port.
void CSatellitePanel::OnRadioMotorUsals() {
    ReadControls();
    for (int nId : kDiseqcRow)
        m_controls.Find<QRadioButton>(nId)->setChecked(false);
    WriteControls();
}

int CSatellitePanel::CheckedIndex(const SOptionRow& row) const {
    for (int i = 0; i < row.nCount; ++i) {
        if (IsChecked(row.pIds[i]))
            return i;
    }
    return -1;
}

// ---- typed numbers ------------------------------------------------------------------------------

// Every change of a number edit is checked at once: a value past the limit puts the last accepted
// text back (the keystroke is undone); a good one stays as typed and moves the spin.
void CSatellitePanel::CheckNumberEdit(QString& member, int nSpinId, int limit, bool tenths) {
    const QString accepted = member;
    ReadControls();
    const int value =
        tenths ? ParseTenths(member, kNumberChars) : ParseDecimal(member, kNumberChars);
    if (value < 0 || value > limit) {
        member = accepted;
        WriteControls();
        return;
    }
    Spin(nSpinId).SetPos(value);
    ReadControls();
}

void CSatellitePanel::FormatNumberEdits() {
    ReadControls();
    m_strSatPosition = PositionText(ParseTenths(m_strSatPosition, kNumberChars));
    for (QString* number : {&m_strFrequency, &m_strSymbolRate})
        *number = QString::number(ParseDecimal(*number, kNumberChars));
    WriteControls();
}

// An arrow steps the position a tenth of a degree from the value the field shows.
void CSatellitePanel::OnDeltaposSatPosition(int nDelta) {
    ReadControls();
    const int nTenths =
        std::clamp(ParseTenths(m_strSatPosition, kNumberChars) + nDelta, 0, kPositionLimit);
    m_strSatPosition = PositionText(nTenths);
    Spin(IDC_SPIN_SAT_POSITION).SetPos(nTenths);
    WriteControls();
}

// ---- showing records ----------------------------------------------------------------------------

// Selects a list entry as the panel itself does, then reads the controls back so the bound text
// is the entry's and a later write keeps that entry.
void CSatellitePanel::SelectEntry(int nComboId, int nIndex) {
    Combo(nComboId).setCurrentIndex(nIndex);
    ReadControls();
}

// A stored LNB value shows its list entry, or its frequency found in the list's frequencies.
void CSatellitePanel::ShowLnb(int nComboId, const SLnbEncoding& lnb, BYTE bValue, WORD wFrequency) {
    const int nEntry = LnbEntryOf(lnb, bValue);
    if (nEntry >= 0) {
        SelectEntry(nComboId, nEntry);
        return;
    }
    SelectListEntry(Combo(nComboId), QString::number(wFrequency), lnb.nFirstFrequencyEntry);
    ReadControls();
}

void CSatellitePanel::ShowSatellite(const SSAT_INFO* sat) {
    if (sat == nullptr) {
        m_strSatName.clear();
        m_strSatPosition = QStringLiteral("0.0");
        WriteControls();
        Spin(IDC_SPIN_SAT_POSITION).SetPos(0);
        OnClickOption(IDC_RADIO_CKU_NONE);
        SelectEntry(IDC_COMBO_LNB_FREQ, 0);
        SelectEntry(IDC_COMBO_CLNB_FREQ, 0);
        OnClickOption(IDC_RADIO_LNB_POWER_ON);
        OnClickOption(IDC_RADIO_22KHZ_OFF);
        OnClickOption(IDC_RADIO_0V);
        OnClickOption(IDC_RADIO_TONEBURST_OFF);
        OnClickOption(IDC_RADIO_DISEQC_NONE);
        return;
    }
    m_strSatName = NameText(m_names, sat->szName);
    m_strSatPosition = PositionText(sat->wPosition);
    WriteControls();
    Spin(IDC_SPIN_SAT_POSITION).SetPos(sat->wPosition);

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

void CSatellitePanel::ShowNameAgain(const CNameCodec& before) {
    QLineEdit& name = Edit(IDC_EDIT_SAT_NAME);
    if (const std::optional<std::string> bytes = NameBytes(before, name.text())) {
        m_strSatName = NameText(m_names, *bytes);
        SetTextKeepingCaret(name, m_strSatName);
    }
}

void CSatellitePanel::ShowTransponder(const STP_INFO* tp) {
    if (tp == nullptr) {
        ShowTransponderValues(1000, 1000, 0, 0);
        return;
    }
    const int fec = tp->attribute >> 4;
    ShowTransponderValues(tp->frequency, tp->symbolrate, tp->attribute & 1,
                          fec < static_cast<int>(std::size(kFecNames)) ? fec : 0);
}

void CSatellitePanel::ShowTransponderValues(int nFreq, int nSymbolRate, int nHorizontal, int nFec) {
    m_strFrequency = QString::number(nFreq);
    m_strSymbolRate = QString::number(nSymbolRate);
    WriteControls();
    Spin(IDC_SPIN_FREQUENCY).SetPos(nFreq);
    Spin(IDC_SPIN_SYMBOL_RATE).SetPos(nSymbolRate);
    OnClickOption(ButtonFor(Row(kPolarizationRow), nHorizontal));
    SelectEntry(IDC_COMBO_FEC, nFec);
}

// ---- reading records ----------------------------------------------------------------------------

// The fields Append and Update both take from the panel: name, position, LNB and C-LNB.
void CSatellitePanel::ReadSatelliteFields(SSAT_INFO& rec) {
    ReadControls();
    SetName(rec.szName, NameBytes(m_names, m_strSatName).value_or(std::string()));
    rec.wPosition = ReadNumber(m_strSatPosition, kPositionChars);
    const SLnbValue lnb =
        EncodeLnb(kLnbEncoding, SelectionOf(Combo(IDC_COMBO_LNB_FREQ)), ReadNumber(m_strLnbFreq));
    rec.bLnbType = lnb.bValue;
    rec.wLnbFreq = lnb.wFrequency;
    const SLnbValue cLnb = EncodeLnb(kCLnbEncoding, SelectionOf(Combo(IDC_COMBO_CLNB_FREQ)),
                                     ReadNumber(m_strCLnbFreq));
    rec.bCLnb = cLnb.bValue;
    rec.wCLnbFreq = cLnb.wFrequency;
}

// The C/KU switch of the checked button, -1 when none is checked.
int CSatellitePanel::CkuSwitchValue() const {
    const int checked = CheckedIndex(Row(kCkuRow));
    return checked == 2 ? kCkuToneBurstValue : checked;
}

// Offset 8 with the LNB power, 22 kHz, 12 V and ToneBurst bits from the panel; the bits the panel
// does not show are kept from `kept`.
BYTE CSatellitePanel::SwitchBits(BYTE kept) const {
    constexpr BYTE kToneBurstMask = 3 << SW_TONEBURST_SHIFT;
    int bits = kept & ~(SW_LNB_POWER | SW_22KHZ | SW_12V | kToneBurstMask);
    bits |= IsChecked(IDC_RADIO_LNB_POWER_ON) ? SW_LNB_POWER : 0;
    bits |= IsChecked(IDC_RADIO_22KHZ_ON) ? SW_22KHZ : 0;
    bits |= IsChecked(IDC_RADIO_12V) ? SW_12V : 0;
    bits |= std::max(CheckedIndex(Row(kToneBurstRow)), 0) << SW_TONEBURST_SHIFT;
    return static_cast<BYTE>(bits);
}

SSAT_INFO CSatellitePanel::NewSatellite() {
    SSAT_INFO rec{};
    ReadSatelliteFields(rec);
    rec.bCkuSwitch = static_cast<BYTE>(std::max(CkuSwitchValue(), 0));
    rec.bSwitch = SwitchBits(0);
    rec.bDiseqc = static_cast<BYTE>(std::max(CheckedIndex(Row(kDiseqcRow)), 0));
    return rec;
}

SSAT_INFO CSatellitePanel::ChangedSatellite(const SSAT_INFO& stored) {
    SSAT_INFO rec = stored;
    ReadSatelliteFields(rec);
    if (const int cku = CkuSwitchValue(); cku >= 0)
        rec.bCkuSwitch = static_cast<BYTE>(cku);
    rec.bSwitch = SwitchBits(rec.bSwitch);
    if (const int diseqc = CheckedIndex(Row(kDiseqcRow)); diseqc >= 0)
        rec.bDiseqc = static_cast<BYTE>(diseqc);
    return rec;
}

// The FEC list's selection; none counts as Auto.
STP_INFO CSatellitePanel::TransponderValues() {
    ReadControls();
    STP_INFO tp{};
    tp.frequency = ReadNumber(m_strFrequency);
    tp.symbolrate = ReadNumber(m_strSymbolRate);
    const int nFec = std::max(SelectionOf(Combo(IDC_COMBO_FEC)), 0);
    tp.attribute = static_cast<BYTE>((IsChecked(IDC_RADIO_HORIZONTAL) ? 1 : 0) | nFec << 4);
    return tp;
}
