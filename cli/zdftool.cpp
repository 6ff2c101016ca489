#include "zdftool.h"

#include "channel_store.h"
#include "list_commands.h"
#include "name_codec.h"
#include "transfer_command.h"
#include "zdf_report.h"

#include <algorithm>
#include <functional>
#include <iomanip>
#include <span>
#include <string_view>

namespace {

using Args = std::span<const std::string>;
using CommandFn = int (*)(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err);

struct Command {
    const char* name;
    const char* usage; // arguments after the command name
    const char* summary;
    const char* help; // what --help adds under the usage line
    CommandFn run;
    bool bNames = false; // prints or reads names: takes --charset
};

int RunInfo(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err);
int RunDump(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err);
int RunCheck(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err);
int RunSend(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err);
int RunReceive(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err);
int RunPorts(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err);

// One row per command; a new command is one more row and its Run function.
constexpr Command kCommands[] = {
    {"info", "FILE", "header, record counts and image blocks of a data file",
     "Shows the header magic and length, the number of satellites, transponders, MUXes,\n"
     "networks and services in each list, the state of each image block, and a warning for\n"
     "each thing that reading the file drops.\n",
     RunInfo},
    {"dump", "FILE [--json]", "every record of a data file, as text or JSON",
     "Lists satellites, transponders, MUXes, networks and the four service lists.\n"
     "  --json   write one JSON document instead\n",
     RunDump, true},
    {"check", "FILE", "exit 0 when reading the file drops nothing",
     "Exits with 0 when the file reads whole: every section to its end, every record taken.\n"
     "Otherwise prints one line naming the section and what reading drops, and exits with 1\n"
     "('info' lists every such warning).\n",
     RunCheck},
    {"ports", "[--json]", "the serial devices present, for send and receive",
     "Lists the serial devices the system knows: name, description, path and the link in\n"
     "/dev/serial/by-id that stays the same when an adapter comes back under another name.\n"
     "send and receive take any of the first, the third and the fourth as PORT.\n"
     "  --json   write one JSON document instead\n",
     RunPorts},
    {"send", "PORT FILE", "send a database to the box over a serial port",
     "Sends FILE to the box: a data file (.zdf) or a bare 208896-byte image. PORT is COM1\n"
     "to COM4 (ORVANE_COM1 ... ORVANE_COM4 name other devices), a device as 'ports' lists\n"
     "it (ttyUSB0, its by-id link or its path) or any device path. Waits for the box, then\n"
     "shows the transfer and the box's flash writing; Ctrl-C gives up.\n",
     RunSend},
    {"receive", "PORT FILE", "fetch the box's database over a serial port into FILE",
     "Fetches the box's database into FILE: a data file when FILE ends in .zdf, else the bare\n"
     "image. Nothing is written unless every block arrived. Ctrl-C gives up.\n",
     RunReceive},
    {"order", "IN REF [OUT]", "put IN's lists into the order of REF's lists",
     "Reorders each list of the data file IN like the same list of REF, a data file or a CSV\n"
     "file (see export), and writes the result to OUT. Satellite services match by position,\n"
     "transponder frequency (within the tolerance that merges transponders), polarisation and\n"
     "service id; terrestrial ones by MUX frequency and service id; the rest by equal name.\n"
     "Matched services take REF's order; the unmatched follow in their order.\n"
     "  --keep-places  unmatched services keep their places instead\n"
     "  --flags        take Lock and Fav1-Fav4 from REF too\n"
     "  --in-place     write the result over IN (then OUT is left out)\n",
     RunOrder, true},
    {"dupes", "FILE [OUT]", "services with equal names on one satellite, in one list",
     "Lists, per list and satellite, the services with equal names and their numbers. With OUT\n"
     "(or --in-place, over FILE) deletes each service of a group that an earlier one shares its\n"
     "transponder or MUX with, and writes the result; equal names elsewhere stay.\n",
     RunDupes, true},
    {"diff", "A B [--json]", "what changed from data file A to data file B",
     "Lists satellites, transponders, MUXes and networks added, removed or changed, and per\n"
     "list the services added, removed, renamed, moved, and with other flags, PIDs, network or\n"
     "tuning; services match as in order. A service has moved when it is off the longest run\n"
     "of services that kept their order. Exits with 0 when the files are equal, 1 when they\n"
     "differ, 2 when a file cannot be read.\n"
     "  --json   write one JSON document instead\n",
     RunDiff, true},
    {"export", "FILE --csv [-o OUT]", "the service lists as CSV",
     "Writes the service lists as CSV (UTF-8) to standard output or OUT:\n"
     "list,number,name,position,frequency,polarisation,symbol_rate,service_id,network,\n"
     "video_pid,audio_pid,pcr_pid,flags. Flags are Lock, CA, Fav1-Fav4 and Dolby.\n"
     "  --list LIST  only satellite-tv, satellite-radio, terrestrial-tv or terrestrial-radio\n"
     "  -o OUT       write OUT instead of standard output\n",
     RunExport, true},
    {"import", "FILE CSV [OUT]", "take names, order and flags from a CSV file",
     "Matches the services of FILE with the rows of CSV (made by export) as order does, gives\n"
     "the matched ones the rows' names, Lock and Fav1-Fav4, puts each list in the order of the\n"
     "rows' numbers and writes the result to OUT. Lists without rows stay as they are; a\n"
     "faulty CSV file is refused with its row and column, and nothing is written.\n"
     "  --keep-places  unmatched services keep their places\n"
     "  --in-place     write the result over FILE (then OUT is left out)\n",
     RunImport, true},
    {"import-satellites", "IN XML [OUT]", "satellites and transponders from a satellites.xml",
     "Takes satellites and their transponders from XML, a satellites.xml as receivers and\n"
     "settings tools keep them, into the data file IN and writes the result to OUT. A satellite\n"
     "the file has at a position IN lacks is added with the file's name cut to 16 characters;\n"
     "transponders become MHz and kS/s, H or V (circular left as H, right as V) and FEC up to\n"
     "7/8 (others as Auto), and merge with stored ones as the editor's Append does. What does\n"
     "not fit (255 transponders a satellite, 1360 transponders and MUXes, 119 satellites) is\n"
     "listed and left out. A faulty file is refused with its line, and nothing is written.\n"
     "  --sat POSITION  only the satellite at POSITION (such as 19.2E or 5.0W); repeatable\n"
     "  --with-s2       take the DVB-S2 transponders too (the box's records hold no\n"
     "                  modulation, so it may not tune them)\n"
     "  --in-place      write the result over IN (then OUT is left out)\n",
     RunImportSatellites, true},
};

const Command* FindCommand(const std::string& name) {
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [&](const Command& c) { return name == c.name; });
    return it == std::end(kCommands) ? nullptr : &*it;
}

