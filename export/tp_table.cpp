#include "tp_table.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>

namespace {

// One formatted piece, written with exactly its formatted length.
[[gnu::format(printf, 2, 3)]] void Print(std::ostream& out, const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n > 0)
        out.write(text, std::min<std::streamsize>(n, sizeof text - 1));
}

// A position in tenths of a degree as the comments show it: 1800 and above count West.
struct SPositionText {
    int nDegrees;
    int nTenths;
    char cSide;
};

SPositionText PositionText(WORD wPosition) {
    const bool bEast = wPosition < 1800;
    const int v = bEast ? wPosition : 3600 - wPosition;
    return {v / 10, v % 10, bEast ? 'E' : 'W'};
}

// The name as C text: at most 16 characters, up to its NUL.
std::string NameText(const SSAT_INFO& sat) {
    return std::string(NameOf(sat.szName));
}

void WriteSatRow(std::ostream& out, const SSAT_INFO& sat) {
    const std::string name = NameText(sat);
    // Blanks after the name so that the closing braces of all rows line up.
    const std::string padding(kNameSize - 1 - name.size(), ' ');
    const SPositionText pos = PositionText(sat.wPosition);
    Print(out, "\t{0, 0,%6d,%6d,%2d,%2d,%2d,%2d,%2d,%2d,%3d, \"%s\"%s}, //(%3d.%d%c)\n",
          sat.wPosition, sat.wReserved, sat.bSwitch, sat.bCLnb, sat.bLnbType, sat.bCkuSwitch,
          sat.bDiseqc, sat.bReserved, sat.bIndex, name.c_str(), padding.c_str(), pos.nDegrees,
          pos.nTenths, pos.cSide);
}

// The rows of one satellite's chain. Transponders are numbered by their place in the chain; a
// node without a record keeps its number but writes no row.
void WriteSatTransponders(std::ostream& out, const SSAT_INFO& sat, const TP_LIST& tps) {
    const SPositionText pos = PositionText(sat.wPosition);
    Print(out, "// %s (%d.%d%c)\n", NameText(sat).c_str(), pos.nDegrees, pos.nTenths, pos.cSide);
    int k = 1;
    for (const LIST_NODE<STP_INFO>* node = tps.pFirst; node != nullptr; node = node->pNext, ++k) {
        if (const STP_INFO* tp = node->pData)
            Print(out, "{  %5d,  %5d,  %5d, 0, %d, 0, %2d, %3d },\n", tp->frequency, tp->symbolrate,
                  tp->tsid, tp->attribute & 1, sat.bIndex, k);
    }
    Print(out, "{  %5d,  %5d,  %5d, 0, %d, 0, %2d, %3d }, \n", 0, 0, 0, 0, sat.bIndex, 0);
    Print(out, "/*==================================================*/\n\n");
}

} // namespace

void WriteSatTable(std::ostream& out, std::span<const SSAT_INFO> satellites) {
    Print(out, "\n#define DEFAULT_MAX_SAT_INFO\t     %d\n\n", int(satellites.size()));
    Print(out, "const SSAT_INFO virtual_flash_sat[] = {\n");
    for (const SSAT_INFO& sat : satellites)
        WriteSatRow(out, sat);
    Print(out, "\t{0, 0,%6d,%6d,%2d,%2d,%2d,%2d,%2d,%2d,%3d,\"\"}\n", 0, 0, 0, 0, 0, 0, 0, 0, 0);
    Print(out, "};\n\n");
    Print(out, "const STP_INFO virtual_flash_tp[] = {\n\n");
    Print(out, "//{frequency, symbolrate, tsid, drift, attribute(v:0,h:1), signal, satid, "
               "tpid}\n\n");
}

void WriteTpTable(std::ostream& out, std::span<const SSAT_INFO> satellites,
                  const TP_LIST* tpLists) {
    for (std::size_t i = 0; i < satellites.size(); ++i)
        WriteSatTransponders(out, satellites[i], tpLists[i]);
    Print(out, "{  %5d,  %5d,  %5d, 0, %d, 0, %2d, %3d } //END \n", 0, 0, 0, 0, 0, 0);
    Print(out, "/*==================================================*/\n\n};\n\n//END OF FILE\n\n");
}

void WriteTpListFile(std::ostream& out, std::span<const SSAT_INFO> satellites,
                     const TP_LIST* tpLists) {
    WriteSatTable(out, satellites);
    WriteTpTable(out, satellites, tpLists);
}
