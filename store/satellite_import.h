// Taking satellites and transponders from a satellites.xml into the store, as Import
// Transponders and zdftool import-satellites do it: the box's records of the file's values, what
// the user takes, the plan that says per satellite what will be added, merged and left out, the
// plan's lines for the preview, and carrying it out through the store's own operations.
#pragma once

#include "channel_store.h"
#include "name_codec.h"
#include "satellites_xml.h"

#include <string>
#include <vector>

// ---- the box's records of the file's values -----------------------------------------------------

// Tenths of a degree, negative for West, as the box keeps them: West is 3600 minus the tenths.
WORD BoxPosition(int nTenths);
// MHz and kS/s rounded; circular left is kept as horizontal and circular right as vertical,
// the only polarisations a record holds; FEC 1/2 to 7/8 as the panel lists them, any other as
// Auto. satid and tpid are 0.
STP_INFO BoxTransponder(const SXmlTransponder& tp);
// A new satellite: the file's name cut to 16 characters, the position, and what the panel
// offers a new satellite (universal LNB, LNB power on, the rest off).
SSAT_INFO BoxSatellite(const SXmlSatellite& sat, const CNameCodec& names);

// The first stored satellite at that position (0.0E included); 0 when there is none.
BYTE FindSatelliteAt(const CChannelStore& store, WORD wPosition);

// ---- what the user takes
// --------------------------------------------------------------------------

// Per satellite of the file: whether it is imported, and which of its transponders.
struct SSatelliteChoice {
    bool bChosen = false;
    std::vector<bool> transponders;
};
using SImportChoice = std::vector<SSatelliteChoice>;

// No satellite chosen; every transponder taken except the DVB-S2 ones, which the box's records
// cannot describe (they hold no modulation), unless bWithS2.
SImportChoice DefaultChoice(const std::vector<SXmlSatellite>& satellites, bool bWithS2);

// ---- the plan
// -------------------------------------------------------------------------------------

enum class ETpImport : BYTE {
    Added,
    Merged,        // the store's tolerance merge finds it stored: that one takes its values
    LeftOut,       // not taken
    SatelliteFull, // its satellite holds 255 transponders
    ImageFull,     // the image's 1360 records hold as many transponders and MUXes as they can
    NoSatellite,   // its satellite is new and the image holds 119 satellites already
};

struct STpImport {
    STP_INFO rec;                        // as the box keeps it, satid naming its satellite
    BYTE bPolarisation = POL_HORIZONTAL; // the file's
    bool bS2 = false;
    ETpImport outcome = ETpImport::LeftOut;
};

struct SSatImport {
    std::size_t nInFile = 0;             // the satellite's place in the file
    std::string strFileName;             // the file's whole name (UTF-8)
    bool bNew = false;                   // no stored satellite has its position
    SSAT_INFO rec{};                     // the new satellite, or the stored one it goes to
    BYTE nSat = 0;                       // the satellite index it goes to; 0 when nothing goes in
    std::vector<STpImport> transponders; // all of the file's, in its order
    int Count(ETpImport outcome) const;
};

// The chosen satellites in file order, worked out on a copy of the store's tables so that each
// transponder meets the ones before it: exactly what ApplyImport will do. A new satellite is
// added only when one of its transponders goes in; a satellite whose transponders do not all
// fit goes in partly, and the plan says which stay out.
using SImportPlan = std::vector<SSatImport>;
SImportPlan PlanImport(const CChannelStore& store, const std::vector<SXmlSatellite>& satellites,
                       const SImportChoice& choice, const CNameCodec& names);
// How many transponders of the whole plan have that outcome.
int CountOf(const SImportPlan& plan, ETpImport outcome);

// Carries out a plan made for the store as it is now: appends the new satellites and adds the
// transponders with merging, as the panel's Append does. Nothing is removed, so no rebuild.
void ApplyImport(CChannelStore& store, const SImportPlan& plan);

// The preview, as zdftool prints it and the window shows it: per satellite one line
// (13.0E "Hotbird": new satellite; 120 transponders: 100 added, 3 merged, 7 DVB-S2 left out,
// 10 do not fit (imported partly)), then indented lines for circular polarisations and
// DVB-S2 transponders taken, and one for each transponder that does not fit; last a line of
// totals.
std::vector<std::string> ImportPlanLines(const SImportPlan& plan, const CNameCodec& names);
