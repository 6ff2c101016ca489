// Stores filled to the image's capacities, for the benchmarks that measure the largest
// databases a user can have. Built with the tests' store builder.
#pragma once

#include "channel_store.h"

// 119 satellites, 100 MUXes, 408 networks and nTransponders transponders spread evenly over
// the satellites.
void FillFullStructure(CChannelStore& store, int nTransponders);
// The image's capacities: 1360 transponder records with the MUXes, 4048 services.
void FillFullDatabase(CChannelStore& store);
// Every list full as the editor holds them: 4048 satellite services (3000 TV, 1048 radio) and
// 2000 terrestrial ones, on 1360 transponders.
void FillFullEditorDatabase(CChannelStore& store);
// A full satellite TV list: nServices services spread over 8 satellites of 40 transponders and
// 30 networks, every fifth one locked and some in favourites.
void FillLargeSatTvList(CChannelStore& store, int nServices);
