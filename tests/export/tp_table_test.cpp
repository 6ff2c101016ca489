// The firmware table: byte-exact rows, position texts, alignment and the file's frame.
#include "store_builders.h"
#include "tp_table.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

namespace {

std::string FileOf(std::span<const SSAT_INFO> sats, const TP_LIST* lists) {
    std::ostringstream out;
    WriteTpListFile(out, sats, lists);
    return out.str();
}

std::string FileOf(const CChannelStore& store) {
    return FileOf(std::span(store.GetSatelliteTable(), store.GetSatelliteCount()),
                  store.GetTransponderLists());
}

const std::string kSeparator = "/*==================================================*/\n\n";
const std::string kFileEnd = "{      0,      0,      0, 0, 0, 0,  0,   0 } //END \n" + kSeparator +
                             "};\n\n//END OF FILE\n\n";
const std::string kSatTableEnd = "\t{0, 0,     0,     0, 0, 0, 0, 0, 0, 0,  0,\"\"}\n"
                                 "};\n\n"
                                 "const STP_INFO virtual_flash_tp[] = {\n\n"
                                 "//{frequency, symbolrate, tsid, drift, attribute(v:0,h:1), "
                                 "signal, satid, tpid}\n\n";

} // namespace

// The frame around both tables; an empty chain between the others still gets its end row and
// separator.
TEST(TpTable, WholeFile) {
    CChannelStore store;
    AppendSat(store, 100, "EMPTY");
    const BYTE sat = AppendSat(store, 192, "SAT-A");
    AppendTp(store, sat, 11494, 27500, 1);
    AppendTp(store, sat, 10971, 29700);
    ChangeTransponder(store, sat, 1, [](STP_INFO& tp) { tp.tsid = 1, tp.attribute = 0x31; });
    // The row carries the satellite's index, whatever the transponder's own satid says.
    ChangeTransponder(store, sat, 2, [](STP_INFO& tp) { tp.tsid = 65535, tp.satid = 7; });
    EXPECT_EQ(FileOf(store),
              "\n#define DEFAULT_MAX_SAT_INFO\t     2\n\n"
              "const SSAT_INFO virtual_flash_sat[] = {\n"
              "\t{0, 0,   100,     0, 0, 0, 0, 0, 0, 0,  2, \"EMPTY\"           }, //( 10.0E)\n"
              "\t{0, 0,   192,     0, 0, 0, 0, 0, 0, 0,  3, \"SAT-A\"           }, //( 19.2E)\n" +
                  kSatTableEnd +
                  "// EMPTY (10.0E)\n"
                  "{      0,      0,      0, 0, 0, 0,  2,   0 }, \n" +
                  kSeparator +
                  "// SAT-A (19.2E)\n"
                  "{  11494,  27500,      1, 0, 1, 0,  3,   1 },\n"
                  "{  10971,  29700,  65535, 0, 0, 0,  3,   2 },\n"
                  "{      0,      0,      0, 0, 0, 0,  3,   0 }, \n" +
                  kSeparator + kFileEnd);
}

// Every field in its column, names padded (or cut) to sixteen characters, and the position as
// East below 1800, West from 1800 on.
TEST(TpTable, SatelliteRows) {
    // Every field set, in record order; the LNB frequencies are not printed.
    const SSAT_INFO every{5150, 9750, 130, 65535, 0x35, 5, 12, 3, 4, 255, 13, "Hot Bird"};
    SSAT_INFO unterminated = MakeSat(3599, "");
    std::fill(std::begin(unterminated.szName), std::end(unterminated.szName), 'Z');
    const std::pair<SSAT_INFO, const char*> cases[] = {
        {every,
         "\t{0, 0,   130, 65535,53, 5,12, 3, 4,255, 13, \"Hot Bird\"        }, //( 13.0E)\n"},
        {MakeSat(1799, ""), ",  0, \"\"                }, //(179.9E)\n"},
        {MakeSat(1800, "W"), "//(180.0W)\n"},
        {unterminated, "\"ZZZZZZZZZZZZZZZZ\"}, //(  0.1W)\n"},
        {MakeSat(3550, "W"), "// W (5.0W)\n"},
    };
    for (const auto& [sat, row] : cases) {
        const std::string file = FileOf(std::span(&sat, 1), std::array<TP_LIST, 1>{}.data());
        EXPECT_NE(file.find(row), std::string::npos) << file;
    }
}
