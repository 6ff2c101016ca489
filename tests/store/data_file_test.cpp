// Data file: header rules, reading and writing through real files, write failures, and the
// write-read round trip over many random stores.
#include "channel_store.h"
#include "store_snapshot.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<BYTE>;
using store_test::ExpectSame;
using store_test::RandomStoreBuilder;
using store_test::StoreShape;
using store_test::Take;

const Bytes kDefaultHeader = [] {
    std::string h = "ABCD" + std::string(25, '0') + "144d" + std::string(8, '\0') + "0x";
    return Bytes(h.begin(), h.end());
}();

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes Encode(const Bytes& image) {
    Bytes out(kEncodeWorstCase);
    out.resize(EncodeImage(image.data(), int(image.size()), out.data(), kEncodeWorstCase));
    return out;
}

Bytes Decode(Bytes encoded) {
    Bytes image(kImageBufferSize);
    image.resize(DecodeImage(encoded.data(), int(encoded.size()), image.data()));
    return image;
}

Bytes Concat(const Bytes& a, const Bytes& b) {
    Bytes all = a;
    all.insert(all.end(), b.begin(), b.end());
    return all;
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

void FillSmall(CChannelStore& store, unsigned state = 7) {
    RandomStoreBuilder(state).Fill(store, {3, 20, 4, 5, {30, 10, 6, 2}});
}

class DataFileTest : public ::testing::Test {
  protected:
    std::string Path(const char* name) const {
        return QDir(m_dir.path()).filePath(name).toStdString();
    }
    void WriteAndRead(CChannelStore& from, CChannelStore& to) {
        from.SetPathName(Path("round.zdf"));
        ASSERT_TRUE(from.WriteDataFile()) << from.GetLastFileError();
        to.SetPathName(Path("round.zdf"));
        ASSERT_TRUE(to.ReadDataFile()) << to.GetLastFileError();
    }

    QTemporaryDir m_dir;
};

// ---- header ---------------------------------------------------------------------------------

TEST(FileHeader, Terminator) {
    struct Case {
        const char* name;
        Bytes file;
        int nResult;
        int nLength;
    };
    Bytes xAt33 = Header("ABCD", 120);
    xAt33[33] = 'x';
    xAt33[119] = 0;
    Bytes xAt100 = Header("ABCD", 101);
    Bytes shortFile = Header("ABCD", 40);
    shortFile.resize(39); // the file ends before its terminator
    const Case cases[] = {
        {"default header", kDefaultHeader, HEADER_PLAIN, 43},
        {"terminator at 34", Header("ABCD", 35), HEADER_PLAIN, 35},
        {"terminator at 99", Header("ABCD", 100), HEADER_PLAIN, 100},
        {"shifted magic", Header("ZEPH", 60), HEADER_SHIFTED, 60},
        {"other magic is read as it is", Header("WXYZ", 50), HEADER_PLAIN, 50},
        {"first x wins", Concat(Header("ABCD", 36), Bytes(10, 'x')), HEADER_PLAIN, 36},
        {"x only before 34", xAt33, HEADER_NO_TERMINATOR, 43},
        {"x only at 100", xAt100, HEADER_NO_TERMINATOR, 43},
        {"file ends before the terminator", shortFile, HEADER_NO_TERMINATOR, 43},
        {"file shorter than any header", Bytes(20, 'x'), HEADER_NO_TERMINATOR, 43},
    };
    for (const Case& c : cases) {
        CChannelStore store;
        EXPECT_EQ(store.ParseFileHeader(c.file.data(), UINT(c.file.size())), c.nResult) << c.name;
        EXPECT_EQ(store.GetHeaderLength(), c.nLength) << c.name;
    }
}

// ---- reading ---------------------------------------------------------------------------------

TEST(ReadDataBytes, Rejections) {
    const Bytes image = [] {
        CChannelStore s;
        FillSmall(s);
        return s.BuildFullImage();
    }();
    Bytes badChunk = Concat(kDefaultHeader, Encode(image));
    badChunk[43 + 1] = 0x01;
    struct Case {
        const char* name;
        Bytes file;
    };
    const Case cases[] = {
        {"0 bytes", {}},
        {"no terminator", Bytes(200, 'A')},
        {"header only", kDefaultHeader},
        {"chunk without its zero bytes", badChunk},
        {"larger than any data file", Concat(kDefaultHeader, Bytes(16 * 1024 * 1024, 0))},
    };
    for (const Case& c : cases) {
        CChannelStore store;
        FillSmall(store);
        const Bytes before(store.GetHeader(), store.GetHeader() + kHeaderBufferSize);
        EXPECT_FALSE(store.ReadDataBytes(c.file.data(), UINT(c.file.size()))) << c.name;
        EXPECT_FALSE(store.GetLastFileError().empty()) << c.name;
        // A failed read leaves the header as it was, so a later save still writes a sound file.
        EXPECT_EQ(Bytes(store.GetHeader(), store.GetHeader() + kHeaderBufferSize), before);
        EXPECT_EQ(store.GetHeaderLength(), kDefaultHeaderLength) << c.name;
    }
}

// A bad block 0 gives an empty store; a cut-off file decodes as far as it goes and the blocks it
// still holds are read.
TEST(ReadDataBytes, DamagedImagesLoadWhatTheyCan) {
    CChannelStore source;
    FillSmall(source);
    Bytes image = source.BuildFullImage();
    const Bytes file = Concat(kDefaultHeader, Encode(image));
    // Cut inside the services: the satellites, networks and transponders are all before it.
    const Bytes cut(file.begin(), file.begin() + 43 + 5000);
    CChannelStore store;
    EXPECT_TRUE(store.ReadDataBytes(cut.data(), UINT(cut.size())));
    EXPECT_EQ(store.GetSatelliteCount(), 3);
    EXPECT_EQ(store.GetTransponderCount(), 20);
    ASSERT_FALSE(store.GetReadFindings().empty());
    EXPECT_EQ(ReadFindingText(store.GetReadFindings().front()),
              "the file is truncated: its image holds 209920 of 214016 bytes"); // 205 chunks

    image[100] ^= 0x01;
    const Bytes bad = Concat(kDefaultHeader, Encode(image));
    EXPECT_TRUE(store.ReadDataBytes(bad.data(), UINT(bad.size())));
    EXPECT_EQ(store.GetSatelliteCount(), 0);
    EXPECT_EQ(store.GetTransponderCount(), 0);
    EXPECT_EQ(store.GetSatTvCount() + store.GetSatRadioCount(), 0);
    EXPECT_TRUE(store.GetLastFileError().empty());
}

// ---- files -----------------------------------------------------------------------------------

TEST_F(DataFileTest, WrittenFileHasTheDefaultHeaderAndReadsBack) {
    CChannelStore store;
    FillSmall(store);
    store.SetPathName(Path("db.zdf"));
    ASSERT_TRUE(store.WriteDataFile()) << store.GetLastFileError();
    const Bytes file = ReadFile(Path("db.zdf"));
    ASSERT_GT(file.size(), 43u);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 43), kDefaultHeader);
    EXPECT_EQ(Decode(Bytes(file.begin() + 43, file.end())), store.BuildFullImage());

    CChannelStore back;
    back.SetPathName(Path("db.zdf"));
    ASSERT_TRUE(back.ReadDataFile()) << back.GetLastFileError();
    ExpectSame(Take(store), Take(back), false);
}

