#include "list_compare.h"

#include "list_text.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <unordered_map>

namespace {

// Pairs B's records with A's: among the free A records in the same group, the one at the
// smallest distance (a negative distance does not pair).
template <class Rec, class Group, class Distance>
SRecordDiff<Rec> DiffRecords(const std::vector<Rec>& a, const std::vector<Rec>& b, Group group,
                             Distance distance) {
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> groups;
    for (std::size_t i = 0; i < a.size(); ++i)
        groups[group(a[i])].push_back(i);
    std::vector<bool> taken(a.size());
    SRecordDiff<Rec> diff;
    for (const Rec& rb : b) {
        std::size_t best = a.size();
        int bestDistance = 0;
        for (const std::size_t i : groups[group(rb)]) {
            const int d = taken[i] ? -1 : distance(a[i], rb);
            if (d >= 0 && (best == a.size() || d < bestDistance)) {
                best = i;
                bestDistance = d;
            }
        }
        if (best == a.size()) {
            diff.added.push_back(rb);
            continue;
        }
        taken[best] = true;
        if (!ChangedFields(a[best], rb).empty())
            diff.changed.emplace_back(a[best], rb);
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!taken[i])
            diff.removed.push_back(a[i]);
    }
    return diff;
}

std::vector<SSAT_INFO> Satellites(const CChannelStore& store) {
    std::vector<SSAT_INFO> sats;
    for (int s = 0; s < store.GetSatelliteCount(); ++s)
        sats.push_back(*store.GetSatellite(static_cast<BYTE>(kFirstSatIndex + s)));
    return sats;
}

std::vector<STransponderAt> Transponders(const CChannelStore& store) {
    std::vector<STransponderAt> tps;
    for (const SSAT_INFO& sat : Satellites(store)) {
        for (int t = 1; t <= store.GetTransponderCountOf(sat.bIndex); ++t) {
            if (const STP_INFO* tp = store.GetTransponder(sat.bIndex, static_cast<BYTE>(t)))
                tps.push_back({sat.wPosition, *tp});
        }
    }
    return tps;
}

std::vector<STP_INFO> Muxes(const CChannelStore& store) {
    std::vector<STP_INFO> muxes;
    for (int m = 1; m <= kMaxMuxes; ++m) {
        if (const STP_INFO* mux = store.GetMux(static_cast<BYTE>(m)))
            muxes.push_back(*mux);
    }
    return muxes;
}

std::vector<SNET_INFO> Networks(const CChannelStore& store) {
    std::vector<SNET_INFO> nets;
    for (int i = 0; i < store.GetNetworkCount(); ++i)
        nets.push_back(*store.GetNetworkAt(static_cast<WORD>(i)));
    return nets;
}

// A matched service has moved when it is off the longest run of matched services that kept
// their relative order: an insertion or a removal then moves nothing, and a service taken out
// and put in elsewhere is the one that moved, not those it passed.
std::vector<bool> MovedRows(const std::vector<int>& partner) {
    std::vector<WORD> rows; // the matched rows
    for (WORD row = 0; row < partner.size(); ++row) {
        if (partner[row] >= 0)
            rows.push_back(row);
    }
    // Longest increasing run of partners: tails[k] ends the best run of length k + 1 so far.
    std::vector<int> tails;
    std::vector<int> before(rows.size(), -1);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto it =
            std::lower_bound(tails.begin(), tails.end(), partner[rows[i]],
                             [&](int t, int value) { return partner[rows[t]] < value; });
        if (it != tails.begin())
            before[i] = *(it - 1);
        if (it == tails.end())
            tails.push_back(i);
        else
            *it = i;
    }
    std::vector<bool> moved(partner.size());
    for (const WORD row : rows)
        moved[row] = true;
    for (int i = tails.empty() ? -1 : tails.back(); i >= 0; i = before[i])
        moved[rows[i]] = false;
    return moved;
}

