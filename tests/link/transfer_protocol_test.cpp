// The engine's line assembly, matching and state rules, fed byte by byte.
#include "link_test_util.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class Engine : public ::testing::Test {
  protected:
    STransferSettings settings;
    CLoopbackLink link{DIRECTION_PC_TO_STB, SBoxOptions{}, settings};
    CTransferProtocol& engine = link.Engine();

    void Connect(UINT nDirection) {
        engine.SetDirection(nDirection);
        engine.SetState(ETransferState::Ready);
    }
    std::string FlashInfo(BYTE bKind) {
        std::string info(kFlashInfoSize, '\x01');
        info[3] = static_cast<char>(bKind);
        return info;
    }
    // Connected, announced and through to the transfer state of the direction.
    void Start(UINT nDirection, const char* version = "V120") {
        Connect(nDirection);
        Feed(engine, std::string("REQUEST_") + version + "\r\nBL_FLASH_INFO\r" + FlashInfo(0x25) +
                         "BL_FLASH_END\r\nACK\r\nREQUEST_VERSION:" + version + "\r\n");
    }
    std::vector<std::string> WritesAfter(size_t nFrom) const {
        return std::vector(link.Writes().begin() + nFrom, link.Writes().end());
    }
};

} // namespace

TEST_F(Engine, AnnouncementAndFlashInformationLeadToRequestMode) {
    Connect(DIRECTION_STB_TO_PC);
    EXPECT_TRUE(link.TimerRunning(kPollTimerId));
    engine.OnTimer(kPollTimerId);
    Feed(engine, "REQUEST_V120\r");
    EXPECT_EQ(engine.GetVersion(), "V120");
    EXPECT_EQ(settings.strReceiveStartBlock, "1028");
    Feed(engine, "BL_FLASH_INFO\r");
    EXPECT_EQ(engine.GetState(), ETransferState::FlashInfo);
    Feed(engine, FlashInfo(0x06).substr(0, kFlashInfoSize - 1));
    EXPECT_EQ(engine.GetState(), ETransferState::FlashInfo);
    Feed(engine, "\x01");
    EXPECT_EQ(engine.GetState(), ETransferState::Ready);
    Feed(engine, "BL_FLASH_END\r");
    EXPECT_EQ(engine.GetState(), ETransferState::RequestMode);
    EXPECT_FALSE(link.TimerRunning(kPollTimerId));
    engine.OnTimer(kPollTimerId); // polls only in Ready
    Feed(engine, "ACK\r");
    EXPECT_EQ(engine.GetState(), ETransferState::WaitVersion);
    Feed(engine, "REQUEST_VERSION:whatever\r");
    EXPECT_EQ(engine.GetState(), ETransferState::ReceiveImage);
    EXPECT_THAT(link.Writes(), ElementsAre("\x1F", "ZDATA", "ack"));
    EXPECT_THAT(link.Log(), ElementsAre("Ready data transfer", "Ready data transfer",
                                        "Request mode", "Start data transfer"));
}

TEST_F(Engine, FlashMessagesBeforeAnyVersionAreIgnored) {
    Connect(DIRECTION_PC_TO_STB);
    Feed(engine, "BL_FLASH_INFO\r");
    Feed(engine, "BL_FLASH_END\r");
    EXPECT_EQ(engine.GetState(), ETransferState::Ready);
    EXPECT_EQ(engine.GetVersion(), "MODE");
    Feed(engine, "REQUEST_X12\r"); // a version not starting with V still is no version
    Feed(engine, "BL_FLASH_END\r");
    EXPECT_EQ(engine.GetState(), ETransferState::Ready);
    EXPECT_THAT(link.Writes(), IsEmpty());
}

TEST_F(Engine, ShortOrOddVersionsChangeNothing) {
    Connect(DIRECTION_STB_TO_PC);
    settings.strReceiveStartBlock = "0004";
    for (const char* line : {"REQUEST_V1\r", "REQUEST_V\r", "REQUEST_\r", "REQUEST_V10\r"}) {
        Feed(engine, line);
        EXPECT_EQ(settings.strReceiveStartBlock, "0004") << line;
        EXPECT_EQ(settings.nBlockNumberBase, 4u) << line;
    }
    Feed(engine, "REQUEST_V12\r"); // third character '2' is enough
    EXPECT_EQ(settings.nBlockNumberBase, 1028u);
}

TEST_F(Engine, FlashInformationKindSetsTheBlockCount) {
    const std::pair<BYTE, UINT> cases[] = {{0x25, 204}, {0x06, 204}, {0x16, 204}, {0x05, 204},
                                           {0x07, 100}, {0x00, 100}, {0x24, 100}};
    for (const auto& [bKind, nExpected] : cases) {
        STransferSettings local;
        local.nBlockCount = 100;
        local.strBlockCount = "0100";
        CLoopbackLink other(DIRECTION_STB_TO_PC, SBoxOptions{}, local);
        other.Engine().SetState(ETransferState::Ready);
        Feed(other.Engine(), "REQUEST_V120\rBL_FLASH_INFO\r" + FlashInfo(bKind));
        EXPECT_EQ(local.nBlockCount, nExpected) << int(bKind);
        EXPECT_EQ(other.Engine().GetBlockCount(), nExpected) << int(bKind);
        EXPECT_EQ(other.Engine().GetImageLength(), nExpected * 1024) << int(bKind);
        EXPECT_EQ(other.BarRange(ETransferBar::Transfer), nExpected) << int(bKind);
    }
}

