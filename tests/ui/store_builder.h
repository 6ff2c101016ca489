// Fills a channel store for the window's tests and benchmarks: satellites, transponders,
// MUXes, networks and services, through the store's own operations.
#pragma once

#include "channel_store.h"

#include <cstdio>

class CStoreBuilder {
  public:
    explicit CStoreBuilder(CChannelStore& store) : m_store(store) {}

    // Returns the new satellite's index.
    BYTE Satellite(const char* name, WORD wPosition) {
        SSAT_INFO rec{};
        rec.wPosition = wPosition;
        SetName(rec.szName, name);
        m_store.AppendSatellite(rec);
        return rec.bIndex;
    }
    // Returns the transponder's tpid.
    BYTE Transponder(BYTE nSat, WORD wFreq, WORD wSymbolRate, bool bHorizontal) {
        BYTE nTp = 0;
        m_store.AppendTransponder(nSat, &nTp, wFreq, wSymbolRate, bHorizontal ? 1 : 0, 0);
        return nTp;
    }
    void Mux(BYTE nMux, WORD wDrift) {
        STP_INFO rec{};
        rec.frequency = static_cast<WORD>(474 + 8 * nMux);
        rec.symbolrate = 6875;
        rec.drift = wDrift;
        rec.satid = kTerrestrialSatIndex;
        rec.tpid = nMux;
        m_store.AddMux(rec);
    }
    void Network(WORD id, const char* name) {
        SNET_INFO rec{};
        rec.id = id;
        SetName(rec.name, name);
        m_store.AddNetwork(rec);
    }
    // Appends a satellite service (radio when FLAG_RADIO is in wFlags).
    void SatService(BYTE nSat, BYTE nTp, WORD wServiceId, WORD wNetwork, const char* name,
                    WORD wFlags = 0) {
        m_store.AddSatService(ADD_APPEND,
                              Service(nSat, nTp, wServiceId, wNetwork, name, wFlags, 0));
    }
    // Appends a terrestrial service with its own order key.
    void TerrService(BYTE nMux, WORD wOrderKey, WORD wNetwork, const char* name, WORD wFlags = 0) {
        m_store.AddTerrService(ADD_APPEND, Service(kTerrestrialSatIndex, nMux, wOrderKey, wNetwork,
                                                   name, wFlags, wOrderKey));
    }

    // A full satellite TV list: nServices services spread over 8 satellites of 40
    // transponders and 30 networks, every fifth one locked and some in favourites.
    void LargeSatTvList(int nServices) {
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

  private:
    static SSVC_INFO Service(BYTE nSat, BYTE nTp, WORD wServiceId, WORD wNetwork, const char* name,
                             WORD wFlags, WORD wOrderKey) {
        SSVC_INFO rec{};
        rec.bSatIndex = nSat;
        rec.bTpIndex = nTp;
        rec.wServiceId = wServiceId;
        rec.wNetwork = wNetwork;
        rec.wFlags = wFlags;
        rec.wOrderKey = wOrderKey;
        SetName(rec.szName, name);
        return rec;
    }

    CChannelStore& m_store;
};
