// zdftool: looks into channel data files and moves them to and from the box, from the
// command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

enum ZdfExit : int { ZDF_OK = 0, ZDF_FAILED = 1, ZDF_USAGE = 2 };

// Runs one command line (without the program name); returns the exit status.
int RunZdfTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Writes one command's usage line and help, as after a usage error.
void WriteZdfCommandHelp(const std::string& command, std::ostream& out);
