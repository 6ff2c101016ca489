// The engine's line assembly, matching and state rules, fed byte by byte; then whole exchanges
// between it and the box simulator, in both directions.
#include "loopback_link.h"
#include "store_builders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// Hands the bytes to the engine as the port would, one call per byte.
void Feed(CTransferProtocol& engine, std::string_view bytes, UINT nPort = 1) {
    for (char c : bytes)
        engine.OnSerialByte(static_cast<BYTE>(c), nPort);
}

std::string FlashInfo(BYTE bKind) {
    std::string info(kFlashInfoSize, '\x01');
    info[3] = static_cast<char>(bKind);
    return info;
}

class Engine : public ::testing::Test {
  protected:
    STransferSettings settings;
    CLoopbackLink link{DIRECTION_PC_TO_STB, SBoxOptions{}, settings};
    CTransferProtocol& engine = link.Engine();
};

} // namespace

// Before a version starting with V, the flash messages mean nothing; a line longer than the
// receive buffer wraps inside it.
TEST_F(Engine, LinesBeforeAnyVersionChangeNothing) {
    engine.SetState(ETransferState::Ready);
    Feed(engine, "BL_FLASH_INFO\rBL_FLASH_END\rREQUEST_X12\rBL_FLASH_INFO\rBL_FLASH_END\r" +
                     std::string(70000, 'Z') + "\r");
    EXPECT_EQ(engine.GetState(), ETransferState::Ready);
    EXPECT_THAT(link.Writes(), IsEmpty());
}

// Boxes number the blocks they send from 4 (V107 and the oldest) or from 1028; an announcement
// that says neither leaves the numbering the last box set, for this transfer and the next.
TEST(EngineVersion, AnnouncementSetsTheNumbersOfReceivedBlocks) {
    const struct {
        UINT nBefore;
        const char* version;
        UINT nAfter;
    } cases[] = {
        {4, "V120", 1028},    {4, "V111", 1028},    {4, "V119", 1028}, {4, "V190", 1028},
        {4, "V12", 1028},     {4, "V110", 4},       {4, "V105", 4},    {4, "V200", 4},
        {4, "V10", 4},        {4, "V1", 4},         {1028, "V107", 4}, {1028, "V110", 1028},
        {1028, "V105", 1028}, {1028, "X107", 1028}, {1028, "", 1028},
    };
    for (const auto& c : cases) {
        STransferSettings local;
        local.nBlockNumberBase = c.nBefore;
        local.strReceiveStartBlock = c.nBefore == 4 ? "0004" : "1028";
        CLoopbackLink other(DIRECTION_STB_TO_PC, SBoxOptions{}, local);
        other.Engine().SetState(ETransferState::Ready);
        Feed(other.Engine(), std::string("REQUEST_") + c.version + "\r");
        EXPECT_EQ(local.nBlockNumberBase, c.nAfter) << c.nBefore << " " << c.version;
        EXPECT_EQ(local.strReceiveStartBlock, c.nAfter == 4 ? "0004" : "1028") << c.version;
    }
}

// Flash kinds 5 and 6 (low four bits) have the 204-block channel area; others keep the count,
// which is never above the 208 blocks the buffer holds (nor 0).
TEST(EngineVersion, FlashInformationAndSettingsSetTheBlockCount) {
    const struct {
        UINT nSettings;
        BYTE bKind;
        UINT nExpected;
    } cases[] = {{100, 0x25, 204}, {100, 0x06, 204}, {100, 0x16, 204}, {100, 0x05, 204},
                 {100, 0x07, 100}, {100, 0x00, 100}, {100, 0x24, 100}, {1, 0x07, 1},
                 {208, 0x07, 208}, {209, 0x07, 204}, {0, 0x07, 204}};
    for (const auto& c : cases) {
        STransferSettings local;
        local.nBlockCount = c.nSettings;
        CLoopbackLink other(DIRECTION_STB_TO_PC, SBoxOptions{}, local);
        other.Engine().SetState(ETransferState::Ready);
        Feed(other.Engine(), "REQUEST_V120\rBL_FLASH_INFO\r" + FlashInfo(c.bKind));
        EXPECT_EQ(other.Engine().GetBlockCount(), c.nExpected) << c.nSettings << " " << +c.bKind;
        EXPECT_EQ(other.BarRange(ETransferBar::Transfer), c.nExpected) << c.nSettings;
    }
}

