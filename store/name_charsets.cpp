#include "name_charsets.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

// Each language by its code, as locale names begin.
constexpr std::pair<std::string_view, ECharset> kLanguages[] = {
    {"ru", ECharset::Windows1251}, {"uk", ECharset::Windows1251}, {"bg", ECharset::Windows1251},
    {"sr", ECharset::Windows1251}, {"be", ECharset::Windows1251}, {"mk", ECharset::Windows1251},
    {"pl", ECharset::Windows1250}, {"cs", ECharset::Windows1250}, {"sk", ECharset::Windows1250},
    {"hu", ECharset::Windows1250}, {"hr", ECharset::Windows1250}, {"sl", ECharset::Windows1250},
    {"ro", ECharset::Windows1250}, {"el", ECharset::Windows1253}, {"tr", ECharset::Windows1254},
    {"he", ECharset::Windows1255}, {"ar", ECharset::Windows1256}, {"fa", ECharset::Windows1256},
    {"et", ECharset::Windows1257}, {"lv", ECharset::Windows1257}, {"lt", ECharset::Windows1257},
    {"vi", ECharset::Windows1258},
};

bool SameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 'a' - 'A') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

const SCharset& CharsetOf(ECharset set) {
    return *std::find_if(std::begin(kCharsets), std::end(kCharsets),
                         [set](const SCharset& c) { return c.set == set; });
}

std::optional<ECharset> ParseCharset(std::string_view name) {
    for (const SCharset& c : kCharsets)
        if (SameLetters(name, c.pszName))
            return c.set;
    return std::nullopt;
}

std::string CharsetNames() {
    std::string names;
    for (const SCharset& c : kCharsets)
        names += (names.empty() ? "" : ", ") + std::string(c.pszName);
    return names;
}

ECharset CharsetForLanguage(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_-.@"));
    for (const auto& [code, set] : kLanguages)
        if (SameLetters(language, code))
            return set;
    return ECharset::Windows1252;
}

std::string EnvironmentLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0')
            return value;
    return {};
}
