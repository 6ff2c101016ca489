// The data file: the image codec (chunk layout, token choice, scrambling, bounds of both
// directions), the header, reading from memory, files and failing devices, the header a save
// writes, the atomic save, and the write-read round trip.
#include "channel_store.h"
#include "denied_device.h"
#include "failing_device.h"
#include "save_file.h"
#include "store_builders.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <array>
#include <fstream>
#include <iterator>

namespace {

using Bytes = std::vector<BYTE>;

// The key is part of the file format: files interoperate only with this exact value.
constexpr std::array<BYTE, 16> kKey = {0x3A, 0x91, 0x5C, 0xE7, 0x08, 0xB4, 0x6F, 0x22,
                                       0xD3, 0x7E, 0x15, 0xA9, 0x4B, 0xF0, 0x86, 0x2D};

Bytes Encode(const Bytes& src) {
    Bytes out(kEncodeWorstCase);
    out.resize(EncodeImage(src.data(), int(src.size()), out.data(), kEncodeWorstCase));
    return out;
}

// Decodes into an image buffer followed by a guard area that must stay untouched.
constexpr int kGuard = 4096;
constexpr BYTE kGuardByte = 0x5A;

Bytes Decode(Bytes stream) {
    Bytes dest(kImageBufferSize + kGuard, kGuardByte);
    const int n = DecodeImage(stream.data(), static_cast<int>(stream.size()), dest.data());
    EXPECT_EQ(std::count(dest.begin() + kImageBufferSize, dest.end(), kGuardByte), kGuard);
    dest.resize(n);
    return dest;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes ChunkHeader(int nPayload) {
    return {0, 0, 0, static_cast<BYTE>(nPayload >> 8), static_cast<BYTE>(nPayload & 0xFF)};
}

Bytes Scrambled(Bytes payload) {
    for (size_t j = 0; j < payload.size(); ++j)
        payload[j] ^= kKey[j % 16];
    return payload;
}

Bytes Chunk(const Bytes& plainPayload) {
    return Concat({ChunkHeader(int(plainPayload.size())), Scrambled(plainPayload)});
}

Bytes DistinctNeighbours(int n) {
    Bytes b(n);
    for (int i = 0; i < n; ++i)
        b[i] = static_cast<BYTE>(i * 7 + 1); // consecutive values always differ
    return b;
}

// Pairs of equal bytes, each pair a run token: the encoder's worst case.
Bytes Pairs(int n) {
    Bytes b(n);
    for (int i = 0; i < n; ++i)
        b[i] = static_cast<BYTE>((i / 2) % 2);
    return b;
}

// A plausible image: a random store's, with zero areas between records of random bytes.
Bytes SampleImage() {
    CChannelStore store;
    FillRandomStore(store, {20, 300, 50, 100, {500, 100, 100, 50}}, 3);
    return store.BuildFullImage();
}

// Each chunk: its header, then the payload scrambled with the key from its first byte on.
TEST(CodecEncode, TokenChoiceAndPayloadLengths) {
    Bytes pair = DistinctNeighbours(1024);
    pair[0] = pair[1] = 0x42;
    Bytes aaThenCc(1024, 0xCC);
    aaThenCc[0] = 0xAA;
    Bytes twoChunks = DistinctNeighbours(2048);
    twoChunks[1024] = 0x00;
    // what, the input, the payload length, the payload's first bytes before scrambling
    const std::tuple<const char*, Bytes, int, Bytes> cases[] = {
        {"zeros are one run token", Bytes(1024, 0), 6, {0xAA, 0xCC, 0xCC, 0x00, 0x04, 0x00}},
        {"distinct neighbours are literals", DistinctNeighbours(1024), 1024, {1, 8}},
        {"two equal bytes take a run token", pair, 6 + 1022, {0xAA, 0xCC, 0xCC, 0x42, 0, 2, 15}},
        {"worst case: pairs of equal bytes", Pairs(1024), 512 * 6, {0xAA, 0xCC, 0xCC, 0}},
        {"0xAA then a run of 0xCC", aaThenCc, 1 + 6, {0xAA, 0xAA, 0xCC, 0xCC, 0xCC, 0x03, 0xFF}},
        {"the key restarts with the second chunk", twoChunks, 1024, {1, 8}},
    };
    for (const auto& [name, chunk, nPayload, plainStart] : cases) {
        const Bytes stream = Encode(chunk);
        ASSERT_EQ(stream.size(), chunk.size() / 1024 * (5 + nPayload)) << name;
        EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 5 + plainStart.size()),
                  Concat({ChunkHeader(nPayload), Scrambled(plainStart)}))
            << name;
        EXPECT_EQ(Decode(stream), chunk) << name;
    }
    EXPECT_EQ(Encode(twoChunks)[5 + 17], twoChunks[17] ^ kKey[1]);
    EXPECT_EQ(Encode(twoChunks)[5 + 1024 + 5], 0x00 ^ kKey[0]);
}

