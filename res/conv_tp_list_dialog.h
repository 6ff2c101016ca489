// Dialog 141: the firmware table export's confirmation, with its one (fixed) output choice.
#pragma once

#include <QtGlobal>

#include "main_dialog.h"

inline constexpr int IDD_CONV_TP_LIST = 141;
inline constexpr int IDC_RADIO_TP_MORA = 1080;

inline constexpr const char* kConvTpListCaption =
    QT_TRANSLATE_NOOP("ConvTpListDialog", "Conversion TP List");
inline constexpr int kConvTpListWidth = 186; // dialog units
inline constexpr int kConvTpListHeight = 50;
inline constexpr int kConvTpListFontPoints = 10; // the system font's size

namespace conv_tp_list_dialog {
using enum EDlgItemKind;
using enum ESizeRule;

inline constexpr int IDOK_BUTTON = 1;
inline constexpr int IDCANCEL_BUTTON = 2;

inline constexpr SDlgItem kItems[] = {
    {IDC_RADIO_TP_MORA, Radio, "tp_mora.h", 14, 18, 70, 10, ShiftRight},
    {IDOK_BUTTON, Button, QT_TRANSLATE_NOOP("ConvTpListDialog", "OK"), 126, 7, 50, 14, ShiftRight},
    {IDCANCEL_BUTTON, Button, QT_TRANSLATE_NOOP("ConvTpListDialog", "Cancel"), 126, 26, 50, 14,
     ShiftRight},
};
} // namespace conv_tp_list_dialog
