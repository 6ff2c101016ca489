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
    for (const Bytes& img : {SampleImage(), worst})
        EXPECT_EQ(Decode(Encode(img)), img);
    const Bytes img = SampleImage();
    const int nNeeded = static_cast<int>(Encode(img).size());
    for (int nCapacity : {nNeeded, nNeeded - 1, nNeeded - 6, 4, 1}) {
        Bytes out(nCapacity + kGuard, kGuardByte);
        EXPECT_EQ(EncodeImage(img.data(), int(img.size()), out.data(), nCapacity),
                  nCapacity == nNeeded ? nNeeded : 0);
        EXPECT_EQ(std::count(out.begin() + nCapacity, out.end(), kGuardByte), kGuard) << nCapacity;
    }
    Bytes src(1024, 1), out(4096);
    EXPECT_EQ(EncodeImage(src.data(), -1024, out.data(), 4096), 0);
    EXPECT_EQ(EncodeImage(nullptr, 1024, out.data(), 4096), 0);
    EXPECT_EQ(EncodeImage(src.data(), 1024, nullptr, 4096), 0);
    EXPECT_EQ(DecodeImage(nullptr, 1024, out.data()), 0);
}

// Cut-off or malformed input: nothing is read past the end, nothing written past the image, and
// what was output before stands.
TEST(CodecDecode, CutOffAndOverlongInput) {
    const Bytes zeroChunk = Encode(Bytes(1024, 0));
    Bytes firstByte = zeroChunk, thirdByte = zeroChunk,
          secondChunkBad = Concat({zeroChunk, zeroChunk});
    firstByte[0] = 1;
    thirdByte[2] = 0x80;
    secondChunkBad[zeroChunk.size() + 1] = 7;
    Bytes manyZeroChunks, hugeRuns;
    for (int i = 0; i < 215; ++i)
        manyZeroChunks = Concat({manyZeroChunks, zeroChunk});
    for (int i = 0; i < 5; ++i)
        hugeRuns =
            Concat({hugeRuns, Chunk({0xAA, 0xCC, 0xCC, static_cast<BYTE>(0x10 + i), 0xFF, 0xFF})});
    const std::tuple<const char*, Bytes, int> cases[] = {
        {"chunk header byte 0 not zero", firstByte, 0},
        {"chunk header byte 2 not zero", thirdByte, 0},
        {"second chunk's header bad", secondChunkBad, 0},
        {"no input", {}, 0},
        {"a lone header byte", {0}, 0},
        {"header cut after 4 bytes", Concat({zeroChunk, {0, 0, 0, 0}}), 1024},
        {"run token cut off by the input",
         Concat({zeroChunk, Bytes(zeroChunk.begin(), zeroChunk.end() - 2)}), 1024},
        {"run token cut off by its payload", Concat({Chunk({9, 0xAA, 0xCC, 0xCC, 5}), zeroChunk}),
         1 + 1024},
        {"payload longer than the input", Concat({ChunkHeader(100), Scrambled({1, 2, 3})}), 3},
        {"literal 0xAA 0xCC at the end", Chunk({7, 0xAA, 0xCC}), 3},
        {"zero-length payloads", Concat({ChunkHeader(0), Chunk({1, 2, 3, 4}), ChunkHeader(0)}), 4},
        // The decoder does not insist on 1024 bytes a chunk; it drops what passes the image.
        {"more chunks than the image", manyZeroChunks, kImageBufferSize},
        {"runs past the image", hugeRuns, kImageBufferSize},
        {"a literal past the image", Concat({hugeRuns, Chunk({0x77})}), kImageBufferSize},
    };
    for (const auto& [name, stream, nExpected] : cases)
        EXPECT_EQ(Decode(stream).size(), size_t(nExpected)) << name;
    // A run of length zero outputs nothing; long runs fill the image in order.
    EXPECT_EQ(Decode(Chunk({0xAA, 0xCC, 0xCC, 0x55, 0, 0, 0x66})), Bytes{0x66});
    const Bytes image = Decode(hugeRuns);
    EXPECT_EQ(image[0], 0x10);
    EXPECT_EQ(image[3 * 65535], 0x13);
    EXPECT_EQ(image[kImageBufferSize - 1], 0x13);
}

} // namespace
