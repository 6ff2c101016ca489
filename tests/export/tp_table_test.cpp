// The firmware table: byte-exact rows, position texts, alignment and the file's frame.
#include "tp_table.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

namespace {

SSAT_INFO Satellite(const char* name, WORD wPosition, BYTE bIndex) {
    SSAT_INFO sat{};
    SetName(sat.szName, name);
    sat.wPosition = wPosition;
    sat.bIndex = bIndex;
    return sat;
}

STP_INFO Transponder(WORD wFreq, WORD wSymbolRate, WORD wTsid, BYTE bAttribute, BYTE bSatId) {
    STP_INFO tp{};
    tp.frequency = wFreq;
    tp.symbolrate = wSymbolRate;
    tp.tsid = wTsid;
    tp.attribute = bAttribute;
    tp.satid = bSatId;
    return tp;
}

template <std::size_t N>
std::string FileOf(const std::array<SSAT_INFO, N>& sats, const std::array<TP_LIST, N>& lists) {
    std::ostringstream out;
    WriteTpListFile(out, sats, lists.data());
    return out.str();
}

std::string SatTableOf(const SSAT_INFO& sat) {
    std::ostringstream out;
    WriteSatTable(out, std::span(&sat, 1));
    return out.str();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const std::string kSatTableEnd = "\t{0, 0,     0,     0, 0, 0, 0, 0, 0, 0,  0,\"\"}\n"
                                 "};\n\n"
                                 "const STP_INFO virtual_flash_tp[] = {\n\n"
                                 "//{frequency, symbolrate, tsid, drift, attribute(v:0,h:1), "
                                 "signal, satid, tpid}\n\n";
const std::string kSeparator = "/*==================================================*/\n\n";
const std::string kFileEnd = "{      0,      0,      0, 0, 0, 0,  0,   0 } //END \n" + kSeparator +
                             "};\n\n//END OF FILE\n\n";

} // namespace

// Also an empty chain between the others: it still gets its end row and separator.
TEST(TpTable, WholeFile) {
    std::array<SSAT_INFO, 2> sats{Satellite("EMPTY", 100, 2), Satellite("SAT-A", 192, 3)};
    std::array<TP_LIST, 2> lists;
    lists[1].Append(Transponder(11494, 27500, 1, 0x31, 3));
    // The row carries the satellite's index, whatever the transponder's own satid says.
    lists[1].Append(Transponder(10971, 29700, 65535, 0x00, 7));
    EXPECT_EQ(FileOf(sats, lists),
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

// Every field in its column, and names padded (or cut) to sixteen characters.
TEST(TpTable, SatelliteRows) {
    SSAT_INFO every = Satellite("Hot Bird", 130, 13);
    every.wReserved = 65535;
    every.bSwitch = 0x35;
    every.bCLnb = 5;
    every.bLnbType = 12;
    every.bCkuSwitch = 3;
    every.bDiseqc = 4;
    every.bReserved = 255;
    SSAT_INFO unterminated = Satellite("", 192, 2);
    std::fill(std::begin(unterminated.szName), std::end(unterminated.szName), 'Z');
    const std::pair<SSAT_INFO, const char*> cases[] = {
        {every,
         "\t{0, 0,   130, 65535,53, 5,12, 3, 4,255, 13, \"Hot Bird\"        }, //( 13.0E)\n"},
        {Satellite("Sixteen chars xx", 192, 2), "\"Sixteen chars xx\"}, "},
        {Satellite("", 192, 2), ",  2, \"\"                }, "},
        {unterminated, "\"ZZZZZZZZZZZZZZZZ\"}, "},
    };
    for (const auto& [sat, row] : cases)
        EXPECT_TRUE(Contains(SatTableOf(sat), row)) << SatTableOf(sat);
}

TEST(TpTable, EastBelow1800WestFrom1800) {
    const std::tuple<WORD, const char*, const char*> cases[] = {
        {0, "//(  0.0E)", "(0.0E)"},      {192, "//( 19.2E)", "(19.2E)"},
        {1799, "//(179.9E)", "(179.9E)"}, {1800, "//(180.0W)", "(180.0W)"},
        {3550, "//(  5.0W)", "(5.0W)"},   {3599, "//(  0.1W)", "(0.1W)"}};
    for (const auto& [wPosition, satComment, tpComment] : cases) {
        const std::string file = FileOf(std::array<SSAT_INFO, 1>{Satellite("S", wPosition, 2)},
                                        std::array<TP_LIST, 1>{});
        EXPECT_TRUE(Contains(file, std::string("}, ") + satComment + "\n")) << file;
        EXPECT_TRUE(Contains(file, std::string("// S ") + tpComment + "\n")) << file;
    }
}

TEST(TpTable, NodeWithoutTransponderKeepsItsNumber) {
    std::array<SSAT_INFO, 1> sats{Satellite("SAT", 192, 2)};
    std::array<TP_LIST, 1> lists;
    lists[0].Append(Transponder(11000, 27500, 1, 0, 2));
    LIST_NODE<STP_INFO>* hole = lists[0].Append(Transponder(11100, 27500, 2, 0, 2));
    lists[0].Append(Transponder(11200, 27500, 3, 0, 2));
    delete hole->pData;
    hole->pData = nullptr;
    const std::string file = FileOf(sats, lists);
    EXPECT_TRUE(Contains(file, "{  11000,  27500,      1, 0, 0, 0,  2,   1 },\n"
                               "{  11200,  27500,      3, 0, 0, 0,  2,   3 },\n"))
        << file;
    EXPECT_FALSE(Contains(file, "11100"));
}

TEST(TpTable, NoSatellitesGivesTheFrameAlone) {
    std::ostringstream out;
    WriteTpListFile(out, {}, nullptr);
    EXPECT_EQ(out.str(), "\n#define DEFAULT_MAX_SAT_INFO\t     0\n\n"
                         "const SSAT_INFO virtual_flash_sat[] = {\n" +
                             kSatTableEnd + kFileEnd);
}