// A whole image, the writer's worst case exactly filling its buffer; one byte less and the
// encoder gives up without writing past the capacity it was given.
TEST(CodecEncode, RoundTripAndCapacity) {
    const Bytes worst = Pairs(kImageBufferSize);
    EXPECT_EQ(int(Encode(worst).size()), kEncodeWorstCase);
    EXPECT_EQ(Decode(Encode(worst)), worst);
    const Bytes img = SampleImage();
    const int nNeeded = static_cast<int>(Encode(img).size());
    for (int nCapacity : {nNeeded, nNeeded - 1, nNeeded - 6, 4, 1}) {
        Bytes out(nCapacity + kGuard, kGuardByte);
        EXPECT_EQ(EncodeImage(img.data(), int(img.size()), out.data(), nCapacity),
                  nCapacity == nNeeded ? nNeeded : 0);
        EXPECT_EQ(std::count(out.begin() + nCapacity, out.end(), kGuardByte), kGuard) << nCapacity;
    }
}

// Cut-off or malformed input: nothing is read past the end, nothing written past the image, and
// what was output before stands.
TEST(CodecDecode, CutOffAndOverlongInput) {
    const Bytes zeroChunk = Encode(Bytes(1024, 0));
    Bytes firstByte = zeroChunk;
    firstByte[0] = 1;
    Bytes manyZeroChunks, hugeRuns;
    for (int i = 0; i < 215; ++i)
        manyZeroChunks = Concat({manyZeroChunks, zeroChunk});
    for (int i = 0; i < 5; ++i)
        hugeRuns =
            Concat({hugeRuns, Chunk({0xAA, 0xCC, 0xCC, static_cast<BYTE>(0x10 + i), 0xFF, 0xFF})});
    const std::tuple<const char*, Bytes, int> cases[] = {
        {"chunk header byte 0 not zero", firstByte, 0},
        {"header cut after 4 bytes", Concat({zeroChunk, {0, 0, 0, 0}}), 1024},
        {"run token cut off by the input",
         Concat({zeroChunk, Bytes(zeroChunk.begin(), zeroChunk.end() - 2)}), 1024},
        {"run token cut off by its payload", Concat({Chunk({9, 0xAA, 0xCC, 0xCC, 5}), zeroChunk}),
         1 + 1024},
        {"payload longer than the input", Concat({ChunkHeader(100), Scrambled({1, 2, 3})}), 3},
        {"literal 0xAA 0xCC at the end", Chunk({7, 0xAA, 0xCC}), 3},
        // The decoder does not insist on 1024 bytes a chunk; it drops what passes the image.
        {"more chunks than the image", manyZeroChunks, kImageBufferSize},
        {"runs past the image", hugeRuns, kImageBufferSize},
    };
    for (const auto& [name, stream, nExpected] : cases)
        EXPECT_EQ(Decode(stream).size(), size_t(nExpected)) << name;
    // A run of length zero outputs nothing; long runs fill the image in order.
    EXPECT_EQ(Decode(Chunk({0xAA, 0xCC, 0xCC, 0x55, 0, 0, 0x66})), Bytes{0x66});
    const Bytes image = Decode(hugeRuns);
    EXPECT_EQ(std::tuple(image[0], image[3 * 65535], image.back()), std::tuple(0x10, 0x13, 0x13));
}

// ---- the data file ---------------------------------------------------------------------------

