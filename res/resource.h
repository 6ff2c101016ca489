// Resource and control identifiers of the editor's windows, menus and icons.
#pragma once

// ---- resources ------------------------------------------------------------------------------
inline constexpr int IDR_MAINFRAME = 128; // the program's icon
inline constexpr int IDR_MAIN_MENU = 129;
inline constexpr int IDD_EDITOR_DIALOG = 102;

// ---- menu commands --------------------------------------------------------------------------
inline constexpr unsigned ID_FILE_OPEN = 32771;
inline constexpr unsigned ID_FILE_SAVE = 32772;
inline constexpr unsigned ID_FILE_SAVE_AS = 32773;
inline constexpr unsigned ID_EXIT = 32775;
inline constexpr unsigned ID_TRANSFER_STB_TO_PC = 32776;
inline constexpr unsigned ID_TRANSFER_PC_TO_STB = 32777;
inline constexpr unsigned ID_CONV_TP_LIST = 32807;
inline constexpr unsigned ID_CONV_DEFAULT_CHANNEL = 32808;
inline constexpr unsigned ID_FILE_NEW = 0xE100;
inline constexpr unsigned ID_EDIT_UNDO = 0xE12B;
inline constexpr unsigned ID_EDIT_REDO = 0xE12E;
inline constexpr unsigned ID_APP_ABOUT = 0xE140;
inline constexpr unsigned ID_HELP_SHORTCUTS = 0xE146;
// The list tools.
inline constexpr unsigned ID_FILE_COMPARE_WITH = 32820;
inline constexpr unsigned ID_FILE_EXPORT_CSV = 32821;
inline constexpr unsigned ID_FILE_IMPORT_CSV = 32822;
inline constexpr unsigned ID_EDIT_ORDER_LIKE = 32823;
inline constexpr unsigned ID_EDIT_FIND_DUPLICATES = 32824;
// Tuning data: transponders from a satellites.xml, network names by hand.
inline constexpr unsigned ID_FILE_IMPORT_TRANSPONDERS = 32840;
inline constexpr unsigned ID_EDIT_NETWORKS = 32841;
// The grids' editing commands: the popup menu 132 and the Edit menu.
inline constexpr unsigned ID_EDIT_CUT = 32782;
inline constexpr unsigned ID_EDIT_PASTE = 32783;
inline constexpr unsigned ID_EDIT_DELETE = 32784;
inline constexpr unsigned ID_FLAGS_ENABLE = 32804;
inline constexpr unsigned ID_FLAGS_DISABLE = 32805;
inline constexpr unsigned ID_EDIT_MOVE_TO_NUMBER = 32806;
inline constexpr unsigned ID_EDIT_SELECT_ALL = 0xE12A;

// ---- main dialog controls -------------------------------------------------------------------
inline constexpr int IDC_TAB = 1005;
inline constexpr int IDC_TREE = 1007;
inline constexpr int IDC_BUTTON_APPEND = 1009;
inline constexpr int IDC_BUTTON_DELETE = 1010;
inline constexpr int IDC_BUTTON_UPDATE = 1011;
inline constexpr int IDC_PANEL_FRAME = 1012;
inline constexpr int IDC_BUTTON_DETAIL_INFO = 1013;
inline constexpr int IDC_EDIT_SAT_NAME = 1014;
inline constexpr int IDC_SPIN_SAT_POSITION = 1015;
inline constexpr int IDC_EDIT_SAT_POSITION = 1016;
inline constexpr int IDC_SPIN_FREQUENCY = 1017;
inline constexpr int IDC_COMBO_LNB_FREQ = 1018;
inline constexpr int IDC_COMBO_CLNB_FREQ = 1019;
inline constexpr int IDC_EDIT_FREQUENCY = 1020;
inline constexpr int IDC_SPIN_SYMBOL_RATE = 1021;
inline constexpr int IDC_EDIT_SYMBOL_RATE = 1022;
inline constexpr int IDC_COMBO_FEC = 1023;
inline constexpr int IDC_RADIO_LNB_POWER_OFF = 1027;
inline constexpr int IDC_RADIO_LNB_POWER_ON = 1028;
inline constexpr int IDC_RADIO_22KHZ_OFF = 1029;
inline constexpr int IDC_RADIO_22KHZ_ON = 1030;
inline constexpr int IDC_RADIO_0V = 1031;
inline constexpr int IDC_RADIO_12V = 1032;
inline constexpr int IDC_RADIO_TONEBURST_A = 1033;
inline constexpr int IDC_RADIO_TONEBURST_B = 1034;
inline constexpr int IDC_RADIO_DISEQC_A = 1035;
inline constexpr int IDC_RADIO_DISEQC_B = 1036;
inline constexpr int IDC_RADIO_DISEQC_C = 1037;
inline constexpr int IDC_RADIO_DISEQC_D = 1038;
inline constexpr int IDC_RADIO_DISEQC_NONE = 1039;
inline constexpr int IDC_RADIO_TONEBURST_OFF = 1040;
inline constexpr int IDC_RADIO_HORIZONTAL = 1041;
inline constexpr int IDC_RADIO_VERTICAL = 1042;
inline constexpr int IDC_STATIC_SAT_NAME = 1043;
inline constexpr int IDC_STATIC_SAT_POSITION = 1044;
inline constexpr int IDC_STATIC_CKU_SWITCH = 1045;
inline constexpr int IDC_STATIC_LNB_FREQ = 1046;
inline constexpr int IDC_STATIC_CLNB_FREQ = 1047;
inline constexpr int IDC_STATIC_LNB_POWER = 1048;
inline constexpr int IDC_STATIC_22KHZ = 1049;
inline constexpr int IDC_STATIC_0V12V = 1050;
inline constexpr int IDC_STATIC_TONEBURST = 1051;
inline constexpr int IDC_STATIC_DISEQC = 1052;
inline constexpr int IDC_STATIC_FREQUENCY = 1053;
inline constexpr int IDC_STATIC_SYMBOL_RATE = 1054;
inline constexpr int IDC_STATIC_POLARIZATION = 1055;
inline constexpr int IDC_STATIC_FEC = 1056;
inline constexpr int IDC_TITLE_SATELLITE = 1057;
inline constexpr int IDC_TITLE_TRANSPONDER = 1058;
inline constexpr int IDC_RADIO_MOTOR = 1059;
inline constexpr int IDC_RADIO_CKU_0V12V = 1060;
inline constexpr int IDC_GRID_SAT_TV = 1061;
inline constexpr int IDC_RADIO_CKU_TONEBURST = 1062;
inline constexpr int IDC_RADIO_CKU_NONE = 1063;
inline constexpr int IDC_GRID_SAT_RADIO = 1064;
inline constexpr int IDC_RADIO_USALS = 1065;
inline constexpr int IDC_GRID_TERR_TV = 1066;
inline constexpr int IDC_GRID_TERR_RADIO = 1067;
