// The store's own image across the link: what BuildImage makes reaches the box unchanged, and an
// image fetched from the box parses back into the same channels.
#include "../store/store_builders.h"
#include "link_test_util.h"

#include <gtest/gtest.h>

namespace {

void FillStore(CChannelStore& store) {
    const BYTE astra = AppendSat(store, 192, "ASTRA");
    const BYTE hotbird = AppendSat(store, 130, "HOTBIRD");
    const BYTE tpA = AppendTp(store, astra, 11494);
    const BYTE tpB = AppendTp(store, astra, 12188, 27500, 1);
    const BYTE tpC = AppendTp(store, hotbird, 10992);
    store.AddNetwork(MakeNetwork(1, "ARD"));
    store.AddNetwork(MakeNetwork(2, "RAI"));
    store.AddMux(MakeMux(1, 474));
    WORD sid = 100;
    for (int i = 0; i < 150; ++i) {
        const std::string name = "TV " + std::to_string(i);
        const BYTE sat = i % 3 == 0 ? hotbird : astra;
        const BYTE tp = sat == hotbird ? tpC : (i % 2 ? tpA : tpB);
        store.AddSatService(ADD_ORDERED, MakeService(sat, tp, sid++, name.c_str(), 0, 1 + i % 2));
    }
    for (int i = 0; i < 30; ++i) {
        const std::string name = "Radio " + std::to_string(i);
        store.AddSatService(ADD_ORDERED,
                            MakeService(astra, tpA, sid++, name.c_str(), FLAG_RADIO, 1));
    }
    store.Rebuild();
}

std::vector<BYTE> BuiltImage(CChannelStore& store) {
    std::vector<BYTE> image(store.GetImageSize());
    store.SortSatListsByTransponder();
    const UINT nLength = store.BuildImage(image.data());
    store.SortSatListsByNumber();
    EXPECT_EQ(nLength, 0x33000u);
    return image;
}

} // namespace

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
    EXPECT_EQ(copy.GetTransponderCount(), 3);
    EXPECT_EQ(copy.GetNetworkCount(), original.GetNetworkCount());
    EXPECT_EQ(copy.GetMuxCount(), 1);
    for (BYTE list : {LIST_SAT_TV, LIST_SAT_RADIO}) {
        copy.SortByNumber(list);
        original.SortByNumber(list);
        EXPECT_EQ(RowNames(copy, list), RowNames(original, list)) << int(list);
    }
}
