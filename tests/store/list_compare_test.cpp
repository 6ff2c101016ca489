// Comparing two databases: nothing for identical ones, exactly the edits for an edited copy.
#include "list_compare.h"
#include "store_builders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using ::testing::ElementsAreArray;

namespace {

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

CChannelStore& Mark(CChannelStore& store, std::initializer_list<WORD> rows) {
    for (const WORD row : rows)
        store.SetServiceMark(row, LIST_SAT_TV, 1);
    return store;
}

TEST(Compare, ListsExactlyTheEdits) {
    using Edit = std::function<void(CChannelStore&)>;
    // what, the edit, the lines that tell it
    const std::tuple<const char*, Edit, std::vector<std::string>> cases[] = {
        {"nothing", [](CChannelStore&) {}, {}},
        {"rename",
         [](CChannelStore& s) { s.SetServiceName(2, LIST_SAT_TV, "Cee", 3); },
         {"satellite-tv: renamed 3 \"Cee\": \"C\" -> \"Cee\""}},
        {"move one down",
         [](CChannelStore& s) { Mark(s, {0}).MoveMarkedServices(4, LIST_SAT_TV); },
         {"satellite-tv: moved 4 \"A\": 1 -> 4"}},
        {"move two up",
         [](CChannelStore& s) {
             Mark(s, {3, 5}).MoveMarkedServices(1, LIST_SAT_TV);
         },
         {"satellite-tv: moved 2 \"D\": 4 -> 2", "satellite-tv: moved 3 \"F\": 6 -> 3"}},
        {"insert and delete move nothing",
         [](CChannelStore& s) {
             s.AddSatService(ADD_ORDERED, MakeService(2, 1, 9, "New"));
             Mark(s, {1}).DeleteMarkedServices(LIST_SAT_TV);
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
             SetName(sat.szName, "Corvina B");
             s.SetSatellite(3, sat);
             SetName(s.FindNetwork(1)->name, "Net Two");
         },
         {"satellites: changed 13.0E \"Corvina B\": name, DiSEqC",
          "networks: changed 1 \"Net Two\": name"}},
        {"transponders",
         [](CChannelStore& s) {
             BYTE tp = 0;
             s.AppendTransponder(3, &tp, 11000, 27500, 0, 0);
             s.GetTransponder(2, 2)->symbolrate = 27000;
             s.GetTransponder(2, 1)->frequency = 11500; // within 13 MHz: the same one
         },
         {"transponders: added 13.0E 11000 V 27500",
          "transponders: changed 19.2E 11500 H 27500: frequency",
          "transponders: changed 19.2E 12000 V 27000: symbol rate"}},
        {"a deleted transponder takes its services",
         [](CChannelStore& s) { s.DeleteTransponder(2, 2); },
         {"transponders: removed 19.2E 12000 V 27500",
          "satellite-tv: removed 1 \"A\" (19.2E 12000 V sid 1)",
          "satellite-tv: removed 3 \"C\" (19.2E 12000 V sid 3)",
          "satellite-tv: removed 5 \"E\" (19.2E 12000 V sid 5)"}},
        {"a MUX moved: its services match by name",
         [](CChannelStore& s) { s.GetMux(2)->frequency = 506; },
         {"MUXes: changed 2 506 MHz: frequency",
          "terrestrial-tv: tuning 2 \"U\": 498 MHz sid 31 -> 506 MHz sid 31"}},
        {"a satellite added",
         [](CChannelStore& s) { AppendSat(s, 282, "Meridia"); },
         {"satellites: added 28.2E \"Meridia\""}},
    };
    for (const auto& [what, edit, lines] : cases) {
        SCOPED_TRACE(what);
        CChannelStore before, after;
        FillOld(before);
        FillOld(after);
        edit(after);
        after.Rebuild(); // as saving and reading the file back would
        EXPECT_THAT(DiffLines(CompareStores(before, after)), ElementsAreArray(lines));
        EXPECT_EQ(CompareStores(before, after).IsEmpty(), lines.empty());
    }
}

} // namespace