TEST_F(DataFileTest, ForeignHeaderIsKeptByteForByte) {
    CChannelStore source;
    FillSmall(source);
    const Bytes header = Header("QRST", 77);
    WriteFile(Path("in.zdf"), Concat(header, Encode(source.BuildFullImage())));

    CChannelStore store;
    store.SetPathName(Path("in.zdf"));
    ASSERT_TRUE(store.ReadDataFile());
    store.SetPathName(Path("out.zdf"));
    ASSERT_TRUE(store.WriteDataFile());
    const Bytes out = ReadFile(Path("out.zdf"));
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 77), header);
    EXPECT_EQ(out[77], 0x00); // the image's first chunk header follows at once
}

TEST_F(DataFileTest, ShiftedFileIsReadAndSavedUnshifted) {
    CChannelStore source;
    FillSmall(source);
    const Bytes image = source.BuildFullImage();
    // Blocks one block further on; the leading block carries something else entirely.
    Bytes shifted(kImageBufferSize, 0);
    for (UINT i = 0; i < kBlockSize; ++i)
        shifted[i] = static_cast<BYTE>(i * 13);
    std::copy_n(image.begin(), kTransferImageSize, shifted.begin() + kBlockSize);
    WriteFile(Path("zeph.zdf"), Concat(Header("ZEPH", 43), Encode(shifted)));

    CChannelStore store;
    store.SetPathName(Path("zeph.zdf"));
    ASSERT_TRUE(store.ReadDataFile());
    const auto a = Take(source), b = Take(store);
    EXPECT_EQ(a.satellites, b.satellites);
    EXPECT_EQ(a.transponders, b.transponders);
    EXPECT_EQ(a.services[LIST_SAT_TV], b.services[LIST_SAT_TV]);

    store.SetPathName(Path("saved.zdf"));
    ASSERT_TRUE(store.WriteDataFile());
    const Bytes saved = ReadFile(Path("saved.zdf"));
    Bytes expectedHeader = Header("ZEPH", 43);
    std::memcpy(expectedHeader.data(), "ABCD", 4);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 43), expectedHeader);
    EXPECT_EQ(Decode(Bytes(saved.begin() + 43, saved.end())), store.BuildFullImage());
}

