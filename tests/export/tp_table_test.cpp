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

const std::string kSatTableEnd = "\t{0, 0,     0,     0, 0, 0, 0, 0, 0, 0,  0,\"\"}\n"
                                 "};\n\n"
                                 "const STP_INFO virtual_flash_tp[] = {\n\n"
                                 "//{frequency, symbolrate, tsid, drift, attribute(v:0,h:1), "
                                 "signal, satid, tpid}\n\n";
const std::string kSeparator = "/*==================================================*/\n\n";
const std::string kFileEnd = "{      0,      0,      0, 0, 0, 0,  0,   0 } //END \n" + kSeparator +
                             "};\n\n//END OF FILE\n\n";

} // namespace

TEST(TpTable, OneSatelliteWithTwoTransponders) {
    std::array<SSAT_INFO, 1> sats{Satellite("SAT-A", 192, 2)};
    std::array<TP_LIST, 1> lists;
    lists[0].Append(Transponder(11494, 27500, 1, 0x31, 2));
    // The row carries the satellite's index, whatever the transponder's own satid says.
    lists[0].Append(Transponder(10971, 29700, 65535, 0x00, 7));

    const std::string expected =
        "\n#define DEFAULT_MAX_SAT_INFO\t     1\n\n"
        "const SSAT_INFO virtual_flash_sat[] = {\n"
        "\t{0, 0,   192,     0, 0, 0, 0, 0, 0, 0,  2, \"SAT-A\"           }, //( 19.2E)\n" +
        kSatTableEnd +
        "// SAT-A (19.2E)\n"
        "{  11494,  27500,      1, 0, 1, 0,  2,   1 },\n"
        "{  10971,  29700,  65535, 0, 0, 0,  2,   2 },\n"
        "{      0,      0,      0, 0, 0, 0,  2,   0 }, \n" +
        kSeparator + kFileEnd;
    EXPECT_EQ(FileOf(sats, lists), expected);
}

TEST(TpTable, SatelliteRowShowsEveryField) {
    SSAT_INFO sat = Satellite("Hot Bird", 130, 13);
    sat.wReserved = 65535;
    sat.bSwitch = 0x35;
    sat.bCLnb = 5;
    sat.bLnbType = 12;
    sat.bCkuSwitch = 3;
    sat.bDiseqc = 4;
    sat.bReserved = 255;
    const std::string table = SatTableOf(sat);
    EXPECT_NE(table.find("\t{0, 0,   130, 65535,53, 5,12, 3, 4,255, 13, \"Hot Bird\"        }, "
                         "//( 13.0E)\n"),
              std::string::npos)
        << table;
}

struct SPositionCase {
    WORD wPosition;
    const char* satComment; // in the satellite row
    const char* tpComment;  // in the transponder block
};

class TpTablePosition : public testing::TestWithParam<SPositionCase> {};

TEST_P(TpTablePosition, EastBelow1800WestFrom1800) {
    const SPositionCase& c = GetParam();
    std::array<SSAT_INFO, 1> sats{Satellite("S", c.wPosition, 2)};
    std::array<TP_LIST, 1> lists;
    const std::string file = FileOf(sats, lists);
    EXPECT_NE(file.find(std::string("}, ") + c.satComment + "\n"), std::string::npos) << file;
    EXPECT_NE(file.find(std::string("// S ") + c.tpComment + "\n"), std::string::npos) << file;
}

INSTANTIATE_TEST_SUITE_P(Positions, TpTablePosition,
                         testing::Values(SPositionCase{0, "//(  0.0E)", "(0.0E)"},
                                         SPositionCase{192, "//( 19.2E)", "(19.2E)"},
                                         SPositionCase{1799, "//(179.9E)", "(179.9E)"},
                                         SPositionCase{1800, "//(180.0W)", "(180.0W)"},
                                         SPositionCase{3550, "//(  5.0W)", "(5.0W)"},
                                         SPositionCase{3599, "//(  0.1W)", "(0.1W)"}));

TEST(TpTable, EmptyChainStillGetsItsFrame) {
    std::array<SSAT_INFO, 2> sats{Satellite("EMPTY", 100, 2), Satellite("NEXT", 3550, 3)};
    std::array<TP_LIST, 2> lists;
    lists[1].Append(Transponder(12000, 22000, 5, 1, 3));
    const std::string file = FileOf(sats, lists);
    const std::string block = "// EMPTY (10.0E)\n"
                              "{      0,      0,      0, 0, 0, 0,  2,   0 }, \n" +
                              kSeparator +
                              "// NEXT (5.0W)\n"
                              "{  12000,  22000,      5, 0, 1, 0,  3,   1 },\n"
                              "{      0,      0,      0, 0, 0, 0,  3,   0 }, \n" +
                              kSeparator + kFileEnd;
    ASSERT_GE(file.size(), block.size());
    EXPECT_EQ(file.substr(file.size() - block.size()), block);
    EXPECT_NE(file.find("#define DEFAULT_MAX_SAT_INFO\t     2\n"), std::string::npos);
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
    EXPECT_NE(file.find("{  11000,  27500,      1, 0, 0, 0,  2,   1 },\n"
                        "{  11200,  27500,      3, 0, 0, 0,  2,   3 },\n"),
              std::string::npos)
        << file;
    EXPECT_EQ(file.find("11100"), std::string::npos);
}

TEST(TpTable, NamesPadToSixteen) {
    EXPECT_NE(SatTableOf(Satellite("Sixteen chars xx", 192, 2)).find("\"Sixteen chars xx\"}, "),
              std::string::npos);
    EXPECT_NE(SatTableOf(Satellite("", 192, 2)).find(",  2, \"\"                }, "),
              std::string::npos);
    // A full name field without its NUL still ends at 16 characters.
    SSAT_INFO sat = Satellite("", 192, 2);
    std::fill(std::begin(sat.szName), std::end(sat.szName), 'Z');
    EXPECT_NE(SatTableOf(sat).find("\"ZZZZZZZZZZZZZZZZ\"}, "), std::string::npos);
}

TEST(TpTable, NoSatellitesGivesTheFrameAlone) {
    std::ostringstream out;
    WriteTpListFile(out, {}, nullptr);
    EXPECT_EQ(out.str(), "\n#define DEFAULT_MAX_SAT_INFO\t     0\n\n"
                         "const SSAT_INFO virtual_flash_sat[] = {\n" +
                             kSatTableEnd + kFileEnd);
}
