// Store operations on a full database: 119 satellites, 1360 transponders, 4048 satellite
// services (TV and radio), 1000 + 1000 terrestrial services, 408 networks.
#include "channel_store.h"
#include "full_stores.h"

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSatTv = 3000;
constexpr int kSatRadio = kMaxSatServices - kSatTv;

struct Plan {
    std::vector<SSVC_INFO> satServices;
    std::vector<SSVC_INFO> terrServices;
};

Plan MakePlan() {
    std::mt19937 random(1234);
    Plan plan;
    for (int i = 0; i < kMaxSatServices; ++i) {
        SSVC_INFO svc{};
        svc.bSatIndex = static_cast<BYTE>(2 + random() % kImageSatellites);
        svc.bTpIndex = static_cast<BYTE>(1 + random() % 11);
        svc.wServiceId = static_cast<WORD>(i);
        svc.wNetwork = static_cast<WORD>(1 + random() % kMaxNetworks);
        svc.wFlags = static_cast<WORD>((random() & 0x3F) | (i >= kSatTv ? FLAG_RADIO : 0));
        SetName(svc.szName, "Service " + std::to_string(random() % 100000));
        plan.satServices.push_back(svc);
    }
    for (int i = 0; i < 2 * kMaxTerrServices; ++i) {
        SSVC_INFO svc{};
        svc.bSatIndex = kTerrestrialSatIndex;
        svc.bTpIndex = static_cast<BYTE>(1 + random() % kMaxMuxes);
        svc.wServiceId = static_cast<WORD>(i);
        svc.wNetwork = static_cast<WORD>(1 + random() % kMaxNetworks);
        svc.wFlags = static_cast<WORD>((random() & 0x3F) | (i % 2 ? FLAG_RADIO : 0));
        SetName(svc.szName, "Terr " + std::to_string(random() % 100000));
        plan.terrServices.push_back(svc);
    }
    return plan;
}

const Plan& SharedPlan() {
    static const Plan plan = MakePlan();
    return plan;
}

void InsertAll(CChannelStore& store, const Plan& plan) {
    for (const SSVC_INFO& svc : plan.satServices)
        store.AddSatService(ADD_ORDERED, svc);
    for (const SSVC_INFO& svc : plan.terrServices)
        store.AddTerrService(ADD_ORDERED, svc);
}

CChannelStore& FullStore() {
    static CChannelStore store;
    static const bool filled = [] {
        FillFullStructure(store, kMaxTransponders);
        InsertAll(store, SharedPlan());
        store.Rebuild();
        return true;
    }();
    (void)filled;
    return store;
}

void BM_OrderedInsertSatellite(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<CChannelStore>();
        FillFullStructure(*store, kMaxTransponders);
        state.ResumeTiming();
        for (const SSVC_INFO& svc : SharedPlan().satServices)
            store->AddSatService(ADD_ORDERED, svc);
        benchmark::DoNotOptimize(store->GetSatTvCount());
        state.PauseTiming(); // freeing the store is not the insert's cost
        store.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OrderedInsertSatellite)->Unit(benchmark::kMillisecond);

void BM_Rebuild(benchmark::State& state) {
    CChannelStore& store = FullStore();
    for (auto _ : state)
        store.Rebuild();
}
BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond);

template <class Sort> void RunSort(benchmark::State& state, Sort sort) {
    CChannelStore& store = FullStore();
    BOOL descending = FALSE;
    for (auto _ : state) {
        sort(store, descending);
        descending = !descending;
    }
    store.SortByNumber(LIST_SAT_TV);
}

