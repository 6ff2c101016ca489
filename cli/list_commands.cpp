#include "list_commands.h"

#include "duplicates.h"
#include "list_compare.h"
#include "list_text.h"
#include "satellite_import.h"
#include "service_csv.h"
#include "zdftool.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>
#include <vector>

namespace {

using Args = std::span<const std::string>;

// A command's arguments: files in order, options, and the values of options that take one.
struct CommandLine {
    std::vector<std::string> files;
    std::vector<std::string> options;
    std::multimap<std::string, std::string> values; // every value of a repeated option
    bool Has(const char* option) const {
        return std::find(options.begin(), options.end(), option) != options.end();
    }
    // The option's last value; empty when it is not given.
    std::string Value(const std::string& option) const {
        const auto [first, last] = values.equal_range(option);
        return first == last ? std::string() : std::prev(last)->second;
    }
};

int Usage(const char* command, const std::string& why, std::ostream& err) {
    err << "zdftool " << command << ": " << why << "\n";
    WriteZdfCommandHelp(command, err);
    return ZDF_USAGE;
}

// False after a usage error: an option the command does not know, or one without its value.
bool Split(const char* command, Args args, const std::vector<std::string>& options,
           const std::vector<std::string>& valued, CommandLine& line, std::ostream& err) {
    const auto in = [](const std::vector<std::string>& list, const std::string& arg) {
        return std::find(list.begin(), list.end(), arg) != list.end();
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg[0] != '-') {
            line.files.push_back(arg);
        } else if (in(options, arg)) {
            line.options.push_back(arg);
        } else if (in(valued, arg) && i + 1 < args.size()) {
            line.values.emplace(arg, args[++i]);
        } else {
            Usage(command, in(valued, arg) ? arg + " needs a value" : "unknown option " + arg, err);
            return false;
        }
    }
    return true;
}

