// Edit > Name Encoding: the character sets the box's names may be in, the one they are read in
// checked. Until the user chooses, the names are read as a PC of the desktop's language read
// them; a choice is remembered in the settings.
#pragma once

class CDocument;
class CSettings;
class QMenu;

// Adds the submenu to `menu` and reads the names in the remembered or the first set.
void AddNameEncodingMenu(QMenu& menu, CDocument& document, CSettings& settings);
