// The files transfers start from and end in: data files and bare images.
#include "image_files.h"
#include "link_test_util.h"
#include "transfer_image.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

namespace {

class ImageFiles : public ::testing::Test {
  protected:
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QTemporaryDir dir;
    std::string error;
};

} // namespace

TEST_F(ImageFiles, DataFilesAreTellByTheirEnding) {
    EXPECT_TRUE(IsDataFilePath("a.zdf"));
    EXPECT_TRUE(IsDataFilePath("/x/B.ZDF"));
    EXPECT_FALSE(IsDataFilePath("a.zdf.bin"));
    EXPECT_FALSE(IsDataFilePath("zdf"));
    EXPECT_FALSE(IsDataFilePath("image.bin"));
}

TEST_F(ImageFiles, ReceivedImageBecomesADataFileWithTheSameChannels) {
    CChannelStore original;
    FillMixedStore(original);
    const std::vector<BYTE> image = BuildTransferImage(original);
    ASSERT_TRUE(SaveTransferImage(Path("got.zdf"), image, error)) << error;

    CChannelStore reread;
    reread.SetPathName(Path("got.zdf"));
    ASSERT_TRUE(reread.ReadDataFile());
    EXPECT_EQ(ChannelsText(reread), ChannelsText(original));

    // Sending that file builds the same sections again; block 0's satellite order is the
    // store's to recompute.
    std::vector<BYTE> loaded;
    ASSERT_TRUE(LoadTransferImage(Path("got.zdf"), loaded, error)) << error;
    ASSERT_EQ(loaded.size(), image.size());
    EXPECT_TRUE(std::equal(loaded.begin() + 4096, loaded.end(), image.begin() + 4096));
    EXPECT_TRUE(std::equal(loaded.begin(), loaded.begin() + 3840, image.begin()));
}

TEST_F(ImageFiles, EmptyDataFileHasNothingToSend) {
    CChannelStore empty;
    empty.SetPathName(Path("empty.zdf"));
    ASSERT_TRUE(empty.WriteDataFile());
    std::vector<BYTE> image;
    EXPECT_FALSE(LoadTransferImage(Path("empty.zdf"), image, error));
    EXPECT_THAT(error, HasSubstr("holds no channel list to send"));
    EXPECT_FALSE(LoadTransferImage(Path("missing.zdf"), image, error));
    EXPECT_THAT(error, HasSubstr("cannot read the data file"));
    EXPECT_TRUE(image.empty());
}

TEST_F(ImageFiles, BareImagesGoThroughByteForByte) {
    const std::vector<BYTE> image = RandomImage(6);
    ASSERT_TRUE(SaveTransferImage(Path("raw.bin"), image, error)) << error;
    std::vector<BYTE> loaded;
    ASSERT_TRUE(LoadTransferImage(Path("raw.bin"), loaded, error)) << error;
    EXPECT_EQ(loaded, image);

    ASSERT_TRUE(SaveTransferImage(Path("short.bin"), std::vector<BYTE>(0x32FFF), error));
    EXPECT_FALSE(LoadTransferImage(Path("short.bin"), loaded, error));
    EXPECT_THAT(error, HasSubstr("208895 bytes instead of 208896"));
    EXPECT_FALSE(SaveTransferImage(Path("no/such/dir/raw.bin"), image, error));
    EXPECT_THAT(error, HasSubstr("cannot write"));
}
