// A byte-by-byte snapshot of everything a data file carries, for comparing stores.
#pragma once

#include "channel_store.h"

#include <gtest/gtest.h>

#include <algorithm>
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

} // namespace store_test
