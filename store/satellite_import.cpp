#include "satellite_import.h"

#include "list_text.h"

#include <algorithm>
#include <iterator>

namespace {

std::uint32_t Thousandths(std::uint32_t n) {
    return (n + 500) / 1000;
}

bool IsIn(ETpImport outcome) {
    return outcome == ETpImport::Added || outcome == ETpImport::Merged;
}

bool DoesNotFit(ETpImport outcome) {
    return outcome == ETpImport::SatelliteFull || outcome == ETpImport::ImageFull ||
           outcome == ETpImport::NoSatellite;
}

template <class Pred> int CountWhere(const SSatImport& sat, Pred pred) {
    return static_cast<int>(std::count_if(sat.transponders.begin(), sat.transponders.end(), pred));
}

// Where one taken transponder goes on the working copy, which it then changes as the store
// would. A merge needs no room.
ETpImport Place(CChannelStore& copy, STP_INFO& rec) {
    if (copy.FindMergeTarget(rec) != 0) {
        copy.AddTransponder(rec, 1);
        return ETpImport::Merged;
    }
    if (copy.GetTransponderCountOf(rec.satid) >= kMaxTranspondersPerSat)
        return ETpImport::SatelliteFull;
    if (copy.GetTransponderRecordRoom() == 0)
        return ETpImport::ImageFull;
    return copy.AddTransponder(rec, 1) == TP_APPENDED ? ETpImport::Added : ETpImport::ImageFull;
}

SSatImport PlanSatellite(CChannelStore& copy, std::size_t nInFile, const SXmlSatellite& sat,
                         const SSatelliteChoice& choice, const CNameCodec& names) {
    SSatImport plan;
    plan.nInFile = nInFile;
    plan.strFileName = sat.strName;
    const BYTE nStored = FindSatelliteAt(copy, BoxPosition(sat.nPosition));
    plan.bNew = nStored == 0;
    plan.rec = plan.bNew ? BoxSatellite(sat, names) : *copy.GetSatellite(nStored);
    bool bAnyTaken = false;
    for (std::size_t i = 0; i < sat.transponders.size(); ++i) {
        const SXmlTransponder& tp = sat.transponders[i];
        const bool bTaken = i < choice.transponders.size() && choice.transponders[i];
        bAnyTaken = bAnyTaken || bTaken;
        plan.transponders.push_back({BoxTransponder(tp), tp.bPolarisation, tp.bS2,
                                     bTaken ? ETpImport::Added : ETpImport::LeftOut});
    }
    ETpImport noRoom = ETpImport::Added; // why a new satellite takes nothing
    if (!plan.bNew) {
        plan.nSat = nStored;
    } else if (!bAnyTaken) {
        return plan;
    } else if (copy.GetSatelliteCount() >= kImageSatellites) {
        noRoom = ETpImport::NoSatellite;
    } else if (copy.GetTransponderRecordRoom() == 0) {
        noRoom = ETpImport::ImageFull;
    } else {
        SSAT_INFO rec = plan.rec;
        copy.AppendSatellite(rec);
        plan.rec = rec;
        plan.nSat = rec.bIndex;
    }
    for (STpImport& tp : plan.transponders) {
        if (tp.outcome == ETpImport::LeftOut)
            continue;
        tp.rec.satid = plan.nSat;
        tp.outcome = plan.nSat == 0 ? noRoom : Place(copy, tp.rec);
    }
    return plan;
}

// "1 transponder", "3 transponders"
std::string Counted(long long n, const char* what) {
    return std::to_string(n) + " " + what + (n == 1 ? "" : "s");
}

std::string TransponderText(const STP_INFO& tp) {
    return std::to_string(tp.frequency) + ((tp.attribute & 1) ? " H " : " V ") +
           std::to_string(tp.symbolrate);
}

// "120 transponders: 100 added, 3 merged, 7 DVB-S2 left out, 10 do not fit (imported partly)"
std::string CountsText(const SSatImport& sat) {
    const int nS2LeftOut = CountWhere(
        sat, [](const STpImport& tp) { return tp.outcome == ETpImport::LeftOut && tp.bS2; });
    const int nAdded = sat.Count(ETpImport::Added), nMerged = sat.Count(ETpImport::Merged);
    const int nNoFit = CountWhere(sat, [](const STpImport& tp) { return DoesNotFit(tp.outcome); });
    const std::pair<int, const char*> parts[] = {
        {nAdded, " added"},
        {nMerged, " merged"},
        {nS2LeftOut, " DVB-S2 left out"},
        {sat.Count(ETpImport::LeftOut) - nS2LeftOut, " left out"},
        {nNoFit, " do not fit"},
    };
    std::string text = Counted(sat.transponders.size(), "transponder");
    const char* separator = ": ";
    for (const auto& [n, what] : parts) {
        if (n > 0) {
            text += separator + std::to_string(n) + what;
            separator = ", ";
        }
    }
    if (nNoFit > 0 && nAdded + nMerged > 0)
        text += " (imported partly)";
    return text;
}

std::string SatelliteText(const SSatImport& sat, const CNameCodec& names) {
    if (!sat.bNew)
        return "into satellite " + std::to_string(sat.nSat) + " " +
               names.Quoted(NameOf(sat.rec.szName));
    if (sat.Count(ETpImport::NoSatellite) > 0)
        return "not imported: the image holds " + std::to_string(kImageSatellites) + " satellites";
    if (sat.nSat == 0)
        return sat.Count(ETpImport::ImageFull) > 0 ? "not imported" : "nothing taken";
    std::string text = "new satellite";
    if (names.ToUtf8(NameOf(sat.rec.szName)) != sat.strFileName)
        text += " " + names.Quoted(NameOf(sat.rec.szName));
    return text;
}

void AddDetailLines(const SSatImport& sat, std::vector<std::string>& lines) {
    int nLeft = 0, nRight = 0, nS2 = 0;
    for (const STpImport& tp : sat.transponders) {
        if (!IsIn(tp.outcome))
            continue;
        nLeft += tp.bPolarisation == POL_CIRCULAR_LEFT;
        nRight += tp.bPolarisation == POL_CIRCULAR_RIGHT;
        nS2 += tp.bS2;
    }
    if (nLeft + nRight > 0) {
        const std::string left = std::to_string(nLeft) + " left taken as horizontal";
        const std::string right = std::to_string(nRight) + " right taken as vertical";
        lines.push_back("  circular polarisation: " + (nRight == 0  ? left
                                                       : nLeft == 0 ? right
                                                                    : left + ", " + right));
    }
    if (nS2 > 0)
        lines.push_back("  " + std::to_string(nS2) +
                        " DVB-S2 taken: the box's records hold no modulation, so it may not "
                        "tune them");
    for (const STpImport& tp : sat.transponders) {
        if (tp.outcome == ETpImport::SatelliteFull)
            lines.push_back("  does not fit " + TransponderText(tp.rec) + ": the satellite holds " +
                            std::to_string(kMaxTranspondersPerSat) + " transponders");
        else if (tp.outcome == ETpImport::ImageFull)
            lines.push_back("  does not fit " + TransponderText(tp.rec) + ": the image holds " +
                            std::to_string(kMaxTransponders) + " transponders and MUXes");
    }
}

} // namespace

