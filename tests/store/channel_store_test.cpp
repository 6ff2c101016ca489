// The store's records: satellites, transponders, MUXes, services, their limits, paste, sorting,
// renumbering, what a rebuild keeps, drops and hands out, and snapshots.
#include "channel_store.h"
#include "duplicates.h"
#include "store_builders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QBuffer>

#include <functional>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// ---- satellites -----------------------------------------------------------------------------

TEST(Satellites, IndexesRunFromTwoAndAPositionIsStoredOnce) {
    CChannelStore store;
    // Position 0 is never a duplicate.
    EXPECT_EQ((std::vector{AppendSat(store, 192), AppendSat(store, 130), AppendSat(store, 0),
                           AppendSat(store, 0)}),
              (std::vector<BYTE>{2, 3, 4, 5}));
    for (BYTE bad : {0, 1, 6})
        EXPECT_EQ(store.GetSatellite(bad), nullptr) << int(bad);
    SSAT_INFO again = MakeSat(130, "AGAIN");
    EXPECT_EQ(store.AppendSatellite(again), 0);
    EXPECT_EQ(again.bIndex, 3); // names the stored satellite
    EXPECT_EQ(store.GetSatelliteCount(), 4);

    EXPECT_EQ(std::tuple(store.GetSatelliteName(2), store.GetSatelliteName(9)),
              std::tuple("SAT", ""));

    for (int i = 4; i < kMaxSatellites; ++i)
        ASSERT_NE(AppendSat(store, static_cast<WORD>(1000 + i)), 0) << i;
    EXPECT_EQ(AppendSat(store, 3000), 0); // the table holds 120
}

TEST(Satellites, DeleteMovesLaterSatellitesTranspondersAndServicesDown) {
    CChannelStore store;
    FillMixedStore(store);
    store.DeleteSatellite(2); // SAT-A: every radio service goes with it
    EXPECT_EQ(CountsText(store),
              "satellites 1, transponders 1, networks 2, MUXes 1, services 50 0 0 0");
    EXPECT_EQ(std::tuple(store.GetSatelliteName(2), store.GetSatellite(2)->bIndex,
                         store.GetTransponder(2, 1)->frequency, store.GetTransponder(2, 1)->satid,
                         store.GetService(49, LIST_SAT_TV)->bSatIndex),
              std::tuple("SAT-B", 2, 10992, 2, 2));
}

// ---- transponders -------------------------------------------------------------------------

TEST(Transponders, MergeToleranceFollowsSymbolRate) {
    // symbol rate, the second's frequency and rate less the first's, its polarisation, result
    const std::tuple<WORD, int, int, BYTE, BYTE> cases[] = {
        {27500, 13, 0, 0, TP_MERGED},  {27500, 14, 0, 0, TP_APPENDED}, // 13 MHz at 27500
        {27500, 0, 27, 0, TP_MERGED},  {27500, 0, 28, 0, TP_APPENDED}, // rate within rate/1000
        {27500, 0, -27, 0, TP_MERGED}, {27500, 0, 0, 1, TP_APPENDED},  // other polarisation
        {5000, 3, 0, 0, TP_MERGED},    {5000, 4, 0, 0, TP_APPENDED},   // 3 MHz below 6000 kS/s
        {6000, 3, 0, 0, TP_MERGED},    {6000, 4, 0, 0, TP_APPENDED},   // 6000 / 2000 = 3
        {1000, 0, -500, 0, TP_MERGED},                                 // 500 kS/s is raised to 1000
    };
    for (const auto& [rate, freqDelta, rateDelta, horizontal, expected] : cases) {
        CChannelStore store;
        const BYTE sat = AppendSat(store, 192);
        BYTE tp = 0;
        ASSERT_EQ(store.AppendTransponder(sat, &tp, 11000, rate, 0, 0), TP_APPENDED);
        const STP_INFO next{
            WORD(11000 + freqDelta), WORD(rate + rateDelta), 0, 0, horizontal, 0, sat, 0};
        // The merge that the import's plan asks about beforehand; a merged one takes the values.
        const bool bMerged = expected == TP_MERGED;
        EXPECT_EQ(store.FindMergeTarget(next), bMerged ? 1 : 0);
        const BYTE result =
            store.AppendTransponder(sat, &tp, next.frequency, next.symbolrate, horizontal, 0);
        EXPECT_EQ(std::tuple(result, tp, store.GetTransponderCountOf(sat),
                             store.GetTransponder(sat, 1)->frequency),
                  std::tuple(expected, bMerged ? 1 : 2, bMerged ? 1 : 2,
                             bMerged ? 11000 + freqDelta : 11000))
            << rate << " " << freqDelta << " " << rateDelta << " " << int(horizontal);
    }
}