// Only the whole text, blanks aside, from ports 1 to 4, sends the engine back to Ready (which logs
// it); whole exchanges refuse at each step.
TEST_F(Engine, NoAcknowledgeMatchesOnlyTheWholeTextBlanksAside) {
    const struct {
        ETransferState state;
        const char* line;
        bool bBack;
        UINT nPort = 1;
    } cases[] = {
        {ETransferState::RequestMode, "NO_ACKNOWLEDGE with PC.\r", true},
        {ETransferState::RequestMode, "  NO_ACKNOWLEDGE with PC.   \r", true},
        {ETransferState::RequestMode, "NO_ACKNOWLEDGE with PC.x\r", false},
        {ETransferState::RequestMode, "NO_ACKNOWLEDGE with PC\r", false},
        {ETransferState::SendImage, "no_acknowledge with pc.\r", false},
        {ETransferState::Ready, "NO_ACKNOWLEDGE with PC.\r", true, 4},
        {ETransferState::Ready, "NO_ACKNOWLEDGE with PC.\r", false, 0},
        {ETransferState::RequestMode, "NO_ACKNOWLEDGE with PC.\r", false, 5},
    };
    for (const auto& c : cases) {
        engine.SetState(ETransferState::Ready);
        engine.SetState(c.state);
        const size_t nLogs = link.Log().size();
        Feed(engine, "\n"); // the previous case's line stays current until a control byte
        Feed(engine, c.line, c.nPort);
        EXPECT_EQ(link.Log().size() - nLogs, c.bBack ? 1u : 0u) << c.line << c.nPort;
        EXPECT_EQ(engine.GetState() == ETransferState::Ready,
                  c.bBack || c.state == ETransferState::Ready)
            << c.line;
    }
}

TEST_F(Engine, CrLfActsOnceButPrintableBytesRepeatTheMatchedLine) {
    engine.SetState(ETransferState::Ready);
    engine.SetState(ETransferState::SendImage);
    const std::vector<BYTE> image = RandomImage(1);
    engine.SetImageData(image.data(), static_cast<UINT>(image.size()));
    Feed(engine, "REQUEST_DOWNLOAD\r\nREQUEST_1024DOWN:1028\r\n");
    EXPECT_EQ(link.Writes().size(), 3u); // "ack", one block and its checksum
    Feed(engine, "REQUEST_1024DOWN:1028\rXY");
    EXPECT_EQ(link.Writes().size(), 9u); // the block three times more
    Feed(engine, "\r1024DOWN_SUCCESS\r\n");
    EXPECT_EQ(engine.GetBlockIndex(), 1u);
    Feed(engine, "1024DOWN_SUCCESS\rAB\n");
    EXPECT_EQ(engine.GetBlockIndex(), 4u);
    // A request after the last block sends nothing.
    while (engine.GetBlockIndex() < engine.GetBlockCount())
        Feed(engine, "1024DOWN_SUCCESS\r\n");
    Feed(engine, "REQUEST_1024DOWN:1232\r\n");
    EXPECT_EQ(link.Writes().size(), 9u);
}

TEST_F(Engine, ImageDataMustHaveTheWholeLength) {
    const std::vector<BYTE> image = RandomImage(4);
    std::vector<BYTE> out(0x33000);
    EXPECT_TRUE(engine.SetImageData(image.data(), 0x33000));
    EXPECT_EQ(engine.GetImageData(out.data()), 0x33000u);
    EXPECT_EQ(out, image);
    EXPECT_EQ(engine.GetImageData(nullptr), 0u);
    EXPECT_FALSE(engine.SetImageData(image.data(), 0x32FFF));
    EXPECT_EQ(engine.GetImageData(out.data()), 0u);
    EXPECT_FALSE(engine.SetImageData(nullptr, 0x33000));
}

// ---- whole exchanges -------------------------------------------------------------------------

namespace {

struct Exchange {
    STransferSettings settings;
    std::vector<BYTE> image = RandomImage(7);
    std::unique_ptr<CLoopbackLink> link;

    Exchange(UINT nDirection, SBoxOptions options = {}) {
        if (nDirection == DIRECTION_STB_TO_PC)
            options.image = image;
        link = std::make_unique<CLoopbackLink>(nDirection, std::move(options), settings);
        if (nDirection == DIRECTION_PC_TO_STB)
            link->Engine().SetImageData(image.data(), static_cast<UINT>(image.size()));
        link->Engine().InitProgress();
    }
    // The image as it arrived at the far end.
    std::vector<BYTE> Arrived() const {
        if (link->Engine().GetDirection() == DIRECTION_PC_TO_STB)
            return link->Box().ReceivedImage();
        const BYTE* p = link->Engine().GetImage();
        return std::vector<BYTE>(p, p + link->Engine().GetImageLength());
    }
};

} // namespace

