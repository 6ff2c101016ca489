#include "channel_store.h"
#include "store_builders.h"
#include "store_snapshot.h"

#include <functional>
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

// Changes record i of block n and fixes the block's checksum.
template <class Rec> void EditRecord(Image& image, int n, int i, std::function<void(Rec&)> edit) {
    Rec rec = At<Rec>(image, n, i);
    edit(rec);
    std::memcpy(image.data() + n * kBlockSize + i * sizeof rec, &rec, sizeof rec);
    Recompute(image, n);
}

// Writes a count field (high byte first) and fixes the block's checksum.
void SetCount(Image& image, int n, int at, int count) {
    image[n * kBlockSize + at] = static_cast<BYTE>(count >> 8);
    image[n * kBlockSize + at + 1] = static_cast<BYTE>(count);
    Recompute(image, n);
}

// What the last parse of `store` dropped, one line each.
std::vector<std::string> FindingLines(const CChannelStore& store) {
    std::vector<std::string> lines;
    for (const SReadFinding& f : store.GetReadFindings())
        lines.push_back(ReadFindingText(f));
    return lines;
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
    EXPECT_FALSE(Parse(check, image));            // no transponders
    EXPECT_TRUE(check.GetReadFindings().empty()); // and nothing else to read
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
    EXPECT_TRUE(store.GetReadFindings().empty()); // empty blocks end sections normally
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

// Every way the reader stops early or drops records gives its line; normal ends give none.
TEST_F(Varied, DamagedImagesSayWhatTheReaderDrops) {
    using Damage = std::function<void(Image&)>;
    const auto setByte = [](int n, int at, BYTE value) -> Damage {
        return [=](Image& im) {
            im[n * kBlockSize + at] = value;
            Recompute(im, n);
        };
    };
    const int firstSat = source.GetRowCount(LIST_TERR_TV); // block 7: terrestrial TV first
    const std::string lostTps = "transponder block 3 holds 12 records of a satellite that is not "
                                "loaded (the first: index 6): they are dropped";
    const std::string lostSvcs = "service block 7 holds 12 records of a satellite that is not "
                                 "loaded (the first: index 6): they are dropped";
    struct Case {
        const char* name;
        Damage damage;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"empty block 0",
         [](Image& im) { std::fill_n(im.begin(), kBlockSize, 0); },
         {"satellite block 0 is empty: nothing is read"}},
        {"block 0 checksum",
         [](Image& im) { im[100] ^= 1; },
         {"satellite block 0 fails its checksum: nothing is read"}},
        {"section mark",
         setByte(0, 4092, 0xAB),
         {"satellite block 0 carries the mark 0xAB instead of 0xAC: nothing is read"}},
        {"version",
         setByte(0, 4093, 3),
         {"satellite block 0 carries format version 3 (1 or 2 are read): nothing is read"}},
        {"no count", setByte(0, 4091, 0), {"satellite block 0 counts no records: nothing is read"}},
        {"satellite index",
         [](Image& im) {
             EditRecord<SSAT_INFO>(im, 0, 5, [](SSAT_INFO& sat) { sat.bIndex = 121; });
         },
         {"satellite block 0 holds 1 record whose satellite index is outside 2 to 120 (the first: "
          "121): it is dropped",
          lostTps, lostSvcs}},
        {"satellite past the count",
         setByte(0, 4091, 5),
         {"satellite block 0 counts 5 records but holds more after them: they are not read",
          lostTps, lostSvcs}},
        {"network count",
         [](Image& im) { SetCount(im, 1, 4092, 205); },
         {"network block 1 claims 205 records (at most 204): every network name is dropped"}},
        {"network past the count",
         [](Image& im) { SetCount(im, 1, 4092, 5); },
         {"network block 1 counts 5 records but holds more after them: they are not read"}},
        {"network checksum",
         [](Image& im) { im[kBlockSize + 3] ^= 1; },
         {"network block 1 fails its checksum: it and any later network block are not read"}},
        {"transponder count",
         [](Image& im) { SetCount(im, 3, 4092, 341); },
         {"transponder block 3 claims 341 records (at most 340): every transponder and service "
          "is dropped"}},
        {"no transponders",
         [](Image& im) { std::fill(im.begin() + 3 * kBlockSize, im.begin() + 7 * kBlockSize, 0); },
         {"no transponder is loaded: no service is read"}},
        {"MUX indexes",
         [](Image& im) {
             EditRecord<STP_INFO>(im, 3, 0, [](STP_INFO& mux) { mux.tpid = 101; });
             EditRecord<STP_INFO>(im, 3, 2, [](STP_INFO& mux) { mux.tpid = 2; });
         },
         {"transponder block 3 holds 1 record with a MUX index of 0 or above 100 (the first: "
          "101): it is dropped",
          "transponder block 3 holds 1 MUX record whose index was read before (the first: 2): "
          "each replaces the earlier one"}},
        {"256th transponder of a satellite",
         [](Image& im) {
             CChannelStore full;
             const BYTE sat = AppendSat(full, 192);
             for (int i = 0; i < 255; ++i)
                 AppendTp(full, sat, static_cast<WORD>(3000 + i * 100));
             im = full.BuildFullImage();
             std::copy_n(Block(im, 3), sizeof(STP_INFO),
                         im.begin() + 3 * kBlockSize + 255 * sizeof(STP_INFO));
             SetCount(im, 3, 4092, 256);
         },
         {"transponder block 3 holds 1 record beyond the 255 transponders of one satellite: it "
          "is dropped"}},
        {"service count",
         [](Image& im) {
             SetCount(im, 7, 4090, 90);
             SetCount(im, 7, 4092, 3);
         },
         {"service block 7 claims 93 records (at most 92): it and every later service block are "
          "dropped"}},
        {"service checksum",
         [](Image& im) { im[7 * kBlockSize + 3] ^= 1; },
         {"service block 7 fails its checksum: it and any later service block are not read"}},
        {"service block after an empty one",
         [](Image& im) { std::copy_n(Block(im, 7), kBlockSize, im.begin() + 9 * kBlockSize); },
         {"service block 9 is never read: the empty block 8 before it ends the section"}},
        {"service records",
         [=](Image& im) {
             const auto edit = [&](int i, std::function<void(SSVC_INFO&)> change) {
                 EditRecord<SSVC_INFO>(im, 7, i, change);
             };
             edit(0, [](SSVC_INFO& svc) { svc.wFlags |= FLAG_DELETED; });
             edit(firstSat, [](SSVC_INFO& svc) { svc.wNumber = 4049; });
             edit(firstSat + 1, [](SSVC_INFO& svc) { svc.bTpIndex = 0; });
             edit(firstSat + 2, [](SSVC_INFO& svc) { svc.wFlags |= FLAG_DELETED; });
         },
         {"service block 7 holds 2 records marked as deleted: they are dropped",
          "service block 7 holds 1 record numbered above 4048 (the first: 4049): it is dropped",
          "service block 7 holds 1 record with transponder index 0: it is dropped"}},
        {"1001st terrestrial TV service",
         [](Image& im) {
             CChannelStore full;
             FillSatTv(full, {"SAT"});
             for (WORD i = 0; i < 1000; ++i)
                 full.AddTerrService(ADD_APPEND_IMAGE, MakeService(1, 1, i, "T"));
             full.Rebuild();
             im = full.BuildFullImage();
             // Block 17 holds the last 80 terrestrial services and the satellite one.
             std::copy_n(Block(im, 7), sizeof(SSVC_INFO),
                         im.begin() + 17 * kBlockSize + 81 * sizeof(SSVC_INFO));
             SetCount(im, 17, 4090, 82);
         },
         {"service block 17 holds 1 record beyond the 1000 services their list holds: it is "
          "dropped"}},
    };
    for (const Case& c : cases) {
        Image copy = image;
        c.damage(copy);
        Parse(store, copy);
        EXPECT_EQ(FindingLines(store), c.lines) << c.name;
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
