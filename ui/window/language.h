// The language of the editor's texts: the one chosen in Help > Language, else the desktop's.
// The editor's translations are built into the program (":/i18n/orvane_de.qm"); those of Qt's
// own dialogs and buttons come from Qt's translations on the system. English needs none.
#pragma once

#include <QString>
#include <QStringList>

// The languages the editor speaks, by code, English among them: {"de", "en", "es", ...}.
QStringList EditorLanguages();

// The language the desktop asks for: the first of LANGUAGE's list ("de_DE:fr") that the editor
// speaks, else the one of LC_ALL, LC_MESSAGES or LANG, the first set ("ru_RU.UTF-8"); English
// when the editor speaks none of them.
QString DesktopLanguage();

// The language of a code, as its speakers write it: "Deutsch", "Русский".
QString LanguageName(const QString& code);

// Puts the texts of `code` in place of those installed before; "en" removes them.
void InstallLanguage(const QString& code);
