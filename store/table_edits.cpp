// Network names and MUXes made by hand: added, changed and deleted through the store.
#include "channel_store.h"

#include <algorithm>

namespace {

// A name stops at its first NUL: nothing after it would ever be shown.
std::string_view UpToNul(std::string_view name) {
    return name.substr(0, name.find('\0'));
}

// A MUX record in its slot: rec's fields, marked terrestrial, with its MUX index.
void PlaceMux(STP_INFO& slot, const STP_INFO& rec, BYTE nMux) {
    slot = rec;
    slot.satid = kTerrestrialSatIndex;
    slot.tpid = nMux;
}

} // namespace

template <class Visit> void CChannelStore::ForEachService(unsigned lists, Visit visit) const {
    for (BYTE nList = 0; nList < kListCount; ++nList) {
        if ((lists & ListPart(nList)) == 0)
            continue;
        for (auto* node = m_lists[nList].list.pFirst; node != nullptr; node = node->pNext)
            visit(*node->pData);
    }
}

// ---- networks -----------------------------------------------------------------------------------

ETableEdit CChannelStore::AddNetworkName(std::string_view name, WORD* pnId) {
    if (m_nNetCount >= kMaxNetworks)
        return ETableEdit::Full;
    std::array<bool, kMaxNetworks + 1> taken{};
    for (int i = 0; i < m_nNetCount; ++i) {
        if (m_networks[i].id <= kMaxNetworks)
            taken[m_networks[i].id] = true;
    }
    ForEachService(PART_ALL_LISTS, [&taken](const SSVC_INFO& svc) {
        if (svc.wNetwork <= kMaxNetworks)
            taken[svc.wNetwork] = true;
    });
    // Fewer than 408 entries leave an id free only if services do not name every other one.
    const auto free = std::find(taken.begin() + 1, taken.end(), false);
    if (free == taken.end())
        return ETableEdit::Full;
    SNET_INFO net{};
    net.id = static_cast<WORD>(free - taken.begin());
    SetName(net.name, UpToNul(name));
    m_networks[m_nNetCount++] = net;
    if (pnId != nullptr)
        *pnId = net.id;
    return ETableEdit::Done;
}

ETableEdit CChannelStore::RenameNetwork(WORD nNetwork, std::string_view name) {
    const SNET_INFO* net = FindNetwork(nNetwork);
    if (net == nullptr)
        return ETableEdit::Missing;
    SetName(m_networks[net - m_networks.data()].name, UpToNul(name));
    return ETableEdit::Done;
}

ETableEdit CChannelStore::DeleteNetwork(WORD nNetwork) {
    const SNET_INFO* net = FindNetwork(nNetwork);
    if (net == nullptr)
        return ETableEdit::Missing;
    bool bUsed = false;
    ForEachService(PART_ALL_LISTS,
                   [&](const SSVC_INFO& svc) { bUsed = bUsed || svc.wNetwork == nNetwork; });
    if (bUsed)
        return ETableEdit::Used;
    const auto at = m_networks.begin() + (net - m_networks.data());
    std::copy(at + 1, m_networks.begin() + m_nNetCount, at);
    m_networks[--m_nNetCount] = SNET_INFO{};
    return ETableEdit::Done;
}

// ---- MUXes --------------------------------------------------------------------------------------

ETableEdit CChannelStore::AppendMux(const STP_INFO& rec, BYTE* pnMux) {
    if (rec.frequency == 0)
        return ETableEdit::Invalid;
    const auto free =
        std::find_if(m_muxes.begin(), m_muxes.end(), [](const STP_INFO& m) { return m.tpid == 0; });
    if (free == m_muxes.end() || GetTransponderRecordRoom() == 0)
        return ETableEdit::Full;
    PlaceMux(*free, rec, static_cast<BYTE>(free - m_muxes.begin() + 1));
    ++m_nMuxCount;
    if (pnMux != nullptr)
        *pnMux = free->tpid;
    return ETableEdit::Done;
}

ETableEdit CChannelStore::SetMux(BYTE nMux, const STP_INFO& rec) {
    if (GetMux(nMux) == nullptr)
        return ETableEdit::Missing;
    if (rec.frequency == 0)
        return ETableEdit::Invalid;
    PlaceMux(m_muxes[nMux - 1], rec, nMux);
    return ETableEdit::Done;
}

ETableEdit CChannelStore::DeleteMux(BYTE nMux) {
    if (GetMux(nMux) == nullptr)
        return ETableEdit::Missing;
    bool bUsed = false;
    ForEachService(ListPart(LIST_TERR_TV) | ListPart(LIST_TERR_RADIO),
                   [&](const SSVC_INFO& svc) { bUsed = bUsed || svc.bTpIndex == nMux; });
    if (bUsed)
        return ETableEdit::Used;
    m_muxes[nMux - 1] = STP_INFO{};
    --m_nMuxCount;
    return ETableEdit::Done;
}
