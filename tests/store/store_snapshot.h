// Test helpers: random stores within the image's capacities, and a field-by-field snapshot of
// everything a data file carries.
#pragma once

#include "channel_store.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace store_test {

// Every byte of a name field, the bytes after the NUL included: the image carries them all.
inline std::string NameBytes(const char (&name)[kNameSize]) {
    return std::string(name, kNameSize);
}

inline auto Fields(const SSAT_INFO& s) {
    return std::tuple(s.wCLnbFreq, s.wLnbFreq, s.wPosition, s.wReserved, s.bSwitch, s.bCLnb,
                      s.bLnbType, s.bCkuSwitch, s.bDiseqc, s.bReserved, s.bIndex,
                      NameBytes(s.szName));
}
inline auto Fields(const STP_INFO& t) {
    return std::tuple(t.frequency, t.symbolrate, t.tsid, t.drift, t.attribute, t.signal, t.satid,
                      t.tpid);
}
inline auto Fields(const SSVC_INFO& v) {
    return std::tuple(v.dwReserved, v.wNumber, v.wOrderKey, v.bSatIndex, v.bTpIndex, v.wNetwork,
                      v.wServiceId, v.wVideoPid, v.wAudioPid, v.wPcrPid, v.wFlags,
                      std::vector<BYTE>(v.abReserved, v.abReserved + 4), NameBytes(v.szName),
                      v.bNameAttr);
}
inline auto Fields(const SNET_INFO& n) {
    return std::tuple(n.id, NameBytes(n.name), n.attribute);
}

struct Snapshot {
    std::vector<BYTE> header;
    std::vector<BYTE> satExtra;
    std::vector<BYTE> satOrder;
    std::vector<SSAT_INFO> satellites;
    std::vector<STP_INFO> transponders; // all satellites, in slot and list order
    std::vector<STP_INFO> muxes;
    std::vector<SNET_INFO> networks;
    std::vector<SSVC_INFO> services[kListCount]; // rows in display order
};

inline Snapshot Take(const CChannelStore& store) {
    Snapshot s;
    s.header.assign(store.GetHeader(), store.GetHeader() + store.GetHeaderLength());
    s.satExtra.assign(store.GetSatExtra(), store.GetSatExtra() + kSatExtraSize);
    s.satOrder.assign(store.GetSatOrder(), store.GetSatOrder() + store.GetSatOrderCount());
    for (int sat = kFirstSatIndex; sat < kFirstSatIndex + store.GetSatelliteCount(); ++sat) {
        s.satellites.push_back(*store.GetSatellite(static_cast<BYTE>(sat)));
        const int nTp = store.GetTransponderCountOf(static_cast<BYTE>(sat));
        for (int tp = 1; tp <= nTp; ++tp)
            s.transponders.push_back(
                *store.GetTransponder(static_cast<BYTE>(sat), static_cast<BYTE>(tp)));
    }
    for (int mux = 1; mux <= kMaxMuxes; ++mux) {
        if (const STP_INFO* p = store.GetMux(static_cast<BYTE>(mux)))
            s.muxes.push_back(*p);
    }
    for (int i = 0; i < store.GetNetworkCount(); ++i)
        s.networks.push_back(*store.GetNetworkAt(static_cast<WORD>(i)));
    for (BYTE list = 0; list < kListCount; ++list) {
        for (int row = 0; row < store.GetRowCount(list); ++row)
            s.services[list].push_back(*store.GetService(static_cast<WORD>(row), list));
    }
    return s;
}

