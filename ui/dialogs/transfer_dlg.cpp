#include "transfer_dlg.h"

#include "controls.h"
#include "prompt.h"
#include "transfer_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>
#include <functional>

// The port list re-reads the devices each time it drops down.
class CPortCombo : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> onDropDown;
    void showPopup() override {
        if (onDropDown)
            onDropDown();
        QComboBox::showPopup();
    }
};

namespace {

// The line settings every transfer uses.
constexpr UINT kBaud = 115200;
constexpr char kParity = 'N';
constexpr UINT kDataBits = 8;
constexpr UINT kStopBits = 1;
constexpr int kComPortCount = static_cast<int>(std::size(kTransferPorts));
constexpr int kDeviceIdRole = Qt::UserRole; // an item's port: "COM1", an identity or a path

const char* const kOtherDevice = QT_TRANSLATE_NOOP("CTransferDlg", "Other device…");

QString FromStd(const std::string& strText) {
    return QString::fromStdString(strText);
}

// "ttyUSB0 — FT232R USB UART"
QString ItemText(const SSerialDevice& device) {
    const QString name = FromStd(device.strName);
    return device.strDescription.empty()
               ? name
               : name + QStringLiteral(" \u2014 ") + FromStd(device.strDescription);
}

// What the system knows of the device besides its name and description.
QString ItemTip(const SSerialDevice& device) {
    QStringList lines;
    if (!device.strManufacturer.empty())
        lines << CTransferDlg::tr("Manufacturer: %1").arg(FromStd(device.strManufacturer));
    if (!device.strSerialNumber.empty())
        lines << CTransferDlg::tr("Serial number: %1").arg(FromStd(device.strSerialNumber));
    if (device.nVendorId >= 0 && device.nProductId >= 0)
        lines << CTransferDlg::tr("Vendor:product: %1:%2")
                     .arg(device.nVendorId, 4, 16, QLatin1Char('0'))
                     .arg(device.nProductId, 4, 16, QLatin1Char('0'));
    lines << CTransferDlg::tr("Path: %1").arg(FromStd(device.strPath));
    if (!device.strById.empty())
        lines << FromStd(device.strById);
    return lines.join('\n');
}

std::string Label(const SPortSetting& port) {
    return DeviceLabel(port.strName.toStdString(), port.strDescription.toStdString());
}

} // namespace

// The lamps are compiled into the ui library.
static void InitResources() {
    Q_INIT_RESOURCE(orvane);
}

CTransferDlg::CTransferDlg(CPrompt& prompt, STransferSettings& settings,
                           const ISerialDeviceList& devices, QWidget* parent)
    : QDialog(parent), m_prompt(prompt), m_deviceList(devices),
      m_protocol(m_port, *this, settings) {
    InitResources();
    setWindowTitle(QCoreApplication::translate("TransferDialog", kTransferDialogCaption));
    setFont(QFont(QString::fromLatin1(kTransferDialogFontFamily), kTransferDialogFontPoints));
    CreateControls();
    for (UINT nId : {kPollTimerId, kCloseTimerId, kPortListTimerId, kNoAnswerTimerId})
        connect(&Timer(nId), &QTimer::timeout, this, [this, nId] { OnTimer(nId); });
    m_silenceTimer.setSingleShot(true);
    m_clock.start();
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
    m_pPortList = static_cast<CPortCombo*>(GetDlgItem(IDC_COMBO_PORT));
    m_pPortList->onDropDown = [this] { RefreshPortList(); };
    m_pGreenLamp = GetDlgItem<QLabel>(IDC_LAMP_GREEN);
    m_pRedLamp = GetDlgItem<QLabel>(IDC_LAMP_RED);

    connect(m_pPortList, &QComboBox::activated, this, &CTransferDlg::OnSelchangePort);
    connect(m_pPortList->lineEdit(), &QLineEdit::textEdited, this, &CTransferDlg::OnEditchangePort);
    connect(GetDlgItem<QPushButton>(IDC_TRANSFER_CLOSE), &QPushButton::clicked, this,
            &QDialog::reject);
    setFixedSize(units.X(kTransferDialogWidth), units.Y(kTransferDialogHeight));
}

