// The box's flash image: 4096-byte blocks with a 16-bit checksum, in four sections.
#include "channel_store.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kChecksumAt = 4094;
constexpr int kNetworksPerBlock = 204;
constexpr int kTpPerBlock = 340;
constexpr int kServicesPerBlock = 92;
constexpr int kFirstNetworkBlock = 1;
constexpr int kFirstTpBlock = 3;
constexpr int kTpBlocks = 4;
constexpr int kFirstServiceBlock = 7;
constexpr int kServiceBlocks = 44;
constexpr int kImageServices = kServiceBlocks * kServicesPerBlock; // 4048

// Block 0 layout.
constexpr int kSatRecordsAt = 32;
constexpr int kSatOrderAt = 3840;
constexpr int kSatOrderCountAt = 3960;
constexpr int kSatExtraAt = 3961;
constexpr BYTE kSatSectionMagic = 0xAC;
constexpr BYTE kSatSectionVersion = 2;

using Block = std::array<BYTE, kBlockSize>;

UINT BlockOffset(int n) {
    return static_cast<UINT>(n) * kBlockSize;
}

WORD ReadBigEndian(const BYTE* p) {
    return static_cast<WORD>(p[0] << 8 | p[1]);
}

void WriteBigEndian(BYTE* p, int value) {
    p[0] = static_cast<BYTE>(value >> 8);
    p[1] = static_cast<BYTE>(value);
}

WORD BlockChecksum(const BYTE* block) {
    unsigned sum = 1;
    for (int i = 0; i < kChecksumAt; ++i)
        sum += block[i];
    return static_cast<WORD>(sum);
}

// Packs fixed-size records into consecutive blocks of one section.
class SectionWriter {
  public:
    SectionWriter(CChannelStore& store, int firstBlock, int blocks, int perBlock, int recordSize)
        : m_store(store), m_nBlock(firstBlock), m_nEnd(firstBlock + blocks), m_nPerBlock(perBlock),
          m_nRecordSize(recordSize) {}

    bool Full() const { return m_nBlock >= m_nEnd; }

    // Adds one record to the current block; `second` counts it as radio in the service section.
    template <class Rec> void Add(const Rec& rec, bool second = false) {
        if (Full())
            return;
        std::memcpy(m_block.data() + m_nInBlock * m_nRecordSize, &rec, sizeof(Rec));
        ++m_nInBlock;
        ++(second ? m_nSecond : m_nFirst);
        if (m_nInBlock == m_nPerBlock)
            Flush();
    }

    // Writes a partly filled block and empties the rest of the section.
    void Finish() {
        if (m_nInBlock > 0)
            Flush();
        for (; m_nBlock < m_nEnd; ++m_nBlock)
            m_store.WriteEmptyBlock(BlockOffset(m_nBlock), m_block.data());
    }

    // Services carry two counts (TV, radio) in bytes 4090-4093; other sections one in 4092-4093.
    void SetTwoCounts() { m_bTwoCounts = true; }

  private:
    void Flush() {
        if (m_bTwoCounts) {
            WriteBigEndian(&m_block[4090], m_nFirst);
            WriteBigEndian(&m_block[4092], m_nSecond);
        } else {
            WriteBigEndian(&m_block[4092], m_nFirst);
        }
        m_store.WriteBlock(BlockOffset(m_nBlock++), m_block.data());
        m_block.fill(0);
        m_nInBlock = m_nFirst = m_nSecond = 0;
    }

    CChannelStore& m_store;
    Block m_block{};
    int m_nBlock;
    int m_nEnd;
    int m_nPerBlock;
    int m_nRecordSize;
    int m_nInBlock = 0;
    int m_nFirst = 0;
    int m_nSecond = 0;
    bool m_bTwoCounts = false;
};

enum class SectionEnd { Complete, BadBlock, Overflow };

int SingleCount(const BYTE* block) {
    return ReadBigEndian(block + 4092);
}

// Hands the records of one section to `handle`, block by block. A block that fails its
// checksum ends the section quietly; a count larger than a block holds ends it as Overflow.
template <class Rec, class CountOf, class Handle>
SectionEnd ReadSection(const CChannelStore& store, UINT shift, int firstBlock, int blocks,
                       int perBlock, CountOf countOf, Handle handle) {
    Block block{};
    for (int b = firstBlock; b < firstBlock + blocks; ++b) {
        if (!store.VerifyBlock(shift + BlockOffset(b), block.data()))
            return SectionEnd::BadBlock;
        const int count = countOf(block.data());
        if (count > perBlock)
            return SectionEnd::Overflow;
        for (int i = 0; i < count; ++i) {
            Rec rec;
            std::memcpy(&rec, block.data() + i * sizeof(Rec), sizeof rec);
            handle(rec);
        }
    }
    return SectionEnd::Complete;
}

} // namespace

// ---- blocks -------------------------------------------------------------------------------------

