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
    "  --once               exit after the first finished transfer\n";

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

} // namespace

bool ParseSimOptions(int argc, const char* const* argv, SSimOptions& options,
                     std::string& strError) {
    static const std::map<std::string, ENoAckStep> kSteps = {{"announce", ENoAckStep::Announce},
                                                             {"tag", ENoAckStep::DirectionTag},
                                                             {"version", ENoAckStep::Version},
                                                             {"transfer", ENoAckStep::Transfer}};
    static const std::map<std::string, std::string> kLineEnds = {
        {"crlf", "\r\n"}, {"cr", "\r"}, {"lf", "\n"}};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--once") {
            options.bOnce = true;
            continue;
        }
        if (!arg.starts_with("--")) {
            if (!options.strImage.empty()) {
                strError = "only one image file";
                return false;
            }
            options.strImage = arg;
            continue;
        }
        if (i + 1 >= argc) {
            strError = arg + " needs a value";
            return false;
        }
        const std::string value = argv[++i];
        bool bGood = true;
        if (arg == "--save")
            options.strSave = value;
        else if (arg == "--box-version")
            options.box.strVersion = value;
        else if (arg == "--flash-info")
            bGood = ParseHex(value, options.box.flashInfo);
        else if (arg == "--corrupt-received")
            bGood = ParseBlock(value, options.box.nCorruptReceivedBlock);
        else if (arg == "--corrupt-sent")
            bGood = ParseBlock(value, options.box.nCorruptSentBlock);
        else if (arg == "--no-ack" && kSteps.count(value))
            options.box.noAckStep = kSteps.at(value);
        else if (arg == "--line-end" && kLineEnds.count(value))
            options.box.strLineEnd = kLineEnds.at(value);
        else
            bGood = false;
        if (!bGood) {
            strError = "cannot use " + arg + " " + value;
            return false;
        }
    }
    return true;
}
