// stb-sim's command line.
#pragma once

#include "box_simulator.h"

#include <string>

struct SSimOptions {
    SBoxOptions box;
    std::string strImage; // what the box sends; empty: a random image
    std::string strSave;  // where the box keeps what it receives; empty: nowhere
    bool bOnce = false;
};

extern const char kStbSimUsage[];

// Parses the command line (argv[0] is the program); false with a message for anything unknown.
bool ParseSimOptions(int argc, const char* const* argv, SSimOptions& options,
                     std::string& strError);
