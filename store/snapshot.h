// The store's whole state as a value: what undo and redo put back. It holds every table and
// count exactly, and the service lists a caller asks for: a list's records in list order and its
// index rows (which record, number key, mark). The data file's path and the image buffer of a
// running build or parse are not state.
#pragma once

#include "records.h"

#include <array>
#include <optional>
#include <vector>

// Parts of the store, as bits: one per service list, then the tables by what shows them.
enum : unsigned {
    PART_ALL_LISTS = (1u << kListCount) - 1,
    PART_SATELLITES = 1u << 4, // satellites and their transponders: the tree, the satellite grids
    PART_NETWORKS = 1u << 5,   // every grid shows network names
    PART_MUXES = 1u << 6,      // the terrestrial grids
    PART_FILE_ONLY = 1u << 7,  // the header, the satellite order and the extra: no view
};
inline constexpr unsigned ListPart(BYTE nList) {
    return 1u << nList;
}

struct SStoreSnapshot {
    struct SRow {
        WORD nRecord; // position of the row's record in the list; kNoRecord for none
        WORD wKey;
        BYTE bMark;
    };
    static constexpr WORD kNoRecord = 0xFFFF;
    struct SList {
        std::vector<SSVC_INFO> records; // list order
        std::vector<SRow> rows;         // index order; their number is the row count
        WORD nCount = 0;
        WORD nHighestKey = 0;
    };

    std::array<BYTE, kHeaderBufferSize> header{};
    WORD nHeaderLength = 0;
    std::array<SSAT_INFO, kMaxSatellites> satellites{};
    WORD nSatCount = 0;
    std::vector<STP_INFO> transponders;          // every slot's list in turn
    std::array<WORD, kMaxSatellites> tpNodes{};  // how many of them each slot's list holds
    std::array<WORD, kMaxSatellites> tpCounts{}; // each list's count
    WORD nTpTotal = 0;
    std::array<BYTE, kSatOrderSize> satOrder{};
    WORD nSatOrderCount = 0;
    std::array<SNET_INFO, kMaxNetworks> networks{};
    WORD nNetCount = 0;
    std::array<BYTE, kSatExtraSize> satExtra{};
    std::array<STP_INFO, kMaxMuxes> muxes{};
    WORD nMuxCount = 0;
    std::array<std::optional<SList>, kListCount> lists; // only those taken

    // Drops the lists that `parts` does not name, to keep only what an edit changed.
    void KeepLists(unsigned parts);
    bool operator==(const SStoreSnapshot& other) const;
};

// The parts in which two snapshots differ; a list held by one and not the other differs. With
// bMarks false, rows that differ only in their Cut marks count as equal.
unsigned DifferingParts(const SStoreSnapshot& a, const SStoreSnapshot& b, bool bMarks = true);
