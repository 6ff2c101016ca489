// The columns of the four service grids: what each shows of a service, its header, width and
// alignment, and the sort a header double-click asks for. One table per column set; every
// position (the flag columns, the name column) is derived from it.
#pragma once

#include "channel_store.h"
#include "name_codec.h"

#include <QString>

#include <span>

// What a column shows of a service.
enum class EField {
    Number,   // the service's number
    OrderKey, // the service's order key (terrestrial NUM)
    Satellite,
    Frequency,
    SymbolRate,
    Polarization,
    Mux,
    Network,
    Name,
    Ca,
    Lock,
    Fav1,
    Fav2,
    Fav3,
    Fav4,
};

// What a header double-click sorts the list by.
enum class ESortKey { None, Satellite, Network, Name, Ca, Lock, Fav1, Fav2, Fav3, Fav4 };

struct SGridColumn {
    const char* pszHeader; // null: the list's own name header
    long nWidth;           // twips
    short nAlignment;
    EField field;
    ESortKey key;
};

std::span<const SGridColumn> ColumnsOf(BYTE nList);
// The header as the grid shows it, blanks included.
QString HeaderText(BYTE nList, long nCol);
// The header without its blanks: what the Edit menu calls the column.
QString ColumnName(BYTE nList, long nCol);
// The flag columns Lock, Fav1 .. Fav4 follow each other: a column's flag index (for
// SetServiceFlag) is its distance from the first.
long FirstFlagColumn(BYTE nList);
long NameColumn(BYTE nList);
// The flag (FLAG_...) a column shows; 0 for a column that shows no flag the user can set.
WORD ColumnFlag(BYTE nList, long nCol);
// The store parts (PART_...) that list nList's grid shows.
unsigned PartsShownBy(BYTE nList);

// The text of cell (row nRow of the list, column nCol), read from the store; empty for a clear
// flag and for a transponder or MUX column whose record is missing.
QString CellText(const CChannelStore& store, const CNameCodec& names, BYTE nList, WORD nRow,
                 long nCol);

// Sorts the list on column nCol's key and renumbers it; false, and nothing changes, for a column
// that sorts nothing.
bool SortByColumn(CChannelStore& store, BYTE nList, long nCol, bool bDescending);
