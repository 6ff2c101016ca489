// Channel records exactly as the box keeps them in flash: packed, little-endian, the same bytes
// in memory, in the flash image and in the data file.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <string_view>
#include <utility>

static_assert(
    std::endian::native == std::endian::little,
    "records are stored little-endian byte for byte; a big-endian host needs conversions");

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// ---- capacities ---------------------------------------------------------------------------
inline constexpr int kMaxSatellites = 120;    // satellite table slots
inline constexpr int kImageSatellites = 119;  // satellites the image holds besides TERRESTRIAL
inline constexpr int kMaxTransponders = 1360; // all satellites together
inline constexpr int kMaxTranspondersPerSat = 255;
inline constexpr int kTransponderWalkLimit = 256; // nodes walked in one satellite's list
inline constexpr int kMaxMuxes = 100;
inline constexpr int kMaxNetworks = 408;
inline constexpr int kMaxSatServices = 4048;  // per satellite list index
inline constexpr int kMaxTerrServices = 1000; // per terrestrial list index
inline constexpr int kSatOrderSize = 120;
inline constexpr int kSatExtraSize = 20; // satellite-section extra carried from block 0
inline constexpr int kHeaderBufferSize = 100;
inline constexpr int kDefaultHeaderLength = 43;
inline constexpr int kNameSize = 17; // name fields: 16 characters and a NUL

// ---- indexes --------------------------------------------------------------------------------
inline constexpr BYTE kTerrestrialSatIndex = 1; // the fixed pseudo-satellite
inline constexpr BYTE kFirstSatIndex = 2;       // first real satellite

// Service list selectors.
enum : BYTE { LIST_SAT_TV = 0, LIST_SAT_RADIO = 1, LIST_TERR_TV = 2, LIST_TERR_RADIO = 3 };
inline constexpr int kListCount = 4;
constexpr bool IsSatelliteList(BYTE nList) {
    return nList == LIST_SAT_TV || nList == LIST_SAT_RADIO;
}
constexpr bool IsRadioList(BYTE nList) {
    return nList == LIST_SAT_RADIO || nList == LIST_TERR_RADIO;
}

// ---- service flags (SSVC_INFO::wFlags) ------------------------------------------------------
inline constexpr WORD FLAG_FAV1 = 0x0001;
inline constexpr WORD FLAG_FAV2 = 0x0002;
inline constexpr WORD FLAG_FAV3 = 0x0004;
inline constexpr WORD FLAG_FAV4 = 0x0008;
inline constexpr WORD FLAG_LOCK = 0x0010;
inline constexpr WORD FLAG_CA = 0x0020;
inline constexpr WORD FLAG_DELETED = 0x0080;
inline constexpr WORD FLAG_NEW_TV = 0x0400; // set alone on a TV service the channel dialog creates
inline constexpr WORD FLAG_RADIO = 0x0800;
inline constexpr WORD FLAG_NAME_FIXED = 0x1000; // the stored name wins over a merged copy
inline constexpr WORD FLAG_MERGE_KEEP = 0x11DF; // old flags kept across a merge
inline constexpr WORD AUDIO_DOLBY = 0x8000;     // bit 15 of the audio PID word
inline constexpr WORD AUDIO_PID_MASK = 0x3FFF;

// ---- satellite switch flags (SSAT_INFO::bSwitch) --------------------------------------------
inline constexpr BYTE SW_LNB_POWER = 0x01;
inline constexpr BYTE SW_12V = 0x02;
inline constexpr BYTE SW_22KHZ = 0x04;
inline constexpr BYTE SW_TONEBURST_SHIFT = 4; // bits 4-5: 0 off, 1 Sat A, 2 Sat B

// Value lists behind the satellite and transponder bytes, in the panel's order.
inline constexpr const char* kLnbTypeNames[] = {"Univ.LNB1(9750, 10600)",
                                                "Univ.LNB2(9750, 10750)",
                                                "C Single Solution(5150,5750)",
                                                "C Normal LNB(5150)",
                                                "5750",
                                                "9750",
                                                "10000",
                                                "10050",
                                                "10600",
                                                "10750",
                                                "11200",
                                                "11300",
                                                "11475"};
