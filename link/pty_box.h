// The box simulator behind a pseudo-terminal: the PC side opens the terminal's device path as its
// serial port. Runs in the Qt event loop of the thread that creates it.
#pragma once

#include "box_simulator.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QSocketNotifier;
class QTimer;

class CPtyBox {
  public:
    explicit CPtyBox(SBoxOptions options);
    ~CPtyBox();
    CPtyBox(const CPtyBox&) = delete;
    CPtyBox& operator=(const CPtyBox&) = delete;

    // Creates the pseudo-terminal; false with the reason in strError.
    bool Open(std::string& strError);
    const std::string& DevicePath() const { return m_strDevice; }
    CBoxSimulator& Box() { return *m_pBox; }

    // Called once when the box has finished a transfer.
    void SetFinishedHandler(std::function<void()> onFinished) {
        m_onFinished = std::move(onFinished);
    }
    // After a finished transfer and this long without a byte from the PC, the box starts over
    // with the same options (the PC has closed its port); 0 keeps it finished.
    void SetRestartAfterQuiet(int nMilliseconds) { m_nRestartMs = nMilliseconds; }

  private:
    void OnReadable();
    void OnWritable();
    void Flush();
    void OnQuiet();

    SBoxOptions m_options;
    std::unique_ptr<CBoxSimulator> m_pBox;
    int m_nMaster = -1;
    int m_nSlave = -1; // kept open so the master never sees a hang-up between PC sessions
    std::string m_strDevice;
    std::unique_ptr<QSocketNotifier> m_pReadNotifier;
    std::unique_ptr<QSocketNotifier> m_pWriteNotifier;
    std::unique_ptr<QTimer> m_pQuietTimer;
    std::vector<BYTE> m_pending; // box output the terminal has not taken yet
    std::function<void()> m_onFinished;
    int m_nRestartMs = 0;
    bool m_bReported = false;
};
