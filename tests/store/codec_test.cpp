// Image codec: chunk layout, token choice, scrambling, bounds of both directions.
#include "channel_store.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace {

// The key is part of the file format: files interoperate only with this exact value.
constexpr std::array<BYTE, 16> kKey = {0x3A, 0x91, 0x5C, 0xE7, 0x08, 0xB4, 0x6F, 0x22,
                                       0xD3, 0x7E, 0x15, 0xA9, 0x4B, 0xF0, 0x86, 0x2D};

using Bytes = std::vector<BYTE>;

Bytes Encode(const Bytes& src, int nCapacity = kEncodeWorstCase) {
    Bytes out(nCapacity);
    const int n = EncodeImage(src.data(), static_cast<int>(src.size()), out.data(), nCapacity);
    out.resize(n);
    return out;
}

// Decodes into an image buffer followed by a guard area that must stay untouched.
constexpr int kGuard = 4096;
constexpr BYTE kGuardByte = 0x5A;

struct Decoded {
    int nResult;
    Bytes image;
    bool guardIntact;
};

Decoded Decode(Bytes stream) {
    Bytes dest(kImageBufferSize + kGuard, kGuardByte);
    const int n = DecodeImage(stream.data(), static_cast<int>(stream.size()), dest.data());
    bool intact = true;
    for (int i = int(kImageBufferSize); i < int(kImageBufferSize) + kGuard; ++i)
        intact = intact && dest[i] == kGuardByte;
    dest.resize(n);
    return {n, dest, intact};
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
    Bytes chunk = ChunkHeader(static_cast<int>(plainPayload.size()));
    const Bytes payload = Scrambled(plainPayload);
    chunk.insert(chunk.end(), payload.begin(), payload.end());
    return chunk;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes DistinctNeighbours(int n) {
    Bytes b(n);
    for (int i = 0; i < n; ++i)
        b[i] = static_cast<BYTE>(i * 7 + 1); // consecutive values always differ
    return b;
}

// A plausible image: zero areas, long runs, and record-like noise.
Bytes SampleImage() {
    std::mt19937 rng(12345);
    Bytes img(kImageBufferSize, 0);
    for (int block = 0; block < 51; ++block) {
        const int used = static_cast<int>(rng() % 4000);
        for (int i = 0; i < used; ++i)
            img[block * 4096 + i] = (rng() % 3 == 0) ? 0 : static_cast<BYTE>(rng());
        std::fill_n(img.begin() + block * 4096 + used, 40, 0xCC);
        img[block * 4096 + used] = 0xAA;
    }
    return img;
}

TEST(CodecEncode, TokenChoiceAndPayloadLengths) {
    struct Case {
        const char* name;
        Bytes chunk;
        int nPayload;
        Bytes plainStart; // the payload's first bytes before scrambling
    };
    Bytes pair = DistinctNeighbours(1024);
    pair[0] = pair[1] = 0x42;
    Bytes alternatingPairs(1024);
    for (int i = 0; i < 1024; ++i)
        alternatingPairs[i] = static_cast<BYTE>((i / 2) % 2);
    Bytes aaThenCc(1024, 0xCC);
    aaThenCc[0] = 0xAA;
    const Case cases[] = {
        {"zeros are one run token", Bytes(1024, 0), 6, {0xAA, 0xCC, 0xCC, 0x00, 0x04, 0x00}},
        {"distinct neighbours are literals", DistinctNeighbours(1024), 1024, {1, 8}},
        {"two equal bytes take a run token",
         pair,
         6 + 1022,
         {0xAA, 0xCC, 0xCC, 0x42, 0x00, 0x02, pair[2]}},
        {"worst case: pairs of equal bytes", alternatingPairs, 512 * 6, {0xAA, 0xCC, 0xCC, 0}},
        {"0xAA then a run of 0xCC", aaThenCc, 1 + 6, {0xAA, 0xAA, 0xCC, 0xCC, 0xCC, 0x03, 0xFF}},
    };
    for (const Case& c : cases) {
        const Bytes stream = Encode(c.chunk);
        ASSERT_EQ(stream.size(), size_t(5 + c.nPayload)) << c.name;
        EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 5), ChunkHeader(c.nPayload)) << c.name;
        EXPECT_EQ(Bytes(stream.begin() + 5, stream.begin() + 5 + c.plainStart.size()),
                  Scrambled(c.plainStart))
            << c.name;
        EXPECT_EQ(Decode(stream).image, c.chunk) << c.name;
    }
}

TEST(CodecEncode, KeyRestartsWithEveryChunk) {
    Bytes src = DistinctNeighbours(2048);
    src[1024] = 0x00; // make sure the second chunk's first byte differs from the first chunk's
    const Bytes stream = Encode(src);
    ASSERT_EQ(stream.size(), size_t(2 * (5 + 1024)));
    EXPECT_EQ(stream[5], src[0] ^ kKey[0]);
    EXPECT_EQ(stream[5 + 1024 + 5], src[1024] ^ kKey[0]);
    EXPECT_EQ(stream[5 + 17], src[17] ^ kKey[1]);
}