TEST(Transponders, ValuesAreRaisedToOneThousandAndZeroIsRefused) {
    CChannelStore store;
    const BYTE sat = AppendSat(store, 192);
    BYTE tp = 0;
    EXPECT_EQ(store.AppendTransponder(sat, &tp, 500, 500, 0, 3), TP_APPENDED);
    const STP_INFO& stored = *store.GetTransponder(sat, 1);
    EXPECT_EQ(std::tuple(stored.frequency, stored.symbolrate, stored.attribute),
              std::tuple(1000, 1000, 0x30));
    for (const auto& [nSat, freq, rate] :
         {std::tuple{2, 0, 27500}, {2, 11000, 0}, {1, 11000, 1}, {3, 11000, 1}})
        EXPECT_EQ(store.AppendTransponder(BYTE(nSat), &tp, WORD(freq), WORD(rate), 0, 0),
                  TP_REFUSED);
}

TEST(Transponders, OneSatelliteHoldsTwoHundredFiftyFiveAndAllThirteenHundredSixty) {
    CChannelStore store;
    int added = 0;
    for (int s = 0; s < 6; ++s) {
        const BYTE sat = AppendSat(store, static_cast<WORD>(100 + s));
        for (int i = 0; i < 255 && added < kMaxTransponders; ++i, ++added)
            ASSERT_EQ(AppendTp(store, sat, static_cast<WORD>(3000 + i * 100)), i + 1);
        if (added < kMaxTransponders) { // a full satellite refuses the 256th
            EXPECT_EQ(AppendTp(store, sat, 60000), 0) << "satellite " << s;
            EXPECT_EQ(store.GetTransponderCountOf(sat), 255) << "satellite " << s;
        }
    }
    EXPECT_EQ(store.GetTransponderCount(), kMaxTransponders);
    EXPECT_EQ(AppendTp(store, 7, 60000), 0);
    EXPECT_EQ(store.GetTransponderCount(), kMaxTransponders);
}

TEST(Transponders, DeleteRenumbersLaterOnesAndTheirServices) {
    CChannelStore store;
    FillMixedStore(store);
    for (const auto& [sat, tp] : {std::pair{2, 9}, {2, 0}, {9, 1}, {1, 1}}) // missing: no change
        store.DeleteTransponder(BYTE(sat), BYTE(tp));
    EXPECT_EQ(CountsText(store),
              "satellites 2, transponders 3, networks 2, MUXes 1, services 150 30 0 0");
    store.DeleteTransponder(2, 1); // SAT-A's first, with 50 TV and every radio service
    EXPECT_EQ(CountsText(store),
              "satellites 2, transponders 2, networks 2, MUXes 1, services 100 0 0 0");
    // "TV 2" was on the second; the numbering goes on without a gap.
    EXPECT_EQ(std::tuple(store.GetTransponder(2, 1)->frequency, store.GetTransponder(2, 2),
                         store.GetService(1, LIST_SAT_TV)->bTpIndex),
              std::tuple(12188, nullptr, 1));
    EXPECT_EQ(AppendTp(store, 2, 12500), 2);
}

// ---- services ---------------------------------------------------------------------------------

TEST(Services, AddRefusesWhatHasNoPlace) {
    CChannelStore store;
    FillSatTv(store, {});
    // A missing satellite, the terrestrial one, transponder 0; then a satellite one.
    for (const auto& [sat, tp] : {std::pair{3, 1}, {1, 1}, {2, 0}})
        EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(BYTE(sat), BYTE(tp), 1, "")),
                  SVC_REFUSED);
    EXPECT_EQ(store.AddTerrService(ADD_ORDERED, MakeService(2, 1, 1, "")), SVC_REFUSED);
    EXPECT_EQ(store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 1, "")), SVC_STORED);
    EXPECT_EQ(store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 2, "", FLAG_RADIO)), SVC_STORED);
    EXPECT_EQ(std::tuple(store.GetTerrTvCount(), store.GetTerrRadioCount()), std::tuple(1, 1));
}

