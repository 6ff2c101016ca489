// The filter's matching over a list's names, and moving a block of rows to a number.
#include "list_arrange.h"
#include "store_builders.h"

#include <gtest/gtest.h>

namespace {

TEST(Filter, FoldsLatin1CaseOverNameNetworkAndSatellite) {
    CChannelStore store;
    CStoreBuilder build(store);
    const BYTE nSat = build.Satellite("Astra", 192);
    build.Transponder(nSat, 11000, 27500, true);
    build.Network(1, "\xC9QUIPE");
    build.SatService(nSat, 1, 1, 2, "Das Erste");
    build.SatService(nSat, 1, 2, 1, "Kanal");
    build.SatService(nSat, 1, 3, 2, "M\xDCNCHEN TV");
    build.SatService(nSat, 1, 4, 2, "x\xD7y"); // the multiplication sign has no case
    build.Mux(3, 0x0300);
    build.TerrService(3, 1, 2, "Astra Lokal");
    build.TerrService(3, 2, 2, "Ndr");
    store.Rebuild();
    const struct {
        BYTE nList;
        const char* part;
        std::vector<WORD> rows;
    } cases[] = {
        {LIST_SAT_TV, "", {0, 1, 2, 3}},
        {LIST_SAT_TV, "\xE9quipe", {1}},      // network, accented capital found by its small letter
        {LIST_SAT_TV, "m\xFCnchen", {2}},     // name
        {LIST_SAT_TV, "ASTRA", {0, 1, 2, 3}}, // every row's satellite
        {LIST_SAT_TV, "\xF7", {}},            // the division sign is not the multiplication sign
        {LIST_TERR_TV, "astra", {0}},         // no satellite column: the name alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchingServices(store, CNameCodec(ECharset::Iso8859_1), c.nList, c.part), c.rows)
            << c.part;
}

// Case is folded on the letters of the names' set, not on the bytes' Latin-1 meaning.
TEST(Filter, FoldsCaseAsTheNamesSetHasIt) {
    const struct {
        ECharset set;
        const char* name;
        const char* part;
        bool bFound;
    } cases[] = {
        {ECharset::Windows1251, "Первый канал", "пер", true},
        {ECharset::Windows1251, "первый", "ПЕРВЫЙ", true},
        {ECharset::Windows1251, "Первый", "перв ый", false},
        {ECharset::Windows1253, "Ελλάς", "ΕΛΛΆΣ", true},  // final sigma
        {ECharset::Windows1253, "Ελλάς", "ελλασ", false}, // the accent is no case
        {ECharset::Windows1254, "İstanbul", "ISTANBUL", true},
        {ECharset::Windows1250, "Łódź", "ŁÓDŹ", true},
        {ECharset::Windows1252, "Œuvre", "œUV", true},
    };
    for (const auto& c : cases) {
        const CNameCodec names(c.set);
        CChannelStore store;
        FillSatTv(store, {names.Encoded(c.name)});
        std::string part, error;
        ASSERT_TRUE(names.FromUtf8(c.part, part, error)) << error;
        EXPECT_EQ(MatchingServices(store, names, LIST_SAT_TV, part).size(), c.bFound ? 1u : 0u)
            << c.part;
    }
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
