#include "cli_transfer.h"

#include "serial_devices.h"
#include "serial_port.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <memory>

namespace {

constexpr int kWatchMs = 5; // how often the cancel flag and the end are looked at

// The engine's view and the port's owner for one transfer.
class CPortTransfer : public ISerialOwner, public ITransferView {
  public:
    CPortTransfer(const STransferRequest& request, STransferSettings& settings)
        : m_request(request), m_engine(m_port, *this, settings) {
        for (QTimer* pTimer : {&m_pollTimer, &m_closeTimer}) {
            const UINT nId = pTimer == &m_pollTimer ? kPollTimerId : kCloseTimerId;
            QObject::connect(pTimer, &QTimer::timeout, pTimer,
                             [this, nId] { m_engine.OnTimer(nId); });
        }
        QObject::connect(&m_watchTimer, &QTimer::timeout, &m_watchTimer, [this] { Watch(); });
        QObject::connect(&m_limitTimer, &QTimer::timeout, &m_limitTimer,
                         [this] { Finish(ETransferOutcome::TimedOut); });
        m_limitTimer.setSingleShot(true);
        QObject::connect(&m_silenceTimer, &QTimer::timeout, &m_silenceTimer,
                         [this] { AddLog(NoAnswerAdvice(m_request.strPort)); });
        m_silenceTimer.setSingleShot(true);
    }

    ETransferOutcome Run() {
        if (m_request.pImage == nullptr)
            return ETransferOutcome::BadImage;
        m_engine.SetDirection(m_request.nDirection);
        if (m_request.nDirection == DIRECTION_PC_TO_STB &&
            !m_engine.SetImageData(m_request.pImage->data(),
                                   static_cast<UINT>(m_request.pImage->size())))
            return ETransferOutcome::BadImage;
        if (!OpenPort()) {
            if (m_request.callbacks.onOpenFailure)
                m_request.callbacks.onOpenFailure(OpenFailureAdvice(m_port));
            return ETransferOutcome::NoPort;
        }
        m_engine.InitProgress();
        m_engine.SetState(ETransferState::Ready);
        m_watchTimer.start(kWatchMs);
        m_silenceTimer.start(m_request.nNoAnswerMs);
        if (m_request.nTimeoutMs > 0)
            m_limitTimer.start(m_request.nTimeoutMs);
        m_loop.exec();
        m_port.Close();
        if (m_outcome == ETransferOutcome::Complete && m_request.nDirection == DIRECTION_STB_TO_PC)
            m_request.pImage->assign(m_engine.GetImage(),
                                     m_engine.GetImage() + m_engine.GetImageLength());
        return m_outcome;
    }

    // ISerialOwner
    void OnSerialCts(UINT) override {}
    void OnSerialByte(BYTE bValue, UINT nPort) override {
        m_silenceTimer.stop();
        m_engine.OnSerialByte(bValue, nPort);
    }
    void OnSerialError(const std::string& strText, const std::string& strCaption) override {
        if (m_request.callbacks.onPortError)
            m_request.callbacks.onPortError(strText, strCaption);
    }
    // A box may hang up once it is done: after the end only a note.
    void OnSerialLost(const std::string& strText, const std::string& strCaption) override {
        if (m_bEnded)
            AddLog(kClosedAfterTransfer);
        else
            OnSerialError(strText, strCaption);
    }

    // ITransferView
    void AddLog(const std::string& strText) override {
        if (m_request.callbacks.onLog)
            m_request.callbacks.onLog(strText);
    }
    void SetBarRange(ETransferBar bar, UINT nUpper) override {
        m_nUpper[static_cast<int>(bar)] = nUpper;
        ShowProgress(bar);
    }
    void SetBarPos(ETransferBar bar, UINT nPos) override {
        m_nPos[static_cast<int>(bar)] = nPos;
        ShowProgress(bar);
    }
    void ShowLamp(bool) override {}
    void StartTimer(UINT nId, UINT nMilliseconds) override {
        Timer(nId).start(static_cast<int>(nMilliseconds));
    }
    void KillTimer(UINT nId) override { Timer(nId).stop(); }
    void ClosePort() override { m_port.Close(); }
    void OnEndOfTransfer() override { m_bEnded = true; }

  private:
    bool OpenPort() {
        const UINT nCom = ComPortNumber(m_request.strPort);
        if (nCom != 0)
            return m_port.Open(this, nCom);
        const std::vector<SSerialDevice> devices = SystemSerialDevices().Devices();
        return m_port.OpenDevice(this, FindDevicePath(devices, m_request.strPort), 1);
    }
    QTimer& Timer(UINT nId) { return nId == kPollTimerId ? m_pollTimer : m_closeTimer; }
    void ShowProgress(ETransferBar bar) {
        if (m_request.callbacks.onProgress)
            m_request.callbacks.onProgress(bar, m_nPos[static_cast<int>(bar)],
                                           m_nUpper[static_cast<int>(bar)]);
    }
    // The transfer is over once the closing lines have left; no need to wait for the close
    // timer that keeps the editor's lamp green a little longer.
    void Watch() {
        if (m_request.pCancel && m_request.pCancel->load())
            Finish(ETransferOutcome::Cancelled);
        else if (m_bEnded && !m_port.HasPendingWrites())
            Finish(ETransferOutcome::Complete);
        else if (!m_port.IsOpen())
            Finish(m_bEnded ? ETransferOutcome::Complete : ETransferOutcome::PortLost);
    }
    void Finish(ETransferOutcome outcome) {
        m_outcome = outcome;
        for (QTimer* pTimer :
             {&m_pollTimer, &m_closeTimer, &m_watchTimer, &m_limitTimer, &m_silenceTimer})
            pTimer->stop();
        m_loop.quit();
    }

    const STransferRequest& m_request;
    CSerialPort m_port;
    CTransferProtocol m_engine;
    QEventLoop m_loop;
    QTimer m_pollTimer, m_closeTimer, m_watchTimer, m_limitTimer;
    QTimer m_silenceTimer; // runs until the box's first byte
    UINT m_nPos[2] = {0, 0};
    UINT m_nUpper[2] = {0, 0};
    bool m_bEnded = false;
    ETransferOutcome m_outcome = ETransferOutcome::TimedOut;
};

} // namespace

ETransferOutcome RunTransfer(const STransferRequest& request, STransferSettings& settings) {
    static int argc = 1;
    static char szName[] = "zdftool";
    static char* argv[] = {szName, nullptr};
    std::unique_ptr<QCoreApplication> pApp;
    if (QCoreApplication::instance() == nullptr)
        pApp = std::make_unique<QCoreApplication>(argc, argv);
    CPortTransfer transfer(request, settings);
    return transfer.Run();
}