TEST(Services, OrderedInsertKeepsSatelliteTransponderServiceIdOrder) {
    CChannelStore store;
    const BYTE a = AppendSat(store, 192);
    AppendTp(store, a, 11000);
    AppendTp(store, a, 12000);
    AppendTp(store, AppendSat(store, 130), 11000);
    for (const auto& [sat, tp, sid, name] :
         {std::tuple{3, 1, 5, "B1-5"}, {2, 2, 9, "A2-9"}, {2, 1, 7, "A1-7"}, {2, 2, 3, "A2-3"}})
        store.AddSatService(ADD_ORDERED, MakeService(BYTE(sat), BYTE(tp), WORD(sid), name));
    // Keys are handed out in arrival order, so the list shows the arrival order...
    store.Rebuild();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("B1-5", "A2-9", "A1-7", "A2-3"));
    // ...while the linked list is ordered by satellite, transponder and service id.
    EXPECT_EQ(store.GetHighestKey(LIST_SAT_TV), 4);
    store.SortSatListsByTransponder();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("A1-7", "A2-3", "A2-9", "B1-5"));
    store.SortSatListsByNumber();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("B1-5", "A2-9", "A1-7", "A2-3"));
    // A new service takes the next key after the highest.
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(2, 1, 100, "NEW")), SVC_STORED);
    EXPECT_EQ(store.GetHighestKey(LIST_SAT_TV), 5);
    store.Rebuild();
    EXPECT_EQ(RowNames(store, LIST_SAT_TV).back(), "NEW");
    EXPECT_EQ(store.GetService(4, LIST_SAT_TV)->wNumber, 5);
}

TEST(Services, MergeKeepsNumberKeyKeptFlagsAndFixedName) {
    CChannelStore store;
    FillSatTv(store, {"FIRST", "OLD NAME"});
    ChangeService(store, LIST_SAT_TV, 1, [](SSVC_INFO& old) {
        old.wFlags = FLAG_LOCK | FLAG_FAV2 | FLAG_CA | 0x0040 | 0x0100 | FLAG_NAME_FIXED;
        old.bNameAttr = 7;
        old.wVideoPid = 100;
    });

    SSVC_INFO update = MakeService(2, 1, 2, "NEW NAME", FLAG_FAV4);
    update.wVideoPid = 200;
    update.bNameAttr = 9;
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, update), SVC_MERGED);

    const SSVC_INFO& m = *store.GetService(1, LIST_SAT_TV);
    // Old Lock, Fav2, bits 6 and 8 and the fixed-name bit stay; CA comes from the new record.
    EXPECT_EQ(std::tuple(m.wNumber, m.wOrderKey, m.wVideoPid, m.wFlags, NameOf(m.szName),
                         m.bNameAttr, store.GetSatTvCount()),
              std::tuple(2, 2, 200,
                         FLAG_FAV4 | FLAG_LOCK | FLAG_FAV2 | 0x0040 | 0x0100 | FLAG_NAME_FIXED,
                         "OLD NAME", 7, 2));

    // Without the fixed-name bit the new name wins.
    ChangeService(store, LIST_SAT_TV, 0, [](SSVC_INFO& svc) { svc.wFlags = FLAG_CA; });
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(2, 1, 1, "NEW")), SVC_MERGED);
    const SSVC_INFO& first = *store.GetService(0, LIST_SAT_TV);
    EXPECT_EQ(std::tuple(NameOf(first.szName), first.wFlags), std::tuple("NEW", 0));
}

TEST(Services, ListsStopAtTheirIndexCapacity) {
    CChannelStore store;
    FillSatTv(store, {});
    for (int i = 0; i < kMaxSatServices; ++i)
        ASSERT_EQ(store.AddSatService(ADD_APPEND, MakeService(2, 1, WORD(i), "S")), SVC_STORED);
    EXPECT_EQ(store.AddSatService(ADD_APPEND, MakeService(2, 1, 60000, "S")), SVC_REFUSED);
    EXPECT_EQ(store.AddSatService(ADD_ORDERED, MakeService(2, 1, 60001, "S")), SVC_REFUSED);
    for (int i = 0; i < kMaxTerrServices; ++i)
        store.AddTerrService(ADD_APPEND_IMAGE, MakeService(1, 1, WORD(i), "T"));
    EXPECT_EQ(store.AddTerrService(ADD_APPEND_IMAGE, MakeService(1, 1, 1, "T")), SVC_REFUSED);
    store.Rebuild();
    EXPECT_EQ(std::tuple(store.GetSatTvCount(), store.GetTerrTvCount()),
              std::tuple(kMaxSatServices, kMaxTerrServices));
}

