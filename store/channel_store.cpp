#include "channel_store.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <span>
#include <tuple>

namespace {

// Name comparison as the box's lists expect: 16 characters, upper-cased, stopping at the
// first NUL of either name; the name that ends first sorts first.
int CompareNames(const char* a, const char* b) {
    for (int i = 0; i < kNameSize - 1; ++i) {
        const int ca = std::toupper(static_cast<unsigned char>(a[i]));
        const int cb = std::toupper(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
    return 0;
}

int CompareKeys(WORD a, WORD b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

// A merging add stores no frequency or symbol rate below 1000.
void RaiseForMerge(STP_INFO& rec) {
    rec.frequency = std::max<WORD>(rec.frequency, 1000);
    rec.symbolrate = std::max<WORD>(rec.symbolrate, 1000);
}

} // namespace

int FrequencyTolerance(WORD wSymbolRate) {
    return wSymbolRate >= 6000 ? wSymbolRate / 2000 : 3;
}

WORD ServiceFlagMask(WORD nWhich) {
    if (nWhich > 4)
        return 0;
    return nWhich == 0 ? FLAG_LOCK : static_cast<WORD>(1u << (nWhich - 1));
}

void FillDefaultHeader(BYTE* buf) {
    std::memset(buf, 0, kDefaultHeaderLength);
    std::memcpy(buf, "ABCD", 4);
    std::memset(buf + 4, '0', 25);
    std::memcpy(buf + 29, "144d", 4);
    buf[41] = '0';
    buf[42] = 'x';
}

CChannelStore::CChannelStore() {
    m_lists[LIST_SAT_TV].index.resize(kMaxSatServices);
    m_lists[LIST_SAT_RADIO].index.resize(kMaxSatServices);
    m_lists[LIST_TERR_TV].index.resize(kMaxTerrServices);
    m_lists[LIST_TERR_RADIO].index.resize(kMaxTerrServices);
    FillDefaultHeader(m_header.data());
    m_nHeaderLength = kDefaultHeaderLength;
}

CChannelStore::~CChannelStore() = default;

// ---- lists ------------------------------------------------------------------------------------

CChannelStore::ServiceList* CChannelStore::List(BYTE nList) {
    return nList < kListCount ? &m_lists[nList] : nullptr;
}

const CChannelStore::ServiceList* CChannelStore::List(BYTE nList) const {
    return nList < kListCount ? &m_lists[nList] : nullptr;
}

SSVC_INDEX* CChannelStore::Row(WORD nPos, BYTE nList) {
    ServiceList* list = List(nList);
    return list != nullptr && nPos < list->nRows ? &list->index[nPos] : nullptr;
}

const SSVC_INDEX* CChannelStore::Row(WORD nPos, BYTE nList) const {
    const ServiceList* list = List(nList);
    return list != nullptr && nPos < list->nRows ? &list->index[nPos] : nullptr;
}

WORD CChannelStore::GetServiceCount(BYTE nList) const {
    const ServiceList* list = List(nList);
    return list != nullptr ? list->nCount : 0;
}

WORD CChannelStore::GetRowCount(BYTE nList) const {
    const ServiceList* list = List(nList);
    return list != nullptr ? list->nRows : 0;
}

WORD CChannelStore::GetHighestKey(BYTE nList) const {
    const ServiceList* list = List(nList);
    return list != nullptr ? list->nHighestKey : 0;
}

// ---- clearing -----------------------------------------------------------------------------------

void CChannelStore::ClearSatellites() {
    ClearTransponders();
    m_nSatCount = 0;
    m_nSatOrderCount = 0;
}

void CChannelStore::ClearTransponders() {
    for (TP_LIST& tps : m_tpLists) {
        tps.Free();
        tps.nCount = 0;
    }
    m_nTpTotal = 0;
}

void CChannelStore::ClearNetworks() {
    m_nNetCount = 0;
}

void CChannelStore::ClearMuxes() {
    m_muxes.fill(STP_INFO{});
    m_nMuxCount = 0;
}

void CChannelStore::ClearServices() {
    for (ServiceList& list : m_lists) {
        list.list.Free();
        list.nCount = 0;
        list.nRows = 0;
    }
}

// ---- satellites ---------------------------------------------------------------------------------

bool CChannelStore::IsValidSatellite(BYTE nSat) const {
    return nSat >= kFirstSatIndex && nSat <= m_nSatCount + 1;
}

WORD CChannelStore::AppendSatellite(SSAT_INFO& rec) {
    if (rec.wPosition != 0) {
        for (int i = 0; i < m_nSatCount; ++i) {
            if (m_satellites[i].wPosition == rec.wPosition) {
                rec.bIndex = m_satellites[i].bIndex;
                return 0;
            }
        }
    }
    if (m_nSatCount >= kMaxSatellites)
        return 0;
    const int slot = m_nSatCount;
    rec.bIndex = static_cast<BYTE>(slot + kFirstSatIndex);
    m_satellites[slot] = rec;
    m_nTpTotal -= m_tpLists[slot].nCount;
    m_tpLists[slot].Free();
    m_tpLists[slot].nCount = 0;
    return ++m_nSatCount;
}

void CChannelStore::DeleteSatellite(BYTE nSat) {
    if (!IsValidSatellite(nSat))
        return;
    for (BYTE nList : {LIST_SAT_TV, LIST_SAT_RADIO}) {
        for (auto* node = m_lists[nList].list.pFirst; node != nullptr; node = node->pNext) {
            SSVC_INFO& svc = *node->pData;
            if (svc.bSatIndex == nSat)
                svc.wFlags |= FLAG_DELETED;
            else if (svc.bSatIndex > nSat)
                --svc.bSatIndex;
        }
    }
    const int slot = nSat - kFirstSatIndex;
    m_nTpTotal -= m_tpLists[slot].nCount;
    m_tpLists[slot].Free();
    m_tpLists[slot].nCount = 0;
    for (int s = slot; s + 1 < m_nSatCount; ++s) {
        m_satellites[s] = m_satellites[s + 1];
        --m_satellites[s].bIndex;
        m_tpLists[s].Swap(m_tpLists[s + 1]);
        std::swap(m_tpLists[s].nCount, m_tpLists[s + 1].nCount);
        for (auto* node = m_tpLists[s].pFirst; node != nullptr; node = node->pNext)
            --node->pData->satid;
    }
    m_satellites[m_nSatCount - 1] = SSAT_INFO{};
    --m_nSatCount;
    Rebuild();
}

BOOL CChannelStore::SetSatellite(BYTE nSat, const SSAT_INFO& rec) {
    if (!IsValidSatellite(nSat))
        return FALSE;
    m_satellites[nSat - kFirstSatIndex] = rec;
    return TRUE;
}

const SSAT_INFO* CChannelStore::GetSatellite(BYTE nSat) const {
    return IsValidSatellite(nSat) ? &m_satellites[nSat - kFirstSatIndex] : nullptr;
}

std::string_view CChannelStore::GetSatelliteName(BYTE nSat) const {
    const SSAT_INFO* sat = GetSatellite(nSat);
    return sat != nullptr ? NameOf(sat->szName) : std::string_view{};
}

// ---- transponders and MUXes
// -----------------------------------------------------------------------

BYTE CChannelStore::AddTransponder(STP_INFO& rec, BYTE bMerge) {
    if (!IsValidSatellite(rec.satid))
        return TP_REFUSED;
    TP_LIST& tps = m_tpLists[rec.satid - kFirstSatIndex];
    if (bMerge == 1) {
        if (rec.frequency == 0 || rec.symbolrate == 0)
            return TP_REFUSED;
        RaiseForMerge(rec);
        if (const STP_INFO* target = MergeTarget(rec)) {
            STP_INFO& tp = const_cast<STP_INFO&>(*target);
            tp.frequency = rec.frequency;
            tp.symbolrate = rec.symbolrate;
            rec.tpid = tp.tpid;
            return TP_MERGED;
        }
    }
    const BYTE tpid = tps.pLast != nullptr ? static_cast<BYTE>(tps.pLast->pData->tpid + 1) : 1;
    if (m_nTpTotal >= kMaxTransponders || tpid == 0)
        return TP_REFUSED;
    rec.tpid = tpid;
    tps.Append(rec);
    ++tps.nCount;
    ++m_nTpTotal;
    return TP_APPENDED;
}

// The first transponder of rec's satellite (walking at most 256) within the frequency
// tolerance, within rate / 1000 of the symbol rate, with the same polarisation.
const STP_INFO* CChannelStore::MergeTarget(const STP_INFO& rec) const {
    if (!IsValidSatellite(rec.satid))
        return nullptr;
    const int rate = rec.symbolrate;
    const int freqTolerance = FrequencyTolerance(rec.symbolrate);
    const int rateTolerance = rate / 1000;
    int walked = 0;
    for (auto* node = m_tpLists[rec.satid - kFirstSatIndex].pFirst;
         node != nullptr && walked < kTransponderWalkLimit; node = node->pNext, ++walked) {
        const STP_INFO& tp = *node->pData;
        if (std::abs(tp.frequency - rec.frequency) <= freqTolerance &&
            std::abs(tp.symbolrate - rate) <= rateTolerance &&
            (tp.attribute & 1) == (rec.attribute & 1))
            return &tp;
    }
    return nullptr;
}

BYTE CChannelStore::FindMergeTarget(const STP_INFO& rec) const {
    if (rec.frequency == 0 || rec.symbolrate == 0)
        return 0;
    STP_INFO raised = rec;
    RaiseForMerge(raised);
    const STP_INFO* target = MergeTarget(raised);
    return target != nullptr ? target->tpid : 0;
}

int CChannelStore::GetTransponderRecordRoom() const {
    constexpr const SImageSection& section = ImageSection(EImageSection::Transponders);
    return std::max(0, section.nBlocks * section.nPerBlock - m_nMuxCount - m_nTpTotal);
}

BYTE CChannelStore::AppendTransponder(BYTE nSat, BYTE* pnTp, WORD wFreq, WORD wSymbolRate,
                                      BYTE bHorizontal, BYTE nFec) {
    if (nSat < kFirstSatIndex || pnTp == nullptr)
        return TP_REFUSED;
    STP_INFO rec{};
    rec.satid = nSat;
    rec.tpid = *pnTp;
    rec.frequency = wFreq;
    rec.symbolrate = wSymbolRate;
    rec.attribute = static_cast<BYTE>((bHorizontal & 1) | (nFec << 4));
    const BYTE result = AddTransponder(rec, 1);
    if (result != TP_REFUSED)
        *pnTp = rec.tpid;
    return result;
}

void CChannelStore::DeleteTransponder(BYTE nSat, BYTE nTp) {
    if (!IsValidSatellite(nSat) || nTp == 0)
        return;
    TP_LIST& tps = m_tpLists[nSat - kFirstSatIndex];
    auto* node = tps.pFirst;
    while (node != nullptr && node->pData->tpid != nTp)
        node = node->pNext;
    if (node == nullptr)
        return; // nothing to delete: leave the services alone
    for (node = tps.Remove(node); node != nullptr; node = node->pNext)
        --node->pData->tpid;
    const WORD left = static_cast<WORD>(tps.Size());
    m_nTpTotal = static_cast<WORD>(m_nTpTotal - (tps.nCount - left));
    tps.nCount = left;
    for (BYTE nList : {LIST_SAT_TV, LIST_SAT_RADIO}) {
        for (auto* svcNode = m_lists[nList].list.pFirst; svcNode != nullptr;
             svcNode = svcNode->pNext) {
            SSVC_INFO& svc = *svcNode->pData;
            if (svc.bSatIndex != nSat)
                continue;
            if (svc.bTpIndex == nTp)
                svc.wFlags |= FLAG_DELETED;
            else if (svc.bTpIndex > nTp)
                --svc.bTpIndex;
        }
    }
    Rebuild();
}

const STP_INFO* CChannelStore::GetTransponder(BYTE nSat, BYTE nTp) const {
    if (nTp == 0 || !IsValidSatellite(nSat))
        return nullptr;
    const TP_LIST& tps = m_tpLists[nSat - kFirstSatIndex];
    int walked = 0;
    for (auto* node = tps.pFirst; node != nullptr && walked < tps.nCount;
         node = node->pNext, ++walked) {
        if (node->pData->satid == nSat && node->pData->tpid == nTp)
            return node->pData;
    }
    return nullptr;
}

BOOL CChannelStore::SetTransponder(BYTE nSat, BYTE nTp, const STP_INFO& values) {
    auto* tp = const_cast<STP_INFO*>(GetTransponder(nSat, nTp));
    if (tp == nullptr)
        return FALSE;
    STP_INFO rec = values;
    rec.satid = tp->satid;
    rec.tpid = tp->tpid;
    *tp = rec;
    return TRUE;
}

WORD CChannelStore::GetTransponderCountOf(BYTE nSat) const {
    return IsValidSatellite(nSat) ? m_tpLists[nSat - kFirstSatIndex].nCount : 0;
}

BOOL CChannelStore::AddMux(const STP_INFO& rec) {
    if (rec.tpid == 0 || rec.tpid > kMaxMuxes)
        return FALSE;
    // The count is of MUXes, not of calls: a MUX stored again replaces the old one.
    if (m_muxes[rec.tpid - 1].tpid == 0)
        ++m_nMuxCount;
    m_muxes[rec.tpid - 1] = rec;
    return TRUE;
}

const STP_INFO* CChannelStore::GetMux(BYTE nMux) const {
    // An empty slot (never filled by AddMux) carries MUX index 0 and counts as missing.
    if (nMux == 0 || nMux > kMaxMuxes || m_muxes[nMux - 1].tpid == 0)
        return nullptr;
    return &m_muxes[nMux - 1];
}

// ---- services -----------------------------------------------------------------------------------

BYTE CChannelStore::AddSatService(BYTE nMode, const SSVC_INFO& rec) {
    if (!IsValidSatellite(rec.bSatIndex) || rec.bTpIndex == 0)
        return SVC_REFUSED;
    return AddService((rec.wFlags & FLAG_RADIO) ? LIST_SAT_RADIO : LIST_SAT_TV, nMode, rec);
}

BYTE CChannelStore::AddTerrService(BYTE nMode, const SSVC_INFO& rec) {
    if (rec.bSatIndex != kTerrestrialSatIndex)
        return SVC_REFUSED;
    return AddService((rec.wFlags & FLAG_RADIO) ? LIST_TERR_RADIO : LIST_TERR_TV, nMode, rec);
}

BYTE CChannelStore::AddService(BYTE nList, BYTE nMode, const SSVC_INFO& rec) {
    ServiceList& list = m_lists[nList];
    const bool full = list.list.Size() >= static_cast<std::size_t>(WalkLimit(nList));
    if (nMode == ADD_APPEND || nMode == ADD_APPEND_IMAGE) {
        if (full)
            return SVC_REFUSED; // a list never holds more than its index can show
        list.list.Append(rec);
        return SVC_STORED;
    }
    const auto identity = [](const SSVC_INFO& s) {
        return std::tuple(s.bSatIndex, s.bTpIndex, s.wServiceId);
    };
    LIST_NODE<SSVC_INFO>* before = nullptr;
    int walked = 0;
    for (auto* node = list.list.pFirst; node != nullptr && walked < WalkLimit(nList);
         node = node->pNext, ++walked) {
        SSVC_INFO& old = *node->pData;
        if (identity(old) == identity(rec)) {
            SSVC_INFO merged = rec;
            merged.wNumber = old.wNumber;
            merged.wOrderKey = old.wOrderKey;
            merged.wFlags |= old.wFlags & FLAG_MERGE_KEEP;
            if (merged.wFlags & FLAG_NAME_FIXED) {
                std::memcpy(merged.szName, old.szName, kNameSize - 1);
                merged.bNameAttr = old.bNameAttr;
            }
            old = merged;
            return SVC_MERGED;
        }
        if (identity(old) > identity(rec)) {
            before = node;
            break;
        }
    }
    if (full)
        return SVC_REFUSED;
    auto* node = list.list.InsertBefore(before, rec);
    const WORD key = ++list.nHighestKey;
    node->pData->wNumber = key;
    node->pData->wOrderKey = key;
    ++list.nCount;
    return SVC_STORED;
}

const SSVC_INFO* CChannelStore::GetService(WORD nPos, BYTE nList) const {
    const SSVC_INDEX* row = Row(nPos, nList);
    return row != nullptr ? row->pService : nullptr;
}

SSVC_INFO* CChannelStore::MutableService(WORD nPos, BYTE nList) {
    SSVC_INDEX* row = Row(nPos, nList);
    return row != nullptr ? row->pService : nullptr;
}

void CChannelStore::SetServiceName(WORD nPos, BYTE nList, const char* s, UINT nLen) {
    SSVC_INFO* svc = MutableService(nPos, nList);
    if (svc == nullptr || s == nullptr)
        return;
    const UINT n = std::min<UINT>(nLen, kNameSize - 1);
    std::memcpy(svc->szName, s, n);
    svc->szName[n] = '\0';
}

void CChannelStore::SetServiceWord(WORD nPos, BYTE nList, WORD SSVC_INFO::*field, WORD w) {
    if (SSVC_INFO* svc = MutableService(nPos, nList))
        svc->*field = w;
}

void CChannelStore::SetServiceVideoPid(WORD nPos, BYTE nList, WORD w) {
    SetServiceWord(nPos, nList, &SSVC_INFO::wVideoPid, w);
}

void CChannelStore::SetServiceAudioPid(WORD nPos, BYTE nList, WORD w) {
    SetServiceWord(nPos, nList, &SSVC_INFO::wAudioPid, w);
}

void CChannelStore::SetServicePcrPid(WORD nPos, BYTE nList, WORD w) {
    SetServiceWord(nPos, nList, &SSVC_INFO::wPcrPid, w);
}

void CChannelStore::SetServiceNetwork(WORD nPos, BYTE nList, WORD w) {
    SetServiceWord(nPos, nList, &SSVC_INFO::wNetwork, w);
}

void CChannelStore::SetServiceMark(WORD nPos, BYTE nList, BYTE bMark) {
    if (SSVC_INDEX* row = Row(nPos, nList))
        row->bMark = bMark;
}

BYTE CChannelStore::GetServiceMark(WORD nPos, BYTE nList) const {
    const SSVC_INDEX* row = Row(nPos, nList);
    return row != nullptr ? row->bMark : 0;
}

void CChannelStore::SetServiceFlag(WORD nPos, BYTE nList, WORD nWhich, BYTE bOn) {
    SSVC_INFO* svc = MutableService(nPos, nList);
    const WORD mask = ServiceFlagMask(nWhich);
    if (svc == nullptr || mask == 0)
        return;
    if (bOn)
        svc->wFlags |= mask;
    else
        svc->wFlags &= static_cast<WORD>(~mask);
}

void CChannelStore::DeleteMarkedServices(BYTE nList) {
    ServiceList* list = List(nList);
    if (list == nullptr)
        return;
    for (WORD i = 0; i < list->nRows; ++i) {
        if (list->index[i].bMark == 1)
            list->index[i].pService->wFlags |= FLAG_DELETED;
    }
    Rebuild();
}

void CChannelStore::MoveMarkedServices(WORD nTargetPos, BYTE nList) {
    ServiceList* list = List(nList);
    if (list == nullptr || list->nRows == 0 || nTargetPos >= list->nRows)
        return;
    const auto rows = std::span(list->index.data(), list->nRows);
    std::vector<SSVC_INDEX> order;
    order.reserve(rows.size());
    // Unmarked above the target, marked above, marked at or below, unmarked at or below.
    const auto collect = [&](bool marked, bool above) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if ((rows[i].bMark == 1) == marked && (i < nTargetPos) == above)
                order.push_back(rows[i]);
        }
    };
    collect(false, true);
    collect(true, true);
    collect(true, false);
    collect(false, false);
    PlaceRows(*list, std::move(order));
}

BOOL CChannelStore::ReorderList(BYTE nList, std::span<const WORD> order) {
    ServiceList* list = List(nList);
    if (list == nullptr || order.size() != list->nRows)
        return FALSE;
    std::vector<bool> seen(order.size());
    for (WORD row : order) {
        if (row >= order.size() || seen[row])
            return FALSE;
        seen[row] = true;
    }
    bool bSame = true;
    for (std::size_t i = 0; i < order.size() && bSame; ++i)
        bSame = order[i] == i;
    if (bSame)
        return TRUE;
    std::vector<SSVC_INDEX> rows;
    rows.reserve(order.size());
    for (WORD row : order)
        rows.push_back(list->index[row]);
    PlaceRows(*list, std::move(rows));
    return TRUE;
}

void CChannelStore::PlaceRows(ServiceList& list, std::vector<SSVC_INDEX> order) {
    const auto rows = std::span(list.index.data(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i].wKey = rows[i].wKey;
        order[i].bMark = 0;
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const SSVC_INDEX& a, const SSVC_INDEX& b) { return a.wKey < b.wKey; });
    for (std::size_t i = 0; i < order.size(); ++i) {
        rows[i] = order[i];
        rows[i].pService->wNumber = static_cast<WORD>(i + 1);
        rows[i].pService->wOrderKey = rows[i].wKey;
    }
    Rebuild();
}