const Bytes kDefaultHeader = [] {
    std::string h = "ABCD" + std::string(25, '0') + "144d" + std::string(8, '\0') + "0x";
    return Bytes(h.begin(), h.end());
}();

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A data file: the header, then the image encoded.
Bytes File(const Bytes& header, const Bytes& image) {
    return Concat({header, Encode(image)});
}

// A header of `length` bytes with the terminator last; the bytes before it never hold "x".
Bytes Header(const char* magic, int length) {
    Bytes h(length);
    for (int i = 0; i < length; ++i)
        h[i] = static_cast<BYTE>(i % 2 == 0 ? 0x01 + i : 0xF0);
    std::memcpy(h.data(), magic, 4);
    h[length - 1] = 'x';
    return h;
}

// Three satellites, 20 transponders, 4 MUXes, 5 networks and 30, 10, 6 and 2 services.
const StoreShape kSmall = {3, 20, 4, 5, {30, 10, 6, 2}};

// Everything a data file carries, byte for byte: the header and the image (satellites and their
// transponders, MUXes, networks, the lists with a name's bytes after its NUL, and block 0's
// satellite order and extra). The satellite order follows the lists' node order, which a read
// sets to the display order: with bSatOrder false only the satellites it names count.
Bytes Carried(CChannelStore& store, bool bSatOrder = true) {
    Bytes b = Concat({Bytes(store.GetHeader(), store.GetHeader() + store.GetHeaderLength()),
                      store.BuildFullImage()});
    if (!bSatOrder) {
        const auto order = b.begin() + store.GetHeaderLength() + 3840;
        std::sort(order, order + kSatOrderSize);
    }
    return b;
}

// ---- reading ---------------------------------------------------------------------------------

// Where the header's terminator may stand; a file that is refused leaves the store's header as
// it was, so a later save still writes a sound file. A damaged image still loads: what it holds,
// and what was dropped. A save then writes the header the file was read with (a shifted file's
// with the plain magic) and the image.
TEST(ReadDataBytes, RefusedOrReadAsFarAsItGoes) {
    CChannelStore source;
    ASSERT_TRUE(FillRandomStore(source, kSmall, 7));
    const Bytes image = source.BuildFullImage();
    const Bytes good = File(kDefaultHeader, image);
    Bytes xAt33 = Header("ABCD", 120);
    xAt33[33] = 'x';
    xAt33[119] = 0;
    Bytes shifted(kImageBufferSize, 0);
    for (UINT i = 0; i < kBlockSize; ++i)
        shifted[i] = static_cast<BYTE>(i * 13); // the leading block carries something else
    std::copy_n(image.begin(), kTransferImageSize, shifted.begin() + kBlockSize);
    Bytes plainZeph = Header("ZEPH", 60);
    std::memcpy(plainZeph.data(), "ABCD", 4);
    const std::string all = CountsText(source);
    const char* noHeader = "not a channel data file: no header end mark \"x\" at bytes 34 to 99";
    const char* damaged = "the channel data is damaged or missing";
    struct Case {
        const char* name;
        Bytes file;
        const char* what; // the error, or the first finding
        std::string counts = {};
        Bytes saved = {}; // the header a save writes
    };
    const Case cases[] = {
        {"x only before 34", xAt33, noHeader},
        {"the first x ends the header", Concat({Header("ABCD", 36), File(Bytes(10, 'x'), image)}),
         damaged},
        {"larger than any data file", Concat({kDefaultHeader, Bytes(16 * 1024 * 1024, 0)}),
         "the file is too large to be a channel data file"},
        {"default header", good, "", all, kDefaultHeader},
        {"terminator at 34", File(Header("ABCD", 35), image), "", all, Header("ABCD", 35)},
        {"terminator at 99", File(Header("QRST", 100), image), "", all, Header("QRST", 100)},
        {"shifted", File(Header("ZEPH", 60), shifted), "", all, plainZeph},
        {"cut off", Bytes(good.begin(), good.begin() + 43 + 5000), // 205 chunks: every block
         "the file is truncated: its image holds 209920 of 214016 bytes", all, kDefaultHeader},
    };
    for (const Case& c : cases) {
        CChannelStore store;
        FillSatTv(store, {"OLD"});
        store.ParseFileHeader(Header("WXYZ", 50).data(), 50);
        const Bytes header(store.GetHeader(), store.GetHeader() + kHeaderBufferSize);
        const bool bRead = store.ReadDataBytes(c.file.data(), UINT(c.file.size()));
        EXPECT_EQ(bRead, !c.counts.empty()) << c.name;
        if (!bRead) {
            EXPECT_EQ(std::tuple(store.GetLastFileError(), store.GetHeaderLength()),
                      std::tuple(c.what, 50))
                << c.name;
            EXPECT_EQ(Bytes(store.GetHeader(), store.GetHeader() + kHeaderBufferSize), header);
            continue;
        }
        const auto& findings = store.GetReadFindings();
        EXPECT_EQ(std::tuple(store.GetLastFileError(),
                             findings.empty() ? "" : ReadFindingText(findings.front()),
                             CountsText(store)),
                  std::tuple("", c.what, c.counts))
            << c.name;
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        ASSERT_TRUE(store.WriteData(out));
        EXPECT_EQ(Bytes(out.data().begin(), out.data().end()),
                  File(c.saved, store.BuildFullImage()))
            << c.name;
    }
}