TEST(Services, FlagsReachOnlyRowsOfTheList) {
    CChannelStore store;
    FillSatTv(store, {"ONE"});
    const SSVC_INFO& svc = *store.GetService(0, LIST_SAT_TV);
    EXPECT_EQ(store.GetService(1, LIST_SAT_TV), nullptr);
    EXPECT_EQ(store.GetService(0, 4), nullptr);
    EXPECT_EQ(store.GetRowCount(kListCount) + store.GetServiceCount(kListCount), 0);
    store.SetServiceFlag(1, LIST_SAT_TV, 0, 1);
    store.SetServiceFlag(0, LIST_SAT_RADIO, 0, 1);
    store.SetServiceFlag(0, 7, 0, 1); // no such list
    EXPECT_EQ(svc.wFlags, 0);
    const std::pair<WORD, WORD> flags[] = {{0, FLAG_LOCK}, {1, FLAG_FAV1}, {2, FLAG_FAV2},
                                           {3, FLAG_FAV3}, {4, FLAG_FAV4}, {5, 0},
                                           {0xFFFF, 0}};
    for (const auto& [which, mask] : flags) {
        store.SetServiceFlag(0, LIST_SAT_TV, which, 1);
        EXPECT_EQ(svc.wFlags, mask) << which;
        store.SetServiceFlag(0, LIST_SAT_TV, which, 0);
        EXPECT_EQ(svc.wFlags, 0) << which;
    }
}

// ---- paste ------------------------------------------------------------------------------------

TEST(Paste, MovesTheMarkedBlockAboveTheTarget) {
    // marked rows, target row, the list after (services named 1 to 6)
    const std::tuple<std::vector<WORD>, WORD, const char*> cases[] = {
        {{2, 4}, 1, "135246"}, {{2, 3}, 5, "125346"}, // onto the last
        {{5}, 0, "612345"},    {{0}, 5, "234516"},    // last to the top, first above the last
        {{2, 3}, 3, "123456"}, {{0, 1}, 0, "123456"}, // onto itself, a block at the top
        {{}, 2, "123456"},     {{1, 2}, 6, "123456"}, // nothing marked, a target past the end
    };
    for (const auto& [marked, target, after] : cases) {
        CChannelStore store;
        FillSatTv(store, {"1", "2", "3", "4", "5", "6"});
        for (WORD row : marked)
            store.SetServiceMark(row, LIST_SAT_TV, 1);
        store.MoveMarkedServices(target, LIST_SAT_TV);
        // Names, numbers and marks; a target past the end leaves list and marks alone.
        std::string names, numbers, marks;
        for (WORD i = 0; i < 6; ++i) {
            const SSVC_INFO& svc = *store.GetService(i, LIST_SAT_TV);
            names += NameOf(svc.szName);
            numbers += std::to_string(svc.wNumber);
            marks += std::to_string(store.GetServiceMark(i, LIST_SAT_TV));
        }
        EXPECT_EQ(names + " " + numbers + " " + marks,
                  after + std::string(" 123456 ") + (target >= 6 ? "011000" : "000000"));
    }
}

// ---- sorting -------------------------------------------------------------------------------

