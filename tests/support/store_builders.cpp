#include "store_builders.h"

#include <algorithm>
#include <array>
#include <cstdio>

SSAT_INFO MakeSat(WORD position, const char* name) {
    SSAT_INFO sat{};
    sat.wPosition = position;
    SetName(sat.szName, name);
    return sat;
}

SSVC_INFO MakeService(BYTE sat, BYTE tp, WORD sid, const char* name, WORD flags, WORD network) {
    SSVC_INFO svc{};
    svc.bSatIndex = sat;
    svc.bTpIndex = tp;
    svc.wServiceId = sid;
    svc.wFlags = flags;
    svc.wNetwork = network;
    SetName(svc.szName, name);
    return svc;
}

SNET_INFO MakeNetwork(WORD id, const char* name, BYTE attr) {
    SNET_INFO net{};
    net.id = id;
    SetName(net.name, name);
    net.attribute = attr;
    return net;
}

STP_INFO MakeMux(BYTE index, WORD freq, WORD drift) {
    STP_INFO mux{};
    mux.frequency = freq;
    mux.drift = drift;
    mux.satid = kTerrestrialSatIndex;
    mux.tpid = index;
    return mux;
}

BYTE AppendSat(CChannelStore& store, WORD position, const char* name) {
    SSAT_INFO sat = MakeSat(position, name);
    return store.AppendSatellite(sat) != 0 ? sat.bIndex : 0;
}

BYTE AppendTp(CChannelStore& store, BYTE sat, WORD freq, WORD rate, BYTE h) {
    BYTE tp = 0;
    return store.AppendTransponder(sat, &tp, freq, rate, h, 0) != TP_REFUSED ? tp : 0;
}

std::vector<std::string> RowNames(const CChannelStore& store, BYTE list) {
    std::vector<std::string> names;
    for (WORD i = 0; i < store.GetRowCount(list); ++i)
        names.emplace_back(NameOf(store.GetService(i, list)->szName));
    return names;
}

void FillSatTv(CChannelStore& store, const std::vector<std::string>& names) {
    BYTE sat = store.GetSatelliteCount() > 0 ? kFirstSatIndex : AppendSat(store, 192);
    BYTE tp = store.GetTransponderCountOf(sat) > 0 ? 1 : AppendTp(store, sat, 11494);
    WORD sid = 1;
    for (const std::string& name : names)
        store.AddSatService(ADD_ORDERED, MakeService(sat, tp, sid++, name.c_str()));
    store.Rebuild();
}

// ---- CStoreBuilder ----------------------------------------------------------------------------

BYTE CStoreBuilder::Satellite(const char* name, WORD wPosition) {
    return AppendSat(m_store, wPosition, name);
}

BYTE CStoreBuilder::Transponder(BYTE nSat, WORD wFreq, WORD wSymbolRate, bool bHorizontal) {
    return AppendTp(m_store, nSat, wFreq, wSymbolRate, bHorizontal ? 1 : 0);
}

void CStoreBuilder::Mux(BYTE nMux, WORD wDrift) {
    STP_INFO rec = MakeMux(nMux, static_cast<WORD>(474 + 8 * nMux), wDrift);
    rec.symbolrate = 6875;
    m_store.AddMux(rec);
}

void CStoreBuilder::Network(WORD id, const char* name) {
    m_store.AddNetwork(MakeNetwork(id, name));
}

void CStoreBuilder::SatService(BYTE nSat, BYTE nTp, WORD wServiceId, WORD wNetwork,
                               const char* name, WORD wFlags) {
    m_store.AddSatService(ADD_APPEND, MakeService(nSat, nTp, wServiceId, name, wFlags, wNetwork));
}

void CStoreBuilder::TerrService(BYTE nMux, WORD wOrderKey, WORD wNetwork, const char* name,
                                WORD wFlags) {
    SSVC_INFO rec = MakeService(kTerrestrialSatIndex, nMux, wOrderKey, name, wFlags, wNetwork);
    rec.wOrderKey = wOrderKey;
    m_store.AddTerrService(ADD_APPEND, rec);
}

void CStoreBuilder::LargeSatTvList(int nServices) {
    for (int s = 0; s < 8; ++s) {
        char name[kNameSize];
        std::snprintf(name, sizeof name, "SAT-%c", 'A' + s);
        const BYTE nSat = Satellite(name, static_cast<WORD>(100 + 50 * s));
        for (int t = 0; t < 40; ++t)
            Transponder(nSat, static_cast<WORD>(10700 + 40 * t), 27500, t % 2 == 0);
    }
    for (WORD n = 1; n <= 30; ++n) {
        char name[kNameSize];
        std::snprintf(name, sizeof name, "Network %u", static_cast<unsigned>(n));
        Network(n, name);
    }
    for (int i = 0; i < nServices; ++i) {
        char name[kNameSize];
        std::snprintf(name, sizeof name, "Channel %04d", (i * 7919) % 10000);
        const WORD wFlags =
            static_cast<WORD>((i % 5 == 0 ? FLAG_LOCK : 0) | (i % 3 == 0 ? FLAG_FAV1 : 0) |
                              (i % 11 == 0 ? FLAG_CA : 0));
        SatService(static_cast<BYTE>(kFirstSatIndex + i % 8), static_cast<BYTE>(1 + i % 40),
                   static_cast<WORD>(i + 1), static_cast<WORD>(1 + i % 30), name, wFlags);
    }
    m_store.Rebuild();
}

