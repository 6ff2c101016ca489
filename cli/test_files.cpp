#include "test_files.h"

#include "name_codec.h"
#include "sample_db.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

namespace {

using Bytes = std::vector<BYTE>;

Bytes DefaultHeader() {
    Bytes header(kHeaderBufferSize);
    FillDefaultHeader(header.data());
    header.resize(kDefaultHeaderLength);
    return header;
}

Bytes WithMagic(Bytes header, const char* magic) {
    std::memcpy(header.data(), magic, 4);
    return header;
}

Bytes SampleImage() {
    CChannelStore store;
    FillSampleStore(store);
    return store.BuildFullImage();
}

// The sample with names of another character set: the first satellite, network 1 and the first
// satellite TV services take the UTF-8 names given, stored as that set's bytes.
Bytes RenamedImage(ECharset set, const char* satellite, const char* network,
                   std::initializer_list<const char*> services) {
    const CNameCodec names(set);
    CChannelStore store;
    FillSampleStore(store);
    SSAT_INFO sat = *store.GetSatellite(kFirstSatIndex);
    SetName(sat.szName, names.Encoded(satellite));
    store.SetSatellite(kFirstSatIndex, sat);
    store.RenameNetwork(1, names.Encoded(network));
    WORD row = 0;
    for (const char* service : services) {
        const std::string bytes = names.Encoded(service);
        store.SetServiceName(row++, LIST_SAT_TV, bytes.data(), static_cast<UINT>(bytes.size()));
    }
    return store.BuildFullImage();
}

Bytes Encode(const Bytes& image) {
    Bytes out(kEncodeWorstCase);
    out.resize(
        EncodeImage(image.data(), static_cast<int>(image.size()), out.data(), kEncodeWorstCase));
    return out;
}

// The same blocks one block further on, as files with the "ZEPH" magic carry them.
Bytes Shifted(const Bytes& image) {
    Bytes shifted(kImageBufferSize, 0);
    for (UINT i = 0; i < kBlockSize; ++i)
        shifted[i] = static_cast<BYTE>(0xA5 ^ i);
    std::copy_n(image.begin(), kTransferImageSize, shifted.begin() + kBlockSize);
    return shifted;
}

Bytes WithBadBlock(Bytes image, int nBlock) {
    image[nBlock * kBlockSize + 10] ^= 0x40; // the stored checksum no longer matches
    return image;
}

// A count field set to `count`, the block's checksum made to match again.
Bytes WithCount(Bytes image, int nBlock, int nAt, int count) {
    BYTE* block = image.data() + nBlock * kBlockSize;
    block[nAt] = static_cast<BYTE>(count >> 8);
    block[nAt + 1] = static_cast<BYTE>(count);
    CChannelStore().WriteBlock(0, block); // a store without an image only sets the checksum
    return image;
}

Bytes WithEmptyBlock(Bytes image, int nBlock) {
    std::fill_n(image.begin() + nBlock * kBlockSize, kBlockSize, 0);
    return image;
}

Bytes Prefix(const Bytes& bytes, size_t n) {
    return Bytes(bytes.begin(), bytes.begin() + std::min(n, bytes.size()));
}

} // namespace

Bytes MakeDataFile(const Bytes& header, const Bytes& image) {
    Bytes file = header;
    const Bytes encoded = Encode(image);
    file.insert(file.end(), encoded.begin(), encoded.end());
    return file;
}

std::vector<NamedFile> MakeTestDataFiles() {
    const Bytes image = SampleImage();
    const Bytes sample = MakeDataFile(DefaultHeader(), image);
    Bytes noTerminator(kHeaderBufferSize, '0');
    std::memcpy(noTerminator.data(), "ABCD", 4);
    Bytes badChunk = sample;
    badChunk[kDefaultHeaderLength + 2] = 0x01;
    return {
        {"empty.zdf", {}},
        {"no_terminator.zdf", MakeDataFile(noTerminator, image)},
        {"bad_chunk.zdf", badChunk},
        {"bad_block0.zdf", MakeDataFile(DefaultHeader(), WithBadBlock(image, 0))},
        // Every block verifies, yet the networks and the services after block 8 are lost.
        {"dropped_sections.zdf",
         MakeDataFile(DefaultHeader(), WithEmptyBlock(WithCount(image, 1, 4092, 205), 8))},
        {"truncated.zdf", Prefix(sample, sample.size() / 2)},
        {"shifted_zeph.zdf", MakeDataFile(WithMagic(DefaultHeader(), "ZEPH"), Shifted(image))},
    };
}

std::vector<NamedFile> MakeCharsetTestFiles() {
    return {
        {"cyrillic.zdf",
         MakeDataFile(DefaultHeader(),
                      RenamedImage(ECharset::Windows1251, "Гелиос 19.2E", "Триколор",
                                   {"Первый канал", "Россия 1", "НТВ", "Пятница!", "Звезда"}))},
        {"greek.zdf",
         MakeDataFile(DefaultHeader(),
                      RenamedImage(ECharset::Windows1253, "Ήλιος 19.2E", "Νόβα",
                                   {"ΕΡΤ1", "Σκάι", "Άλφα", "Ελλάς", "Πρώτο Πρόγραμμα"}))},
    };
}

std::vector<NamedFile> MakeFuzzCorpus(const std::string& target) {
    const Bytes image = SampleImage();
    if (target == "store_parse") {
        return {{"sample.img", Prefix(image, kTransferImageSize)},
                {"shifted.img", Prefix(Shifted(image), kTransferImageSize + kBlockSize)},
                {"blocks0-7.img", Prefix(image, 8 * kBlockSize)}};
    }
    std::vector<NamedFile> files = MakeTestDataFiles();
    files.push_back({"sample.zdf", MakeDataFile(DefaultHeader(), image)});
    if (target == "store_datafile")
        return files;
    // store_decode takes the encoded part alone.
    for (NamedFile& f : files) {
        f.bytes.erase(f.bytes.begin(),
                      f.bytes.begin() + std::min<size_t>(kDefaultHeaderLength, f.bytes.size()));
        f.name.replace(f.name.size() - 4, 4, ".enc");
    }
    std::erase_if(files, [](const NamedFile& f) { return f.bytes.empty(); });
    return files;
}
