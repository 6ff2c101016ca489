// The list tools on full databases (4048 services): Order Like, comparing two data files, CSV
// export and import.
#include "full_stores.h"
#include "list_compare.h"
#include "service_csv.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>

namespace {

std::unique_ptr<CChannelStore> MakeFull() {
    auto store = std::make_unique<CChannelStore>();
    FillFullDatabase(*store);
    return store;
}

// The full database with every list in reverse: each Order Like between the two moves nearly
// every service.
std::unique_ptr<CChannelStore> MakeReversed() {
    auto store = MakeFull();
    for (BYTE list = 0; list < kListCount; ++list) {
        std::vector<WORD> order(store->GetRowCount(list));
        std::iota(order.rbegin(), order.rend(), WORD{0});
        store->ReorderList(list, order);
    }
    return store;
}

int ServiceCount(const CChannelStore& store) {
    int n = 0;
    for (BYTE list = 0; list < kListCount; ++list)
        n += store.GetRowCount(list);
    return n;
}

// The reference is read from a loaded data file, matched, and the store reordered; the store
// alternates between the two orders so that every pass moves its services.
void BM_OrderLike(benchmark::State& state) {
    const auto store = MakeFull();
    const std::array<std::unique_ptr<CChannelStore>, 2> references = {MakeReversed(), MakeFull()};
    std::size_t next = 0;
    for (auto _ : state) {
        const SReference reference = ReferenceFromStore(*references[next++ % 2]);
        ApplyOrder(*store, PlanOrder(*store, reference, {.bTakeFlags = true}));
    }
    state.counters["services"] = ServiceCount(*store);
}
BENCHMARK(BM_OrderLike)->Unit(benchmark::kMillisecond);

// Two full data files, read from memory and compared; the second has every list reversed and
// a tenth of its services renamed.
void BM_CompareFullFiles(benchmark::State& state) {
    std::array<std::unique_ptr<CChannelStore>, 2> stores = {MakeFull(), MakeReversed()};
    for (BYTE list = 0; list < kListCount; ++list) {
        for (WORD row = 0; row < stores[1]->GetRowCount(list); row += 10)
            stores[1]->SetServiceName(row, list, "Renamed", 7);
    }
    std::array<std::vector<BYTE>, 2> files;
    for (int i = 0; i < 2; ++i) {
        const std::vector<BYTE> image = stores[i]->BuildFullImage();
        files[i].resize(kDefaultHeaderLength + kEncodeWorstCase);
        FillDefaultHeader(files[i].data());
        files[i].resize(kDefaultHeaderLength +
                        EncodeImage(image.data(), static_cast<int>(image.size()),
                                    files[i].data() + kDefaultHeaderLength, kEncodeWorstCase));
    }
    std::size_t changes = 0;
    for (auto _ : state) {
        CChannelStore a, b;
        a.ReadDataBytes(files[0].data(), static_cast<UINT>(files[0].size()));
        b.ReadDataBytes(files[1].data(), static_cast<UINT>(files[1].size()));
        const SStoreDiff diff = CompareStores(a, b);
        changes = 0;
        for (const SListDiff& d : diff.lists)
            changes += d.changed.size();
    }
    state.counters["changed"] = static_cast<double>(changes);
}
BENCHMARK(BM_CompareFullFiles)->Unit(benchmark::kMillisecond);

void BM_CompareStores(benchmark::State& state) {
    const auto a = MakeFull();
    const auto b = MakeReversed();
    for (auto _ : state)
        benchmark::DoNotOptimize(CompareStores(*a, *b).IsEmpty());
}
BENCHMARK(BM_CompareStores)->Unit(benchmark::kMillisecond);

void BM_CsvExport(benchmark::State& state) {
    const auto store = MakeFull();
    std::size_t bytes = 0;
    for (auto _ : state)
        bytes = WriteServicesCsv(*store, CNameCodec(), std::nullopt).size();
    state.counters["rows"] = ServiceCount(*store);
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CsvExport)->Unit(benchmark::kMillisecond);

// Read, matched and applied (names, flags and order), alternating between two orders.
void BM_CsvImport(benchmark::State& state) {
    const auto store = MakeFull();
    const std::array<std::string, 2> texts = {
        WriteServicesCsv(*MakeReversed(), CNameCodec(), std::nullopt),
        WriteServicesCsv(*store, CNameCodec(), std::nullopt)};
    std::size_t next = 0;
    for (auto _ : state) {
        SReference reference;
        SCsvError error;
        if (!ReadServicesCsv(texts[next++ % 2], CNameCodec(), reference, error))
            state.SkipWithError(CsvErrorText(error).c_str());
        ApplyOrder(*store, PlanOrder(*store, reference, {.bTakeFlags = true, .bTakeNames = true}));
    }
    state.counters["rows"] = ServiceCount(*store);
}
BENCHMARK(BM_CsvImport)->Unit(benchmark::kMillisecond);

} // namespace
