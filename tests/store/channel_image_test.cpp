// The flash image: block checksums, where the builder puts each section and record, the parse
// back, and what the reader keeps and drops of damaged images.
#include "channel_store.h"
#include "store_builders.h"

#include <functional>
#include <numeric>

#include <gtest/gtest.h>

namespace {

using Image = std::vector<BYTE>;

const BYTE* Block(const Image& image, int n) {
    return image.data() + n * kBlockSize;
}

int Count(const Image& image, int n, int at) {
    return Block(image, n)[at] << 8 | Block(image, n)[at + 1];
}

// Loads an image into the store through the parser.
BOOL Parse(CChannelStore& store, const Image& image) {
    store.SetImage(image.data(), static_cast<UINT>(image.size()));
    const BOOL ok = store.ParseImage(FALSE);
    store.FreeImage();
    return ok;
}

// Writes block n's checksum again after an edit.
void Recompute(Image& image, int n) {
    CChannelStore scratch;
    scratch.SetImage(image.data(), static_cast<UINT>(image.size()));
    scratch.WriteBlock(n * kBlockSize, image.data() + n * kBlockSize);
}

// The counts of every block that holds anything: the satellite count of block 0, the count of a
// network or transponder block, TV/radio of a service block; equal neighbours as one run.
std::string Layout(const Image& image) {
    std::string text, counts;
    int first = -1, last = -1;
    const auto flush = [&] {
        if (first >= 0)
            text += std::to_string(first) + (last > first ? "-" + std::to_string(last) : "") + ":" +
                    counts + " ";
    };
    for (int n = 0; n < int(kImageBufferSize / kBlockSize); ++n) {
        if (std::all_of(Block(image, n), Block(image, n + 1), [](BYTE b) { return b == 0; }))
            continue;
        const std::string c = n == 0  ? std::to_string(Block(image, 0)[4091])
                              : n < 7 ? std::to_string(Count(image, n, 4092))
                                      : std::to_string(Count(image, n, 4090)) + "/" +
                                            std::to_string(Count(image, n, 4092));
        if (c != counts || n != last + 1) {
            flush();
            first = n;
            counts = c;
        }
        last = n;
    }
    flush();
    return text;
}

// A block's checksum, high byte first, is one plus the sum of its first 4094 bytes: 1 + 4094 x
// 0xFF = 0xFEE03 -> 0xEE03. Blocks past the image neither write nor verify.
TEST(Blocks, ChecksumOfAZeroPayloadIsOneAndAnEmptyBlockNeverVerifies) {
    CChannelStore store;
    Image image(kImageBufferSize, 0), block(kBlockSize);
    store.SetImage(image.data(), kImageBufferSize);
    for (const auto& [fill, high, low] : {std::tuple{0x00, 0x00, 0x01}, {0xFF, 0xEE, 0x03}}) {
        std::fill(block.begin(), block.end(), BYTE(fill));
        store.WriteBlock(kBlockSize, block.data());
        EXPECT_EQ(Image(block.end() - 2, block.end()), (Image{BYTE(high), BYTE(low)}));
        EXPECT_TRUE(store.VerifyBlock(kBlockSize, block.data()));
        store.WriteBlock(kImageBufferSize - 100, block.data());
        EXPECT_FALSE(store.VerifyBlock(kImageBufferSize - 100, block.data()));
    }
    store.WriteEmptyBlock(kBlockSize, block.data());
    EXPECT_FALSE(store.VerifyBlock(kBlockSize, block.data()));
}

// Where each section's records go: MUXes lead the transponder section in their own slots,
// terrestrial services lead each kind, and block 0 carries the TERRESTRIAL record, the
// satellite order, its count and the 20-byte extra where the box reads them.
TEST(Build, WhereTheRecordsGo) {
    CChannelStore store;
    store.AddMux(MakeMux(5, 474, 0x2100));
    store.AddMux(MakeMux(100, 858));
    const BYTE a = AppendSat(store, 192), b = AppendSat(store, 130);
    for (int i = 0; i < 341; ++i)
        AppendTp(store, i < 255 ? a : b, WORD(3000 + i * 20));
    for (WORD n = 1; n <= 205; ++n)
        store.AddNetwork(MakeNetwork(n, "N"));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 5, 1, "T-TV"));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 5, 2, "T-RADIO", FLAG_RADIO));
    for (WORD i = 0; i < 200; ++i) // every network in use
        store.AddSatService(ADD_APPEND, MakeService(a, 1, i, "TV", 0, WORD(1 + i)));
    for (WORD i = 0; i < 20; ++i)
        store.AddSatService(ADD_APPEND, MakeService(b, 1, i, "RADIO", FLAG_RADIO, WORD(186 + i)));
    Image extra(kSatExtraSize);
    std::iota(extra.begin(), extra.end(), BYTE{0x61});
    store.SetSatExtra(extra.data());
    store.Rebuild();
    const Image image = store.BuildFullImage();

    EXPECT_EQ(Layout(image), "0:3 1:204 2:1 3:340 4:3 7-8:92/0 9:17/21 ");
    // A transponder record's satellite index and MUX index or tpid; a service record's name.
    const auto tp = [&](int n, int i) {
        const BYTE* rec = Block(image, n) + i * sizeof(STP_INFO);
        return std::to_string(rec[10]) + "/" + std::to_string(rec[11]) + " ";
    };
    const auto svc = [&](int n, int i) {
        return std::string(reinterpret_cast<const char*>(Block(image, n)) + i * 44 + 26) + " ";
    };
    EXPECT_EQ(tp(3, 0) + tp(3, 1) + tp(3, 2) + tp(4, 0) + svc(7, 0) + svc(7, 1) + svc(9, 17) +
                  svc(9, 18),
              "1/5 1/100 2/1 3/84 T-TV TV T-RADIO RADIO ");
    const BYTE* b0 = Block(image, 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b0), 26),
              std::string(14, '\0') + "\1TERRESTRIAL");
    EXPECT_EQ(Image(b0 + 3840, b0 + 3842), (Image{2, 3}));
    EXPECT_EQ(b0[3960], 2);
    EXPECT_EQ(Image(b0 + 3961, b0 + 3981), extra);
    EXPECT_EQ(Image(b0 + 4089, b0 + 4094), (Image{'I', ' ', 3, 0xAC, 2}));

    // Read back, it gives the same counts and the same image again.
    CChannelStore back;
    ASSERT_TRUE(Parse(back, image));
    EXPECT_EQ(back.BuildFullImage(), image);
    EXPECT_EQ(back.GetMux(5)->drift, 0x2100);
    EXPECT_EQ(back.GetMux(1), nullptr);
}

