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
    // the sort (by favourite when null), the favourite, descending, the list after
    const std::tuple<void (S::*)(BYTE, BOOL), int, BOOL, std::vector<std::string>> cases[] = {
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
    for (const auto& [sort, fav, desc, expected] : cases) {
        store.SortByName(L, TRUE);
        if (sort)
            (store.*sort)(L, desc);
        else
            store.SortByFavourite(L, fav, desc);
        EXPECT_THAT(Names(), ElementsAreArray(expected)) << fav << desc;
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

// A row's number and order key, for every row: "1/5 2/40 ".
std::string NumbersAndKeys(const CChannelStore& store, BYTE list) {
    std::string text;
    for (WORD row = 0; const SSVC_INFO* svc = store.GetService(row, list); ++row)
        text += std::to_string(svc->wNumber) + "/" + std::to_string(svc->wOrderKey) + " ";
    return text;
}

// A later rebuild (any deletion, a save and reload) keeps the order the user sorted.
TEST_F(Sorting, RenumberMakesTheSortedOrderStick) {
    store.SortByName(L, FALSE);
    store.Renumber(L);
    EXPECT_EQ(NumbersAndKeys(store, L), "1/1 2/2 3/3 4/4 5/5 ");
    store.Rebuild();
    EXPECT_THAT(Names(), ElementsAre("al", "Alpha", "alpha", "beta", "Gamma"));
}

// Names differing only in the 17th byte are equal: the number key decides, here descending.
TEST_F(Sorting, NameComparisonStopsAfterSixteenCharacters) {
    SSVC_INFO* first = store.GetService(0, L);
    SSVC_INFO* second = store.GetService(1, L);
    std::memset(first->szName, 'Q', kNameSize); // no NUL at all
    std::memset(second->szName, 'Q', kNameSize);
    second->szName[16] = 'A';
    store.SortByName(L, TRUE);
    EXPECT_EQ(std::tuple(store.GetService(0, L), store.GetService(1, L)),
              std::tuple(second, first));
}

// ---- rebuild --------------------------------------------------------------------------------

// Deleted services and those off their list's kind of satellite go; the rest are numbered from 1,
// satellite lists get their keys again, terrestrial keys keep their gaps and an ordered insert
// goes on after the highest.
TEST(Rebuild, DropsDeletedAndOrphanedServicesAndKeepsTerrestrialKeys) {
    CChannelStore store;
    FillSatTv(store, {"KEEP", "DELETED", "ORPHAN", "LAST"});
    store.GetService(1, LIST_SAT_TV)->wFlags |= FLAG_DELETED;
    store.GetService(2, LIST_SAT_TV)->bSatIndex = 3; // no such satellite
    for (WORD key : {10, 5, 40})
        CStoreBuilder(store).TerrService(1, key, 0, ("K" + std::to_string(key)).c_str());
    store.Rebuild();
    EXPECT_EQ(store.GetHighestKey(LIST_TERR_TV), 40);
    store.GetService(1, LIST_TERR_TV)->bSatIndex = 2;
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 99, "NEW"));
    store.Rebuild();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("KEEP", "LAST"));
    EXPECT_THAT(RowNames(store, LIST_TERR_TV), ElementsAre("K5", "K40", "NEW"));
    EXPECT_EQ(NumbersAndKeys(store, LIST_SAT_TV) + NumbersAndKeys(store, LIST_TERR_TV),
              "1/1 2/2 1/5 2/40 3/41 ");
    EXPECT_EQ(CountsText(store),
              "satellites 1, transponders 1, networks 0, MUXes 0, services 2 0 3 0");
}

TEST(Rebuild, SatelliteOrderIsFirstAppearanceOfTvThenRadioOnlySatellites) {
    CChannelStore store;
    for (WORD pos : {10, 20, 30, 40})
        AppendTp(store, AppendSat(store, pos), 11000);
    // Linked-list order is by satellite index; appearance is along the list.
    for (const auto& [sat, flags] : {std::pair{4, 0}, {2, 0}, {4, 0}, {5, 1}, {3, 1}, {2, 1}})
        store.AddSatService(ADD_APPEND, MakeService(BYTE(sat), 1, 1, "S", flags ? FLAG_RADIO : 0));
    store.Rebuild();
    ASSERT_EQ(store.GetSatOrderCount(), 4);
    EXPECT_THAT(std::vector<BYTE>(store.GetSatOrder(), store.GetSatOrder() + 5),
                ElementsAre(4, 2, 3, 5, 0));
}

// Entry 0 stays, used or not; of the others the first entry of each used id; then an "Unknown"
// entry for every used id from 2 to 408 that none names.
TEST(Rebuild, NetworkTableKeepsUsedEntriesAndNamesUnknownOnes) {
    CChannelStore store;
    FillSatTv(store, {"A", "B", "C", "D", "E", "F"});
    for (const SNET_INFO& net :
         {MakeNetwork(9, "FIRST", 4), MakeNetwork(5, "UNUSED"), MakeNetwork(3, "THREE", 2),
          MakeNetwork(3, "AGAIN"), MakeNetwork(0, "EMPTY")})
        store.AddNetwork(net);
    const WORD used[] = {3, 1, 2, 0, 408, 409};
    for (WORD row = 0; row < 6; ++row)
        store.GetService(row, LIST_SAT_TV)->wNetwork = used[row];
    store.Rebuild();
    std::string table;
    for (WORD i = 0; const SNET_INFO* net = store.GetNetworkAt(i); ++i)
        table += std::to_string(net->id) + " " + std::string(NameOf(net->name)) + " " +
                 std::to_string(net->attribute) + "; ";
    EXPECT_EQ(table, "9 FIRST 4; 3 THREE 2; 2 Unknown 0; 408 Unknown 0; ");
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