void WriteUsage(std::ostream& out) {
    out << "usage: zdftool COMMAND [ARGS...]\n       zdftool --version\n\ncommands:\n";
    std::size_t nWidth = 0;
    for (const Command& c : kCommands)
        nWidth =
            std::max(nWidth, std::string_view(c.name).size() + std::string_view(c.usage).size());
    for (const Command& c : kCommands)
        out << "  " << std::left << std::setw(static_cast<int>(nWidth + 3))
            << (std::string(c.name) + " " + c.usage) << c.summary << "\n";
    out << "\n'zdftool COMMAND --help' describes one command. The commands that show or read\n"
           "names take --charset SET, the character set of the box's names.\n";
}

void WriteCommandHelp(std::ostream& out, const Command& c) {
    out << "usage: zdftool " << c.name << " " << c.usage << "\n\n" << c.help;
    if (!c.bNames)
        return;
    out << "  --charset SET  the character set of the box's names, by default the one of the\n"
           "                 language in LC_ALL, LC_MESSAGES or LANG:";
    for (std::size_t i = 0; i < std::size(kCharsets); ++i)
        out << (i % 4 == 0 ? "\n                 " : " ") << kCharsets[i].pszName
            << (i + 1 < std::size(kCharsets) ? "," : "\n");
}

// Takes every --charset SET out of the arguments; the last one chosen is the set. False after a
// usage error.
bool TakeCharset(const Command& c, std::vector<std::string>& args, ECharset& set,
                 std::ostream& err) {
    for (auto it = std::find(args.begin(), args.end(), "--charset"); it != args.end();
         it = std::find(it, args.end(), "--charset")) {
        if (it + 1 == args.end()) {
            err << "zdftool " << c.name << ": --charset needs a value\n";
            WriteCommandHelp(err, c);
            return false;
        }
        const std::optional<ECharset> named = ParseCharset(it[1]);
        if (!named) {
            err << "zdftool " << c.name << ": unknown character set \"" << it[1]
                << "\"; the sets are " << CharsetNames() << "\n";
            return false;
        }
        set = *named;
        it = args.erase(it, it + 2);
    }
    return true;
}

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

// Splits a command's arguments into files and options; false after a usage error.
bool SplitArgs(const Command& c, Args args, std::vector<std::string>& files,
               std::vector<std::string>& options, std::ostream& err) {
    for (const std::string& a : args)
        (a.size() > 1 && a[0] == '-' ? options : files).push_back(a);
    if (files.size() == 1)
        return true;
    err << "zdftool " << c.name << ": " << (files.empty() ? "no file given" : "one file only")
        << "\n";
    WriteCommandHelp(err, c);
    return false;
}

bool Load(const std::string& path, CChannelStore& store, FileReport& report, std::ostream& err) {
    std::string error;
    if (LoadDataFile(path, store, report, error))
        return true;
    err << "zdftool: " << path << ": " << error << "\n";
    return false;
}

// A command on one data file: checks the arguments, reads the file, then runs `body` on it.
using FileCommandBody = std::function<int(
    const std::string& path, const std::vector<std::string>& options, const CChannelStore& store,
    const FileReport& report, std::ostream& out, std::ostream& err)>;

