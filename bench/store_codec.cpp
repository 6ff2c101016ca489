// Encoding and decoding the whole 214016-byte image of a full database.
#include "full_stores.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

const std::vector<BYTE>& FullImage() {
    static const std::vector<BYTE> image = [] {
        CChannelStore store;
        FillFullDatabase(store);
        return store.BuildFullImage();
    }();
    return image;
}

void BM_EncodeImage(benchmark::State& state) {
    const std::vector<BYTE>& image = FullImage();
    std::vector<BYTE> out(kEncodeWorstCase);
    int n = 0;
    for (auto _ : state) {
        n = EncodeImage(image.data(), static_cast<int>(image.size()), out.data(), kEncodeWorstCase);
        benchmark::DoNotOptimize(n);
    }
    state.counters["encoded_bytes"] = n;
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(image.size()));
}
BENCHMARK(BM_EncodeImage)->Unit(benchmark::kMicrosecond);

// The decoder unscrambles in place, so each round decodes a fresh copy; the copy is timed too
// (a few microseconds).
void BM_DecodeImage(benchmark::State& state) {
    const std::vector<BYTE>& image = FullImage();
    std::vector<BYTE> encoded(kEncodeWorstCase);
    encoded.resize(EncodeImage(image.data(), static_cast<int>(image.size()), encoded.data(),
                               kEncodeWorstCase));
    std::vector<BYTE> work(encoded.size());
    std::vector<BYTE> out(kImageBufferSize);
    for (auto _ : state) {
        std::memcpy(work.data(), encoded.data(), encoded.size());
        benchmark::DoNotOptimize(
            DecodeImage(work.data(), static_cast<int>(work.size()), out.data()));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(image.size()));
}
BENCHMARK(BM_DecodeImage)->Unit(benchmark::kMicrosecond);

} // namespace