inline constexpr int kLnbTypeUser = 13; // LNB type 13 and above: user frequency
inline constexpr const char* kCLnbNames[] = {"C Single Solution(5150,5750)", "C Normal LNB(5150)",
                                             "5750"};
inline constexpr int kCLnbUser = 5; // C-LNB selection 5: user frequency

// How the entries of an LNB list are kept in a satellite record (LNB type and LNB frequency,
// C-LNB selection and C-band frequency), one table for both ways. Entry i is stored as value
// nFirstValue + i; the entries from nFirstFrequencyEntry on are single frequencies and store
// their number, those before them store frequency 0. A frequency typed in is stored as
// nUserValue with that number. Shown from a record, the values nUserValue to nUserLast give the
// frequency as text; any other value outside the list shows entry 0.
struct SLnbEncoding {
    int nFirstValue;
    int nEntries;
    int nFirstFrequencyEntry;
    int nUserValue;
    int nUserLast;
};
inline constexpr SLnbEncoding kLnbEncoding{0, std::size(kLnbTypeNames), 4, kLnbTypeUser, 0xFF};
inline constexpr SLnbEncoding kCLnbEncoding{2, std::size(kCLnbNames), 2, kCLnbUser, kCLnbUser};

struct SLnbValue {
    BYTE bValue;
    WORD wFrequency;
};

// The stored value and frequency of list entry nEntry (-1: none, the text was typed) whose text
// reads as wFrequency.
constexpr SLnbValue EncodeLnb(const SLnbEncoding& lnb, int nEntry, WORD wFrequency) {
    if (nEntry < 0 || nEntry >= lnb.nEntries)
        return {static_cast<BYTE>(lnb.nUserValue), wFrequency};
    return {static_cast<BYTE>(lnb.nFirstValue + nEntry),
            nEntry < lnb.nFirstFrequencyEntry ? WORD{0} : wFrequency};
}

// The list entry a stored value shows, or -1 when it shows its frequency as text.
constexpr int LnbEntryOf(const SLnbEncoding& lnb, int nValue) {
    const int nEntry = nValue - lnb.nFirstValue;
    if (nEntry >= 0 && nEntry < lnb.nEntries)
        return nEntry;
    return nValue >= lnb.nUserValue && nValue <= lnb.nUserLast ? -1 : 0;
}

// Both ways agree: every entry is shown again as itself, a typed frequency as text.
constexpr bool LnbEncodingRoundTrips(const SLnbEncoding& lnb) {
    for (int i = 0; i < lnb.nEntries; ++i) {
        if (LnbEntryOf(lnb, EncodeLnb(lnb, i, 0).bValue) != i)
            return false;
    }
    return LnbEntryOf(lnb, EncodeLnb(lnb, -1, 0).bValue) == -1;
}
static_assert(LnbEncodingRoundTrips(kLnbEncoding) && LnbEncodingRoundTrips(kCLnbEncoding));
inline constexpr const char* kFecNames[] = {"Auto", "1/2", "2/3", "3/4", "5/6", "7/8"};

// Packed so the field offsets are the box's; aligned as a whole so that every multi-byte field
// sits on its natural boundary in memory (all of them lie at even offsets, the DWORD at 0).
#pragma pack(push, 1)

// Satellite, 32 bytes.
struct alignas(2) SSAT_INFO {
    WORD wCLnbFreq;  // C-band LNB frequency (MHz), used when bCLnb is 5
    WORD wLnbFreq;   // LNB frequency (MHz) for single-LO types and user values
    WORD wPosition;  // tenths of a degree, 0..3599; 1800 and above are West
    WORD wReserved;  // carried
    BYTE bSwitch;    // SW_* bits; ToneBurst in bits 4-5
    BYTE bCLnb;      // C-LNB selection: 2, 3, 4 list entries, 5 user; 0 and 1 act as 2
    BYTE bLnbType;   // 0..12 list entries, 13 and above user value
    BYTE bCkuSwitch; // 0 none, 1 by 0V/12V, other (written 3) by ToneBurst
    BYTE bDiseqc;    // 0 none, 1..4 ports A..D, 5 and 6 carried
    BYTE bReserved;  // carried
    BYTE bIndex;     // satellite index
    char szName[kNameSize];
};

