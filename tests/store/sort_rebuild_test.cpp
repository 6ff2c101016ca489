// Sorting the lists, renumbering, and what a rebuild keeps, drops and hands out.
#include "channel_store.h"
#include "store_builders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// Five satellite TV services, keys 1..5 in this order:
//   beta  LOCK      sat 3 tp 1   net 2 "ZED"
//   Alpha CA        sat 2 tp 2   net 1 "ABC"
//   alpha LOCK|FAV1 sat 2 tp 1   net 500 (none)
//   Gamma FAV1      sat 2 tp 2   net 2
//   al    CA|FAV3   sat 3 tp 1   net 1
class Sorting : public ::testing::Test {
  protected:
    void SetUp() override {
        const BYTE a = AppendSat(store, 192);
        const BYTE b = AppendSat(store, 130);
        AppendTp(store, a, 11000);
        AppendTp(store, a, 12000);
        AppendTp(store, b, 11000);
        store.AddNetwork(MakeNetwork(1, "ABC"));
        store.AddNetwork(MakeNetwork(2, "ZED"));
        Add(b, 1, 1, "beta", FLAG_LOCK, 2);
        Add(a, 2, 2, "Alpha", FLAG_CA, 1);
        Add(a, 1, 3, "alpha", FLAG_LOCK | FLAG_FAV1, 500);
        Add(a, 2, 4, "Gamma", FLAG_FAV1, 2);
        Add(b, 1, 5, "al", FLAG_CA | FLAG_FAV3, 1);
        store.Rebuild();
        ASSERT_THAT(Names(), ElementsAre("beta", "Alpha", "alpha", "Gamma", "al"));
    }
    void Add(BYTE sat, BYTE tp, WORD sid, const char* name, WORD flags, WORD net) {
        ASSERT_EQ(store.AddSatService(ADD_ORDERED, MakeService(sat, tp, sid, name, flags, net)),
                  SVC_STORED);
    }
    std::vector<std::string> Names() const { return RowNames(store, LIST_SAT_TV); }

    CChannelStore store;
};

const auto L = LIST_SAT_TV;

// Each sort from the fixture's number order; ties fall back to the number key, and sorting by
// number brings the fixture's order back.
TEST_F(Sorting, OrderAndTieBreak) {
    using S = CChannelStore;
    struct Case {
        void (S::*sort)(BYTE, BOOL); // by favourite when null
        int fav;
        BOOL desc;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {&S::SortByName, 0, FALSE, {"al", "Alpha", "alpha", "beta", "Gamma"}},
        {&S::SortByName, 0, TRUE, {"Gamma", "beta", "alpha", "Alpha", "al"}},
        {&S::SortByCa, 0, FALSE, {"Alpha", "al", "beta", "alpha", "Gamma"}},
        {&S::SortByCa, 0, TRUE, {"beta", "alpha", "Gamma", "Alpha", "al"}},
        {&S::SortByLock, 0, FALSE, {"beta", "alpha", "Alpha", "Gamma", "al"}},
        {&S::SortByLock, 0, TRUE, {"Alpha", "Gamma", "al", "beta", "alpha"}},
        {nullptr, 1, FALSE, {"alpha", "Gamma", "beta", "Alpha", "al"}},
        {nullptr, 1, TRUE, {"beta", "Alpha", "al", "alpha", "Gamma"}},
        {nullptr, 3, FALSE, {"al", "beta", "Alpha", "alpha", "Gamma"}},
        {nullptr, 5, FALSE, {"beta", "Alpha", "alpha", "Gamma", "al"}}, // out of range: number
        {&S::SortBySatellite, 0, FALSE, {"alpha", "Alpha", "Gamma", "beta", "al"}},
        {&S::SortBySatellite, 0, TRUE, {"al", "beta", "Gamma", "Alpha", "alpha"}},
        {&S::SortByNetwork, 0, FALSE, {"Alpha", "al", "beta", "Gamma", "alpha"}},
        {&S::SortByNetwork, 0, TRUE, {"Gamma", "beta", "al", "Alpha", "alpha"}},
    };
    for (const Case& c : cases) {
        store.SortByName(L, TRUE);
        if (c.sort)
            (store.*c.sort)(L, c.desc);
        else
            store.SortByFavourite(L, c.fav, c.desc);
        EXPECT_THAT(Names(), ElementsAreArray(c.expected)) << c.fav << c.desc;
        store.SortByNumber(L);
        EXPECT_THAT(Names(), ElementsAre("beta", "Alpha", "alpha", "Gamma", "al"));
    }
}

