// CSerialPort, and whole transfers through it, over real pseudo-terminals inside a Qt event loop.
#include "cli_transfer.h"
#include "core_application.h"
#include "denied_device.h"
#include "pty_box.h"
#include "serial_devices.h"
#include "serial_port.h"
#include "store_builders.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <utility>

using namespace std::string_literals;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

// Runs the event loop until the condition holds or the time passed.
template <class Condition> bool SpinUntil(Condition done, int nMilliseconds = 2000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < nMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// The far end of a pseudo-terminal, read and written directly.
class RawPty {
  public:
    RawPty() : m_nMaster(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        ::grantpt(m_nMaster);
        ::unlockpt(m_nMaster);
    }
    ~RawPty() { HangUp(); }
    std::string Path() const { return ::ptsname(m_nMaster); }
    void Send(const std::string& bytes) {
        ASSERT_EQ(::write(m_nMaster, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    std::string Take() {
        char buffer[4096];
        const ssize_t n = ::read(m_nMaster, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, size_t(n)) : std::string();
    }
    // The device goes away under the port, as an unplugged adapter does.
    void HangUp() { ::close(std::exchange(m_nMaster, -1)); }

  private:
    int m_nMaster;
};

struct RecordingOwner : ISerialOwner {
    std::vector<std::string> events; // "CTS", or the received byte
    std::vector<std::string> errors, losses;
    void OnSerialCts(UINT nPort) override { events.push_back("CTS" + std::to_string(nPort)); }
    void OnSerialByte(BYTE b, UINT) override { events.push_back(std::string(1, char(b))); }
    void OnSerialError(const std::string& text, const std::string& caption) override {
        errors.push_back(caption + ": " + text);
    }
    // Shown as a box would be: the event loop runs on while the user reads it.
    void OnSerialLost(const std::string& text, const std::string& caption) override {
        losses.push_back(caption + ": " + text);
        SpinUntil([] { return false; }, 100);
    }
};

class SerialPort : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureApplication();
        for (int n = 1; n <= 4; ++n)
            ::unsetenv(("ORVANE_COM" + std::to_string(n)).c_str());
    }
    void TearDown() override { SetUp(); }
    static void Route(int nPort, const std::string& path) {
        ::setenv(("ORVANE_COM" + std::to_string(nPort)).c_str(), path.c_str(), 1);
    }
    RawPty pty;
    RecordingOwner owner;
    CSerialPort port;
};

} // namespace

TEST_F(SerialPort, ComNamesResolveToDevicesOrTheEnvironment) {
    Route(2, "/tmp/somewhere");
    const std::pair<UINT, const char*> devices[] = {
        {1, "/dev/ttyS0"}, {2, "/tmp/somewhere"}, {4, "/dev/ttyS3"}, {0, ""}, {5, ""}};
    for (const auto& [nPort, device] : devices)
        EXPECT_EQ(ResolveSerialDevice(nPort), device) << nPort;
    for (const auto& [name, nPort] :
         {std::pair{"COM3", 3u}, {"com1", 1u}, {"COM5", 0u}, {"/dev/ttyS0", 0u}})
        EXPECT_EQ(ComPortNumber(name), nPort) << name;
}

TEST_F(SerialPort, OpenRulesForPortNumbers) {
    Route(1, pty.Path());
    Route(2, "/nonexistent/tty2");
    ASSERT_TRUE(port.Open(&owner, 1));
    // Ports outside one to four and a missing owner are refused without closing the open port...
    for (BOOL bOpened :
         {port.Open(&owner, 5), port.Open(nullptr, 1), port.OpenDevice(&owner, pty.Path(), 5),
          port.OpenDevice(&owner, pty.Path(), 0), port.OpenDevice(nullptr, pty.Path(), 1)})
        EXPECT_FALSE(bOpened);
    EXPECT_TRUE(port.IsOpen());
    // ...while a failed open leaves it closed; an unopenable device is the caller's to report,
    // with the device and the system's reason.
    EXPECT_FALSE(port.Open(&owner, 2));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_THAT(owner.errors, IsEmpty());
    EXPECT_EQ(OpenFailureAdvice(port), "/nonexistent/tty2: No such file or directory");
    // A device this user may not use is told apart from a missing one and from one that another
    // program holds, which is named.
    {
        CDeniedDevice denied;
        Route(4, denied.Path());
        EXPECT_FALSE(port.Open(&owner, 4));
        EXPECT_EQ(OpenFailureAdvice(port), kSerialAccessHint);
    }
    CSerialPort holder;
    ASSERT_TRUE(holder.Open(&owner, 1));
    EXPECT_FALSE(port.Open(&owner, 1));
    EXPECT_EQ(port.GetOpenFailure(), EOpenFailure::Busy);
    EXPECT_EQ(OpenFailureAdvice(port), pty.Path() + " is in use by link_tests (process " +
                                           std::to_string(::getpid()) +
                                           "): close it, then try again.");
    holder.Close();
    // Port zero opens the first that opens.
    Route(1, "/nonexistent/tty1");
    Route(3, pty.Path());
    ASSERT_TRUE(port.Open(&owner, 0));
    EXPECT_EQ(port.GetPortNumber(), 3u);
}

// A device is found by its name, its by-id link (the link that leads to it) or its path, and
// is remembered by that link only when it has a serial number to make the link its own.
TEST_F(SerialPort, DevicesAreFoundByNameLinkOrPath) {
    QTemporaryDir byId;
    const std::string link = byId.filePath("usb-FTDI_FT232R_A1B2-if00-port0").toStdString();
    ASSERT_EQ(::symlink(pty.Path().c_str(), link.c_str()), 0);
    ASSERT_EQ(::symlink("/nonexistent/tty", byId.filePath("broken").toLocal8Bit().data()), 0);
    EXPECT_EQ(FindLinkTo(byId.path().toStdString(), pty.Path()), link);
    EXPECT_EQ(FindLinkTo(byId.path().toStdString(), "/dev/null"), "");

    SSerialDevice adapter{"ttyUSB0", "FT232R USB UART", "FTDI", "A1B2", 0x0403,
                          0x6001,    "/dev/ttyUSB0",    link};
    const SSerialDevice builtIn{"ttyS0", "", "", "", -1, -1, "/dev/ttyS0", ""};
    const std::vector<SSerialDevice> devices{builtIn, adapter};
    for (const auto& [given, path] : {std::pair{"ttyUSB0", "/dev/ttyUSB0"},
                                      {link.c_str(), "/dev/ttyUSB0"},
                                      {"/dev/ttyS0", "/dev/ttyS0"},
                                      {"ttyUSB1", "ttyUSB1"},
                                      {"", ""}})
        EXPECT_EQ(FindDevicePath(devices, given), path) << given;
    EXPECT_EQ(DeviceIdentity(adapter), link);
    EXPECT_EQ(DeviceIdentity(builtIn), "/dev/ttyS0");
    adapter.strSerialNumber.clear(); // its link could be another adapter's
    EXPECT_EQ(DeviceIdentity(adapter), "/dev/ttyUSB0");
    EXPECT_EQ(DeviceName(pty.Path()), pty.Path().substr(5));
}

// Settings that make no sense are reported as such (those the device refuses as refused); the
// port stays open as it is. COM3 is the device: the report names the port by its number.
TEST_F(SerialPort, SettingsThatMakeNoSenseAreReported) {
    Route(3, pty.Path());
    const struct {
        char cParity;
        UINT nDataBits, nStopBits, nBaud;
        bool bSense;
    } cases[] = {{'n', 8, 1, 115200, true},  {'E', 7, 2, 9600, true},    {'o', 5, 1, 1200, true},
                 {'M', 8, 1, 115200, true},  {'s', 6, 2, 115200, true},  {'N', 4, 1, 115200, false},
                 {'N', 9, 1, 115200, false}, {'N', 8, 3, 115200, false}, {'N', 8, 1, 0, false},
                 {'X', 8, 1, 115200, false}};
    for (const auto& c : cases) {
        owner.errors.clear();
        EXPECT_TRUE(
            port.OpenDevice(&owner, pty.Path(), 3, c.nBaud, c.cParity, c.nDataBits, c.nStopBits));
        EXPECT_THAT(owner.errors, Contains(HasSubstr("BuildCommDCB")).Times(c.bSense ? 0 : 1))
            << c.cParity << c.nDataBits << c.nStopBits << c.nBaud;
    }
    EXPECT_THAT(owner.errors, ElementsAre("Application Error: WARNING:  BuildCommDCB() Failed with "
                                          "the following error: \nUnknown error\nPort: 3\n"));
}

// Writes leave in order, without terminators; empty ones, and those of a closed port, queue
// nothing. Input that already arrived reaches the owner before a write purges the rest: "CTS"
// first, then one call per byte, as the events asked for.
TEST_F(SerialPort, WritesLeaveInOrderAfterTheInputThatArrived) {
    port.WriteString("lost");
    EXPECT_FALSE(port.HasPendingWrites());
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 1));
    port.WriteString("queued");
    port.Close();
    EXPECT_FALSE(port.HasPendingWrites());
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 2));
    port.Write(reinterpret_cast<const BYTE*>(""), 0);
    port.WriteString("");
    port.WriteString(std::string());
    EXPECT_FALSE(port.HasPendingWrites());
    pty.Send("x\r\x00\xff"s);
    ::usleep(20000); // in the terminal, but not yet read by the port
    port.WriteString("ack");
    port.WriteString(std::string("0204"));
    const BYTE block[] = {0x00, 0x01, 0x0D};
    port.Write(block, 3);
    port.WriteByte(0x1F);
    port.Write(reinterpret_cast<const BYTE*>("ZDATA"), 0);
    std::string received;
    ASSERT_TRUE(SpinUntil([&] { return (received += pty.Take()).size() >= 15; }));
    EXPECT_EQ(received, "ack0204\x00\x01\r\x1FZDATA"s);
    EXPECT_THAT(owner.events, ElementsAre("CTS2", "x", "\r", std::string(1, '\0'), "\xff"));
    owner.events.clear();
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 1, 115200, 'N', 8, 1, EV_RXCHAR));
    pty.Send("ok");
    ASSERT_TRUE(SpinUntil([&] { return owner.events.size() >= 2; }));
    EXPECT_THAT(owner.events, ElementsAre("o", "k"));
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 1, 115200, 'N', 8, 1, EV_CTS));
    pty.Send("no");
    EXPECT_FALSE(SpinUntil([&] { return owner.events.size() > 2; }, 100)); // nothing read
}