TEST_F(Engine, BlockCountAboveTheBufferIsNeverTaken) {
    settings.nBlockCount = 300;
    CLoopbackLink other(DIRECTION_STB_TO_PC, SBoxOptions{}, settings);
    EXPECT_EQ(other.Engine().GetBlockCount(), 204u);
    other.Engine().InitProgress();
    EXPECT_EQ(other.Engine().GetBlockCount(), 204u);
    EXPECT_EQ(other.Engine().GetImageLength(), 204u * 1024);
    settings.nBlockCount = 208;
    other.Engine().InitProgress();
    EXPECT_EQ(other.Engine().GetBlockCount(), 208u);
    settings.nBlockCount = 209;
    other.Engine().InitProgress();
    EXPECT_EQ(other.Engine().GetBlockCount(), 208u);
}

TEST_F(Engine, NoAcknowledgeMatchesOnlyTheWholeTextBlanksAside) {
    struct Case {
        ETransferState state;
        const char* line;
        bool bBack;
    };
    const Case cases[] = {
        {ETransferState::RequestMode, "NO_ACKNOWLEDGE with PC.\r", true},
        {ETransferState::RequestMode, "  NO_ACKNOWLEDGE with PC.   \r", true},
        {ETransferState::RequestMode, "NO_ACKNOWLEDGE with PC.x\r", false},
        {ETransferState::RequestMode, "NO_ACKNOWLEDGE with PC\r", false},
        {ETransferState::WaitVersion, "NO_ACKNOWLEDGE with PC.\r", true},
        {ETransferState::SendImage, "NO_ACKNOWLEDGE with PC.\r", true},
        {ETransferState::ReceiveImage, "NO_ACKNOWLEDGE with PC.\r", true},
        {ETransferState::ReceiveImage, "no_acknowledge with pc.\r", false},
    };
    for (const Case& c : cases) {
        Connect(DIRECTION_STB_TO_PC);
        engine.SetState(c.state);
        Feed(engine, "\n"); // the previous case's line stays current until a control byte
        Feed(engine, c.line);
        EXPECT_EQ(engine.GetState() == ETransferState::Ready, c.bBack) << c.line;
        EXPECT_EQ(link.TimerRunning(kPollTimerId), c.bBack) << c.line;
    }
}

TEST_F(Engine, NoAcknowledgeInReadyRestartsThePollTimerButOtherPortsAreIgnored) {
    Connect(DIRECTION_PC_TO_STB);
    Feed(engine, "NO_ACKNOWLEDGE with PC.\r", 0);
    Feed(engine, "NO_ACKNOWLEDGE with PC.\r", 5);
    EXPECT_EQ(link.Log().size(), 1u);
    Feed(engine, "\nNO_ACKNOWLEDGE with PC.\r\n");
    EXPECT_EQ(engine.GetState(), ETransferState::Ready);
    EXPECT_THAT(link.Log(), ElementsAre("Ready data transfer", "Ready data transfer"));
    EXPECT_TRUE(link.TimerRunning(kPollTimerId));
}

TEST_F(Engine, CrLfActsOnceButPrintableBytesRepeatTheMatchedLine) {
    Start(DIRECTION_PC_TO_STB);
    ASSERT_EQ(engine.GetState(), ETransferState::SendImage);
    const std::vector<BYTE> image = RandomImage(1);
    engine.SetImageData(image.data(), static_cast<UINT>(image.size()));
    size_t nFrom = link.Writes().size();
    Feed(engine, "REQUEST_DOWNLOAD\r\nREQUEST_1024DOWN:1028\r\n");
    EXPECT_EQ(WritesAfter(nFrom).size(), 2u); // one block and its checksum
    nFrom = link.Writes().size();
    Feed(engine, "REQUEST_1024DOWN:1028\rXY");
    EXPECT_EQ(WritesAfter(nFrom).size(), 6u); // the block three times
    Feed(engine, "\r1024DOWN_SUCCESS\r\n");
    EXPECT_EQ(engine.GetBlockIndex(), 1u);
    Feed(engine, "1024DOWN_SUCCESS\rAB\n");
    EXPECT_EQ(engine.GetBlockIndex(), 4u);
}

TEST_F(Engine, ReceiveLinesRepeatUntilTheNextControlByte) {
    Start(DIRECTION_STB_TO_PC, "V107");
    const size_t nFrom = link.Writes().size();
    Feed(engine, "REQDATA_START_BLOCK\r\nREQDATA_BLOCK\rXY\n");
    EXPECT_THAT(WritesAfter(nFrom), ElementsAre("0004", "0204", "0204", "0204"));
}

