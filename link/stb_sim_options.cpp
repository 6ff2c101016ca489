#include "stb_sim_options.h"

#include "transfer_protocol.h"

#include <charconv>
#include <map>
#include <string_view>

const char kStbSimUsage[] =
    "usage: stb-sim [options] [IMAGE]\n"
    "Plays the set-top box on a pseudo-terminal and prints its device path.\n"
    "IMAGE is what the box sends when the PC receives: a data file (.zdf) or a bare\n"
    "0x33000-byte image; without it the box sends a random image.\n"
    "  --save FILE          keep each image the box receives (a .zdf data file or a bare image)\n"
    "  --box-version VER    version the box announces (default V120; V107 numbers blocks from 4)\n"
    "  --flash-info HEX     the 34 flash information bytes, as 68 hex digits\n"
    "  --corrupt-received N damage block N once on its way to the box\n"
    "  --corrupt-sent N     send block N once with a wrong checksum\n"
    "  --no-ack STEP        answer NO_ACKNOWLEDGE once at STEP: announce, tag, version, transfer\n"
    "  --line-end END       crlf (default), cr or lf\n"
    "  --once               exit after the first finished transfer\n"
    "  --help, --version    show this help or the version, and exit\n";

namespace {

// The whole text must be the number: no blanks, no sign.
bool ParseUnsigned(std::string_view text, int nBase, unsigned& nValue) {
    const auto [pEnd, error] =
        std::from_chars(text.data(), text.data() + text.size(), nValue, nBase);
    return !text.empty() && error == std::errc() && pEnd == text.data() + text.size();
}

bool ParseHex(std::string_view text, std::vector<BYTE>& bytes) {
    if (text.size() != 2 * kFlashInfoSize)
        return false;
    std::vector<BYTE> parsed;
    for (size_t i = 0; i < text.size(); i += 2) {
        unsigned nValue = 0;
        if (!ParseUnsigned(text.substr(i, 2), 16, nValue))
            return false;
        parsed.push_back(static_cast<BYTE>(nValue));
    }
    bytes = std::move(parsed);
    return true;
}

bool ParseBlock(std::string_view text, int& nBlock) {
    unsigned nValue = 0;
    if (!ParseUnsigned(text, 10, nValue) || nValue >= kMaxTransferBlocks)
        return false;
    nBlock = static_cast<int>(nValue);
    return true;
}

bool Store(const std::string& value, std::string& target) {
    target = value;
    return true;
}

// The value of a named choice; false for a name the table does not hold.
template <class T>
bool Lookup(const std::map<std::string, T>& table, const std::string& name, T& value) {
    const auto it = table.find(name);
    if (it == table.end())
        return false;
    value = it->second;
    return true;
}

const std::map<std::string, ENoAckStep> kSteps = {{"announce", ENoAckStep::Announce},
                                                  {"tag", ENoAckStep::DirectionTag},
                                                  {"version", ENoAckStep::Version},
                                                  {"transfer", ENoAckStep::Transfer}};
const std::map<std::string, std::string> kLineEnds = {{"crlf", "\r\n"}, {"cr", "\r"}, {"lf", "\n"}};

} // namespace

bool ParseSimOptions(int argc, const char* const* argv, SSimOptions& options,
                     std::string& strError) {
    // The options that take a value; each stores it and says whether it could.
    using ValueParser = bool (*)(const std::string& value, SSimOptions& options);
    static const std::map<std::string, ValueParser> kValueOptions = {
        {"--save", [](const std::string& v, SSimOptions& o) { return Store(v, o.strSave); }},
        {"--box-version",
         [](const std::string& v, SSimOptions& o) { return Store(v, o.box.strVersion); }},
        {"--flash-info",
         [](const std::string& v, SSimOptions& o) { return ParseHex(v, o.box.flashInfo); }},
        {"--corrupt-received",
         [](const std::string& v, SSimOptions& o) {
             return ParseBlock(v, o.box.nCorruptReceivedBlock);
         }},
        {"--corrupt-sent", [](const std::string& v,
                              SSimOptions& o) { return ParseBlock(v, o.box.nCorruptSentBlock); }},
        {"--no-ack",
         [](const std::string& v, SSimOptions& o) { return Lookup(kSteps, v, o.box.noAckStep); }},
        {"--line-end", [](const std::string& v,
                          SSimOptions& o) { return Lookup(kLineEnds, v, o.box.strLineEnd); }},
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--once") {
            options.bOnce = true;
            continue;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            if (!options.strImage.empty()) {
                strError = "only one image file";
                return false;
            }
            options.strImage = arg;
            continue;
        }
        const auto option = kValueOptions.find(arg);
        if (option == kValueOptions.end()) {
            strError = "unknown option " + arg;
            return false;
        }
        if (i + 1 >= argc) {
            strError = arg + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        if (!option->second(value, options)) {
            strError = "cannot use " + arg + " " + value;
            return false;
        }
    }
    return true;
}
