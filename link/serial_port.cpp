#include "serial_port.h"

#include "serial_devices.h"

#include <QSerialPort>
#include <QTimer>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace {
constexpr UINT kPortCount = 4;
constexpr int kInputWaitMs = 1; // a write waits this long for input the port has yet to read
const char kErrorCaption[] = "Application Error";
constexpr char kErrorFormat[] = "WARNING:  %s Failed with the following error: \n%s\nPort: %d\n";
// The same for a device that is no COM port's: it is named by its path.
constexpr char kDeviceErrorFormat[] =
    "WARNING:  %s Failed with the following error: \n%s\nPort: %s\n";

bool ToParity(char cParity, QSerialPort::Parity& parity) {
    switch (cParity) {
    case 'N':
    case 'n':
        parity = QSerialPort::NoParity;
        return true;
    case 'E':
    case 'e':
        parity = QSerialPort::EvenParity;
        return true;
    case 'O':
    case 'o':
        parity = QSerialPort::OddParity;
        return true;
    case 'M':
    case 'm':
        parity = QSerialPort::MarkParity;
        return true;
    case 'S':
    case 's':
        parity = QSerialPort::SpaceParity;
        return true;
    default:
        return false;
    }
}
// Qt calls a port that another program holds a permission error too.
EOpenFailure ClassifyOpenFailure(QSerialPort::SerialPortError error, const std::string& strDevice) {
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return EOpenFailure::Missing;
    case QSerialPort::PermissionError:
        return ::faccessat(AT_FDCWD, strDevice.c_str(), R_OK | W_OK, AT_EACCESS) != 0 &&
                       errno == EACCES
                   ? EOpenFailure::AccessDenied
                   : EOpenFailure::Busy;
    default:
        return EOpenFailure::Other;
    }
}
} // namespace

// Calls that can reach the owner, or make the device emit its signals, run inside a delivery: a
// port closed meanwhile is kept until the outermost delivery ends, as the closed port's own code
// may still be on the stack below.
class CSerialPort::CDelivery {
  public:
    explicit CDelivery(CSerialPort& port) : m_port(port) { ++m_port.m_nDelivering; }
    ~CDelivery() {
        if (--m_port.m_nDelivering == 0)
            m_port.m_retired.clear();
    }
    CDelivery(const CDelivery&) = delete;
    CDelivery& operator=(const CDelivery&) = delete;

  private:
    CSerialPort& m_port;
};

std::string ResolveSerialDevice(UINT nPort) {
    if (nPort < 1 || nPort > kPortCount)
        return {};
    const std::string strVariable = "ORVANE_COM" + std::to_string(nPort);
    if (const char* pszPath = std::getenv(strVariable.c_str()); pszPath && *pszPath)
        return pszPath;
    return "/dev/ttyS" + std::to_string(nPort - 1);
}

UINT ComPortNumber(const std::string& strName) {
    if (strName.size() != 4 || strName[3] < '1' || strName[3] > '4')
        return 0;
    for (size_t i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(strName[i])) != "COM"[i])
            return 0;
    return static_cast<UINT>(strName[3] - '0');
}

CSerialPort::CSerialPort() : m_pContext(std::make_unique<QObject>()) {}

CSerialPort::~CSerialPort() {
    Close();
}

BOOL CSerialPort::Open(ISerialOwner* pOwner, UINT nPort, UINT nBaud, char cParity, UINT nDataBits,
                       UINT nStopBits, DWORD dwEvents) {
    if (nPort > kPortCount || pOwner == nullptr)
        return FALSE;
    if (nPort == 0) {
        for (UINT n = 1; n <= kPortCount; ++n)
            if (Open(pOwner, n, nBaud, cParity, nDataBits, nStopBits, dwEvents))
                return TRUE;
        return FALSE;
    }
    return OpenDevice(pOwner, ResolveSerialDevice(nPort), nPort, nBaud, cParity, nDataBits,
                      nStopBits, dwEvents);
}

BOOL CSerialPort::OpenDevice(ISerialOwner* pOwner, const std::string& strDevice, UINT nPort,
                             UINT nBaud, char cParity, UINT nDataBits, UINT nStopBits,
                             DWORD dwEvents) {
    if (nPort < 1 || nPort > kPortCount || pOwner == nullptr)
        return FALSE;
    Close();
    m_openFailure = EOpenFailure::None;
    m_strOpenError.clear();
    m_strDevice = strDevice;
    m_pOwner = pOwner;
    m_nPort = nPort;
    m_nBaud = nBaud;
    m_cParity = cParity;
    m_nDataBits = nDataBits;
    m_nStopBits = nStopBits;
    m_dwEvents = dwEvents;

    auto pPort = std::make_unique<QSerialPort>();
    pPort->setPortName(QString::fromStdString(strDevice));
    if (!pPort->open(QIODevice::ReadWrite)) {
        m_openFailure = ClassifyOpenFailure(pPort->error(), strDevice);
        m_strOpenError = pPort->errorString().toStdString();
        return FALSE;
    }
    m_pPort = std::move(pPort);
    QSerialPort* pRaw = m_pPort.get();
    QObject::connect(pRaw, &QSerialPort::readyRead, pRaw, [this] { OnReadyRead(); });
    QObject::connect(pRaw, &QSerialPort::bytesWritten, pRaw, [this] { OnBytesWritten(); });
    QObject::connect(pRaw, &QSerialPort::errorOccurred, pRaw,
                     [this](QSerialPort::SerialPortError error) { OnPortError(error); });
    CDelivery delivery(*this);
    const unsigned nSession = m_nSession;
    // A setting the device refuses is reported; the port stays open as it is.
    ApplySettings(nSession);
    if (IsSession(nSession))
        m_pPort->clear(QSerialPort::AllDirections);
    return IsSession(nSession) ? TRUE : FALSE;
}

