#include "channel_store.h"
#include "store_builders.h"
#include "store_snapshot.h"

#include <numeric>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

using Image = std::vector<BYTE>;

const BYTE* Block(const Image& image, int n) {
    return image.data() + n * kBlockSize;
}

int Count(const Image& image, int n, int at) {
    return Block(image, n)[at] << 8 | Block(image, n)[at + 1];
}

// Record i of a block, copied out.
template <class Rec> Rec At(const Image& image, int n, int i) {
    Rec rec;
    std::memcpy(&rec, Block(image, n) + i * sizeof rec, sizeof rec);
    return rec;
}

bool AllZero(const Image& image, int n) {
    const BYTE* b = Block(image, n);
    return std::all_of(b, b + kBlockSize, [](BYTE x) { return x == 0; });
}

bool Verifies(CChannelStore& store, int n) {
    std::vector<BYTE> block(kBlockSize);
    return store.VerifyBlock(n * kBlockSize, block.data()) == TRUE;
}

// Loads an image into a fresh store through the parser.
BOOL Parse(CChannelStore& store, const Image& image, BOOL shifted = FALSE) {
    store.SetImage(image.data(), static_cast<UINT>(image.size()));
    const BOOL ok = store.ParseImage(shifted);
    store.FreeImage();
    return ok;
}

void Recompute(Image& image, int n) {
    CChannelStore scratch;
    std::vector<BYTE> block(Block(image, n), Block(image, n) + kBlockSize);
    scratch.SetImage(image.data(), static_cast<UINT>(image.size()));
    scratch.WriteBlock(n * kBlockSize, block.data());
    std::copy(block.begin(), block.end(), image.begin() + n * kBlockSize);
}

TEST(Blocks, ChecksumOfAZeroPayloadIsOneAndAnEmptyBlockNeverVerifies) {
    CChannelStore store;
    Image image(kImageBufferSize, 0);
    store.SetImage(image.data(), kImageBufferSize);
    std::vector<BYTE> block(kBlockSize, 0);
    store.WriteBlock(0, block.data());
    EXPECT_EQ(block[4094], 0x00);
    EXPECT_EQ(block[4095], 0x01);
    EXPECT_TRUE(Verifies(store, 0));
    store.WriteEmptyBlock(kBlockSize, block.data());
    EXPECT_FALSE(Verifies(store, 1));
    // Checksum high byte first: 1 + 4094 x 0xFF = 0xFEE03 -> 0xEE03.
    std::fill(block.begin(), block.end(), 0xFF);
    store.WriteBlock(2 * kBlockSize, block.data());
    EXPECT_EQ(block[4094], 0xEE);
    EXPECT_EQ(block[4095], 0x03);
    // Blocks past the image neither write nor verify.
    store.WriteBlock(kImageBufferSize - 100, block.data());
    EXPECT_FALSE(store.VerifyBlock(kImageBufferSize - 100, block.data()));
}

TEST(Build, EmptyStore) {
    CChannelStore store;
    const Image image = store.BuildFullImage();
    ASSERT_EQ(image.size(), kImageBufferSize);
    CChannelStore check;
    check.SetImage(image.data(), kImageBufferSize);
    EXPECT_TRUE(Verifies(check, 0));
    // Tag, satellite count, section magic and version.
    EXPECT_EQ(Image(Block(image, 0) + 4089, Block(image, 0) + 4094), (Image{'I', ' ', 1, 0xAC, 2}));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(Block(image, 0)) + 15), "TERRESTRIAL");
    EXPECT_TRUE(Verifies(check, 1));
    EXPECT_EQ(Count(image, 1, 4092), 0);
    for (int n = 2; n < static_cast<int>(kImageBufferSize / kBlockSize); ++n)
        EXPECT_TRUE(AllZero(image, n)) << n;
    EXPECT_FALSE(Parse(check, image)); // no transponders
}

TEST(Build, BuildImageHandsOutTheFirstFiftyOneBlocks) {
    CChannelStore store;
    FillSatTv(store, {"A", "B"});
    Image out(kTransferImageSize);
    EXPECT_EQ(store.BuildImage(nullptr), 0u);
    EXPECT_EQ(store.BuildImage(out.data()), kTransferImageSize);
    const Image full = store.BuildFullImage();
    EXPECT_TRUE(std::equal(out.begin(), out.end(), full.begin()));
    EXPECT_EQ(store.FreeImage(), FALSE); // nothing left behind
}

