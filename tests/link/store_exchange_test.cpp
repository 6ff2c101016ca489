// An image of the store's own making, fetched from the box with a retried block, parses back into
// the same channels.
#include "link_test_util.h"
#include "transfer_image.h"

#include <gtest/gtest.h>

TEST(StoreExchange, ImageFromTheBoxParsesBackToTheSameChannels) {
    CChannelStore original;
    FillMixedStore(original);
    SBoxOptions options;
    options.image = BuildTransferImage(original);
    options.nCorruptSentBlock = 7; // the first service block needs a second try
    STransferSettings settings;
    CLoopbackLink link(DIRECTION_STB_TO_PC, options, settings);
    link.Engine().InitProgress();
    ASSERT_TRUE(link.Run());
    ASSERT_TRUE(link.Engine().IsComplete());

    std::vector<BYTE> received(link.Engine().GetImageLength());
    ASSERT_EQ(link.Engine().GetImageData(received.data()), 0x33000u);
    CChannelStore copy;
    ASSERT_TRUE(copy.SetImage(received.data(), static_cast<UINT>(received.size())));
    ASSERT_TRUE(copy.ParseImage(FALSE));
    copy.FreeImage();
    EXPECT_EQ(copy.GetSatelliteCount(), 2);
    EXPECT_EQ(ChannelsText(copy), ChannelsText(original));
}
