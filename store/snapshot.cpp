// Taking the store's state as a value and putting it back, and comparing two such values.
#include "channel_store.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <span>
#include <utility>

namespace {

// Records have no padding (their sizes are asserted field by field), so equal bytes are equal
// fields; the bytes after a name's NUL count too, as the image carries them.
template <class T> bool SameRecords(std::span<const T> a, std::span<const T> b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size_bytes()) == 0);
}

bool SameRows(const SStoreSnapshot::SRow& a, const SStoreSnapshot::SRow& b, bool bMarks) {
    return a.nRecord == b.nRecord && a.wKey == b.wKey && (!bMarks || a.bMark == b.bMark);
}

bool SameList(const SStoreSnapshot::SList& a, const SStoreSnapshot::SList& b, bool bMarks) {
    return a.nCount == b.nCount && a.nHighestKey == b.nHighestKey &&
           std::equal(a.rows.begin(), a.rows.end(), b.rows.begin(), b.rows.end(),
                      [bMarks](const auto& x, const auto& y) { return SameRows(x, y, bMarks); }) &&
           SameRecords<SSVC_INFO>(a.records, b.records);
}

// A list's records in list order, and its rows, each naming its record by the record's place in
// the list (found by address).
void TakeList(const CRecordList<SSVC_INFO>& list, std::span<const SSVC_INDEX> rows,
              SStoreSnapshot::SList& to) {
    std::vector<std::pair<const SSVC_INFO*, WORD>> position;
    position.reserve(list.Size());
    to.records.reserve(list.Size());
    for (const auto* node = list.pFirst; node != nullptr; node = node->pNext) {
        position.emplace_back(node->pData, static_cast<WORD>(to.records.size()));
        to.records.push_back(*node->pData);
    }
    // std::less: addresses of unrelated records are ordered only by it.
    const auto byAddress = [](const auto& a, const auto& b) {
        return std::less<const SSVC_INFO*>()(a.first, b.first);
    };
    std::sort(position.begin(), position.end(), byAddress);
    to.rows.reserve(rows.size());
    for (const SSVC_INDEX& row : rows) {
        const auto it =
            std::lower_bound(position.begin(), position.end(),
                             std::pair<const SSVC_INFO*, WORD>(row.pService, 0), byAddress);
        const bool bFound = it != position.end() && it->first == row.pService;
        to.rows.push_back({bFound ? it->second : SStoreSnapshot::kNoRecord, row.wKey, row.bMark});
    }
}

} // namespace

void SStoreSnapshot::KeepLists(unsigned parts) {
    for (BYTE nList = 0; nList < kListCount; ++nList)
        if ((parts & ListPart(nList)) == 0)
            lists[nList].reset();
}

bool SStoreSnapshot::operator==(const SStoreSnapshot& other) const {
    return DifferingParts(*this, other) == 0;
}

unsigned DifferingParts(const SStoreSnapshot& a, const SStoreSnapshot& b, bool bMarks) {
    unsigned parts = 0;
    if (a.nSatCount != b.nSatCount || a.nTpTotal != b.nTpTotal || a.tpNodes != b.tpNodes ||
        a.tpCounts != b.tpCounts || !SameRecords<SSAT_INFO>(a.satellites, b.satellites) ||
        !SameRecords<STP_INFO>(a.transponders, b.transponders))
        parts |= PART_SATELLITES;
    if (a.nNetCount != b.nNetCount || !SameRecords<SNET_INFO>(a.networks, b.networks))
        parts |= PART_NETWORKS;
    if (a.nMuxCount != b.nMuxCount || !SameRecords<STP_INFO>(a.muxes, b.muxes))
        parts |= PART_MUXES;
    if (a.nHeaderLength != b.nHeaderLength || a.header != b.header ||
        a.nSatOrderCount != b.nSatOrderCount || a.satOrder != b.satOrder ||
        a.satExtra != b.satExtra)
        parts |= PART_FILE_ONLY;
    for (BYTE nList = 0; nList < kListCount; ++nList) {
        const auto& la = a.lists[nList];
        const auto& lb = b.lists[nList];
        if (la.has_value() != lb.has_value() || (la && !SameList(*la, *lb, bMarks)))
            parts |= ListPart(nList);
    }
    return parts;
}

SStoreSnapshot CChannelStore::TakeSnapshot(unsigned lists) const {
    SStoreSnapshot s;
    s.header = m_header;
    s.nHeaderLength = m_nHeaderLength;
    s.satellites = m_satellites;
    s.nSatCount = m_nSatCount;
    s.transponders.reserve(m_nTpTotal);
    for (std::size_t slot = 0; slot < m_tpLists.size(); ++slot) {
        const TP_LIST& tps = m_tpLists[slot];
        for (const auto* node = tps.pFirst; node != nullptr; node = node->pNext)
            s.transponders.push_back(*node->pData);
        s.tpNodes[slot] = static_cast<WORD>(tps.Size());
        s.tpCounts[slot] = tps.nCount;
    }
    s.nTpTotal = m_nTpTotal;
    s.satOrder = m_satOrder;
    s.nSatOrderCount = m_nSatOrderCount;
    s.networks = m_networks;
    s.nNetCount = m_nNetCount;
    s.satExtra = m_satExtra;
    s.muxes = m_muxes;
    s.nMuxCount = m_nMuxCount;
    for (BYTE nList = 0; nList < kListCount; ++nList) {
        if ((lists & ListPart(nList)) == 0)
            continue;
        const ServiceList& from = m_lists[nList];
        SStoreSnapshot::SList& to = s.lists[nList].emplace(SStoreSnapshot::SList());
        TakeList(from.list, std::span(from.index.data(), from.nRows), to);
        to.nCount = from.nCount;
        to.nHighestKey = from.nHighestKey;
    }
    return s;
}

void CChannelStore::RestoreSnapshot(const SStoreSnapshot& s) {
    m_header = s.header;
    m_nHeaderLength = s.nHeaderLength;
    m_satellites = s.satellites;
    m_nSatCount = s.nSatCount;
    std::size_t next = 0;
    for (std::size_t slot = 0; slot < m_tpLists.size(); ++slot) {
        TP_LIST& tps = m_tpLists[slot];
        tps.Free();
        for (WORD i = 0; i < s.tpNodes[slot]; ++i)
            tps.Append(s.transponders[next++]);
        tps.nCount = s.tpCounts[slot];
    }
    m_nTpTotal = s.nTpTotal;
    m_satOrder = s.satOrder;
    m_nSatOrderCount = s.nSatOrderCount;
    m_networks = s.networks;
    m_nNetCount = s.nNetCount;
    m_satExtra = s.satExtra;
    m_muxes = s.muxes;
    m_nMuxCount = s.nMuxCount;
    for (BYTE nList = 0; nList < kListCount; ++nList) {
        if (!s.lists[nList])
            continue;
        const SStoreSnapshot::SList& from = *s.lists[nList];
        ServiceList& to = m_lists[nList];
        to.list.Free();
        std::vector<SSVC_INFO*> records;
        records.reserve(from.records.size());
        for (const SSVC_INFO& rec : from.records)
            records.push_back(to.list.Append(rec)->pData);
        for (std::size_t i = 0; i < from.rows.size(); ++i) {
            const SStoreSnapshot::SRow& row = from.rows[i];
            to.index[i] = {row.nRecord < records.size() ? records[row.nRecord] : nullptr, row.wKey,
                           row.bMark};
        }
        to.nRows = static_cast<WORD>(from.rows.size());
        to.nCount = from.nCount;
        to.nHighestKey = from.nHighestKey;
    }
}
