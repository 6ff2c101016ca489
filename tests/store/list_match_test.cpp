// Matching with a reference, Order Like's plan and its application, the reorder it rests on,
// duplicates, and comparing two databases.
#include "duplicates.h"
#include "list_compare.h"
#include "list_match.h"
#include "store_builders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

SServiceKey Sat(WORD freq, bool h = true, WORD sid = 100, WORD pos = 192) {
    return {true, pos, freq, 0, h, sid};
}
SServiceKey Terr(WORD freq, WORD sid = 100) {
    return {false, 0, freq, 0, false, sid};
}

void Add(CChannelStore& store, const SSVC_INFO& svc) {
    ASSERT_EQ(svc.bSatIndex == kTerrestrialSatIndex ? store.AddTerrService(ADD_ORDERED, svc)
                                                    : store.AddSatService(ADD_ORDERED, svc),
              SVC_STORED);
}

enum class By { None, Key, Name };

// One present TV service (service id 100 on 11494 H at 19.2E, 27500 kS/s, or on MUX 1 at
// 474 MHz) against one or two reference services: which one it takes, and how. The tolerance
// itself belongs to the transponder merge tests.
TEST(Matching, ByKeyWithinTheMergeToleranceThenByName) {
    struct Case {
        const char* what;
        std::vector<std::pair<SServiceKey, const char*>> reference;
        By by;
        int partner = 0;
        const char* name = "Nova"; // the present service's
    };
    const Case cases[] = {
        {"same key", {{Sat(11494), "Kite"}}, By::Key},
        {"14 MHz, same name", {{Sat(11508), "Nova"}}, By::Name},
        {"the nearer of two", {{Sat(11504), "Kite"}, {Sat(11496), "Kite"}}, By::Key, 1},
        {"a key before a name", {{Sat(12000), "Nova"}, {Sat(11494), "Kite"}}, By::Key, 1},
        {"other polarisation", {{Sat(11494, false), "Kite"}}, By::None},
        {"other service id", {{Sat(11494, true, 101), "Nova"}}, By::Name},
        {"empty names", {{Sat(12000), ""}}, By::None, 0, ""},
        {"same MUX frequency", {{Terr(474), "Kite"}}, By::Key},
        {"MUX 1 MHz off, same name", {{Terr(475), "Nova"}}, By::Name},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const bool bSat = c.reference[0].first.bSatellite;
        CChannelStore store;
        AppendTp(store, AppendSat(store, 192), 11494, 27500, 1);
        store.AddMux(MakeMux(1, 474));
        Add(store, MakeService(bSat ? kFirstSatIndex : kTerrestrialSatIndex, 1, 100, c.name));
        store.Rebuild();
        std::vector<SReferenceService> reference;
        for (const auto& [key, name] : c.reference)
            reference.push_back({key, name, 0});
        const SListMatch match = MatchList(store, bSat ? LIST_SAT_TV : LIST_TERR_TV, reference);
        EXPECT_THAT(match.partner, ElementsAre(c.by == By::None ? -1 : c.partner));
        EXPECT_EQ(std::tuple(match.nByKey, match.nByName),
                  std::tuple(int(c.by == By::Key), int(c.by == By::Name)));
    }
}

// Satellite TV A B C D E (service ids 1 to 5) against a reference data file with D and B by
// key, A by name only (another service id) and X that is not in the present list.
TEST(OrderLike, PlanAndApply) {
    // options, the list after, the flags of D
    const WORD dFlags = FLAG_CA | FLAG_FAV1;
    const std::tuple<SOrderOptions, std::vector<std::string>, WORD> cases[] = {
        {{}, {"D", "B", "A", "C", "E"}, dFlags},
        {{.bKeepPlaces = true}, {"D", "B", "C", "A", "E"}, dFlags},
        {{.bTakeFlags = true}, {"D", "B", "A", "C", "E"}, FLAG_CA | FLAG_LOCK | FLAG_FAV2},
        {{.bTakeNames = true}, {"Dee", "B", "A", "C", "E"}, dFlags},
    };
    CChannelStore ref;
    const BYTE refSat = AppendSat(ref, 130);
    AppendSat(ref, 192);
    AppendTp(ref, refSat, 10700);
    AppendTp(ref, 3, 11494);
    Add(ref, MakeService(3, 1, 4, "Dee", FLAG_LOCK | FLAG_FAV2));
    Add(ref, MakeService(3, 1, 2, "B"));
    Add(ref, MakeService(3, 1, 99, "A"));
    Add(ref, MakeService(refSat, 1, 1, "X"));
    ref.Rebuild();
    for (const auto& [options, names, flagsOfD] : cases) {
        SCOPED_TRACE(testing::PrintToString(names));
        CChannelStore store;
        FillSatTv(store, {"A", "B", "C", "D", "E"});
        ChangeService(store, LIST_SAT_TV, 3, [&](SSVC_INFO& svc) { svc.wFlags = dFlags; });

        const SOrderPlan plan = PlanOrder(store, ReferenceFromStore(ref), options);
        const SListPlan& tv = plan[LIST_SAT_TV];
        EXPECT_EQ(std::tuple(tv.match.nByKey, tv.match.nByName, plan[LIST_SAT_RADIO].bInReference),
                  std::tuple(2, 1, false));
        EXPECT_THAT(tv.unmatched, ElementsAre("C", "E"));
        ApplyOrder(store, plan);
        EXPECT_THAT(RowNames(store, LIST_SAT_TV), ElementsAreArray(names));
        const SSVC_INFO& d = *store.GetService(0, LIST_SAT_TV); // D leads
        EXPECT_EQ(std::tuple(d.wFlags, d.wNumber), std::tuple(flagsOfD, 1));
    }
}