// The far end closes while the port waits for input, or with a write queued, whose purge then
// fails first: one report, given when the port is closed already, naming the device.
TEST_F(SerialPort, DeviceThatGoesAwayIsReportedOnceAndClosed) {
    for (bool bWriting : {false, true}) {
        RawPty far;
        RecordingOwner lossOwner;
        const std::string path = far.Path();
        ASSERT_TRUE(port.OpenDevice(&lossOwner, path, 4));
        if (bWriting)
            port.WriteByte(kPollByte);
        far.HangUp();
        ASSERT_TRUE(SpinUntil([&] { return !port.IsOpen(); }));
        SpinUntil([] { return false; }, 200); // time for any further failure to show up
        EXPECT_THAT(lossOwner.errors, IsEmpty());
        // A device that is no COM port's is named by its path.
        EXPECT_THAT(lossOwner.losses,
                    ElementsAre("Application Error: WARNING:  ReadFile() Failed with the following "
                                "error: \nInput/output error\nPort: " +
                                path + "\n"));
        port.WriteString("dropped");
        EXPECT_FALSE(port.HasPendingWrites());
    }
}

// ---- whole transfers --------------------------------------------------------------------------

// What RunTransfer adds to the engine: the port by COM name or device name, the outcomes, the
// image only when whole. The box may hang up as soon as it has heard the PC's closing lines: no
// failure.
TEST_F(SerialPort, TransferOutcomesThroughARealPort) {
    SBoxOptions options;
    options.strVersion = "V107";
    options.nCorruptSentBlock = 100;
    options.image = RandomImage(11);
    auto box = std::make_unique<CPtyBox>(options);
    std::string strError;
    ASSERT_TRUE(box->Open(strError)) << strError;
    Route(3, box->DevicePath());

    STransferSettings settings;
    std::vector<BYTE> data, shortImage(100);
    std::vector<std::string> errors;
    std::atomic<bool> cancel{true};
    STransferRequest request;
    request.strPort = "/nonexistent/tty";
    request.pImage = &data;
    request.callbacks.onPortError = [&](const std::string& text, const std::string&) {
        errors.push_back(text);
    };
    request.nTimeoutMs = 20000;
    EXPECT_EQ(RunTransfer(request, settings), ETransferOutcome::NoPort);
    request.strPort = "COM3";
    request.pImage = nullptr;
    EXPECT_EQ(RunTransfer(request, settings), ETransferOutcome::BadImage);
    request.nDirection = DIRECTION_PC_TO_STB;
    request.pImage = &shortImage;
    EXPECT_EQ(RunTransfer(request, settings), ETransferOutcome::BadImage);
    request.nDirection = DIRECTION_STB_TO_PC;
    request.pImage = &data;
    request.pCancel = &cancel;
    EXPECT_EQ(RunTransfer(request, settings), ETransferOutcome::Cancelled);
    EXPECT_TRUE(data.empty());

    cancel = false;
    request.strPort = DeviceName(box->DevicePath()); // the device's name, as "ttyUSB0"
    bool bHeardTheEnd = false;
    box->SetFinishedHandler([&] {
        bHeardTheEnd = box->Box().Errors().empty();
        QTimer::singleShot(0, [&] { box.reset(); });
    });
    EXPECT_EQ(RunTransfer(request, settings), ETransferOutcome::Complete);
    EXPECT_EQ(data, options.image);
    EXPECT_TRUE(SpinUntil([&] { return bHeardTheEnd; }));
    EXPECT_THAT(errors, IsEmpty());
    // A box that never answers is named once; the transfer waits on until its time is up.
    std::vector<std::string> log;
    request.callbacks.onLog = [&](const std::string& line) { log.push_back(line); };
    request.strPort = pty.Path();
    request.nNoAnswerMs = 20;
    request.nTimeoutMs = 200;
    EXPECT_EQ(RunTransfer(request, settings), ETransferOutcome::TimedOut);
    EXPECT_THAT(log, ElementsAre("Ready data transfer",
                                 "No answer from the box on " + pty.Path() +
                                     ": check the cable, then switch the box off and on"));
}
