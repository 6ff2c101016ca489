// The box's flash image: 4096-byte blocks with a 16-bit checksum, in four sections.
#include "channel_store.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kChecksumAt = 4094;
constexpr const SImageSection& kSatSection = ImageSection(EImageSection::Satellites);
constexpr const SImageSection& kNetSection = ImageSection(EImageSection::Networks);
constexpr const SImageSection& kTpSection = ImageSection(EImageSection::Transponders);
constexpr const SImageSection& kSvcSection = ImageSection(EImageSection::Services);
static_assert(kSatSection.nRecordSize == sizeof(SSAT_INFO));
static_assert(kNetSection.nRecordSize == sizeof(SNET_INFO));
static_assert(kTpSection.nRecordSize == sizeof(STP_INFO));
static_assert(kSvcSection.nRecordSize == sizeof(SSVC_INFO));
constexpr int kImageServices = kSvcSection.nBlocks * kSvcSection.nPerBlock; // 4048

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
    SectionWriter(CChannelStore& store, const SImageSection& section)
        : m_store(store), m_nBlock(section.nFirstBlock),
          m_nEnd(section.nFirstBlock + section.nBlocks), m_nPerBlock(section.nPerBlock),
          m_nRecordSize(section.nRecordSize) {}

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

bool AllZero(const BYTE* p, std::size_t n) {
    return std::all_of(p, p + n, [](BYTE b) { return b == 0; });
}

// A block of zeros, or one past the end of the image: how every section ends.
bool IsEmptyBlock(const CChannelStore& store, UINT offset) {
    Block block{};
    store.VerifyBlock(offset, block.data()); // copies what the image holds there
    return AllZero(block.data(), kBlockSize);
}

// The first block of the section from nFrom on that holds data; -1 when there is none.
int FirstBlockWithData(const CChannelStore& store, UINT shift, const SImageSection& section,
                       int nFrom) {
    for (int b = nFrom; b < section.nFirstBlock + section.nBlocks; ++b) {
        if (!IsEmptyBlock(store, shift + BlockOffset(b)))
            return b;
    }
    return -1;
}

struct SSectionEnd {
    enum { Complete, Unverified, Overflow } how = Complete;
    int nBlock = 0; // the block that ended the section
    int nCount = 0; // the count it claimed
};

int SingleCount(const BYTE* block) {
    return ReadBigEndian(block + 4092);
}

// Hands the records of one section to handle(rec, block), block by block. A block that does
// not verify ends the section, and so does a count larger than a block holds; data after a
// block's last counted record is not read.
template <class Rec, class CountOf, class Handle>
SSectionEnd ReadSection(const CChannelStore& store, UINT shift, const SImageSection& section,
                        std::vector<SReadFinding>& findings, CountOf countOf, Handle handle) {
    Block block{};
    for (int b = section.nFirstBlock; b < section.nFirstBlock + section.nBlocks; ++b) {
        if (!store.VerifyBlock(shift + BlockOffset(b), block.data()))
            return {SSectionEnd::Unverified, b};
        const int count = countOf(block.data());
        if (count > section.nPerBlock)
            return {SSectionEnd::Overflow, b, count};
        for (int i = 0; i < count; ++i) {
            Rec rec;
            std::memcpy(&rec, block.data() + i * sizeof(Rec), sizeof rec);
            handle(rec, b);
        }
        if (!AllZero(block.data() + count * sizeof(Rec), (section.nPerBlock - count) * sizeof(Rec)))
            findings.push_back({EReadFinding::BeyondCount, section.id, b, b, count});
    }
    return {};
}

// An empty block ends a section as the builder ends every one; anything else drops records.
void NoteSectionEnd(const CChannelStore& store, UINT shift, const SImageSection& section,
                    const SSectionEnd& end, std::vector<SReadFinding>& findings) {
    if (end.how == SSectionEnd::Overflow) {
        findings.push_back(
            {EReadFinding::CountTooHigh, section.id, end.nBlock, end.nBlock, end.nCount});
    } else if (end.how == SSectionEnd::Unverified) {
        if (!IsEmptyBlock(store, shift + BlockOffset(end.nBlock))) {
            findings.push_back({EReadFinding::BlockBad, section.id, end.nBlock, end.nBlock});
        } else if (const int next = FirstBlockWithData(store, shift, section, end.nBlock + 1);
                   next >= 0) {
            findings.push_back({EReadFinding::BlockUnread, section.id, next, next, end.nBlock});
        }
    }
}

