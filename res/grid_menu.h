// Menu 132: the popups a right-click on a service grid shows. Popup 0 works on whole rows,
// popup 1 on a rectangle of flag cells.
#pragma once

#include <QtGlobal>

#include "main_dialog.h"

inline constexpr int IDR_GRID_MENU = 132;

inline constexpr SMenuItem kGridRowMenuItems[] = {
    {QT_TRANSLATE_NOOP("GridMenu", "&Cut"), ID_EDIT_CUT},
    {QT_TRANSLATE_NOOP("GridMenu", "&Paste"), ID_EDIT_PASTE},
    {"", 0},
    {QT_TRANSLATE_NOOP("GridMenu", "&Delete"), ID_EDIT_DELETE},
    {QT_TRANSLATE_NOOP("GridMenu", "&Move to Number ..."), ID_EDIT_MOVE_TO_NUMBER},
};
inline constexpr SMenuItem kGridFlagMenuItems[] = {
    {QT_TRANSLATE_NOOP("GridMenu", "&Enable"), ID_FLAGS_ENABLE},
    {QT_TRANSLATE_NOOP("GridMenu", "&Disable"), ID_FLAGS_DISABLE},
};
inline constexpr SMenuPopup kGridMenu[] = {
    {"1", kGridRowMenuItems, std::size(kGridRowMenuItems)},
    {"2", kGridFlagMenuItems, std::size(kGridFlagMenuItems)},
};
inline constexpr std::size_t kGridRowPopup = 0;
inline constexpr std::size_t kGridFlagPopup = 1;