// The service section holds 4048: satellite radio gives way first. The store keeps its own lists.
TEST(Build, RadioGivesWayWhenTheServiceSectionIsFull) {
    CChannelStore store, back;
    FillSatTv(store, {});
    for (WORD i = 0; i < 4500; ++i)
        store.AddSatService(ADD_APPEND, MakeService(2, 1, i, "S", i < 3500 ? 0 : FLAG_RADIO));
    for (WORD i = 0; i < 100; ++i)
        store.AddTerrService(ADD_APPEND_IMAGE, MakeService(1, 1, i, "T"));
    store.Rebuild();
    const Image image = store.BuildFullImage();
    EXPECT_EQ(Layout(image), "0:2 1:0 3:1 7-45:92/0 46:12/80 47-50:0/92 ");
    EXPECT_EQ(CountsText(store),
              "satellites 1, transponders 1, networks 0, MUXes 0, services 3500 1000 100 0");
    Parse(back, image);
    EXPECT_EQ(CountsText(back),
              "satellites 1, transponders 1, networks 0, MUXes 0, services 3500 448 100 0");
}

// The mixed store's image: SAT-A (index 2) and SAT-B (index 3), MUX 1 and three transponders
// in block 3, two networks, 150 TV services in blocks 7 and 8 and 30 radio services in block 8.
Image MixedImage(CChannelStore& source) {
    FillMixedStore(source);
    return source.BuildFullImage();
}

