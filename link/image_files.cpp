#include "image_files.h"

#include "channel_store.h"
#include "save_file.h"
#include "transfer_image.h"

#include <QFile>

#include <algorithm>
#include <cctype>

bool IsDataFilePath(const std::string& strPath) {
    static constexpr std::string_view kExtension = ".zdf";
    if (strPath.size() < kExtension.size())
        return false;
    return std::equal(
        kExtension.begin(), kExtension.end(), strPath.end() - kExtension.size(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

namespace {

std::string FileError(const CChannelStore& store) {
    return store.GetLastFileError().empty() ? std::string() : ": " + store.GetLastFileError();
}

// A data file's channels built into the image the box takes, as PC->STB does it.
bool BuildFromDataFile(const std::string& strPath, std::vector<BYTE>& image,
                       std::string& strError) {
    CChannelStore store;
    store.SetPathName(strPath);
    if (!store.ReadDataFile()) {
        strError = "cannot read the data file " + strPath + FileError(store);
        return false;
    }
    if (!HasTransferableData(store)) {
        strError = strPath + " holds no channel list to send";
        return false;
    }
    std::vector<BYTE> built = BuildTransferImage(store);
    if (built.size() != kTransferImageSize) {
        strError = "cannot build the image of " + strPath;
        return false;
    }
    image = std::move(built);
    return true;
}

// A received image parsed into a store and saved as a data file; nothing is written unless the
// image holds a channel database.
bool SaveAsDataFile(const std::string& strPath, const std::vector<BYTE>& image,
                    std::string& strError) {
    CChannelStore store;
    if (!ParseReceivedImage(store, image)) {
        strError = "the image holds no channel database; " + strPath + " not written";
        return false;
    }
    store.SetPathName(strPath);
    if (!store.WriteDataFile()) {
        strError = "cannot write " + strPath + FileError(store);
        return false;
    }
    return true;
}

} // namespace

bool LoadTransferImage(const std::string& strPath, std::vector<BYTE>& image,
                       std::string& strError) {
    if (IsDataFilePath(strPath))
        return BuildFromDataFile(strPath, image, strError);
    QFile file(QString::fromStdString(strPath));
    if (!file.open(QIODevice::ReadOnly)) {
        strError = "cannot read " + strPath + ": " + file.errorString().toStdString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != static_cast<qsizetype>(kTransferImageSize)) {
        strError = strPath + " is not a transfer image: " + std::to_string(bytes.size()) +
                   " bytes instead of " + std::to_string(kTransferImageSize);
        return false;
    }
    image.assign(bytes.begin(), bytes.end());
    return true;
}

bool SaveTransferImage(const std::string& strPath, const std::vector<BYTE>& image,
                       std::string& strError) {
    if (IsDataFilePath(strPath))
        return SaveAsDataFile(strPath, image, strError);
    const std::string_view content(reinterpret_cast<const char*>(image.data()), image.size());
    std::string strReason;
    if (SaveFileAtomically(strPath, content, strReason) != ESaveStep::Done) {
        strError = "cannot write " + strPath + ": " + strReason;
        return false;
    }
    return true;
}
