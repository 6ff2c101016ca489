// zdftool's send and receive commands against the box on a pseudo-terminal.
#include "cli_transfer.h"
#include "image_files.h"
#include "link_test_util.h"
#include "pty_box.h"
#include "store_fill.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sstream>

using ::testing::HasSubstr;

namespace {

class TransferCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        static int argc = 1;
        static char szName[] = "link_tests";
        static char* argv[] = {szName, nullptr};
        if (QCoreApplication::instance() == nullptr)
            new QCoreApplication(argc, argv); // lives for the whole test program
        ASSERT_TRUE(dir.isValid());
        SBoxOptions options;
        options.image = boxImage;
        box = std::make_unique<CPtyBox>(options);
        std::string strError;
        ASSERT_TRUE(box->Open(strError)) << strError;
    }
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    static std::vector<BYTE> ReadAll(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        return std::vector<BYTE>(bytes.begin(), bytes.end());
    }
    static void WriteAll(const std::string& path, const std::vector<BYTE>& bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }

    QTemporaryDir dir;
    std::vector<BYTE> boxImage = RandomImage(21);
    std::unique_ptr<CPtyBox> box;
    std::ostringstream out, err;
};

} // namespace

TEST_F(TransferCommand, SendTakesABareImageToTheBox) {
    const std::vector<BYTE> image = RandomImage(22);
    WriteAll(Path("send.bin"), image);
    ASSERT_EQ(
        RunTransferCommand(DIRECTION_PC_TO_STB, box->DevicePath(), Path("send.bin"), out, err), 0)
        << err.str();
    EXPECT_EQ(box->Box().ReceivedImage(), image);
    EXPECT_THAT(out.str(), HasSubstr("Sent 204 blocks"));
    EXPECT_THAT(err.str(),
                HasSubstr("Flash Write [########################################] 51/51"));
}

TEST_F(TransferCommand, ReceiveWritesTheWholeImage) {
    ASSERT_EQ(RunTransferCommand(DIRECTION_STB_TO_PC, box->DevicePath(), Path("got.bin"), out, err),
              0)
        << err.str();
    EXPECT_EQ(ReadAll(Path("got.bin")), boxImage);
    EXPECT_THAT(out.str(), HasSubstr("Received 204 blocks"));
    EXPECT_THAT(err.str(),
                HasSubstr("Upload      [########################################] 204/204"));
    EXPECT_THAT(err.str(), HasSubstr("Start data transfer\n"));
}

TEST_F(TransferCommand, DataFilesTravelAsTheirChannels) {
    CChannelStore original;
    FillStore(original);
    original.SetPathName(Path("mine.zdf"));
    ASSERT_TRUE(original.WriteDataFile());
    ASSERT_EQ(
        RunTransferCommand(DIRECTION_PC_TO_STB, box->DevicePath(), Path("mine.zdf"), out, err), 0)
        << err.str();
    std::vector<BYTE> expected;
    std::string strError;
    ASSERT_TRUE(LoadTransferImage(Path("mine.zdf"), expected, strError));
    EXPECT_EQ(box->Box().ReceivedImage(), expected);

    SBoxOptions options;
    options.image = BuiltImage(original);
    box = std::make_unique<CPtyBox>(options);
    ASSERT_TRUE(box->Open(strError)) << strError;
    ASSERT_EQ(RunTransferCommand(DIRECTION_STB_TO_PC, box->DevicePath(), Path("got.zdf"), out, err),
              0)
        << err.str();
    CChannelStore copy;
    copy.SetPathName(Path("got.zdf"));
    ASSERT_TRUE(copy.ReadDataFile());
    ExpectSameChannels(original, copy);
}

TEST_F(TransferCommand, ReceivedImageWithoutChannelsLeavesNoDataFile) {
    // The box's random image is no channel database.
    EXPECT_EQ(
        RunTransferCommand(DIRECTION_STB_TO_PC, box->DevicePath(), Path("noise.zdf"), out, err), 1);
    EXPECT_THAT(err.str(), HasSubstr("holds no channel database"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("noise.zdf"))));
}

TEST_F(TransferCommand, FailuresWriteNothingAndExitNonZero) {
    EXPECT_EQ(
        RunTransferCommand(DIRECTION_STB_TO_PC, "/nonexistent/tty", Path("none.bin"), out, err), 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("none.bin"))));
    EXPECT_THAT(err.str(), HasSubstr("cannot open the serial port /nonexistent/tty"));

    WriteAll(Path("short.bin"), std::vector<BYTE>(1000));
    EXPECT_EQ(
        RunTransferCommand(DIRECTION_PC_TO_STB, box->DevicePath(), Path("short.bin"), out, err), 1);
    EXPECT_THAT(err.str(), HasSubstr("is not a transfer image: 1000 bytes"));
    EXPECT_FALSE(box->Box().IsFinished());
}

TEST_F(TransferCommand, CtrlCStopsAReceiveWithoutWriting) {
    SBoxOptions silent;
    silent.strVersion = "MODE"; // a box that never gets past its announcement
    box = std::make_unique<CPtyBox>(silent);
    std::string strError;
    ASSERT_TRUE(box->Open(strError));
    QTimer::singleShot(150, [] { std::raise(SIGINT); });
    EXPECT_EQ(RunTransferCommand(DIRECTION_STB_TO_PC, box->DevicePath(), Path("cut.bin"), out, err),
              130);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("cut.bin"))));
    EXPECT_THAT(err.str(), HasSubstr("transfer cancelled; nothing written"));
}
