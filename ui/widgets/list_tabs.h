// The window's tabs and the channel dialog's modes number the four service lists from 1: tab
// (and mode) n shows list n - 1; tab 0 is the satellite / transponder page.
#pragma once

#include "records.h"

inline constexpr int kTreeTab = 0;

constexpr int TabOfList(BYTE nList) {
    return nList + 1;
}

// The list of tab (or mode) nTab; -1 for the satellite / transponder page and any other value.
constexpr int ListOfTab(int nTab) {
    return nTab >= 1 && nTab <= kListCount ? nTab - 1 : -1;
}
