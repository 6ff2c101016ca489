#include "transfer_command.h"

#include "cli_transfer.h"
#include "image_files.h"
#include "serial_port.h"

#include <csignal>
#include <ostream>

namespace {

constexpr int kBarWidth = 40;
constexpr int kExitFailure = 1;
constexpr int kExitInterrupted = 130; // as a shell reports a program ended by Ctrl-C

std::atomic<bool> g_bInterrupted{false};

void OnInterrupt(int) {
    g_bInterrupted = true;
}

// Ctrl-C asks the running transfer to stop; the previous handler comes back afterwards.
class CInterruptGuard {
  public:
    CInterruptGuard() : m_previous(std::signal(SIGINT, OnInterrupt)) { g_bInterrupted = false; }
    ~CInterruptGuard() { std::signal(SIGINT, m_previous); }
    CInterruptGuard(const CInterruptGuard&) = delete;
    CInterruptGuard& operator=(const CInterruptGuard&) = delete;

  private:
    void (*m_previous)(int);
};

// One line of the terminal redrawn in place: "Download    [#######.....]  102/204".
class CProgressLine {
  public:
    CProgressLine(std::ostream& err, UINT nDirection) : m_err(err), m_nDirection(nDirection) {}
    // The flash bar takes over the line once every block went across.
    void Show(ETransferBar bar, UINT nPos, UINT nUpper) {
        if (bar == ETransferBar::Transfer)
            m_bTransferDone = nUpper > 0 && nPos >= nUpper;
        if (nUpper == 0 || (bar == ETransferBar::Flash && !m_bTransferDone))
            return;
        const std::string strLabel = bar == ETransferBar::Flash            ? "Flash Write"
                                     : m_nDirection == DIRECTION_PC_TO_STB ? "Download"
                                                                           : "Upload";
        const UINT nShown = std::min(nPos, nUpper);
        const int nFilled = static_cast<int>(nShown * kBarWidth / nUpper);
        std::string strLine = strLabel + std::string(12 - strLabel.size(), ' ') + "[" +
                              std::string(nFilled, '#') + std::string(kBarWidth - nFilled, '.') +
                              "] " + std::to_string(nShown) + "/" + std::to_string(nUpper);
        if (strLine == m_strLast)
            return;
        m_err << "\r" << strLine << std::flush;
        m_strLast = strLine;
    }
    // A message on a line of its own, the bar drawn again below it.
    void Print(const std::string& strText) {
        if (!m_strLast.empty())
            m_err << "\r" << std::string(m_strLast.size(), ' ') << "\r";
        m_err << strText << "\n";
        if (!m_strLast.empty())
            m_err << m_strLast << std::flush;
    }
    void End() {
        if (!m_strLast.empty())
            m_err << "\n";
        m_strLast.clear();
    }

  private:
    std::ostream& m_err;
    UINT m_nDirection;
    std::string m_strLast;
    bool m_bTransferDone = false;
};

} // namespace

int RunTransferCommand(UINT nDirection, const std::string& strPort, const std::string& strFile,
                       std::ostream& out, std::ostream& err) {
    std::vector<BYTE> image;
    std::string strError;
    if (nDirection == DIRECTION_PC_TO_STB && !LoadTransferImage(strFile, image, strError)) {
        err << "zdftool: " << strError << "\n";
        return kExitFailure;
    }
    CProgressLine progress(err, nDirection);
    STransferRequest request;
    request.strPort = strPort;
    request.nDirection = nDirection;
    request.pImage = &image;
    request.pCancel = &g_bInterrupted;
    request.callbacks.onLog = [&](const std::string& strLine) { progress.Print(strLine); };
    request.callbacks.onProgress = [&](ETransferBar bar, UINT nPos, UINT nUpper) {
        progress.Show(bar, nPos, nUpper);
    };
    request.callbacks.onPortError = [&](const std::string& strText, const std::string& strCaption) {
        progress.Print(strCaption + ": " + strText);
    };

    ETransferOutcome outcome;
    {
        CInterruptGuard guard;
        STransferSettings settings; // zdftool makes one transfer per run
        outcome = RunTransfer(request, settings);
    }
    progress.End();
    switch (outcome) {
    case ETransferOutcome::Complete:
        break;
    case ETransferOutcome::NoPort:
    case ETransferOutcome::NoAccess:
        err << "zdftool: cannot open the serial port " << strPort << "\n";
        if (outcome == ETransferOutcome::NoAccess)
            err << kSerialAccessHint << "\n";
        return kExitFailure;
    case ETransferOutcome::BadImage:
        err << "zdftool: " << strFile << " does not hold a whole transfer image\n";
        return kExitFailure;
    case ETransferOutcome::PortLost:
        err << "zdftool: the serial port " << strPort << " went away\n";
        return kExitFailure;
    case ETransferOutcome::Cancelled:
        err << "zdftool: transfer cancelled"
            << (nDirection == DIRECTION_STB_TO_PC ? "; nothing written\n" : "\n");
        return kExitInterrupted;
    case ETransferOutcome::TimedOut:
        err << "zdftool: the box did not finish in time\n";
        return kExitFailure;
    }
    if (nDirection == DIRECTION_STB_TO_PC) {
        if (!SaveTransferImage(strFile, image, strError)) {
            err << "zdftool: " << strError << "\n";
            return kExitFailure;
        }
        out << "Received " << image.size() / kTransferBlockSize << " blocks from the box into "
            << strFile << "\n";
    } else {
        out << "Sent " << image.size() / kTransferBlockSize << " blocks from " << strFile
            << "; the box has written them to its flash\n";
    }
    return 0;
}
