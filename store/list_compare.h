// What differs between two databases, an older one A and a newer one B: satellites,
// transponders, MUXes and networks added, removed or changed, and per service list the services
// added, removed, renamed, moved, and with other changes.
#pragma once

#include "list_match.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

template <class Rec> struct SRecordDiff {
    std::vector<Rec> added;                   // in B only
    std::vector<Rec> removed;                 // in A only
    std::vector<std::pair<Rec, Rec>> changed; // as A has it, as B has it
};

// A transponder with its satellite's position, which names it in both databases.
struct STransponderAt {
    WORD wPosition = 0;
    STP_INFO tp{};
};

// The differing fields of two records that stand for the same thing, by name ("name", "LNB",
// "frequency", ...); the indexes that only place a record in its database are left out.
std::vector<const char*> ChangedFields(const SSAT_INFO& a, const SSAT_INFO& b);
std::vector<const char*> ChangedFields(const STP_INFO& a, const STP_INFO& b);
std::vector<const char*> ChangedFields(const STransponderAt& a, const STransponderAt& b);
std::vector<const char*> ChangedFields(const SNET_INFO& a, const SNET_INFO& b);

// What changed about a service present in both.
enum : unsigned {
    CHANGE_NAME = 0x01,
    CHANGE_MOVED = 0x02,
    CHANGE_FLAGS = 0x04,   // Lock, CA, Fav1-Fav4
    CHANGE_PIDS = 0x08,    // video, audio (with Dolby), PCR
    CHANGE_NETWORK = 0x10, // the network index (a renamed network is a network change)
    CHANGE_TUNING = 0x20   // matched by name, received elsewhere
};

struct SServiceAt {
    WORD wRow = 0;
    SSVC_INFO svc{};
    SServiceKey key;
    std::string strNetwork;
};
struct SServiceChange {
    SServiceAt a, b;
    unsigned nChanges = 0;
};
struct SListDiff {
    std::vector<SServiceAt> added;   // B's, in B's order
    std::vector<SServiceAt> removed; // A's, in A's order
    std::vector<SServiceChange> changed;
};

struct SStoreDiff {
    SRecordDiff<SSAT_INFO> satellites;        // matched by position
    SRecordDiff<STransponderAt> transponders; // by position, polarisation and frequency
    SRecordDiff<STP_INFO> muxes;              // by MUX index
    SRecordDiff<SNET_INFO> networks;          // by network id
    std::array<SListDiff, kListCount> lists;  // services matched as Order Like matches them
    bool IsEmpty() const;
};

SStoreDiff CompareStores(const CChannelStore& a, const CChannelStore& b);

// The words for the kinds of change set in nChanges: "renamed", "moved", "flags", "PIDs",
// "network", "tuning".
std::vector<const char*> ChangeWords(unsigned nChanges);

// One line per difference, as zdftool diff prints them: records added, removed and changed
// ("transponders: changed 19.2E 11494 H 27500: symbol rate"), then per list the services
// added and removed with their tuning, and one line per kind of change ("satellite-tv: moved
// 5 "Nova": 9 -> 5", what it was -> what it is).
std::vector<std::string> DiffLines(const SStoreDiff& diff, const CNameCodec& names);
