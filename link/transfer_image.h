// What every transfer of the channel database does with the store, whoever runs it (the
// editor's Transfer menu, zdftool, stb-sim): whether there is anything to send, how the image
// to send is built, and whether a received image holds a channel database.
#pragma once

#include "channel_store.h"

#include <vector>

// The box needs a satellite, a transponder, a network and at least one service.
bool HasTransferableData(const CChannelStore& store);

// The 0x33000-byte image PC->STB sends. The box wants each satellite's services grouped by
// transponder: the satellite lists are put in that order for the build and back in number
// order afterwards.
std::vector<BYTE> BuildTransferImage(CChannelStore& store);

// Parses a received image into the store, replacing its channels; false when the image holds
// no channel database.
bool ParseReceivedImage(CChannelStore& store, const std::vector<BYTE>& image);
