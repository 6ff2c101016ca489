// Satellites and transponders from a satellites.xml: the file's values as the box's records,
// faulty files, and the plan (merges, what is left out, every capacity) and its application.
#include "satellite_import.h"
#include "store_builders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

// A transponder; FEC and system are left out when negative.
std::string Tp(int nKhz, int nRate, int nPol, int nFec = -1, int nSystem = -1) {
    std::string text = "<transponder frequency=\"" + std::to_string(nKhz) + "\" symbol_rate=\"" +
                       std::to_string(nRate) + "\" polarization=\"" + std::to_string(nPol) + "\"";
    for (const auto& [name, n] : {std::pair{" fec_inner", nFec}, {" system", nSystem}})
        text += n < 0 ? "" : name + std::string("=\"") + std::to_string(n) + "\"";
    return text + "/>\n";
}
std::string Sat(const std::string& name, int nPosition, const std::string& transponders) {
    return "<sat name=\"" + name + "\" position=\"" + std::to_string(nPosition) + "\">\n" +
           transponders + "</sat>\n";
}

std::vector<SXmlSatellite> Read(const std::string& sats) {
    std::vector<SXmlSatellite> satellites;
    SXmlError error;
    EXPECT_TRUE(ReadSatellitesXml("<satellites>\n" + sats + "</satellites>\n", satellites, error))
        << XmlErrorText(error);
    return satellites;
}

TEST(SatellitesXml, ValuesBecomeTheBoxRecords) {
    // position and transponder attributes; the box's position, MHz, kS/s, attribute, DVB-S2
    const std::tuple<int, std::string, WORD, WORD, WORD, BYTE, bool> cases[] = {
        {130, Tp(10758499, 27499500, 0, 3), 130, 10758, 27500, 0x31, false},
        {-50, Tp(10758500, 22000499, 1, 5, 0), 3550, 10759, 22000, 0x50, false},
        {-1, Tp(11000000, 27500000, 2, 6, 1), 3599, 11000, 27500, 0x01, true},
        {-1800, Tp(11000000, 27500000, 3, 9), 1800, 11000, 27500, 0x00, false},
        {1800, Tp(500, 500, 2, 1), 1800, 1, 1, 0x11, false},
        {0, Tp(65535499, 65535499, 1, 15, 2), 0, 65535, 65535, 0, true},
    };
    for (const auto& [pos, tp, box, freq, rate, attribute, s2] : cases) {
        const std::vector<SXmlSatellite> sats = Read(Sat("S", pos, tp));
        const STP_INFO rec = BoxTransponder(sats[0].transponders.at(0));
        EXPECT_EQ(std::tuple(BoxPosition(sats[0].nPosition), rec.frequency, rec.symbolrate,
                             rec.attribute, sats[0].transponders[0].bS2),
                  std::tuple(box, freq, rate, attribute, s2))
            << tp;
    }
    // A name through the name codec: a character the box's set lacks is '?', cut to 16 bytes.
    const SSAT_INFO named =
        BoxSatellite(Read(Sat("Caf\u00E9 \u0141 0123456789ab", 0, ""))[0], CNameCodec());
    EXPECT_EQ(NameOf(named.szName), "Caf\xE9 ? 012345678");
}

const char* const kGood = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<satellites>\n"
                          "  <sat name=\"13.0E Hotbird\" flags=\"1\" position=\"130\">\n"
                          "    <transponder frequency=\"10758000\" symbol_rate=\"27500000\" "
                          "polarization=\"1\" fec_inner=\"3\" system=\"0\"/>\n"
                          "  </sat>\n"
                          "</satellites>\n";

