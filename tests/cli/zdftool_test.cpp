// zdftool: every command's arguments, the check verdict, info and dump.
#include "sample_db.h"
#include "store_builders.h"
#include "zdf_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gmock/gmock.h>

using ::testing::HasSubstr;

namespace {

using ZdfTool = ZdfFiles;

const char* const kDroppedNetworks =
    "network block 1 claims 205 records (at most 204): every network name is dropped";

} // namespace

// Usage errors exit with 2 and say what is wrong, files that cannot be used with 1; help goes
// to standard output; nothing is written.
TEST_F(ZdfTool, ArgumentsAndRefusals) {
    const std::string csv = Path("in.csv");
    Write(csv, "list,number,name,position,frequency,polarisation,symbol_rate,service_id,network,"
               "video_pid,audio_pid,pcr_pid,flags\n");
    const std::string again = Path("sub/../in.zdf");
    const struct {
        std::vector<std::string> args;
        int nExit;
        const char* inOut;
        const char* inErr;
    } cases[] = {
        {{}, ZDF_USAGE, "", "usage: zdftool COMMAND"},
        {{"--help"}, ZDF_OK, "check FILE", ""},
        {{"help", "dump"}, ZDF_OK, "usage: zdftool dump FILE [--json]", ""},
        {{"frobnicate"}, ZDF_USAGE, "", "unknown command 'frobnicate'"},
        {{"--frobnicate"}, ZDF_USAGE, "", "unknown option '--frobnicate'\n\nusage: zdftool"},
        {{"info"}, ZDF_USAGE, "", "no file given"},
        {{"dump", "a.zdf", "--xml"}, ZDF_USAGE, "", "unknown option --xml"},
        {{"check", "missing.zdf", "-h"}, ZDF_OK, "usage: zdftool check FILE", ""},
        {{"send"}, ZDF_USAGE, "", "a port and a file are needed"},
        {{"order", in}, ZDF_USAGE, "", "wrong number of files\nusage: zdftool order IN REF [OUT]"},
        {{"order", in, kSample, out, "--in-place"}, ZDF_USAGE, "", "--in-place writes over the"},
        {{"order", in, kSample, in}, ZDF_USAGE, "", " is an input; --in-place writes over the"},
        {{"order", in, kSample, again}, ZDF_USAGE, "", " is an input"},
        {{"export", in}, ZDF_USAGE, "", "the format is needed: --csv"},
        {{"export", in, "--csv", "--list", "hd"}, ZDF_USAGE, "", "unknown list hd"},
        {{"export", in, "--csv", "-o", again}, ZDF_USAGE, "", " is the data file"},
        {{"diff", in}, ZDF_USAGE, "", "two files are needed"},
        {{"diff", in, Path("missing.zdf")}, ZDF_USAGE, "", "missing.zdf: cannot open the file"},
        {{"order", in, Path("missing.csv"), out}, ZDF_FAILED, "", "cannot open"},
        {{"import", in, kSample, out}, ZDF_FAILED, "", "sample.zdf: row 1, column "},
        {{"import-satellites", in, csv, again}, ZDF_USAGE, "", " is an input"},
        {{"import-satellites", in, csv, out, "--sat", "19.2"}, ZDF_USAGE, "", "\"19.2\" is not a"}};
    // An empty part: nothing at all goes to that stream.
    const auto holds = [](const std::string& text, const char* part) {
        return *part ? text.find(part) != std::string::npos : text.empty();
    };
    for (const auto& c : cases) {
        const ZdfResult r = Zdf(c.args);
        const std::string line = c.args.empty() ? "(none)" : c.args[0] + " " + c.args.back();
        EXPECT_EQ(r.nExit, c.nExit) << line << "\n" << r.err;
        EXPECT_TRUE(holds(r.out, c.inOut)) << line << "\n" << r.out;
        EXPECT_TRUE(holds(r.err, c.inErr)) << line << "\n" << r.err;
    }
    EXPECT_EQ(Bytes(in), Bytes(kSample));
    EXPECT_FALSE(Exists(out));
}

// A file that reads whole is "ok"; otherwise one line says why (the texts are the reader's).
TEST(ZdfToolCheck, Verdicts) {
    const std::pair<std::string, const char*> cases[] = {
        {kSample, nullptr},
        {kData + "/missing.zdf", "No such file"},
        {kData + "/dropped_sections.zdf", kDroppedNetworks}};
    for (const auto& [file, reason] : cases) {
        const ZdfResult r = Zdf({"check", file});
        EXPECT_EQ(r.nExit, reason ? ZDF_FAILED : ZDF_OK) << file << "\n" << r.err;
        EXPECT_EQ(r.out, reason ? "" : file + ": ok\n");
        if (reason) {
            EXPECT_THAT(r.err, HasSubstr(reason));
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err; // one line
        }
    }
}

