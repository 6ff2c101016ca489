// Snapshots: each kind of change is seen in the parts it touches, and putting back the parts an
// edit changed gives exactly the store before it (and after it). The window's undo tests cover
// the edits a user makes; these cover what only the store sees: marks alone, records not yet
// rebuilt into rows, the tables no grid edit touches.
#include "channel_store.h"
#include "store_builders.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

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
    {"MUX", [](CChannelStore& s) { s.GetMux(1)->drift ^= 0x100; }, PART_MUXES},
    {"network", [](CChannelStore& s) { s.AddNetwork({}); }, PART_NETWORKS},
    {"extra", [](CChannelStore& s) { s.SetSatExtra(std::vector<BYTE>(kSatExtraSize).data()); },
     PART_FILE_ONLY},
};

} // namespace

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
