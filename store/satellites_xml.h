// Reading the satellites.xml files that receivers ship and tools export: satellites with their
// transponders, as the file gives them.
//
// <satellites>
//   <sat name="13.0E Hotbird 13F/13G" flags="1" position="130">
//     <transponder frequency="10758000" symbol_rate="27500000" polarization="1" fec_inner="3"
//                  system="1" modulation="2"/>
//   </sat>
// </satellites>
//
// Frequencies are in kHz, symbol rates in symbols per second, positions in tenths of a degree
// (negative for West). Polarisation 0 is horizontal, 1 vertical, 2 circular left, 3 circular
// right; FEC 0 auto, 1 1/2, 2 2/3, 3 3/4, 4 5/6, 5 7/8, 6 8/9, 7 3/5, 8 4/5, 9 9/10; system 0 is
// DVB-S, 1 DVB-S2. Attributes the box has no use for (flags, modulation and the like) are passed
// over.
#pragma once

#include "records.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum EXmlPolarisation : BYTE {
    POL_HORIZONTAL,
    POL_VERTICAL,
    POL_CIRCULAR_LEFT,
    POL_CIRCULAR_RIGHT
};

struct SXmlTransponder {
    std::uint32_t nFrequency = 0;  // kHz
    std::uint32_t nSymbolRate = 0; // symbols per second
    BYTE bPolarisation = POL_HORIZONTAL;
    std::uint32_t nFec = 0; // as the file numbers it
    bool bS2 = false;       // any system but DVB-S
};

struct SXmlSatellite {
    std::string strName; // UTF-8, as the file gives it
    int nPosition = 0;   // tenths of a degree, -1800 to 1800, negative for West
    std::vector<SXmlTransponder> transponders;
};

// Where a file is refused: its line (1 upwards) and what is wrong there.
struct SXmlError {
    long long nLine = 0;
    std::string strText;
};
// "line 7: <channel> where <satellites> belongs: not a satellites.xml"
std::string XmlErrorText(const SXmlError& error);

// Reads a whole file's text; false with the first fault in `error`. Refused: text that is not
// well-formed XML, a document whose element is not <satellites>, elements other than <sat> in
// it and other than <transponder> in a <sat>, a missing position, frequency, symbol rate or
// polarisation, and a value that is not a number or lies outside what the box can hold.
bool ReadSatellitesXml(std::string_view text, std::vector<SXmlSatellite>& satellites,
                       SXmlError& error);
// The file at `path`; false with `error` naming the file and, for a refused one, the line.
bool ReadSatellitesXmlFile(const std::string& path, std::vector<SXmlSatellite>& satellites,
                           std::string& error);