// The first entry of an id names it; ids past the 408-entry lookup name nothing, even 408,
// which is valid and has a generated entry.
TEST_F(Sorting, NetworkIdsPastTheTableSortAfterNamedOnes) {
    store.AddNetwork(MakeNetwork(1, "ZZZ"));
    store.AddNetwork(MakeNetwork(408, "AAA"));
    store.GetService(0, L)->wNetwork = 408;
    store.GetService(1, L)->wNetwork = 60000;
    store.SortByNetwork(L, FALSE);
    EXPECT_THAT(Names(), ElementsAre("al", "Gamma", "beta", "Alpha", "alpha"));
}

TEST_F(Sorting, RenumberMakesTheSortedOrderStick) {
    store.SortByName(L, FALSE);
    store.Renumber(L);
    for (WORD i = 0; i < 5; ++i) {
        EXPECT_EQ(store.GetService(i, L)->wNumber, i + 1);
        EXPECT_EQ(store.GetService(i, L)->wOrderKey, i + 1);
    }
    // A later rebuild (any deletion, a save and reload) keeps the order the user sorted.
    store.Rebuild();
    EXPECT_THAT(Names(), ElementsAre("al", "Alpha", "alpha", "beta", "Gamma"));
}

TEST_F(Sorting, NameComparisonStopsAfterSixteenCharacters) {
    SSVC_INFO* first = store.GetService(0, L);
    SSVC_INFO* second = store.GetService(1, L);
    std::memset(first->szName, 'Q', kNameSize); // no NUL at all
    std::memset(second->szName, 'Q', kNameSize);
    second->szName[16] = 'A'; // differs only in the 17th byte: equal names
    store.SortByName(L, TRUE);
    // Equal names fall back to the number key, descending.
    EXPECT_EQ(store.GetService(1, L), first);
    EXPECT_EQ(store.GetService(0, L), second);
}

// ---- rebuild --------------------------------------------------------------------------------

TEST(Rebuild, DropsDeletedAndOrphanedServices) {
    CChannelStore store;
    FillSatTv(store, {"KEEP", "DELETED", "ORPHAN", "LAST"});
    store.GetService(1, LIST_SAT_TV)->wFlags |= FLAG_DELETED;
    store.GetService(2, LIST_SAT_TV)->bSatIndex = 3; // no such satellite
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 1, "TERR"));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 2, "MOVED"));
    store.Rebuild();
    store.GetService(1, LIST_TERR_TV)->bSatIndex = 2;
    store.Rebuild();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("KEEP", "LAST"));
    EXPECT_EQ(store.GetService(1, LIST_SAT_TV)->wNumber, 2);
    EXPECT_EQ(store.GetService(1, LIST_SAT_TV)->wOrderKey, 2);
    EXPECT_THAT(RowNames(store, LIST_TERR_TV), ElementsAre("TERR"));
    EXPECT_EQ(store.GetSatTvCount(), 2);
    EXPECT_EQ(store.GetTerrTvCount(), 1);
}

TEST(Rebuild, TerrestrialOrderKeysKeepTheirGaps) {
    CChannelStore store;
    for (WORD key : {WORD{10}, WORD{5}, WORD{40}}) {
        SSVC_INFO svc = MakeService(1, 1, key, ("K" + std::to_string(key)).c_str());
        svc.wOrderKey = key;
        store.AddTerrService(ADD_APPEND_IMAGE, svc);
    }
    store.Rebuild();
    EXPECT_THAT(RowNames(store, LIST_TERR_TV), ElementsAre("K5", "K10", "K40"));
    EXPECT_EQ(store.GetService(2, LIST_TERR_TV)->wNumber, 3);
    EXPECT_EQ(store.GetService(2, LIST_TERR_TV)->wOrderKey, 40);
    EXPECT_EQ(store.GetHighestKey(LIST_TERR_TV), 40);
    // An ordered insert continues after the highest key.
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 99, "NEW"));
    store.Rebuild();
    EXPECT_EQ(store.GetService(3, LIST_TERR_TV)->wOrderKey, 41);
}