QWidget* CTransferDlg::CreateControl(const STransferItem& item) {
    const QString text = item.kind == ETransferItemKind::Lamp
                             ? QString::fromLatin1(item.pszText)
                             : QCoreApplication::translate("TransferDialog", item.pszText);
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
        auto* combo = new CPortCombo(this);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        for (const char* pszPort : kTransferPorts)
            combo->addItem(QString::fromLatin1(pszPort), QString::fromLatin1(pszPort));
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

// A remembered port that is not plugged in is named, and nothing is opened until the user picks
// a port.
void CTransferDlg::OnInitDialog() {
    m_nLogLines = 0;
    ShowLamp(false);
    RefreshPortList();
    if (IsPresent(m_chosen.strId)) {
        AddOtherPath(m_chosen.strId);
        SelectPort(m_chosen.strId);
        OnSelchangePort();
    } else {
        m_pPortList->setCurrentIndex(-1);
        AddLog(
            tr("%1 is not plugged in").arg(QString::fromStdString(Label(m_chosen))).toStdString());
    }
    m_listTimer.start(kPortListTimerMs);

    const bool bUpload = m_protocol.GetDirection() == DIRECTION_STB_TO_PC;
    setWindowTitle(bUpload ? tr("Data Transfer STB to PC") : tr("Data Transfer PC to STB"));
    AddLog((bUpload ? tr("Data Transfer mode : STB ==> PC") : tr("Data Transfer mode : PC ==> STB"))
               .toStdString());
    m_pTransferLabel->setText(bUpload ? tr("Upload")
                                      : QCoreApplication::translate("TransferDialog", "Download"));
    m_pFlashLabel->setVisible(!bUpload);
    m_pFlashBar->setVisible(!bUpload);
    m_protocol.InitProgress();
}

// Every timer stops with the dialog: the close timer must never reach a port that is gone.
void CTransferDlg::DestroyWindow() {
    if (m_bDestroyed)
        return;
    m_bDestroyed = true;
    for (UINT nId : {kPollTimerId, kCloseTimerId, kPortListTimerId, kNoAnswerTimerId})
        Timer(nId).stop();
    m_port.Close();
}

void CTransferDlg::accept() {}

// ---- choosing the port ------------------------------------------------------------------------

// The previous port is the one last connected: a port that failed to open is neither
// "disconnected" nor tried again.
void CTransferDlg::OnSelchangePort() {
    if (!CanChangePort()) {
        // The transfer goes on where it is; the list must not claim another port.
        SelectPort(m_connected.strId);
        return;
    }
    if (m_pPortList->currentIndex() < 0)
        return;
    // Only "Other device…" has no port of its own.
    if (CurrentPortId().isEmpty() && !ChooseOtherDevice()) {
        SelectPort(m_connected.strId);
        return;
    }
    ConnectTo(PortOf(CurrentPortId()));
}

void CTransferDlg::ConnectTo(const SPortSetting& port) {
    const SPortSetting previous = m_connected;
    const bool bPrevious = !previous.strId.isEmpty();
    ShowLamp(false);
    SetBarPos(ETransferBar::Transfer, 0);
    SetBarPos(ETransferBar::Flash, 0);
    m_pLog->clear();
    m_nLogLines = 0;
    m_silenceTimer.stop();

    std::optional<SPortSetting> open;
    if (OpenPort(port)) {
        open = port;
        if (bPrevious)
            AddLog(tr("Disconnection %1").arg(previous.strName).toStdString());
    } else {
        const std::string strAdvice = OpenFailureAdvice(m_port); // before the previous port opens
        if (bPrevious) {
            AddLog(tr("Connection %1 Error!!!").arg(port.strName).toStdString());
            if (OpenPort(previous))
                open = previous;
            SelectPort(previous.strId);
        } else {
            AddLog(tr("Connection Error!!!, Check the serial port.").toStdString());
        }
        AddLog(strAdvice);
    }

    if (open) {
        AddLog(tr("Connection %1").arg(open->strName).toStdString());
        m_connected = *open;
        m_chosen = *open;
        m_bTransferEnded = false;
        ShowLamp(true);
        m_protocol.SetState(ETransferState::Ready);
        m_silenceTimer.start(kNoAnswerMs);
    }
}

bool CTransferDlg::CanChangePort() const {
    const UINT nIndex = m_protocol.GetBlockIndex();
    const UINT nCount = m_protocol.GetBlockCount();
    const UINT nFlash = m_protocol.GetFlashCounter();
    const bool bReceivedWhole = nIndex == nCount && nFlash == 0;
    if (!m_port.IsOpen()) // nothing is in flight on a port that is gone
        return !(bReceivedWhole && m_protocol.GetDirection() == DIRECTION_STB_TO_PC);
    return !IsTransferring() && !bReceivedWhole;
}

bool CTransferDlg::IsTransferring() const {
    const UINT nIndex = m_protocol.GetBlockIndex();
    const UINT nCount = m_protocol.GetBlockCount();
    const UINT nFlash = m_protocol.GetFlashCounter();
    const bool bBlockInFlight = nIndex != 0 && nIndex != nCount;
    const bool bFlashInFlight = nFlash != 0 && nFlash != nCount / 4;
    return m_port.IsOpen() && (bBlockInFlight || bFlashInFlight);
}

// A COM port by its number, anything else by the path of the device it names.
BOOL CTransferDlg::OpenPort(const SPortSetting& port) {
    const std::string strId = port.strId.toStdString();
    if (const UINT nCom = ComPortNumber(strId))
        return m_port.Open(this, nCom, kBaud, kParity, kDataBits, kStopBits, EV_RXCHAR | EV_CTS);
    const SSerialDevice* pDevice = FindDevice(m_devices, strId);
    return m_port.OpenDevice(this, pDevice ? pDevice->strPath : strId, 1, kBaud, kParity, kDataBits,
                             kStopBits, EV_RXCHAR | EV_CTS);
}

bool CTransferDlg::ChooseOtherDevice() {
    const std::optional<QString> path = m_prompt.GetText(
        tr(kOtherDevice).chopped(1), tr("Device path, such as the one stb-sim prints:"),
        QStringLiteral("/dev/"));
    if (!path || path->trimmed().isEmpty())
        return false;
    // A listed device typed by its path or name is that device.
    const std::string strPath = FindDevicePath(m_devices, path->trimmed().toStdString());
    const auto it = std::find_if(m_devices.begin(), m_devices.end(),
                                 [&](const SSerialDevice& d) { return d.strPath == strPath; });
    const QString id = FromStd(it != m_devices.end() ? DeviceIdentity(*it) : strPath);
    AddOtherPath(id);
    SelectPort(id);
    return true;
}

// Typing into the list's edit field is undone: only the ports listed can be chosen.
void CTransferDlg::OnEditchangePort() {
    m_pPortList->setEditText(m_pPortList->itemText(m_pPortList->currentIndex()));
}

// ---- the port list ------------------------------------------------------------------------------

SPortSetting CTransferDlg::PortOf(const QString& strId) const {
    if (ComPortNumber(strId.toStdString()) != 0)
        return {strId, strId, QString()};
    if (const SSerialDevice* pDevice = FindDevice(m_devices, strId.toStdString()))
        return {strId, FromStd(pDevice->strName), FromStd(pDevice->strDescription)};
    return {strId, FromStd(DeviceName(strId.toStdString())), QString()};
}

bool CTransferDlg::IsPresent(const QString& strId) const {
    return ComPortNumber(strId.toStdString()) != 0 ||
           FindDevice(m_devices, strId.toStdString()) != nullptr || QFileInfo::exists(strId);
}

void CTransferDlg::SelectPort(const QString& strId) {
    m_pPortList->setCurrentIndex(strId.isEmpty() ? -1
                                                 : m_pPortList->findData(strId, kDeviceIdRole));
}

void CTransferDlg::AddOtherPath(const QString& path) {
    if (m_pPortList->findData(path, kDeviceIdRole) >= 0)
        return;
    m_otherPaths << path;
    FillPortList();
}

QString CTransferDlg::CurrentPortId() const {
    return m_pPortList->currentData(kDeviceIdRole).toString();
}

void CTransferDlg::RefreshPortList() {
    if (IsTransferring())
        return;
    std::vector<SSerialDevice> devices = m_deviceList.Devices();
    // The system cannot always look into a port that this dialog holds open (a built-in port is
    // tried by opening it): that one is gone when the port itself says so.
    const std::string strHeld = m_port.IsOpen() ? m_connected.strId.toStdString() : "";
    if (const SSerialDevice* pHeld = FindDevice(m_devices, strHeld);
        pHeld && !FindDevice(devices, strHeld))
        devices.insert(devices.begin() + std::min(pHeld - m_devices.data(),
                                                  static_cast<std::ptrdiff_t>(devices.size())),
                       *pHeld);
    if (m_bListRead && devices == m_devices)
        return;
    const auto isListed = [](const std::vector<SSerialDevice>& list, const SSerialDevice& d) {
        return FindDevice(list, DeviceIdentity(d)) != nullptr;
    };
    const std::vector<SSerialDevice> before = std::exchange(m_devices, std::move(devices));
    for (const SSerialDevice& device : m_devices)
        if (m_bListRead && !isListed(before, device))
            m_plugTimes[DeviceIdentity(device)] = m_clock.elapsed();
    for (const SSerialDevice& device : before)
        if (!isListed(m_devices, device))
            OnDeviceGone(device);
    m_bListRead = true;
    FillPortList();
}

// One line for the device that was connected, or that went as soon as it came: on some
// distributions brltty takes USB serial adapters for braille displays.
void CTransferDlg::OnDeviceGone(const SSerialDevice& device) {
    const std::string strId = DeviceIdentity(device);
    const auto plugged = m_plugTimes.find(strId);
    const bool bJustPlugged =
        plugged != m_plugTimes.end() && m_clock.elapsed() - plugged->second < kJustPluggedMs;
    if (plugged != m_plugTimes.end())
        m_plugTimes.erase(plugged);
    const std::string strLabel = DeviceLabel(device.strName, device.strDescription);
    if (bJustPlugged)
        AddLog(tr("%1 went away right after it was plugged in: on some distributions brltty takes "
                  "such adapters; remove brltty, then plug the adapter in again")
                   .arg(QString::fromStdString(strLabel))
                   .toStdString());
    else if (m_bLosing && m_connected.strId.toStdString() == strId)
        AddLog(tr("%1 was unplugged").arg(QString::fromStdString(strLabel)).toStdString());
}

// COM1 to COM4 stay in their places; the devices and the paths chosen follow them. The list
// drops down as wide as its longest entry, and the control itself keeps its place and size.
void CTransferDlg::FillPortList() {
    const QString current = CurrentPortId();
    while (m_pPortList->count() > kComPortCount)
        m_pPortList->removeItem(kComPortCount);
    for (const SSerialDevice& device : m_devices) {
        m_pPortList->addItem(ItemText(device), FromStd(DeviceIdentity(device)));
        m_pPortList->setItemData(m_pPortList->count() - 1, ItemTip(device), Qt::ToolTipRole);
    }
    for (const QString& path : m_otherPaths)
        if (m_pPortList->findData(path, kDeviceIdRole) < 0)
            m_pPortList->addItem(FromStd(DeviceName(path.toStdString())), path);
    m_pPortList->addItem(tr(kOtherDevice));
    m_pPortList->setCurrentIndex(current.isEmpty() ? -1
                                                   : m_pPortList->findData(current, kDeviceIdRole));
    QAbstractItemView* pView = m_pPortList->view();
    pView->setMinimumWidth(pView->sizeHintForColumn(0) + 2 * pView->frameWidth() +
                           pView->verticalScrollBar()->sizeHint().width());
}

void CTransferDlg::OnNoAnswer() {
    m_silenceTimer.stop();
    if (m_port.IsOpen())
        AddLog(NoAnswerAdvice(m_connected.strName.toStdString()));
}

// ---- the port's notifications -----------------------------------------------------------------

void CTransferDlg::OnSerialCts(UINT) {}

void CTransferDlg::OnSerialByte(BYTE bValue, UINT nPort) {
    m_silenceTimer.stop();
    m_protocol.OnSerialByte(bValue, nPort);
}

void CTransferDlg::OnSerialError(const std::string& strText, const std::string& strCaption) {
    m_prompt.MessageBox(QString::fromStdString(strText), QString::fromStdString(strCaption),
                        MB_OK | MB_ICONSTOP);
}

// The port is closed already: the dialog stands as after a failed open before anything is shown.
// A box that hangs up once the transfer has ended spoils nothing, so the log just notes it; an
// adapter that has gone from the device list was unplugged, which its log line says.
void CTransferDlg::OnSerialLost(const std::string& strText, const std::string& strCaption) {
    ShowLamp(false);
    m_pollTimer.stop();
    m_silenceTimer.stop();
    if (m_bTransferEnded) {
        AddLog(kClosedAfterTransfer);
        return;
    }
    const std::string strId = m_connected.strId.toStdString();
    if (FindDevice(m_devices, strId)) {
        m_bLosing = true;
        RefreshPortList();
        m_bLosing = false;
        if (!FindDevice(m_devices, strId))
            return;
    }
    OnSerialError(strText, strCaption);
}

void CTransferDlg::OnTimer(UINT nId) {
    if (nId == kPortListTimerId)
        RefreshPortList();
    else if (nId == kNoAnswerTimerId)
        OnNoAnswer();
    else
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

const QTimer& CTransferDlg::Timer(UINT nId) const {
    switch (nId) {
    case kPollTimerId:
        return m_pollTimer;
    case kPortListTimerId:
        return m_listTimer;
    case kNoAnswerTimerId:
        return m_silenceTimer;
    default:
        return m_closeTimer;
    }
}

QTimer& CTransferDlg::Timer(UINT nId) {
    return const_cast<QTimer&>(std::as_const(*this).Timer(nId));
}

void CTransferDlg::StartTimer(UINT nId, UINT nMilliseconds) {
    Timer(nId).start(static_cast<int>(nMilliseconds));
}

void CTransferDlg::KillTimer(UINT nId) {
    Timer(nId).stop();
}

bool CTransferDlg::IsTimerActive(UINT nId) const {
    return Timer(nId).isActive();
}

void CTransferDlg::ClosePort() {
    m_silenceTimer.stop();
    m_port.Close();
}

void CTransferDlg::OnEndOfTransfer() {
    m_bTransferEnded = true;
}
