// Labels of the satellite / transponder tree, which the channel dialog's lists share. A label
// starts with its item's number, which is all the window knows of a selected item.
#pragma once

#include "number_text.h"
#include "records.h"

#include <QString>

inline constexpr const char* kNewSatelliteLabel = "00. New Satellite ";
inline constexpr const char* kNewTransponderLabel = "000. New Transponder ";

// A record's name as the box keeps it: 8-bit characters, one byte each.
inline QString NameText(const char (&name)[kNameSize]) {
    const std::string_view text = NameOf(name);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString SatelliteLabel(int nNumber, const SSAT_INFO& sat) {
    return QString::asprintf("%2d. ", nNumber) + NameText(sat.szName) +
           QString::asprintf(" (%3d.%01d) ", sat.wPosition / 10, sat.wPosition % 10);
}

inline QString TransponderLabel(const STP_INFO& tp) {
    return QString::asprintf("%3d. %5d - %5d - %c ", tp.tpid, tp.frequency, tp.symbolrate,
                             (tp.attribute & 1) ? 'H' : 'V');
}

// The leading number of a label: the characters before its first '.'.
inline int LabelNumber(const QString& label) {
    return ParseDecimal(label.left(label.indexOf(u'.')), 0);
}
