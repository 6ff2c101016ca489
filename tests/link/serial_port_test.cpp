// CSerialPort and whole transfers over real pseudo-terminals, inside a Qt event loop.
#include "cli_transfer.h"
#include "denied_device.h"
#include "link_test_util.h"
#include "pty_box.h"
#include "serial_port.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace std::string_literals;
using ::testing::ElementsAre;
using ::testing::StartsWith;

namespace {

// The far end of a pseudo-terminal, read and written directly.
class RawPty {
  public:
    RawPty() {
        m_nMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        ::grantpt(m_nMaster);
        ::unlockpt(m_nMaster);
        m_strPath = ::ptsname(m_nMaster);
        // Raw before the port opens it, so nothing is echoed or translated.
        const int nSlave = ::open(m_strPath.c_str(), O_RDWR | O_NOCTTY);
        termios settings{};
        ::tcgetattr(nSlave, &settings);
        ::cfmakeraw(&settings);
        ::tcsetattr(nSlave, TCSANOW, &settings);
        m_nHold = nSlave;
    }
    ~RawPty() {
        ::close(m_nMaster);
        ::close(m_nHold);
    }
    const std::string& Path() const { return m_strPath; }
    void Send(const std::string& bytes) {
        ASSERT_EQ(::write(m_nMaster, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    std::string Take() {
        std::string bytes;
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(m_nMaster, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, size_t(n));
        return bytes;
    }

  private:
    int m_nMaster = -1;
    int m_nHold = -1;
    std::string m_strPath;
};

struct RecordingOwner : ISerialOwner {
    std::vector<std::string> events; // "CTS", or the received byte
    std::vector<std::pair<std::string, std::string>> errors, losses;
    void OnSerialCts(UINT nPort) override { events.push_back("CTS" + std::to_string(nPort)); }
    void OnSerialByte(BYTE b, UINT) override { events.push_back(std::string(1, char(b))); }
    void OnSerialError(const std::string& text, const std::string& caption) override {
        errors.emplace_back(text, caption);
    }
    // Shown as a box would be: the event loop runs on while the user reads it.
    void OnSerialLost(const std::string& text, const std::string& caption) override {
        losses.emplace_back(text, caption);
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
    // What the far end got, once at least nBytes arrived.
    std::string Receive(size_t nBytes) {
        std::string received;
        EXPECT_TRUE(SpinUntil([&] {
            received += pty.Take();
            return received.size() >= nBytes;
        }));
        return received;
    }
    RawPty pty;
    RecordingOwner owner;
    CSerialPort port;
};

} // namespace

TEST_F(SerialPort, ComNamesResolveToDevicesOrTheEnvironment) {
    EXPECT_EQ(ResolveSerialDevice(1), "/dev/ttyS0");
    EXPECT_EQ(ResolveSerialDevice(4), "/dev/ttyS3");
    EXPECT_EQ(ResolveSerialDevice(0), "");
    EXPECT_EQ(ResolveSerialDevice(5), "");
    Route(2, "/tmp/somewhere");
    EXPECT_EQ(ResolveSerialDevice(2), "/tmp/somewhere");
    EXPECT_EQ(ComPortNumber("COM3"), 3u);
    EXPECT_EQ(ComPortNumber("com1"), 1u);
    EXPECT_EQ(ComPortNumber("COM5"), 0u);
    EXPECT_EQ(ComPortNumber("/dev/ttyS0"), 0u);
}

TEST_F(SerialPort, OpenRulesForPortNumbers) {
    Route(1, pty.Path());
    Route(2, "/nonexistent/tty2");
    ASSERT_TRUE(port.Open(&owner, 1));
    // Ports above four and a missing owner are refused without closing the open port...
    EXPECT_FALSE(port.Open(&owner, 5));
    EXPECT_FALSE(port.Open(nullptr, 1));
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.GetPortNumber(), 1u);
    // ...while a failed open leaves it closed; an unopenable device is the caller's to report.
    EXPECT_FALSE(port.Open(&owner, 2));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(owner.errors.empty());
    // A device this user may not use is told apart from a missing one and from one that another
    // port holds.
    EXPECT_FALSE(port.IsAccessDenied());
    {
        CDeniedDevice denied;
        Route(4, denied.Path());
        EXPECT_FALSE(port.Open(&owner, 4));
        EXPECT_TRUE(port.IsAccessDenied());
    }
    CSerialPort holder;
    ASSERT_TRUE(holder.Open(&owner, 1));
    EXPECT_FALSE(port.Open(&owner, 1));
    EXPECT_FALSE(port.IsAccessDenied());
    holder.Close();
    // Port zero opens the first that opens.
    Route(1, "/nonexistent/tty1");
    Route(3, pty.Path());
    ASSERT_TRUE(port.Open(&owner, 0));
    EXPECT_EQ(port.GetPortNumber(), 3u);
}

TEST_F(SerialPort, CtsComesFirstThenOneCallPerByteInOrder) {
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 2));
    pty.Send("ab\r\x00\xff"s);
    ASSERT_TRUE(SpinUntil([&] { return owner.events.size() >= 6; }));
    EXPECT_THAT(owner.events, ElementsAre("CTS2", "a", "b", "\r", std::string(1, '\0'), "\xff"));
}

TEST_F(SerialPort, OnlyTheEventsOfTheMaskAreSent) {
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 1, 115200, 'N', 8, 1, EV_RXCHAR));
    pty.Send("ok");
    ASSERT_TRUE(SpinUntil([&] { return owner.events.size() >= 2; }));
    EXPECT_THAT(owner.events, ElementsAre("o", "k"));
}