// ReorderList hands out the list's keys as Paste does; it refuses anything but a permutation,
// and the present order leaves even a terrestrial list's gapped order keys alone.
TEST(ReorderList, PermutationsOnly) {
    // list, new order, result, then each row's name, number and order key
    const std::tuple<BYTE, std::vector<WORD>, BOOL, std::string> cases[] = {
        {LIST_SAT_TV, {2, 0, 1}, TRUE, "C 1 1, A 2 2, B 3 3, "},
        {LIST_SAT_TV, {0, 1}, FALSE, "A 1 1, B 2 2, C 3 3, "},
        {LIST_SAT_TV, {0, 1, 1}, FALSE, "A 1 1, B 2 2, C 3 3, "},
        {LIST_SAT_TV, {0, 1, 3}, FALSE, "A 1 1, B 2 2, C 3 3, "},
        {LIST_TERR_TV, {0, 1, 2}, TRUE, "A 1 2, B 2 5, C 3 9, "},
        {LIST_TERR_TV, {1, 0, 2}, TRUE, "B 1 1, A 2 2, C 3 3, "},
    };
    for (const auto& [list, order, result, rows] : cases) {
        SCOPED_TRACE(testing::PrintToString(order));
        CChannelStore store;
        FillSatTv(store, {"A", "B", "C"});
        store.AddMux(MakeMux(1, 474));
        for (const auto& [key, name] : {std::pair<WORD, const char*>{2, "A"}, {5, "B"}, {9, "C"}})
            CStoreBuilder(store).TerrService(1, key, 0, name);
        store.Rebuild();
        store.SetServiceMark(0, list, 1);
        EXPECT_EQ(store.ReorderList(list, order), result);
        std::string text;
        for (WORD row = 0; const SSVC_INFO* svc = store.GetService(row, list); ++row)
            text += std::string(NameOf(svc->szName)) + " " + std::to_string(svc->wNumber) + " " +
                    std::to_string(svc->wOrderKey) + ", ";
        EXPECT_EQ(text, rows);
        EXPECT_EQ(store.GetServiceMark(0, list), result && order[0] != 0 ? 0 : 1);
    }
}

// Groups have equal names on one satellite; of each, those on the transponder of an earlier one
// are proposed for deletion (marked '*').
TEST(Duplicates, EqualNamesOnOneSatelliteAreGroupedAndOnOneTransponderProposed) {
    CChannelStore store;
    const BYTE a = AppendSat(store, 192), b = AppendSat(store, 130);
    AppendTp(store, a, 11494);
    AppendTp(store, a, 12000);
    AppendTp(store, b, 10700);
    store.AddMux(MakeMux(1, 474));
    for (const SSVC_INFO& svc :
         {MakeService(a, 1, 1, "Nova"), MakeService(a, 1, 2, "Kite"), MakeService(b, 1, 3, "Nova"),
          MakeService(a, 2, 4, "Nova"), MakeService(a, 1, 5, "nova"), MakeService(a, 2, 6, "Kite"),
          MakeService(1, 1, 7, "Dup"), MakeService(1, 1, 8, "Dup"), MakeService(a, 2, 9, "Nova")})
        Add(store, svc);
    store.Rebuild();

    // List, satellite, name and rows of each group.
    std::string text;
    const std::vector<SDuplicateGroup> groups = FindDuplicates(store);
    const auto proposed = ProposedDuplicates(store, groups);
    for (const SDuplicateGroup& g : groups) {
        text += std::to_string(g.nList) + " " + std::to_string(g.nSat) + " " + g.strName + ":";
        for (WORD row : g.rows)
            text += " " + std::to_string(row) +
                    (std::ranges::count(proposed, std::pair(g.nList, row)) ? "*" : "");
        text += "; ";
    }
    EXPECT_EQ(text, "0 2 Nova: 0 3 6*; 0 2 Kite: 1 5; 2 1 Dup: 0 1*; ");
}

// ---- comparing two databases: nothing for identical ones, exactly the edits for an edited copy

