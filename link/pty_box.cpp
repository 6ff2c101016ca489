#include "pty_box.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

CPtyBox::CPtyBox(SBoxOptions options)
    : m_options(std::move(options)), m_pBox(std::make_unique<CBoxSimulator>(m_options)) {}

CPtyBox::~CPtyBox() {
    m_pReadNotifier.reset();
    m_pWriteNotifier.reset();
    if (m_nSlave >= 0)
        ::close(m_nSlave);
    if (m_nMaster >= 0)
        ::close(m_nMaster);
}

bool CPtyBox::Open(std::string& strError) {
    m_nMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_nMaster < 0 || ::grantpt(m_nMaster) != 0 || ::unlockpt(m_nMaster) != 0) {
        strError = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    m_strDevice = ::ptsname(m_nMaster);
    m_nSlave = ::open(m_strDevice.c_str(), O_RDWR | O_NOCTTY);
    if (m_nSlave < 0) {
        strError = "cannot open " + m_strDevice + ": " + std::strerror(errno);
        return false;
    }
    // Raw from the start: no echo, no CR to LF, whatever the PC side does on opening.
    termios settings{};
    ::tcgetattr(m_nSlave, &settings);
    ::cfmakeraw(&settings);
    ::tcsetattr(m_nSlave, TCSANOW, &settings);

    m_pReadNotifier = std::make_unique<QSocketNotifier>(m_nMaster, QSocketNotifier::Read);
    QObject::connect(m_pReadNotifier.get(), &QSocketNotifier::activated, m_pReadNotifier.get(),
                     [this] { OnReadable(); });
    m_pWriteNotifier = std::make_unique<QSocketNotifier>(m_nMaster, QSocketNotifier::Write);
    m_pWriteNotifier->setEnabled(false);
    QObject::connect(m_pWriteNotifier.get(), &QSocketNotifier::activated, m_pWriteNotifier.get(),
                     [this] { OnWritable(); });
    m_pQuietTimer = std::make_unique<QTimer>();
    m_pQuietTimer->setSingleShot(true);
    QObject::connect(m_pQuietTimer.get(), &QTimer::timeout, m_pQuietTimer.get(),
                     [this] { OnQuiet(); });
    return true;
}

void CPtyBox::OnReadable() {
    BYTE buffer[4096];
    const ssize_t nRead = ::read(m_nMaster, buffer, sizeof buffer);
    if (nRead <= 0)
        return;
    m_pBox->Receive(buffer, static_cast<size_t>(nRead));
    std::vector<BYTE> output = m_pBox->TakeOutput();
    m_pending.insert(m_pending.end(), output.begin(), output.end());
    Flush();
    if (m_pBox->IsFinished() && !m_bReported) {
        m_bReported = true;
        if (m_onFinished)
            m_onFinished();
    }
    if (m_nRestartMs > 0 && m_pBox->IsFinished())
        m_pQuietTimer->start(m_nRestartMs);
}

void CPtyBox::OnWritable() {
    Flush();
}

// The box's answer goes out in as few writes as the terminal takes, so a whole line arrives
// together and the PC's purge before its next write finds nothing of it.
void CPtyBox::Flush() {
    while (!m_pending.empty()) {
        const ssize_t nWritten = ::write(m_nMaster, m_pending.data(), m_pending.size());
        if (nWritten <= 0)
            break;
        m_pending.erase(m_pending.begin(), m_pending.begin() + nWritten);
    }
    m_pWriteNotifier->setEnabled(!m_pending.empty());
}

void CPtyBox::OnQuiet() {
    if (!m_pBox->IsFinished())
        return;
    m_pBox = std::make_unique<CBoxSimulator>(m_options);
    m_bReported = false;
}