// Five satellite TV services, keys 1..5 in this order:
//   beta  LOCK      sat 3 tp 1   net 2 "ZED"
//   Alpha CA        sat 2 tp 2   net 1 "ABC"
//   alpha LOCK|FAV1 sat 2 tp 1   net 500 (none)
//   Gamma FAV1      sat 2 tp 2   net 2
//   al    CA|FAV3   sat 3 tp 1   net 1
class Sorting : public ::testing::Test {
  protected:
    void SetUp() override {
        CStoreBuilder build(store);
        const BYTE a = build.Satellite("A", 192), b = build.Satellite("B", 130);
        build.Transponder(a, 11000, 27500, false);
        build.Transponder(a, 12000, 27500, false);
        build.Transponder(b, 11000, 27500, false);
        build.Network(1, "ABC");
        build.Network(2, "ZED");
        build.SatService(b, 1, 1, 2, "beta", FLAG_LOCK);
        build.SatService(a, 2, 2, 1, "Alpha", FLAG_CA);
        build.SatService(a, 1, 3, 500, "alpha", FLAG_LOCK | FLAG_FAV1);
        build.SatService(a, 2, 4, 2, "Gamma", FLAG_FAV1);
        build.SatService(b, 1, 5, 1, "al", FLAG_CA | FLAG_FAV3);
        store.Rebuild();
        ASSERT_THAT(Names(), ElementsAre("beta", "Alpha", "alpha", "Gamma", "al"));
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
        {&S::SortByLock, 0, FALSE, {"beta", "alpha", "Alpha", "Gamma", "al"}},
        {nullptr, 1, FALSE, {"alpha", "Gamma", "beta", "Alpha", "al"}},
        {nullptr, 1, TRUE, {"beta", "Alpha", "al", "alpha", "Gamma"}},
        {nullptr, 3, FALSE, {"al", "beta", "Alpha", "alpha", "Gamma"}},
        {nullptr, 5, FALSE, {"beta", "Alpha", "alpha", "Gamma", "al"}}, // out of range: number
        {&S::SortBySatellite, 0, FALSE, {"alpha", "Alpha", "Gamma", "beta", "al"}},
        {&S::SortBySatellite, 0, TRUE, {"al", "beta", "Gamma", "Alpha", "alpha"}},
        {&S::SortByNetwork, 0, FALSE, {"Alpha", "al", "beta", "Gamma", "alpha"}},
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

// ---- rebuild --------------------------------------------------------------------------------

// Deleted services and those off their list's kind of satellite go; the rest are numbered from 1,
// satellite lists get their keys again, terrestrial keys keep their gaps and an ordered insert
// goes on after the highest.
TEST(Rebuild, DropsDeletedAndOrphanedServicesAndKeepsTerrestrialKeys) {
    CChannelStore store;
    FillSatTv(store, {"KEEP", "DELETED", "ORPHAN", "LAST"});
    ChangeService(store, LIST_SAT_TV, 1, [](SSVC_INFO& svc) { svc.wFlags |= FLAG_DELETED; });
    ChangeService(store, LIST_SAT_TV, 2, [](SSVC_INFO& svc) { svc.bSatIndex = 3; }); // no such
    for (WORD key : {10, 5, 40})
        CStoreBuilder(store).TerrService(1, key, 0, ("K" + std::to_string(key)).c_str());
    store.Rebuild();
    EXPECT_EQ(store.GetHighestKey(LIST_TERR_TV), 40);
    ChangeService(store, LIST_TERR_TV, 2, [](SSVC_INFO& svc) { svc.bSatIndex = 2; }); // K40
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 99, "NEW"));
    store.Rebuild();
    EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAre("KEEP", "LAST"));
    EXPECT_THAT(RowNames(store, LIST_TERR_TV), ElementsAre("K5", "K10", "NEW"));
    EXPECT_EQ(NumbersAndKeys(store, LIST_SAT_TV) + NumbersAndKeys(store, LIST_TERR_TV),
              "1/1 2/2 1/5 2/10 3/41 ");
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
         {MakeNetwork(9, "FIRST", 4), MakeNetwork(5, "UNUSED"), MakeNetwork(1, "ONE"),
          MakeNetwork(3, "THREE", 2), MakeNetwork(3, "AGAIN"), MakeNetwork(0, "EMPTY")})
        store.AddNetwork(net);
    const WORD used[] = {3, 1, 2, 0, 408, 409};
    for (WORD row = 0; row < 6; ++row)
        ChangeService(store, LIST_SAT_TV, row, [&](SSVC_INFO& svc) { svc.wNetwork = used[row]; });
    store.Rebuild();
    std::string table;
    for (WORD i = 0; const SNET_INFO* net = store.GetNetworkAt(i); ++i)
        table += std::to_string(net->id) + " " + std::string(NameOf(net->name)) + " " +
                 std::to_string(net->attribute) + "; ";
    EXPECT_EQ(table, "9 FIRST 4; 1 ONE 0; 3 THREE 2; 2 Unknown 0; 408 Unknown 0; ");
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
    store.ClearNetworks();
    EXPECT_EQ(store.FindNetwork(1), nullptr); // its slot still holds the old record
}

