// Stores filled to the capacities, for the benchmarks.
#pragma once

#include "channel_store.h"

#include <string>

// 119 satellites, 100 MUXes, 408 networks and nTransponders transponders spread evenly over
// the satellites.
inline void FillFullStructure(CChannelStore& store, int nTransponders) {
    for (int s = 0; s < kImageSatellites; ++s) {
        SSAT_INFO sat{};
        sat.wPosition = static_cast<WORD>(10 + s * 30);
        sat.wLnbFreq = 9750;
        sat.bSwitch = SW_LNB_POWER;
        sat.bDiseqc = static_cast<BYTE>(s % 5);
        SetName(sat.szName, "Satellite " + std::to_string(s));
        store.AppendSatellite(sat);
    }
    for (int m = 1; m <= kMaxMuxes; ++m) {
        STP_INFO mux{};
        mux.frequency = static_cast<WORD>(466 + 8 * m);
        mux.symbolrate = 8000;
        mux.satid = kTerrestrialSatIndex;
        mux.tpid = static_cast<BYTE>(m);
        store.AddMux(mux);
    }
    for (int t = 0; t < nTransponders; ++t) {
        BYTE nTp = 0;
        store.AppendTransponder(static_cast<BYTE>(kFirstSatIndex + t % kImageSatellites), &nTp,
                                static_cast<WORD>(10700 + 20 * (t / kImageSatellites)), 27500,
                                static_cast<BYTE>(t & 1), static_cast<BYTE>(t % 6));
    }
    for (int n = 1; n <= kMaxNetworks; ++n) {
        SNET_INFO net{};
        net.id = static_cast<WORD>(n);
        SetName(net.name, "Network " + std::to_string(n));
        store.AddNetwork(net);
    }
}

// Services with random transponders, networks, PIDs and CA flags, so many per list.
inline void FillServices(CChannelStore& store, const int (&counts)[kListCount]) {
    unsigned state = 12345;
    const auto next = [&state](unsigned n) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % n;
    };
    for (BYTE list = 0; list < kListCount; ++list) {
        const bool bSat = list == LIST_SAT_TV || list == LIST_SAT_RADIO;
        const bool bRadio = list == LIST_SAT_RADIO || list == LIST_TERR_RADIO;
        for (int i = 0; i < counts[list]; ++i) {
            SSVC_INFO svc{};
            svc.bSatIndex = bSat ? static_cast<BYTE>(kFirstSatIndex + next(kImageSatellites))
                                 : kTerrestrialSatIndex;
            svc.bTpIndex = static_cast<BYTE>(1 + next(10));
            svc.wNetwork = static_cast<WORD>(1 + i % kMaxNetworks);
            svc.wServiceId = static_cast<WORD>(i);
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

// The image's capacities: 1360 transponder records with the MUXes, 4048 services.
inline void FillFullDatabase(CChannelStore& store) {
    FillFullStructure(store, kMaxTransponders - kMaxMuxes);
    FillServices(store, {2500, 548, 700, 300});
}

// Every list full as the editor holds them: 4048 satellite services (3000 TV, 1048 radio) and
// 2000 terrestrial ones, on 1360 transponders.
inline void FillFullEditorDatabase(CChannelStore& store) {
    FillFullStructure(store, kMaxTransponders);
    FillServices(store, {3000, kMaxSatServices - 3000, kMaxTerrServices, kMaxTerrServices});
}
