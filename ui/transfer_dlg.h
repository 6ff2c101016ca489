// CTransferDlg: the "Data Transfer" dialog. It owns the serial port and the protocol engine for
// one modal run, connects at once to the chosen port, lets the user pick another one, and shows
// the engine's log, progress bars and connection lamp. The port list holds COM1 to COM4, every
// serial device present (re-read while the dialog is idle) and "Other device…" for any path;
// failures that the user can mend get a log line that says how.
#pragma once

#include "serial_devices.h"
#include "serial_port.h"
#include "settings.h"
#include "transfer_protocol.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>

#include <map>

class CPrompt;
class CPortCombo;
class QLabel;
class QListWidget;
class QProgressBar;
struct STransferItem;

// The dialog's own timers, beside the engine's poll and close timers.
inline constexpr UINT kPortListTimerId = 0x3133; // re-reads the devices present
inline constexpr UINT kPortListTimerMs = 1000;
inline constexpr UINT kNoAnswerTimerId = 0x3134; // once, kNoAnswerMs after connecting
// A device that goes away this soon after it came was most likely taken by another program.
inline constexpr qint64 kJustPluggedMs = 5000;

class CTransferDlg : public QDialog, public ISerialOwner, public ITransferView {
    Q_OBJECT

  public:
    // Port error reports are shown through `prompt`, which also runs the dialog. The settings are
    // the program's, shared by every transfer dialog. The devices offered come from `devices`.
    CTransferDlg(CPrompt& prompt, STransferSettings& settings,
                 const ISerialDeviceList& devices = SystemSerialDevices(),
                 QWidget* parent = nullptr);
    ~CTransferDlg() override;

    // DIRECTION_STB_TO_PC or DIRECTION_PC_TO_STB.
    void SetDirection(UINT nDirection);
    // The port to connect to when the dialog opens; one that is not plugged in is only named.
    void SetPort(const SPortSetting& port) { m_chosen = port; }
    // The port last connected (else the one given), for the next transfer.
    const SPortSetting& GetPort() const { return m_chosen; }
    // Copies an image of exactly block size x block count bytes; otherwise the length becomes 0.
    BOOL SetImageData(const BYTE* pData, UINT nLength);
    UINT GetImageData(BYTE* pOut) const;
    UINT GetImageLength() const;
    BOOL IsComplete() const;

    // Initialises the dialog (connecting to the port), runs it modally through the prompt and
    // shuts the port when it ends. Returns the modal result.
    int DoModal();

    // Handlers, public so that tests can drive them as the user would.
    void OnSelchangePort();
    void OnEditchangePort();
    void OnTimer(UINT nId);

    // ISerialOwner
    void OnSerialCts(UINT nPort) override;
    void OnSerialByte(BYTE bValue, UINT nPort) override;
    void OnSerialError(const std::string& strText, const std::string& strCaption) override;
    void OnSerialLost(const std::string& strText, const std::string& strCaption) override;

    // ITransferView
    void AddLog(const std::string& strText) override;
    void SetBarRange(ETransferBar bar, UINT nUpper) override;
    void SetBarPos(ETransferBar bar, UINT nPos) override;
    void ShowLamp(bool bConnected) override;
    void StartTimer(UINT nId, UINT nMilliseconds) override;
    void KillTimer(UINT nId) override;
    void ClosePort() override;
    void OnEndOfTransfer() override;

    // ---- access -------------------------------------------------------------------------------
    // A control by its id, null when there is none.
    QWidget* GetDlgItem(int nId) const;
    template <class T> T* GetDlgItem(int nId) const { return qobject_cast<T*>(GetDlgItem(nId)); }
    const CTransferProtocol& Protocol() const { return m_protocol; }
    const CSerialPort& Port() const { return m_port; }
    // Whether the timer of that id is running.
    bool IsTimerActive(UINT nId) const;

  public slots:
    // Enter does not close the dialog; Close, Escape and the close box do.
    void accept() override;

  private:
    void CreateControls();
    QWidget* CreateControl(const STransferItem& item);
    void OnInitDialog();
    void DestroyWindow();
    // The port may change while no block has gone across, once a transfer to the box has also
    // been flashed, and once the device went away; never after a whole image came from the box.
    bool CanChangePort() const;
    // Blocks or flash sectors are on their way over the open port.
    bool IsTransferring() const;
    void ConnectTo(const SPortSetting& port);
    BOOL OpenPort(const SPortSetting& port);
    // "Other device…": asks for a path and selects it; false when the user gave none.
    bool ChooseOtherDevice();

    // ---- the port list ----
    SPortSetting PortOf(const QString& strId) const;
    // COM ports are always there; a device when it is listed or its path exists.
    bool IsPresent(const QString& strId) const;
    // Selects the item of that port; none when it is not listed.
    void SelectPort(const QString& strId);
    // Lists a path chosen by the user, unless the list holds that port already.
    void AddOtherPath(const QString& path);
    QString CurrentPortId() const;
    // Re-reads the devices, unless a transfer is under way, and tells what went away.
    void RefreshPortList();
    void OnDeviceGone(const SSerialDevice& device);
    void FillPortList();
    void OnNoAnswer();

    QProgressBar& Bar(ETransferBar bar) const;
    QTimer& Timer(UINT nId);
    const QTimer& Timer(UINT nId) const;

    CPrompt& m_prompt;
    const ISerialDeviceList& m_deviceList;
    std::map<int, QWidget*> m_controls;
    QLabel* m_pRedLamp = nullptr;
    QLabel* m_pGreenLamp = nullptr;
    CPortCombo* m_pPortList = nullptr;
    QLabel* m_pTransferLabel = nullptr;
    QLabel* m_pFlashLabel = nullptr;
    QProgressBar* m_pFlashBar = nullptr;
    QProgressBar* m_pTransferBar = nullptr;
    QListWidget* m_pLog = nullptr;
    UINT m_nLogLines = 0;
    SPortSetting m_chosen = FirstTransferPort();
    SPortSetting m_connected; // the port last connected; no id before the first connection
    std::vector<SSerialDevice> m_devices; // as last read
    bool m_bListRead = false;
    QStringList m_otherPaths; // chosen through "Other device…"
    // When each device that came while the dialog was open came, on m_clock.
    std::map<std::string, qint64> m_plugTimes;
    QElapsedTimer m_clock;
    CSerialPort m_port;
    CTransferProtocol m_protocol;
    QTimer m_pollTimer;
    QTimer m_closeTimer;
    QTimer m_listTimer;
    QTimer m_silenceTimer;
    bool m_bTransferEnded = false; // on this connection
    bool m_bLosing = false;        // the connected device has just failed
    bool m_bDestroyed = false;
};
