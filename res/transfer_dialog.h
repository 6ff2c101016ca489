// The "Data Transfer" dialog's template: caption, size, font and every control with its place in
// dialog units; also the ids of its controls and lamp bitmaps.
#pragma once

#include <QtGlobal>

#include <cstddef>

inline constexpr int IDD_TRANSFER_DIALOG = 104;
inline constexpr int IDB_LAMP_GREEN = 139; // port connected
inline constexpr int IDB_LAMP_RED = 140;   // not connected

inline constexpr int IDC_STATIC = -1;
inline constexpr int IDC_TRANSFER_CLOSE = 2; // the Close button ends the dialog as Cancel does
inline constexpr int IDC_LIST_LOG = 1060;
inline constexpr int IDC_COMBO_PORT = 1062;
inline constexpr int IDC_PROGRESS_TRANSFER = 1071;
inline constexpr int IDC_PROGRESS_FLASH = 1072;
inline constexpr int IDC_STATIC_TRANSFER = 1074;
inline constexpr int IDC_STATIC_FLASH = 1075;
inline constexpr int IDC_LAMP_GREEN = 1076;
inline constexpr int IDC_LAMP_RED = 1077;

enum class ETransferItemKind { LogList, Progress, Label, PortList, Lamp, Button };

struct STransferItem {
    int nId;
    ETransferItemKind kind;
    const char* pszText; // a lamp's text is its bitmap's resource path
    int x, y, cx, cy;    // dialog units; the port list's height includes its dropped list
};

inline constexpr const char* kTransferDialogCaption =
    QT_TRANSLATE_NOOP("TransferDialog", "Data Transfer");
inline constexpr int kTransferDialogWidth = 351; // dialog units
inline constexpr int kTransferDialogHeight = 245;
inline constexpr const char* kTransferDialogFontFamily = "Liberation Sans";
inline constexpr int kTransferDialogFontPoints = 8;

// The ports a transfer can use, in list order: item n is COM<n + 1>.
inline constexpr const char* kTransferPorts[] = {"COM1", "COM2", "COM3", "COM4"};

namespace transfer_dialog {
using enum ETransferItemKind;

inline constexpr STransferItem kItems[] = {
    {IDC_LIST_LOG, LogList, "", 7, 7, 337, 164},
    {IDC_STATIC_TRANSFER, Label, QT_TRANSLATE_NOOP("TransferDialog", "Download"), 10, 183, 40, 13},
    {IDC_PROGRESS_TRANSFER, Progress, "", 55, 180, 289, 13},
    {IDC_STATIC_FLASH, Label, QT_TRANSLATE_NOOP("TransferDialog", "Flash Write"), 10, 200, 40, 13},
    {IDC_PROGRESS_FLASH, Progress, "", 55, 197, 289, 13},
    {IDC_STATIC, Label, QT_TRANSLATE_NOOP("TransferDialog", "Port "), 10, 226, 40, 10},
    {IDC_COMBO_PORT, PortList, "", 55, 223, 60, 60},
    {IDC_LAMP_GREEN, Lamp, ":/bitmaps/lamp_green.png", 117, 222, 11, 15},
    {IDC_LAMP_RED, Lamp, ":/bitmaps/lamp_red.png", 117, 222, 11, 15},
    {IDC_TRANSFER_CLOSE, Button, QT_TRANSLATE_NOOP("TransferDialog", "Close"), 294, 223, 50, 14},
};
} // namespace transfer_dialog
