// zdftool's send and receive against the box on a pseudo-terminal: what the commands add to a
// transfer (files, messages, the progress bar, exit statuses, Ctrl-C).
#include "zdf_run.h"

#include "core_application.h"
#include "pty_box.h"
#include "store_builders.h"
#include "transfer_command.h"

#include <QTimer>

#include <gmock/gmock.h>

#include <csignal>

using ::testing::HasSubstr;

namespace {

class TransferCommand : public ZdfFiles {
  protected:
    void SetUp() override {
        EnsureApplication();
        SBoxOptions options;
        options.image = boxImage;
        box = std::make_unique<CPtyBox>(options);
        std::string strError;
        ASSERT_TRUE(box->Open(strError)) << strError;
        box->SetRestartAfterQuiet(50); // serves again once the PC has been quiet a while
    }
    std::vector<BYTE> boxImage = RandomImage(21);
    std::unique_ptr<CPtyBox> box;
};

} // namespace

// (A received image that is no channel database is not written as a data file: the image files'
// tests own that.)
TEST_F(TransferCommand, ReceiveAndSendBackWithProgress) {
    const ZdfResult got = Zdf({"receive", box->DevicePath(), Path("got.bin")});
    ASSERT_EQ(got.nExit, ZDF_OK) << got.err;
    EXPECT_EQ(Bytes(Path("got.bin")), std::string(boxImage.begin(), boxImage.end()));
    EXPECT_EQ(got.out, "Received 204 blocks from the box into " + Path("got.bin") + "\n");
    EXPECT_THAT(got.err,
                HasSubstr("Upload      [########################################] 204/204\n"));

    const ZdfResult sent = Zdf({"send", box->DevicePath(), Path("got.bin")});
    ASSERT_EQ(sent.nExit, ZDF_OK) << sent.err;
    EXPECT_EQ(box->Box().ReceivedImage(), boxImage);
    EXPECT_EQ(sent.out, "Sent 204 blocks from " + Path("got.bin") +
                            "; the box has written them to its flash\n");
    EXPECT_THAT(sent.err,
                HasSubstr("Flash Write [########################################] 51/51\n"));
}

TEST_F(TransferCommand, FailuresWriteNothingAndExitNonZero) {
    Write(Path("short.bin"), std::string(1000, '\0'));
    const ZdfResult missing = Zdf({"receive", "/nonexistent/tty", Path("none.bin")});
    EXPECT_EQ(missing.nExit, ZDF_FAILED);
    EXPECT_EQ(missing.err, "zdftool: cannot open the serial port /nonexistent/tty\n"
                           "/nonexistent/tty: No such file or directory\n");
    const ZdfResult refused = Zdf({"send", box->DevicePath(), Path("short.bin")});
    EXPECT_EQ(refused.nExit, ZDF_FAILED);
    EXPECT_THAT(refused.err, HasSubstr("is not a transfer image: 1000 bytes"));
    EXPECT_FALSE(Exists(Path("none.bin")));
}

TEST_F(TransferCommand, CtrlCStopsAReceiveWithoutWriting) {
    QTimer::singleShot(0, [] { std::raise(SIGINT); }); // long before the first block
    const ZdfResult r = Zdf({"receive", box->DevicePath(), Path("cut.bin")});
    EXPECT_EQ(r.nExit, 130);
    EXPECT_FALSE(Exists(Path("cut.bin")));
    EXPECT_THAT(r.err, HasSubstr("zdftool: transfer cancelled; nothing written\n"));
}

// "ports": a table with "-" for what is unknown, or JSON with empty texts; usage errors exit 2.
TEST(Ports, ListedAsTableOrJson) {
    const std::vector<SSerialDevice> devices{
        {"ttyS0", "", "", "", -1, -1, "/dev/ttyS0", ""},
        {"ttyUSB0", "FT232R USB UART", "FTDI", "A1", 0x403, 0x6001, "/dev/ttyUSB0",
         "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0"}};
    std::ostringstream table, json, none;
    WritePorts(devices, false, table);
    EXPECT_EQ(table.str(), "NAME     DESCRIPTION      PATH          BY-ID\n"
                           "ttyS0    -                /dev/ttyS0    -\n"
                           "ttyUSB0  FT232R USB UART  /dev/ttyUSB0  "
                           "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0\n");
    WritePorts({devices[0]}, true, json);
    EXPECT_EQ(json.str(),
              "[\n    {\n        \"by_id\": \"\",\n        \"description\": \"\",\n"
              "        \"name\": \"ttyS0\",\n        \"path\": \"/dev/ttyS0\"\n    }\n]\n");
    WritePorts({}, false, none);
    EXPECT_EQ(none.str(), "No serial device found.\n");
    EXPECT_EQ(Zdf({"ports", "--csv"}).nExit, ZDF_USAGE);
}
