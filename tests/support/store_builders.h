// The one way tests and benchmarks fill a channel store: record makers, a builder for stores
// made by hand, a mixed store for transfers, random stores, and random transfer images. Everything
// goes through the store's own operations.
#pragma once

#include "channel_store.h"

#include <functional>
#include <random>
#include <string>
#include <vector>

// ---- records and single additions ---------------------------------------------------------------

SSAT_INFO MakeSat(WORD position, const char* name);
SSVC_INFO MakeService(BYTE sat, BYTE tp, WORD sid, const char* name, WORD flags = 0,
                      WORD network = 0);
SNET_INFO MakeNetwork(WORD id, const char* name, BYTE attr = 0);
STP_INFO MakeMux(BYTE index, WORD freq, WORD drift = 0, WORD rate = 0);

// Appends a satellite and returns its index (0 when refused).
BYTE AppendSat(CChannelStore& store, WORD position, const char* name = "SAT");
// Appends a transponder and returns its tpid (0 when refused).
BYTE AppendTp(CChannelStore& store, BYTE sat, WORD freq, WORD rate = 27500, BYTE h = 0);

// nSatellites at positions 100, 101, ..., nTransponders spread over them 255 a satellite, and
// MUXes 1 to nMuxes.
void FillTables(CChannelStore& store, int nSatellites, int nTransponders, int nMuxes = 0);

// Names of a list in row order.
std::vector<std::string> RowNames(const CChannelStore& store, BYTE list);

// Fills a satellite list with services named as given, on one satellite and transponder,
// in that order (service ids ascending), and rebuilds.
void FillSatTv(CChannelStore& store, const std::vector<std::string>& names);

// Records changed in place, as only a damaged file or another program could leave them (a
// service on a satellite that is gone, a transponder whose satid says another satellite): the
// store hands out no record for editing, so the change goes through a snapshot.
void ChangeService(CChannelStore& store, BYTE list, WORD row,
                   const std::function<void(SSVC_INFO&)>& change);
void ChangeTransponder(CChannelStore& store, BYTE sat, BYTE tp,
                       const std::function<void(STP_INFO&)>& change);

// ---- stores made by hand
// --------------------------------------------------------------------------

class CStoreBuilder {
  public:
    explicit CStoreBuilder(CChannelStore& store) : m_store(store) {}

    // Returns the new satellite's index.
    BYTE Satellite(const char* name, WORD wPosition) { return AppendSat(m_store, wPosition, name); }
    // Returns the transponder's tpid.
    BYTE Transponder(BYTE nSat, WORD wFreq, WORD wSymbolRate, bool bHorizontal) {
        return AppendTp(m_store, nSat, wFreq, wSymbolRate, bHorizontal ? 1 : 0);
    }
    // MUX nMux at 474 + 8 x nMux MHz, 6875 kS/s.
    void Mux(BYTE nMux, WORD wDrift) {
        m_store.AddMux(MakeMux(nMux, static_cast<WORD>(474 + 8 * nMux), wDrift, 6875));
    }
    void Network(WORD id, const char* name) { m_store.AddNetwork(MakeNetwork(id, name)); }
    // Appends a satellite service (radio when FLAG_RADIO is in wFlags).
    void SatService(BYTE nSat, BYTE nTp, WORD wServiceId, WORD wNetwork, const char* name,
                    WORD wFlags = 0) {
        m_store.AddSatService(ADD_APPEND,
                              MakeService(nSat, nTp, wServiceId, name, wFlags, wNetwork));
    }
    // Appends a terrestrial service with its own order key.
    void TerrService(BYTE nMux, WORD wOrderKey, WORD wNetwork, const char* name, WORD wFlags = 0) {
        SSVC_INFO rec = MakeService(kTerrestrialSatIndex, nMux, wOrderKey, name, wFlags, wNetwork);
        rec.wOrderKey = wOrderKey;
        m_store.AddTerrService(ADD_APPEND, rec);
    }

  private:
    CChannelStore& m_store;
};

// Four TV services in both the satellite and the terrestrial list, numbered 1 to 4, for sorts:
//   delta   SAT-A tp 1 / MUX 5, network "Zeta",  Lock Fav1
//   Alpha   SAT-B tp 1 / MUX 3, network "Beta",  CA Fav2 Fav3
//   charlie SAT-A tp 2 / MUX 5, network "alpha", Lock Fav4
//   Bravo   SAT-B tp 2 / MUX 3, network 4 (none: "Unknown")
void FillSortStore(CChannelStore& store);

// ---- whole stores
// ---------------------------------------------------------------------------------

// A little of everything, more than one service block: SAT-A (two transponders) and SAT-B (one),
// networks NET-A and NET-B, one MUX, 150 TV and 30 radio services.
void FillMixedStore(CChannelStore& store);

// The counts of satellites, transponders, networks, MUXes and of each list's services, as one
// line: "satellites 2, transponders 5, networks 1, MUXes 0, services 7 1 0 0".
std::string CountsText(const CChannelStore& store);

// ---- random stores and images
// ---------------------------------------------------------------------

// Sizes of one random store; each stays within what the image holds.
struct StoreShape {
    int nSatellites;
    int nTransponders; // spread over the satellites, at most 255 each
    int nMuxes;        // MUXes and transponders share 1360 image records
    int nNetworks;
    int nServices[kListCount]; // the four lists share 4048 image records
};

// Fills the store to the shape, every byte of every record random (reserved fields and bytes
// after a name's NUL included: they all travel), and rebuilds; false when the store refused a
// service. The same state gives the same store.
bool FillRandomStore(CChannelStore& store, const StoreShape& shape, unsigned nState);

// A transfer image of random bytes: no channel list, but every block intact.
std::vector<BYTE> RandomImage(unsigned nState, size_t nLength = kTransferImageSize);
