#include "store_builders.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <tuple>

SSAT_INFO MakeSat(WORD position, const char* name) {
    SSAT_INFO sat{};
    sat.wPosition = position;
    SetName(sat.szName, name);
    return sat;
}

SSVC_INFO MakeService(BYTE sat, BYTE tp, WORD sid, const char* name, WORD flags, WORD network) {
    SSVC_INFO svc{};
    std::tie(svc.bSatIndex, svc.bTpIndex, svc.wServiceId, svc.wFlags, svc.wNetwork) =
        std::tuple(sat, tp, sid, flags, network);
    SetName(svc.szName, name);
    return svc;
}

SNET_INFO MakeNetwork(WORD id, const char* name, BYTE attr) {
    SNET_INFO net{id, {}, attr};
    SetName(net.name, name);
    return net;
}

STP_INFO MakeMux(BYTE index, WORD freq, WORD drift, WORD rate) {
    // frequency, symbol rate, tsid, drift, attribute, signal, satid, tpid
    return STP_INFO{freq, rate, 0, drift, 0, 0, kTerrestrialSatIndex, index};
}

BYTE AppendSat(CChannelStore& store, WORD position, const char* name) {
    SSAT_INFO sat = MakeSat(position, name);
    return store.AppendSatellite(sat) != 0 ? sat.bIndex : 0;
}

BYTE AppendTp(CChannelStore& store, BYTE sat, WORD freq, WORD rate, BYTE h) {
    BYTE tp = 0;
    return store.AppendTransponder(sat, &tp, freq, rate, h, 0) != TP_REFUSED ? tp : 0;
}

void FillTables(CChannelStore& store, int nSatellites, int nTransponders, int nMuxes) {
    for (int s = 0; s < nSatellites; ++s)
        AppendSat(store, static_cast<WORD>(100 + s));
    for (int t = 0; t < nTransponders; ++t)
        AppendTp(store, static_cast<BYTE>(kFirstSatIndex + t / 255), WORD(3000 + t % 255 * 100));
    for (int m = 1; m <= nMuxes; ++m)
        store.AddMux(MakeMux(static_cast<BYTE>(m), 474));
}

std::vector<std::string> RowNames(const CChannelStore& store, BYTE list) {
    std::vector<std::string> names;
    for (WORD i = 0; i < store.GetRowCount(list); ++i)
        names.emplace_back(NameOf(store.GetService(i, list)->szName));
    return names;
}

void FillSatTv(CChannelStore& store, const std::vector<std::string>& names) {
    const BYTE sat = store.GetSatelliteCount() > 0 ? kFirstSatIndex : AppendSat(store, 192);
    const BYTE tp = store.GetTransponderCountOf(sat) > 0 ? 1 : AppendTp(store, sat, 11494);
    WORD sid = 1;
    for (const std::string& name : names)
        store.AddSatService(ADD_ORDERED, MakeService(sat, tp, sid++, name.c_str()));
    store.Rebuild();
}

void ChangeService(CChannelStore& store, BYTE list, WORD row,
                   const std::function<void(SSVC_INFO&)>& change) {
    SStoreSnapshot state = store.TakeSnapshot();
    SStoreSnapshot::SList& rows = *state.lists[list];
    change(rows.records[rows.rows[row].nRecord]);
    store.RestoreSnapshot(state);
}

void ChangeTransponder(CChannelStore& store, BYTE sat, BYTE tp,
                       const std::function<void(STP_INFO&)>& change) {
    SStoreSnapshot state = store.TakeSnapshot();
    std::size_t first = 0;
    for (int slot = 0; slot < sat - kFirstSatIndex; ++slot)
        first += state.tpNodes[slot];
    for (std::size_t i = first; i < first + state.tpNodes[sat - kFirstSatIndex]; ++i)
        if (state.transponders[i].tpid == tp)
            change(state.transponders[i]);
    store.RestoreSnapshot(state);
}

// ---- whole stores -----------------------------------------------------------------------------

void FillMixedStore(CChannelStore& store) {
    const BYTE satA = AppendSat(store, 192, "SAT-A"), satB = AppendSat(store, 130, "SAT-B");
    const BYTE tpA = AppendTp(store, satA, 11494), tpB = AppendTp(store, satA, 12188, 27500, 1);
    const BYTE tpC = AppendTp(store, satB, 10992);
    store.AddNetwork(MakeNetwork(1, "NET-A"));
    store.AddNetwork(MakeNetwork(2, "NET-B"));
    store.AddMux(MakeMux(1, 474));
    WORD sid = 100;
    const auto add = [&](BYTE sat, BYTE tp, const std::string& name, WORD flags, int net) {
        store.AddSatService(ADD_ORDERED,
                            MakeService(sat, tp, sid++, name.c_str(), flags, WORD(net)));
    };
    for (int i = 0; i < 150; ++i)
        add(i % 3 == 0 ? satB : satA, i % 3 == 0 ? tpC : (i % 2 ? tpA : tpB),
            "TV " + std::to_string(i), 0, 1 + i % 2);
    for (int i = 0; i < 30; ++i)
        add(satA, tpA, "Radio " + std::to_string(i), FLAG_RADIO, 1);
    store.Rebuild();
}