// Transponder or terrestrial MUX, 12 bytes. Field names are those the firmware table prints.
struct alignas(2) STP_INFO {
    WORD frequency;  // MHz
    WORD symbolrate; // kS/s
    WORD tsid;
    WORD drift;     // carried (the MUX column shows its high byte)
    BYTE attribute; // bit 0 horizontal, bits 4-7 FEC, bits 1-3 carried
    BYTE signal;    // carried
    BYTE satid;     // satellite index; 1 marks a MUX
    BYTE tpid;      // 1-based position in its satellite's list; the MUX index for a MUX
};

// Service, 44 bytes.
struct alignas(4) SSVC_INFO {
    DWORD dwReserved;
    WORD wNumber;   // channel number shown in the NUM column
    WORD wOrderKey; // order the list is rebuilt by
    BYTE bSatIndex; // 1 for a terrestrial service
    BYTE bTpIndex;  // tpid, or the MUX index of a terrestrial service
    WORD wNetwork;  // network id; 0 or above 408 = none
    WORD wServiceId;
    WORD wVideoPid;
    WORD wAudioPid; // bits 0-13 PID, bit 15 Dolby
    WORD wPcrPid;
    WORD wFlags;
    BYTE abReserved[4]; // the channel dialog sets the first to 1 on a service it creates
    char szName[kNameSize];
    BYTE bNameAttr;
};

// Network name, 20 bytes.
struct alignas(2) SNET_INFO {
    WORD id; // 1..408; 0 = empty entry
    char name[kNameSize];
    BYTE attribute;
};

#pragma pack(pop)

static_assert(sizeof(SSAT_INFO) == 32 && alignof(SSAT_INFO) == 2);
static_assert(offsetof(SSAT_INFO, wCLnbFreq) == 0 && offsetof(SSAT_INFO, wLnbFreq) == 2);
static_assert(offsetof(SSAT_INFO, wPosition) == 4 && offsetof(SSAT_INFO, wReserved) == 6);
static_assert(offsetof(SSAT_INFO, bSwitch) == 8 && offsetof(SSAT_INFO, bCLnb) == 9);
static_assert(offsetof(SSAT_INFO, bLnbType) == 10 && offsetof(SSAT_INFO, bCkuSwitch) == 11);
static_assert(offsetof(SSAT_INFO, bDiseqc) == 12 && offsetof(SSAT_INFO, bReserved) == 13);
static_assert(offsetof(SSAT_INFO, bIndex) == 14 && offsetof(SSAT_INFO, szName) == 15);

static_assert(sizeof(STP_INFO) == 12 && alignof(STP_INFO) == 2);
static_assert(offsetof(STP_INFO, frequency) == 0 && offsetof(STP_INFO, symbolrate) == 2);
static_assert(offsetof(STP_INFO, tsid) == 4 && offsetof(STP_INFO, drift) == 6);
static_assert(offsetof(STP_INFO, attribute) == 8 && offsetof(STP_INFO, signal) == 9);
static_assert(offsetof(STP_INFO, satid) == 10 && offsetof(STP_INFO, tpid) == 11);

static_assert(sizeof(SSVC_INFO) == 44 && alignof(SSVC_INFO) == 4);
static_assert(offsetof(SSVC_INFO, dwReserved) == 0 && offsetof(SSVC_INFO, wNumber) == 4);
static_assert(offsetof(SSVC_INFO, wOrderKey) == 6 && offsetof(SSVC_INFO, bSatIndex) == 8);
static_assert(offsetof(SSVC_INFO, bTpIndex) == 9 && offsetof(SSVC_INFO, wNetwork) == 10);
static_assert(offsetof(SSVC_INFO, wServiceId) == 12 && offsetof(SSVC_INFO, wVideoPid) == 14);
static_assert(offsetof(SSVC_INFO, wAudioPid) == 16 && offsetof(SSVC_INFO, wPcrPid) == 18);
static_assert(offsetof(SSVC_INFO, wFlags) == 20 && offsetof(SSVC_INFO, abReserved) == 22);
static_assert(offsetof(SSVC_INFO, szName) == 26 && offsetof(SSVC_INFO, bNameAttr) == 43);