// One poll, the opening, each block with its checksum (block 5 twice: it reached the box
// damaged), the total; then the box's flash writing moves the second bar.
TEST(Exchange, PcToStbSendsEveryBlockAndFollowsTheFlashing) {
    SBoxOptions options;
    options.nCorruptReceivedBlock = 5;
    Exchange x(DIRECTION_PC_TO_STB, options);
    ASSERT_TRUE(x.link->Run());
    EXPECT_TRUE(x.link->Clean()) << x.link->Box().Errors().front();
    EXPECT_EQ(x.Arrived(), x.image);
    std::vector<std::string> expected = {"\x1F", "PC___", "ack", "1028", "0204"};
    BYTE bTotal = 0;
    for (size_t i = 0; i < 204; ++i) {
        const BYTE* pBlock = x.image.data() + i * 1024;
        const BYTE bSum = ByteSum(pBlock, 1024);
        for (int n = i == 5 ? 2 : 1; n > 0; --n)
            expected.insert(expected.end(),
                            {std::string(pBlock, pBlock + 1024), std::string(1, char(bSum))});
        bTotal = static_cast<BYTE>(bTotal + bSum);
    }
    expected.push_back(std::string(1, static_cast<char>(bTotal)));
    // Block 0's checksum and the total of this known image, worked out once on their own.
    EXPECT_EQ(expected[6] + expected.back(), "\xCD\xF1");
    EXPECT_TRUE(x.link->Writes() == expected); // not printed: 200 KB

    EXPECT_THAT(x.link->Log(),
                ElementsAre("Ready data transfer", "Ready data transfer", "Request mode",
                            "Start data transfer", "5 Block down Error ----- Retry", "CRC OK",
                            "DownLoad Success", "DownLoad CRC Check OK"));
    // The bars, the flash sectors counted, one end, and the lamp off.
    const CLoopbackLink& l = *x.link;
    EXPECT_EQ(std::tuple(l.BarPos(ETransferBar::Transfer), l.BarRange(ETransferBar::Flash),
                         l.BarPos(ETransferBar::Flash), x.link->Engine().GetFlashCounter(),
                         l.EndOfTransferCount(), l.LampConnected()),
              std::tuple(204u, 51u, 51u, 51u, 1u, false));
}

// The older box numbers its blocks from 4; block 5 comes with a wrong checksum once and is asked
// for again.
TEST(Exchange, StbToPcAsksForEveryBlockWithTheOlderBoxNumbers) {
    SBoxOptions options;
    options.strVersion = "V107";
    options.nCorruptSentBlock = 5;
    Exchange x(DIRECTION_STB_TO_PC, options);
    ASSERT_TRUE(x.link->Run());
    EXPECT_TRUE(x.link->Clean()) << x.link->Box().Errors().front();
    EXPECT_EQ(x.Arrived(), x.image);
    std::vector<std::string> expected = {
        "\x1F", "ZDATA", "ack", "0004", "0204", "REQUEST_DOWNLOAD", "\r", "REQUEST_1024DOWN:0004",
        "\r"};
    for (UINT n = 4; n < 208; ++n) {
        const std::string number = (n < 10 ? "000" : n < 100 ? "00" : "0") + std::to_string(n);
        if (n > 4)
            expected.push_back("REQUEST_1024DOWN:" + number + "\r");
        if (n == 9)
            expected.push_back("1024DOWN_ERR0009\r");
        expected.push_back("1024DOWN_SUCCESS:" + number + "\r");
    }
    expected.insert(expected.end(), {"REQUEST_TOTALCRC\r", "DOWN_SUCCESS\r", "RAMCRC_SUCCESS\r"});
    EXPECT_EQ(x.link->Writes(), expected);

    EXPECT_THAT(x.link->Log(),
                ElementsAre("Ready data transfer", "Ready data transfer", "Request mode",
                            "Start data transfer", "5 Block receive Error ----- Retry",
                            "Ready data transfer"));
    EXPECT_EQ(x.link->Engine().GetState(), ETransferState::Ready);
    EXPECT_EQ(x.link->BarPos(ETransferBar::Transfer), 204u);
    EXPECT_FALSE(x.link->LampConnected());
}

// Refused at any step, the PC starts over when the box announces itself again.
TEST(Exchange, NoAcknowledgeAtEachStepReturnsToReadyAndTheRetrySucceeds) {
    for (UINT nDirection : {DIRECTION_PC_TO_STB, DIRECTION_STB_TO_PC}) {
        for (ENoAckStep step : {ENoAckStep::Announce, ENoAckStep::DirectionTag, ENoAckStep::Version,
                                ENoAckStep::Transfer}) {
            SBoxOptions options;
            options.noAckStep = step;
            Exchange x(nDirection, options);
            ASSERT_TRUE(x.link->Run()) << nDirection << int(step);
            EXPECT_TRUE(x.link->Clean()) << nDirection << int(step);
            EXPECT_EQ(x.Arrived(), x.image) << nDirection << int(step);
        }
    }
}

// The box refuses block numbers outside the image it announced.
TEST(Exchange, BoxRefusesBlockNumbersOutsideItsImage) {
    CBoxSimulator box(SBoxOptions{});
    const std::string lines = "\x1FZDATAack00040204REQUEST_1024DOWN:0003\rREQUEST_1024DOWN:0208\r";
    box.Receive(reinterpret_cast<const BYTE*>(lines.data()), lines.size());
    EXPECT_THAT(box.Errors(), ElementsAre("bad block number in \"REQUEST_1024DOWN:0003\"",
                                          "bad block number in \"REQUEST_1024DOWN:0208\""));
}