TEST(SatellitesXml, FaultsNameTheLine) {
    // a text of kGood, what replaces it, the line, the words
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>", "plain text", 1,
         "malformed XML: "},
        {"</sat>", "</sit>", 5, "malformed XML: "},
        {"</satellites>\n", "</satellites>\n<satellites/>", 7, "malformed XML: "},
        {"<satellites>", "<channels>", 2, "<channels> where <satellites> belongs: not a "},
        {"<sat name", "<group/><sat name", 3, "<group> where <sat> belongs"},
        {"<transponder ", "<tp ", 4, "<tp> where <transponder> belongs"},
        {" position=\"130\"", "", 3, "<sat> without position"},
        {"\"130\"", "\"-1801\"", 3, "position=\"-1801\" is not a position in tenths of a"},
        {"frequency=\"10758000\"", "", 4, "<transponder> without frequency"},
        {"\"10758000\"", "\"10758000.5\"", 4, "frequency=\"10758000.5\" is not a frequency in"},
        {"\"10758000\"", "\"65535500\"", 4, "(1 to 65535 MHz)"},
        {"\"27500000\"", "\"499\"", 4, "symbol_rate=\"499\" is not a symbol rate"},
        {"polarization=\"1\"", "polarization=\"4\"", 4, "polarization=\"4\" is not 0, 1, 2 or 3"},
        {"fec_inner=\"3\"", "fec_inner=\"-1\"", 4, "fec_inner=\"-1\" is not a number"},
    };
    for (const auto& [from, to, line, words] : cases) {
        std::string text = kGood;
        ASSERT_NE(text.find(from), std::string::npos) << from;
        text.replace(text.find(from), std::strlen(from), to);
        std::vector<SXmlSatellite> satellites(1); // left as it is
        SXmlError error;
        EXPECT_FALSE(ReadSatellitesXml(text, satellites, error)) << to;
        EXPECT_EQ(std::tuple(error.nLine, satellites.size()), std::tuple(line, 1u)) << to;
        EXPECT_THAT(error.strText, HasSubstr(words)) << to;
    }
}