TEST(Rebuild, SatelliteOrderIsFirstAppearanceOfTvThenRadioOnlySatellites) {
    CChannelStore store;
    for (WORD pos : {WORD{10}, WORD{20}, WORD{30}, WORD{40}}) {
        const BYTE sat = AppendSat(store, pos);
        AppendTp(store, sat, 11000);
    }
    // Linked-list order is by satellite index; appearance is along the list.
    store.AddSatService(ADD_APPEND, MakeService(4, 1, 1, "TV4"));
    store.AddSatService(ADD_APPEND, MakeService(2, 1, 2, "TV2"));
    store.AddSatService(ADD_APPEND, MakeService(4, 1, 3, "TV4B"));
    store.AddSatService(ADD_APPEND, MakeService(5, 1, 4, "R5", FLAG_RADIO));
    store.AddSatService(ADD_APPEND, MakeService(3, 1, 5, "R3", FLAG_RADIO));
    store.AddSatService(ADD_APPEND, MakeService(2, 1, 6, "R2", FLAG_RADIO));
    store.Rebuild();
    ASSERT_EQ(store.GetSatOrderCount(), 4);
    EXPECT_THAT(std::vector<BYTE>(store.GetSatOrder(), store.GetSatOrder() + 5),
                ElementsAre(4, 2, 3, 5, 0));
}

TEST(Rebuild, NetworkTableKeepsUsedEntriesAndNamesUnknownOnes) {
    CChannelStore store;
    FillSatTv(store, {"A", "B", "C", "D"});
    store.AddNetwork(MakeNetwork(9, "FIRST", 4)); // entry 0 stays, used or not
    store.AddNetwork(MakeNetwork(5, "UNUSED"));
    store.AddNetwork(MakeNetwork(3, "THREE", 2));
    store.AddNetwork(MakeNetwork(3, "THREE AGAIN"));
    store.AddNetwork(MakeNetwork(0, "EMPTY"));
    store.GetService(0, LIST_SAT_TV)->wNetwork = 3;
    store.GetService(1, LIST_SAT_TV)->wNetwork = 7;
    store.GetService(2, LIST_SAT_TV)->wNetwork = 0;
    store.GetService(3, LIST_SAT_TV)->wNetwork = 409;
    store.Rebuild();
    ASSERT_EQ(store.GetNetworkCount(), 3);
    EXPECT_EQ(NameOf(store.GetNetworkAt(0)->name), "FIRST");
    EXPECT_EQ(NameOf(store.GetNetworkAt(1)->name), "THREE");
    EXPECT_EQ(store.GetNetworkAt(2)->id, 7);
    EXPECT_EQ(NameOf(store.GetNetworkAt(2)->name), "Unknown");
    EXPECT_EQ(store.GetNetworkAt(2)->attribute, 0);
    EXPECT_EQ(store.GetNetworkAt(3), nullptr);
    BYTE attr = 99;
    EXPECT_EQ(store.GetNetworkName(3, &attr), "THREE");
    EXPECT_EQ(attr, 2);
    EXPECT_EQ(store.GetNetworkName(409, &attr), "Unknown");
    EXPECT_EQ(attr, 0);
    EXPECT_EQ(store.GetNetworkName(0), "Unknown");
}

TEST(Networks, FindTriesTheMatchingSlotThenScansAndTheTableHoldsFourHundredEight) {
    CChannelStore store;
    store.AddNetwork(MakeNetwork(1, "ONE"));
    store.AddNetwork(MakeNetwork(7, "SEVEN"));
    EXPECT_EQ(NameOf(store.FindNetwork(1)->name), "ONE");
    EXPECT_EQ(NameOf(store.FindNetwork(7)->name), "SEVEN");
    for (WORD missing : {0, 2, 409})
        EXPECT_EQ(store.FindNetwork(missing), nullptr) << missing;
    for (int i = 2; i < kMaxNetworks; ++i)
        ASSERT_TRUE(store.AddNetwork(MakeNetwork(static_cast<WORD>(i + 1), "N")));
    EXPECT_FALSE(store.AddNetwork(MakeNetwork(1, "N")));
}

} // namespace