void CSerialPort::ApplySettings(unsigned nSession) {
    QSerialPort::Parity parity = QSerialPort::NoParity;
    const bool bBuilt = ToParity(m_cParity, parity) && m_nDataBits >= 5 && m_nDataBits <= 8 &&
                        (m_nStopBits == 1 || m_nStopBits == 2) && m_nBaud > 0;
    if (!bBuilt) {
        ReportError("BuildCommDCB()");
        return;
    }
    QSerialPort& port = *m_pPort;
    const bool bApplied =
        port.setBaudRate(static_cast<qint32>(m_nBaud)) && port.setParity(parity) &&
        port.setDataBits(static_cast<QSerialPort::DataBits>(m_nDataBits)) &&
        port.setStopBits(m_nStopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        port.setFlowControl(QSerialPort::NoFlowControl);
    // A setting that failed because the device went away has been reported as that.
    if (!bApplied && IsSession(nSession))
        ReportError("SetCommState()");
}

BOOL CSerialPort::Close() {
    ++m_nSession;
    m_queue.clear();
    m_input.clear();
    m_bWriting = false;
    m_bWriteScheduled = false;
    if (m_pPort)
        ReleasePort();
    return TRUE;
}

void CSerialPort::ReleasePort() {
    QObject::disconnect(m_pPort.get(), nullptr, nullptr, nullptr);
    m_pPort->close();
    if (m_nDelivering > 0)
        m_retired.push_back(std::move(m_pPort));
    else
        m_pPort.reset();
}

// ---- receiving ------------------------------------------------------------------------------

void CSerialPort::OnReadyRead() {
    if (!m_pPort || !(m_dwEvents & EV_RXCHAR))
        return;
    CDelivery delivery(*this);
    const unsigned nSession = m_nSession;
    const QByteArray bytes = m_pPort->readAll();
    if (!IsSession(nSession) || bytes.isEmpty())
        return;
    m_bReadFailing = false;
    m_input.insert(m_input.end(), bytes.begin(), bytes.end());
    if (m_dwEvents & EV_CTS)
        m_pOwner->OnSerialCts(m_nPort);
    // A delivery started from inside the owner takes the bytes left over, so none overtakes
    // another; a port closed by the owner takes them with it.
    while (IsSession(nSession) && !m_input.empty()) {
        const BYTE bValue = m_input.front();
        m_input.pop_front();
        m_pOwner->OnSerialByte(bValue, m_nPort);
    }
}

void CSerialPort::OnPortError(int nError) {
    if (nError == QSerialPort::NoError)
        return;
    CDelivery delivery(*this);
    const unsigned nSession = m_nSession;
    // A device that went away (an adapter unplugged, the far end of a pseudo-terminal closed)
    // fails every read and write from then on: the port is closed before the one report, so
    // nothing is tried again while the owner shows it.
    if (const std::string strGone = DeviceGone(); !strGone.empty()) {
        const std::string strText = FormatReport("ReadFile()", strGone);
        Close();
        m_pOwner->OnSerialLost(strText, kErrorCaption);
        return;
    }
    switch (nError) {
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
        // One report for a run of failures; a byte read ends the run.
        if (m_bReadFailing)
            break;
        m_bReadFailing = true;
        ReportError("ReadFile()");
        break;
    case QSerialPort::WriteError:
        ReportError("WriteFile()");
        break;
    default:
        return;
    }
    if (IsSession(nSession))
        m_pPort->clearError();
}

std::string CSerialPort::DeviceGone() const {
    termios settings{};
    if (::tcgetattr(static_cast<int>(m_pPort->handle()), &settings) == 0)
        return {};
    return std::strerror(errno);
}

// ---- writing --------------------------------------------------------------------------------

void CSerialPort::Write(const BYTE* pData, UINT nLength) {
    if (!m_pPort || pData == nullptr)
        return;
    if (nLength == 0)
        nLength = static_cast<UINT>(std::strlen(reinterpret_cast<const char*>(pData)));
    if (nLength == 0)
        return;
    m_queue.emplace_back(pData, pData + nLength);
    ScheduleWriteStep();
}

void CSerialPort::WriteString(const char* pszText) {
    Write(reinterpret_cast<const BYTE*>(pszText), 0);
}

void CSerialPort::WriteString(const std::string& strText) {
    if (!strText.empty())
        Write(reinterpret_cast<const BYTE*>(strText.data()), static_cast<UINT>(strText.size()));
}

void CSerialPort::WriteByte(BYTE bValue) {
    Write(&bValue, 1);
}

// Writes leave after the current notifications have returned, as the box expects the PC's answer
// only after its own line.
void CSerialPort::ScheduleWriteStep() {
    if (m_bWriteScheduled || m_bWriting)
        return;
    m_bWriteScheduled = true;
    QMetaObject::invokeMethod(
        m_pContext.get(),
        [this] {
            m_bWriteScheduled = false;
            WriteStep();
        },
        Qt::QueuedConnection);
}

void CSerialPort::WriteStep() {
    if (!m_pPort || m_bWriting || m_queue.empty())
        return;
    CDelivery delivery(*this);
    const unsigned nSession = m_nSession;
    // Bytes that have already arrived reach the owner first; only what comes in between here
    // and the purge is lost. Input still in the device is left to the port's own read, which
    // delivers it, and the write waits for that.
    OnReadyRead();
    if (!IsSession(nSession) || m_bWriting || m_queue.empty())
        return;
    if (int nWaiting = 0; ::ioctl(m_pPort->handle(), FIONREAD, &nWaiting) == 0 && nWaiting > 0) {
        m_bWriteScheduled = true;
        QTimer::singleShot(kInputWaitMs, m_pContext.get(), [this] {
            m_bWriteScheduled = false;
            WriteStep();
        });
        return;
    }
    // The step is taken: one started from inside the calls below leaves the head item alone.
    m_bWriting = true;
    m_pPort->clear(QSerialPort::Input);
    if (!IsSession(nSession))
        return;
    std::vector<BYTE>& item = m_queue.front();
    const qint64 nWritten = m_pPort->write(reinterpret_cast<const char*>(item.data()),
                                           static_cast<qint64>(item.size()));
    if (!IsSession(nSession))
        return;
    if (nWritten <= 0) {
        // The item stays at the head and is tried again with the next write.
        m_bWriting = false;
        ReportError("WriteFile()");
        return;
    }
    if (static_cast<size_t>(nWritten) < item.size())
        item.erase(item.begin(), item.begin() + nWritten);
    else
        m_queue.pop_front();
}

void CSerialPort::OnBytesWritten() {
    if (m_pPort->bytesToWrite() > 0)
        return;
    m_bWriting = false;
    if (!m_queue.empty())
        ScheduleWriteStep();
}

// ---- errors ---------------------------------------------------------------------------------

std::string CSerialPort::FormatReport(const char* pszOperation, std::string strSystem) const {
    if (strSystem.empty() && m_pPort)
        strSystem = m_pPort->errorString().toStdString();
    const auto format = [&](const char* pszFormat, auto port) {
        const int nLength =
            std::snprintf(nullptr, 0, pszFormat, pszOperation, strSystem.c_str(), port);
        std::string strText(static_cast<size_t>(nLength), '\0');
        std::snprintf(strText.data(), strText.size() + 1, pszFormat, pszOperation,
                      strSystem.c_str(), port);
        return strText;
    };
    if (m_strDevice == ResolveSerialDevice(m_nPort))
        return format(kErrorFormat, static_cast<int>(m_nPort));
    return format(kDeviceErrorFormat, m_strDevice.c_str());
}

// Reports do not pile up: a failure while the owner shows one is not reported again.
void CSerialPort::ReportError(const char* pszOperation) {
    if (m_bReporting)
        return;
    m_bReporting = true;
    m_pOwner->OnSerialError(FormatReport(pszOperation, {}), kErrorCaption);
    m_bReporting = false;
}

// ---- the connection doctor --------------------------------------------------------------------

std::string OpenFailureAdvice(const CSerialPort& port) {
    const std::string& strDevice = port.GetDevice();
    switch (port.GetOpenFailure()) {
    case EOpenFailure::None:
        return {};
    case EOpenFailure::AccessDenied:
        return kSerialAccessHint;
    case EOpenFailure::Busy: {
        const std::string strHolder = DeviceHolder(strDevice);
        return strHolder.empty()
                   ? strDevice + " is in use by another program (ModemManager probes a new "
                                 "adapter for a while): close it, then try again."
                   : strDevice + " is in use by " + strHolder + ": close it, then try again.";
    }
    case EOpenFailure::Missing:
    case EOpenFailure::Other:
        break;
    }
    return strDevice + ": " + port.GetOpenError();
}

std::string NoAnswerAdvice(const std::string& strPort) {
    return "No answer from the box on " + strPort +
           ": check the cable, then switch the box off and on";
}
