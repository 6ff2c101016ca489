// Comparing two databases: nothing for identical ones, exactly the edits for an edited copy.
#include "list_compare.h"
#include "list_text.h"
#include "store_builders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

using ::testing::ElementsAreArray;

namespace {

// 19.2E with 11494 H and 12000 V, 13.0E with 10700 V; MUX 1 and 2; network 1. Satellite TV
// A to F on 19.2E, satellite radio R on 13.0E, terrestrial TV T and U.
void FillOld(CChannelStore& store) {
    const BYTE a = AppendSat(store, 192, "Helion");
    const BYTE b = AppendSat(store, 130, "Corvina");
    AppendTp(store, a, 11494, 27500, 1);
    AppendTp(store, a, 12000);
    AppendTp(store, b, 10700, 22000);
    store.AddMux(MakeMux(1, 474));
    store.AddMux(MakeMux(2, 498));
    store.AddNetwork(MakeNetwork(1, "Net One"));
    WORD sid = 1;
    for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
        store.AddSatService(ADD_ORDERED, MakeService(a, 1 + sid % 2, sid, name, 0, 1));
        ++sid;
    }
    store.AddSatService(ADD_ORDERED, MakeService(b, 1, 20, "R", FLAG_RADIO));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 1, 30, "T"));
    store.AddTerrService(ADD_ORDERED, MakeService(1, 2, 31, "U"));
    store.Rebuild();
}

// One line per difference, short enough to list the expected ones in a table.
std::vector<std::string> Lines(const SStoreDiff& diff) {
    std::vector<std::string> lines;
    const auto records = [&](const char* what, const auto& d, auto text) {
        for (const auto& r : d.added)
            lines.push_back(std::string(what) + " + " + text(r));
        for (const auto& r : d.removed)
            lines.push_back(std::string(what) + " - " + text(r));
        for (const auto& [a, b] : d.changed) {
            std::string line = std::string(what) + " ~ " + text(b);
            for (const char* field : ChangedFields(a, b))
                line += std::string(" ") + field;
            lines.push_back(line);
        }
    };
    records("sat", diff.satellites, [](const SSAT_INFO& s) { return FormatPosition(s.wPosition); });
    records("tp", diff.transponders,
            [](const STransponderAt& t) { return std::to_string(t.tp.frequency); });
    records("mux", diff.muxes, [](const STP_INFO& m) { return std::to_string(m.tpid); });
    records("net", diff.networks, [](const SNET_INFO& n) { return std::to_string(n.id); });
    const std::pair<unsigned, const char*> kinds[] = {
        {CHANGE_NAME, "name"}, {CHANGE_MOVED, "moved"},     {CHANGE_FLAGS, "flags"},
        {CHANGE_PIDS, "pids"}, {CHANGE_NETWORK, "network"}, {CHANGE_TUNING, "tuning"}};
    for (BYTE list = 0; list < kListCount; ++list) {
        const std::string title = kListNames[list];
        for (const SServiceAt& s : diff.lists[list].added)
            lines.push_back(title + " + " + std::string(NameOf(s.svc.szName)));
        for (const SServiceAt& s : diff.lists[list].removed)
            lines.push_back(title + " - " + std::string(NameOf(s.svc.szName)));
        for (const SServiceChange& c : diff.lists[list].changed) {
            std::string line = title + " ~ " + std::string(NameOf(c.b.svc.szName));
            for (const auto& [mask, word] : kinds) {
                if (c.nChanges & mask)
                    line += std::string(" ") + word;
            }
            lines.push_back(line);
        }
    }
    return lines;
}

void Mark(CChannelStore& store, BYTE list, std::initializer_list<WORD> rows) {
    for (const WORD row : rows)
        store.SetServiceMark(row, list, 1);
}

TEST(Compare, ListsExactlyTheEdits) {
    using Edit = std::function<void(CChannelStore&)>;
    struct Case {
        const char* what;
        Edit edit;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"nothing", [](CChannelStore&) {}, {}},
        {"rename",
         [](CChannelStore& s) { s.SetServiceName(2, LIST_SAT_TV, "Cee", 3); },
         {"satellite-tv ~ Cee name"}},
        {"move one down",
         [](CChannelStore& s) {
             Mark(s, LIST_SAT_TV, {0});
             s.MoveMarkedServices(4, LIST_SAT_TV);
         },
         {"satellite-tv ~ A moved"}},
        {"move two up",
         [](CChannelStore& s) {
             Mark(s, LIST_SAT_TV, {3, 5});
             s.MoveMarkedServices(1, LIST_SAT_TV);
         },
         {"satellite-tv ~ D moved", "satellite-tv ~ F moved"}},
        {"insert and delete move nothing",
         [](CChannelStore& s) {
             s.AddSatService(ADD_ORDERED, MakeService(2, 1, 9, "New"));
             Mark(s, LIST_SAT_TV, {1});
             s.DeleteMarkedServices(LIST_SAT_TV);
         },
         {"satellite-tv + New", "satellite-tv - B"}},
        {"flags and PIDs",
         [](CChannelStore& s) {
             s.SetServiceFlag(0, LIST_SAT_RADIO, 2, TRUE);
             s.SetServiceAudioPid(1, LIST_TERR_TV, 0x8100);
             s.SetServiceNetwork(5, LIST_SAT_TV, 7);
         },
         {"net + 7", "satellite-tv ~ F network", "satellite-radio ~ R flags",
          "terrestrial-tv ~ U pids"}},
        {"satellite and network",
         [](CChannelStore& s) {
             SSAT_INFO sat = *s.GetSatellite(3);
             sat.bDiseqc = 2;
             SetName(sat.szName, "Corvina B");
             s.SetSatellite(3, sat);
             SetName(s.FindNetwork(1)->name, "Net Two");
         },
         {"sat ~ 13.0E name DiSEqC", "net ~ 1 name"}},
        {"transponders",
         [](CChannelStore& s) {
             BYTE tp = 0;
             s.AppendTransponder(3, &tp, 11000, 27500, 0, 0);
             s.GetTransponder(2, 2)->symbolrate = 27000;
             s.GetTransponder(2, 1)->frequency = 11500; // within 13 MHz: the same one
         },
         {"tp + 11000", "tp ~ 11500 frequency", "tp ~ 12000 symbol rate"}},
        {"a deleted transponder takes its services",
         [](CChannelStore& s) { s.DeleteTransponder(2, 2); },
         {"tp - 12000", "satellite-tv - A", "satellite-tv - C", "satellite-tv - E"}},
        {"a MUX moved: its services match by name",
         [](CChannelStore& s) { s.GetMux(2)->frequency = 506; },
         {"mux ~ 2 frequency", "terrestrial-tv ~ U tuning"}},
        {"a satellite added",
         [](CChannelStore& s) { AppendSat(s, 282, "Meridia"); },
         {"sat + 28.2E"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CChannelStore before, after;
        FillOld(before);
        FillOld(after);
        c.edit(after);
        after.Rebuild(); // as saving and reading the file back would
        EXPECT_THAT(Lines(CompareStores(before, after)), ElementsAreArray(c.lines));
        EXPECT_EQ(CompareStores(before, after).IsEmpty(), c.lines.empty());
    }
}

} // namespace
