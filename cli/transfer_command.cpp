#include "transfer_command.h"

#include "cli_transfer.h"
#include "image_files.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>
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

// The columns of "ports"; an unknown value shows as "-".
constexpr std::array<const char*, 4> kPortColumns = {"NAME", "DESCRIPTION", "PATH", "BY-ID"};

std::array<std::string, 4> PortRow(const SSerialDevice& device) {
    return {device.strName, device.strDescription, device.strPath, device.strById};
}

} // namespace

void WritePorts(const std::vector<SSerialDevice>& devices, bool bJson, std::ostream& out) {
    if (bJson) {
        QJsonArray ports;
        for (const SSerialDevice& device : devices) {
            const std::array<std::string, 4> row = PortRow(device);
            ports.append(QJsonObject{{"name", QString::fromStdString(row[0])},
                                     {"description", QString::fromStdString(row[1])},
                                     {"path", QString::fromStdString(row[2])},
                                     {"by_id", QString::fromStdString(row[3])}});
        }
        out << QJsonDocument(ports).toJson(QJsonDocument::Indented).toStdString();
        return;
    }
    if (devices.empty()) {
        out << "No serial device found.\n";
        return;
    }
    std::vector<std::array<std::string, 4>> rows{
        {kPortColumns[0], kPortColumns[1], kPortColumns[2], kPortColumns[3]}};
    for (const SSerialDevice& device : devices) {
        rows.push_back(PortRow(device));
        for (std::string& cell : rows.back())
            if (cell.empty())
                cell = "-";
    }
    std::array<size_t, 4> widths{};
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    for (const auto& row : rows) {
        std::string strLine;
        for (size_t i = 0; i < row.size(); ++i)
            strLine +=
                row[i] + (i + 1 < row.size() ? std::string(widths[i] - row[i].size() + 2, ' ')
                                             : std::string());
        out << strLine << "\n";
    }
}

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
    std::string strOpenFailure;
    request.callbacks.onOpenFailure = [&](const std::string& strText) { strOpenFailure = strText; };

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
        err << "zdftool: cannot open the serial port " << strPort << "\n" << strOpenFailure << "\n";
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