// ---- networks -----------------------------------------------------------------------------------

BOOL CChannelStore::AddNetwork(const SNET_INFO& rec) {
    if (m_nNetCount >= kMaxNetworks)
        return FALSE;
    m_networks[m_nNetCount++] = rec;
    return TRUE;
}

const SNET_INFO* CChannelStore::FindNetwork(WORD nNetwork) const {
    if (nNetwork == 0 || nNetwork > kMaxNetworks)
        return nullptr;
    if (nNetwork - 1 < m_nNetCount && m_networks[nNetwork - 1].id == nNetwork)
        return &m_networks[nNetwork - 1];
    for (int i = 0; i < m_nNetCount; ++i) {
        if (m_networks[i].id == nNetwork)
            return &m_networks[i];
    }
    return nullptr;
}

const SNET_INFO* CChannelStore::GetNetworkAt(WORD nPos) const {
    return nPos < m_nNetCount ? &m_networks[nPos] : nullptr;
}

std::string_view CChannelStore::GetNetworkName(WORD nNetwork, BYTE* pbAttr) const {
    const SNET_INFO* net = FindNetwork(nNetwork);
    if (pbAttr != nullptr)
        *pbAttr = net != nullptr ? net->attribute : 0;
    return net != nullptr ? NameOf(net->name) : std::string_view("Unknown");
}