SServiceAt ServiceAt(const CChannelStore& store, BYTE nList, WORD nRow) {
    const SSVC_INFO& svc = *store.GetService(nRow, nList);
    return {nRow, svc, KeyOf(store, svc), std::string(store.GetNetworkName(svc.wNetwork))};
}

unsigned Changes(const SServiceAt& a, const SServiceAt& b) {
    const SSVC_INFO& sa = a.svc;
    const SSVC_INFO& sb = b.svc;
    unsigned n = 0;
    if (NameOf(sa.szName) != NameOf(sb.szName))
        n |= CHANGE_NAME;
    if ((sa.wFlags ^ sb.wFlags) & (FLAG_USER | FLAG_CA))
        n |= CHANGE_FLAGS;
    if (sa.wVideoPid != sb.wVideoPid || sa.wAudioPid != sb.wAudioPid || sa.wPcrPid != sb.wPcrPid)
        n |= CHANGE_PIDS;
    if (sa.wNetwork != sb.wNetwork)
        n |= CHANGE_NETWORK;
    if (!KeysMatch(b.key, a.key))
        n |= CHANGE_TUNING;
    return n;
}

SListDiff DiffList(const CChannelStore& a, const CChannelStore& b, BYTE nList,
                   const std::vector<SReferenceService>& reference) {
    const SListMatch match = MatchList(b, nList, reference);
    const std::vector<bool> moved = MovedRows(match.partner);
    std::vector<bool> kept(reference.size());
    SListDiff diff;
    for (WORD row = 0; row < match.partner.size(); ++row) {
        const int partner = match.partner[row];
        if (partner < 0) {
            diff.added.push_back(ServiceAt(b, nList, row));
            continue;
        }
        kept[partner] = true;
        SServiceChange change{ServiceAt(a, nList, static_cast<WORD>(partner)),
                              ServiceAt(b, nList, row), 0};
        change.nChanges = Changes(change.a, change.b) | (moved[row] ? unsigned{CHANGE_MOVED} : 0u);
        if (change.nChanges != 0)
            diff.changed.push_back(std::move(change));
    }
    for (WORD row = 0; row < kept.size(); ++row) {
        if (!kept[row])
            diff.removed.push_back(ServiceAt(a, nList, row));
    }
    return diff;
}

// ---- texts ------------------------------------------------------------------------------------

std::string Joined(const std::vector<const char*>& words) {
    std::string text;
    for (const char* w : words)
        text += (text.empty() ? "" : ", ") + std::string(w);
    return text;
}

std::string KeyText(const SServiceKey& key) {
    std::string text = key.bSatellite ? FormatPosition(key.wPosition) + " " : "";
    if (key.wFrequency == 0)
        text += key.bSatellite ? "no transponder" : "no MUX";
    else
        text += std::to_string(key.wFrequency) +
                (key.bSatellite ? key.bHorizontal ? " H" : " V" : " MHz");
    return text + " sid " + std::to_string(key.wServiceId);
}

std::string ServiceText(const SServiceAt& s, const CNameCodec& names) {
    return std::to_string(s.wRow + 1) + " " + names.Quoted(NameOf(s.svc.szName));
}

std::string PidsText(const SSVC_INFO& svc) {
    return "video " + std::to_string(svc.wVideoPid) + " audio " +
           std::to_string(svc.wAudioPid & AUDIO_PID_MASK) +
           ((svc.wAudioPid & AUDIO_DOLBY) ? " Dolby" : "") + " pcr " + std::to_string(svc.wPcrPid);
}

std::string FlagsOrDash(WORD wFlags) {
    const std::string text = FlagsText(wFlags);
    return text.empty() ? "-" : text;
}

std::string TransponderText(const STransponderAt& t) {
    return FormatPosition(t.wPosition) + " " + std::to_string(t.tp.frequency) +
           ((t.tp.attribute & 1) ? " H " : " V ") + std::to_string(t.tp.symbolrate);
}

std::string SatelliteText(const SSAT_INFO& s, const CNameCodec& names) {
    return FormatPosition(s.wPosition) + " " + names.Quoted(NameOf(s.szName));
}

