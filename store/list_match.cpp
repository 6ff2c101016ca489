#include "list_match.h"

#include "list_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace {

// What two keys must have equal to match; satellite frequencies are compared apart, within
// their tolerance.
std::uint64_t Bucket(const SServiceKey& key) {
    if (!key.bSatellite)
        return (std::uint64_t{key.wFrequency} << 16) | key.wServiceId;
    return (std::uint64_t{1} << 40) | (std::uint64_t{key.wPosition} << 17) |
           (std::uint64_t{key.bHorizontal} << 16) | key.wServiceId;
}

// Each present row in turn takes the free reference service nearest in frequency among those
// that match its key.
void MatchByKey(const CChannelStore& store, BYTE nList,
                const std::vector<SReferenceService>& reference, std::vector<bool>& taken,
                SListMatch& match) {
    std::unordered_map<std::uint64_t, std::vector<int>> candidates;
    for (int i = 0; i < static_cast<int>(reference.size()); ++i) {
        if (reference[i].key.wFrequency != 0)
            candidates[Bucket(reference[i].key)].push_back(i);
    }
    for (WORD row = 0; row < match.partner.size(); ++row) {
        const SServiceKey key = KeyOf(store, *store.GetService(row, nList));
        const auto it = candidates.find(Bucket(key));
        if (key.wFrequency == 0 || it == candidates.end())
            continue;
        int best = -1;
        int bestDistance = 0;
        for (const int i : it->second) {
            const int distance = std::abs(key.wFrequency - reference[i].key.wFrequency);
            if (!taken[i] && KeysMatch(key, reference[i].key) &&
                (best < 0 || distance < bestDistance)) {
                best = i;
                bestDistance = distance;
            }
        }
        if (best >= 0) {
            taken[best] = true;
            match.partner[row] = best;
            ++match.nByKey;
        }
    }
}

void MatchByName(const CChannelStore& store, BYTE nList,
                 const std::vector<SReferenceService>& reference, std::vector<bool>& taken,
                 SListMatch& match) {
    struct Free {
        std::vector<int> entries; // in reference order
        std::size_t next = 0;
    };
    std::unordered_map<std::string_view, Free> byName;
    for (int i = 0; i < static_cast<int>(reference.size()); ++i) {
        if (!taken[i] && !reference[i].strName.empty())
            byName[reference[i].strName].entries.push_back(i);
    }
    for (WORD row = 0; row < match.partner.size(); ++row) {
        if (match.partner[row] >= 0)
            continue;
        const auto it = byName.find(NameOf(store.GetService(row, nList)->szName));
        if (it == byName.end() || it->second.next == it->second.entries.size())
            continue;
        const int i = it->second.entries[it->second.next++];
        taken[i] = true;
        match.partner[row] = i;
        ++match.nByName;
    }
}

// Matched rows in the reference's order; unmatched ones after them, or in their own rows.
std::vector<WORD> NewOrder(const std::vector<int>& partner, bool bKeepPlaces) {
    std::vector<WORD> matched, unmatched;
    for (WORD row = 0; row < partner.size(); ++row)
        (partner[row] >= 0 ? matched : unmatched).push_back(row);
    std::sort(matched.begin(), matched.end(),
              [&](WORD a, WORD b) { return partner[a] < partner[b]; });
    if (!bKeepPlaces) {
        matched.insert(matched.end(), unmatched.begin(), unmatched.end());
        return matched;
    }
    std::vector<WORD> order(partner.size());
    auto next = matched.begin();
    for (WORD row = 0; row < partner.size(); ++row)
        order[row] = partner[row] >= 0 ? *next++ : row;
    return order;
}

} // namespace

SServiceKey KeyOf(const CChannelStore& store, const SSVC_INFO& svc) {
    SServiceKey key;
    key.bSatellite = svc.bSatIndex != kTerrestrialSatIndex;
    key.wServiceId = svc.wServiceId;
    if (!key.bSatellite) {
        if (const STP_INFO* mux = store.GetMux(svc.bTpIndex))
            key.wFrequency = mux->frequency;
        return key;
    }
    if (const SSAT_INFO* sat = store.GetSatellite(svc.bSatIndex))
        key.wPosition = sat->wPosition;
    if (const STP_INFO* tp = store.GetTransponder(svc.bSatIndex, svc.bTpIndex)) {
        key.wFrequency = tp->frequency;
        key.wSymbolRate = tp->symbolrate;
        key.bHorizontal = (tp->attribute & 1) != 0;
    }
    return key;
}