// 19.2E with 11494 H and 12000 V, 13.0E with 10700 V; MUX 1 and 2; network 1. Satellite TV
// A to F on 19.2E, satellite radio R on 13.0E, terrestrial TV T and U.
void FillOld(CChannelStore& store) {
    const BYTE a = AppendSat(store, 192, "Helion"), b = AppendSat(store, 130, "Corvina");
    AppendTp(store, a, 11494, 27500, 1);
    AppendTp(store, a, 12000);
    AppendTp(store, b, 10700, 22000);
    store.AddMux(MakeMux(1, 474));
    store.AddMux(MakeMux(2, 498));
    store.AddNetwork(MakeNetwork(1, "Net One"));
    for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
        const WORD sid = WORD(name[0] - 'A' + 1);
        store.AddSatService(ADD_ORDERED, MakeService(a, 1 + sid % 2, sid, name, 0, 1));
    }
    store.AddSatService(ADD_ORDERED, MakeService(b, 1, 20, "R", FLAG_RADIO));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 30, "T"));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 2, 31, "U"));
    store.Rebuild();
}

TEST(Compare, ListsExactlyTheEdits) {
    using Edit = std::function<void(CChannelStore&)>;
    // what, the edit, the lines that tell it
    const std::tuple<const char*, Edit, std::vector<std::string>> cases[] = {
        {"nothing", [](CChannelStore&) {}, {}},
        {"rename",
         [](CChannelStore& s) { s.SetServiceName(2, LIST_SAT_TV, "Cee", 3); },
         {"satellite-tv: renamed 3 \"Cee\": \"C\" -> \"Cee\""}},
        {"move two up",
         [](CChannelStore& s) {
             s.SetServiceMark(3, LIST_SAT_TV, 1);
             s.SetServiceMark(5, LIST_SAT_TV, 1);
             s.MoveMarkedServices(1, LIST_SAT_TV);
         },
         {"satellite-tv: moved 2 \"D\": 4 -> 2", "satellite-tv: moved 3 \"F\": 6 -> 3"}},
        {"insert and delete move nothing",
         [](CChannelStore& s) {
             s.AddSatService(ADD_ORDERED, MakeService(2, 1, 9, "New"));
             s.SetServiceMark(1, LIST_SAT_TV, 1);
             s.DeleteMarkedServices(LIST_SAT_TV);
         },
         {"satellite-tv: added 6 \"New\" (19.2E 11494 H sid 9)",
          "satellite-tv: removed 2 \"B\" (19.2E 11494 H sid 2)"}},
        {"flags and PIDs",
         [](CChannelStore& s) {
             s.SetServiceFlag(0, LIST_SAT_RADIO, 2, TRUE);
             s.SetServiceAudioPid(1, LIST_TERR_TV, 0x8100);
             s.SetServiceNetwork(5, LIST_SAT_TV, 7);
         },
         {"networks: added 7 \"Unknown\"",
          "satellite-tv: network 6 \"F\": 1 \"Net One\" -> 7 \"Unknown\"",
          "satellite-radio: flags 1 \"R\": - -> Fav2",
          "terrestrial-tv: PIDs 2 \"U\": video 0 audio 0 pcr 0 -> video 0 audio 256 Dolby pcr 0"}},
        {"satellite and network",
         [](CChannelStore& s) {
             SSAT_INFO sat = *s.GetSatellite(3);
             sat.bDiseqc = 2;
             sat.bReserved = 1; // the other reserved field stays
             SetName(sat.szName, "Corvina B");
             s.SetSatellite(3, sat);
             s.RenameNetwork(1, "Net Two");
         },
         {"satellites: changed 13.0E \"Corvina B\": name, DiSEqC, reserved",
          "networks: changed 1 \"Net Two\": name"}},
        {"transponders",
         [](CChannelStore& s) {
             BYTE tp = 0;
             s.AppendTransponder(3, &tp, 11000, 27500, 0, 0);
             ChangeTransponder(s, 2, 2, [](STP_INFO& t) { t.symbolrate = 27000; });
             // Within 13 MHz: the same one.
             ChangeTransponder(s, 2, 1, [](STP_INFO& t) { t.frequency = 11500; });
         },
         {"transponders: added 13.0E 11000 V 27500",
          "transponders: changed 19.2E 11500 H 27500: frequency",
          "transponders: changed 19.2E 12000 V 27000: symbol rate"}},
        {"MUXes alone",
         [](CChannelStore& s) {
             s.SetMux(2, MakeMux(2, 498, 5));
             s.AddMux(MakeMux(3, 506));
         },
         {"MUXes: added 3 506 MHz", "MUXes: changed 2 498 MHz: drift"}},
    };
    for (const auto& [what, edit, lines] : cases) {
        SCOPED_TRACE(what);
        CChannelStore before, after;
        FillOld(before);
        FillOld(after);
        edit(after);
        after.Rebuild(); // as saving and reading the file back would
        EXPECT_THAT(DiffLines(CompareStores(before, after), CNameCodec()), ElementsAreArray(lines));
        EXPECT_EQ(CompareStores(before, after).IsEmpty(), lines.empty());
    }
}

} // namespace
