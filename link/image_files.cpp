#include "image_files.h"

#include "channel_store.h"

#include <QFile>
#include <QSaveFile>

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

bool LoadTransferImage(const std::string& strPath, std::vector<BYTE>& image,
                       std::string& strError) {
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
    QSaveFile file(QString::fromStdString(strPath));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(image.data()),
                   static_cast<qint64>(image.size())) != static_cast<qint64>(image.size()) ||
        !file.commit()) {
        strError = "cannot write " + strPath + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}