// ---- sorting and numbering ----------------------------------------------------------------------

template <class Less> void CChannelStore::SortRows(BYTE nList, Less less) {
    ServiceList* list = List(nList);
    if (list == nullptr)
        return;
    // Stable, so rows that compare equal keep their order from one sort to the next.
    std::stable_sort(list->index.begin(), list->index.begin() + list->nRows, less);
}

void CChannelStore::SortByNumber(BYTE nList) {
    SortRows(nList, [](const SSVC_INDEX& a, const SSVC_INDEX& b) { return a.wKey < b.wKey; });
}

void CChannelStore::SortByName(BYTE nList, BOOL bDescending) {
    SortRows(nList, [bDescending](const SSVC_INDEX& a, const SSVC_INDEX& b) {
        int c = CompareNames(a.pService->szName, b.pService->szName);
        if (c == 0)
            c = CompareKeys(a.wKey, b.wKey);
        return bDescending ? c > 0 : c < 0;
    });
}

void CChannelStore::SortByFlag(BYTE nList, WORD mask, BOOL bReverse) {
    SortRows(nList, [mask, bReverse](const SSVC_INDEX& a, const SSVC_INDEX& b) {
        const bool fa = (a.pService->wFlags & mask) != 0;
        const bool fb = (b.pService->wFlags & mask) != 0;
        if (fa != fb)
            return bReverse ? fb : fa;
        return a.wKey < b.wKey;
    });
}

