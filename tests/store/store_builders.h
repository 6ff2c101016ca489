// Small builders for filling a channel store in tests.
#pragma once

#include "channel_store.h"

#include <string>
#include <vector>

inline SSAT_INFO MakeSat(WORD position, const char* name) {
    SSAT_INFO sat{};
    sat.wPosition = position;
    SetName(sat.szName, name);
    return sat;
}

inline BYTE AppendSat(CChannelStore& store, WORD position, const char* name = "SAT") {
    SSAT_INFO sat = MakeSat(position, name);
    return store.AppendSatellite(sat) != 0 ? sat.bIndex : 0;
}

// Appends a transponder and returns its tpid (0 when refused).
inline BYTE AppendTp(CChannelStore& store, BYTE sat, WORD freq, WORD rate = 27500, BYTE h = 0) {
    BYTE tp = 0;
    return store.AppendTransponder(sat, &tp, freq, rate, h, 0) != TP_REFUSED ? tp : 0;
}

inline SSVC_INFO MakeService(BYTE sat, BYTE tp, WORD sid, const char* name, WORD flags = 0,
                             WORD network = 0) {
    SSVC_INFO svc{};
    svc.bSatIndex = sat;
    svc.bTpIndex = tp;
    svc.wServiceId = sid;
    svc.wFlags = flags;
    svc.wNetwork = network;
    SetName(svc.szName, name);
    return svc;
}

inline SNET_INFO MakeNetwork(WORD id, const char* name, BYTE attr = 0) {
    SNET_INFO net{};
    net.id = id;
    SetName(net.name, name);
    net.attribute = attr;
    return net;
}

inline STP_INFO MakeMux(BYTE index, WORD freq, WORD drift = 0) {
    STP_INFO mux{};
    mux.frequency = freq;
    mux.drift = drift;
    mux.satid = kTerrestrialSatIndex;
    mux.tpid = index;
    return mux;
}

// Names of a list in row order.
inline std::vector<std::string> RowNames(const CChannelStore& store, BYTE list) {
    std::vector<std::string> names;
    for (WORD i = 0; i < store.GetRowCount(list); ++i)
        names.emplace_back(NameOf(store.GetService(i, list)->szName));
    return names;
}

// Fills a satellite list with services named as given, on one satellite and transponder,
// in that order (service ids ascending), and rebuilds.
inline void FillSatTv(CChannelStore& store, const std::vector<std::string>& names) {
    BYTE sat = store.GetSatelliteCount() > 0 ? kFirstSatIndex : AppendSat(store, 192);
    BYTE tp = store.GetTransponderCountOf(sat) > 0 ? 1 : AppendTp(store, sat, 11494);
    WORD sid = 1;
    for (const std::string& name : names)
        store.AddSatService(ADD_ORDERED, MakeService(sat, tp, sid++, name.c_str()));
    store.Rebuild();
}