int RunFileCommand(const char* name, Args args, std::ostream& out, std::ostream& err,
                   const std::vector<std::string>& allowedOptions, const FileCommandBody& body) {
    const Command& c = *FindCommand(name);
    std::vector<std::string> files, options;
    if (!SplitArgs(c, args, files, options, err))
        return ZDF_USAGE;
    for (const std::string& o : options) {
        if (std::find(allowedOptions.begin(), allowedOptions.end(), o) == allowedOptions.end()) {
            err << "zdftool " << c.name << ": unknown option " << o << "\n";
            WriteCommandHelp(err, c);
            return ZDF_USAGE;
        }
    }
    CChannelStore store;
    FileReport report;
    if (!Load(files[0], store, report, err))
        return ZDF_FAILED;
    return body(files[0], options, store, report, out, err);
}

int RunInfo(Args args, const CNameCodec&, std::ostream& out, std::ostream& err) {
    return RunFileCommand("info", args, out, err, {},
                          [](const std::string& path, const std::vector<std::string>&,
                             const CChannelStore& store, const FileReport& report,
                             std::ostream& toOut, std::ostream&) {
                              toOut << "File:              " << path << "\n";
                              WriteInfo(toOut, store, report);
                              return int(ZDF_OK);
                          });
}

int RunDump(Args args, const CNameCodec& names, std::ostream& out, std::ostream& err) {
    return RunFileCommand("dump", args, out, err, {"--json"},
                          [&names](const std::string&, const std::vector<std::string>& options,
                                   const CChannelStore& store, const FileReport&,
                                   std::ostream& toOut, std::ostream&) {
                              if (options.empty())
                                  WriteDumpText(toOut, store, names);
                              else
                                  WriteDumpJson(toOut, store, names);
                              return int(ZDF_OK);
                          });
}

int RunCheck(Args args, const CNameCodec&, std::ostream& out, std::ostream& err) {
    return RunFileCommand("check", args, out, err, {},
                          [](const std::string& path, const std::vector<std::string>&,
                             const CChannelStore& store, const FileReport&, std::ostream& toOut,
                             std::ostream& toErr) {
                              const std::string problem = CheckProblem(store);
                              if (!problem.empty()) {
                                  toErr << path << ": " << problem << "\n";
                                  return int(ZDF_FAILED);
                              }
                              toOut << path << ": ok\n";
                              return int(ZDF_OK);
                          });
}

int RunTransferArgs(const char* name, UINT nDirection, Args args, std::ostream& out,
                    std::ostream& err) {
    const Command& c = *FindCommand(name);
    if (args.size() != 2) {
        err << "zdftool " << c.name << ": a port and a file are needed\n";
        WriteCommandHelp(err, c);
        return ZDF_USAGE;
    }
    return RunTransferCommand(nDirection, args[0], args[1], out, err);
}

int RunPorts(Args args, const CNameCodec&, std::ostream& out, std::ostream& err) {
    const bool bJson = args.size() == 1 && args[0] == "--json";
    if (!args.empty() && !bJson) {
        err << "zdftool ports: unknown argument " << args[0] << "\n";
        WriteCommandHelp(err, *FindCommand("ports"));
        return ZDF_USAGE;
    }
    WritePorts(SystemSerialDevices().Devices(), bJson, out);
    return ZDF_OK;
}

int RunSend(Args args, const CNameCodec&, std::ostream& out, std::ostream& err) {
    return RunTransferArgs("send", DIRECTION_PC_TO_STB, args, out, err);
}

int RunReceive(Args args, const CNameCodec&, std::ostream& out, std::ostream& err) {
    return RunTransferArgs("receive", DIRECTION_STB_TO_PC, args, out, err);
}

} // namespace

void WriteZdfCommandHelp(const std::string& command, std::ostream& out) {
    if (const Command* c = FindCommand(command))
        WriteCommandHelp(out, *c);
}

int RunZdfTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        WriteUsage(err);
        return ZDF_USAGE;
    }
    if (IsHelp(args[0]) || args[0] == "help") {
        const Command* c = args.size() > 1 ? FindCommand(args[1]) : nullptr;
        c != nullptr ? WriteCommandHelp(out, *c) : WriteUsage(out);
        return ZDF_OK;
    }
    if (args[0] == "--version") {
        out << "zdftool " << ORVANE_VERSION << "\n";
        return ZDF_OK;
    }
    const Command* c = FindCommand(args[0]);
    if (c == nullptr) {
        err << "zdftool: unknown " << (args[0].starts_with('-') ? "option" : "command") << " '"
            << args[0] << "'\n\n";
        WriteUsage(err);
        return ZDF_USAGE;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
        WriteCommandHelp(out, *c);
        return ZDF_OK;
    }
    ECharset set = CharsetForLanguage(EnvironmentLanguage());
    if (c->bNames && !TakeCharset(*c, rest, set, err))
        return ZDF_USAGE;
    return c->run(rest, CNameCodec(set), out, err);
}