std::string CountsText(const CChannelStore& store) {
    std::string text = "satellites " + std::to_string(store.GetSatelliteCount()) +
                       ", transponders " + std::to_string(store.GetTransponderCount()) +
                       ", networks " + std::to_string(store.GetNetworkCount()) + ", MUXes " +
                       std::to_string(store.GetMuxCount()) + ", services";
    for (BYTE list = 0; list < kListCount; ++list)
        text += " " + std::to_string(store.GetServiceCount(list));
    return text;
}

// ---- random stores and images -----------------------------------------------------------------

namespace {

template <class T> T Random(std::mt19937& rng) {
    T rec;
    std::generate_n(reinterpret_cast<BYTE*>(&rec), sizeof rec, [&] { return BYTE(rng()); });
    return rec;
}

template <size_t N> void RandomName(std::mt19937& rng, char (&name)[N]) {
    name[rng() % N] = 0;
}

} // namespace

bool FillRandomStore(CChannelStore& store, const StoreShape& shape, unsigned nState) {
    std::mt19937 rng(nState);
    for (int i = 0; i < shape.nSatellites; ++i) {
        auto sat = Random<SSAT_INFO>(rng);
        sat.wPosition = static_cast<WORD>(1 + i * 3599 / shape.nSatellites); // distinct
        RandomName(rng, sat.szName);
        store.AppendSatellite(sat);
    }
    for (int i = 0; i < shape.nTransponders && shape.nSatellites > 0; ++i) {
        auto tp = Random<STP_INFO>(rng);
        // Satellites in turn, so that no list passes 255 while room remains elsewhere.
        tp.satid = static_cast<BYTE>(kFirstSatIndex + i % shape.nSatellites);
        store.AddTransponder(tp, 0);
    }
    for (int m = 1; m <= shape.nMuxes; ++m) {
        auto mux = Random<STP_INFO>(rng);
        mux.satid = kTerrestrialSatIndex;
        mux.tpid = static_cast<BYTE>(m);
        store.AddMux(mux);
    }
    for (int n = 1; n <= shape.nNetworks; ++n) {
        auto net = Random<SNET_INFO>(rng);
        net.id = static_cast<WORD>(n);
        RandomName(rng, net.name);
        store.AddNetwork(net);
    }
    store.SetSatExtra(Random<std::array<BYTE, kSatExtraSize>>(rng).data());
    bool bAllStored = true;
    for (BYTE list = 0; list < kListCount; ++list) {
        const bool bSat = IsSatelliteList(list);
        for (int i = 0; i < shape.nServices[list] && (!bSat || shape.nSatellites > 0); ++i) {
            auto svc = Random<SSVC_INFO>(rng);
            svc.bSatIndex = bSat ? static_cast<BYTE>(kFirstSatIndex + rng() % shape.nSatellites)
                                 : kTerrestrialSatIndex;
            svc.bTpIndex = static_cast<BYTE>(1 + rng() % 255);
            // Every network gets used when there are enough services; a few name none.
            svc.wNetwork =
                static_cast<WORD>(rng() % 20 == 0 ? 0 : 1 + (i % std::max(shape.nNetworks, 1)));
            svc.wServiceId = static_cast<WORD>(i); // unique: no merges, exact counts
            svc.wFlags = static_cast<WORD>((svc.wFlags & ~(FLAG_DELETED | FLAG_RADIO)) |
                                           (IsRadioList(list) ? FLAG_RADIO : 0));
            RandomName(rng, svc.szName);
            bAllStored &= (bSat ? store.AddSatService(ADD_ORDERED, svc)
                                : store.AddTerrService(ADD_ORDERED, svc)) == SVC_STORED;
        }
    }
    store.Rebuild();
    return bAllStored;
}

std::vector<BYTE> RandomImage(unsigned nState, size_t nLength) {
    std::mt19937 rng(nState);
    std::vector<BYTE> image(nLength);
    std::generate(image.begin(), image.end(), [&] { return static_cast<BYTE>(rng()); });
    return image;
}

void FillSortStore(CChannelStore& store) {
    CStoreBuilder build(store);
    const BYTE a = build.Satellite("SAT-A", 192), b = build.Satellite("SAT-B", 130);
    for (BYTE nSat : {a, b}) {
        build.Transponder(nSat, 11000, 27500, true);
        build.Transponder(nSat, 12000, 22000, false);
    }
    build.Mux(3, 0x0300);
    build.Mux(5, 0x0500);
    build.Network(1, "Beta");
    build.Network(2, "Zeta");
    build.Network(3, "alpha");
    const char* const names[] = {"delta", "Alpha", "charlie", "Bravo"};
    const WORD networks[] = {2, 1, 3, 4},
               flags[] = {FLAG_LOCK | FLAG_FAV1, FLAG_CA | FLAG_FAV2 | FLAG_FAV3,
                          FLAG_LOCK | FLAG_FAV4, 0};
    for (WORD i = 0; i < 4; ++i) {
        build.SatService(i % 2 ? b : a, BYTE(1 + i / 2), WORD(10 + i), networks[i], names[i],
                         flags[i]);
        build.TerrService(i % 2 ? 3 : 5, WORD(i + 1), networks[i], names[i], flags[i]);
    }
    store.Rebuild();
}
