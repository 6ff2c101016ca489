// Finding and arranging services in a list: which rows a filter text keeps, and the order that
// moves a block of rows to a given number.
#pragma once

#include "channel_store.h"
#include "name_codec.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// The rows of list nList (ascending) whose channel name, network name or, in a satellite list,
// satellite name holds `part` (the box's bytes), letters compared without case as the names'
// character set has them ("É" finds "é", "пер" finds "Первый"). An empty part is in every name.
std::vector<WORD> MatchingServices(const CChannelStore& store, const CNameCodec& names, BYTE nList,
                                   std::string_view part);

// The order (for ReorderList) of a list of nRows rows that takes `moved` (ascending, distinct)
// so that the first of them lands at row nFirst and the rest follow it in their order, the other
// rows keeping theirs; an nFirst past the end puts the block at the end. Moved rows past the
// list's end are left out.
std::vector<WORD> MoveRowsOrder(std::size_t nRows, std::span<const WORD> moved, std::size_t nFirst);
