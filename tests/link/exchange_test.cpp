// Whole exchanges between the PC's engine and the box simulator, in both directions.
#include "link_test_util.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using ::testing::Contains;
using ::testing::ElementsAre;

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
    const std::vector<std::string>& Writes() const { return link->Writes(); }
    std::vector<BYTE> Received() const {
        const BYTE* p = link->Engine().GetImage();
        return std::vector<BYTE>(p, p + link->Engine().GetImageLength());
    }
    size_t CountWrites(const std::string& text) const {
        return std::count(Writes().begin(), Writes().end(), text);
    }
    size_t CountLog(const std::string& text) const {
        return std::count(link->Log().begin(), link->Log().end(), text);
    }
};

// The first four writes that are not polls: direction tag, "ack", start block, block count.
std::vector<std::string> Opening(const std::vector<std::string>& writes) {
    std::vector<std::string> opening;
    for (size_t i = 0; i < writes.size() && opening.size() < 4; ++i)
        if (writes[i] != "\x1F")
            opening.push_back(writes[i]);
    return opening;
}

BYTE Sum(const std::string& block) {
    return ByteSum(reinterpret_cast<const BYTE*>(block.data()), static_cast<UINT>(block.size()));
}

} // namespace

TEST(Exchange, PcToStbSendsEveryBlockAndFollowsTheFlashing) {
    Exchange x(DIRECTION_PC_TO_STB);
    ASSERT_TRUE(x.link->Run());
    EXPECT_TRUE(x.link->Clean()) << x.link->Box().Errors().front();
    EXPECT_EQ(x.link->Box().ReceivedImage(), x.image);

    const auto& w = x.Writes();
    ASSERT_EQ(w.size(), 1u + 4 + 2 * 204 + 1);
    EXPECT_EQ(w[0], "\x1F");
    EXPECT_THAT(std::vector(w.begin() + 1, w.begin() + 5),
                ElementsAre("PC___", "ack", "1028", "0204"));
    BYTE bTotal = 0;
    for (size_t i = 0; i < 204; ++i) {
        const std::string block = Block(x.image, i);
        ASSERT_EQ(w[5 + 2 * i], block) << "block " << i;
        ASSERT_EQ(w[6 + 2 * i], std::string(1, static_cast<char>(Sum(block))));
        bTotal += Sum(block);
    }
    EXPECT_EQ(w.back(), std::string(1, static_cast<char>(bTotal)));

    EXPECT_THAT(x.link->Log(), ElementsAre("Ready data transfer", "Ready data transfer",
                                           "Request mode", "Start data transfer", "CRC OK",
                                           "DownLoad Success", "DownLoad CRC Check OK"));
    EXPECT_EQ(x.link->BarPos(ETransferBar::Transfer), 204u);
    EXPECT_EQ(x.link->BarRange(ETransferBar::Flash), 51u);
    EXPECT_EQ(x.link->BarPos(ETransferBar::Flash), 51u);
    EXPECT_EQ(x.link->Engine().GetFlashCounter(), 51u);
    EXPECT_TRUE(x.link->Engine().IsComplete());
    EXPECT_EQ(x.link->Engine().GetState(), ETransferState::SendImage);
    EXPECT_EQ(x.link->EndOfTransferCount(), 1u);
    EXPECT_FALSE(x.link->LampConnected());
    EXPECT_FALSE(x.link->TimerRunning(kCloseTimerId));
    // A request after the last block sends nothing.
    const size_t nWrites = w.size();
    Feed(x.link->Engine(), "REQUEST_1024DOWN:1232\r\n");
    EXPECT_EQ(x.link->Engine().GetBlockIndex(), 204u);
    EXPECT_EQ(x.Writes().size(), nWrites);
}

