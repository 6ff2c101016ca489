// zdftool order, dupes, diff, export, import and import-satellites: exit statuses and the files
// written; what they do to the lists is the store's, tested there, and their arguments are in
// zdftool_test.
#include "channel_store.h"
#include "zdf_run.h"

#include <QJsonDocument>

#include <gmock/gmock.h>

using ::testing::HasSubstr;
using ListCommands = ZdfFiles;

// Export then import writes the same file; an edited CSV changes it, and diff tells how.
TEST_F(ListCommands, ExportImportDiff) {
    const std::string csv = Path("lists.csv");
    ASSERT_EQ(Zdf({"export", in, "--csv", "-o", csv}).nExit, ZDF_OK);
    EXPECT_EQ(Zdf({"export", in, "--csv"}).out, Bytes(csv));
    const ZdfResult imported = Zdf({"import", in, csv, out});
    ASSERT_EQ(imported.nExit, ZDF_OK) << imported.err;
    EXPECT_THAT(imported.out, HasSubstr("satellite-tv: 221 services; 221 matched by key"));
    EXPECT_EQ(Bytes(out), Bytes(in));
    const ZdfResult same = Zdf({"diff", in, out});
    EXPECT_EQ(same.nExit, ZDF_OK);
    EXPECT_EQ(same.out, "");

    std::string text = Bytes(csv);
    text.replace(text.find("Ember Life"), 10, "Ember Lif\u00E9");
    text.replace(text.find("terrestrial-tv,1,Coral Plus"), 27, "terrestrial-tv,1,Coral Max");
    Write(csv, text);
    ASSERT_EQ(Zdf({"import", in, csv, "--in-place"}).nExit, ZDF_OK);
    const ZdfResult diff = Zdf({"diff", kSample, in});
    EXPECT_EQ(diff.nExit, ZDF_FAILED);
    EXPECT_THAT(diff.out, HasSubstr("terrestrial-tv: renamed 1 \"Coral Max\""));
    const ZdfResult json = Zdf({"diff", kSample, in, "--json"});
    EXPECT_EQ(json.nExit, ZDF_FAILED);
    const QJsonValue lists = QJsonDocument::fromJson(QByteArray::fromStdString(json.out))["lists"];
    QString shown;
    for (const char* list : {"satellite-tv", "terrestrial-tv"}) {
        const QJsonValue now = lists[list]["changed"][0]["now"];
        shown += now["name"].toString() + ' ' + QString::number(now["number"].toInt()) + ' ' +
                 now["polarisation"].toString("none") + ';';
    }
    EXPECT_EQ(shown, QString::fromUtf8("Ember Lif\u00E9 1 V;Coral Max 1 none;"));

    // A MUX changed alone is a difference too.
    CChannelStore changed;
    changed.SetPathName(kSample);
    ASSERT_TRUE(changed.ReadDataFile());
    STP_INFO mux1 = *changed.GetMux(1);
    mux1.drift ^= 1;
    changed.SetMux(1, mux1);
    changed.SetPathName(out);
    ASSERT_TRUE(changed.WriteDataFile());
    const ZdfResult mux = Zdf({"diff", kSample, out});
    EXPECT_EQ(std::tuple(mux.nExit, mux.out),
              std::tuple(ZDF_FAILED, "MUXes: changed 1 474 MHz: drift\n"));
}

TEST_F(ListCommands, OrderAndDupesWriteTheirOutput) {
    const std::string csv = Path("tv.csv");
    ASSERT_EQ(Zdf({"export", in, "--csv", "--list", "terrestrial-radio", "-o", csv}).nExit, ZDF_OK);
    std::string text = Bytes(csv);
    text.replace(text.find("radio,1,"), 8, "radio,99,"); // first to last
    Write(csv, text);
    const ZdfResult ordered = Zdf({"order", in, csv, out, "--keep-places"});
    ASSERT_EQ(ordered.nExit, ZDF_OK) << ordered.err;
    EXPECT_THAT(ordered.out, HasSubstr("satellite-tv: not in the reference, left as it is"));
    EXPECT_THAT(Zdf({"diff", in, out}).out,
                HasSubstr("terrestrial-radio: moved 16 \"Pioneer FM\": 1 -> 16"));

    const ZdfResult listed = Zdf({"dupes", in});
    EXPECT_EQ(listed.nExit, ZDF_OK);
    EXPECT_THAT(listed.out, HasSubstr("terrestrial-radio: \"Pioneer FM\" at 1, 2\n"));
    // The store's proposal: the two on the transponder of an earlier one of their group.
    EXPECT_THAT(Zdf({"dupes", in, "--in-place"}).out, HasSubstr("deleted 2 services\nwrote " + in));
}

// --sat, --with-s2 and --in-place reach the import; a satellite the file lacks and a faulty file
// write nothing.
TEST_F(ListCommands, ImportSatellites) {
    const std::string xml = Path("sats.xml");
    Write(xml,
          "<satellites>\n<sat name=\"Thor\" position=\"-8\">\n<transponder frequency=\"10872000\" "
          "symbol_rate=\"24500000\" polarization=\"1\" system=\"1\"/>\n</sat>\n</satellites>\n");
    EXPECT_THAT(Zdf({"import-satellites", in, xml, out}).out, HasSubstr("1 DVB-S2 left out\n"));
    ZdfResult r = Zdf({"import-satellites", in, xml, "--in-place", "--with-s2", "--sat", "0.8W"});
    EXPECT_EQ(std::tuple(r.nExit, r.out.find("1 transponder: 1 added\n") != std::string::npos,
                         Bytes(in) != Bytes(kSample)),
              std::tuple(ZDF_OK, true, true));
    EXPECT_EQ(Zdf({"import-satellites", in, xml, out, "--sat", "19.2E"}).err,
              "zdftool: " + xml + " has no satellite at 19.2E\n");
    Write(xml, "<satellites>\n<sat position=\"1\">\n</satellites>\n");
    r = Zdf({"import-satellites", in, xml, out});
    EXPECT_EQ(std::tuple(r.nExit, r.err, Bytes(out) == Bytes(kSample)),
              std::tuple(ZDF_FAILED,
                         "zdftool: " + xml +
                             ": line 3: malformed XML: Opening and ending tag mismatch.\n",
                         true));
}
