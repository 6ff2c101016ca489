// Test helpers: random stores within the image's capacities, and a byte-by-byte snapshot of
// everything a data file carries.
#pragma once

#include "channel_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

namespace store_test {

using Bytes = std::vector<BYTE>;

// Records have no padding, so their bytes are their fields; a name's bytes after its NUL are
// carried by the image too.
template <class Rec> void Append(Bytes& to, const Rec* rec) {
    const auto* p = reinterpret_cast<const BYTE*>(rec);
    to.insert(to.end(), p, p + sizeof(Rec));
}

struct Snapshot {
    Bytes header, satExtra, satOrder, satellites, muxes, networks;
    Bytes transponders;         // all satellites, in slot and list order
    Bytes services[kListCount]; // rows in display order
};

inline Snapshot Take(const CChannelStore& store) {
    Snapshot s;
    s.header.assign(store.GetHeader(), store.GetHeader() + store.GetHeaderLength());
    s.satExtra.assign(store.GetSatExtra(), store.GetSatExtra() + kSatExtraSize);
    s.satOrder.assign(store.GetSatOrder(), store.GetSatOrder() + store.GetSatOrderCount());
    for (int sat = kFirstSatIndex; sat < kFirstSatIndex + store.GetSatelliteCount(); ++sat) {
        Append(s.satellites, store.GetSatellite(BYTE(sat)));
        for (int tp = 1; tp <= store.GetTransponderCountOf(BYTE(sat)); ++tp)
            Append(s.transponders, store.GetTransponder(BYTE(sat), BYTE(tp)));
    }
    for (int mux = 1; mux <= kMaxMuxes; ++mux) {
        if (const STP_INFO* p = store.GetMux(BYTE(mux)))
            Append(s.muxes, p);
    }
    for (int i = 0; i < store.GetNetworkCount(); ++i)
        Append(s.networks, store.GetNetworkAt(WORD(i)));
    for (BYTE list = 0; list < kListCount; ++list) {
        for (int row = 0; row < store.GetRowCount(list); ++row)
            Append(s.services[list], store.GetService(WORD(row), list));
    }
    return s;
}

// Names the first byte that differs rather than printing whole sections.
inline void ExpectSameBytes(const Bytes& a, const Bytes& b, const char* what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    const auto diff = std::mismatch(a.begin(), a.end(), b.begin()).first;
    EXPECT_TRUE(diff == a.end()) << what << " differ at byte " << (diff - a.begin());
}

// The satellite-order list follows the service lists' node order; compare its length only
// with bSatOrder false.
inline void ExpectSame(const Snapshot& a, const Snapshot& b, bool bSatOrder = true) {
    EXPECT_EQ(a.header, b.header);
    EXPECT_EQ(a.satExtra, b.satExtra);
    if (bSatOrder)
        EXPECT_EQ(a.satOrder, b.satOrder);
    else
        EXPECT_EQ(a.satOrder.size(), b.satOrder.size());
    ExpectSameBytes(a.satellites, b.satellites, "satellites");
    ExpectSameBytes(a.transponders, b.transponders, "transponders");
    ExpectSameBytes(a.muxes, b.muxes, "MUXes");
    ExpectSameBytes(a.networks, b.networks, "networks");
    const char* names[kListCount] = {"sat TV", "sat radio", "terr TV", "terr radio"};
    for (int list = 0; list < kListCount; ++list)
        ExpectSameBytes(a.services[list], b.services[list], names[list]);
}

// Sizes of one random store; each stays within what the image holds.
struct StoreShape {
    int nSatellites;
    int nTransponders; // spread over the satellites, at most 255 each
    int nMuxes;        // MUXes and transponders share 1360 image records
    int nNetworks;
    int nServices[kListCount]; // the four lists share 4048 image records
};

class RandomStoreBuilder {
  public:
    explicit RandomStoreBuilder(unsigned state) : m_rng(state) {}

    void Fill(CChannelStore& store, const StoreShape& shape) {
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
        for (BYTE list = 0; list < kListCount; ++list)
            AddServices(store, list, shape.nServices[list], shape);
        store.Rebuild();
    }

    unsigned Below(unsigned n) { return n == 0 ? 0 : m_rng() % n; }

  private:
    // Every byte random, reserved fields and bytes after a name's NUL included: they all travel.
    template <class T> T Random() {
        T rec;
        auto* bytes = reinterpret_cast<BYTE*>(&rec);
        for (size_t i = 0; i < sizeof rec; ++i)
            bytes[i] = static_cast<BYTE>(m_rng());
        return rec;
    }
    template <size_t N> void RandomName(char (&name)[N]) { name[Below(N)] = 0; }

    void AddServices(CChannelStore& store, BYTE list, int n, const StoreShape& shape) {
        const bool bSat = list == LIST_SAT_TV || list == LIST_SAT_RADIO;
        if (bSat && shape.nSatellites == 0)
            return;
        const bool bRadio = list == LIST_SAT_RADIO || list == LIST_TERR_RADIO;
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
            EXPECT_EQ(bSat ? store.AddSatService(ADD_ORDERED, svc)
                           : store.AddTerrService(ADD_ORDERED, svc),
                      SVC_STORED);
        }
    }

    std::mt19937 m_rng;
};

} // namespace store_test
