// The main window's template: caption, size, every control with its place in dialog units, how
// the control follows a resize, and the main menu. Items are listed bottom to top: the tab
// control lies under everything, the panel frame under the panel's controls.
#pragma once

#include "resource.h"

#include <cstddef>
#include <iterator>

enum class EDlgItemKind {
    Tab,
    Tree,
    Grid,
    GroupBox,
    Title,
    Label,
    Edit,
    Spin,
    ComboEdit,
    ComboList,
    Radio,
    Button
};

// How a control follows a change (dx, dy) of the client size.
enum class ESizeRule {
    Stretch,               // right + dx, bottom + dy
    ShiftRightStretchDown, // left + dx, right + dx, bottom + dy
    ShiftRight,            // left + dx, right + dx
    ShiftRightDown,        // left + dx, right + dx, top + dy, bottom + dy
};

struct SDlgItem {
    int nId;
    EDlgItemKind kind;
    const char* pszText;
    int x, y, cx, cy; // dialog units; a combo's height includes its dropped list
    ESizeRule rule;
};

inline constexpr const char* kMainDialogCaption = "Orvane II";
inline constexpr int kMainDialogWidth = 386; // dialog units
inline constexpr int kMainDialogHeight = 335;
inline constexpr const char* kMainDialogFontFamily = "Liberation Sans"; // metric twin of Arial
inline constexpr int kMainDialogFontPoints = 8;