void CChannelStore::WriteBlock(UINT offset, BYTE* block) {
    WriteBigEndian(block + kChecksumAt, BlockChecksum(block));
    if (m_pImage != nullptr && offset + kBlockSize <= m_nImageSize)
        std::memcpy(m_pImage.get() + offset, block, kBlockSize);
}

void CChannelStore::WriteEmptyBlock(UINT offset, BYTE* block) {
    std::memset(block, 0, kBlockSize);
    if (m_pImage != nullptr && offset + kBlockSize <= m_nImageSize)
        std::memcpy(m_pImage.get() + offset, block, kBlockSize);
}

BOOL CChannelStore::VerifyBlock(UINT offset, BYTE* block) const {
    if (m_pImage == nullptr || offset + kBlockSize > m_nImageSize)
        return FALSE;
    std::memcpy(block, m_pImage.get() + offset, kBlockSize);
    return ReadBigEndian(block + kChecksumAt) == BlockChecksum(block);
}

// ---- image buffer -------------------------------------------------------------------------------

void CChannelStore::AllocateImage() {
    m_pImage = std::make_unique<BYTE[]>(kImageBufferSize); // zero-filled
    m_nImageSize = kImageBufferSize;
}

BOOL CChannelStore::SetImage(const BYTE* p, UINT n) {
    if (p == nullptr || n == 0)
        return FALSE;
    m_pImage = std::make_unique_for_overwrite<BYTE[]>(n);
    std::memcpy(m_pImage.get(), p, n);
    m_nImageSize = n;
    return TRUE;
}

BOOL CChannelStore::FreeImage() {
    if (m_pImage == nullptr)
        return FALSE;
    m_pImage.reset();
    m_nImageSize = 0;
    return TRUE;
}

std::vector<BYTE> CChannelStore::BuildFullImage() {
    AllocateImage();
    BuildSatelliteSection();
    BuildNetworkSection();
    BuildTransponderSection();
    BuildServiceSection();
    std::vector<BYTE> image(m_pImage.get(), m_pImage.get() + m_nImageSize);
    FreeImage();
    return image;
}

UINT CChannelStore::BuildImage(BYTE* pDest) {
    if (pDest == nullptr)
        return 0;
    const std::vector<BYTE> image = BuildFullImage();
    std::memcpy(pDest, image.data(), kTransferImageSize);
    return kTransferImageSize;
}

// ---- building -----------------------------------------------------------------------------------

void CChannelStore::BuildSatelliteSection() {
    Block block{};
    const SSAT_INFO terrestrial = TerrestrialRecord();
    std::memcpy(block.data(), &terrestrial, sizeof terrestrial);
    const int stored = std::min<int>(m_nSatCount, kImageSatellites);
    std::memcpy(block.data() + kSatRecordsAt, m_satellites.data(), stored * sizeof(SSAT_INFO));
    std::copy_n(m_satOrder.begin(), std::min<int>(m_nSatOrderCount, kSatOrderSize),
                block.begin() + kSatOrderAt);
    block[kSatOrderCountAt] = static_cast<BYTE>(m_nSatOrderCount);
    std::copy(m_satExtra.begin(), m_satExtra.end(), block.begin() + kSatExtraAt);
    block[4089] = 'I';
    block[4090] = ' ';
    block[4091] = static_cast<BYTE>(stored + 1);
    block[4092] = kSatSectionMagic;
    block[4093] = kSatSectionVersion;
    WriteBlock(0, block.data());
}

void CChannelStore::BuildNetworkSection() {
    Block block{};
    for (int b = 0; b < 2; ++b) {
        const int first = b * kNetworksPerBlock;
        const int count = std::clamp(m_nNetCount - first, 0, kNetworksPerBlock);
        const UINT offset = BlockOffset(kFirstNetworkBlock + b);
        if (b == 1 && count == 0) {
            WriteEmptyBlock(offset, block.data());
            continue;
        }
        block.fill(0);
        std::memcpy(block.data(), &m_networks[first], count * sizeof(SNET_INFO));
        WriteBigEndian(&block[4092], count);
        WriteBlock(offset, block.data());
    }
}

void CChannelStore::BuildTransponderSection() {
    SectionWriter writer(*this, kFirstTpBlock, kTpBlocks, kTpPerBlock, sizeof(STP_INFO));
    // Every stored MUX, whatever its slot: MUX indexes need not run without gaps.
    for (const STP_INFO& mux : m_muxes) {
        if (mux.tpid != 0)
            writer.Add(mux);
    }
    for (int s = 0; s < m_nSatCount && !writer.Full(); ++s) {
        int walked = 0;
        for (auto* node = m_tpLists[s].pFirst; node != nullptr && walked < kTransponderWalkLimit;
             node = node->pNext, ++walked)
            writer.Add(*node->pData);
    }
    writer.Finish();
}

