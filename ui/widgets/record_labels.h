// Labels of satellite, transponder and MUX records, as the satellite tree, the satellite tab's
// MUX list and the channel dialog's lists show them: "%2d. %s (%3d.%01d) ", "%3d. %5d - %5d - %c "
// and "%3d. MUX %X".
#pragma once

#include "name_text.h"
#include "records.h"

#include <QString>

inline constexpr const char* kNewSatelliteLabel = "00. New Satellite ";
inline constexpr const char* kNewTransponderLabel = "000. New Transponder ";

inline QString SatelliteLabel(const CNameCodec& names, int nNumber, const SSAT_INFO& sat) {
    return QString::asprintf("%2d. ", nNumber) + NameText(names, sat.szName) +
           QString::asprintf(" (%3d.%01d) ", sat.wPosition / 10, sat.wPosition % 10);
}

// "MUX 2F": the first byte of its drift, as the grids' MUX column shows it.
inline QString MuxName(const STP_INFO& mux) {
    return QString::asprintf("MUX %X", mux.drift >> 8);
}

// "  3. MUX 2F": its index, then its name.
inline QString MuxLabel(const STP_INFO& mux) {
    return QString::asprintf("%3d. ", mux.tpid) + MuxName(mux);
}

inline QString TransponderLabel(const STP_INFO& tp) {
    return QString::asprintf("%3d. %5d - %5d - %c ", tp.tpid, tp.frequency, tp.symbolrate,
                             (tp.attribute & 1) ? 'H' : 'V');
}
