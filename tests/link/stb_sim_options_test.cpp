// stb-sim's command line.
#include "stb_sim_options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using ::testing::HasSubstr;

namespace {

bool Parse(std::vector<const char*> args, SSimOptions& options, std::string& error) {
    args.insert(args.begin(), "stb-sim");
    return ParseSimOptions(static_cast<int>(args.size()), args.data(), options, error);
}

} // namespace

TEST(StbSimOptions, EveryOptionReachesTheBox) {
    SSimOptions o;
    std::string error;
    const std::string hex = "0102032506" + std::string(58, '0');
    ASSERT_TRUE(Parse({"--box-version", "V107", "--flash-info", hex.c_str(), "--corrupt-received",
                       "3", "--corrupt-sent", "207", "--no-ack", "version", "--line-end", "lf",
                       "--save", "out.zdf", "--once", "in.bin"},
                      o, error))
        << error;
    std::vector<BYTE> flashInfo(34);
    std::copy_n(std::vector<BYTE>{1, 2, 3, 0x25, 6}.begin(), 5, flashInfo.begin());
    EXPECT_EQ(o.box.flashInfo, flashInfo);
    EXPECT_EQ(
        std::tie(o.box.strVersion, o.box.nCorruptReceivedBlock, o.box.nCorruptSentBlock,
                 o.box.noAckStep, o.box.strLineEnd, o.strSave, o.strImage, o.bOnce),
        std::make_tuple("V107", 3, 207, ENoAckStep::Version, "\n", "out.zdf", "in.bin", true));
}

TEST(StbSimOptions, BadValuesAreRefusedWithTheirName) {
    const std::string notHex(68, 'g');
    const std::vector<std::vector<const char*>> cases = {
        {"--corrupt-sent", "208"},   {"--corrupt-sent", "-1"}, {"--corrupt-sent", " 5"},
        {"--corrupt-received", "x"}, {"--flash-info", "0102"}, {"--flash-info", notHex.c_str()},
        {"--no-ack", "always"},      {"--line-end", "crcr"},   {"--save"},
        {"--frobnicate", "1"},       {"a.bin", "b.bin"},
    };
    for (const auto& args : cases) {
        SSimOptions options;
        std::string error;
        EXPECT_FALSE(Parse(args, options, error)) << args[0];
        EXPECT_THAT(error, HasSubstr(args[0][0] == '-' ? args[0] : "only one image file"));
    }
}
