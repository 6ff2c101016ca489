// DecodeImage on any input stays inside its buffers; and any image survives an encode-decode
// round trip unchanged.
#include "channel_store.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int nSrc = static_cast<int>(std::min<std::size_t>(size, 4 * kEncodeWorstCase));
    std::vector<BYTE> stream(data, data + nSrc); // decoded in place: a copy of exactly its size
    // Buffers of exactly the sizes the codec is promised, kept across runs for speed.
    static std::vector<BYTE> image(kImageBufferSize);
    static std::vector<BYTE> encoded(kEncodeWorstCase);
    static std::vector<BYTE> back(kImageBufferSize);
    const int nDecoded = DecodeImage(stream.data(), nSrc, image.data());
    if (nDecoded < 0 || nDecoded > static_cast<int>(kImageBufferSize))
        std::abort();

    // The same bytes taken as an image.
    const int nImage = std::min<int>(nSrc, kImageBufferSize);
    if (nImage == 0)
        return 0;
    const int nEncoded = EncodeImage(data, nImage, encoded.data(), kEncodeWorstCase);
    if (nEncoded == 0)
        std::abort();
    if (DecodeImage(encoded.data(), nEncoded, back.data()) != nImage ||
        std::memcmp(back.data(), data, nImage) != 0)
        std::abort();
    return 0;
}