bool SameFile(const std::string& a, const std::string& b) {
    const QFileInfo fa(QString::fromStdString(a));
    const QFileInfo fb(QString::fromStdString(b));
    if (fa.exists() && fb.exists())
        return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

// The file a command writes: the one after its nInputs inputs, or with --in-place the first
// input. False after a usage error, which an output naming an input is without --in-place.
// `output` stays empty when the output may be left out and is.
bool Output(const char* command, const CommandLine& line, std::size_t nInputs, bool bOptional,
            std::string& output, std::ostream& err) {
    const bool bInPlace = line.Has("--in-place");
    const std::size_t nOutputs = line.files.size() - std::min(line.files.size(), nInputs);
    if (line.files.size() < nInputs || nOutputs > 1 || (bInPlace && nOutputs == 1) ||
        (!bInPlace && nOutputs == 0 && !bOptional)) {
        Usage(command,
              bInPlace && nOutputs == 1 ? "--in-place writes over the input: no output file"
                                        : "wrong number of files",
              err);
        return false;
    }
    if (bInPlace) {
        output = line.files[0];
        return true;
    }
    if (nOutputs == 0)
        return true;
    output = line.files[nInputs];
    for (std::size_t i = 0; i < nInputs; ++i) {
        if (SameFile(output, line.files[i])) {
            Usage(command, output + " is an input; --in-place writes over the input", err);
            return false;
        }
    }
    return true;
}

bool Load(const std::string& path, CChannelStore& store, std::ostream& err) {
    store.SetPathName(path);
    if (store.ReadDataFile())
        return true;
    err << "zdftool: " << path << ": " << store.GetLastFileError() << "\n";
    return false;
}

int Save(CChannelStore& store, const std::string& path, std::ostream& out, std::ostream& err) {
    store.SetPathName(path);
    if (!store.WriteDataFile()) {
        err << "zdftool: " << path << ": " << store.GetLastFileError() << "\n";
        return ZDF_FAILED;
    }
    out << "wrote " << path << "\n";
    return ZDF_OK;
}

// ---- order and import -------------------------------------------------------------------------

void WritePlan(std::ostream& out, const SOrderPlan& plan, const CNameCodec& names) {
    for (const std::string& line : PlanLines(plan, names))
        out << line << "\n";
}

int RunPlan(const char* command, Args args, bool bCsvOnly, const CNameCodec& names,
            std::ostream& out, std::ostream& err) {
    CommandLine line;
    std::string output;
    std::vector<std::string> known = {"--in-place", "--keep-places"};
    if (!bCsvOnly)
        known.push_back("--flags"); // an import always takes the flags
    if (!Split(command, args, known, {}, line, err) ||
        !Output(command, line, 2, false, output, err))
        return ZDF_USAGE;
    CChannelStore store;
    SReference reference;
    std::string error;
    if (!Load(line.files[0], store, err))
        return ZDF_FAILED;
    if (!ReadReference(line.files[1], bCsvOnly || IsCsvPath(line.files[1]), names, reference,
                       error)) {
        err << "zdftool: " << error << "\n";
        return ZDF_FAILED;
    }
    SOrderOptions options;
    options.bKeepPlaces = line.Has("--keep-places");
    options.bTakeFlags = bCsvOnly || line.Has("--flags");
    options.bTakeNames = bCsvOnly;
    const SOrderPlan plan = PlanOrder(store, reference, options);
    WritePlan(out, plan, names);
    ApplyOrder(store, plan);
    return Save(store, output, out, err);
}

// ---- satellites.xml -----------------------------------------------------------------------------

// The positions given with --sat ("19.2E"), each with its text; false after a usage error.
bool SatPositions(const CommandLine& line, std::vector<std::pair<WORD, std::string>>& positions,
                  std::ostream& err) {
    for (auto [it, end] = line.values.equal_range("--sat"); it != end; ++it) {
        const std::optional<WORD> position = ParsePosition(it->second);
        if (!position) {
            Usage("import-satellites",
                  "\"" + it->second + "\" is not a position such as 19.2E or 5.0W", err);
            return false;
        }
        positions.emplace_back(*position, it->second);
    }
    return true;
}

// The file's satellites at the positions, or all of them without any; false when the file has
// none at one of them.
bool ChooseSatellites(const std::vector<std::pair<WORD, std::string>>& positions,
                      const std::vector<SXmlSatellite>& satellites, SImportChoice& choice,
                      std::string& missing) {
    for (const auto& [wPosition, text] : positions) {
        bool bFound = false;
        for (std::size_t s = 0; s < satellites.size(); ++s) {
            if (BoxPosition(satellites[s].nPosition) == wPosition)
                bFound = choice[s].bChosen = true;
        }
        if (!bFound) {
            missing = text;
            return false;
        }
    }
    for (SSatelliteChoice& sat : choice)
        sat.bChosen = sat.bChosen || positions.empty();
    return true;
}

// ---- diff ---------------------------------------------------------------------------------------

void WriteDiffText(std::ostream& out, const SStoreDiff& diff, const CNameCodec& names) {
    for (const std::string& line : DiffLines(diff, names))
        out << line << "\n";
}

QString Utf8(const CNameCodec& names, std::string_view name) {
    return QString::fromStdString(names.ToUtf8(name));
}

QString Position(WORD wPosition) {
    return QString::fromStdString(FormatPosition(wPosition));
}

QJsonArray Words(const std::vector<const char*>& words) {
    QJsonArray array;
    for (const char* w : words)
        array.append(w);
    return array;
}

// As dump --json gives them.
QJsonArray FlagsJson(WORD wFlags) {
    QJsonArray names;
    for (const auto& [mask, name] : kFlagNames) {
        if (wFlags & mask)
            names.append(name);
    }
    return names;
}

QJsonObject Json(const SSAT_INFO& s, const CNameCodec& names) {
    return {{"position", Position(s.wPosition)}, {"name", Utf8(names, NameOf(s.szName))}};
}

QJsonObject Json(const STransponderAt& t, const CNameCodec&) {
    return {{"position", Position(t.wPosition)},
            {"frequency", t.tp.frequency},
            {"polarisation", (t.tp.attribute & 1) ? "H" : "V"},
            {"symbol_rate", t.tp.symbolrate}};
}

QJsonObject Json(const STP_INFO& mux, const CNameCodec&) {
    return {{"mux", mux.tpid}, {"frequency", mux.frequency}};
}

QJsonObject Json(const SNET_INFO& n, const CNameCodec& names) {
    return {{"id", n.id}, {"name", Utf8(names, NameOf(n.name))}};
}

QJsonObject Json(const SServiceAt& s, const CNameCodec& names) {
    QJsonObject o{{"number", s.wRow + 1},
                  {"name", Utf8(names, NameOf(s.svc.szName))},
                  {"service_id", s.key.wServiceId},
                  {"network", Utf8(names, s.strNetwork)},
                  {"video_pid", s.svc.wVideoPid},
                  {"audio_pid", s.svc.wAudioPid & AUDIO_PID_MASK},
                  {"dolby", (s.svc.wAudioPid & AUDIO_DOLBY) != 0},
                  {"pcr_pid", s.svc.wPcrPid},
                  {"flags", FlagsJson(s.svc.wFlags)}};
    if (s.key.bSatellite)
        o["position"] = Position(s.key.wPosition);
    if (s.key.wFrequency != 0)
        o["frequency"] = s.key.wFrequency;
    if (s.key.bSatellite && s.key.wFrequency != 0)
        o["polarisation"] = s.key.bHorizontal ? "H" : "V";
    return o;
}

// Added and removed records; changed ones as they were and are, with what changed.
template <class Added, class Changed, class Changes>
QJsonObject DiffJson(const std::vector<Added>& added, const std::vector<Added>& removed,
                     const std::vector<Changed>& changed, Changes changes,
                     const CNameCodec& names) {
    QJsonArray addedJson, removedJson, changedJson;
    for (const Added& r : added)
        addedJson.append(Json(r, names));
    for (const Added& r : removed)
        removedJson.append(Json(r, names));
    for (const Changed& c : changed) {
        const auto& [was, now, what] = changes(c);
        changedJson.append(
            QJsonObject{{"was", Json(was, names)}, {"now", Json(now, names)}, {"changes", what}});
    }
    return {{"added", addedJson}, {"removed", removedJson}, {"changed", changedJson}};
}

template <class Rec>
QJsonObject RecordDiffJson(const SRecordDiff<Rec>& diff, const CNameCodec& names) {
    return DiffJson(
        diff.added, diff.removed, diff.changed,
        [](const std::pair<Rec, Rec>& c) {
            return std::tuple(c.first, c.second, Words(ChangedFields(c.first, c.second)));
        },
        names);
}

void WriteDiffJson(std::ostream& out, const SStoreDiff& diff, const CNameCodec& names) {
    QJsonObject lists;
    for (BYTE list = 0; list < kListCount; ++list) {
        const SListDiff& d = diff.lists[list];
        lists[kListNames[list]] = DiffJson(
            d.added, d.removed, d.changed,
            [](const SServiceChange& c) {
                return std::tuple(c.a, c.b, Words(ChangeWords(c.nChanges)));
            },
            names);
    }
    const QJsonObject root{{"satellites", RecordDiffJson(diff.satellites, names)},
                           {"transponders", RecordDiffJson(diff.transponders, names)},
                           {"muxes", RecordDiffJson(diff.muxes, names)},
                           {"networks", RecordDiffJson(diff.networks, names)},
                           {"lists", lists}};
    out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace

int RunOrder(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err) {
    return RunPlan("order", args, false, names, out, err);
}

int RunImport(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err) {
    return RunPlan("import", args, true, names, out, err);
}

int RunImportSatellites(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err) {
    CommandLine line;
    std::string output;
    std::vector<std::pair<WORD, std::string>> positions;
    if (!Split("import-satellites", args, {"--in-place", "--with-s2"}, {"--sat"}, line, err) ||
        !Output("import-satellites", line, 2, false, output, err) ||
        !SatPositions(line, positions, err))
        return ZDF_USAGE;
    CChannelStore store;
    std::vector<SXmlSatellite> satellites;
    std::string error;
    if (!Load(line.files[0], store, err))
        return ZDF_FAILED;
    if (!ReadSatellitesXmlFile(line.files[1], satellites, error)) {
        err << "zdftool: " << error << "\n";
        return ZDF_FAILED;
    }
    SImportChoice choice = DefaultChoice(satellites, line.Has("--with-s2"));
    if (std::string missing; !ChooseSatellites(positions, satellites, choice, missing)) {
        err << "zdftool: " << line.files[1] << " has no satellite at " << missing << "\n";
        return ZDF_FAILED;
    }
    const SImportPlan plan = PlanImport(store, satellites, choice, names);
    for (const std::string& text : ImportPlanLines(plan, names))
        out << text << "\n";
    ApplyImport(store, plan);
    return Save(store, output, out, err);
}

int RunDupes(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err) {
    CommandLine line;
    std::string output;
    if (!Split("dupes", args, {"--in-place"}, {}, line, err) ||
        !Output("dupes", line, 1, true, output, err))
        return ZDF_USAGE;
    CChannelStore store;
    if (!Load(line.files[0], store, err))
        return ZDF_FAILED;
    const std::vector<SDuplicateGroup> groups = FindDuplicates(store);
    for (const SDuplicateGroup& g : groups) {
        out << GroupTitle(store, g, names) << " at";
        for (const WORD row : g.rows)
            out << (row == g.rows.front() ? " " : ", ") << row + 1;
        out << "\n";
    }
    if (groups.empty())
        out << "no duplicates\n";
    if (output.empty())
        return ZDF_OK;
    const std::vector<std::pair<BYTE, WORD>> extra = ProposedDuplicates(store, groups);
    DeleteServices(store, extra);
    out << "deleted " << extra.size() << " services\n";
    return Save(store, output, out, err);
}

int RunDiff(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!Split("diff", args, {"--json"}, {}, line, err))
        return ZDF_USAGE;
    if (line.files.size() != 2)
        return Usage("diff", "two files are needed", err);
    CChannelStore a, b;
    if (!Load(line.files[0], a, err) || !Load(line.files[1], b, err))
        return ZDF_USAGE; // trouble, as diff has it: neither equal nor different
    const SStoreDiff diff = CompareStores(a, b);
    if (line.Has("--json"))
        WriteDiffJson(out, diff, names);
    else
        WriteDiffText(out, diff, names);
    return diff.IsEmpty() ? ZDF_OK : ZDF_FAILED;
}

int RunExport(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err) {
    CommandLine line;
    if (!Split("export", args, {"--csv"}, {"--list", "-o"}, line, err))
        return ZDF_USAGE;
    if (line.files.size() != 1)
        return Usage("export", "one data file is needed", err);
    if (!line.Has("--csv"))
        return Usage("export", "the format is needed: --csv", err);
    std::optional<BYTE> list;
    if (line.values.contains("--list")) {
        list = ParseListName(line.Value("--list"));
        if (!list)
            return Usage("export", "unknown list " + line.Value("--list"), err);
    }
    const std::string output = line.Value("-o");
    if (!output.empty() && SameFile(output, line.files[0]))
        return Usage("export", output + " is the data file", err);
    CChannelStore store;
    if (!Load(line.files[0], store, err))
        return ZDF_FAILED;
    const std::string csv = WriteServicesCsv(store, names, list);
    if (output.empty()) {
        out << csv;
        return ZDF_OK;
    }
    std::string error;
    if (!WriteCsvFile(output, csv, error)) {
        err << "zdftool: " << error << "\n";
        return ZDF_FAILED;
    }
    return ZDF_OK;
}