// ---- whole stores -----------------------------------------------------------------------------

void FillMixedStore(CChannelStore& store) {
    const BYTE satA = AppendSat(store, 192, "SAT-A");
    const BYTE satB = AppendSat(store, 130, "SAT-B");
    const BYTE tpA = AppendTp(store, satA, 11494);
    const BYTE tpB = AppendTp(store, satA, 12188, 27500, 1);
    const BYTE tpC = AppendTp(store, satB, 10992);
    store.AddNetwork(MakeNetwork(1, "NET-A"));
    store.AddNetwork(MakeNetwork(2, "NET-B"));
    store.AddMux(MakeMux(1, 474));
    WORD sid = 100;
    for (int i = 0; i < 150; ++i) {
        const std::string name = "TV " + std::to_string(i);
        const BYTE sat = i % 3 == 0 ? satB : satA;
        const BYTE tp = sat == satB ? tpC : (i % 2 ? tpA : tpB);
        store.AddSatService(ADD_ORDERED, MakeService(sat, tp, sid++, name.c_str(), 0, 1 + i % 2));
    }
    for (int i = 0; i < 30; ++i) {
        const std::string name = "Radio " + std::to_string(i);
        store.AddSatService(ADD_ORDERED,
                            MakeService(satA, tpA, sid++, name.c_str(), FLAG_RADIO, 1));
    }
    store.Rebuild();
}

void FillFullStructure(CChannelStore& store, int nTransponders) {
    for (int s = 0; s < kImageSatellites; ++s) {
        SSAT_INFO sat =
            MakeSat(static_cast<WORD>(10 + s * 30), ("Satellite " + std::to_string(s)).c_str());
        sat.wLnbFreq = 9750;
        sat.bSwitch = SW_LNB_POWER;
        sat.bDiseqc = static_cast<BYTE>(s % 5);
        store.AppendSatellite(sat);
    }
    for (int m = 1; m <= kMaxMuxes; ++m) {
        STP_INFO mux = MakeMux(static_cast<BYTE>(m), static_cast<WORD>(466 + 8 * m));
        mux.symbolrate = 8000;
        store.AddMux(mux);
    }
    for (int t = 0; t < nTransponders; ++t) {
        BYTE nTp = 0;
        store.AppendTransponder(static_cast<BYTE>(kFirstSatIndex + t % kImageSatellites), &nTp,
                                static_cast<WORD>(10700 + 20 * (t / kImageSatellites)), 27500,
                                static_cast<BYTE>(t & 1), static_cast<BYTE>(t % 6));
    }
    for (int n = 1; n <= kMaxNetworks; ++n)
        store.AddNetwork(
            MakeNetwork(static_cast<WORD>(n), ("Network " + std::to_string(n)).c_str()));
}

void FillFullDatabase(CChannelStore& store) {
    unsigned state = 12345;
    const auto next = [&state](unsigned n) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % n;
    };
    FillFullStructure(store, kMaxTransponders - kMaxMuxes);
    // 4048 services: the service section full.
    const int counts[kListCount] = {2500, 548, 700, 300};
    for (BYTE list = 0; list < kListCount; ++list) {
        const bool bSat = IsSatelliteList(list);
        const bool bRadio = IsRadioList(list);
        for (int i = 0; i < counts[list]; ++i) {
            const BYTE bSatIndex = bSat ? static_cast<BYTE>(kFirstSatIndex + next(kImageSatellites))
                                        : kTerrestrialSatIndex;
            const BYTE bTpIndex = static_cast<BYTE>(1 + next(10));
            SSVC_INFO svc = MakeService(bSatIndex, bTpIndex, static_cast<WORD>(i), "", 0,
                                        static_cast<WORD>(1 + i % kMaxNetworks));
            svc.wVideoPid = bRadio ? 0 : static_cast<WORD>(0x100 + next(0x1000));
            svc.wAudioPid = static_cast<WORD>(0x100 + next(0x1000));
            svc.wPcrPid = svc.wVideoPid;
            svc.wFlags =
                static_cast<WORD>((bRadio ? FLAG_RADIO : 0) | (next(4) == 0 ? FLAG_CA : 0));
            SetName(svc.szName, "Service " + std::to_string(next(100000)));
            if (bSat)
                store.AddSatService(ADD_ORDERED, svc);
            else
                store.AddTerrService(ADD_ORDERED, svc);
        }
    }
    store.Rebuild();
}

