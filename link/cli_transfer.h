// A whole transfer through a real serial port without a window: the protocol engine driven by
// CSerialPort, with Qt timers for polling, in an event loop of its own. Used by zdftool and by
// the tests and benchmarks that run against stb-sim's pseudo-terminal.
#pragma once

#include "transfer_protocol.h"

#include <atomic>
#include <functional>
#include <string>
#include <vector>

struct STransferCallbacks {
    std::function<void(const std::string&)> onLog; // the engine's log lines
    std::function<void(ETransferBar, UINT nPos, UINT nUpper)> onProgress;
    std::function<void(const std::string& strText, const std::string& strCaption)> onPortError;
    // The port could not be opened: the line that says why and what to do.
    std::function<void(const std::string&)> onOpenFailure;
};

enum class ETransferOutcome {
    Complete,  // every block went across (and, to the box, was flashed)
    NoPort,    // the port could not be opened
    BadImage,  // no image buffer, or the image to send is not block count x 1024 bytes
    PortLost,  // the device went away during the transfer
    Cancelled, // the cancel flag was raised
    TimedOut,  // the time limit passed first
};

struct STransferRequest {
    std::string strPort; // "COM1" ... "COM4", a device's name ("ttyUSB0"), a by-id link or a path
    UINT nDirection = DIRECTION_STB_TO_PC;
    std::vector<BYTE>* pImage =
        nullptr; // in: the 0x33000-byte image to send; out: the image received
    STransferCallbacks callbacks;
    const std::atomic<bool>* pCancel = nullptr;
    int nTimeoutMs = 0;            // 0: wait for the box as long as it takes, as the editor does
    int nNoAnswerMs = kNoAnswerMs; // then the log says what to check
};

// Runs one transfer to its end. A box that stays silent for nNoAnswerMs after the port opened
// is one log line; the transfer waits on. The received image is stored only when it is complete.
// Creates a QCoreApplication when the program has none.
ETransferOutcome RunTransfer(const STransferRequest& request, STransferSettings& settings);
