#include "sample_db.h"

#include <array>
#include <cstdint>
#include <string>

namespace {

// A small fixed generator: the same numbers on every platform and library.
class SampleRandom {
  public:
    unsigned Below(unsigned n) {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<unsigned>(m_state >> 33) % n;
    }
    bool OneIn(unsigned n) { return Below(n) == 0; }

  private:
    std::uint64_t m_state = 0x0DF5A11E;
};

struct SampleSatellite {
    const char* name;
    WORD wPosition; // tenths of a degree; 1800 and above West
    BYTE bLnbType;
    WORD wLnbFreq;
    BYTE bSwitch;
    BYTE bDiseqc;
    WORD wNetwork;
};

constexpr BYTE kToneBurstA = 1 << SW_TONEBURST_SHIFT;
constexpr BYTE kToneBurstB = 2 << SW_TONEBURST_SHIFT;

// Universal LNBs on a four-port DiSEqC switch for the main positions, the rest on ToneBurst or
// a single-LO LNB with 22 kHz, as a typical dish farm is wired.
constexpr std::array<SampleSatellite, 9> kSatellites = {{
    {"Helion 19.2E", 192, 0, 9750, SW_LNB_POWER, 1, 1},
    {"Corvina 13.0E", 130, 0, 9750, SW_LNB_POWER, 2, 2},
    {"Meridia 28.2E", 282, 1, 9750, SW_LNB_POWER, 3, 3},
    {"Astrel 23.5E", 235, 0, 9750, SW_LNB_POWER, 4, 4},
    {"Lumena 9.0E", 90, 0, 9750, SW_LNB_POWER | kToneBurstA, 0, 5},
    {"Vellum 4.8E", 48, 8, 10600, SW_LNB_POWER | SW_22KHZ | kToneBurstB, 0, 6},
    {"Tessara 0.8W", 3592, 0, 9750, SW_LNB_POWER | SW_12V, 0, 7},
    {"Boreas 5.0W", 3550, 5, 9750, SW_LNB_POWER, 0, 8},
    {"Atlanta 30.0W", 3300, 0, 9750, SW_LNB_POWER, 0, 9},
}};

constexpr std::array<const char*, 12> kNetworkNames = {
    "Helion Direct", "Corvina Sat",    "Meridia Link",  "Astrel Vision",
    "Lumena Media",  "Vellum Group",   "Tessara Net",   "Boreas Cast",
    "Atlanta Reach", "Landwave DVB-T", "Citynet Multi", "Regio Air"};
constexpr WORD kTerrestrialNetworks[] = {10, 11, 12};

constexpr std::array<const char*, 24> kWords = {
    "Nova",   "Kite",    "Arcadia", "Prism",  "Sable",  "Tundra",  "Zephyr", "Orchid",
    "Quartz", "Harbor",  "Ember",   "Lynx",   "Mosaic", "Pioneer", "Summit", "Coral",
    "Falcon", "Juniper", "Vertex",  "Willow", "Cobalt", "Meadow",  "Onyx",   "Saffron"};
constexpr std::array<const char*, 12> kTvKinds = {"TV",     "News",  "Sport", "Kids",
                                                  "Movies", "Music", "Docu",  "Plus",
                                                  "One",    "Life",  "HD",    "Travel"};
constexpr std::array<const char*, 6> kRadioKinds = {"FM",      "Radio", "Jazz",
                                                    "Classic", "Talk",  "Hits"};
constexpr WORD kSymbolRates[] = {22000, 27500, 29900, 30000};
constexpr BYTE kFecs[] = {2, 3, 4, 5}; // 2/3, 3/4, 5/6, 7/8

void AddSatellites(CChannelStore& store) {
    for (const SampleSatellite& entry : kSatellites) {
        SSAT_INFO sat{};
        sat.wPosition = entry.wPosition;
        sat.bLnbType = entry.bLnbType;
        sat.wLnbFreq = entry.wLnbFreq;
        sat.bCLnb = 2;
        sat.bSwitch = entry.bSwitch;
        sat.bDiseqc = entry.bDiseqc;
        SetName(sat.szName, entry.name);
        store.AppendSatellite(sat);
    }
}

void AddNetworks(CChannelStore& store) {
    for (size_t i = 0; i < kNetworkNames.size(); ++i) {
        SNET_INFO net{};
        net.id = static_cast<WORD>(i + 1);
        SetName(net.name, kNetworkNames[i]);
        store.AddNetwork(net);
    }
}

// Ku-band transponders of one satellite; returns how many it got.
int AddTransponders(CChannelStore& store, SampleRandom& rng, BYTE nSat) {
    const int nCount = 3 + static_cast<int>(rng.Below(4));
    WORD wFreq = static_cast<WORD>(10714 + rng.Below(60));
    for (int i = 0; i < nCount; ++i) {
        BYTE nTp = 0;
        store.AppendTransponder(nSat, &nTp, wFreq, kSymbolRates[rng.Below(4)],
                                static_cast<BYTE>(rng.Below(2)), kFecs[rng.Below(4)]);
        if (const STP_INFO* tp = store.GetTransponder(nSat, nTp)) {
            STP_INFO values = *tp;
            values.tsid = static_cast<WORD>(1000 + nSat * 50 + nTp);
            store.SetTransponder(nSat, nTp, values);
        }
        wFreq = static_cast<WORD>(wFreq + 150 + rng.Below(300));
    }
    return nCount;
}

void AddMuxes(CChannelStore& store) {
    constexpr WORD kUhfChannels[] = {21, 24, 27, 33, 39, 44, 52, 58};
    BYTE nMux = 0;
    for (WORD channel : kUhfChannels) {
        STP_INFO mux{};
        mux.frequency = static_cast<WORD>(306 + 8 * channel); // UHF raster, 8 MHz apart
        mux.symbolrate = 8000;
        mux.tsid = static_cast<WORD>(0x2000 + channel);
        mux.satid = kTerrestrialSatIndex;
        mux.tpid = ++nMux;
        store.AddMux(mux);
    }
}

std::string ServiceName(SampleRandom& rng, bool bRadio) {
    const char* word = kWords[rng.Below(kWords.size())];
    if (bRadio)
        return std::string(word) + " " + kRadioKinds[rng.Below(kRadioKinds.size())];
    return std::string(word) + " " + kTvKinds[rng.Below(kTvKinds.size())];
}

WORD ServiceFlags(SampleRandom& rng, bool bRadio) {
    WORD wFlags = bRadio ? FLAG_RADIO : 0;
    if (!bRadio && rng.OneIn(4))
        wFlags |= FLAG_CA;
    if (rng.OneIn(15))
        wFlags |= FLAG_LOCK;
    for (WORD fav : {FLAG_FAV1, FLAG_FAV2, FLAG_FAV3, FLAG_FAV4}) {
        if (rng.OneIn(8))
            wFlags |= fav;
    }
    return wFlags;
}

// One service on (nSat, nTp); service ids and PIDs follow the usual broadcaster numbering.
SSVC_INFO MakeService(SampleRandom& rng, BYTE nSat, BYTE nTp, WORD wNetwork, WORD wServiceId,
                      bool bRadio) {
    SSVC_INFO svc{};
    svc.bSatIndex = nSat;
    svc.bTpIndex = nTp;
    svc.wNetwork = wNetwork;
    svc.wServiceId = wServiceId;
    const WORD wBasePid = static_cast<WORD>(0x100 + (wServiceId % 64) * 16);
    svc.wVideoPid = bRadio ? 0 : wBasePid;
    svc.wAudioPid = static_cast<WORD>((wBasePid + 1) | (!bRadio && rng.OneIn(6) ? AUDIO_DOLBY : 0));
    svc.wPcrPid = bRadio ? static_cast<WORD>(wBasePid + 1) : wBasePid;
    svc.wFlags = ServiceFlags(rng, bRadio);
    SetName(svc.szName, ServiceName(rng, bRadio));
    return svc;
}

void AddSatelliteServices(CChannelStore& store, SampleRandom& rng, BYTE nSat, int nTransponders,
                          WORD wNetwork) {
    for (int tp = 1; tp <= nTransponders; ++tp) {
        const int nTv = 4 + static_cast<int>(rng.Below(5));
        const int nRadio = static_cast<int>(rng.Below(3));
        WORD wServiceId = static_cast<WORD>(nSat * 1000 + tp * 20);
        for (int i = 0; i < nTv + nRadio; ++i) {
            const bool bRadio = i >= nTv;
            store.AddSatService(ADD_ORDERED, MakeService(rng, nSat, static_cast<BYTE>(tp), wNetwork,
                                                         wServiceId++, bRadio));
        }
    }
}

void AddTerrestrialServices(CChannelStore& store, SampleRandom& rng) {
    for (BYTE nMux = 1; nMux <= store.GetMuxCount(); ++nMux) {
        const WORD wNetwork = kTerrestrialNetworks[nMux % 3];
        WORD wServiceId = static_cast<WORD>(0x4000 + nMux * 16);
        for (int i = 0; i < 6; ++i) {
            const bool bRadio = i >= 4;
            store.AddTerrService(ADD_ORDERED, MakeService(rng, kTerrestrialSatIndex, nMux, wNetwork,
                                                          wServiceId++, bRadio));
        }
    }
}

} // namespace

void FillSampleStore(CChannelStore& store) {
    SampleRandom rng;
    AddSatellites(store);
    AddNetworks(store);
    AddMuxes(store);
    for (size_t i = 0; i < kSatellites.size(); ++i) {
        const BYTE nSat = static_cast<BYTE>(kFirstSatIndex + i);
        const int nTransponders = AddTransponders(store, rng, nSat);
        AddSatelliteServices(store, rng, nSat, nTransponders, kSatellites[i].wNetwork);
    }
    AddTerrestrialServices(store, rng);
    store.Rebuild();
}
