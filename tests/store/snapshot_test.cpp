// Snapshots: each kind of change is seen in the parts it touches, and putting back the parts an
// edit changed gives exactly the store before it (and after it), down to list order and marks.
#include "channel_store.h"
#include "store_snapshot.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct SChange {
    const char* what;
    std::function<void(CChannelStore&)> change;
    unsigned required; // parts that must differ
    unsigned allowed;  // parts that may differ besides (a rebuild's order and networks)
    bool bMarksOnly = false;
};

constexpr unsigned kRebuilt = PART_FILE_ONLY | PART_NETWORKS;

void ToggleLock(CChannelStore& store, BYTE nList, WORD nPos) {
    const bool bLocked = store.GetService(nPos, nList)->wFlags & FLAG_LOCK;
    store.SetServiceFlag(nPos, nList, 0, bLocked ? 0 : 1);
}

const SChange kChanges[] = {
    {"flag", [](CChannelStore& s) { ToggleLock(s, LIST_SAT_TV, 3); }, ListPart(LIST_SAT_TV), 0},
    {"mark", [](CChannelStore& s) { s.SetServiceMark(1, LIST_TERR_TV, 1); }, ListPart(LIST_TERR_TV),
     0, true},
    {"sort: rows leave list order",
     [](CChannelStore& s) {
         s.SortByName(LIST_SAT_RADIO, TRUE);
         s.Renumber(LIST_SAT_RADIO);
     },
     ListPart(LIST_SAT_RADIO), 0},
    {"paste",
     [](CChannelStore& s) {
         s.SetServiceMark(0, LIST_SAT_TV, 1);
         s.SetServiceMark(1, LIST_SAT_TV, 1);
         s.MoveMarkedServices(20, LIST_SAT_TV);
     },
     ListPart(LIST_SAT_TV), kRebuilt},
    {"delete satellite", [](CChannelStore& s) { s.DeleteSatellite(3); },
     PART_SATELLITES | ListPart(LIST_SAT_TV) | ListPart(LIST_SAT_RADIO), kRebuilt},
    {"appended, not yet rebuilt",
     [](CChannelStore& s) {
         SSVC_INFO rec = *s.GetService(0, LIST_TERR_RADIO);
         rec.wServiceId = 999;
         s.AddTerrService(ADD_APPEND, rec);
     },
     ListPart(LIST_TERR_RADIO), 0},
    {"transponder", [](CChannelStore& s) { ++s.GetTransponder(2, 1)->frequency; }, PART_SATELLITES,
     0},
    {"MUX", [](CChannelStore& s) { s.GetMux(1)->drift ^= 0x100; }, PART_MUXES, 0},
    {"network", [](CChannelStore& s) { s.AddNetwork({}); }, PART_NETWORKS, 0},
    {"extra", [](CChannelStore& s) { s.SetSatExtra(std::vector<BYTE>(kSatExtraSize).data()); },
     PART_FILE_ONLY, 0},
};

} // namespace

TEST(Snapshot, EditsAreUndoneAndRedoneExactly) {
    for (const SChange& c : kChanges) {
        CChannelStore store;
        store_test::RandomStoreBuilder(5).Fill(store, {3, 20, 4, 5, {30, 10, 6, 2}});
        const SStoreSnapshot before = store.TakeSnapshot();
        const std::vector<BYTE> imageBefore = store.BuildFullImage();
        c.change(store);
        const SStoreSnapshot after = store.TakeSnapshot();
        const std::vector<BYTE> imageAfter = store.BuildFullImage();
        const unsigned parts = DifferingParts(before, after);
        EXPECT_EQ(parts & c.required, c.required) << c.what;
        EXPECT_EQ(parts & ~(c.required | c.allowed), 0u) << c.what;
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