TEST(Build, ThreeHundredFortyOneTranspondersFillTwoBlocks) {
    CChannelStore store;
    const BYTE a = AppendSat(store, 192);
    const BYTE b = AppendSat(store, 130);
    for (int i = 0; i < 255; ++i)
        AppendTp(store, a, static_cast<WORD>(3000 + i * 100));
    for (int i = 0; i < 86; ++i)
        AppendTp(store, b, static_cast<WORD>(3000 + i * 100));
    const Image image = store.BuildFullImage();
    EXPECT_EQ(Count(image, 3, 4092), 340);
    EXPECT_EQ(Count(image, 4, 4092), 1);
    EXPECT_TRUE(AllZero(image, 5));
    EXPECT_TRUE(AllZero(image, 6));
    // The last record is b's 86th transponder at the start of block 4.
    EXPECT_EQ(At<STP_INFO>(image, 4, 0).satid, b);
    EXPECT_EQ(At<STP_INFO>(image, 4, 0).tpid, 86);
}

TEST(Build, MuxesComeBeforeTranspondersAndKeepTheirSlots) {
    CChannelStore store;
    store.AddMux(MakeMux(5, 474, 0x2100));
    store.AddMux(MakeMux(100, 858));
    FillSatTv(store, {"A"});
    const Image image = store.BuildFullImage();
    EXPECT_EQ(Count(image, 3, 4092), 3);
    EXPECT_EQ(At<STP_INFO>(image, 3, 0).satid, 1);
    EXPECT_EQ(At<STP_INFO>(image, 3, 0).drift, 0x2100);
    EXPECT_EQ(At<STP_INFO>(image, 3, 2).satid, 2);
    CChannelStore back;
    ASSERT_TRUE(Parse(back, image));
    EXPECT_EQ(back.GetMuxCount(), 2);
    ASSERT_NE(back.GetMux(5), nullptr);
    EXPECT_EQ(back.GetMux(5)->frequency, 474);
    EXPECT_EQ(back.GetMux(100)->frequency, 858);
    EXPECT_EQ(back.GetMux(1), nullptr);
}

TEST(Build, HundredTvAndTwentyRadioServices) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    AppendTp(store, sat, 11000);
    for (WORD i = 0; i < 100; ++i)
        store.AddSatService(ADD_APPEND, MakeService(sat, 1, i, "TV"));
    for (WORD i = 0; i < 20; ++i)
        store.AddSatService(ADD_APPEND, MakeService(sat, 1, i, "RADIO", FLAG_RADIO));
    store.Rebuild();
    const Image image = store.BuildFullImage();
    EXPECT_EQ(Count(image, 7, 4090), 92);
    EXPECT_EQ(Count(image, 7, 4092), 0);
    EXPECT_EQ(Count(image, 8, 4090), 8);
    EXPECT_EQ(Count(image, 8, 4092), 20);
    EXPECT_TRUE(AllZero(image, 9));
    EXPECT_TRUE(AllZero(image, 50));
    EXPECT_EQ(NameOf(At<SSVC_INFO>(image, 8, 8).szName), "RADIO");
}

TEST(Build, TerrestrialServicesLeadEachKind) {
    CChannelStore store;
    FillSatTv(store, {"SAT-TV"});
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 1, "T-TV"));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 2, "T-RADIO", FLAG_RADIO));
    store.AddSatService(ADD_ORDERED, MakeService(2, 1, 9, "SAT-RADIO", FLAG_RADIO));
    store.Rebuild();
    const Image image = store.BuildFullImage();
    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i)
        names.emplace_back(NameOf(At<SSVC_INFO>(image, 7, i).szName));
    EXPECT_THAT(names, ElementsAre("T-TV", "SAT-TV", "T-RADIO", "SAT-RADIO"));
}

TEST(Build, ServicesBeyondTheSectionGiveWayRadioFirst) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    AppendTp(store, sat, 11000);
    for (WORD i = 0; i < 3500; ++i)
        store.AddSatService(ADD_APPEND, MakeService(sat, 1, i, "TV"));
    for (WORD i = 0; i < 1000; ++i)
        store.AddSatService(ADD_APPEND, MakeService(sat, 1, i, "RADIO", FLAG_RADIO));
    for (WORD i = 0; i < 100; ++i)
        store.AddTerrService(ADD_APPEND_IMAGE, MakeService(1, 1, i, "T"));
    store.Rebuild();
    const Image image = store.BuildFullImage();
    CChannelStore back;
    ASSERT_TRUE(Parse(back, image));
    EXPECT_EQ(back.GetSatTvCount(), 3500);
    EXPECT_EQ(back.GetTerrTvCount(), 100);
    EXPECT_EQ(back.GetSatRadioCount(), 4048 - 3600);
    // The editor's own lists are not cut by saving.
    EXPECT_EQ(store.GetRowCount(LIST_SAT_RADIO), 1000);
}