TEST_F(Engine, SendImageAnswersTheBoxCommands) {
    Start(DIRECTION_PC_TO_STB);
    const std::vector<BYTE> image = RandomImage(2);
    ASSERT_TRUE(engine.SetImageData(image.data(), static_cast<UINT>(image.size())));
    const size_t nFrom = link.Writes().size();
    Feed(engine, "REQUEST_START_BLOCK\r\nREQUEST_BLOCK\r\nREQUEST_E2PROM\r\nREQUEST_DOWNLOAD\r\n"
                 "REQUEST_1024DOWN:1028\r\n1024DOWN_ERR1028\r\nREQUEST_1024DOWN:1028\r\n"
                 "1024DOWN_SUCCESS:1028\r\nREQUEST_TOTALCRC\r\n");
    const BYTE bSum = ByteSum(image.data(), 1024);
    const std::string sum(1, static_cast<char>(bSum));
    EXPECT_THAT(WritesAfter(nFrom),
                ElementsAre("1028", "0204", Block(image, 0), sum, Block(image, 0), sum, sum));
    EXPECT_EQ(link.Log().back(), "0 Block down Error ----- Retry");
    EXPECT_EQ(link.BarPos(ETransferBar::Transfer), 1u);
    Feed(engine, "FLASH_WRITE\r\n4096FLASH_WRITE\r\n4096FLASH_WRITE\r\n");
    EXPECT_EQ(engine.GetFlashCounter(), 2u);
    EXPECT_EQ(link.BarPos(ETransferBar::Flash), 2u);
    EXPECT_EQ(link.EndOfTransferCount(), 0u);
    Feed(engine, "UPGRADE_SUCCESS\r\n");
    EXPECT_EQ(link.BarPos(ETransferBar::Flash), 51u);
    EXPECT_EQ(link.EndOfTransferCount(), 1u);
    EXPECT_TRUE(link.TimerRunning(kCloseTimerId));
    engine.OnTimer(kCloseTimerId);
    EXPECT_FALSE(link.TimerRunning(kCloseTimerId));
    EXPECT_FALSE(link.PortOpen());
}

TEST_F(Engine, ReceivedBlockWithWrongChecksumKeepsTheIndex) {
    Start(DIRECTION_STB_TO_PC, "V107");
    Feed(engine, "ack\r\n"); // the LF after the line is dropped
    std::string block(1024, 'a');
    block += static_cast<char>(ByteSum(reinterpret_cast<const BYTE*>(block.data()), 1024) + 1);
    block += std::string(7, '\0');
    const size_t nFrom = link.Writes().size();
    Feed(engine, block);
    EXPECT_EQ(engine.GetBlockIndex(), 0u);
    block[1024] = static_cast<char>(block[1024] - 1);
    Feed(engine, block);
    EXPECT_EQ(engine.GetBlockIndex(), 1u);
    EXPECT_THAT(WritesAfter(nFrom), ElementsAre("1024DOWN_ERR0004\r", "1024DOWN_SUCCESS:0004\r",
                                                "REQUEST_1024DOWN:0005\r"));
    EXPECT_EQ(link.Log().back(), "0 Block receive Error ----- Retry");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(engine.GetImage()), 1024),
              std::string(1024, 'a'));
}

TEST_F(Engine, SetStateReturnsThePreviousStateAndStopsPollingOutsideReady) {
    Connect(DIRECTION_PC_TO_STB);
    EXPECT_EQ(engine.SetState(ETransferState::WaitVersion), ETransferState::Ready);
    EXPECT_FALSE(link.TimerRunning(kPollTimerId));
    EXPECT_EQ(engine.SetState(ETransferState::Ready), ETransferState::WaitVersion);
    EXPECT_TRUE(link.TimerRunning(kPollTimerId));
    // A line longer than the receive buffer wraps inside it.
    Feed(engine, std::string(70000, 'Z') + "\r");
    EXPECT_EQ(engine.GetState(), ETransferState::Ready);
}

TEST_F(Engine, ImageDataMustHaveTheWholeLength) {
    const std::vector<BYTE> image = RandomImage(4);
    EXPECT_TRUE(engine.SetImageData(image.data(), 0x33000));
    EXPECT_EQ(engine.GetImageLength(), 0x33000u);
    std::vector<BYTE> out(0x33000);
    EXPECT_EQ(engine.GetImageData(out.data()), 0x33000u);
    EXPECT_EQ(out, image);
    EXPECT_EQ(engine.GetImageData(nullptr), 0u);
    EXPECT_FALSE(engine.SetImageData(image.data(), 0x32FFF));
    EXPECT_EQ(engine.GetImageLength(), 0u);
    EXPECT_EQ(engine.GetImageData(out.data()), 0u);
    EXPECT_FALSE(engine.SetImageData(nullptr, 0x33000));
}