// ---- network names and MUXes made by hand ---------------------------------------------------

using TableEdit = std::function<ETableEdit(CChannelStore&)>;

// Network 1 is named, 2 and 4 have "Unknown" entries for their services; MUX 2 is a gap between
// MUXes 1 and 3. What is made is written and read back byte for byte once a service uses it;
// refusals change nothing, and a deletion gives back the store as it was.
TEST(HandTables, MadeRecordsSurviveAFileAndRefusalsChangeNothing) {
    CChannelStore store;
    CStoreBuilder b(store);
    AppendTp(store, AppendSat(store, 192), 11494); // a file without transponders reads no services
    b.Network(1, "ONE");
    b.Mux(1, 0);
    b.Mux(3, 0);
    b.TerrService(1, 1, 2, "Kite");
    b.TerrService(3, 2, 4, "Wren");
    store.Rebuild();
    WORD nId = 0;
    BYTE nMux = 0;
    ASSERT_EQ(store.AddNetworkName("Made by hand, and cut", &nId), ETableEdit::Done);
    EXPECT_EQ(std::tuple(nId, store.GetNetworkName(3)), std::tuple(3, "Made by hand, an"));
    EXPECT_EQ(store.RenameNetwork(3, std::string_view("Hand\0x", 6)), ETableEdit::Done);
    STP_INFO mux = MakeMux(9, 490, 0x100, 6875);
    mux.satid = 7;
    ASSERT_EQ(store.AppendMux(mux, &nMux), ETableEdit::Done);
    mux.frequency = 498;
    EXPECT_EQ(store.SetMux(2, mux), ETableEdit::Done);
    const STP_INFO& made = *store.GetMux(2);
    EXPECT_EQ(std::tuple(nMux, made.frequency, made.drift, made.satid, made.tpid,
                         store.GetMuxCount(), store.GetNetworkName(3)),
              std::tuple(2, 498, 0x100, 1, 2, 3, "Hand"));
    b.TerrService(2, 3, 3, "Lark");
    store.Rebuild();
    const SStoreSnapshot withBoth = store.TakeSnapshot();
    QBuffer file;
    CChannelStore back;
    ASSERT_TRUE(file.open(QIODevice::ReadWrite) && store.WriteData(file) && file.seek(0) &&
                back.ReadData(file));
    EXPECT_TRUE(back.TakeSnapshot() == withBoth);

    const std::pair<TableEdit, ETableEdit> refusals[] = {
        {[](CChannelStore& s) { return s.DeleteNetwork(3); }, ETableEdit::Used},
        {[](CChannelStore& s) { return s.DeleteNetwork(5); }, ETableEdit::Missing},
        {[](CChannelStore& s) { return s.RenameNetwork(0, "X"); }, ETableEdit::Missing},
        {[](CChannelStore& s) { return s.DeleteMux(2); }, ETableEdit::Used},
        {[](CChannelStore& s) { return s.DeleteMux(4); }, ETableEdit::Missing},
        {[](CChannelStore& s) { return s.SetMux(101, MakeMux(1, 474)); }, ETableEdit::Missing},
        {[](CChannelStore& s) { return s.SetMux(1, MakeMux(1, 0)); }, ETableEdit::Invalid},
        {[](CChannelStore& s) { return s.AppendMux(MakeMux(1, 0)); }, ETableEdit::Invalid},
    };
    for (std::size_t i = 0; i < std::size(refusals); ++i) {
        EXPECT_EQ(refusals[i].first(store), refusals[i].second) << i;
        EXPECT_TRUE(store.TakeSnapshot() == withBoth) << i;
    }
    ASSERT_EQ(store.AddNetworkName("Spare", &nId), ETableEdit::Done);
    ASSERT_EQ(store.AppendMux(mux, &nMux), ETableEdit::Done);
    EXPECT_EQ(std::tuple(nId, nMux), std::tuple(5, 4));
    EXPECT_EQ(std::tuple(store.DeleteNetwork(5), store.DeleteMux(4)),
              std::tuple(ETableEdit::Done, ETableEdit::Done));
    EXPECT_TRUE(store.TakeSnapshot() == withBoth);
}

