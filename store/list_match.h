// Matching a database's services with a reference list (another data file, or a CSV file), and
// the plan that Order Like and Import CSV carry out: the new order of each list, and the names
// and flags taken over from the reference.
#pragma once

#include "channel_store.h"
#include "name_codec.h"

#include <array>
#include <string>
#include <vector>

// The flags a user sets and the reference may carry over; CA comes from the box alone.
inline constexpr WORD FLAG_USER = FLAG_LOCK | FLAG_FAV1 | FLAG_FAV2 | FLAG_FAV3 | FLAG_FAV4;

// What identifies a service across databases whose indexes differ: where it is received and
// its service id. A satellite service is received at a satellite position, a transponder
// frequency and polarisation; a terrestrial one on a MUX frequency.
struct SServiceKey {
    bool bSatellite = false;
    WORD wPosition = 0;   // the satellite's orbital position
    WORD wFrequency = 0;  // transponder or MUX frequency (MHz); 0 when the store has none
    WORD wSymbolRate = 0; // the transponder's (kS/s)
    bool bHorizontal = false;
    WORD wServiceId = 0;
};

SServiceKey KeyOf(const CChannelStore& store, const SSVC_INFO& svc);

// Whether a present service is the one a reference service describes: terrestrial ones on the
// same MUX frequency, satellite ones on the same position and polarisation with frequencies
// that the store would merge at the present transponder's symbol rate; the same service id.
bool KeysMatch(const SServiceKey& present, const SServiceKey& reference);

struct SReferenceService {
    SServiceKey key;
    std::string strName; // the box's bytes
    WORD wFlags = 0;
};
// One list of reference services per list selector, each in its order.
using SReference = std::array<std::vector<SReferenceService>, kListCount>;

// A data file's lists as a reference: entry i of a list is the store's row i.
SReference ReferenceFromStore(const CChannelStore& store);

// Which reference service each present row of a list is: by key first; rows still unmatched by
// exact name with reference services still free, each in its list's order. Empty names
// identify nothing and are never matched by name.
struct SListMatch {
    std::vector<int> partner; // per present row: the reference entry, or -1
    int nByKey = 0;
    int nByName = 0;
};
SListMatch MatchList(const CChannelStore& store, BYTE nList,
                     const std::vector<SReferenceService>& reference);

struct SOrderOptions {
    bool bKeepPlaces = false; // unmatched services keep their rows rather than follow at the end
    bool bTakeFlags = false;  // Lock and Fav1-Fav4 as the reference has them
    bool bTakeNames = false;  // names as the reference has them
};

// What Order Like or Import CSV will do to one list, worked out before anything changes.
// Matched services take the reference's order; unmatched ones follow in their present order,
// or keep their rows with bKeepPlaces. A list whose reference is empty stays as it is.
struct SListPlan {
    SListMatch match;
    std::vector<WORD> order;                           // order[i]: present row that goes to row i
    std::vector<std::string> unmatched;                // names of the unmatched present services
    std::vector<std::pair<WORD, std::string>> renames; // present row, new name (box bytes)
    std::vector<std::pair<WORD, WORD>> flagChanges;    // present row, new flags
    bool bInReference = false;
};
using SOrderPlan = std::array<SListPlan, kListCount>;

SOrderPlan PlanOrder(const CChannelStore& store, const SReference& reference,
                     const SOrderOptions& options);

// Carries out a plan made for the store as it is now, through the store's own operations.
void ApplyOrder(CChannelStore& store, const SOrderPlan& plan);

// What a plan will do, as zdftool prints it and the window previews it: per list one line
// ("satellite-tv: 120 services; 100 matched by key, 12 by name, 8 unmatched; reordered"), then
// one indented line per unmatched name.
std::vector<std::string> PlanLines(const SOrderPlan& plan, const CNameCodec& names);