TEST(CodecRoundTrip, WholeImageAndTheWorstCaseThatFillsTheWritersBuffer) {
    Bytes worst(kImageBufferSize);
    for (size_t i = 0; i < worst.size(); ++i)
        worst[i] = static_cast<BYTE>((i / 2) % 2);
    for (const Bytes& img : {SampleImage(), worst}) {
        const Decoded d = Decode(Encode(img));
        EXPECT_EQ(d.nResult, int(kImageBufferSize));
        EXPECT_EQ(d.image, img);
    }
    EXPECT_EQ(Encode(worst).size(), size_t(209 * (5 + 3072)));
    EXPECT_EQ(int(Encode(worst).size()), kEncodeWorstCase);
}

TEST(CodecEncode, NeverWritesPastCapacity) {
    const Bytes img = SampleImage();
    const int nNeeded = static_cast<int>(Encode(img).size());
    for (int nCapacity : {nNeeded - 1, nNeeded - 6, 4, 1}) {
        Bytes out(nCapacity + kGuard, kGuardByte);
        EXPECT_EQ(EncodeImage(img.data(), int(img.size()), out.data(), nCapacity), 0) << nCapacity;
        for (int i = nCapacity; i < nCapacity + kGuard; ++i)
            ASSERT_EQ(out[i], kGuardByte) << "capacity " << nCapacity << " byte " << i;
    }
    Bytes exact(nNeeded);
    EXPECT_EQ(EncodeImage(img.data(), int(img.size()), exact.data(), nNeeded), nNeeded);
}

TEST(CodecEncode, RefusesBadArguments) {
    Bytes src(1024, 1), out(4096);
    EXPECT_EQ(EncodeImage(src.data(), -1024, out.data(), 4096), 0);
    EXPECT_EQ(EncodeImage(src.data(), 0, out.data(), 4096), 0);
    EXPECT_EQ(EncodeImage(nullptr, 1024, out.data(), 4096), 0);
    EXPECT_EQ(EncodeImage(src.data(), 1024, nullptr, 4096), 0);
}

// Cut-off input: nothing is read past the end, and what was output before stands.
TEST(CodecDecode, CutOffInput) {
    const Bytes zeroChunk = Encode(Bytes(1024, 0));
    struct Case {
        const char* name;
        Bytes stream;
        int nExpected;
    };
    const Bytes literals = Chunk({1, 2, 3, 4});
    Bytes firstByte = zeroChunk, thirdByte = zeroChunk,
          secondChunkBad = Concat({zeroChunk, zeroChunk});
    firstByte[0] = 1;
    thirdByte[2] = 0x80;
    secondChunkBad[zeroChunk.size() + 1] = 7;
    const Case cases[] = {
        {"chunk header byte 0 not zero", firstByte, 0},
        {"chunk header byte 2 not zero", thirdByte, 0},
        {"second chunk's header bad", secondChunkBad, 0},
        {"no input", {}, 0},
        {"header cut after 3 bytes", Concat({zeroChunk, {0, 0, 0}}), 1024},
        {"header cut after 4 bytes", Concat({zeroChunk, {0, 0, 0, 0}}), 1024},
        {"run token cut off by the input",
         Concat({zeroChunk, Bytes(zeroChunk.begin(), zeroChunk.end() - 2)}), 1024},
        {"run token cut off by its payload", Concat({Chunk({9, 0xAA, 0xCC, 0xCC, 5}), zeroChunk}),
         1 + 1024},
        {"payload longer than the input", Concat({ChunkHeader(100), Scrambled({1, 2, 3})}), 3},
        {"literal 0xAA 0xCC at the end", Chunk({7, 0xAA, 0xCC}), 3},
        {"zero-length payloads", Concat({ChunkHeader(0), literals, ChunkHeader(0)}), 4},
        {"a lone header byte", {0}, 0},
    };
    for (const Case& c : cases) {
        const Decoded d = Decode(c.stream);
        EXPECT_EQ(d.nResult, c.nExpected) << c.name;
        EXPECT_TRUE(d.guardIntact) << c.name;
    }
    // A run of length zero outputs nothing.
    EXPECT_EQ(Decode(Chunk({0xAA, 0xCC, 0xCC, 0x55, 0, 0, 0x66})).image, Bytes{0x66});
}

// The decoder does not insist on 1024 bytes per chunk; what it drops is what would pass the
// image's end.
TEST(CodecDecode, OutputStopsAtImageSize) {
    Bytes manyZeroChunks;
    const Bytes zeroChunk = Encode(Bytes(1024, 0));
    for (int i = 0; i < 215; ++i)
        manyZeroChunks.insert(manyZeroChunks.end(), zeroChunk.begin(), zeroChunk.end());
    Bytes hugeRuns;
    for (int i = 0; i < 5; ++i) {
        const Bytes c = Chunk({0xAA, 0xCC, 0xCC, static_cast<BYTE>(0x10 + i), 0xFF, 0xFF});
        hugeRuns.insert(hugeRuns.end(), c.begin(), c.end());
    }
    const Bytes lastLiteral = Concat({hugeRuns, Chunk({0x77})});
    for (const Bytes& s : {manyZeroChunks, hugeRuns, lastLiteral}) {
        const Decoded d = Decode(s);
        EXPECT_EQ(d.nResult, int(kImageBufferSize));
        EXPECT_TRUE(d.guardIntact);
    }
    const Decoded d = Decode(hugeRuns);
    EXPECT_EQ(d.image[0], 0x10);
    EXPECT_EQ(d.image[3 * 65535], 0x13);
    EXPECT_EQ(d.image[kImageBufferSize - 1], 0x13);
}

} // namespace