// A store with a bit of everything, for round trips.
void FillVaried(CChannelStore& store) {
    for (int s = 0; s < 5; ++s) {
        SSAT_INFO sat =
            MakeSat(static_cast<WORD>(100 + s * 700), ("SAT" + std::to_string(s)).c_str());
        sat.bSwitch = static_cast<BYTE>(s * 17);
        sat.bLnbType = static_cast<BYTE>(s * 3);
        sat.wReserved = static_cast<WORD>(0xA000 + s);
        sat.bReserved = static_cast<BYTE>(0x50 + s);
        store.AppendSatellite(sat);
        for (int t = 0; t < s * 3; ++t)
            AppendTp(store, sat.bIndex, static_cast<WORD>(10700 + t * 40), 27500,
                     static_cast<BYTE>(t & 1));
    }
    for (BYTE m = 1; m <= 4; ++m)
        store.AddMux(MakeMux(m, static_cast<WORD>(474 + 8 * m), static_cast<WORD>(m << 8)));
    for (WORD n = 1; n <= 6; ++n)
        store.AddNetwork(MakeNetwork(n, ("NET" + std::to_string(n)).c_str(), static_cast<BYTE>(n)));
    WORD sid = 1;
    for (BYTE sat = 3; sat <= 6; ++sat) {
        for (BYTE tp = 1; tp <= store.GetTransponderCountOf(sat); ++tp) {
            SSVC_INFO svc = MakeService(sat, tp, sid, ("SVC" + std::to_string(sid)).c_str(),
                                        static_cast<WORD>((sid * 0x35) & 0x187F), sid % 7);
            svc.dwReserved = 0xDEADBEEF;
            svc.abReserved[1] = 0x42;
            svc.bNameAttr = 3;
            svc.wAudioPid = static_cast<WORD>(0x8000 | sid);
            store.AddSatService(ADD_ORDERED, svc);
            ++sid;
        }
    }
    for (WORD t = 1; t <= 12; ++t)
        store.AddTerrService(ADD_ORDERED, MakeService(1, static_cast<BYTE>(1 + t % 4), t,
                                                      ("TERR" + std::to_string(t)).c_str(),
                                                      t % 3 == 0 ? FLAG_RADIO : 0, t % 5));
    BYTE extra[kSatExtraSize];
    std::iota(extra, extra + kSatExtraSize, BYTE{0x61});
    store.SetSatExtra(extra);
    store.Rebuild();
}

void ExpectSameStore(const CChannelStore& a, const CChannelStore& b) {
    store_test::ExpectSame(store_test::Take(a), store_test::Take(b));
}

// The varied store's image, for round trips and for damage.
class Varied : public ::testing::Test {
  protected:
    void SetUp() override {
        FillVaried(source);
        image = source.BuildFullImage();
    }
    CChannelStore source;
    CChannelStore store;
    Image image;
};

TEST_F(Varied, BuiltImageParsesBackToTheSameStoreAndBytes) {
    // The extra and the order list sit where the builder puts them.
    EXPECT_EQ(Block(image, 0)[3961], 0x61);
    EXPECT_EQ(Block(image, 0)[3980], 0x61 + 19);
    EXPECT_EQ(Block(image, 0)[3960], source.GetSatOrderCount());
    EXPECT_EQ(Block(image, 0)[3840], source.GetSatOrder()[0]);
    EXPECT_EQ(Block(image, 0)[4091], 6);
    ASSERT_TRUE(Parse(store, image));
    ExpectSameStore(source, store);
    EXPECT_EQ(store.BuildFullImage(), image);
}

TEST_F(Varied, ShiftedImageIsReadOneBlockLater) {
    Image shifted(kImageBufferSize, 0);
    std::copy(image.begin(), image.begin() + kTransferImageSize, shifted.begin() + kBlockSize);
    EXPECT_FALSE(Parse(store, shifted, FALSE));
    ASSERT_TRUE(Parse(store, shifted, TRUE));
    ExpectSameStore(source, store);
}

TEST(RoundTrip, SatelliteWithTheHighestIndexKeepsItsServices) {
    CChannelStore store;
    FillSatTv(store, {"FIRST"});
    const BYTE last = AppendSat(store, 900);
    AppendTp(store, last, 12000);
    store.AddSatService(ADD_ORDERED, MakeService(last, 1, 1, "ON-LAST"));
    store.Rebuild();
    CChannelStore back;
    ASSERT_TRUE(Parse(back, store.BuildFullImage()));
    EXPECT_THAT(RowNames(back, LIST_SAT_TV), ElementsAre("FIRST", "ON-LAST"));
}

// ---- parse of bad images -----------------------------------------------------------------------