TEST_F(SerialPort, WritesLeaveInOrderWithoutTerminatorsAndEmptyOrClosedOnesQueueNothing) {
    port.WriteString("lost");
    EXPECT_FALSE(port.HasPendingWrites());
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 1));
    port.WriteString("queued");
    port.Close();
    EXPECT_FALSE(port.HasPendingWrites());
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 1));
    port.Write(reinterpret_cast<const BYTE*>(""), 0);
    port.WriteString("");
    port.WriteString(std::string());
    EXPECT_FALSE(port.HasPendingWrites());
    port.WriteString("ack");
    port.WriteString(std::string("0204"));
    const BYTE block[] = {0x00, 0x01, 0x0D};
    port.Write(block, 3);
    port.WriteByte(0x1F);
    port.Write(reinterpret_cast<const BYTE*>("ZDATA"), 0);
    EXPECT_EQ(Receive(15), "ack0204\x00\x01\r\x1FZDATA"s);
}

TEST_F(SerialPort, InputAlreadyArrivedIsDeliveredBeforeTheWritePurges) {
    ASSERT_TRUE(port.OpenDevice(&owner, pty.Path(), 1));
    pty.Send("xyz");
    ::usleep(20000); // in the terminal, but not yet read by the port
    port.WriteString("Q");
    EXPECT_EQ(Receive(1), "Q");
    EXPECT_THAT(owner.events, ElementsAre("CTS1", "x", "y", "z"));
}

TEST_F(SerialPort, UnusableSettingsAreReportedAndThePortStaysOpen) {
    EXPECT_TRUE(port.OpenDevice(&owner, pty.Path(), 3, 115200, 'X', 8, 1));
    EXPECT_TRUE(port.IsOpen());
    ASSERT_EQ(owner.errors.size(), 1u);
    EXPECT_THAT(owner.errors[0].first,
                StartsWith("WARNING:  BuildCommDCB() Failed with the following error: \n"));
    EXPECT_THAT(owner.errors[0].first, testing::EndsWith("\nPort: 3\n"));
    EXPECT_EQ(owner.errors[0].second, "Application Error");
}

// The far end closes while the port waits for input, or with a write queued, whose purge then
// fails first: one report, given when the port is closed already.
TEST_F(SerialPort, DeviceThatGoesAwayIsReportedOnceAndClosed) {
    for (bool bWriting : {false, true}) {
        RecordingOwner lossOwner;
        const int nMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(nMaster, 0);
        ::grantpt(nMaster);
        ::unlockpt(nMaster);
        ASSERT_TRUE(port.OpenDevice(&lossOwner, ::ptsname(nMaster), 4));
        if (bWriting)
            port.WriteByte(kPollByte);
        ::close(nMaster);
        ASSERT_TRUE(SpinUntil([&] { return !port.IsOpen(); }));
        SpinUntil([] { return false; }, 200); // time for any further failure to show up
        EXPECT_TRUE(lossOwner.errors.empty());
        ASSERT_EQ(lossOwner.losses.size(), 1u);
        EXPECT_THAT(lossOwner.losses[0].first,
                    StartsWith("WARNING:  ReadFile() Failed with the following error: \n"));
        EXPECT_THAT(lossOwner.losses[0].first,
                    testing::EndsWith("\nInput/output error\nPort: 4\n"));
        EXPECT_EQ(lossOwner.losses[0].second, "Application Error");
        port.WriteString("dropped");
        EXPECT_FALSE(port.HasPendingWrites());
    }
}