std::string ChannelsText(CChannelStore& store) {
    std::string text = "satellites " + std::to_string(store.GetSatelliteCount()) +
                       ", transponders " + std::to_string(store.GetTransponderCount()) +
                       ", networks " + std::to_string(store.GetNetworkCount()) + ", MUXes " +
                       std::to_string(store.GetMuxCount()) + "\n";
    for (BYTE list = 0; list < kListCount; ++list) {
        store.SortByNumber(list);
        text += "list " + std::to_string(list) + ":";
        for (const std::string& name : RowNames(store, list))
            text += " " + name + ";";
        text += "\n";
    }
    return text;
}

// ---- random stores and images -----------------------------------------------------------------

template <class T> T RandomStoreBuilder::Random() {
    T rec;
    auto* bytes = reinterpret_cast<BYTE*>(&rec);
    for (size_t i = 0; i < sizeof rec; ++i)
        bytes[i] = static_cast<BYTE>(m_rng());
    return rec;
}

bool RandomStoreBuilder::Fill(CChannelStore& store, const StoreShape& shape) {
    for (int i = 0; i < shape.nSatellites; ++i) {
        auto sat = Random<SSAT_INFO>();
        sat.wPosition = static_cast<WORD>(1 + i * 3599 / shape.nSatellites); // distinct
        sat.bIndex = 0;
        RandomName(sat.szName);
        store.AppendSatellite(sat);
    }
    for (int i = 0; i < shape.nTransponders && shape.nSatellites > 0; ++i) {
        auto tp = Random<STP_INFO>();
        // Satellites in turn, so that no list passes 255 while room remains elsewhere.
        tp.satid = static_cast<BYTE>(kFirstSatIndex + i % shape.nSatellites);
        tp.tpid = 0;
        store.AddTransponder(tp, 0);
    }
    for (int m = 1; m <= shape.nMuxes; ++m) {
        auto mux = Random<STP_INFO>();
        mux.satid = kTerrestrialSatIndex;
        mux.tpid = static_cast<BYTE>(m);
        store.AddMux(mux);
    }
    for (int n = 1; n <= shape.nNetworks; ++n) {
        auto net = Random<SNET_INFO>();
        net.id = static_cast<WORD>(n);
        RandomName(net.name);
        store.AddNetwork(net);
    }
    const auto extra = Random<std::array<BYTE, kSatExtraSize>>();
    store.SetSatExtra(extra.data());
    bool bAllStored = true;
    for (BYTE list = 0; list < kListCount; ++list)
        bAllStored = AddServices(store, list, shape.nServices[list], shape) && bAllStored;
    store.Rebuild();
    return bAllStored;
}

bool RandomStoreBuilder::AddServices(CChannelStore& store, BYTE list, int n,
                                     const StoreShape& shape) {
    const bool bSat = IsSatelliteList(list);
    if (bSat && shape.nSatellites == 0)
        return true;
    const bool bRadio = IsRadioList(list);
    bool bAllStored = true;
    for (int i = 0; i < n; ++i) {
        auto svc = Random<SSVC_INFO>();
        svc.wNumber = svc.wOrderKey = 0;
        svc.bSatIndex = bSat ? static_cast<BYTE>(kFirstSatIndex + Below(shape.nSatellites))
                             : kTerrestrialSatIndex;
        svc.bTpIndex = static_cast<BYTE>(1 + Below(255));
        // Every network gets used when there are enough services; a few name none.
        svc.wNetwork =
            static_cast<WORD>(Below(20) == 0 ? 0 : 1 + (i % std::max(shape.nNetworks, 1)));
        svc.wServiceId = static_cast<WORD>(i); // unique: no merges, exact counts
        svc.wFlags = static_cast<WORD>((svc.wFlags & ~(FLAG_DELETED | FLAG_RADIO)) |
                                       (bRadio ? FLAG_RADIO : 0));
        RandomName(svc.szName);
        const BYTE result =
            bSat ? store.AddSatService(ADD_ORDERED, svc) : store.AddTerrService(ADD_ORDERED, svc);
        bAllStored = bAllStored && result == SVC_STORED;
    }
    return bAllStored;
}

std::vector<BYTE> RandomImage(unsigned nState, size_t nLength) {
    std::mt19937 generator(nState);
    std::uniform_int_distribution<int> byte(0, 255);
    std::vector<BYTE> image(nLength);
    for (BYTE& b : image)
        b = static_cast<BYTE>(byte(generator));
    return image;
}
