// The committed sample database, test files and fuzz corpus are exactly what their generators
// make, so they never drift from the code.
#include "sample_db.h"
#include "test_files.h"
#include "zdf_run.h"

namespace {

TEST(GeneratedFiles, SampleDatabaseRegeneratesByteForByte) {
    QTemporaryDir dir;
    CChannelStore store;
    FillSampleStore(store);
    store.SetPathName(QDir(dir.path()).filePath("sample.zdf").toStdString());
    ASSERT_TRUE(store.WriteDataFile());
    const std::string fresh = Bytes(store.GetPathName());
    EXPECT_EQ(fresh, Bytes(kSample)) << "res/sample.zdf is stale: run make-sample res/sample.zdf";
}

TEST(GeneratedFiles, TestDataAndFuzzCorpusRegenerateByteForByte) {
    std::vector<std::pair<std::string, std::vector<NamedFile>>> sets = {
        {kData, MakeTestDataFiles()}};
    for (const char* target : {"store_decode", "store_parse", "store_datafile"})
        sets.emplace_back(kData + "/../../fuzz/corpus/" + target, MakeFuzzCorpus(target));
    for (const auto& [dir, files] : sets)
        for (const NamedFile& f : files)
            EXPECT_EQ(std::string(f.bytes.begin(), f.bytes.end()), Bytes(dir + "/" + f.name))
                << dir << "/" << f.name << " is stale: run make-test-data tests/data fuzz/corpus";
}

} // namespace
