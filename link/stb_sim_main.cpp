// stb-sim: plays the box's boot loader on a pseudo-terminal, so the editor's transfers can be
// tried without a box: start it, then run the editor with ORVANE_COM1=<the printed path>.
#include "channel_store.h"
#include "image_files.h"
#include "pty_box.h"
#include "stb_sim_options.h"
#include "transfer_protocol.h"

#include <QCoreApplication>

#include <cstring>
#include <iostream>
#include <random>

namespace {

constexpr int kRestartAfterQuietMs = 1500;

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
    SSimOptions options;
    std::string strError;
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << kStbSimUsage;
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "stb-sim " << ORVANE_VERSION << "\n";
        return 0;
    }
    if (!ParseSimOptions(argc, argv, options, strError)) {
        std::cerr << "stb-sim: " << strError << "\n" << kStbSimUsage;
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
              << "; try: zdftool receive " << box.DevicePath() << " fetched.zdf" << std::endl;
    return app.exec();
}
