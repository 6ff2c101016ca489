// stb-sim: plays the box's boot loader on a pseudo-terminal, so the editor's transfers can be
// tried without a box: start it, then run the editor with ORVANE_COM1=<the printed path>.
#include "channel_store.h"
#include "image_files.h"
#include "pty_box.h"
#include "transfer_protocol.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <random>

namespace {

constexpr int kRestartAfterQuietMs = 1500;

const char kUsage[] =
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

struct SOptions {
    SBoxOptions box;
    std::string strImage;
    std::string strSave;
    bool bOnce = false;
};

bool ParseHex(const std::string& text, std::vector<BYTE>& bytes) {
    if (text.size() != 2 * kFlashInfoSize)
        return false;
    bytes.clear();
    for (size_t i = 0; i < text.size(); i += 2) {
        char* pEnd = nullptr;
        const std::string pair = text.substr(i, 2);
        const long nValue = std::strtol(pair.c_str(), &pEnd, 16);
        if (*pEnd != '\0')
            return false;
        bytes.push_back(static_cast<BYTE>(nValue));
    }
    return true;
}

bool ParseBlock(const std::string& text, int& nBlock) {
    char* pEnd = nullptr;
    const long nValue = std::strtol(text.c_str(), &pEnd, 10);
    if (text.empty() || *pEnd != '\0' || nValue < 0 || nValue >= int(kMaxTransferBlocks))
        return false;
    nBlock = static_cast<int>(nValue);
    return true;
}

// Parses the command line; false with a message for anything it does not understand.
bool ParseOptions(int argc, char** argv, SOptions& options, std::string& strError) {
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

std::vector<BYTE> RandomImage() {
    std::random_device source;
    std::mt19937 generator(source());
    std::vector<BYTE> image(kTransferImageSize);
    for (BYTE& b : image)
        b = static_cast<BYTE>(generator());
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SOptions options;
    std::string strError;
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kUsage;
        return 0;
    }
    if (!ParseOptions(argc, argv, options, strError)) {
        std::cerr << "stb-sim: " << strError << "\n" << kUsage;
        return 2;
    }
    if (options.strImage.empty())
        options.box.image = RandomImage();
    else if (!LoadTransferImage(options.strImage, options.box.image, strError)) {
        std::cerr << "stb-sim: " << strError << "\n";
        return 1;
    }

    CPtyBox box(options.box);
    if (!box.Open(strError)) {
        std::cerr << "stb-sim: " << strError << "\n";
        return 1;
    }
    box.SetRestartAfterQuiet(kRestartAfterQuietMs);
    box.SetFinishedHandler([&] {
        CBoxSimulator& sim = box.Box();
        for (const std::string& strProblem : sim.Errors())
            std::cerr << "stb-sim: " << strProblem << "\n";
        if (sim.IsUpload()) {
            std::cout << "stb-sim: sent " << sim.BlockCount() << " blocks" << std::endl;
        } else {
            std::cout << "stb-sim: received " << sim.BlockCount() << " blocks and flashed them"
                      << std::endl;
            std::string strSaveError;
            if (!options.strSave.empty() &&
                !SaveTransferImage(options.strSave, sim.ReceivedImage(), strSaveError))
                std::cerr << "stb-sim: " << strSaveError << "\n";
            else if (!options.strSave.empty())
                std::cout << "stb-sim: saved the image in " << options.strSave << std::endl;
        }
        if (options.bOnce)
            QCoreApplication::quit();
    });
    std::cout << box.DevicePath() << std::endl;
    std::cerr << "stb-sim: box " << options.box.strVersion << " waiting on " << box.DevicePath()
              << "; try ORVANE_COM1=" << box.DevicePath() << " orvane" << std::endl;
    return app.exec();
}
