// One serial port (COM1 to COM4) for a transfer. Every received byte reaches the owner one call
// per byte, on the owner's thread, in arrival order; writes leave in the order they were queued,
// one item at a time, each after the input that had not been read yet was discarded. The owner
// may close the port, or open another, from inside any of its notifications, but must not destroy
// the object there.
#pragma once

#include "transfer_protocol.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

class QObject;
class QSerialPort;

// Port events an owner can ask for (the mask given to Open).
inline constexpr DWORD EV_RXCHAR = 0x0001;
inline constexpr DWORD EV_CTS = 0x0008;

// Receives the port's notifications and shows its error reports.
class ISerialOwner {
  public:
    virtual ~ISerialOwner() = default;
    // Input arrived; sent before the bytes that came with it.
    virtual void OnSerialCts(UINT nPort) = 0;
    virtual void OnSerialByte(BYTE bValue, UINT nPort) = 0;
    // A port operation failed; the owner shows the text in a message box with this caption.
    virtual void OnSerialError(const std::string& strText, const std::string& strCaption) = 0;
    // The device went away (an adapter unplugged, the box hung up): the port is closed already,
    // so nothing more is read, written or reported. The text is the failure, as above.
    virtual void OnSerialLost(const std::string& strText, const std::string& strCaption) = 0;
};

// What a transfer's log says instead of the failure when the device goes away after the transfer
// has ended: a box may hang up once it is done.
inline constexpr char kClosedAfterTransfer[] = "Connection closed by the STB";
// Added to the report of a port that could not be opened because this user may not use it.
inline constexpr char kSerialAccessHint[] =
    "Permission denied: add yourself to the dialout group, then log in again.";

// Why the last open failed.
enum class EOpenFailure { None, Missing, AccessDenied, Busy, Other };

// The device behind "COM1" ... "COM4": the path in ORVANE_COM1 ... ORVANE_COM4 when set, else
// /dev/ttyS0 ... /dev/ttyS3. Empty for any other port number.
std::string ResolveSerialDevice(UINT nPort);
// The port number of "COM1" ... "COM4" (any case), else 0.
UINT ComPortNumber(const std::string& strName);

class CSerialPort : public ISerialWriter {
  public:
    CSerialPort();
    virtual ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Opens "COM<nPort>" (0: the first of COM1 to COM4 that opens). A port above 4 or no owner
    // is refused and changes nothing; otherwise a port that is open is closed first. A setting
    // the device refuses is reported to the owner, and the port stays open. FALSE also when the
    // port was closed again while a report was shown.
    BOOL Open(ISerialOwner* pOwner, UINT nPort, UINT nBaud = 115200, char cParity = 'N',
              UINT nDataBits = 8, UINT nStopBits = 1, DWORD dwEvents = EV_RXCHAR | EV_CTS);
    // Opens a device by its path; its notifications carry nPort (1 to 4).
    BOOL OpenDevice(ISerialOwner* pOwner, const std::string& strDevice, UINT nPort,
                    UINT nBaud = 115200, char cParity = 'N', UINT nDataBits = 8, UINT nStopBits = 1,
                    DWORD dwEvents = EV_RXCHAR | EV_CTS);
    BOOL Close();
    BOOL IsOpen() const { return m_pPort != nullptr; }
    UINT GetPortNumber() const { return m_nPort; }
    // Why the last open failed: a missing device, one this user may not read and write (not in
    // the dialout group), one that another program holds; and the system's reason.
    EOpenFailure GetOpenFailure() const { return m_openFailure; }
    const std::string& GetOpenError() const { return m_strOpenError; }
    // The device last opened or tried.
    const std::string& GetDevice() const { return m_strDevice; }
    // Writes still queued or on their way to the device.
    bool HasPendingWrites() const { return m_bWriting || !m_queue.empty(); }

    // Length 0: pData is a NUL-terminated text. Nothing is queued while the port is closed.
    void Write(const BYTE* pData, UINT nLength) override;
    void WriteString(const char* pszText) override;
    void WriteString(const std::string& strText);
    void WriteByte(BYTE bValue) override;

  private:
    class CDelivery;

    // Whether the port opened as nSession is still open: any call that may reach the owner or
    // make the device emit can close the port, or open another, before it returns.
    bool IsSession(unsigned nSession) const { return m_pPort && m_nSession == nSession; }
    void ApplySettings(unsigned nSession);
    void OnReadyRead();
    void OnBytesWritten();
    void OnPortError(int nError);
    // The system's text of the failure when the device no longer answers, else empty.
    std::string DeviceGone() const;
    void ScheduleWriteStep();
    void WriteStep();
    // The system's text of the failure: given, or the port's last error.
    std::string FormatReport(const char* pszOperation, std::string strSystem) const;
    void ReportError(const char* pszOperation);
    void ReleasePort();

    std::unique_ptr<QObject> m_pContext; // receives the queued write steps; dies with the object
    std::unique_ptr<QSerialPort> m_pPort;
    // Ports closed during a delivery; they may still be on the stack below it.
    std::vector<std::unique_ptr<QSerialPort>> m_retired;
    ISerialOwner* m_pOwner = nullptr;
    UINT m_nPort = 0;
    UINT m_nBaud = 0;
    char m_cParity = 'N';
    UINT m_nDataBits = 0;
    UINT m_nStopBits = 0;
    DWORD m_dwEvents = 0;
    unsigned m_nSession = 0; // counts the closes
    std::deque<std::vector<BYTE>> m_queue;
    std::deque<BYTE> m_input; // bytes read and not yet handed to the owner
    bool m_bWriting = false;  // an item is on its way to the device
    bool m_bWriteScheduled = false;
    bool m_bReadFailing = false; // a read failure was reported and no byte came since
    bool m_bReporting = false;   // the owner is showing a report
    int m_nDelivering = 0;       // deliveries in progress: closed ports must outlive them
    EOpenFailure m_openFailure = EOpenFailure::None;
    std::string m_strOpenError;
    std::string m_strDevice;
};

// What the log says after a failed open, in one line: what the system said and what to do.
std::string OpenFailureAdvice(const CSerialPort& port);
// What the log says when the box has not answered on a connected port for kNoAnswerMs.
std::string NoAnswerAdvice(const std::string& strPort);