TEST_F(Varied, BlockZeroFormatIsCheckedAndAFailureLeavesTheStoreEmpty) {
    // Section magic, versions, satellite count.
    const std::pair<int, BYTE> cases[] = {
        {4092, 0xAB}, {4093, 0}, {4093, 3}, {4093, 0x13}, {4091, 0}};
    for (const auto& [at, value] : cases) {
        Image copy = image;
        copy[at] = value;
        Recompute(copy, 0);
        FillSatTv(store, {"OLD"});
        EXPECT_FALSE(Parse(store, copy)) << at << " " << int(value);
        EXPECT_EQ(store.GetSatelliteCount(), 0);
        EXPECT_EQ(store.GetSatTvCount(), 0);
        EXPECT_EQ(store.GetNetworkCount(), 0);
    }
    image[100] ^= 1; // checksum
    EXPECT_FALSE(Parse(store, image));
}

TEST_F(Varied, VersionOneMeansAFullTable) {
    image[4093] = 1;
    image[4091] = 0;
    Recompute(image, 0);
    ASSERT_TRUE(Parse(store, image));
    EXPECT_EQ(store.GetSatelliteCount(), 5); // zero slots carry no valid index
}

TEST_F(Varied, SatelliteRecordsWithForeignIndexesAreSkipped) {
    image[32 + 14] = 0;   // record 1
    image[64 + 14] = 200; // record 2
    image[4091] = 250;    // count past the table: capped
    Recompute(image, 0);
    ASSERT_TRUE(Parse(store, image));
    EXPECT_EQ(store.GetSatelliteCount(), 3);
    EXPECT_EQ(store.GetSatellite(2)->bIndex, 2);
    EXPECT_EQ(store.GetSatelliteName(2), "SAT2");
}

TEST_F(Varied, SatellitesWithoutTranspondersLoadNoServices) {
    std::fill(image.begin() + 3 * kBlockSize, image.begin() + 7 * kBlockSize, 0);
    EXPECT_FALSE(Parse(store, image));
    EXPECT_EQ(store.GetSatelliteCount(), 5);
    EXPECT_EQ(store.GetNetworkCount(), 6);
    EXPECT_EQ(store.GetSatTvCount() + store.GetSatRadioCount() + store.GetTerrTvCount(), 0);
}

TEST_F(Varied, OversizedCountsEndTheirSection) {
    Image nets = image;
    nets[kBlockSize + 4092] = 0;
    nets[kBlockSize + 4093] = 205;
    Recompute(nets, 1);
    ASSERT_TRUE(Parse(store, nets));
    // The rebuild names the used ids 2..6 "Unknown"; id 1 gets no generated entry.
    EXPECT_EQ(store.GetNetworkCount(), 5);
    EXPECT_EQ(store.GetNetworkName(1), "Unknown");

    Image tps = image;
    tps[3 * kBlockSize + 4092] = 0x01;
    tps[3 * kBlockSize + 4093] = 0x55; // 341
    Recompute(tps, 3);
    EXPECT_FALSE(Parse(store, tps));
    EXPECT_EQ(store.GetTransponderCount(), 0);

    Image svcs = image;
    svcs[7 * kBlockSize + 4090] = 0;
    svcs[7 * kBlockSize + 4091] = 90;
    svcs[7 * kBlockSize + 4093] = 3; // 93 records
    Recompute(svcs, 7);
    ASSERT_TRUE(Parse(store, svcs));
    EXPECT_EQ(store.GetSatTvCount() + store.GetSatRadioCount() + store.GetTerrTvCount() +
                  store.GetTerrRadioCount(),
              0);
}

TEST_F(Varied, ShortImagesEndWhereTheyEnd) {
    // Every length, block by block: the parse reads only what it was given.
    for (UINT blocks = 0; blocks <= 10; ++blocks) {
        CChannelStore part;
        if (blocks == 0) {
            EXPECT_FALSE(part.SetImage(image.data(), 0));
            EXPECT_FALSE(part.ParseImage(FALSE));
            continue;
        }
        part.SetImage(image.data(), blocks * kBlockSize - 1);
        part.ParseImage(FALSE);
        part.FreeImage();
        part.SetImage(image.data(), blocks * kBlockSize);
        const BOOL ok = part.ParseImage(FALSE);
        EXPECT_EQ(ok, blocks >= 4 ? TRUE : FALSE) << blocks;
    }
}

TEST_F(Varied, ServicesNumberedPastTheListAreDropped) {
    // Terrestrial TV services lead the section; the first satellite TV service follows them.
    BYTE* at = image.data() + 7 * kBlockSize + source.GetRowCount(LIST_TERR_TV) * sizeof(SSVC_INFO);
    SSVC_INFO rec;
    std::memcpy(&rec, at, sizeof rec);
    ASSERT_NE(rec.bSatIndex, 1);
    rec.wNumber = 4049;
    std::memcpy(at, &rec, sizeof rec);
    Recompute(image, 7);
    ASSERT_TRUE(Parse(store, image));
    EXPECT_EQ(store.GetSatTvCount() + store.GetSatRadioCount() + 1,
              source.GetSatTvCount() + source.GetSatRadioCount());
}

} // namespace
