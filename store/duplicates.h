// Services of one list with equal names on the same satellite: what the store cannot merge by
// itself (equal satellite, transponder and service id are merged already).
#pragma once

#include "channel_store.h"

#include <string>
#include <utility>
#include <vector>

struct SDuplicateGroup {
    BYTE nList = 0;
    BYTE nSat = 0;          // satellite index; 1 for a terrestrial list
    std::string strName;    // the box's bytes
    std::vector<WORD> rows; // two or more rows of the list, ascending
};

// The groups, list by list, each list's in the order of their first rows.
std::vector<SDuplicateGroup> FindDuplicates(const CChannelStore& store);

// A group as zdftool lists it and the window heads it: the list, the satellite's position and
// name, and the name: satellite-tv: 19.2E "SAT-A": "Nova". Terrestrial groups name no satellite.
std::string GroupTitle(const CChannelStore& store, const SDuplicateGroup& group);
// What is proposed for deletion: each service of a group that an earlier service of the group
// shares its transponder (or MUX) with. Equal names on different transponders are often
// different channels: they are listed, not proposed.
std::vector<std::pair<BYTE, WORD>> ProposedDuplicates(const CChannelStore& store,
                                                      const std::vector<SDuplicateGroup>& groups);

// Deletes the chosen services (list, row) in one go through the store's marks: every other
// mark in their lists is cleared first.
void DeleteServices(CChannelStore& store, const std::vector<std::pair<BYTE, WORD>>& chosen);
