// The channel information dialog's template: caption, size and every control with its place in
// dialog units.
#pragma once

#include <QtGlobal>

inline constexpr int IDD_CHANNEL_INFO = 103;

// ---- channel information dialog controls ----------------------------------------------------
inline constexpr int IDC_CHANNEL_OK = 1; // the dialog's OK and Cancel buttons
inline constexpr int IDC_CHANNEL_CANCEL = 2;
inline constexpr int IDC_CHANNEL_STATIC_SATELLITE = 1043;
inline constexpr int IDC_CHANNEL_STATIC_TRANSPONDER = 1044;
inline constexpr int IDC_CHANNEL_STATIC_SERVICE_ID = 1045;
inline constexpr int IDC_CHANNEL_STATIC_NAME = 1046;
inline constexpr int IDC_CHANNEL_STATIC_VIDEO_PID = 1047;
inline constexpr int IDC_CHANNEL_STATIC_AUDIO_PID = 1048;
inline constexpr int IDC_CHANNEL_STATIC_PCR_PID = 1049;
inline constexpr int IDC_CHANNEL_STATIC_NETWORK = 1050;
inline constexpr int IDC_CHANNEL_COMBO_SATELLITE = 1062;
inline constexpr int IDC_CHANNEL_COMBO_TRANSPONDER = 1063;
inline constexpr int IDC_CHANNEL_EDIT_SERVICE_ID = 1064;
inline constexpr int IDC_CHANNEL_EDIT_NAME = 1065;
inline constexpr int IDC_CHANNEL_EDIT_VIDEO_PID = 1066;
inline constexpr int IDC_CHANNEL_EDIT_AUDIO_PID = 1067;
inline constexpr int IDC_CHANNEL_EDIT_PCR_PID = 1068;
inline constexpr int IDC_CHANNEL_COMBO_NETWORK = 1069;
inline constexpr int IDC_CHANNEL_CHECK_DOLBY = 1070;
inline constexpr int IDC_CHANNEL_BUTTON_NETWORKS = 1071;

enum class EChannelItemKind { Label, Combo, NumberEdit, TextEdit, CheckBox, DefaultButton, Button };

struct SChannelDlgItem {
    int nId;
    EChannelItemKind kind;
    const char* pszText;
    int x, y, cx, cy; // dialog units; a combo's height includes its dropped list
    int nMaxChars;    // edits: the longest text they take; the name's are bytes
};

inline constexpr const char* kChannelDialogCaption =
    QT_TRANSLATE_NOOP("ChannelInfoDialog", "Channel Informaton");
inline constexpr int kChannelDialogWidth = 232; // dialog units
inline constexpr int kChannelDialogHeight = 178;

namespace channel_info_dialog {
using enum EChannelItemKind;

// In tab order: the lists, the service's numbers and name, the buttons.
inline constexpr SChannelDlgItem kItems[] = {
    {IDC_CHANNEL_STATIC_SATELLITE, Label, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Satellite"), 10,
     12, 52, 8, 0},
    {IDC_CHANNEL_COMBO_SATELLITE, Combo, "", 66, 10, 156, 110, 0},
    {IDC_CHANNEL_STATIC_TRANSPONDER, Label, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Transponder"),
     10, 30, 52, 8, 0},
    {IDC_CHANNEL_COMBO_TRANSPONDER, Combo, "", 66, 28, 156, 110, 0},
    {IDC_CHANNEL_STATIC_NETWORK, Label, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Network"), 10, 48,
     52, 8, 0},
    {IDC_CHANNEL_COMBO_NETWORK, Combo, "", 66, 46, 156, 110, 0},
    {IDC_CHANNEL_STATIC_SERVICE_ID, Label, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Service ID"), 10,
     68, 52, 8, 0},
    {IDC_CHANNEL_EDIT_SERVICE_ID, NumberEdit, "", 66, 66, 40, 14, 5},
    {IDC_CHANNEL_STATIC_NAME, Label, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Channel Name"), 10, 86,
     52, 8, 0},
    {IDC_CHANNEL_EDIT_NAME, TextEdit, "", 66, 84, 96, 14, 16},
    {IDC_CHANNEL_STATIC_VIDEO_PID, Label, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Video PID"), 10,
     104, 52, 8, 0},
    {IDC_CHANNEL_EDIT_VIDEO_PID, NumberEdit, "", 66, 102, 40, 14, 5},
    {IDC_CHANNEL_STATIC_AUDIO_PID, Label, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Audio PID"), 10,
     122, 52, 8, 0},
    {IDC_CHANNEL_EDIT_AUDIO_PID, NumberEdit, "", 66, 120, 40, 14, 5},
    {IDC_CHANNEL_CHECK_DOLBY, CheckBox, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Dolby Audio"), 116,
     122, 60, 10, 0},
    {IDC_CHANNEL_STATIC_PCR_PID, Label, QT_TRANSLATE_NOOP("ChannelInfoDialog", "PCR PID"), 10, 140,
     52, 8, 0},
    {IDC_CHANNEL_EDIT_PCR_PID, NumberEdit, "", 66, 138, 40, 14, 5},
    {IDC_CHANNEL_OK, DefaultButton, QT_TRANSLATE_NOOP("ChannelInfoDialog", "OK"), 116, 158, 50, 14,
     0},
    {IDC_CHANNEL_CANCEL, Button, QT_TRANSLATE_NOOP("ChannelInfoDialog", "Cancel"), 172, 158, 50, 14,
     0},
};

// Beside the template, in the free space under the network list's end: the network editor. In tab
// order it follows the network list.
inline constexpr SChannelDlgItem kNetworksButton = {
    IDC_CHANNEL_BUTTON_NETWORKS,
    Button,
    QT_TRANSLATE_NOOP("ChannelInfoDialog", "Networks…"),
    172,
    66,
    50,
    14,
    0};
} // namespace channel_info_dialog
