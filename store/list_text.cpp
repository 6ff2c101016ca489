#include "list_text.h"

#include <charconv>
#include <cstdio>

namespace {

// One character of UTF-8 from `text` at `i`; nullopt for a malformed or overlong sequence.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned lead = byte(i);
    const int extra = lead < 0x80   ? 0
                      : lead < 0xC0 ? -1
                      : lead < 0xE0 ? 1
                      : lead < 0xF0 ? 2
                      : lead < 0xF8 ? 3
                                    : -1;
    if (extra < 0 || i + extra >= text.size())
        return std::nullopt;
    char32_t c = extra == 0 ? lead : lead & (0x3Fu >> extra);
    for (int k = 1; k <= extra; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF)
        return std::nullopt;
    i += extra + 1;
    return c;
}

} // namespace

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

std::string NameToUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            text += ch;
        } else {
            text += static_cast<char>(0xC0 | (c >> 6));
            text += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return text;
}

std::string QuotedName(std::string_view bytes) {
    return "\"" + NameToUtf8(bytes) + "\"";
}

bool NameFromUtf8(std::string_view text, std::string& bytes, std::string& error) {
    bytes.clear();
    std::string name; // given out only when the whole text is a name
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<char32_t> c = NextCodePoint(text, i);
        if (!c) {
            error = "not UTF-8";
            return false;
        }
        if (*c == 0) {
            error = "a name cannot hold a NUL character";
            return false;
        }
        if (*c > 0xFF) {
            error = "\"" + std::string(text) + "\" cannot be stored in 8 bits";
            return false;
        }
        name += static_cast<char>(*c);
    }
    if (name.size() > kNameSize - 1) {
        error = "\"" + std::string(text) + "\" is longer than 16 characters";
        return false;
    }
    bytes = std::move(name);
    return true;
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