TEST(Exchange, StbToPcAsksForEveryBlockWithTheOlderBoxNumbers) {
    SBoxOptions options;
    options.strVersion = "V107";
    Exchange x(DIRECTION_STB_TO_PC, options);
    ASSERT_TRUE(x.link->Run());
    EXPECT_TRUE(x.link->Clean()) << x.link->Box().Errors().front();
    EXPECT_EQ(x.Received(), x.image);
    EXPECT_EQ(x.link->Box().StartBlock(), 4u);

    const auto& w = x.Writes();
    EXPECT_THAT(Opening(w), ElementsAre("ZDATA", "ack", "0004", "0204"));
    const auto start = std::find(w.begin(), w.end(), "REQUEST_DOWNLOAD");
    ASSERT_NE(start, w.end());
    EXPECT_THAT(std::vector(start, start + 6),
                ElementsAre("REQUEST_DOWNLOAD", "\r", "REQUEST_1024DOWN:0004", "\r",
                            "1024DOWN_SUCCESS:0004\r", "REQUEST_1024DOWN:0005\r"));
    EXPECT_THAT(std::vector(w.end() - 4, w.end()),
                ElementsAre("1024DOWN_SUCCESS:0207\r", "REQUEST_TOTALCRC\r", "DOWN_SUCCESS\r",
                            "RAMCRC_SUCCESS\r"));
    EXPECT_EQ(x.CountWrites("REQUEST_1024DOWN:0207\r"), 1u);
    EXPECT_EQ(x.CountWrites("REQUEST_1024DOWN:0208\r"), 0u);

    EXPECT_EQ(x.link->Engine().GetState(), ETransferState::Ready);
    EXPECT_TRUE(x.link->Engine().IsComplete());
    EXPECT_EQ(x.link->Engine().GetImageLength(), 0x33000u);
    EXPECT_EQ(x.link->BarPos(ETransferBar::Transfer), 204u);
    // Connection, the end of the flash information and the end of the receive.
    EXPECT_EQ(x.CountLog("Ready data transfer"), 3u);
    EXPECT_FALSE(x.link->LampConnected());
    EXPECT_FALSE(x.link->PortOpen());
}

TEST(Exchange, VersionDecidesTheNumbersOfTheReceivedBlocks) {
    const std::pair<const char*, UINT> cases[] = {{"V111", 1028}, {"V120", 1028}, {"V130", 1028},
                                                  {"V200", 4},    {"V110", 4},    {"V105", 4}};
    for (const auto& [version, nBase] : cases) {
        SCOPED_TRACE(version);
        SBoxOptions options;
        options.strVersion = version;
        Exchange x(DIRECTION_STB_TO_PC, options);
        ASSERT_TRUE(x.link->Run());
        EXPECT_TRUE(x.link->Clean());
        EXPECT_EQ(x.Received(), x.image);
        char first[32], last[32];
        std::snprintf(first, sizeof first, "REQUEST_1024DOWN:%04u", nBase);
        std::snprintf(last, sizeof last, "1024DOWN_SUCCESS:%04u\r", nBase + 203);
        EXPECT_EQ(Opening(x.Writes())[2], first + 17);
        EXPECT_EQ(x.CountWrites(first), 1u);
        EXPECT_EQ(x.Writes()[x.Writes().size() - 4], last);
    }
}

TEST(Exchange, NewerVersionOutlivesTheTransferButNotAnOlderAnnouncement) {
    STransferSettings settings;
    const std::pair<const char*, UINT> sequence[] = {
        {"V120", 1028}, {"V110", 1028}, {"V107", 4}, {"V105", 4}};
    for (const auto& [version, nBase] : sequence) {
        SBoxOptions options;
        options.strVersion = version;
        options.image = RandomImage(3);
        CLoopbackLink link(DIRECTION_STB_TO_PC, options, settings);
        ASSERT_TRUE(link.Run()) << version;
        EXPECT_EQ(settings.nBlockNumberBase, nBase) << version;
        EXPECT_EQ(link.Box().StartBlock(), nBase) << version;
    }
}