WORD BoxPosition(int nTenths) {
    return static_cast<WORD>(nTenths < 0 ? kWest + nTenths : nTenths);
}

STP_INFO BoxTransponder(const SXmlTransponder& tp) {
    STP_INFO rec{};
    rec.frequency = static_cast<WORD>(Thousandths(tp.nFrequency));
    rec.symbolrate = static_cast<WORD>(Thousandths(tp.nSymbolRate));
    const bool bHorizontal =
        tp.bPolarisation == POL_HORIZONTAL || tp.bPolarisation == POL_CIRCULAR_LEFT;
    const BYTE nFec = tp.nFec < std::size(kFecNames) ? static_cast<BYTE>(tp.nFec) : 0;
    rec.attribute = static_cast<BYTE>((bHorizontal ? 1 : 0) | nFec << 4);
    return rec;
}

SSAT_INFO BoxSatellite(const SXmlSatellite& sat, const CNameCodec& names) {
    SSAT_INFO rec{};
    rec.wPosition = BoxPosition(sat.nPosition);
    SetName(rec.szName, names.Encoded(sat.strName));
    const SLnbValue lnb = EncodeLnb(kLnbEncoding, 0, 0);
    const SLnbValue cLnb = EncodeLnb(kCLnbEncoding, 0, 0);
    rec.bLnbType = lnb.bValue;
    rec.wLnbFreq = lnb.wFrequency;
    rec.bCLnb = cLnb.bValue;
    rec.wCLnbFreq = cLnb.wFrequency;
    rec.bSwitch = SW_LNB_POWER;
    return rec;
}