void CChannelStore::SortByCa(BYTE nList, BOOL bReverse) {
    SortByFlag(nList, FLAG_CA, bReverse);
}

void CChannelStore::SortByLock(BYTE nList, BOOL bReverse) {
    SortByFlag(nList, FLAG_LOCK, bReverse);
}

void CChannelStore::SortByFavourite(BYTE nList, int nFav, BOOL bReverse) {
    if (nFav < 1 || nFav > 4) {
        SortByNumber(nList);
        return;
    }
    SortByFlag(nList, static_cast<WORD>(1u << (nFav - 1)), bReverse);
}

void CChannelStore::SortBySatellite(BYTE nList, BOOL bDescending) {
    SortRows(nList, [bDescending](const SSVC_INDEX& a, const SSVC_INDEX& b) {
        const auto ka = std::tuple(a.pService->bSatIndex, a.pService->bTpIndex, a.wKey);
        const auto kb = std::tuple(b.pService->bSatIndex, b.pService->bTpIndex, b.wKey);
        return bDescending ? kb < ka : ka < kb;
    });
}

void CChannelStore::SortByNetwork(BYTE nList, BOOL bDescending) {
    // Network names by id, for ids 0..407; services with any other id, or an id no entry
    // names, sort after all named ones.
    std::array<const char*, kMaxNetworks> names{};
    for (int i = 0; i < m_nNetCount; ++i) {
        const WORD id = m_networks[i].id;
        if (id < kMaxNetworks && names[id] == nullptr)
            names[id] = m_networks[i].name;
    }
    const auto nameOf = [&names](const SSVC_INDEX& row) -> const char* {
        const WORD id = row.pService->wNetwork;
        return id < kMaxNetworks ? names[id] : nullptr;
    };
    SortRows(nList, [&](const SSVC_INDEX& a, const SSVC_INDEX& b) {
        const int keyOrder =
            bDescending ? -CompareKeys(a.wKey, b.wKey) : CompareKeys(a.wKey, b.wKey);
        if (a.pService->wNetwork == b.pService->wNetwork)
            return keyOrder < 0;
        const char* na = nameOf(a);
        const char* nb = nameOf(b);
        if (na == nullptr || nb == nullptr) {
            if (na != nb)
                return nb == nullptr; // named before unnamed, in both directions
            return keyOrder < 0;
        }
        const int c = CompareNames(na, nb);
        if (c != 0)
            return bDescending ? c > 0 : c < 0;
        return keyOrder < 0;
    });
}