// ---- whole transfers --------------------------------------------------------------------------

namespace {

struct PtyTransfer {
    STransferSettings settings;
    std::vector<BYTE> image = RandomImage(11);
    std::unique_ptr<CPtyBox> box;
    std::vector<std::string> log;

    explicit PtyTransfer(SBoxOptions options = {}) {
        EnsureApplication();
        options.image = image;
        box = std::make_unique<CPtyBox>(std::move(options));
        std::string strError;
        EXPECT_TRUE(box->Open(strError)) << strError;
    }
    ETransferOutcome Run(UINT nDirection, std::vector<BYTE>& data, const std::string& port) {
        STransferRequest request;
        request.strPort = port;
        request.nDirection = nDirection;
        request.pImage = &data;
        request.callbacks.onLog = [this](const std::string& line) { log.push_back(line); };
        request.nTimeoutMs = 20000;
        return RunTransfer(request, settings);
    }
};

} // namespace

TEST(PtyTransfer, StbToPcThroughComThreeWithARetriedBlock) {
    SBoxOptions options;
    options.strVersion = "V107";
    options.nCorruptSentBlock = 100;
    PtyTransfer t(options);
    ::setenv("ORVANE_COM3", t.box->DevicePath().c_str(), 1);
    std::vector<BYTE> data;
    const ETransferOutcome outcome = t.Run(DIRECTION_STB_TO_PC, data, "COM3");
    ::unsetenv("ORVANE_COM3");
    ASSERT_EQ(outcome, ETransferOutcome::Complete);
    EXPECT_TRUE(t.box->Box().IsFinished()); // it heard the closing lines
    EXPECT_TRUE(t.box->Box().Errors().empty());
    EXPECT_EQ(data, t.image);
    EXPECT_THAT(t.log, testing::Contains("100 Block receive Error ----- Retry"));
}

TEST(PtyTransfer, BoxServesAgainOnceThePcHasBeenQuiet) {
    PtyTransfer t;
    int nFinished = 0;
    t.box->SetFinishedHandler([&] { ++nFinished; });
    t.box->SetRestartAfterQuiet(50);
    std::vector<BYTE> data;
    ASSERT_EQ(t.Run(DIRECTION_STB_TO_PC, data, t.box->DevicePath()), ETransferOutcome::Complete);
    EXPECT_EQ(data, t.image);
    ASSERT_TRUE(SpinUntil([&] { return !t.box->Box().IsFinished(); }));
    std::vector<BYTE> sent = RandomImage(12);
    ASSERT_EQ(t.Run(DIRECTION_PC_TO_STB, sent, t.box->DevicePath()), ETransferOutcome::Complete);
    EXPECT_EQ(t.box->Box().ReceivedImage(), sent);
    EXPECT_EQ(nFinished, 2);
}

TEST(PtyTransfer, NoImageNoPortAndCancelEndWithoutData) {
    PtyTransfer t;
    std::vector<BYTE> shortImage(100);
    EXPECT_EQ(t.Run(DIRECTION_PC_TO_STB, shortImage, t.box->DevicePath()),
              ETransferOutcome::BadImage);
    std::vector<BYTE> data;
    EXPECT_EQ(t.Run(DIRECTION_STB_TO_PC, data, "/nonexistent/tty"), ETransferOutcome::NoPort);

    STransferRequest noBuffer;
    noBuffer.strPort = t.box->DevicePath();
    EXPECT_EQ(RunTransfer(noBuffer, t.settings), ETransferOutcome::BadImage);

    std::atomic<bool> cancel{true};
    STransferRequest request;
    request.strPort = t.box->DevicePath();
    request.pImage = &data;
    request.pCancel = &cancel;
    EXPECT_EQ(RunTransfer(request, t.settings), ETransferOutcome::Cancelled);
    EXPECT_TRUE(data.empty());
}