namespace main_dialog {
using enum EDlgItemKind;
using enum ESizeRule;

inline constexpr SDlgItem kItems[] = {
    {IDC_TAB, Tab, "", 2, 2, 380, 326, Stretch},
    {IDC_TREE, Tree, "", 5, 19, 154, 279, Stretch},
    {IDC_GRID_SAT_TV, Grid, "", 8, 19, 371, 280, Stretch},
    {IDC_GRID_SAT_RADIO, Grid, "", 8, 19, 371, 280, Stretch},
    {IDC_GRID_TERR_TV, Grid, "", 8, 19, 371, 280, Stretch},
    {IDC_GRID_TERR_RADIO, Grid, "", 8, 19, 371, 280, Stretch},
    {IDC_PANEL_FRAME, GroupBox, "", 162, 15, 217, 284, ShiftRightStretchDown},
    {IDC_TITLE_SATELLITE, Title, "Satellite Information", 189, 24, 176, 18, ShiftRight},
    {IDC_TITLE_TRANSPONDER, Title, "Transponder Information", 189, 24, 176, 18, ShiftRight},
    // row 1
    {IDC_STATIC_SAT_NAME, Label, "Satellite Name :", 176, 57, 55, 8, ShiftRight},
    {IDC_EDIT_SAT_NAME, Edit, "", 237, 54, 110, 14, ShiftRight},
    {IDC_STATIC_FREQUENCY, Label, "Frequency :", 172, 57, 59, 8, ShiftRight},
    {IDC_EDIT_FREQUENCY, Edit, "", 237, 54, 41, 14, ShiftRight},
    {IDC_SPIN_FREQUENCY, Spin, "", 279, 54, 9, 14, ShiftRight},
    // row 2
    {IDC_STATIC_SAT_POSITION, Label, "Satellite Position :", 172, 78, 59, 8, ShiftRight},
    {IDC_EDIT_SAT_POSITION, Edit, "", 237, 75, 41, 14, ShiftRight},
    {IDC_SPIN_SAT_POSITION, Spin, "", 279, 75, 9, 14, ShiftRight},
    {IDC_STATIC_SYMBOL_RATE, Label, "Symbol Rate :", 172, 78, 59, 8, ShiftRight},
    {IDC_EDIT_SYMBOL_RATE, Edit, "", 237, 75, 41, 14, ShiftRight},
    {IDC_SPIN_SYMBOL_RATE, Spin, "", 279, 75, 9, 14, ShiftRight},
    // row 3
    {IDC_STATIC_CKU_SWITCH, Label, "C/KU Switch :", 172, 97, 59, 8, ShiftRight},
    {IDC_RADIO_CKU_NONE, Radio, "None", 237, 96, 32, 10, ShiftRight},
    {IDC_RADIO_CKU_0V12V, Radio, "0V/12V", 274, 96, 39, 10, ShiftRight},
    {IDC_RADIO_CKU_TONEBURST, Radio, "ToneBurst", 329, 96, 49, 10, ShiftRight},
    {IDC_STATIC_POLARIZATION, Label, "Polarization :", 172, 96, 59, 8, ShiftRight},
    {IDC_RADIO_HORIZONTAL, Radio, "Horizontal", 237, 94, 48, 10, ShiftRight},
    {IDC_RADIO_VERTICAL, Radio, "Vertical", 293, 94, 41, 10, ShiftRight},
    // row 4
    {IDC_STATIC_LNB_FREQ, Label, "LNB Frequency :", 169, 118, 62, 8, ShiftRight},
    {IDC_COMBO_LNB_FREQ, ComboEdit, "", 237, 115, 128, 83, ShiftRight},
    {IDC_STATIC_FEC, Label, "FEC Inner :", 169, 115, 62, 8, ShiftRight},
    {IDC_COMBO_FEC, ComboList, "", 237, 115, 50, 75, ShiftRight},
    // rows 5 to 11: satellite panel only
    {IDC_STATIC_CLNB_FREQ, Label, "C-LNB Frequency :", 168, 137, 63, 8, ShiftRight},
    {IDC_COMBO_CLNB_FREQ, ComboEdit, "", 237, 136, 128, 64, ShiftRight},
    {IDC_STATIC_LNB_POWER, Label, "LNB Power :", 172, 158, 59, 8, ShiftRight},
    {IDC_RADIO_LNB_POWER_OFF, Radio, "Off", 237, 155, 26, 10, ShiftRight},
    {IDC_RADIO_LNB_POWER_ON, Radio, "On", 274, 155, 25, 10, ShiftRight},
    {IDC_STATIC_22KHZ, Label, "22 KHz :", 172, 177, 59, 8, ShiftRight},
    {IDC_RADIO_22KHZ_OFF, Radio, "Off", 237, 176, 26, 10, ShiftRight},
    {IDC_RADIO_22KHZ_ON, Radio, "On", 274, 176, 25, 10, ShiftRight},
    {IDC_STATIC_0V12V, Label, "0V / 12V :", 172, 198, 59, 8, ShiftRight},
    {IDC_RADIO_0V, Radio, "0V", 237, 198, 25, 10, ShiftRight},
    {IDC_RADIO_12V, Radio, "12V", 274, 198, 28, 10, ShiftRight},
    {IDC_STATIC_TONEBURST, Label, "ToneBurst :", 172, 217, 59, 8, ShiftRight},
    {IDC_RADIO_TONEBURST_OFF, Radio, "Off", 237, 216, 26, 10, ShiftRight},
    {IDC_RADIO_TONEBURST_A, Radio, "Sat A", 274, 216, 34, 10, ShiftRight},
    {IDC_RADIO_TONEBURST_B, Radio, "Sat B", 329, 216, 33, 10, ShiftRight},
    {IDC_STATIC_DISEQC, Label, "DiSEqC Type :", 169, 238, 62, 8, ShiftRight},
    {IDC_RADIO_DISEQC_NONE, Radio, "None", 237, 236, 32, 10, ShiftRight},
    {IDC_RADIO_DISEQC_A, Radio, "A", 274, 236, 21, 10, ShiftRight},
    {IDC_RADIO_DISEQC_B, Radio, "B", 303, 236, 20, 10, ShiftRight},
    {IDC_RADIO_DISEQC_C, Radio, "C", 329, 236, 21, 10, ShiftRight},
    {IDC_RADIO_DISEQC_D, Radio, "D", 356, 236, 21, 10, ShiftRight},
    {IDC_RADIO_MOTOR, Radio, "Motor", 274, 254, 34, 10, ShiftRight},
    {IDC_RADIO_USALS, Radio, "USALS", 329, 254, 38, 10, ShiftRight},
    // buttons under the panel; Update and Detail Info share one place
    {IDC_BUTTON_DELETE, Button, "Delete", 214, 304, 53, 17, ShiftRightDown},
    {IDC_BUTTON_APPEND, Button, "Append", 270, 304, 53, 17, ShiftRightDown},
    {IDC_BUTTON_UPDATE, Button, "Update", 326, 304, 53, 17, ShiftRightDown},
    {IDC_BUTTON_DETAIL_INFO, Button, "Detail Info", 326, 304, 53, 17, ShiftRightDown},
};

// The two panels' controls, shown and hidden together. Motor and USALS belong to neither: they
// stay hidden.
inline constexpr int kSatellitePanelIds[] = {
    IDC_TITLE_SATELLITE,   IDC_STATIC_SAT_NAME,     IDC_STATIC_SAT_POSITION,
    IDC_STATIC_CKU_SWITCH, IDC_STATIC_LNB_FREQ,     IDC_STATIC_CLNB_FREQ,
    IDC_STATIC_LNB_POWER,  IDC_STATIC_22KHZ,        IDC_STATIC_0V12V,
    IDC_STATIC_TONEBURST,  IDC_STATIC_DISEQC,       IDC_EDIT_SAT_NAME,
    IDC_EDIT_SAT_POSITION, IDC_SPIN_SAT_POSITION,   IDC_COMBO_LNB_FREQ,
    IDC_COMBO_CLNB_FREQ,   IDC_RADIO_LNB_POWER_OFF, IDC_RADIO_LNB_POWER_ON,
    IDC_RADIO_22KHZ_OFF,   IDC_RADIO_22KHZ_ON,      IDC_RADIO_0V,
    IDC_RADIO_12V,         IDC_RADIO_TONEBURST_A,   IDC_RADIO_TONEBURST_B,
    IDC_RADIO_DISEQC_A,    IDC_RADIO_DISEQC_B,      IDC_RADIO_DISEQC_C,
    IDC_RADIO_DISEQC_D,    IDC_RADIO_DISEQC_NONE,   IDC_RADIO_TONEBURST_OFF,
    IDC_RADIO_CKU_0V12V,   IDC_RADIO_CKU_TONEBURST, IDC_RADIO_CKU_NONE,
};
inline constexpr int kTransponderPanelIds[] = {
    IDC_TITLE_TRANSPONDER, IDC_STATIC_FREQUENCY, IDC_STATIC_SYMBOL_RATE, IDC_STATIC_POLARIZATION,
    IDC_STATIC_FEC,        IDC_EDIT_FREQUENCY,   IDC_EDIT_SYMBOL_RATE,   IDC_SPIN_FREQUENCY,
    IDC_SPIN_SYMBOL_RATE,  IDC_COMBO_FEC,        IDC_RADIO_HORIZONTAL,   IDC_RADIO_VERTICAL,
};
inline constexpr int kAlwaysHiddenIds[] = {IDC_RADIO_MOTOR, IDC_RADIO_USALS};
} // namespace main_dialog