TEST(Exchange, CorruptedBlockIsRetriedInEachDirection) {
    {
        SBoxOptions options;
        options.nCorruptReceivedBlock = 5;
        Exchange x(DIRECTION_PC_TO_STB, options);
        ASSERT_TRUE(x.link->Run());
        EXPECT_EQ(x.link->Box().ReceivedImage(), x.image);
        EXPECT_THAT(x.link->Log(), Contains("5 Block down Error ----- Retry"));
        EXPECT_EQ(x.CountWrites(Block(x.image, 5)), 2u);
        EXPECT_EQ(x.CountWrites(Block(x.image, 6)), 1u);
        EXPECT_EQ(x.link->BarPos(ETransferBar::Flash), 51u);
    }
    {
        SBoxOptions options;
        options.strVersion = "V107";
        options.nCorruptSentBlock = 5;
        Exchange x(DIRECTION_STB_TO_PC, options);
        ASSERT_TRUE(x.link->Run());
        EXPECT_TRUE(x.link->Clean());
        EXPECT_EQ(x.Received(), x.image);
        EXPECT_THAT(x.link->Log(), Contains("5 Block receive Error ----- Retry"));
        const auto err = std::find(x.Writes().begin(), x.Writes().end(), "1024DOWN_ERR0009\r");
        ASSERT_NE(err, x.Writes().end());
        EXPECT_EQ(*(err - 2), "1024DOWN_SUCCESS:0008\r");
        EXPECT_EQ(*(err - 1), "REQUEST_1024DOWN:0009\r");
        EXPECT_EQ(*(err + 1), "1024DOWN_SUCCESS:0009\r");
        EXPECT_EQ(x.CountWrites("REQUEST_1024DOWN:0009\r"), 1u);
    }
}

TEST(Exchange, NoAcknowledgeAtEachStepReturnsToReadyAndTheRetrySucceeds) {
    const ENoAckStep steps[] = {ENoAckStep::Announce, ENoAckStep::DirectionTag, ENoAckStep::Version,
                                ENoAckStep::Transfer};
    for (UINT nDirection : {DIRECTION_PC_TO_STB, DIRECTION_STB_TO_PC}) {
        for (ENoAckStep step : steps) {
            SBoxOptions options;
            options.noAckStep = step;
            Exchange x(nDirection, options);
            const std::string where = "direction " + std::to_string(nDirection) + " step " +
                                      std::to_string(static_cast<int>(step));
            ASSERT_TRUE(x.link->Run()) << where;
            EXPECT_TRUE(x.link->Clean()) << where;
            // Connection, the refusal, each end of the flash information, the end of a receive.
            const size_t nReadies = (step == ENoAckStep::Announce ? 3 : 4) +
                                    (nDirection == DIRECTION_STB_TO_PC ? 1 : 0);
            EXPECT_EQ(x.CountLog("Ready data transfer"), nReadies) << where;
            // Polling went on after the refusal.
            const auto lastAck = std::find(x.Writes().rbegin(), x.Writes().rend(), "ack");
            EXPECT_EQ(std::count(lastAck, x.Writes().rend(), "\x1F"), 2) << where;
            if (nDirection == DIRECTION_PC_TO_STB)
                EXPECT_EQ(x.link->Box().ReceivedImage(), x.image) << where;
            else
                EXPECT_EQ(x.Received(), x.image) << where;
        }
    }
}

TEST(Exchange, SingleControlCharacterLineEndsStallTheExchange) {
    // With only CR between the box's lines, the printable bytes of the next line re-run the last
    // matched command and empty the receive buffer: every byte of "REQUEST_BLOCK" sends the
    // start block again, and the box never gets its block count.
    SBoxOptions options;
    options.strLineEnd = "\r";
    Exchange x(DIRECTION_PC_TO_STB, options);
    EXPECT_FALSE(x.link->Run());
    EXPECT_EQ(x.link->Engine().GetState(), ETransferState::SendImage);
    EXPECT_EQ(x.CountWrites("1028"), 1u + std::string("REQUEST_BLOCK").size());
    EXPECT_EQ(x.CountWrites(Block(x.image, 0)), 0u);
}
