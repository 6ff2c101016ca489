// zdftool: every command's arguments, the check verdict, info and dump.
#include "sample_db.h"
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
        {{"--version"}, ZDF_OK, "zdftool " ORVANE_VERSION "\n", ""},
        {{"info"}, ZDF_USAGE, "", "no file given"},
        {{"check", "a.zdf", "b.zdf"}, ZDF_USAGE, "", "one file only"},
        {{"dump", "a.zdf", "--xml"}, ZDF_USAGE, "", "unknown option --xml"},
        {{"info", "--help"}, ZDF_OK, "usage: zdftool info FILE", ""},
        {{"check", "missing.zdf", "-h"}, ZDF_OK, "usage: zdftool check FILE", ""},
        {{"send"}, ZDF_USAGE, "", "a port and a file are needed"},
        {{"receive", "COM1"}, ZDF_USAGE, "", "usage: zdftool receive PORT FILE"},
        {{"send", "COM1", "a.zdf", "b.zdf"}, ZDF_USAGE, "", "a port and a file are needed"},
        {{"receive", "--help"}, ZDF_OK, "Nothing is written unless every block arrived", ""},
        {{"order", in}, ZDF_USAGE, "", "wrong number of files\nusage: zdftool order IN REF [OUT]"},
        {{"order", in, kSample, out, "--in-place"}, ZDF_USAGE, "", "--in-place writes over the"},
        {{"order", in, kSample, in}, ZDF_USAGE, "", " is an input; --in-place writes over the"},
        {{"order", in, kSample, again}, ZDF_USAGE, "", " is an input"},
        {{"order", in, csv, csv}, ZDF_USAGE, "", " is an input"},
        {{"import", in, csv, out, "--flags"}, ZDF_USAGE, "", "unknown option --flags"},
        {{"import", in, csv, in}, ZDF_USAGE, "", " is an input"},
        {{"dupes", in, in}, ZDF_USAGE, "", " is an input"},
        {{"dupes", in, out, "x"}, ZDF_USAGE, "", "wrong number of files"},
        {{"export", in}, ZDF_USAGE, "", "the format is needed: --csv"},
        {{"export", in, "--csv", "--list", "hd"}, ZDF_USAGE, "", "unknown list hd"},
        {{"export", in, "--csv", "--list"}, ZDF_USAGE, "", "--list needs a value"},
        {{"export", in, "--csv", "-o", again}, ZDF_USAGE, "", " is the data file"},
        {{"diff", in}, ZDF_USAGE, "", "two files are needed"},
        {{"diff", in, Path("missing.zdf")}, ZDF_USAGE, "", "missing.zdf: cannot open the file"},
        {{"order", in, Path("missing.csv"), out}, ZDF_FAILED, "", "cannot open"},
        {{"import", in, kSample, out}, ZDF_FAILED, "", "sample.zdf: row 1, column "}};
    for (const auto& c : cases) {
        const ZdfResult r = Zdf(c.args);
        const std::string line = c.args.empty() ? "(none)" : c.args[0] + " " + c.args.back();
        EXPECT_EQ(r.nExit, c.nExit) << line << "\n" << r.err;
        EXPECT_THAT(r.out, HasSubstr(c.inOut)) << line;
        EXPECT_THAT(r.err, HasSubstr(c.inErr)) << line;
    }
    EXPECT_EQ(Bytes(in), Bytes(kSample));
    EXPECT_FALSE(Exists(out));
}

// A file that reads whole is "ok"; otherwise one line says why (the texts are the reader's).
TEST(ZdfToolCheck, Verdicts) {
    const std::pair<std::string, const char*> cases[] = {
        {kSample, nullptr},
        {kData + "/missing.zdf", "No such file"},
        {kData + "/empty.zdf", "the file is empty"},
        {kData + "/no_terminator.zdf", "not a channel data file"},
        {kData + "/bad_chunk.zdf", "damaged"},
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
         {"Satellites (9)\n", "DiSEqC A", "ToneBurst Sat B",
          "Atlanta 30.0W     30.0W   LNB Univ.LNB1(9750, 10600), C-LNB C Single Solution(5150,"
          "5750), LNB power on, 0V/12V off, 22kHz off, ToneBurst off, DiSEqC none, C/KU none\n\n"
          "Transponders (36)\n",
          "MUXes (8)\n", "  mux   1    474 MHz", "Networks (12)\n", "  id   1  Helion Direct\n",
          "Satellite TV (", "Terrestrial radio (", "TERRESTRIAL", " Dolby", " CA", " Lock"}}};
    for (const auto& [args, parts] : cases) {
        const ZdfResult r = Zdf(args);
        ASSERT_EQ(r.nExit, ZDF_OK) << r.err;
        for (const std::string& part : parts)
            EXPECT_THAT(r.out, HasSubstr(part));
    }
}

// Names with quotes, backslashes, control and Latin-1 bytes still give valid JSON.
TEST_F(ZdfTool, JsonDumpMatchesTheStore) {
    CChannelStore store;
    FillSampleStore(store);
    SetName(store.GetSatellite(2)->szName, "Say \"hi\"\\\x01\xE9");
    store.SetPathName(Path("odd.zdf"));
    ASSERT_TRUE(store.WriteDataFile());

    const ZdfResult r = Zdf({"dump", Path("odd.zdf"), "--json"});
    ASSERT_EQ(r.nExit, ZDF_OK) << r.err;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject root = doc.object();
    EXPECT_EQ(root["satellites"].toArray().size(), store.GetSatelliteCount());
    EXPECT_EQ(root["transponders"].toArray().size(), store.GetTransponderCount());
    EXPECT_EQ(root["muxes"].toArray().size(), store.GetMuxCount());
    EXPECT_EQ(root["networks"].toArray().size(), store.GetNetworkCount());
    const char* keys[kListCount] = {"sat_tv", "sat_radio", "terr_tv", "terr_radio"};
    for (BYTE list = 0; list < kListCount; ++list)
        EXPECT_EQ(root["services"][keys[list]].toArray().size(), store.GetServiceCount(list));

    const QJsonObject first = root["satellites"].toArray()[0].toObject();
    EXPECT_EQ(first["name"].toString(), QString::fromUtf8("Say \"hi\"\\.\u00E9"));
    EXPECT_EQ(first["position_text"].toString(), "19.2E");
    const QJsonObject svc = root["services"]["sat_tv"].toArray()[0].toObject();
    const SSVC_INFO& rec = *store.GetService(0, LIST_SAT_TV);
    EXPECT_EQ(svc["service_id"].toInt(), rec.wServiceId);
    EXPECT_EQ(svc["audio_pid"].toInt(), rec.wAudioPid & AUDIO_PID_MASK);
    EXPECT_EQ(svc["dolby"].toBool(), (rec.wAudioPid & AUDIO_DOLBY) != 0);
}
