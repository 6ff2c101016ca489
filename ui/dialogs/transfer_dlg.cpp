#include "transfer_dlg.h"

#include "controls.h"
#include "prompt.h"
#include "transfer_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace {

// The line settings every transfer uses.
constexpr UINT kBaud = 115200;
constexpr char kParity = 'N';
constexpr UINT kDataBits = 8;
constexpr UINT kStopBits = 1;
constexpr UINT kPortCount = std::size(kTransferPorts);

bool IsPortNumber(UINT nPort) {
    return nPort >= 1 && nPort <= kPortCount;
}

QString Format(const char* pszFormat, UINT nNumber) {
    return QString::asprintf(pszFormat, nNumber);
}

} // namespace

// The lamps are compiled into the ui library.
static void InitResources() {
    Q_INIT_RESOURCE(orvane);
}

CTransferDlg::CTransferDlg(CPrompt& prompt, STransferSettings& settings, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_protocol(m_port, *this, settings) {
    InitResources();
    setWindowTitle(QString::fromLatin1(kTransferDialogCaption));
    setFont(QFont(QString::fromLatin1(kTransferDialogFontFamily), kTransferDialogFontPoints));
    CreateControls();
    for (QTimer* pTimer : {&m_pollTimer, &m_closeTimer}) {
        const UINT nId = pTimer == &m_pollTimer ? kPollTimerId : kCloseTimerId;
        connect(pTimer, &QTimer::timeout, this, [this, nId] { OnTimer(nId); });
    }
}

CTransferDlg::~CTransferDlg() {
    DestroyWindow();
}

// ---- controls -------------------------------------------------------------------------------

void CTransferDlg::CreateControls() {
    const CDialogUnits units(font());
    for (const STransferItem& item : transfer_dialog::kItems) {
        QWidget* control = CreateControl(item);
        control->setObjectName(QString::number(item.nId));
        QRect rect = units.MapRect(item.x, item.y, item.cx, item.cy);
        if (item.kind == ETransferItemKind::PortList)
            rect.setHeight(control->sizeHint().height()); // closed, without its dropped list
        else if (item.kind == ETransferItemKind::Lamp)
            rect.setSize(control->sizeHint()); // a bitmap control takes its bitmap's size
        control->setGeometry(rect);
        m_controls[item.nId] = control;
    }
    m_pLog = GetDlgItem<QListWidget>(IDC_LIST_LOG);
    m_pTransferLabel = GetDlgItem<QLabel>(IDC_STATIC_TRANSFER);
    m_pTransferBar = GetDlgItem<QProgressBar>(IDC_PROGRESS_TRANSFER);
    m_pFlashLabel = GetDlgItem<QLabel>(IDC_STATIC_FLASH);
    m_pFlashBar = GetDlgItem<QProgressBar>(IDC_PROGRESS_FLASH);
    m_pPortList = GetDlgItem<QComboBox>(IDC_COMBO_PORT);
    m_pGreenLamp = GetDlgItem<QLabel>(IDC_LAMP_GREEN);
    m_pRedLamp = GetDlgItem<QLabel>(IDC_LAMP_RED);

    connect(m_pPortList, &QComboBox::activated, this, &CTransferDlg::OnSelchangePort);
    connect(m_pPortList->lineEdit(), &QLineEdit::textEdited, this, &CTransferDlg::OnEditchangePort);
    connect(GetDlgItem<QPushButton>(IDC_TRANSFER_CLOSE), &QPushButton::clicked, this,
            &QDialog::reject);
    setFixedSize(units.X(kTransferDialogWidth), units.Y(kTransferDialogHeight));
}

QWidget* CTransferDlg::CreateControl(const STransferItem& item) {
    const QString text = QString::fromLatin1(item.pszText);
    switch (item.kind) {
    case ETransferItemKind::LogList: {
        auto* log = new QListWidget(this);
        log->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return log;
    }
    case ETransferItemKind::Progress: {
        auto* bar = new QProgressBar(this);
        bar->setTextVisible(false);
        bar->setRange(0, 100);
        bar->setValue(0);
        return bar;
    }
    case ETransferItemKind::Label: {
        // Static text starts at the top of its place, level with the control beside it.
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ETransferItemKind::PortList: {
        auto* combo = new QComboBox(this);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        for (const char* pszPort : kTransferPorts)
            combo->addItem(QString::fromLatin1(pszPort));
        return combo;
    }
    case ETransferItemKind::Lamp: {
        auto* lamp = new QLabel(this);
        lamp->setPixmap(QPixmap(text));
        lamp->hide();
        return lamp;
    }
    case ETransferItemKind::Button: {
        // Not a default button: Enter must not close the dialog.
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        return button;
    }
    }
    return nullptr;
}

QWidget* CTransferDlg::GetDlgItem(int nId) const {
    const auto it = m_controls.find(nId);
    return it == m_controls.end() ? nullptr : it->second;
}

// ---- what the commands use --------------------------------------------------------------------

void CTransferDlg::SetDirection(UINT nDirection) {
    m_protocol.SetDirection(nDirection);
}

void CTransferDlg::SetPortIndex(BYTE nIndex) {
    m_nPortIndex = nIndex < kPortCount ? nIndex : 0;
}

BOOL CTransferDlg::SetImageData(const BYTE* pData, UINT nLength) {
    return m_protocol.SetImageData(pData, nLength);
}

UINT CTransferDlg::GetImageData(BYTE* pOut) const {
    return m_protocol.GetImageData(pOut);
}

UINT CTransferDlg::GetImageLength() const {
    return m_protocol.GetImageLength();
}

BOOL CTransferDlg::IsComplete() const {
    return m_protocol.IsComplete();
}

int CTransferDlg::DoModal() {
    OnInitDialog();
    const int nResult = m_prompt.RunModal(*this);
    DestroyWindow();
    return nResult;
}

// ---- opening and closing ----------------------------------------------------------------------

void CTransferDlg::OnInitDialog() {
    m_nLogLines = 0;
    ShowLamp(false);
    m_pPortList->setCurrentIndex(m_nPortIndex);
    OnSelchangePort();

    const bool bUpload = m_protocol.GetDirection() == DIRECTION_STB_TO_PC;
    setWindowTitle(bUpload ? QStringLiteral("Data Transfer STB to PC")
                           : QStringLiteral("Data Transfer PC to STB"));
    AddLog(bUpload ? "Data Transfer mode : STB ==> PC" : "Data Transfer mode : PC ==> STB");
    m_pTransferLabel->setText(bUpload ? QStringLiteral("Upload") : QStringLiteral("Download"));
    m_pFlashLabel->setVisible(!bUpload);
    m_pFlashBar->setVisible(!bUpload);
    m_protocol.InitProgress();
}

// Both timers stop with the dialog: the close timer must never reach a port that is gone.
void CTransferDlg::DestroyWindow() {
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    m_pollTimer.stop();
    m_closeTimer.stop();
    m_port.Close();
}

void CTransferDlg::accept() {}

// ---- choosing the port ------------------------------------------------------------------------

// The previous port is the one last connected: a port that failed to open is neither
// "disconnected" nor tried again.
void CTransferDlg::OnSelchangePort() {
    const UINT nPrevious = m_nConnectedPort;
    const UINT nChosen = static_cast<UINT>(m_pPortList->currentIndex()) + 1;
    if (!CanChangePort()) {
        // The transfer goes on where it is; the list must not claim another port.
        if (IsPortNumber(nPrevious))
            m_pPortList->setCurrentIndex(static_cast<int>(nPrevious) - 1);
        return;
    }

    ShowLamp(false);
    SetBarPos(ETransferBar::Transfer, 0);
    SetBarPos(ETransferBar::Flash, 0);
    m_pLog->clear();
    m_nLogLines = 0;

    if (!OpenPort(nChosen)) {
        const bool bDenied = m_port.IsAccessDenied(); // before the previous port is opened again
        if (IsPortNumber(nPrevious)) {
            AddLog(Format("Connection COM%d Error!!!", nChosen).toStdString());
            OpenPort(nPrevious);
            m_pPortList->setCurrentIndex(static_cast<int>(nPrevious) - 1);
        } else {
            AddLog("Connection Error!!!, Check the serial port.");
        }
        if (bDenied)
            AddLog(kSerialAccessHint);
    } else if (IsPortNumber(nPrevious)) {
        AddLog(Format("Disconnection COM%d", nPrevious).toStdString());
    }

    if (m_port.IsOpen()) {
        const UINT nOpen = m_port.GetPortNumber();
        AddLog(Format("Connection COM%d", nOpen).toStdString());
        m_nConnectedPort = nOpen;
        m_nPortIndex = static_cast<BYTE>(nOpen - 1);
        m_bTransferEnded = false;
        ShowLamp(true);
        m_protocol.SetState(ETransferState::Ready);
    }
}

bool CTransferDlg::CanChangePort() const {
    const UINT nIndex = m_protocol.GetBlockIndex();
    const UINT nCount = m_protocol.GetBlockCount();
    const UINT nFlash = m_protocol.GetFlashCounter();
    const bool bNoBlockInFlight = nIndex == 0 || nIndex == nCount;
    const bool bNoFlashInFlight = nFlash == 0 || nFlash == nCount / 4;
    const bool bReceivedWhole = nIndex == nCount && nFlash == 0;
    if (!m_port.IsOpen()) // nothing is in flight on a port that is gone
        return !(bReceivedWhole && m_protocol.GetDirection() == DIRECTION_STB_TO_PC);
    return bNoBlockInFlight && bNoFlashInFlight && !bReceivedWhole;
}

BOOL CTransferDlg::OpenPort(UINT nPort) {
    return m_port.Open(this, nPort, kBaud, kParity, kDataBits, kStopBits, EV_RXCHAR | EV_CTS);
}

// Typing into the list's edit field is undone: only the four ports can be chosen.
void CTransferDlg::OnEditchangePort() {
    m_pPortList->setEditText(m_pPortList->itemText(m_pPortList->currentIndex()));
}

// ---- the port's notifications -----------------------------------------------------------------

void CTransferDlg::OnSerialCts(UINT) {}

void CTransferDlg::OnSerialByte(BYTE bValue, UINT nPort) {
    m_protocol.OnSerialByte(bValue, nPort);
}

void CTransferDlg::OnSerialError(const std::string& strText, const std::string& strCaption) {
    m_prompt.MessageBox(QString::fromStdString(strText), QString::fromStdString(strCaption),
                        MB_OK | MB_ICONSTOP);
}

// The port is closed already: the dialog stands as after a failed open before anything is shown.
// A box that hangs up once the transfer has ended spoils nothing, so the log just notes it.
void CTransferDlg::OnSerialLost(const std::string& strText, const std::string& strCaption) {
    ShowLamp(false);
    m_pollTimer.stop();
    if (m_bTransferEnded)
        AddLog(kClosedAfterTransfer);
    else
        OnSerialError(strText, strCaption);
}

void CTransferDlg::OnTimer(UINT nId) {
    m_protocol.OnTimer(nId);
}

// ---- what the engine shows ----------------------------------------------------------------------

// Lines go in at the end by index, so they keep their order, and the last one is selected so
// that the list scrolls to it.
void CTransferDlg::AddLog(const std::string& strText) {
    m_pLog->insertItem(static_cast<int>(m_nLogLines), QString::fromStdString(strText));
    ++m_nLogLines;
    m_pLog->setCurrentRow(static_cast<int>(m_nLogLines) - 1);
}

QProgressBar& CTransferDlg::Bar(ETransferBar bar) const {
    return bar == ETransferBar::Flash ? *m_pFlashBar : *m_pTransferBar;
}

void CTransferDlg::SetBarRange(ETransferBar bar, UINT nUpper) {
    Bar(bar).setRange(0, static_cast<int>(nUpper));
}

void CTransferDlg::SetBarPos(ETransferBar bar, UINT nPos) {
    Bar(bar).setValue(static_cast<int>(nPos));
}

void CTransferDlg::ShowLamp(bool bConnected) {
    m_pRedLamp->setVisible(!bConnected);
    m_pGreenLamp->setVisible(bConnected);
}

QTimer& CTransferDlg::Timer(UINT nId) {
    return nId == kPollTimerId ? m_pollTimer : m_closeTimer;
}

void CTransferDlg::StartTimer(UINT nId, UINT nMilliseconds) {
    Timer(nId).start(static_cast<int>(nMilliseconds));
}

void CTransferDlg::KillTimer(UINT nId) {
    Timer(nId).stop();
}

bool CTransferDlg::IsTimerActive(UINT nId) const {
    return (nId == kPollTimerId ? m_pollTimer : m_closeTimer).isActive();
}

void CTransferDlg::ClosePort() {
    m_port.Close();
}

void CTransferDlg::OnEndOfTransfer() {
    m_bTransferEnded = true;
}
