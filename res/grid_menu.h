// Menu 132: the popups a right-click on a service grid shows. Popup 0 works on whole rows,
// popup 1 on a rectangle of flag cells.
#pragma once

#include "main_dialog.h"

inline constexpr int IDR_GRID_MENU = 132;

inline constexpr SMenuItem kGridRowMenuItems[] = {
    {"&Cut", ID_EDIT_CUT},
    {"&Paste", ID_EDIT_PASTE},
    {"", 0},
    {"&Delete", ID_EDIT_DELETE},
    {"&Move to Number ...", ID_EDIT_MOVE_TO_NUMBER},
};
inline constexpr SMenuItem kGridFlagMenuItems[] = {
    {"&Enable", ID_FLAGS_ENABLE},
    {"&Disable", ID_FLAGS_DISABLE},
};
inline constexpr SMenuPopup kGridMenu[] = {
    {"1", kGridRowMenuItems, std::size(kGridRowMenuItems)},
    {"2", kGridFlagMenuItems, std::size(kGridFlagMenuItems)},
};
inline constexpr std::size_t kGridRowPopup = 0;
inline constexpr std::size_t kGridFlagPopup = 1;
