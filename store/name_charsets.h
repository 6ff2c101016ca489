// The 8-bit character sets a box may keep its names in. Which one depends on the box's region
// and its firmware's font, as the text of a Windows PC of its time followed the PC's code page;
// the user chooses, and the first choice follows the language, as the PC's code page did.
#pragma once

#include <QtGlobal> // QT_TRANSLATE_NOOP: the window shows the titles translated

#include <optional>
#include <string>
#include <string_view>

enum class ECharset {
    Windows1252,
    Windows1250,
    Windows1251,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    Iso8859_1,
};

struct SCharset {
    ECharset set;
    const char* pszName;  // as zdftool's --charset and the settings name it
    const char* pszTitle; // as the menu and the status line show it
};

// In the order the menu lists them.
inline constexpr SCharset kCharsets[] = {
    {ECharset::Windows1252, "windows-1252", QT_TRANSLATE_NOOP("Charset", "Western (Windows-1252)")},
    {ECharset::Windows1250, "windows-1250",
     QT_TRANSLATE_NOOP("Charset", "Central European (Windows-1250)")},
    {ECharset::Windows1251, "windows-1251",
     QT_TRANSLATE_NOOP("Charset", "Cyrillic (Windows-1251)")},
    {ECharset::Windows1253, "windows-1253", QT_TRANSLATE_NOOP("Charset", "Greek (Windows-1253)")},
    {ECharset::Windows1254, "windows-1254", QT_TRANSLATE_NOOP("Charset", "Turkish (Windows-1254)")},
    {ECharset::Windows1255, "windows-1255", QT_TRANSLATE_NOOP("Charset", "Hebrew (Windows-1255)")},
    {ECharset::Windows1256, "windows-1256", QT_TRANSLATE_NOOP("Charset", "Arabic (Windows-1256)")},
    {ECharset::Windows1257, "windows-1257", QT_TRANSLATE_NOOP("Charset", "Baltic (Windows-1257)")},
    {ECharset::Windows1258, "windows-1258",
     QT_TRANSLATE_NOOP("Charset", "Vietnamese (Windows-1258)")},
    {ECharset::Iso8859_1, "iso-8859-1", QT_TRANSLATE_NOOP("Charset", "Western (ISO 8859-1)")},
};

const SCharset& CharsetOf(ECharset set);
// The set of a name as kCharsets gives it, in any case; nothing for another name.
std::optional<ECharset> ParseCharset(std::string_view name);
// Every set's name, ", " between them.
std::string CharsetNames();

// The set a PC of the language of `locale` ("ru_RU.UTF-8", "pt-BR", "el") used: Cyrillic for
// Russian, Ukrainian, Bulgarian, Serbian, Belarusian and Macedonian, Central European for
// Polish, Czech, Slovak, Hungarian, Croatian, Slovenian and Romanian, Greek, Turkish, Hebrew,
// Arabic for Arabic and Persian, Baltic for Estonian, Latvian and Lithuanian, Vietnamese, and
// Western (Windows-1252) for any other.
ECharset CharsetForLanguage(std::string_view locale);
// The user's language as the environment gives it: LC_ALL, else LC_MESSAGES, else LANG.
std::string EnvironmentLanguage();
