// The service lists as CSV for spreadsheets: UTF-8, a header row, one service a row, fields
// quoted as RFC 4180 has it, lines ended by CR LF.
//
// list,number,name,position,frequency,polarisation,symbol_rate,service_id,network,video_pid,
// audio_pid,pcr_pid,flags
// satellite-tv,1,Nova TV,19.2E,11494,H,22000,101,Helion Direct,256,257,256,Lock Fav1
// terrestrial-tv,1,Kite,,474,,,201,Landwave DVB-T,300,301,300,
//
// `list` is one of kListNames; `number` the service's place in its list (1 upwards); `name`
// and `network` the box's 8-bit names read through the name codec; `position` the satellite's as
// "19.2E" or "5.0W". Satellite rows give the transponder's frequency (MHz), polarisation (H or V)
// and symbol rate (kS/s), or leave them empty when the service has no transponder; terrestrial rows
// give the MUX frequency and leave position, polarisation and symbol rate empty. The audio PID is
// without its Dolby bit, which the flags name: Lock, CA, Fav1 to Fav4, Dolby, separated by blanks.
//
// Read back, a file is a reference for matching (list_match.h): the rows of each list in the
// order of their numbers, with names and flags; the network and the PIDs are checked as
// numbers and names but not used, and CA and Dolby come from the box.
#pragma once

#include "list_match.h"

#include <optional>
#include <string>
#include <string_view>

// The lists, all four or the one given, as CSV text.
std::string WriteServicesCsv(const CChannelStore& store, const CNameCodec& names,
                             std::optional<BYTE> nOnlyList);

// Where a CSV file is refused: its row (the header is row 1) and column (1 upwards).
struct SCsvError {
    int nRow = 0;
    int nColumn = 0;
    std::string strText;
};
// "row 3, column 2 (number): ..."
std::string CsvErrorText(const SCsvError& error);

// Reads CSV text into a reference; false with the first fault in `error`. Refused: a header
// other than the columns above, rows with missing or extra columns, a field that is not the
// number, position, polarisation or flag its column needs, an unknown list, a name that
// cannot be stored in 8 bits or takes more than 16 bytes, and a number given twice in a list.
bool ReadServicesCsv(std::string_view text, const CNameCodec& names, SReference& reference,
                     SCsvError& error);

// The file written atomically (a failed write leaves an older file as it was).
bool WriteCsvFile(const std::string& path, std::string_view text, std::string& error);

// Whether a path names a CSV file rather than a data file: its extension is ".csv", any case.
bool IsCsvPath(std::string_view path);
// A reference read from a CSV file (bCsv) or a data file; false with `error` naming the file
// and, for a refused CSV file, the row and column.
bool ReadReference(const std::string& path, bool bCsv, const CNameCodec& names,
                   SReference& reference, std::string& error);