BYTE FindSatelliteAt(const CChannelStore& store, WORD wPosition) {
    for (int n = kFirstSatIndex; n <= store.GetSatelliteCount() + 1; ++n) {
        if (store.GetSatellite(static_cast<BYTE>(n))->wPosition == wPosition)
            return static_cast<BYTE>(n);
    }
    return 0;
}

SImportChoice DefaultChoice(const std::vector<SXmlSatellite>& satellites, bool bWithS2) {
    SImportChoice choice(satellites.size());
    for (std::size_t s = 0; s < satellites.size(); ++s) {
        for (const SXmlTransponder& tp : satellites[s].transponders)
            choice[s].transponders.push_back(bWithS2 || !tp.bS2);
    }
    return choice;
}

int SSatImport::Count(ETpImport outcome) const {
    return CountWhere(*this, [outcome](const STpImport& tp) { return tp.outcome == outcome; });
}

int CountOf(const SImportPlan& plan, ETpImport outcome) {
    int n = 0;
    for (const SSatImport& sat : plan)
        n += sat.Count(outcome);
    return n;
}

SImportPlan PlanImport(const CChannelStore& store, const std::vector<SXmlSatellite>& satellites,
                       const SImportChoice& choice, const CNameCodec& names) {
    CChannelStore copy;
    copy.RestoreSnapshot(store.TakeSnapshot(0)); // the tables alone: no service takes part
    SImportPlan plan;
    for (std::size_t s = 0; s < satellites.size() && s < choice.size(); ++s) {
        if (choice[s].bChosen)
            plan.push_back(PlanSatellite(copy, s, satellites[s], choice[s], names));
    }
    return plan;
}

void ApplyImport(CChannelStore& store, const SImportPlan& plan) {
    for (const SSatImport& sat : plan) {
        if (sat.nSat == 0)
            continue;
        BYTE nSat = sat.nSat;
        if (sat.bNew) {
            SSAT_INFO rec = sat.rec;
            rec.bIndex = 0; // stays 0 when the store has no room after all
            store.AppendSatellite(rec);
            nSat = rec.bIndex;
        }
        for (const STpImport& tp : sat.transponders) {
            if (!IsIn(tp.outcome))
                continue;
            STP_INFO rec = tp.rec;
            rec.satid = nSat;
            store.AddTransponder(rec, 1);
        }
    }
}

std::vector<std::string> ImportPlanLines(const SImportPlan& plan, const CNameCodec& names) {
    std::vector<std::string> lines;
    int nNew = 0, nNoFit = 0;
    for (const SSatImport& sat : plan) {
        lines.push_back(FormatPosition(sat.rec.wPosition) + " \"" + sat.strFileName +
                        "\": " + SatelliteText(sat, names) + "; " + CountsText(sat));
        AddDetailLines(sat, lines);
        nNew += sat.bNew && sat.nSat != 0;
        nNoFit += CountWhere(sat, [](const STpImport& tp) { return DoesNotFit(tp.outcome); });
    }
    lines.push_back("in all: " + Counted(plan.size(), "satellite") + ", " + std::to_string(nNew) +
                    " new; " + Counted(CountOf(plan, ETpImport::Added), "transponder") +
                    " added, " + std::to_string(CountOf(plan, ETpImport::Merged)) + " merged, " +
                    std::to_string(CountOf(plan, ETpImport::LeftOut)) + " left out, " +
                    std::to_string(nNoFit) + " do not fit");
    return lines;
}