// The store holds satellites 10.0E, 10.1E, ... with transponders 3000, 3100, ... V at 27500 kS/s,
// 255 a satellite, and MUXes. The file merges (within the tolerance, and circular right as V),
// adds, leaves DVB-S2 out or takes it, and meets every capacity. The plan's lines, then the
// counts once it is carried out.
TEST(SatelliteImport, PlanMergesLeavesOutWhatDoesNotFitAndApplies) {
    const std::string astra = Sat("10.0E Astra 1KR/1L/1M", 100,
                                  Tp(3002000, 27500000, 1, 2) + Tp(3000000, 27500000, 0) +
                                      Tp(3100000, 27500000, 3) + Tp(10700000, 22000000, 2, -1, 1)) +
                              Sat("Thor 5/6/7 at 0.8 West", -8, Tp(10872000, 24500000, 1, 7, 1)) +
                              Sat("Amos", -40, Tp(11000000, 27500000, 2));
    const std::string three = Tp(60000000, 27500000, 0) + Tp(61000000, 27500000, 0) +
                              Tp(3002000, 27500000, 1); // the last merges with the first stored
    const std::string s2 = "  1 DVB-S2 taken: the box's records hold no modulation, so it may not "
                           "tune them";
    const std::string amos = "4.0W \"Amos\": new satellite; 1 transponder: 1 added";
    const std::string left = "  circular polarisation: 1 left taken as horizontal";
    // satellites, transponders and MUXes stored; the file; DVB-S2 taken; the lines; counts after
    using Shape = std::array<int, 3>;
    const std::tuple<Shape, std::string, bool, std::vector<std::string>, const char*> cases[] = {
        {{1, 2, 0},
         astra,
         false,
         {"10.0E \"10.0E Astra 1KR/1L/1M\": into satellite 2 \"SAT\"; 4 transponders: 1 added, 2 "
          "merged, 1 DVB-S2 left out",
          "  circular polarisation: 1 right taken as vertical",
          "0.8W \"Thor 5/6/7 at 0.8 West\": nothing taken; 1 transponder: 1 DVB-S2 left out", amos,
          left,
          "in all: 3 satellites, 1 new; 2 transponders added, 2 merged, 2 left out, 0 do not fit"},
         "satellites 2, transponders 4, networks 0, MUXes 0, services 0 0 0 0; 3002"},
        {{1, 2, 0},
         astra,
         true,
         {"10.0E \"10.0E Astra 1KR/1L/1M\": into satellite 2 \"SAT\"; 4 transponders: 2 added, 2 "
          "merged",
          "  circular polarisation: 1 left taken as horizontal, 1 right taken as vertical", s2,
          "0.8W \"Thor 5/6/7 at 0.8 West\": new satellite \"Thor 5/6/7 at 0.\"; 1 transponder: 1 "
          "added",
          s2, amos, left,
          "in all: 3 satellites, 2 new; 4 transponders added, 2 merged, 0 left out, 0 do not fit"},
         "satellites 3, transponders 6, networks 0, MUXes 0, services 0 0 0 0; 3002"},
        {{1, 254, 0},
         Sat("A", 100, three),
         false,
         {"10.0E \"A\": into satellite 2 \"SAT\"; 3 transponders: 1 added, 1 merged, 1 do not fit "
          "(imported partly)",
          "  does not fit 61000 H 27500: the satellite holds 255 transponders",
          "in all: 1 satellite, 0 new; 1 transponder added, 1 merged, 0 left out, 1 do not fit"},
         "satellites 1, transponders 255, networks 0, MUXes 0, services 0 0 0 0; 3002"},
        {{5, 1259, 100},
         Sat("A", 104, three) + Sat("New", -1, Tp(11000000, 27500000, 0)),
         false,
         {"10.4E \"A\": into satellite 6 \"SAT\"; 3 transponders: 1 added, 1 merged, 1 do not fit "
          "(imported partly)",
          "  does not fit 61000 H 27500: the image holds 1360 transponders and MUXes",
          "0.1W \"New\": not imported; 1 transponder: 1 do not fit",
          "  does not fit 11000 H 27500: the image holds 1360 transponders and MUXes",
          "in all: 2 satellites, 0 new; 1 transponder added, 1 merged, 0 left out, 2 do not fit"},
         "satellites 5, transponders 1260, networks 0, MUXes 100, services 0 0 0 0; 3000"},
        {{kImageSatellites, 1, 0},
         Sat("A", 100, three) + Sat("New", -1, three),
         false,
         {"10.0E \"A\": into satellite 2 \"SAT\"; 3 transponders: 2 added, 1 merged",
          "0.1W \"New\": not imported: the image holds 119 satellites; 3 transponders: 3 do not "
          "fit",
          "in all: 2 satellites, 0 new; 2 transponders added, 1 merged, 0 left out, 3 do not fit"},
         "satellites 119, transponders 3, networks 0, MUXes 0, services 0 0 0 0; 3002"},
    };
    for (const auto& [shape, sats, bWithS2, lines, after] : cases) {
        CChannelStore store;
        FillTables(store, shape[0], shape[1], shape[2]);
        const std::vector<SXmlSatellite> file = Read(sats);
        SImportChoice choice = DefaultChoice(file, bWithS2);
        for (SSatelliteChoice& c : choice)
            c.bChosen = true;
        const SImportPlan plan = PlanImport(store, file, choice, CNameCodec());
        EXPECT_EQ(ImportPlanLines(plan, CNameCodec()), lines);
        ApplyImport(store, plan);
        EXPECT_EQ(CountsText(store) + "; " + std::to_string(store.GetTransponder(2, 1)->frequency),
                  after);
    }
    // The new satellite is what the panel offers: universal LNB, LNB power on, the rest off.
    SSAT_INFO expected = MakeSat(3592, "Thor 5/6/7 at 0.8 West");
    const SSAT_INFO made = BoxSatellite(Read(astra)[1], CNameCodec());
    std::tie(expected.bSwitch, expected.bCLnb) = std::tuple(SW_LNB_POWER, 2);
    EXPECT_EQ(std::memcmp(&made, &expected, sizeof made), 0);
}

} // namespace
