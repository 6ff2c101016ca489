// The data file: a short header ended by "x", then the encoded 214016-byte image.
#include "channel_store.h"
#include "save_file.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <unistd.h>

namespace {

constexpr UINT kTerminatorSearchStart = 34;
constexpr BYTE kTerminator = 'x';
constexpr char kMagic[4] = {'A', 'B', 'C', 'D'};
// Files from elsewhere carry this magic and keep their channel blocks one block further on.
constexpr char kShiftedMagic[4] = {'Z', 'E', 'P', 'H'};
// Far above anything an encoder produces for one image (about 643 KB at worst); a bigger file
// is not a channel database, and reading it whole would only waste memory.
constexpr UINT kMaxFileSize = 16 * 1024 * 1024;

std::unique_ptr<BYTE[]> AllocateZeroed(size_t n) {
    return std::unique_ptr<BYTE[]>(new (std::nothrow) BYTE[n]());
}

std::string ErrorText(const QIODevice& device) {
    return device.errorString().toStdString();
}

// What kept a file from opening, asked of the system with the rights the open had (QFile words
// the reason but does not say which it was).
EReadFailure OpenFailureOf(const std::string& path) {
    if (::euidaccess(path.c_str(), R_OK) == 0)
        return EReadFailure::Other;
    if (errno == ENOENT)
        return EReadFailure::NoSuchFile;
    return errno == EACCES ? EReadFailure::PermissionDenied : EReadFailure::Other;
}

// The device to its end, or until it passed kMaxFileSize, which is enough to tell a file that
// is too large. False on a read error.
bool ReadUpToLimit(QIODevice& device, QByteArray& data) {
    char chunk[64 * 1024];
    while (data.size() <= kMaxFileSize) {
        const qint64 n = device.read(chunk, sizeof chunk);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        data.append(chunk, n);
    }
    return true;
}

} // namespace

// A header without its terminator leaves the store's header as it was: a header length of 0
// would make the next save write a file that nothing can read back.
int CChannelStore::ParseFileHeader(const BYTE* pFile, UINT nFileLength) {
    if (pFile == nullptr)
        return HEADER_NO_TERMINATOR;
    const UINT nEnd = std::min<UINT>(nFileLength, kHeaderBufferSize);
    UINT nTerminator = kTerminatorSearchStart;
    while (nTerminator < nEnd && pFile[nTerminator] != kTerminator)
        ++nTerminator;
    if (nTerminator >= nEnd)
        return HEADER_NO_TERMINATOR;

    m_header.fill(0);
    m_nHeaderLength = static_cast<WORD>(nTerminator + 1);
    std::copy_n(pFile, m_nHeaderLength, m_header.begin());
    if (std::memcmp(m_header.data(), kShiftedMagic, sizeof kShiftedMagic) == 0) {
        std::memcpy(m_header.data(), kMagic, sizeof kMagic);
        return HEADER_SHIFTED;
    }
    return HEADER_PLAIN;
}

BOOL CChannelStore::FailRead(EReadFailure failure, std::string reason) {
    m_readFailure = failure;
    m_strLastFileError = std::move(reason);
    return FALSE;
}

BOOL CChannelStore::ReadDataBytes(const BYTE* pFile, UINT nFileLength) {
    if (pFile == nullptr || nFileLength == 0)
        return FailRead(EReadFailure::Empty, "the file is empty");
    if (nFileLength > kMaxFileSize)
        return FailRead(EReadFailure::NotDataFile,
                        "the file is too large to be a channel data file");
    const auto savedHeader = m_header;
    const WORD nSavedHeaderLength = m_nHeaderLength;
    auto fail = [&](EReadFailure failure, std::string reason) {
        m_header = savedHeader;
        m_nHeaderLength = nSavedHeaderLength;
        return FailRead(failure, std::move(reason));
    };

    const int nHeaderKind = ParseFileHeader(pFile, nFileLength);
    if (nHeaderKind == HEADER_NO_TERMINATOR)
        return fail(EReadFailure::NotDataFile,
                    "not a channel data file: no header end mark \"x\" at bytes 34 to 99");

    // The decoder unscrambles in place, so it works on a copy of the encoded part.
    const UINT nEncoded = nFileLength - m_nHeaderLength;
    auto encoded = AllocateZeroed(nEncoded);
    auto image = AllocateZeroed(kImageBufferSize);
    if ((nEncoded > 0 && encoded == nullptr) || image == nullptr)
        return fail(EReadFailure::Other, "not enough memory to read the file");
    std::copy_n(pFile + m_nHeaderLength, nEncoded, encoded.get());
    const int nDecoded = DecodeImage(encoded.get(), static_cast<int>(nEncoded), image.get());
    if (nDecoded == 0)
        return fail(EReadFailure::NotDataFile, "the channel data is damaged or missing");

    // A shifted image is read up to 0x34000 bytes in; the whole buffer covers that. An image
    // that does not parse leaves the store empty; the findings say why.
    m_pImage = std::move(image);
    m_nImageSize = kImageBufferSize;
    ParseImage(nHeaderKind == HEADER_SHIFTED);
    if (nDecoded < static_cast<int>(kImageBufferSize))
        m_readFindings.insert(m_readFindings.begin(), {EReadFinding::ImageShort,
                                                       EImageSection::Satellites, 0, 0, nDecoded});
    FreeImage();
    m_strLastFileError.clear();
    m_readFailure = EReadFailure::None;
    return TRUE;
}