bool KeysMatch(const SServiceKey& present, const SServiceKey& reference) {
    if (present.wFrequency == 0 || reference.wFrequency == 0 ||
        Bucket(present) != Bucket(reference))
        return false;
    return !present.bSatellite || std::abs(present.wFrequency - reference.wFrequency) <=
                                      FrequencyTolerance(present.wSymbolRate);
}

SReference ReferenceFromStore(const CChannelStore& store) {
    SReference reference;
    for (BYTE list = 0; list < kListCount; ++list) {
        for (WORD row = 0; row < store.GetRowCount(list); ++row) {
            const SSVC_INFO& svc = *store.GetService(row, list);
            reference[list].push_back(
                {KeyOf(store, svc), std::string(NameOf(svc.szName)), svc.wFlags});
        }
    }
    return reference;
}

SListMatch MatchList(const CChannelStore& store, BYTE nList,
                     const std::vector<SReferenceService>& reference) {
    SListMatch match;
    match.partner.assign(store.GetRowCount(nList), -1);
    std::vector<bool> taken(reference.size());
    MatchByKey(store, nList, reference, taken, match);
    MatchByName(store, nList, reference, taken, match);
    return match;
}

SOrderPlan PlanOrder(const CChannelStore& store, const SReference& reference,
                     const SOrderOptions& options) {
    SOrderPlan plan;
    for (BYTE list = 0; list < kListCount; ++list) {
        SListPlan& lp = plan[list];
        lp.order.resize(store.GetRowCount(list));
        std::iota(lp.order.begin(), lp.order.end(), WORD{0});
        lp.bInReference = !reference[list].empty();
        if (!lp.bInReference)
            continue;
        lp.match = MatchList(store, list, reference[list]);
        lp.order = NewOrder(lp.match.partner, options.bKeepPlaces);
        for (WORD row = 0; row < lp.order.size(); ++row) {
            const SSVC_INFO& svc = *store.GetService(row, list);
            const int partner = lp.match.partner[row];
            if (partner < 0) {
                lp.unmatched.emplace_back(NameOf(svc.szName));
                continue;
            }
            const SReferenceService& ref = reference[list][partner];
            if (options.bTakeNames && ref.strName != NameOf(svc.szName))
                lp.renames.emplace_back(row, ref.strName);
            const WORD flags =
                static_cast<WORD>((svc.wFlags & ~FLAG_USER) | (ref.wFlags & FLAG_USER));
            if (options.bTakeFlags && flags != svc.wFlags)
                lp.flagChanges.emplace_back(row, flags);
        }
    }
    return plan;
}

void ApplyOrder(CChannelStore& store, const SOrderPlan& plan) {
    for (BYTE list = 0; list < kListCount; ++list) {
        const SListPlan& lp = plan[list];
        for (const auto& [row, name] : lp.renames)
            store.SetServiceName(row, list, name.data(), static_cast<UINT>(name.size()));
        for (const auto& [row, flags] : lp.flagChanges) {
            for (WORD which = 0; which <= 4; ++which)
                store.SetServiceFlag(row, list, which, (flags & ServiceFlagMask(which)) != 0);
        }
        store.ReorderList(list, lp.order);
    }
}

std::vector<std::string> PlanLines(const SOrderPlan& plan, const CNameCodec& names) {
    std::vector<std::string> lines;
    for (BYTE list = 0; list < kListCount; ++list) {
        const SListPlan& lp = plan[list];
        std::string line = std::string(kListNames[list]) + ": ";
        if (!lp.bInReference) {
            lines.push_back(line + "not in the reference, left as it is");
            continue;
        }
        const bool bReordered =
            !std::is_sorted(lp.order.begin(), lp.order.end()); // the identity is sorted
        line += std::to_string(lp.order.size()) + " services; " + std::to_string(lp.match.nByKey) +
                " matched by key, " + std::to_string(lp.match.nByName) + " by name, " +
                std::to_string(lp.unmatched.size()) + " unmatched";
        if (!lp.renames.empty())
            line += "; " + std::to_string(lp.renames.size()) + " renamed";
        if (!lp.flagChanges.empty())
            line += "; " + std::to_string(lp.flagChanges.size()) + " with other flags";
        lines.push_back(line + (bReordered ? "; reordered" : "; order unchanged"));
        for (const std::string& name : lp.unmatched)
            lines.push_back("  unmatched " + names.Quoted(name));
    }
    return lines;
}