TEST_F(DataFileTest, ReadAndWriteFailuresAreReported) {
    WriteFile(Path("empty.zdf"), {});
    QDir(m_dir.path()).mkdir("folder.zdf");
    const std::tuple<std::string, bool, bool> cases[] = {
        // path, read fails, write fails
        {Path("missing.zdf"), true, false},        {Path("empty.zdf"), true, false},
        {Path("folder.zdf"), true, true},          {std::string(), true, true},
        {Path("no/such/dir/db.zdf"), false, true},
    };
    for (const auto& [path, bRead, bWrite] : cases) {
        CChannelStore reader, writer;
        FillSmall(writer);
        reader.SetPathName(path);
        writer.SetPathName(path);
        EXPECT_TRUE(!bRead || (!reader.ReadDataFile() && !reader.GetLastFileError().empty()))
            << path;
        EXPECT_TRUE(!bWrite || (!writer.WriteDataFile() && !writer.GetLastFileError().empty()))
            << path;
    }
    EXPECT_TRUE(QFileInfo(QString::fromStdString(Path("folder.zdf"))).isDir());
}

// A save that fails half-way (here: the file-size limit stops the write) reports failure and
// leaves the old file exactly as it was, with no temporary file left behind.
TEST_F(DataFileTest, FailedSaveLeavesTheOldFileUntouched) {
    const Bytes old = Concat(kDefaultHeader, Bytes(3000, 0x5A));
    WriteFile(Path("db.zdf"), old);

    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // the write then fails with EFBIG instead of a signal
        const rlimit limit{2000, 2000};
        setrlimit(RLIMIT_FSIZE, &limit);
        CChannelStore store;
        FillSmall(store);
        store.SetPathName(Path("db.zdf"));
        const bool reported = !store.WriteDataFile() && !store.GetLastFileError().empty();
        _exit(reported ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was not reported";
    EXPECT_EQ(ReadFile(Path("db.zdf")), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{"db.zdf"});
}

// ---- round trip ------------------------------------------------------------------------------

// Every store the image can hold is written and read back to the same records, field by field,
// including the 20-byte extra and the header.
TEST_F(DataFileTest, RoundTripOfRandomStores) {
    std::vector<StoreShape> shapes = {
        {0, 0, 0, 0, {0, 0, 0, 0}},
        {1, 1, 1, 1, {1, 1, 1, 1}},
        {1, 255, 0, 3, {5, 0, 0, 0}},             // one satellite's full list
        {119, 1360, 0, 10, {200, 50, 0, 0}},      // all image satellites, all transponders
        {10, 1260, 100, 408, {600, 100, 60, 20}}, // every MUX, transponder and network slot
        {5, 50, 10, 20, {1500, 548, 1000, 1000}}, // the service section exactly full
        {2, 10, 2, 2, {0, 0, 1000, 0}},           // terrestrial TV only, its full walk
        {3, 30, 0, 4, {92, 0, 0, 0}},             // exactly one service block
        {3, 30, 0, 4, {92, 1, 0, 0}},
        {3, 340, 0, 4, {1, 0, 0, 0}}, // exactly one transponder block
        {3, 341, 0, 4, {1, 0, 0, 0}},
    };
    RandomStoreBuilder shapeRng(99);
    for (int i = 0; i < 30; ++i) {
        StoreShape s{};
        s.nSatellites = 1 + int(shapeRng.Below(119));
        s.nMuxes = int(shapeRng.Below(101));
        // Services are read only when at least one transponder is.
        s.nTransponders = 1 + int(shapeRng.Below(std::min(1360 - s.nMuxes, 255 * s.nSatellites)));
        s.nNetworks = int(shapeRng.Below(409));
        int room = 4048;
        for (int& n : s.nServices) {
            n = int(shapeRng.Below(std::min(room, 1000) + 1));
            room -= n;
        }
        shapes.push_back(s);
    }
    for (size_t i = 0; i < shapes.size(); ++i) {
        SCOPED_TRACE("shape " + std::to_string(i));
        CChannelStore store;
        RandomStoreBuilder(unsigned(1000 + i)).Fill(store, shapes[i]);
        ASSERT_EQ(store.GetSatelliteCount(), shapes[i].nSatellites);
        ASSERT_EQ(store.GetTransponderCount(), shapes[i].nTransponders);
        ASSERT_EQ(store.GetMuxCount(), shapes[i].nMuxes);
        for (BYTE list = 0; list < kListCount; ++list)
            ASSERT_EQ(store.GetServiceCount(list), shapes[i].nServices[list]);

        // The satellite order follows the service lists' node order, which a read sets to the
        // display order; from then on it is stable.
        CChannelStore back, again;
        WriteAndRead(store, back);
        ExpectSame(Take(store), Take(back), false);
        WriteAndRead(back, again);
        ExpectSame(Take(back), Take(again));
    }
}

} // namespace
