// The store's satellites and their transponders as C declarations for the box's firmware: an
// array of SSAT_INFO rows, the satellite count, and an array of STP_INFO rows, so that a
// firmware build can carry a default satellite / transponder list. The text is plain ASCII with
// line feeds only, byte for byte what the firmware's sources expect.
#pragma once

#include "records.h"

#include <ostream>
#include <span>

// The file's name; where it goes is the caller's choice.
inline constexpr const char* kTpTableFileName = "tp_mora.h";

// DEFAULT_MAX_SAT_INFO, the virtual_flash_sat rows with their terminating row, and the opening
// of virtual_flash_tp.
void WriteSatTable(std::ostream& out, std::span<const SSAT_INFO> satellites);
// For each satellite its transponder rows (tpLists[i] belongs to satellites[i]), a closing row
// and a separator; then the end row and the file's trailer.
void WriteTpTable(std::ostream& out, std::span<const SSAT_INFO> satellites, const TP_LIST* tpLists);
// The whole file: both halves in order.
void WriteTpListFile(std::ostream& out, std::span<const SSAT_INFO> satellites,
                     const TP_LIST* tpLists);
