// zdftool: command line handling, the check verdict on good and broken files, info, dump.
#include "pty_box.h"
#include "sample_db.h"
#include "zdf_report.h"
#include "zdftool.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <sstream>

namespace {

const std::string kData = ORVANE_TEST_DATA;
const std::string kSample = kData + "/../../res/sample.zdf";

struct Result {
    int nExit;
    std::string out, err;
};

Result RunTool(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int n = RunZdfTool(args, out, err);
    return {n, out.str(), err.str()};
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ZdfTool : public ::testing::Test {
  protected:
    std::string Path(const char* name) const {
        return QDir(m_dir.path()).filePath(name).toStdString();
    }
    QTemporaryDir m_dir;
};

TEST(ZdfToolArgs, UsageAndHelp) {
    struct Case {
        std::vector<std::string> args;
        int nExit;
        const char* inOut;
        const char* inErr;
    };
    const Case cases[] = {
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
    };
    for (const Case& c : cases) {
        const Result r = RunTool(c.args);
        const std::string line = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(r.nExit, c.nExit) << line;
        EXPECT_TRUE(Contains(r.out, c.inOut)) << line << "\n" << r.out;
        EXPECT_TRUE(Contains(r.err, c.inErr)) << line << "\n" << r.err;
    }
}

const char* const kDroppedNetworks =
    "network block 1 claims 205 records (at most 204): every network name is dropped";

TEST(ZdfToolCheck, Verdicts) {
    struct Case {
        std::string file;
        int nExit;
        const char* reason;
    };
    const Case cases[] = {
        {kSample, ZDF_OK, ""},
        {kData + "/shifted_zeph.zdf", ZDF_OK, ""},
        {kData + "/foreign_header.zdf", ZDF_OK, ""},
        {kData + "/missing.zdf", ZDF_FAILED, "No such file"},
        {kData + "/empty.zdf", ZDF_FAILED, "the file is empty"},
        {kData + "/no_terminator.zdf", ZDF_FAILED, "not a channel data file"},
        {kData + "/bad_chunk.zdf", ZDF_FAILED, "damaged"},
        {kData + "/truncated.zdf", ZDF_FAILED, "the file is truncated"},
        {kData + "/bad_block0.zdf", ZDF_FAILED, "satellite block 0 fails its checksum"},
        {kData + "/bad_service_block.zdf", ZDF_FAILED, "service block 8 fails its checksum"},
        // Every block verifies: the reader's own rules drop what is lost.
        {kData + "/dropped_sections.zdf", ZDF_FAILED, kDroppedNetworks},
    };
    for (const Case& c : cases) {
        const Result r = RunTool({"check", c.file});
        EXPECT_EQ(r.nExit, c.nExit) << c.file << "\n" << r.err;
        if (c.nExit == ZDF_OK) {
            EXPECT_EQ(r.out, c.file + ": ok\n");
        } else {
            EXPECT_TRUE(Contains(r.err, c.reason)) << c.file << "\n" << r.err;
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err; // one line
        }
    }
}

// info: counts, blocks, a shifted file and warnings; dump: every kind of record.
TEST(ZdfToolText, InfoAndDump) {
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"info", kSample},
         {"Header:            \"ABCD\", 43 bytes\n", "Image:             214016 bytes\n",
          "Satellites:        9\n", "MUXes:             8\n", "Networks:          12\n",
          "Blocks:            0-1 ok, 2 empty, 3 ok, 4-6 empty, 7-10 ok, 11-50 empty\n"}},
        {{"info", kData + "/shifted_zeph.zdf"},
         {"\"ZEPH\", 43 bytes", "blocks shifted by one block", "Satellites:        9"}},
        {{"info", kData + "/dropped_sections.zdf"},
         {"Blocks:            0-1 ok, 2 empty, 3 ok, 4-6 empty, 7 ok, 8 empty, 9-10 never read",
          "\nWarning:           " + std::string(kDroppedNetworks) +
              "\nWarning:           service block 9 is never read: the empty block 8 before it "
              "ends the section\n"}},
        {{"dump", kSample},
         {"Satellites (9)\n", "Helion 19.2E      19.2E   LNB Univ.LNB1(9750, 10600)",
          "Boreas 5.0W       5.0W", "DiSEqC A", "ToneBurst Sat B", "Transponders (", "MUXes (8)\n",
          "  mux   1    474 MHz", "Networks (12)\n", "  id   1  Helion Direct\n", "Satellite TV (",
          "Terrestrial radio (", "TERRESTRIAL", " Dolby", " CA", " Lock"}},
    };
    for (const auto& [args, parts] : cases) {
        const Result r = RunTool(args);
        ASSERT_EQ(r.nExit, ZDF_OK) << r.err;
        for (const std::string& part : parts)
            EXPECT_TRUE(Contains(r.out, part)) << part << "\n" << r.out;
    }
}

// Names with quotes, backslashes, control and Latin-1 bytes still give valid JSON.
TEST_F(ZdfTool, JsonDumpMatchesTheStore) {
    CChannelStore store;
    FillSampleStore(store);
    SetName(store.GetSatellite(2)->szName, "Say \"hi\"\\\x01\xE9");
    store.SetPathName(Path("odd.zdf"));
    ASSERT_TRUE(store.WriteDataFile());

    const Result r = RunTool({"dump", Path("odd.zdf"), "--json"});
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

} // namespace

TEST_F(ZdfTool, ReceiveThenSendThroughTheBoxOnAPseudoTerminal) {
    static int argc = 1;
    static char szName[] = "cli_tests";
    static char* argv[] = {szName, nullptr};
    if (QCoreApplication::instance() == nullptr)
        new QCoreApplication(argc, argv); // lives for the whole test program
    CChannelStore sample;
    sample.SetPathName(kSample);
    ASSERT_TRUE(sample.ReadDataFile());
    SBoxOptions options;
    options.image.resize(kTransferImageSize);
    ASSERT_EQ(sample.BuildImage(options.image.data()), kTransferImageSize);
    CPtyBox box(options);
    std::string strError;
    ASSERT_TRUE(box.Open(strError)) << strError;
    box.SetRestartAfterQuiet(50);

    const std::string fetched = Path("fetched.zdf");
    const Result received = RunTool({"receive", box.DevicePath(), fetched});
    ASSERT_EQ(received.nExit, ZDF_OK) << received.err;
    // Sending the fetched file back gives the box its own channels: both directions are wired,
    // and what was received was written whole (link tests cover the file handling itself).
    const Result sent = RunTool({"send", box.DevicePath(), fetched});
    ASSERT_EQ(sent.nExit, ZDF_OK) << sent.err;
    EXPECT_EQ(box.Box().ReceivedImage(), options.image);
}
