// The store's own image across the link: what BuildImage makes reaches the box unchanged, and an
// image fetched from the box parses back into the same channels.
#include "link_test_util.h"
#include "store_fill.h"

#include <gtest/gtest.h>

TEST(StoreExchange, BuiltImageReachesTheBoxUnchanged) {
    CChannelStore store;
    FillStore(store);
    const std::vector<BYTE> image = BuiltImage(store);
    STransferSettings settings;
    CLoopbackLink link(DIRECTION_PC_TO_STB, SBoxOptions{}, settings);
    ASSERT_TRUE(link.Engine().SetImageData(image.data(), static_cast<UINT>(image.size())));
    ASSERT_TRUE(link.Run());
    EXPECT_EQ(link.Box().ReceivedImage(), image);
}

TEST(StoreExchange, ImageFromTheBoxParsesBackToTheSameChannels) {
    CChannelStore original;
    FillStore(original);
    SBoxOptions options;
    options.image = BuiltImage(original);
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
    ExpectSameChannels(original, copy);
}