template <class Rec>
void ExpectSameRecords(const std::vector<Rec>& a, const std::vector<Rec>& b, const char* what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i)
        ASSERT_EQ(Fields(a[i]), Fields(b[i])) << what << " #" << i;
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
    ExpectSameRecords(a.satellites, b.satellites, "satellite");
    ExpectSameRecords(a.transponders, b.transponders, "transponder");
    ExpectSameRecords(a.muxes, b.muxes, "MUX");
    ExpectSameRecords(a.networks, b.networks, "network");
    const char* names[kListCount] = {"sat TV", "sat radio", "terr TV", "terr radio"};
    for (int list = 0; list < kListCount; ++list)
        ExpectSameRecords(a.services[list], b.services[list], names[list]);
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
        AddSatellites(store, shape.nSatellites);
        AddTransponders(store, shape.nSatellites, shape.nTransponders);
        for (int m = 1; m <= shape.nMuxes; ++m)
            store.AddMux(RandomMux(static_cast<BYTE>(m)));
        for (int n = 1; n <= shape.nNetworks; ++n)
            store.AddNetwork(RandomNetwork(static_cast<WORD>(n)));
        BYTE extra[kSatExtraSize];
        for (BYTE& b : extra)
            b = Byte();
        store.SetSatExtra(extra);
        for (BYTE list = 0; list < kListCount; ++list)
            AddServices(store, list, shape.nServices[list], shape);
        store.Rebuild();
    }

    unsigned Below(unsigned n) { return n == 0 ? 0 : m_rng() % n; }
    BYTE Byte() { return static_cast<BYTE>(m_rng()); }
    WORD Word() { return static_cast<WORD>(m_rng()); }

    // Any bytes after the NUL are random too: they travel with the record.
    template <size_t N> void RandomName(char (&name)[N]) {
        for (char& c : name)
            c = static_cast<char>(Byte());
        name[Below(N)] = 0;
    }

  private:
    void AddSatellites(CChannelStore& store, int n) {
        for (int i = 0; i < n; ++i) {
            SSAT_INFO sat;
            std::memset(&sat, 0, sizeof sat);
            sat.wCLnbFreq = Word();
            sat.wLnbFreq = Word();
            sat.wPosition = static_cast<WORD>(1 + i * 3599 / std::max(n, 1)); // distinct, non-zero
            sat.wReserved = Word();
            sat.bSwitch = Byte();
            sat.bCLnb = Byte();
            sat.bLnbType = Byte();
            sat.bCkuSwitch = Byte();
            sat.bDiseqc = Byte();
            sat.bReserved = Byte();
            RandomName(sat.szName);
            store.AppendSatellite(sat);
        }
    }

    void AddTransponders(CChannelStore& store, int nSatellites, int nTotal) {
        for (int i = 0; i < nTotal && nSatellites > 0; ++i) {
            STP_INFO tp;
            std::memset(&tp, 0, sizeof tp);
            tp.frequency = Word();
            tp.symbolrate = Word();
            tp.tsid = Word();
            tp.drift = Word();
            tp.attribute = Byte();
            tp.signal = Byte();
            // Fill satellites in turn so that no list passes 255 while room remains elsewhere.
            tp.satid = static_cast<BYTE>(kFirstSatIndex + i % nSatellites);
            store.AddTransponder(tp, 0);
        }
    }

    STP_INFO RandomMux(BYTE nMux) {
        STP_INFO mux;
        std::memset(&mux, 0, sizeof mux);
        mux.frequency = Word();
        mux.symbolrate = Word();
        mux.tsid = Word();
        mux.drift = Word();
        mux.attribute = Byte();
        mux.signal = Byte();
        mux.satid = kTerrestrialSatIndex;
        mux.tpid = nMux;
        return mux;
    }

    SNET_INFO RandomNetwork(WORD id) {
        SNET_INFO net;
        std::memset(&net, 0, sizeof net);
        net.id = id;
        RandomName(net.name);
        net.attribute = Byte();
        return net;
    }

    void AddServices(CChannelStore& store, BYTE list, int n, const StoreShape& shape) {
        const bool bSat = list == LIST_SAT_TV || list == LIST_SAT_RADIO;
        if (bSat && shape.nSatellites == 0)
            return;
        const bool bRadio = list == LIST_SAT_RADIO || list == LIST_TERR_RADIO;
        for (int i = 0; i < n; ++i) {
            SSVC_INFO svc;
            std::memset(&svc, 0, sizeof svc);
            svc.dwReserved = m_rng();
            svc.bSatIndex = bSat ? static_cast<BYTE>(kFirstSatIndex + Below(shape.nSatellites))
                                 : kTerrestrialSatIndex;
            svc.bTpIndex = static_cast<BYTE>(1 + Below(255));
            // Every network gets used when there are enough services; a few names none.
            svc.wNetwork =
                static_cast<WORD>(Below(20) == 0 ? 0 : 1 + (i % std::max(shape.nNetworks, 1)));
            svc.wServiceId = static_cast<WORD>(i); // unique: no merges, exact counts
            svc.wVideoPid = Word();
            svc.wAudioPid = Word();
            svc.wPcrPid = Word();
            svc.wFlags = static_cast<WORD>((Word() & ~(FLAG_DELETED | FLAG_RADIO)) |
                                           (bRadio ? FLAG_RADIO : 0));
            for (BYTE& b : svc.abReserved)
                b = Byte();
            RandomName(svc.szName);
            svc.bNameAttr = Byte();
            const BYTE result = bSat ? store.AddSatService(ADD_ORDERED, svc)
                                     : store.AddTerrService(ADD_ORDERED, svc);
            EXPECT_EQ(result, SVC_STORED);
        }
    }

    std::mt19937 m_rng;
};

} // namespace store_test
