#include "list_arrange.h"

#include <algorithm>
#include <array>

namespace {

// Latin-1 lower case: A-Z and the accented capitals 0xC0-0xDE but for 0xD7, the multiplication
// sign; the other bytes are their own.
constexpr std::array<char, 256> MakeFoldTable() {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) {
        const bool bUpper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        table[std::size_t(c)] = static_cast<char>(bUpper ? c + 0x20 : c);
    }
    return table;
}
constexpr std::array<char, 256> kFold = MakeFoldTable();

char Fold(char c) {
    return kFold[static_cast<unsigned char>(c)];
}

} // namespace

bool ContainsFolded(std::string_view text, std::string_view part) {
    const auto same = [](char a, char b) { return Fold(a) == Fold(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

std::vector<WORD> MatchingServices(const CChannelStore& store, BYTE nList, std::string_view part) {
    std::vector<WORD> rows;
    const WORD nCount = store.GetServiceCount(nList);
    for (WORD i = 0; i < nCount; ++i) {
        const SSVC_INFO* service = store.GetService(i, nList);
        if (service == nullptr)
            continue;
        if (ContainsFolded(NameOf(service->szName), part) ||
            ContainsFolded(store.GetNetworkName(service->wNetwork), part) ||
            (IsSatelliteList(nList) &&
             ContainsFolded(store.GetSatelliteName(service->bSatIndex), part)))
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