// ---- files and devices -----------------------------------------------------------------------

class DataFileTest : public ::testing::Test {
  protected:
    std::string Path(const char* name) const {
        return QDir(m_dir.path()).filePath(name).toStdString();
    }
    QTemporaryDir m_dir;
};

// A read that fails says why, and of which kind for the editor; a good read forgets the last
// failure. A write that fails says why.
TEST_F(DataFileTest, ReadAndWriteFailuresAreReported) {
    QDir(m_dir.path()).mkdir("folder.zdf");
    QFile huge(QString::fromStdString(Path("huge.zdf")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(16 * 1024 * 1024 + 1));
    const std::string data = ORVANE_TEST_DATA "/";
    const std::tuple<std::string, EReadFailure, const char*, const char*> cases[] = {
        // path, the read's kind, the start of its error and of a write's (null: none tried)
        {Path("folder.zdf"), EReadFailure::Other,
         "cannot open the file: ", "cannot create the file: "},
        {std::string(), EReadFailure::Other, "no file name", "no file name"},
        {Path("missing.zdf"), EReadFailure::NoSuchFile, "cannot open the file: ", nullptr},
        {data + "empty.zdf", EReadFailure::Empty, "the file is empty", nullptr},
        {Path("huge.zdf"), EReadFailure::NotDataFile, "the file is too large", nullptr},
        {data + "no_terminator.zdf", EReadFailure::NotDataFile, "not a channel data file", nullptr},
        {data + "bad_chunk.zdf", EReadFailure::NotDataFile, "the channel data is damaged", nullptr},
        {data + "truncated.zdf", EReadFailure::None, "", nullptr},
    };
    CChannelStore store;
    for (const auto& [path, failure, read, write] : cases) {
        store.SetPathName(path);
        EXPECT_EQ(store.ReadDataFile(), failure == EReadFailure::None) << path;
        EXPECT_EQ(store.GetReadFailure(), failure) << path;
        EXPECT_TRUE(store.GetLastFileError().starts_with(read)) << store.GetLastFileError();
        if (write != nullptr) {
            EXPECT_FALSE(store.WriteDataFile());
            EXPECT_TRUE(store.GetLastFileError().starts_with(write)) << store.GetLastFileError();
        }
    }
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Path("folder.zdf"))).isDir());
    const CDeniedDevice denied; // the process acts as another user while it lives
    store.SetPathName(denied.Path());
    EXPECT_FALSE(store.ReadDataFile());
    EXPECT_EQ(store.GetReadFailure(), EReadFailure::PermissionDenied);
}

// A device that fails part-way, in the header or in the encoded image: reading and writing say
// so, with the device's reason.
TEST(DataFileDevice, ReadAndWriteErrorsAreReported) {
    CChannelStore store;
    ASSERT_TRUE(FillRandomStore(store, kSmall, 7));
    QBuffer whole;
    whole.open(QIODevice::WriteOnly);
    ASSERT_TRUE(store.WriteData(whole));
    const QByteArray file = whole.data();
    for (qint64 nFailAfter : {qint64(0), qint64(42), qint64(43), qint64(file.size() - 1)}) {
        CFailingDevice out(nFailAfter);
        out.open(QIODevice::WriteOnly);
        EXPECT_FALSE(store.WriteData(out)) << nFailAfter;
        EXPECT_EQ(store.GetLastFileError(), "cannot write the file: the device failed");
        CFailingDevice in(nFailAfter, file);
        in.open(QIODevice::ReadOnly);
        CChannelStore reader;
        EXPECT_FALSE(reader.ReadData(in)) << nFailAfter;
        EXPECT_EQ(reader.GetLastFileError(), "cannot read the file: the device failed");
    }
}

