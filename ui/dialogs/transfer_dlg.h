// CTransferDlg: the "Data Transfer" dialog. It owns the serial port and the protocol engine for
// one modal run, connects at once to the chosen COM port, lets the user pick another one, and
// shows the engine's log, progress bars and connection lamp.
#pragma once

#include "serial_port.h"
#include "transfer_protocol.h"

#include <QDialog>
#include <QTimer>

#include <map>

class CPrompt;
class QComboBox;
class QLabel;
class QListWidget;
class QProgressBar;
struct STransferItem;

class CTransferDlg : public QDialog, public ISerialOwner, public ITransferView {
    Q_OBJECT

  public:
    // Port error reports are shown through `prompt`, which also runs the dialog. The settings are
    // the program's, shared by every transfer dialog.
    CTransferDlg(CPrompt& prompt, STransferSettings& settings, QWidget* parent = nullptr);
    ~CTransferDlg() override;

    // DIRECTION_STB_TO_PC or DIRECTION_PC_TO_STB.
    void SetDirection(UINT nDirection);
    // 0 to 3 for COM1 to COM4: the port to connect to when the dialog opens.
    void SetPortIndex(BYTE nIndex);
    // The port last connected, for the next transfer.
    BYTE GetPortIndex() const { return m_nPortIndex; }
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
    BOOL OpenPort(UINT nPort);
    QProgressBar& Bar(ETransferBar bar) const;
    QTimer& Timer(UINT nId);

    CPrompt& m_prompt;
    std::map<int, QWidget*> m_controls;
    QLabel* m_pRedLamp = nullptr;
    QLabel* m_pGreenLamp = nullptr;
    QComboBox* m_pPortList = nullptr;
    QLabel* m_pTransferLabel = nullptr;
    QLabel* m_pFlashLabel = nullptr;
    QProgressBar* m_pFlashBar = nullptr;
    QProgressBar* m_pTransferBar = nullptr;
    QListWidget* m_pLog = nullptr;
    UINT m_nLogLines = 0;
    BYTE m_nPortIndex = 0;
    UINT m_nConnectedPort = 0; // the port last connected, 0 before the first connection
    CSerialPort m_port;
    CTransferProtocol m_protocol;
    QTimer m_pollTimer;
    QTimer m_closeTimer;
    bool m_bTransferEnded = false; // on this connection
    bool m_bDestroyed = false;
};
