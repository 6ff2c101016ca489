#include "list_arrange.h"

#include <algorithm>

namespace {

bool ContainsFolded(const CNameCodec& names, std::string_view text, std::string_view part) {
    const auto same = [&](char a, char b) { return names.Folded(a) == names.Folded(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

} // namespace

std::vector<WORD> MatchingServices(const CChannelStore& store, const CNameCodec& names, BYTE nList,
                                   std::string_view part) {
    std::vector<WORD> rows;
    const WORD nCount = store.GetServiceCount(nList);
    for (WORD i = 0; i < nCount; ++i) {
        const SSVC_INFO* service = store.GetService(i, nList);
        if (service == nullptr)
            continue;
        if (ContainsFolded(names, NameOf(service->szName), part) ||
            ContainsFolded(names, store.GetNetworkName(service->wNetwork), part) ||
            (IsSatelliteList(nList) &&
             ContainsFolded(names, store.GetSatelliteName(service->bSatIndex), part)))
            rows.push_back(i);
    }
    return rows;
}

std::vector<WORD> MoveRowsOrder(std::size_t nRows, std::span<const WORD> moved,
                                std::size_t nFirst) {
    const auto inList = moved.first(static_cast<std::size_t>(
        std::lower_bound(moved.begin(), moved.end(), nRows) - moved.begin()));
    std::vector<bool> isMoved(nRows);
    for (WORD row : inList)
        isMoved[row] = true;
    std::vector<WORD> order;
    order.reserve(nRows);
    for (std::size_t i = 0; i < nRows; ++i)
        if (!isMoved[i])
            order.push_back(static_cast<WORD>(i));
    const std::size_t nAt = std::min(nFirst, order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(nAt), inList.begin(), inList.end());
    return order;
}