// A save that fails, whether its content or its file, reports where and leaves the old file
// exactly as it was, with no temporary file left behind; only a whole one replaces it.
TEST_F(DataFileTest, AtomicSaveReplacesTheFileOnlyWhenWhole) {
    const Bytes old(3000, 0x5A), written(1000, 0xA5);
    WriteFile(Path("db.zdf"), old);
    const std::tuple<std::string, bool, ESaveStep> cases[] = {
        {Path("db.zdf"), false, ESaveStep::Write},
        {Path("no/such/dir/db.zdf"), true, ESaveStep::Create},
        {Path("db.zdf"), true, ESaveStep::Done},
    };
    for (const auto& [path, bWriteSucceeds, step] : cases) {
        const auto write = [&](QIODevice& file) {
            file.write(reinterpret_cast<const char*>(written.data()), qint64(written.size()));
            return bWriteSucceeds;
        };
        std::string strReason;
        EXPECT_EQ(SaveFileAtomically(path, write, strReason), step) << path;
        EXPECT_EQ(strReason.empty(), step == ESaveStep::Done) << path;
        EXPECT_EQ(ReadFile(Path("db.zdf")), step == ESaveStep::Done ? written : old) << path;
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"db.zdf"}) << path;
    }
}

// ---- round trip ------------------------------------------------------------------------------

// Every store the image can hold is written to a file and read back to the same records, field
// by field, including the 20-byte extra and the header.
TEST_F(DataFileTest, RoundTripOfRandomStores) {
    const StoreShape shapes[] = {
        {0, 0, 0, 0, {0, 0, 0, 0}},
        {1, 255, 0, 3, {5, 0, 0, 0}},             // one satellite's full list
        {119, 1360, 0, 10, {200, 50, 0, 0}},      // all image satellites, all transponders
        {10, 1260, 100, 408, {600, 100, 60, 20}}, // every MUX, transponder and network slot
        {5, 50, 10, 20, {1500, 548, 1000, 1000}}, // the service section exactly full
        {3, 30, 0, 4, {92, 0, 0, 0}},             // exactly one service block
        {3, 340, 0, 4, {1, 0, 0, 0}},             // exactly one transponder block
    };
    const auto writeAndRead = [this](CChannelStore& from, CChannelStore& to) {
        from.SetPathName(Path("round.zdf"));
        ASSERT_TRUE(from.WriteDataFile()) << from.GetLastFileError();
        to.SetPathName(Path("round.zdf"));
        ASSERT_TRUE(to.ReadDataFile()) << to.GetLastFileError();
    };
    for (size_t i = 0; i < std::size(shapes); ++i) {
        SCOPED_TRACE("shape " + std::to_string(i));
        const StoreShape& s = shapes[i];
        CChannelStore store, back, again;
        ASSERT_TRUE(FillRandomStore(store, s, unsigned(1000 + i)));
        ASSERT_EQ(
            std::tuple(store.GetSatelliteCount(), store.GetTransponderCount(), store.GetMuxCount()),
            std::tuple(s.nSatellites, s.nTransponders, s.nMuxes));
        for (BYTE list = 0; list < kListCount; ++list)
            ASSERT_EQ(store.GetServiceCount(list), s.nServices[list]);
        // From the first read on, the satellite order is stable.
        writeAndRead(store, back);
        EXPECT_EQ(Bytes(back.GetHeader(), back.GetHeader() + back.GetHeaderLength()),
                  kDefaultHeader);
        EXPECT_TRUE(Carried(store, false) == Carried(back, false));
        writeAndRead(back, again);
        EXPECT_TRUE(Carried(back) == Carried(again));
    }
}

} // namespace