static_assert(sizeof(SNET_INFO) == 20 && alignof(SNET_INFO) == 2);
static_assert(offsetof(SNET_INFO, id) == 0 && offsetof(SNET_INFO, name) == 2);
static_assert(offsetof(SNET_INFO, attribute) == 19);

// A record's name: up to its NUL, never more than 16 characters, never past its 17 bytes.
inline std::string_view NameOf(const char (&name)[kNameSize]) {
    return {name, ::strnlen(name, kNameSize - 1)};
}

// Copies at most 16 characters of `text` into a name field and ends it with NUL.
inline void SetName(char (&name)[kNameSize], std::string_view text) {
    std::memset(name, 0, kNameSize);
    std::memcpy(name, text.data(), text.size() < kNameSize - 1 ? text.size() : kNameSize - 1);
}

// The fixed TERRESTRIAL pseudo-satellite record (record 0 of block 0).
inline SSAT_INFO TerrestrialRecord() {
    SSAT_INFO rec{};
    rec.bIndex = kTerrestrialSatIndex;
    SetName(rec.szName, "TERRESTRIAL");
    return rec;
}

// ---- list structures (memory only) ----------------------------------------------------------

// A node owns its record; both are freed when the node is removed.
template <class T> struct LIST_NODE {
    LIST_NODE* pPrev = nullptr;
    LIST_NODE* pNext = nullptr;
    T* pData = nullptr;
};

template <class T> struct LIST_HEAD {
    LIST_NODE<T>* pFirst = nullptr;
    LIST_NODE<T>* pLast = nullptr;
};

// Doubly linked list that owns its nodes and records. The only place nodes are allocated.
template <class T> class CRecordList : public LIST_HEAD<T> {
  public:
    CRecordList() = default;
    CRecordList(const CRecordList&) = delete;
    CRecordList& operator=(const CRecordList&) = delete;
    ~CRecordList() { Free(); }

    std::size_t Size() const { return m_nNodes; }

    // Exchanges the whole contents with another list (moving a satellite's list to a new slot).
    void Swap(CRecordList& other) {
        std::swap(this->pFirst, other.pFirst);
        std::swap(this->pLast, other.pLast);
        std::swap(m_nNodes, other.m_nNodes);
    }

    // Inserts a copy of `rec` before `before` (null: at the tail); returns the new node.
    LIST_NODE<T>* InsertBefore(LIST_NODE<T>* before, const T& rec) {
        auto node = std::make_unique<LIST_NODE<T>>();
        node->pData = std::make_unique<T>(rec).release();
        LIST_NODE<T>* n = node.release();
        if (before == nullptr) {
            n->pPrev = this->pLast;
            if (this->pLast != nullptr)
                this->pLast->pNext = n;
            else
                this->pFirst = n;
            this->pLast = n;
        } else {
            n->pNext = before;
            n->pPrev = before->pPrev;
            if (before->pPrev != nullptr)
                before->pPrev->pNext = n;
            else
                this->pFirst = n;
            before->pPrev = n;
        }
        ++m_nNodes;
        return n;
    }
    LIST_NODE<T>* Append(const T& rec) { return InsertBefore(nullptr, rec); }

    // Frees the node and its record; returns the node that followed it.
    LIST_NODE<T>* Remove(LIST_NODE<T>* node) {
        LIST_NODE<T>* next = node->pNext;
        (node->pPrev != nullptr ? node->pPrev->pNext : this->pFirst) = next;
        (next != nullptr ? next->pPrev : this->pLast) = node->pPrev;
        std::unique_ptr<T> rec(node->pData);
        std::unique_ptr<LIST_NODE<T>> owned(node);
        --m_nNodes;
        return next;
    }

    void Free() {
        while (this->pFirst != nullptr)
            Remove(this->pFirst);
    }

  private:
    std::size_t m_nNodes = 0;
};

// One satellite's transponder list.
struct TP_LIST : CRecordList<STP_INFO> {
    WORD nCount = 0;
};

// One row of a service list's index (display order).
struct SSVC_INDEX {
    SSVC_INFO* pService = nullptr;
    WORD wKey = 0;  // number key
    BYTE bMark = 0; // 1 = marked by Cut
};
