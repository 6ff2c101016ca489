#include "duplicates.h"

#include "list_text.h"

#include <array>
#include <map>
#include <set>
#include <string_view>
#include <unordered_set>

std::vector<SDuplicateGroup> FindDuplicates(const CChannelStore& store) {
    std::vector<SDuplicateGroup> groups;
    for (BYTE list = 0; list < kListCount; ++list) {
        // Rows by satellite and name; the first row of each, in list order, orders the groups.
        std::map<std::pair<BYTE, std::string_view>, std::vector<WORD>> byName;
        std::vector<std::vector<WORD>*> firstSeen;
        for (WORD row = 0; row < store.GetRowCount(list); ++row) {
            const SSVC_INFO& svc = *store.GetService(row, list);
            std::vector<WORD>& rows = byName[{svc.bSatIndex, NameOf(svc.szName)}];
            if (rows.empty())
                firstSeen.push_back(&rows);
            rows.push_back(row);
        }
        for (std::vector<WORD>* rows : firstSeen) {
            if (rows->size() < 2)
                continue;
            const SSVC_INFO& first = *store.GetService(rows->front(), list);
            groups.push_back(
                {list, first.bSatIndex, std::string(NameOf(first.szName)), std::move(*rows)});
        }
    }
    return groups;
}

std::string GroupTitle(const CChannelStore& store, const SDuplicateGroup& group) {
    std::string title = std::string(kListNames[group.nList]) + ": ";
    if (group.nSat != kTerrestrialSatIndex)
        title += FormatPosition(store.GetSatellite(group.nSat)->wPosition) + " " +
                 QuotedName(store.GetSatelliteName(group.nSat)) + ": ";
    return title + QuotedName(group.strName);
}

std::vector<std::pair<BYTE, WORD>> ProposedDuplicates(const CChannelStore& store,
                                                      const std::vector<SDuplicateGroup>& groups) {
    std::vector<std::pair<BYTE, WORD>> proposed;
    for (const SDuplicateGroup& group : groups) {
        std::set<BYTE> transponders; // of the group's services so far
        for (const WORD row : group.rows)
            if (!transponders.insert(store.GetService(row, group.nList)->bTpIndex).second)
                proposed.emplace_back(group.nList, row);
    }
    return proposed;
}

void DeleteServices(CChannelStore& store, const std::vector<std::pair<BYTE, WORD>>& chosen) {
    // Each list's deletion rebuilds the store, so the chosen records are held by address,
    // not by row.
    std::array<std::unordered_set<const SSVC_INFO*>, kListCount> doomed;
    for (const auto& [list, row] : chosen) {
        if (const SSVC_INFO* svc = store.GetService(row, list))
            doomed[list].insert(svc);
    }
    for (BYTE list = 0; list < kListCount; ++list) {
        if (doomed[list].empty())
            continue;
        for (WORD row = 0; row < store.GetRowCount(list); ++row)
            store.SetServiceMark(row, list, doomed[list].contains(store.GetService(row, list)));
        store.DeleteMarkedServices(list);
    }
}