// ---- main menu --------------------------------------------------------------------------------
struct SMenuItem {
    const char* pszText;
    unsigned nId; // 0: separator
};
struct SMenuPopup {
    const char* pszTitle;
    const SMenuItem* pItems;
    std::size_t nItems;
};

inline constexpr SMenuItem kFileMenuItems[] = {
    {"&New", ID_FILE_NEW},
    {"&Open", ID_FILE_OPEN},
    {"&Save", ID_FILE_SAVE},
    {"Save &As ...", ID_FILE_SAVE_AS},
    {"", 0},
    {"Compare With…", ID_FILE_COMPARE_WITH},
    {"Export CSV…", ID_FILE_EXPORT_CSV},
    {"Import CSV…", ID_FILE_IMPORT_CSV},
    {"Import Transponders…", ID_FILE_IMPORT_TRANSPONDERS},
    {"", 0},
    {"E&xit", ID_EXIT},
};
// Undo and Redo: the texts the undo stack gives them while there is nothing to undo or redo.
// The grid commands work on the current grid's selection, as their keys do.
inline constexpr SMenuItem kEditMenuItems[] = {
    {"Undo", ID_EDIT_UNDO},
    {"Redo", ID_EDIT_REDO},
    {"", 0},
    {"Cut", ID_EDIT_CUT},
    {"Paste", ID_EDIT_PASTE},
    {"Delete", ID_EDIT_DELETE},
    {"Select All", ID_EDIT_SELECT_ALL},
    {"", 0},
    {"Move to Number…", ID_EDIT_MOVE_TO_NUMBER},
    {"Enable", ID_FLAGS_ENABLE},
    {"Disable", ID_FLAGS_DISABLE},
    {"", 0},
    {"Order Like…", ID_EDIT_ORDER_LIKE},
    {"Find Duplicates…", ID_EDIT_FIND_DUPLICATES},
    {"", 0},
    {"Networks…", ID_EDIT_NETWORKS},
};
inline constexpr SMenuItem kTransferMenuItems[] = {
    {"&STB->PC", ID_TRANSFER_STB_TO_PC},
    {"&PC->STB", ID_TRANSFER_PC_TO_STB},
    {"", 0},
    {"Conv Default Channel", ID_CONV_DEFAULT_CHANNEL},
    {"Conv TP List", ID_CONV_TP_LIST},
};
inline constexpr SMenuItem kHelpMenuItems[] = {
    {"&Keyboard Shortcuts", ID_HELP_SHORTCUTS},
    {"&About Orvane", ID_APP_ABOUT},
};
inline constexpr SMenuPopup kMainMenu[] = {
    {"&File", kFileMenuItems, std::size(kFileMenuItems)},
    {"&Edit", kEditMenuItems, std::size(kEditMenuItems)},
    {"&Transfer", kTransferMenuItems, std::size(kTransferMenuItems)},
    {"&Help", kHelpMenuItems, std::size(kHelpMenuItems)},
};

// Keys that run a menu command from anywhere in the window; a command's first key is the one
// its menu shows.
struct SAccelerator {
    const char* pszKey; // as QKeySequence reads it
    unsigned nId;
};
inline constexpr SAccelerator kAccelerators[] = {
    {"Ctrl+N", ID_FILE_NEW},           {"Ctrl+O", ID_FILE_OPEN}, {"Ctrl+S", ID_FILE_SAVE},
    {"Ctrl+Shift+S", ID_FILE_SAVE_AS}, {"Ctrl+Q", ID_EXIT},      {"Ctrl+Z", ID_EDIT_UNDO},
    {"Ctrl+Shift+Z", ID_EDIT_REDO},    {"Ctrl+Y", ID_EDIT_REDO}, {"F1", ID_HELP_SHORTCUTS},
};