void CChannelStore::SortSatListsByTransponder() {
    for (BYTE nList : {LIST_SAT_TV, LIST_SAT_RADIO}) {
        SortRows(nList, [](const SSVC_INDEX& a, const SSVC_INDEX& b) {
            const SSVC_INFO& sa = *a.pService;
            const SSVC_INFO& sb = *b.pService;
            return std::tuple(sa.bSatIndex, sa.bTpIndex, sa.wServiceId, a.wKey) <
                   std::tuple(sb.bSatIndex, sb.bTpIndex, sb.wServiceId, b.wKey);
        });
    }
}

void CChannelStore::SortSatListsByNumber() {
    SortByNumber(LIST_SAT_TV);
    SortByNumber(LIST_SAT_RADIO);
}

void CChannelStore::Renumber(BYTE nList) {
    ServiceList* list = List(nList);
    if (list == nullptr)
        return;
    // The order key follows the number in every list, so the new order survives the next
    // rebuild and a save.
    for (WORD i = 0; i < list->nRows; ++i) {
        SSVC_INDEX& row = list->index[i];
        row.wKey = static_cast<WORD>(i + 1);
        row.pService->wNumber = row.wKey;
        row.pService->wOrderKey = row.wKey;
    }
}

// ---- rebuild ------------------------------------------------------------------------------------