void BM_SortByName(benchmark::State& state) {
    RunSort(state, [](CChannelStore& s, BOOL d) { s.SortByName(LIST_SAT_TV, d); });
}
void BM_SortByNetwork(benchmark::State& state) {
    RunSort(state, [](CChannelStore& s, BOOL d) { s.SortByNetwork(LIST_SAT_TV, d); });
}
void BM_SortBySatellite(benchmark::State& state) {
    RunSort(state, [](CChannelStore& s, BOOL d) { s.SortBySatellite(LIST_SAT_TV, d); });
}
void BM_SortByLock(benchmark::State& state) {
    RunSort(state, [](CChannelStore& s, BOOL d) { s.SortByLock(LIST_SAT_TV, d); });
}
void BM_SortByCa(benchmark::State& state) {
    RunSort(state, [](CChannelStore& s, BOOL d) { s.SortByCa(LIST_SAT_TV, d); });
}
void BM_SortByFavourite(benchmark::State& state) {
    RunSort(state, [](CChannelStore& s, BOOL d) { s.SortByFavourite(LIST_SAT_TV, 2, d); });
}
// Measures `sort` alone on a list that `unsort` has just shuffled (outside the timing).
template <class Unsort, class Sort>
void RunSortFrom(benchmark::State& state, Unsort unsort, Sort sort) {
    CChannelStore& store = FullStore();
    for (auto _ : state) {
        state.PauseTiming();
        unsort(store);
        state.ResumeTiming();
        sort(store);
    }
}

void BM_SortByNumber(benchmark::State& state) {
    RunSortFrom(
        state, [](CChannelStore& s) { s.SortByName(LIST_SAT_TV, FALSE); },
        [](CChannelStore& s) { s.SortByNumber(LIST_SAT_TV); });
}
void BM_SortSatListsByTransponder(benchmark::State& state) {
    RunSortFrom(
        state, [](CChannelStore& s) { s.SortSatListsByNumber(); },
        [](CChannelStore& s) { s.SortSatListsByTransponder(); });
}
void BM_Renumber(benchmark::State& state) {
    RunSort(state, [](CChannelStore& s, BOOL) { s.Renumber(LIST_SAT_TV); });
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByNetwork)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortBySatellite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByLock)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByCa)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByFavourite)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortByNumber)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortSatListsByTransponder)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Renumber)->Unit(benchmark::kMicrosecond);

void BM_MoveMarkedBlockOf500(benchmark::State& state) {
    CChannelStore& store = FullStore();
    bool down = true;
    for (auto _ : state) {
        // Marks are set outside the timing; the paste (with its rebuild) is what is measured.
        state.PauseTiming();
        const WORD first = down ? 100 : 2000;
        for (WORD i = first; i < first + 500; ++i)
            store.SetServiceMark(i, LIST_SAT_TV, 1);
        state.ResumeTiming();
        store.MoveMarkedServices(down ? 2500 : 100, LIST_SAT_TV);
        down = !down;
    }
}
BENCHMARK(BM_MoveMarkedBlockOf500)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

void BM_BuildFullImage(benchmark::State& state) {
    CChannelStore& store = FullStore();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.BuildFullImage());
}
BENCHMARK(BM_BuildFullImage)->Unit(benchmark::kMicrosecond);

void BM_ParseFullImage(benchmark::State& state) {
    const std::vector<BYTE> image = FullStore().BuildFullImage();
    CChannelStore store;
    for (auto _ : state) {
        store.SetImage(image.data(), static_cast<UINT>(image.size()));
        store.ParseImage(FALSE);
        store.FreeImage();
    }
    state.counters["services"] = store.GetSatTvCount() + store.GetSatRadioCount() +
                                 store.GetTerrTvCount() + store.GetTerrRadioCount();
}
BENCHMARK(BM_ParseFullImage)->Unit(benchmark::kMicrosecond);

// An undo step's own work on the full store: both snapshots of an edit and their comparison,
// and putting one back.
void BM_SnapshotsOfAnEdit(benchmark::State& state) {
    const CChannelStore& store = FullStore();
    for (auto _ : state) {
        const SStoreSnapshot before = store.TakeSnapshot(), after = store.TakeSnapshot();
        benchmark::DoNotOptimize(DifferingParts(before, after));
    }
}
BENCHMARK(BM_SnapshotsOfAnEdit)->Unit(benchmark::kMicrosecond);

void BM_RestoreSnapshot(benchmark::State& state) {
    CChannelStore& store = FullStore();
    const SStoreSnapshot snapshot = store.TakeSnapshot();
    for (auto _ : state)
        store.RestoreSnapshot(snapshot);
}
BENCHMARK(BM_RestoreSnapshot)->Unit(benchmark::kMicrosecond);

} // namespace