void CChannelStore::BuildServiceSection() {
    // The section holds 4048 services; satellite radio gives way first, then satellite TV.
    const int terrRows = m_lists[LIST_TERR_TV].nRows + m_lists[LIST_TERR_RADIO].nRows;
    int satTvRows = m_lists[LIST_SAT_TV].nRows;
    int satRadioRows = m_lists[LIST_SAT_RADIO].nRows;
    if (terrRows + satTvRows + satRadioRows > kImageServices) {
        satRadioRows = std::max(0, kImageServices - terrRows - satTvRows);
        satTvRows = std::min(satTvRows, kImageServices - terrRows);
    }
    SectionWriter writer(*this, kFirstServiceBlock, kServiceBlocks, kServicesPerBlock,
                         sizeof(SSVC_INFO));
    writer.SetTwoCounts();
    const auto addRows = [&](BYTE nList, int rows, bool radio) {
        for (int i = 0; i < rows; ++i) {
            if (const SSVC_INFO* svc = m_lists[nList].index[i].pService)
                writer.Add(*svc, radio);
        }
    };
    addRows(LIST_TERR_TV, m_lists[LIST_TERR_TV].nRows, false);
    addRows(LIST_SAT_TV, satTvRows, false);
    addRows(LIST_TERR_RADIO, m_lists[LIST_TERR_RADIO].nRows, true);
    addRows(LIST_SAT_RADIO, satRadioRows, true);
    writer.Finish();
}

// ---- parsing ------------------------------------------------------------------------------------

BOOL CChannelStore::ParseImage(BOOL bShifted) {
    ClearNetworks();
    ClearServices();
    ClearTransponders();
    ClearSatellites();
    ClearMuxes();
    Block block{};
    const UINT shift = bShifted ? kBlockSize : 0;
    if (!VerifyBlock(shift, block.data()) || block[4092] != kSatSectionMagic)
        return FALSE;
    const int version = block[4093] & 3;
    if (version != 1 && version != 2)
        return FALSE;
    int records = (block[4093] & 0x0F) == 1 ? kMaxSatellites : block[4091];
    if (records == 0)
        return FALSE;
    records = std::min(records, kMaxSatellites) - 1;
    ParseSatellites(block.data(), records);
    ParseNetworks(shift);
    ParseTransponders(shift);
    if (m_nTpTotal == 0)
        return FALSE;
    ParseServices(shift);
    Rebuild();
    return TRUE;
}

void CChannelStore::ParseSatellites(const BYTE* block, int records) {
    for (int k = 1; k <= records; ++k) {
        SSAT_INFO sat;
        std::memcpy(&sat, block + k * sizeof(SSAT_INFO), sizeof sat);
        if (sat.bIndex < kFirstSatIndex || sat.bIndex > kMaxSatellites)
            continue;
        // Services name satellites by place; keep the record's index in step with its slot.
        sat.bIndex = static_cast<BYTE>(m_nSatCount + kFirstSatIndex);
        m_satellites[m_nSatCount++] = sat;
    }
    std::copy_n(block + kSatOrderAt, kSatOrderSize, m_satOrder.begin());
    m_nSatOrderCount = std::min<WORD>(block[kSatOrderCountAt], kSatOrderSize);
    std::copy_n(block + kSatExtraAt, kSatExtraSize, m_satExtra.begin());
}

void CChannelStore::ParseNetworks(UINT shift) {
    const auto add = [this](const SNET_INFO& net) { AddNetwork(net); };
    if (ReadSection<SNET_INFO>(*this, shift, kFirstNetworkBlock, 2, kNetworksPerBlock, SingleCount,
                               add) == SectionEnd::Overflow)
        ClearNetworks();
}

void CChannelStore::ParseTransponders(UINT shift) {
    const auto add = [this](STP_INFO tp) {
        if (tp.satid == kTerrestrialSatIndex)
            AddMux(tp);
        else
            AddTransponder(tp, 0);
    };
    if (ReadSection<STP_INFO>(*this, shift, kFirstTpBlock, kTpBlocks, kTpPerBlock, SingleCount,
                              add) == SectionEnd::Overflow)
        ClearTransponders();
}

void CChannelStore::ParseServices(UINT shift) {
    const auto add = [this](const SSVC_INFO& svc) {
        if (svc.bSatIndex == kTerrestrialSatIndex)
            AddTerrService(ADD_APPEND_IMAGE, svc);
        else if (svc.wNumber <= kMaxSatServices)
            AddSatService(ADD_APPEND, svc);
    };
    const auto tvPlusRadio = [](const BYTE* block) {
        return ReadBigEndian(block + 4090) + ReadBigEndian(block + 4092);
    };
    ReadSection<SSVC_INFO>(*this, shift, kFirstServiceBlock, kServiceBlocks, kServicesPerBlock,
                           tvPlusRadio, add);
}
