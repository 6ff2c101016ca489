#include "full_stores.h"

#include "store_builders.h"

#include <cstdio>
#include <random>
#include <string>

namespace {

// Services with random transponders, networks, PIDs and CA flags, so many per list.
void FillServices(CChannelStore& store, const int (&counts)[kListCount]) {
    std::mt19937 rng(12345);
    const auto next = [&rng](unsigned n) { return rng() % n; };
    for (BYTE list = 0; list < kListCount; ++list) {
        const bool bSat = IsSatelliteList(list), bRadio = IsRadioList(list);
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
            bSat ? store.AddSatService(ADD_ORDERED, svc) : store.AddTerrService(ADD_ORDERED, svc);
        }
    }
    store.Rebuild();
}

} // namespace

void FillFullStructure(CChannelStore& store, int nTransponders) {
    CStoreBuilder builder(store);
    for (int s = 0; s < kImageSatellites; ++s)
        builder.Satellite(("Satellite " + std::to_string(s)).c_str(),
                          static_cast<WORD>(10 + s * 30));
    for (int m = 1; m <= kMaxMuxes; ++m)
        builder.Mux(static_cast<BYTE>(m), 0);
    for (int t = 0; t < nTransponders; ++t)
        builder.Transponder(static_cast<BYTE>(kFirstSatIndex + t % kImageSatellites),
                            static_cast<WORD>(10700 + 20 * (t / kImageSatellites)), 27500, t & 1);
    for (int n = 1; n <= kMaxNetworks; ++n)
        builder.Network(static_cast<WORD>(n), ("Network " + std::to_string(n)).c_str());
}

void FillFullDatabase(CChannelStore& store) {
    FillFullStructure(store, kMaxTransponders - kMaxMuxes);
    FillServices(store, {2500, 548, 700, 300});
}

void FillFullEditorDatabase(CChannelStore& store) {
    FillFullStructure(store, kMaxTransponders);
    FillServices(store, {3000, kMaxSatServices - 3000, kMaxTerrServices, kMaxTerrServices});
}

void FillLargeSatTvList(CChannelStore& store, int nServices) {
    CStoreBuilder build(store);
    for (int s = 0; s < 8; ++s) {
        const BYTE nSat = build.Satellite(("SAT-" + std::string(1, char('A' + s))).c_str(),
                                          static_cast<WORD>(100 + 50 * s));
        for (int t = 0; t < 40; ++t)
            build.Transponder(nSat, static_cast<WORD>(10700 + 40 * t), 27500, t % 2 == 0);
    }
    for (WORD n = 1; n <= 30; ++n)
        build.Network(n, ("Network " + std::to_string(n)).c_str());
    char name[kNameSize];
    for (int i = 0; i < nServices; ++i) {
        std::snprintf(name, sizeof name, "Channel %04d", (i * 7919) % 10000);
        const WORD wFlags =
            static_cast<WORD>((i % 5 == 0 ? FLAG_LOCK : 0) | (i % 3 == 0 ? FLAG_FAV1 : 0) |
                              (i % 11 == 0 ? FLAG_CA : 0));
        build.SatService(static_cast<BYTE>(kFirstSatIndex + i % 8), static_cast<BYTE>(1 + i % 40),
                         static_cast<WORD>(i + 1), static_cast<WORD>(1 + i % 30), name, wFlags);
    }
    store.Rebuild();
}