// 408 entries (all of id 1) and 100 MUXes; 407 entries with every id named by a service, and
// 3 MUXes with 1357 transponders filling the image's records.
TEST(HandTables, FullTablesAreRefused) {
    const std::function<void(CChannelStore&)> fills[] = {
        [](CChannelStore& s) {
            for (int n = 0; n < kMaxNetworks; ++n)
                s.AddNetwork(MakeNetwork(1, "N"));
            FillTables(s, 0, 0, kMaxMuxes);
        },
        [](CChannelStore& s) {
            FillTables(s, 6, kMaxTransponders - 3, 3);
            for (WORD n = 1; n <= kMaxNetworks; ++n)
                s.AddSatService(ADD_APPEND, MakeService(kFirstSatIndex, 1, n, "", 0, n));
            s.Rebuild();
        }};
    for (const auto& fill : fills) {
        CChannelStore store;
        fill(store);
        const SStoreSnapshot before = store.TakeSnapshot();
        EXPECT_EQ(std::tuple(store.AddNetworkName("N"), store.AppendMux(MakeMux(1, 474))),
                  std::tuple(ETableEdit::Full, ETableEdit::Full));
        EXPECT_TRUE(store.TakeSnapshot() == before);
    }
}

// ---- snapshots -----------------------------------------------------------------------------

// Snapshots: each kind of change is seen in the parts it touches, and putting back the parts an
// edit changed gives exactly the store before it (and after it). The window's undo tests cover
// the edits a user makes; these cover what only the store sees: marks alone, records not yet
// rebuilt into rows, the tables no grid edit touches.

struct SChange {
    const char* what;
    std::function<void(CChannelStore&)> change;
    unsigned parts; // the parts that differ
    bool bMarksOnly = false;
};

const SChange kChanges[] = {
    {"mark", [](CChannelStore& s) { s.SetServiceMark(1, LIST_TERR_TV, 1); }, ListPart(LIST_TERR_TV),
     true},
    {"appended, not yet rebuilt",
     [](CChannelStore& s) {
         SSVC_INFO rec = *s.GetService(0, LIST_TERR_RADIO);
         rec.wServiceId = 999;
         s.AddTerrService(ADD_APPEND, rec);
     },
     ListPart(LIST_TERR_RADIO)},
    {"MUX", [](CChannelStore& s) { s.SetMux(1, MakeMux(1, 600)); }, PART_MUXES},
    // The middle satellite left to the radio list: as many satellites in the order, but not the
    // same ones.
    {"satellite order",
     [](CChannelStore& s) {
         std::vector<std::pair<BYTE, WORD>> rows;
         for (WORD row = 0; row < s.GetRowCount(LIST_SAT_TV); ++row)
             if (s.GetService(row, LIST_SAT_TV)->bSatIndex == kFirstSatIndex + 1)
                 rows.emplace_back(LIST_SAT_TV, row);
         DeleteServices(s, rows);
     },
     ListPart(LIST_SAT_TV) | PART_FILE_ONLY},
};

TEST(Snapshot, EditsAreUndoneAndRedoneExactly) {
    for (const SChange& c : kChanges) {
        CChannelStore store;
        ASSERT_TRUE(FillRandomStore(store, {3, 20, 4, 5, {30, 10, 6, 2}}, 5));
        const SStoreSnapshot before = store.TakeSnapshot();
        const std::vector<BYTE> imageBefore = store.BuildFullImage();
        c.change(store);
        const SStoreSnapshot after = store.TakeSnapshot();
        const std::vector<BYTE> imageAfter = store.BuildFullImage();
        const unsigned parts = DifferingParts(before, after);
        EXPECT_EQ(parts, c.parts) << c.what;
        EXPECT_EQ(DifferingParts(before, after, false), c.bMarksOnly ? 0u : parts) << c.what;
        // An undo step keeps only the lists that changed.
        for (const SStoreSnapshot* state : {&before, &after}) {
            SStoreSnapshot kept = *state;
            kept.KeepLists(parts);
            store.RestoreSnapshot(kept);
            EXPECT_TRUE(store.TakeSnapshot() == *state) << c.what;
            EXPECT_EQ(store.BuildFullImage(), state == &before ? imageBefore : imageAfter)
                << c.what;
        }
    }
}

} // namespace