void CChannelStore::Rebuild() {
    std::array<bool, kMaxNetworks + 1> usedNetworks{};
    std::array<WORD, kMaxSatellites + 2> tvAppearance{};
    std::array<WORD, kMaxSatellites + 2> radioAppearance{};
    RebuildList(LIST_SAT_TV, usedNetworks, tvAppearance);
    RebuildList(LIST_SAT_RADIO, usedNetworks, radioAppearance);
    std::array<WORD, kMaxSatellites + 2> unused{};
    RebuildList(LIST_TERR_TV, usedNetworks, unused);
    RebuildList(LIST_TERR_RADIO, usedNetworks, unused);
    RebuildSatOrder(tvAppearance, radioAppearance);
    RebuildNetworks(usedNetworks);
}

void CChannelStore::RebuildList(BYTE nList, std::array<bool, kMaxNetworks + 1>& usedNetworks,
                                std::array<WORD, kMaxSatellites + 2>& firstAppearance) {
    ServiceList& list = m_lists[nList];
    const bool sat = IsSatelliteList(nList);
    WORD rows = 0;
    WORD highest = 0;
    WORD appearances = 0;
    auto* node = list.list.pFirst;
    for (int walked = 0; node != nullptr && walked < WalkLimit(nList); ++walked) {
        const SSVC_INFO* svc = node->pData;
        const bool drop =
            svc == nullptr || (svc->wFlags & FLAG_DELETED) ||
            (sat ? !IsValidSatellite(svc->bSatIndex) : svc->bSatIndex != kTerrestrialSatIndex);
        if (drop) {
            node = list.list.Remove(node);
            continue;
        }
        list.index[rows++] = SSVC_INDEX{node->pData, svc->wOrderKey, 0};
        if (sat && firstAppearance[svc->bSatIndex] == 0)
            firstAppearance[svc->bSatIndex] = ++appearances;
        highest = std::max(highest, svc->wOrderKey);
        if (svc->wNetwork >= 1 && svc->wNetwork <= kMaxNetworks)
            usedNetworks[svc->wNetwork] = true;
        node = node->pNext;
    }
    list.nHighestKey = highest;
    list.nRows = rows;
    list.nCount = rows;
    SortByNumber(nList);
    for (WORD i = 0; i < rows; ++i) {
        SSVC_INDEX& row = list.index[i];
        row.wKey = static_cast<WORD>(i + 1);
        row.pService->wNumber = row.wKey;
        if (sat)
            row.pService->wOrderKey = row.wKey;
    }
}

