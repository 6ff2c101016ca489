// The filter's matching over a list's names, and moving a block of rows to a number.
#include "list_arrange.h"
#include "store_builders.h"

#include <gtest/gtest.h>

namespace {

TEST(Filter, FindsWithoutCaseInNameNetworkAndSatellite) {
    CChannelStore store;
    CStoreBuilder build(store);
    const BYTE nSat = build.Satellite("Astra", 192);
    build.Transponder(nSat, 11000, 27500, true);
    build.Network(1, "\xC9QUIPE");
    build.SatService(nSat, 1, 1, 2, "Das Erste");
    build.SatService(nSat, 1, 2, 1, "Kanal");
    build.SatService(nSat, 1, 3, 2, "M\xDCNCHEN TV");
    build.Mux(3, 0x0300);
    build.TerrService(3, 1, 2, "Astra Lokal");
    build.TerrService(3, 2, 2, "Ndr");
    store.Rebuild();
    const struct {
        BYTE nList;
        const char* part;
        std::vector<WORD> rows;
    } cases[] = {
        {LIST_SAT_TV, "", {0, 1, 2}},
        {LIST_SAT_TV, "\xE9quipe", {1}},   // network, accented capital found by its small letter
        {LIST_SAT_TV, "m\xFCnchen", {2}},  // name
        {LIST_SAT_TV, "ASTRA", {0, 1, 2}}, // every row's satellite
        {LIST_TERR_TV, "astra", {0}},      // no satellite column: the name alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchingServices(store, CNameCodec(ECharset::Iso8859_1), c.nList, c.part), c.rows)
            << c.part;
}

TEST(MoveToNumber, BlockLandsAtTheRowAndPastTheEndAtTheEnd) {
    const struct {
        std::vector<WORD> moved;
        std::size_t nFirst;
        std::vector<WORD> order;
    } cases[] = {
        {{3, 4}, 0, {3, 4, 0, 1, 2, 5}},    // to the start
        {{0, 1}, 2, {2, 3, 0, 1, 4, 5}},    // down into the middle
        {{1, 4}, 2, {0, 2, 1, 4, 3, 5}},    // two apart close up
        {{0, 1}, 5, {2, 3, 4, 5, 0, 1}},    // past the end
        {{4, 6, 9}, 0, {4, 0, 1, 2, 3, 5}}, // rows past the list's end are none of its rows
    };
    for (const auto& c : cases)
        EXPECT_EQ(MoveRowsOrder(6, c.moved, c.nFirst), c.order) << c.nFirst;
}

} // namespace
