// zdftool order, dupes, diff, export and import: arguments, exit statuses and the files
// written; what they do to the lists is the store's, tested there.
#include "zdftool.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <sstream>

namespace {

const std::string kSample = std::string(ORVANE_TEST_DATA) + "/../../res/sample.zdf";

struct Result {
    int nExit;
    std::string out, err;
};

Result Zdf(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int n = RunZdfTool(args, out, err);
    return {n, out.str(), err.str()};
}

QByteArray Bytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ListCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(QString::fromStdString(kSample), QString::fromStdString(in)));
    }
    std::string Path(const char* name) const {
        return QDir(m_dir.path()).filePath(name).toStdString();
    }
    void Write(const std::string& path, const std::string& text) const {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
    }
    QTemporaryDir m_dir;
    const std::string in = Path("in.zdf");
    const std::string out = Path("out.zdf");
};

TEST_F(ListCommands, ArgumentsAndRefusals) {
    const std::string csv = Path("in.csv");
    Write(csv, "list,number,name,position,frequency,polarisation,symbol_rate,service_id,network,"
               "video_pid,audio_pid,pcr_pid,flags\n");
    const std::string again = Path("sub/../in.zdf");
    struct Case {
        std::vector<std::string> args;
        int nExit;
        const char* inErr;
    };
    const Case cases[] = {
        {{"order", in}, ZDF_USAGE, "wrong number of files\nusage: zdftool order IN REF [OUT]"},
        {{"order", in, kSample, out, "--in-place"}, ZDF_USAGE, "--in-place writes over the input"},
        {{"order", in, kSample, in}, ZDF_USAGE, " is an input; --in-place writes over the input"},
        {{"order", in, kSample, again}, ZDF_USAGE, " is an input"},
        {{"order", in, csv, csv}, ZDF_USAGE, " is an input"},
        {{"import", in, csv, out, "--flags"}, ZDF_USAGE, "unknown option --flags"},
        {{"import", in, csv, in}, ZDF_USAGE, " is an input"},
        {{"dupes", in, in}, ZDF_USAGE, " is an input"},
        {{"dupes", in, out, "x"}, ZDF_USAGE, "wrong number of files"},
        {{"export", in}, ZDF_USAGE, "the format is needed: --csv"},
        {{"export", in, "--csv", "--list", "hd"}, ZDF_USAGE, "unknown list hd"},
        {{"export", in, "--csv", "--list"}, ZDF_USAGE, "--list needs a value"},
        {{"export", in, "--csv", "-o", again}, ZDF_USAGE, " is the data file"},
        {{"diff", in}, ZDF_USAGE, "two files are needed"},
        {{"diff", in, Path("missing.zdf")}, ZDF_USAGE, "missing.zdf: cannot open the file"},
        {{"order", in, Path("missing.csv"), out}, ZDF_FAILED, "cannot open"},
        {{"import", in, kSample, out}, ZDF_FAILED, "sample.zdf: row 1, column "},
    };
    for (const Case& c : cases) {
        const Result r = Zdf(c.args);
        EXPECT_EQ(r.nExit, c.nExit) << c.args[0] << " " << c.args.back() << "\n" << r.err;
        EXPECT_NE(r.err.find(c.inErr), std::string::npos) << r.err;
    }
    EXPECT_EQ(Bytes(in), Bytes(kSample));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
    for (const char* command : {"order", "dupes", "diff", "export", "import"})
        EXPECT_EQ(Zdf({command, "--help"}).nExit, ZDF_OK) << command;
}

// Export then import writes the same file; an edited CSV changes it, and diff tells how.
TEST_F(ListCommands, ExportImportDiff) {
    const std::string csv = Path("lists.csv");
    ASSERT_EQ(Zdf({"export", in, "--csv", "-o", csv}).nExit, ZDF_OK);
    const Result printed = Zdf({"export", in, "--csv"});
    EXPECT_EQ(QByteArray::fromStdString(printed.out), Bytes(csv));
    const Result imported = Zdf({"import", in, csv, out});
    ASSERT_EQ(imported.nExit, ZDF_OK) << imported.err;
    EXPECT_NE(imported.out.find("satellite-tv: 221 services; 221 matched by key"),
              std::string::npos)
        << imported.out;
    EXPECT_EQ(Bytes(out), Bytes(in));
    EXPECT_EQ(Zdf({"diff", in, out}).out, "");
    EXPECT_EQ(Zdf({"diff", in, out}).nExit, ZDF_OK);

    std::string text = Bytes(csv).toStdString();
    text.replace(text.find("Ember Life"), 10, "Ember Lif\u00E9");
    Write(csv, text);
    ASSERT_EQ(Zdf({"import", in, csv, "--in-place"}).nExit, ZDF_OK);
    const Result diff = Zdf({"diff", kSample, in});
    EXPECT_EQ(diff.nExit, ZDF_FAILED);
    EXPECT_EQ(diff.out, "satellite-tv: renamed 1 \"Ember Lif\u00E9\": \"Ember Life\" -> \"Ember "
                        "Lif\u00E9\"\n");
    const Result json = Zdf({"diff", kSample, in, "--json"});
    EXPECT_EQ(json.nExit, ZDF_FAILED);
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(
                  json.out))["lists"]["satellite-tv"]["changed"][0]["now"]["name"]
                  .toString(),
              QString::fromUtf8("Ember Lif\u00E9"));
}

TEST_F(ListCommands, OrderAndDupesWriteTheirOutput) {
    const std::string csv = Path("tv.csv");
    ASSERT_EQ(Zdf({"export", in, "--csv", "--list", "terrestrial-radio", "-o", csv}).nExit, ZDF_OK);
    std::string text = Bytes(csv).toStdString();
    text.replace(text.find("radio,1,"), 8, "radio,99,"); // first to last
    Write(csv, text);
    const Result ordered = Zdf({"order", in, csv, out, "--keep-places"});
    ASSERT_EQ(ordered.nExit, ZDF_OK) << ordered.err;
    EXPECT_NE(ordered.out.find("satellite-tv: not in the reference, left as it is"),
              std::string::npos);
    EXPECT_NE(
        Zdf({"diff", in, out}).out.find("terrestrial-radio: moved 16 \"Pioneer FM\": 1 -> 16"),
        std::string::npos);

    const Result listed = Zdf({"dupes", in});
    EXPECT_EQ(listed.nExit, ZDF_OK);
    EXPECT_NE(listed.out.find("terrestrial-radio: \"Pioneer FM\" at 1, 2\n"), std::string::npos)
        << listed.out;
    const Result deleted = Zdf({"dupes", in, "--in-place"});
    EXPECT_NE(deleted.out.find("deleted 10 services\nwrote " + in), std::string::npos)
        << deleted.out;
    EXPECT_EQ(Zdf({"dupes", in}).out, "no duplicates\n");
}

} // namespace
