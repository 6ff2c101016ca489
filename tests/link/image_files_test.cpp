// The files transfers start from and end in: data files and bare images.
#include "image_files.h"
#include "store_builders.h"
#include "transfer_image.h"

#include <QFile>
#include <QTemporaryDir>

#include <tuple>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

class ImageFiles : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
    std::string error;
    std::vector<BYTE> loaded;
};

} // namespace

// What is saved loads back: a bare image byte for byte, a received image through a data file as
// the same sections. Block 0's satellite order is the store's to recompute: the same satellites,
// in any order, which leaves the block's checksum as it was.
TEST_F(ImageFiles, SavedImagesLoadBack) {
    CChannelStore original;
    FillMixedStore(original);
    const BYTE extra[kSatExtraSize] = {0x11, 0x22, 0x33};
    original.SetSatExtra(extra);
    for (auto [name, image] :
         {std::pair{"raw.bin", RandomImage(6)}, {"got.zdf", BuildTransferImage(original)}}) {
        ASSERT_TRUE(SaveTransferImage(Path(name), image, error)) << error;
        ASSERT_TRUE(LoadTransferImage(Path(name), loaded, error)) << error;
        ASSERT_EQ(loaded.size(), image.size());
        if (IsDataFilePath(name))
            for (std::vector<BYTE>* im : {&image, &loaded})
                std::sort(im->begin() + 3840, im->begin() + 3840 + kSatOrderSize);
        EXPECT_TRUE(loaded == image) << name;
    }
}

// Nothing is loaded or written, and the error names the file and the fault.
TEST_F(ImageFiles, FailuresSayWhy) {
    CChannelStore empty;
    empty.SetPathName(Path("empty.zdf"));
    ASSERT_TRUE(empty.WriteDataFile());
    ASSERT_TRUE(SaveTransferImage(Path("short.bin"), std::vector<BYTE>(0x32FFF), error));
    const std::tuple<bool, const char*, std::string> cases[] = {
        {false, "empty.zdf", Path("empty.zdf") + " holds no channel list to send"},
        {false, "missing.zdf", "cannot read the data file " + Path("missing.zdf") + ": "},
        {false, "short.bin", " is not a transfer image: 208895 bytes instead of 208896"},
        {false, "missing.bin", "cannot read " + Path("missing.bin") + ": "},
        {true, "no/such/dir/raw.bin", "cannot write " + Path("no/such/dir/raw.bin") + ": "},
        {true, "noise.zdf",
         "the image holds no channel database; " + Path("noise.zdf") + " not written"}};
    for (const auto& [bSave, name, message] : cases) {
        EXPECT_FALSE(bSave ? SaveTransferImage(Path(name), RandomImage(6), error)
                           : LoadTransferImage(Path(name), loaded, error))
            << name;
        EXPECT_THAT(error, HasSubstr(message));
        EXPECT_TRUE(loaded.empty());
        EXPECT_TRUE(!bSave || !QFile::exists(QString::fromStdString(Path(name)))) << name;
    }
}

// A satellite, a transponder, a network and one service of any of the four lists.
TEST(TransferImage, TheBoxNeedsTheTablesAndOneServiceOfAnyList) {
    for (int nOnly = -1; nOnly < kListCount; ++nOnly) {
        CChannelStore store;
        CStoreBuilder build(store);
        const BYTE sat = build.Satellite("SAT", 192);
        build.Transponder(sat, 11494, 27500, true);
        build.Network(1, "NET");
        if (nOnly == LIST_SAT_TV || nOnly == LIST_SAT_RADIO)
            build.SatService(sat, 1, 1, 1, "S", nOnly == LIST_SAT_RADIO ? FLAG_RADIO : 0);
        else if (nOnly >= 0)
            build.TerrService(1, 1, 1, "T", nOnly == LIST_TERR_RADIO ? FLAG_RADIO : 0);
        store.Rebuild();
        EXPECT_EQ(HasTransferableData(store), nOnly >= 0) << nOnly;
    }
}