std::string MuxText(const STP_INFO& m) {
    return std::to_string(m.tpid) + " " + std::to_string(m.frequency) + " MHz";
}

std::string NetworkText(const SServiceAt& s, const CNameCodec& names) {
    return std::to_string(s.svc.wNetwork) + " " + names.Quoted(s.strNetwork);
}

std::string NetworkText(const SNET_INFO& n, const CNameCodec& names) {
    return std::to_string(n.id) + " " + names.Quoted(NameOf(n.name));
}

struct ChangeKind {
    unsigned nMask;
    const char* word; // the text line's and the JSON's name for it
};
constexpr ChangeKind kChangeKinds[] = {{CHANGE_NAME, "renamed"},    {CHANGE_MOVED, "moved"},
                                       {CHANGE_FLAGS, "flags"},     {CHANGE_PIDS, "PIDs"},
                                       {CHANGE_NETWORK, "network"}, {CHANGE_TUNING, "tuning"}};

// What one kind of change was and became.
std::pair<std::string, std::string> ChangeTexts(unsigned nKind, const SServiceChange& c,
                                                const CNameCodec& names) {
    switch (nKind) {
    case CHANGE_NAME:
        return {names.Quoted(NameOf(c.a.svc.szName)), names.Quoted(NameOf(c.b.svc.szName))};
    case CHANGE_MOVED:
        return {std::to_string(c.a.wRow + 1), std::to_string(c.b.wRow + 1)};
    case CHANGE_FLAGS:
        return {FlagsOrDash(c.a.svc.wFlags), FlagsOrDash(c.b.svc.wFlags)};
    case CHANGE_PIDS:
        return {PidsText(c.a.svc), PidsText(c.b.svc)};
    case CHANGE_NETWORK:
        return {NetworkText(c.a, names), NetworkText(c.b, names)};
    default:
        return {KeyText(c.a.key), KeyText(c.b.key)};
    }
}

template <class Rec, class Text>
void RecordLines(std::vector<std::string>& lines, const char* title, const SRecordDiff<Rec>& diff,
                 Text text) {
    for (const Rec& r : diff.added)
        lines.push_back(std::string(title) + ": added " + text(r));
    for (const Rec& r : diff.removed)
        lines.push_back(std::string(title) + ": removed " + text(r));
    for (const auto& [a, b] : diff.changed)
        lines.push_back(std::string(title) + ": changed " + text(b) + ": " +
                        Joined(ChangedFields(a, b)));
}

void Note(std::vector<const char*>& fields, bool bDiffers, const char* field) {
    if (bDiffers)
        fields.push_back(field);
}

} // namespace

std::vector<const char*> ChangedFields(const SSAT_INFO& a, const SSAT_INFO& b) {
    std::vector<const char*> f;
    Note(f, NameOf(a.szName) != NameOf(b.szName), "name");
    Note(f, a.bLnbType != b.bLnbType || a.wLnbFreq != b.wLnbFreq, "LNB");
    Note(f, a.bCLnb != b.bCLnb || a.wCLnbFreq != b.wCLnbFreq, "C-LNB");
    Note(f, a.bSwitch != b.bSwitch, "switches");
    Note(f, a.bCkuSwitch != b.bCkuSwitch, "C/KU");
    Note(f, a.bDiseqc != b.bDiseqc, "DiSEqC");
    Note(f, a.wReserved != b.wReserved || a.bReserved != b.bReserved, "reserved");
    return f;
}

std::vector<const char*> ChangedFields(const STP_INFO& a, const STP_INFO& b) {
    std::vector<const char*> f;
    Note(f, a.frequency != b.frequency, "frequency");
    Note(f, a.symbolrate != b.symbolrate, "symbol rate");
    Note(f, (a.attribute ^ b.attribute) & 0x01, "polarisation");
    Note(f, (a.attribute ^ b.attribute) & 0xF0, "FEC");
    Note(f, (a.attribute ^ b.attribute) & 0x0E, "attribute");
    Note(f, a.tsid != b.tsid, "tsid");
    Note(f, a.drift != b.drift, "drift");
    Note(f, a.signal != b.signal, "signal");
    return f;
}