void CChannelStore::RebuildSatOrder(const std::array<WORD, kMaxSatellites + 2>& tvAppearance,
                                    const std::array<WORD, kMaxSatellites + 2>& radioAppearance) {
    m_satOrder.fill(0);
    int count = 0;
    for (int sat = kFirstSatIndex; sat < static_cast<int>(tvAppearance.size()); ++sat) {
        const WORD n = tvAppearance[sat];
        if (n != 0 && n <= kSatOrderSize) {
            m_satOrder[n - 1] = static_cast<BYTE>(sat);
            ++count;
        }
    }
    for (int sat = kFirstSatIndex; sat < static_cast<int>(radioAppearance.size()); ++sat) {
        if (radioAppearance[sat] != 0 && tvAppearance[sat] == 0 && count < kSatOrderSize)
            m_satOrder[count++] = static_cast<BYTE>(sat);
    }
    m_nSatOrderCount = static_cast<WORD>(count);
}

void CChannelStore::RebuildNetworks(const std::array<bool, kMaxNetworks + 1>& usedNetworks) {
    std::array<bool, kMaxNetworks + 1> satisfied{};
    int kept = 0;
    for (int i = 0; i < m_nNetCount; ++i) {
        const WORD id = m_networks[i].id;
        const bool used = id >= 1 && id <= kMaxNetworks && usedNetworks[id] && !satisfied[id];
        if (i != 0 && !used)
            continue; // entry 0 always stays
        if (id >= 1 && id <= kMaxNetworks)
            satisfied[id] = true;
        m_networks[kept++] = m_networks[i];
    }
    for (int id = 2; id <= kMaxNetworks && kept < kMaxNetworks; ++id) {
        if (usedNetworks[id] && !satisfied[id]) {
            SNET_INFO& net = m_networks[kept++];
            net = SNET_INFO{};
            net.id = static_cast<WORD>(id);
            SetName(net.name, "Unknown");
        }
    }
    for (int i = kept; i < m_nNetCount; ++i)
        m_networks[i] = SNET_INFO{};
    m_nNetCount = static_cast<WORD>(kept);
}

void CChannelStore::SetSatExtra(const BYTE* p) {
    std::memcpy(m_satExtra.data(), p, kSatExtraSize);
}
