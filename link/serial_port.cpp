#include "serial_port.h"

#include <QSerialPort>
#include <QTimer>

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

// Notifications run inside the port's own signals; the port must not be deleted under them.
class CDeliveryGuard {
  public:
    explicit CDeliveryGuard(int& nDepth) : m_nDepth(nDepth) { ++m_nDepth; }
    ~CDeliveryGuard() { --m_nDepth; }
    CDeliveryGuard(const CDeliveryGuard&) = delete;
    CDeliveryGuard& operator=(const CDeliveryGuard&) = delete;

  private:
    int& m_nDepth;
};

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
} // namespace

std::string ResolveSerialDevice(UINT nPort) {
    if (nPort < 1 || nPort > kPortCount)
        return {};
    const std::string strVariable = "ORVANE_COM" + std::to_string(nPort);
    if (const char* pszPath = std::getenv(strVariable.c_str()); pszPath && *pszPath)
        return pszPath;
    return "/dev/ttyS" + std::to_string(nPort - 1);
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
    m_bAccessDenied = false;
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
        // Qt calls a port that another program has locked a permission error too.
        m_bAccessDenied = pPort->error() == QSerialPort::PermissionError &&
                          ::faccessat(AT_FDCWD, strDevice.c_str(), R_OK | W_OK, AT_EACCESS) != 0 &&
                          errno == EACCES;
        return FALSE;
    }
    m_pPort = std::move(pPort);
    QSerialPort* pRaw = m_pPort.get();
    QObject::connect(pRaw, &QSerialPort::readyRead, pRaw, [this] { OnReadyRead(); });
    QObject::connect(pRaw, &QSerialPort::bytesWritten, pRaw, [this] { OnBytesWritten(); });
    QObject::connect(pRaw, &QSerialPort::errorOccurred, pRaw,
                     [this](QSerialPort::SerialPortError error) { OnPortError(error); });
    // A setting the device refuses is reported; the port stays open as it is.
    ApplySettings();
    m_pPort->clear(QSerialPort::AllDirections);
    return TRUE;
}

bool CSerialPort::ApplySettings() {
    QSerialPort::Parity parity = QSerialPort::NoParity;
    const bool bBuilt = ToParity(m_cParity, parity) && m_nDataBits >= 5 && m_nDataBits <= 8 &&
                        (m_nStopBits == 1 || m_nStopBits == 2) && m_nBaud > 0;
    if (!bBuilt) {
        ReportError("BuildCommDCB()");
        return false;
    }
    QSerialPort& port = *m_pPort;
    const bool bApplied =
        port.setBaudRate(static_cast<qint32>(m_nBaud)) && port.setParity(parity) &&
        port.setDataBits(static_cast<QSerialPort::DataBits>(m_nDataBits)) &&
        port.setStopBits(m_nStopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        port.setFlowControl(QSerialPort::NoFlowControl);
    if (!bApplied) {
        ReportError("SetCommState()");
        return false;
    }
    return true;
}

BOOL CSerialPort::Close() {
    m_queue.clear();
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
        m_pPort.release()->deleteLater();
    else
        m_pPort.reset();
}

// ---- receiving ------------------------------------------------------------------------------

void CSerialPort::OnReadyRead() {
    if (!(m_dwEvents & EV_RXCHAR))
        return;
    CDeliveryGuard guard(m_nDelivering);
    const QByteArray bytes = m_pPort->readAll();
    if (bytes.isEmpty())
        return;
    m_bReadFailing = false;
    const UINT nPort = m_nPort;
    if (m_dwEvents & EV_CTS)
        m_pOwner->OnSerialCts(nPort);
    for (char c : bytes) {
        if (!m_pPort)
            return; // the owner closed the port; the rest was never read from it
        m_pOwner->OnSerialByte(static_cast<BYTE>(c), nPort);
    }
}

void CSerialPort::OnPortError(int nError) {
    CDeliveryGuard guard(m_nDelivering);
    switch (nError) {
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
        // A device that went away (an adapter unplugged, the far end of a pseudo-terminal
        // closed) fails every read from then on: one report, and the port is closed.
        if (!DeviceAnswers()) {
            ReportError("ReadFile()", std::strerror(errno));
            Close();
            return;
        }
        // Otherwise one report for a run of failures; a byte read ends the run.
        if (!m_bReadFailing)
            ReportError("ReadFile()");
        m_bReadFailing = true;
        break;
    case QSerialPort::WriteError:
        ReportError("WriteFile()");
        break;
    default:
        return;
    }
    if (m_pPort)
        m_pPort->clearError();
}

bool CSerialPort::DeviceAnswers() const {
    termios settings{};
    return ::tcgetattr(static_cast<int>(m_pPort->handle()), &settings) == 0;
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
    // Bytes that have already arrived reach the owner first; only what comes in between here
    // and the purge is lost. Input still in the device is left to the port's own read, which
    // delivers it, and the write waits for that.
    OnReadyRead();
    if (!m_pPort || m_queue.empty())
        return;
    if (int nWaiting = 0; ::ioctl(m_pPort->handle(), FIONREAD, &nWaiting) == 0 && nWaiting > 0) {
        m_bWriteScheduled = true;
        QTimer::singleShot(kInputWaitMs, m_pContext.get(), [this] {
            m_bWriteScheduled = false;
            WriteStep();
        });
        return;
    }
    m_pPort->clear(QSerialPort::Input);
    std::vector<BYTE>& item = m_queue.front();
    const qint64 nWritten = m_pPort->write(reinterpret_cast<const char*>(item.data()),
                                           static_cast<qint64>(item.size()));
    if (nWritten <= 0) {
        // The item stays at the head and is tried again with the next write.
        ReportError("WriteFile()");
        return;
    }
    if (static_cast<size_t>(nWritten) < item.size())
        item.erase(item.begin(), item.begin() + nWritten);
    else
        m_queue.pop_front();
    m_bWriting = true;
}

void CSerialPort::OnBytesWritten() {
    if (m_pPort->bytesToWrite() > 0)
        return;
    m_bWriting = false;
    if (!m_queue.empty())
        ScheduleWriteStep();
}

// ---- errors ---------------------------------------------------------------------------------

void CSerialPort::ReportError(const char* pszOperation, std::string strSystem) {
    if (strSystem.empty() && m_pPort)
        strSystem = m_pPort->errorString().toStdString();
    const int nPort = static_cast<int>(m_nPort);
    const int nLength =
        std::snprintf(nullptr, 0, kErrorFormat, pszOperation, strSystem.c_str(), nPort);
    std::string strText(static_cast<size_t>(nLength), '\0');
    std::snprintf(strText.data(), strText.size() + 1, kErrorFormat, pszOperation, strSystem.c_str(),
                  nPort);
    if (m_pOwner)
        m_pOwner->OnSerialError(strText, kErrorCaption);
}