std::vector<const char*> ChangedFields(const STransponderAt& a, const STransponderAt& b) {
    return ChangedFields(a.tp, b.tp);
}

std::vector<const char*> ChangedFields(const SNET_INFO& a, const SNET_INFO& b) {
    std::vector<const char*> f;
    Note(f, NameOf(a.name) != NameOf(b.name), "name");
    Note(f, a.attribute != b.attribute, "attribute");
    return f;
}

bool SStoreDiff::IsEmpty() const {
    const auto empty = [](const auto& d) {
        return d.added.empty() && d.removed.empty() && d.changed.empty();
    };
    return empty(satellites) && empty(transponders) && empty(muxes) && empty(networks) &&
           std::all_of(lists.begin(), lists.end(), empty);
}

SStoreDiff CompareStores(const CChannelStore& a, const CChannelStore& b) {
    SStoreDiff diff;
    const auto same = [](const auto&, const auto&) { return 0; };
    diff.satellites = DiffRecords(
        Satellites(a), Satellites(b), [](const SSAT_INFO& s) { return s.wPosition; }, same);
    diff.transponders = DiffRecords(
        Transponders(a), Transponders(b),
        [](const STransponderAt& t) {
            return (std::uint64_t{t.wPosition} << 1) | (t.tp.attribute & 1);
        },
        [](const STransponderAt& ta, const STransponderAt& tb) {
            const int d = std::abs(ta.tp.frequency - tb.tp.frequency);
            return d <= FrequencyTolerance(tb.tp.symbolrate) ? d : -1;
        });
    diff.muxes = DiffRecords(
        Muxes(a), Muxes(b), [](const STP_INFO& m) { return m.tpid; }, same);
    diff.networks = DiffRecords(
        Networks(a), Networks(b), [](const SNET_INFO& n) { return n.id; }, same);
    const SReference reference = ReferenceFromStore(a);
    for (BYTE list = 0; list < kListCount; ++list)
        diff.lists[list] = DiffList(a, b, list, reference[list]);
    return diff;
}

std::vector<const char*> ChangeWords(unsigned nChanges) {
    std::vector<const char*> words;
    for (const ChangeKind& kind : kChangeKinds) {
        if (nChanges & kind.nMask)
            words.push_back(kind.word);
    }
    return words;
}

std::vector<std::string> DiffLines(const SStoreDiff& diff, const CNameCodec& names) {
    std::vector<std::string> lines;
    RecordLines(lines, "satellites", diff.satellites,
                [&](const SSAT_INFO& s) { return SatelliteText(s, names); });
    RecordLines(lines, "transponders", diff.transponders, TransponderText);
    RecordLines(lines, "MUXes", diff.muxes, MuxText);
    RecordLines(lines, "networks", diff.networks,
                [&](const SNET_INFO& n) { return NetworkText(n, names); });
    for (BYTE list = 0; list < kListCount; ++list) {
        const SListDiff& d = diff.lists[list];
        const std::string title = std::string(kListNames[list]) + ": ";
        for (const SServiceAt& s : d.added)
            lines.push_back(title + "added " + ServiceText(s, names) + " (" + KeyText(s.key) + ")");
        for (const SServiceAt& s : d.removed)
            lines.push_back(title + "removed " + ServiceText(s, names) + " (" + KeyText(s.key) +
                            ")");
        for (const SServiceChange& c : d.changed) {
            for (const ChangeKind& kind : kChangeKinds) {
                if (!(c.nChanges & kind.nMask))
                    continue;
                const auto [was, now] = ChangeTexts(kind.nMask, c, names);
                lines.push_back(title + kind.word + " " + ServiceText(c.b, names) + ": " + was +
                                " -> " + now);
            }
        }
    }
    return lines;
}
