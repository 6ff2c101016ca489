// The committed sample database and test files are exactly what their generators make, so they
// never drift from the code.
#include "sample_db.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>

namespace {

const std::string kData = ORVANE_TEST_DATA;

std::vector<BYTE> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
}

TEST(GeneratedFiles, SampleDatabaseRegeneratesByteForByte) {
    QTemporaryDir dir;
    CChannelStore store;
    FillSampleStore(store);
    store.SetPathName(QDir(dir.path()).filePath("sample.zdf").toStdString());
    ASSERT_TRUE(store.WriteDataFile());
    const std::vector<BYTE> fresh = ReadFile(store.GetPathName());
    ASSERT_GT(fresh.size(), 1000u);
    EXPECT_EQ(fresh, ReadFile(kData + "/../../res/sample.zdf"))
        << "res/sample.zdf is stale: run make-sample res/sample.zdf";
}

TEST(GeneratedFiles, TestDataRegeneratesByteForByte) {
    for (const NamedFile& f : MakeTestDataFiles())
        EXPECT_EQ(f.bytes, ReadFile(kData + "/" + f.name))
            << f.name << " is stale: run make-test-data tests/data fuzz/corpus";
}

} // namespace
