// zdftool's send and receive commands against the box on a pseudo-terminal.
#include "denied_device.h"
#include "transfer_command.h"

#include "core_application.h"
#include "image_files.h"
#include "pty_box.h"
#include "serial_port.h"
#include "store_builders.h"
#include "transfer_image.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

class TransferCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        EnsureApplication();
        ASSERT_TRUE(dir.isValid());
        OpenBox(boxImage);
    }
    void OpenBox(std::vector<BYTE> image, const char* version = "V120") {
        SBoxOptions options;
        options.image = std::move(image);
        options.strVersion = version;
        box = std::make_unique<CPtyBox>(options);
        std::string strError;
        ASSERT_TRUE(box->Open(strError)) << strError;
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    bool Exists(const char* name) const { return QFile::exists(dir.filePath(name)); }
    int Run(UINT nDirection, const char* file, std::string port = {}) {
        return RunTransferCommand(nDirection, port.empty() ? box->DevicePath() : port, Path(file),
                                  out, err);
    }
    std::vector<BYTE> ReadAll(const char* name) const {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        return std::vector<BYTE>(bytes.begin(), bytes.end());
    }
    void WriteAll(const char* name, const std::vector<BYTE>& bytes) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }

    QTemporaryDir dir;
    std::vector<BYTE> boxImage = RandomImage(21);
    std::unique_ptr<CPtyBox> box;
    std::ostringstream out, err;
};

} // namespace

TEST_F(TransferCommand, BareImagesGoBothWaysWithProgress) {
    const std::vector<BYTE> image = RandomImage(22);
    WriteAll("send.bin", image);
    ASSERT_EQ(Run(DIRECTION_PC_TO_STB, "send.bin"), 0) << err.str();
    EXPECT_EQ(box->Box().ReceivedImage(), image);
    EXPECT_THAT(out.str(), HasSubstr("Sent 204 blocks"));
    EXPECT_THAT(err.str(),
                HasSubstr("Flash Write [########################################] 51/51"));

    OpenBox(boxImage);
    ASSERT_EQ(Run(DIRECTION_STB_TO_PC, "got.bin"), 0) << err.str();
    EXPECT_EQ(ReadAll("got.bin"), boxImage);
    EXPECT_THAT(out.str(), HasSubstr("Received 204 blocks"));
    EXPECT_THAT(err.str(),
                HasSubstr("Upload      [########################################] 204/204"));
    EXPECT_THAT(err.str(), HasSubstr("Start data transfer\n"));
}

TEST_F(TransferCommand, DataFilesTravelAsTheirChannels) {
    CChannelStore original;
    FillMixedStore(original);
    original.SetPathName(Path("mine.zdf"));
    ASSERT_TRUE(original.WriteDataFile());
    ASSERT_EQ(Run(DIRECTION_PC_TO_STB, "mine.zdf"), 0) << err.str();
    std::vector<BYTE> expected;
    std::string strError;
    ASSERT_TRUE(LoadTransferImage(Path("mine.zdf"), expected, strError));
    EXPECT_EQ(box->Box().ReceivedImage(), expected);

    OpenBox(BuildTransferImage(original));
    ASSERT_EQ(Run(DIRECTION_STB_TO_PC, "got.zdf"), 0) << err.str();
    CChannelStore copy;
    copy.SetPathName(Path("got.zdf"));
    ASSERT_TRUE(copy.ReadDataFile());
    EXPECT_EQ(ChannelsText(copy), ChannelsText(original));
}

TEST_F(TransferCommand, FailuresWriteNothingAndExitNonZero) {
    // The box's random image is no channel database.
    EXPECT_EQ(Run(DIRECTION_STB_TO_PC, "noise.zdf"), 1);
    EXPECT_THAT(err.str(), HasSubstr("holds no channel database"));
    EXPECT_FALSE(Exists("noise.zdf"));

    EXPECT_EQ(Run(DIRECTION_STB_TO_PC, "none.bin", "/nonexistent/tty"), 1);
    EXPECT_FALSE(Exists("none.bin"));
    EXPECT_THAT(err.str(), HasSubstr("cannot open the serial port /nonexistent/tty\n"));
    EXPECT_THAT(err.str(), Not(HasSubstr(kSerialAccessHint)));
    {
        CDeniedDevice denied; // a port this user may not use names the fix
        EXPECT_EQ(Run(DIRECTION_STB_TO_PC, "none.bin", denied.Path()), 1);
        EXPECT_THAT(err.str(), HasSubstr("cannot open the serial port " + denied.Path() + "\n" +
                                         kSerialAccessHint + "\n"));
    }

    OpenBox(boxImage);
    WriteAll("short.bin", std::vector<BYTE>(1000));
    EXPECT_EQ(Run(DIRECTION_PC_TO_STB, "short.bin"), 1);
    EXPECT_THAT(err.str(), HasSubstr("is not a transfer image: 1000 bytes"));
    EXPECT_FALSE(box->Box().IsFinished());
}

// A box may hang up as soon as it is done: after a whole image that is no failure.
TEST_F(TransferCommand, ABoxThatHangsUpWhenDoneLeavesTheReceiveSound) {
    box->SetFinishedHandler([this] { QTimer::singleShot(0, [this] { box.reset(); }); });
    ASSERT_EQ(Run(DIRECTION_STB_TO_PC, "got.bin"), 0) << err.str();
    EXPECT_EQ(ReadAll("got.bin"), boxImage);
    EXPECT_THAT(out.str(), HasSubstr("Received 204 blocks"));
    EXPECT_THAT(err.str(), Not(HasSubstr("Error")));
}

TEST_F(TransferCommand, CtrlCStopsAReceiveWithoutWriting) {
    OpenBox({}, "MODE"); // a box that never gets past its announcement
    QTimer::singleShot(150, [] { std::raise(SIGINT); });
    EXPECT_EQ(Run(DIRECTION_STB_TO_PC, "cut.bin"), 130);
    EXPECT_FALSE(Exists("cut.bin"));
    EXPECT_THAT(err.str(), HasSubstr("transfer cancelled; nothing written"));
}