// info: the magic as written, counts, blocks, a shifted file and warnings; dump: every kind of
// record.
TEST_F(ZdfTool, InfoAndDump) {
    std::string odd = Bytes(kSample);
    odd.replace(1, 3, " \x7F\x01");
    Write(Path("odd.zdf"), odd);
    CChannelStore cLnb; // the sample with its first satellite's C-LNB set to 5750
    cLnb.SetPathName(kSample);
    ASSERT_TRUE(cLnb.ReadDataFile());
    SSAT_INFO sat = *cLnb.GetSatellite(2);
    sat.bCLnb = 4;
    cLnb.SetSatellite(2, sat);
    cLnb.SetPathName(Path("c_lnb.zdf"));
    ASSERT_TRUE(cLnb.WriteDataFile());
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"info", kSample},
         {"Header:            \"ABCD\", 43 bytes\n", "Image:             214016 bytes\n",
          "Satellites:        9\n", "MUXes:             8\n", "Networks:          12\n",
          "Blocks:            0-1 ok, 2 empty, 3 ok, 4-6 empty, 7-10 ok, 11-50 empty\n"}},
        {{"info", Path("odd.zdf")}, {"Header:            \"A \\x7F\\x01\", 43 bytes\n"}},
        {{"info", kData + "/shifted_zeph.zdf"},
         {"\"ZEPH\", 43 bytes", "blocks shifted by one block", "Satellites:        9"}},
        {{"info", kData + "/dropped_sections.zdf"},
         {"Blocks:            0-1 ok, 2 empty, 3 ok, 4-6 empty, 7 ok, 8 empty, 9-10 never read",
          "\nWarning:           " + std::string(kDroppedNetworks) +
              "\nWarning:           service block 9 is never read: the empty block 8 before it "
              "ends the section\n"}},
        {{"dump", kSample},
         {"DiSEqC A", "ToneBurst Sat B",
          "Atlanta 30.0W     30.0W   LNB Univ.LNB1(9750, 10600), C-LNB C Single Solution(5150,"
          "5750), LNB power on, 0V/12V off, 22kHz off, ToneBurst off, DiSEqC none, C/KU none\n\n"
          "Transponders (36)\n",
          "  mux   1    474 MHz", "  id   1  Helion Direct\n", "Satellite TV (",
          "Terrestrial radio (", " Dolby", " CA", " Lock"}},
        {{"dump", Path("c_lnb.zdf")}, {"C-LNB 5750, LNB power"}}};
    for (const auto& [args, parts] : cases) {
        const ZdfResult r = Zdf(args);
        ASSERT_EQ(r.nExit, ZDF_OK) << r.err;
        for (const std::string& part : parts)
            EXPECT_THAT(r.out, HasSubstr(part));
    }
}

// Names with quotes, backslashes, control and accented bytes still give valid JSON.
TEST_F(ZdfTool, JsonDumpMatchesTheStore) {
    CChannelStore store;
    FillSampleStore(store);
    SSAT_INFO sat = *store.GetSatellite(2);
    SetName(sat.szName, "Say \"hi\"\\\x01\xE9");
    store.SetSatellite(2, sat);
    store.SetPathName(Path("odd.zdf"));
    ASSERT_TRUE(store.WriteDataFile());

    const ZdfResult r = Zdf({"dump", Path("odd.zdf"), "--json"});
    ASSERT_EQ(r.nExit, ZDF_OK) << r.err;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject root = doc.object();
    const QJsonValue lists = root["services"];
    const auto n = [](const QJsonValue& v) { return std::to_string(v.toArray().size()); };
    EXPECT_EQ("satellites " + n(root["satellites"]) + ", transponders " + n(root["transponders"]) +
                  ", networks " + n(root["networks"]) + ", MUXes " + n(root["muxes"]) +
                  ", services " + n(lists["sat_tv"]) + " " + n(lists["sat_radio"]) + " " +
                  n(lists["terr_tv"]) + " " + n(lists["terr_radio"]),
              CountsText(store));

    EXPECT_EQ(root["satellites"][0]["name"].toString(),
              QString::fromUtf8("Say \"hi\"\\\uFFFD01\u00E9")); // the control byte as its mark
    const QJsonValue svc = lists["sat_tv"][0];
    const SSVC_INFO& rec = *store.GetService(0, LIST_SAT_TV);
    EXPECT_EQ(
        std::tuple(svc["service_id"].toInt(), svc["audio_pid"].toInt(), svc["dolby"].toBool()),
        std::tuple(int(rec.wServiceId), rec.wAudioPid & AUDIO_PID_MASK,
                   (rec.wAudioPid & AUDIO_DOLBY) != 0));
}