// One more record of a kind the reader drops.
void NoteRecord(std::vector<SReadFinding>& findings, EReadFinding kind, EImageSection section,
                int nBlock, int nValue = 0) {
    NoteReadFinding(findings, {kind, section, nBlock, nBlock, nValue, 1});
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
    for (int b = 0; b < kNetSection.nBlocks; ++b) {
        const int first = b * kNetSection.nPerBlock;
        const int count = std::clamp(m_nNetCount - first, 0, kNetSection.nPerBlock);
        const UINT offset = BlockOffset(kNetSection.nFirstBlock + b);
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
    SectionWriter writer(*this, kTpSection);
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
    SectionWriter writer(*this, kSvcSection);
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
    m_readFindings.clear();
    const UINT shift = bShifted ? kBlockSize : 0;
    if (!ReadSatelliteBlock(shift))
        return FALSE;
    ParseNetworks(shift);
    const bool bCountsFit = ParseTransponders(shift);
    if (m_nTpTotal == 0) {
        // Without transponders no service is read; a count past a block's room said so already.
        if (bCountsFit &&
            FirstBlockWithData(*this, shift, kSvcSection, kSvcSection.nFirstBlock) >= 0)
            m_readFindings.push_back({EReadFinding::NoTransponders, EImageSection::Services,
                                      kSvcSection.nFirstBlock, kSvcSection.nFirstBlock});
        return FALSE;
    }
    ParseServices(shift);
    Rebuild();
    return TRUE;
}

// Block 0 must verify and carry the satellite section's mark, a known version and a count;
// otherwise the image gives nothing.
bool CChannelStore::ReadSatelliteBlock(UINT shift) {
    Block storage{};
    BYTE* block = storage.data();
    const auto reject = [this](EReadFinding kind, int nValue = 0) {
        m_readFindings.push_back({kind, EImageSection::Satellites, 0, 0, nValue});
        return false;
    };
    if (!VerifyBlock(shift, block))
        return reject(IsEmptyBlock(*this, shift) ? EReadFinding::BlockEmpty
                                                 : EReadFinding::BlockBad);
    if (block[4092] != kSatSectionMagic)
        return reject(EReadFinding::SatMark, block[4092]);
    const int version = block[4093] & 3;
    if (version != 1 && version != 2)
        return reject(EReadFinding::SatVersion, version);
    const int count = (block[4093] & 0x0F) == 1 ? kMaxSatellites : block[4091];
    if (count == 0)
        return reject(EReadFinding::SatNoCount);
    ParseSatellites(block, std::min(count, kMaxSatellites));
    return true;
}

// Record 0 is TERRESTRIAL; records 1 to count - 1 are the satellites. An all-zero record is an
// unused slot.
void CChannelStore::ParseSatellites(const BYTE* block, int count) {
    for (int k = 1; k < count; ++k) {
        SSAT_INFO sat;
        std::memcpy(&sat, block + k * sizeof(SSAT_INFO), sizeof sat);
        if (sat.bIndex < kFirstSatIndex || sat.bIndex > kMaxSatellites) {
            if (!AllZero(block + k * sizeof(SSAT_INFO), sizeof(SSAT_INFO)))
                NoteRecord(m_readFindings, EReadFinding::SatIndex, EImageSection::Satellites, 0,
                           sat.bIndex);
            continue;
        }
        // Services name satellites by place; keep the record's index in step with its slot.
        sat.bIndex = static_cast<BYTE>(m_nSatCount + kFirstSatIndex);
        m_satellites[m_nSatCount++] = sat;
    }
    if (!AllZero(block + count * sizeof(SSAT_INFO), (kMaxSatellites - count) * sizeof(SSAT_INFO)))
        m_readFindings.push_back(
            {EReadFinding::BeyondCount, EImageSection::Satellites, 0, 0, count});
    std::copy_n(block + kSatOrderAt, kSatOrderSize, m_satOrder.begin());
    m_nSatOrderCount = std::min<WORD>(block[kSatOrderCountAt], kSatOrderSize);
    std::copy_n(block + kSatExtraAt, kSatExtraSize, m_satExtra.begin());
}

void CChannelStore::ParseNetworks(UINT shift) {
    const auto add = [this](const SNET_INFO& net, int) { AddNetwork(net); };
    const SSectionEnd end =
        ReadSection<SNET_INFO>(*this, shift, kNetSection, m_readFindings, SingleCount, add);
    NoteSectionEnd(*this, shift, kNetSection, end, m_readFindings);
    if (end.how == SSectionEnd::Overflow)
        ClearNetworks();
}

bool CChannelStore::ParseTransponders(UINT shift) {
    const auto drop = [this](EReadFinding kind, int nBlock, int nValue = 0) {
        NoteRecord(m_readFindings, kind, EImageSection::Transponders, nBlock, nValue);
    };
    const auto add = [&](STP_INFO tp, int nBlock) {
        if (tp.satid == kTerrestrialSatIndex) {
            const bool bRepeated = GetMux(tp.tpid) != nullptr;
            if (!AddMux(tp))
                drop(EReadFinding::MuxIndex, nBlock, tp.tpid);
            else if (bRepeated)
                drop(EReadFinding::MuxRepeated, nBlock, tp.tpid);
        } else if (AddTransponder(tp, 0) == TP_REFUSED) {
            if (IsValidSatellite(tp.satid))
                drop(EReadFinding::TpLimit, nBlock);
            else
                drop(EReadFinding::TpSatellite, nBlock, tp.satid);
        }
    };
    const SSectionEnd end =
        ReadSection<STP_INFO>(*this, shift, kTpSection, m_readFindings, SingleCount, add);
    NoteSectionEnd(*this, shift, kTpSection, end, m_readFindings);
    if (end.how != SSectionEnd::Overflow)
        return true;
    ClearTransponders();
    return false;
}

void CChannelStore::ParseServices(UINT shift) {
    const auto drop = [this](EReadFinding kind, int nBlock, int nValue = 0) {
        NoteRecord(m_readFindings, kind, EImageSection::Services, nBlock, nValue);
    };
    const auto add = [&](const SSVC_INFO& svc, int nBlock) {
        const bool bTerrestrial = svc.bSatIndex == kTerrestrialSatIndex;
        if (!bTerrestrial && svc.wNumber > kMaxSatServices) {
            drop(EReadFinding::SvcNumber, nBlock, svc.wNumber);
            return;
        }
        const BYTE result =
            bTerrestrial ? AddTerrService(ADD_APPEND_IMAGE, svc) : AddSatService(ADD_APPEND, svc);
        if (result != SVC_REFUSED) {
            if (svc.wFlags & FLAG_DELETED) // the rebuild at the end of the parse drops it
                drop(EReadFinding::SvcDeleted, nBlock);
        } else if (!bTerrestrial && !IsValidSatellite(svc.bSatIndex)) {
            drop(EReadFinding::SvcSatellite, nBlock, svc.bSatIndex);
        } else if (!bTerrestrial && svc.bTpIndex == 0) {
            drop(EReadFinding::SvcTransponder, nBlock);
        } else {
            drop(EReadFinding::SvcListFull, nBlock,
                 bTerrestrial ? kMaxTerrServices : kMaxSatServices);
        }
    };
    const auto tvPlusRadio = [](const BYTE* block) {
        return ReadBigEndian(block + 4090) + ReadBigEndian(block + 4092);
    };
    const SSectionEnd end =
        ReadSection<SSVC_INFO>(*this, shift, kSvcSection, m_readFindings, tvPlusRadio, add);
    NoteSectionEnd(*this, shift, kSvcSection, end, m_readFindings);
}
