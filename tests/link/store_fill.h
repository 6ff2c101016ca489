// A store with a little of everything, and its image as PC->STB builds it.
#pragma once

#include "../store/store_builders.h"
#include "transfer_image.h"

#include <gtest/gtest.h>

inline void FillStore(CChannelStore& store) {
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

inline std::vector<BYTE> BuiltImage(CChannelStore& store) {
    const std::vector<BYTE> image = BuildTransferImage(store);
    EXPECT_EQ(image.size(), 0x33000u);
    return image;
}

// Same satellites, transponders, networks and MUXes, and every list with the same services in
// number order.
inline void ExpectSameChannels(CChannelStore& expected, CChannelStore& actual) {
    EXPECT_EQ(actual.GetSatelliteCount(), expected.GetSatelliteCount());
    EXPECT_EQ(actual.GetTransponderCount(), expected.GetTransponderCount());
    EXPECT_EQ(actual.GetNetworkCount(), expected.GetNetworkCount());
    EXPECT_EQ(actual.GetMuxCount(), expected.GetMuxCount());
    for (BYTE list = 0; list < kListCount; ++list) {
        expected.SortByNumber(list);
        actual.SortByNumber(list);
        EXPECT_EQ(RowNames(actual, list), RowNames(expected, list)) << int(list);
    }
}