BOOL CChannelStore::ReadData(QIODevice& device) {
    QByteArray data;
    if (!ReadUpToLimit(device, data))
        return FailRead(EReadFailure::Other, "cannot read the file: " + ErrorText(device));
    return ReadDataBytes(reinterpret_cast<const BYTE*>(data.constData()),
                         static_cast<UINT>(data.size()));
}

BOOL CChannelStore::ReadDataFile() {
    if (m_strPath.empty())
        return FailRead(EReadFailure::Other, "no file name");
    QFile file(QString::fromStdString(m_strPath));
    if (!file.open(QIODevice::ReadOnly))
        return FailRead(OpenFailureOf(m_strPath), "cannot open the file: " + ErrorText(file));
    return ReadData(file);
}

BOOL CChannelStore::WriteData(QIODevice& device) {
    auto fail = [this](std::string reason) {
        m_strLastFileError = std::move(reason);
        return FALSE;
    };
    const std::vector<BYTE> image = BuildFullImage();
    if (image.size() != kImageBufferSize)
        return fail("not enough memory to build the channel data");
    auto encoded = AllocateZeroed(kEncodeWorstCase);
    if (encoded == nullptr)
        return fail("not enough memory to encode the channel data");
    const int nEncoded =
        EncodeImage(image.data(), static_cast<int>(image.size()), encoded.get(), kEncodeWorstCase);
    if (nEncoded == 0)
        return fail("the channel data could not be encoded");
    const qint64 nHeader = std::min<qint64>(m_nHeaderLength, kHeaderBufferSize);
    if (device.write(reinterpret_cast<const char*>(m_header.data()), nHeader) != nHeader ||
        device.write(reinterpret_cast<const char*>(encoded.get()), nEncoded) != nEncoded)
        return fail("cannot write the file: " + ErrorText(device));
    m_strLastFileError.clear();
    return TRUE;
}

BOOL CChannelStore::WriteDataFile() {
    if (m_strPath.empty()) {
        m_strLastFileError = "no file name";
        return FALSE;
    }
    std::string strReason;
    const ESaveStep step = SaveFileAtomically(
        m_strPath, [this](QIODevice& file) { return WriteData(file) != FALSE; }, strReason);
    // A failed write has its reason from WriteData already.
    if (step == ESaveStep::Create)
        m_strLastFileError = "cannot create the file: " + strReason;
    else if (step == ESaveStep::Commit)
        m_strLastFileError = "cannot write the file: " + strReason;
    return step == ESaveStep::Done ? TRUE : FALSE;
}

// The copy goes through the same atomic save, so a failed backup leaves any older backup whole.
BOOL CChannelStore::BackupDataFile() {
    QFile file(QString::fromStdString(m_strPath));
    if (m_strPath.empty() || !file.exists())
        return TRUE;
    const QByteArray data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        m_strLastFileError = "cannot read the file: " + ErrorText(file);
        return FALSE;
    }
    std::string strReason;
    const ESaveStep step = SaveFileAtomically(
        m_strPath + ".bak", std::string_view(data.constData(), size_t(data.size())), strReason);
    if (step == ESaveStep::Create)
        m_strLastFileError = "cannot create the backup: " + strReason;
    else if (step != ESaveStep::Done)
        m_strLastFileError = "cannot write the backup: " + strReason;
    else
        m_strLastFileError.clear();
    return step == ESaveStep::Done ? TRUE : FALSE;
}