// Changes record i of block n and fixes the block's checksum.
template <class Rec> void EditRecord(Image& image, int n, int i, std::function<void(Rec&)> edit) {
    Rec rec;
    BYTE* at = image.data() + n * kBlockSize + i * sizeof rec;
    std::memcpy(&rec, at, sizeof rec);
    edit(rec);
    std::memcpy(at, &rec, sizeof rec);
    Recompute(image, n);
}

// Writes a count field (high byte first) and fixes the block's checksum.
void SetCount(Image& image, int n, int at, int count) {
    image[n * kBlockSize + at] = static_cast<BYTE>(count >> 8);
    image[n * kBlockSize + at + 1] = static_cast<BYTE>(count);
    Recompute(image, n);
}

// Every way the reader stops early or drops records gives its line, in reading order, and leaves
// what the counts say; an image it rejects leaves the store empty. Normal ends give no line.
TEST(Damaged, ReaderSaysWhatItDrops) {
    CChannelStore source;
    const Image image = MixedImage(source);
    using Damage = std::function<void(Image&)>;
    const auto setByte = [](int n, int at, BYTE value) -> Damage {
        return [=](Image& im) {
            im[n * kBlockSize + at] = value;
            Recompute(im, n);
        };
    };
    const std::string all = CountsText(source);
    const std::string none = "satellites 0, transponders 0, networks 0, MUXes 0, services 0 0 0 0";
    struct Case {
        Damage damage;
        std::vector<std::string> lines;
        std::string counts = {}; // not checked when empty
    };
    const Case cases[] = {
        {[](Image&) {}, {}, all},
        {[](Image& im) { std::fill_n(im.begin(), kBlockSize, 0); },
         {"satellite block 0 is empty: nothing is read"},
         none},
        {[](Image& im) { im[3] ^= 1; }, {"satellite block 0 fails its checksum: nothing is read"}},
        {setByte(0, 4092, 0xAB),
         {"satellite block 0 carries the mark 0xAB instead of 0xAC: nothing is read"}},
        {setByte(0, 4093, 3),
         {"satellite block 0 carries format version 3 (1 or 2 are read): nothing is read"}},
        {setByte(0, 4091, 0), {"satellite block 0 counts no records: nothing is read"}, none},
        // Version 1: a full table, whatever the count says.
        {[](Image& im) { im[4091] = 0, im[4093] = 1, Recompute(im, 0); }, {}, all},
        {[](Image& im) {
             EditRecord<SSAT_INFO>(im, 0, 1, [](SSAT_INFO& sat) { sat.bIndex = 120; });
             EditRecord<SSAT_INFO>(im, 0, 3, [](SSAT_INFO& sat) { sat.bIndex = 121; });
             SetCount(im, 0, 4090, 250); // more than the table holds
         },
         {"satellite block 0 holds 1 record whose satellite index is outside 2 to 120 (the first: "
          "121): it is dropped"},
         all},
        {setByte(0, 4091, 2),
         {"satellite block 0 counts 2 records but holds more after them: they are not read",
          "transponder block 3 holds 1 record of a satellite that is not loaded (the first: index "
          "3): it is dropped",
          "service blocks 7-8 holds 50 records of a satellite that is not loaded (the first: "
          "index 3): they are dropped"},
         "satellites 1, transponders 2, networks 2, MUXes 1, services 100 30 0 0"},
        {[](Image& im) {
             SetCount(im, 1, 4092, 1);
             EditRecord<STP_INFO>(im, 3, 1, [](STP_INFO& tp) { tp.satid = 1, tp.tpid = 1; });
             EditRecord<STP_INFO>(im, 3, 2, [](STP_INFO& tp) { tp.satid = 1, tp.tpid = 0; });
             const auto edit = [&](int i, std::function<void(SSVC_INFO&)> change) {
                 EditRecord<SSVC_INFO>(im, 7, i, change);
             };
             edit(0, [](SSVC_INFO& svc) { svc.wFlags |= FLAG_DELETED; });
             edit(1, [](SSVC_INFO& svc) { svc.wNumber = 4049; });
             edit(2, [](SSVC_INFO& svc) { svc.bTpIndex = 0; });
             edit(3, [](SSVC_INFO& svc) { svc.wFlags |= FLAG_DELETED; });
         },
         {"network block 1 counts 1 records but holds more after them: they are not read",
          "transponder block 3 holds 1 MUX record whose index was read before (the first: 1): "
          "each replaces the earlier one",
          "transponder block 3 holds 1 record with a MUX index of 0 or above 100 (the first: 0): "
          "it is dropped",
          "service block 7 holds 2 records marked as deleted: they are dropped",
          "service block 7 holds 1 record numbered above 4048 (the first: 4049): it is dropped",
          "service block 7 holds 1 record with transponder index 0: it is dropped"},
         "satellites 2, transponders 1, networks 2, MUXes 1, services 146 30 0 0"},
        {[](Image& im) { // 256 more of SAT-A's
             BYTE* tps = im.data() + 3 * kBlockSize;
             for (int i = 4; i < 260; ++i)
                 std::copy_n(tps + 12, 12, tps + 12 * i);
             SetCount(im, 3, 4092, 260);
         },
         {"transponder block 3 holds 3 records beyond the 255 transponders of one satellite: "
          "they are dropped"},
         "satellites 2, transponders 256, networks 2, MUXes 1, services 150 30 0 0"},
        {[](Image& im) { // 1012 terrestrial TV services after the satellite ones
             for (int n = 9; n < 20; ++n) {
                 for (int i = 0; i < 92; ++i) {
                     const SSVC_INFO t = MakeService(1, 1, WORD(n * 92 + i), "T");
                     std::memcpy(im.data() + n * kBlockSize + i * sizeof t, &t, sizeof t);
                 }
                 SetCount(im, n, 4090, 92);
             }
         },
         {"service block 19 holds 12 records beyond the 1000 services their list holds: they "
          "are dropped"},
         "satellites 2, transponders 3, networks 2, MUXes 1, services 150 30 1000 0"},
        {[](Image& im) { SetCount(im, 3, 4092, 341); },
         {"transponder block 3 claims 341 records (at most 340): every transponder and service "
          "is dropped"},
         "satellites 2, transponders 0, networks 2, MUXes 0, services 0 0 0 0"},
        {[](Image& im) { std::fill(im.begin() + 3 * kBlockSize, im.begin() + 7 * kBlockSize, 0); },
         {"no transponder is loaded: no service is read"},
         "satellites 2, transponders 0, networks 2, MUXes 0, services 0 0 0 0"},
        {[](Image& im) {
             im[7 * kBlockSize + 4091] = 90, im[7 * kBlockSize + 4093] = 3, Recompute(im, 7);
         },
         {"service block 7 claims 93 records (at most 92): it and every later service block are "
          "dropped"},
         "satellites 2, transponders 3, networks 1, MUXes 1, services 0 0 0 0"},
        {[](Image& im) { im[kBlockSize + 3] ^= 1, im[8 * kBlockSize + 3] ^= 1; },
         {"network block 1 fails its checksum: it and any later network block are not read",
          "service block 8 fails its checksum: it and any later service block are not read"}},
    };
    CChannelStore store; // one store for every case: a parse starts from nothing
    for (size_t i = 0; i < std::size(cases); ++i) {
        Image copy = image;
        cases[i].damage(copy);
        Parse(store, copy);
        std::vector<std::string> lines;
        for (const SReadFinding& f : store.GetReadFindings())
            lines.push_back(ReadFindingText(f));
        EXPECT_EQ(lines, cases[i].lines) << "case " << i;
        EXPECT_TRUE(cases[i].counts.empty() || CountsText(store) == cases[i].counts)
            << "case " << i << ": " << CountsText(store);
    }
}

} // namespace
