// stb-sim's command line.
#include "stb_sim_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

bool Parse(std::vector<const char*> args, SSimOptions& options, std::string& error) {
    args.insert(args.begin(), "stb-sim");
    return ParseSimOptions(static_cast<int>(args.size()), args.data(), options, error);
}

} // namespace

TEST(StbSimOptions, DefaultsAreACleanNewerBoxAndEveryOptionReachesTheBox) {
    SSimOptions options;
    std::string error;
    ASSERT_TRUE(Parse({}, options, error));
    EXPECT_EQ(options.box.strVersion, "V120");
    EXPECT_EQ(options.box.strLineEnd, "\r\n");
    EXPECT_EQ(options.box.noAckStep, ENoAckStep::None);
    EXPECT_EQ(options.box.nCorruptSentBlock, -1);
    EXPECT_FALSE(options.bOnce);

    const std::string hex = "0102032506" + std::string(58, '0');
    ASSERT_TRUE(Parse({"--box-version", "V107", "--flash-info", hex.c_str(), "--corrupt-received",
                       "3", "--corrupt-sent", "207", "--no-ack", "version", "--line-end", "lf",
                       "--save", "out.zdf", "--once", "in.bin"},
                      options, error))
        << error;
    EXPECT_EQ(options.box.strVersion, "V107");
    std::vector<BYTE> flashInfo(34);
    std::copy_n(std::vector<BYTE>{1, 2, 3, 0x25, 6}.begin(), 5, flashInfo.begin());
    EXPECT_EQ(options.box.flashInfo, flashInfo);
    EXPECT_EQ(options.box.nCorruptReceivedBlock, 3);
    EXPECT_EQ(options.box.nCorruptSentBlock, 207);
    EXPECT_EQ(options.box.noAckStep, ENoAckStep::Version);
    EXPECT_EQ(options.box.strLineEnd, "\n");
    EXPECT_EQ(options.strSave, "out.zdf");
    EXPECT_EQ(options.strImage, "in.bin");
    EXPECT_TRUE(options.bOnce);
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
        EXPECT_FALSE(error.empty()) << args[0];
    }
    SSimOptions options;
    std::string error;
    EXPECT_FALSE(Parse({"--frobnicate"}, options, error));
    EXPECT_EQ(error, "unknown option --frobnicate");
}
