// Writing texts into edits and combo boxes the way the editor's windows do it.
#pragma once

#include <QString>

class QComboBox;
class QLineEdit;

// Text whose digits sit where they did: after a reformat the caret stays behind the same number
// of digits (and behind a point the user had just passed), so typing goes on naturally.
// The program's own writes are not typing: they do not run the change checks, which would read
// the other controls back before they are written.
void SetTextKeepingCaret(QLineEdit& edit, const QString& text);

// Selects the first entry that begins with `text` (case-insensitive), searching from the entry
// after `start` to the end and then from the top; without one the text goes into the edit field.
void SelectListEntry(QComboBox& combo, const QString& text, int start);

// A combo's selected entry, or -1 when nothing is selected or the user has typed over it.
int SelectionOf(const QComboBox& combo);

// Whether the box's names can hold every character of `text`: they are 8-bit Latin-1 bytes.
bool IsBoxText(const QString& text);
// Makes a name edit refuse a keystroke or a paste that brings any other character, as the number
// edits refuse what is no number.
void AcceptBoxTextOnly(QLineEdit& edit);
