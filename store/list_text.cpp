#include "list_text.h"

#include <charconv>
#include <cstdio>

std::optional<BYTE> ParseListName(std::string_view text) {
    for (BYTE list = 0; list < kListCount; ++list) {
        if (text == kListNames[list])
            return list;
    }
    return std::nullopt;
}

std::string FlagsText(WORD wFlags) {
    std::string text;
    for (const auto& [mask, name] : kFlagNames) {
        if (wFlags & mask)
            text += (text.empty() ? "" : " ") + std::string(name);
    }
    return text;
}

std::string FormatPosition(WORD wPosition) {
    char buf[32];
    if (wPosition < kWest / 2)
        std::snprintf(buf, sizeof buf, "%u.%uE", wPosition / 10, wPosition % 10);
    else if (wPosition < kWest)
        std::snprintf(buf, sizeof buf, "%u.%uW", (kWest - wPosition) / 10,
                      (kWest - wPosition) % 10);
    else
        std::snprintf(buf, sizeof buf, "invalid (%u)", wPosition);
    return buf;
}

std::optional<WORD> ParsePosition(std::string_view text) {
    // Degrees, a point, one digit of tenths, then E or W.
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point > 3 || text.size() != point + 3 ||
        (text.back() != 'E' && text.back() != 'W'))
        return std::nullopt;
    unsigned degrees = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + point, degrees);
    const char tenth = text[point + 1];
    if (ec != std::errc{} || end != text.data() + point || tenth < '0' || tenth > '9')
        return std::nullopt;
    const unsigned tenths = degrees * 10 + static_cast<unsigned>(tenth - '0');
    if (text.back() == 'E')
        return tenths < kWest / 2 ? std::optional<WORD>(static_cast<WORD>(tenths)) : std::nullopt;
    if (tenths == 0 || tenths > kWest / 2)
        return std::nullopt;
    return static_cast<WORD>(kWest - tenths);
}
