#include "name_codec.h"

#include <optional>

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

// The box's characters are read as Latin-1: each byte is the code point of its value.
std::string CNameCodec::ToUtf8(std::string_view bytes) const {
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

std::string CNameCodec::Quoted(std::string_view bytes) const {
    return "\"" + ToUtf8(bytes) + "\"";
}

bool CNameCodec::CanEncode(char32_t c) const {
    return c != 0 && c <= 0xFF;
}

std::string CNameCodec::Encoded(std::string_view text) const {
    std::string bytes;
    for (std::size_t i = 0; i < text.size() && bytes.size() < kNameSize - 1;) {
        const std::optional<char32_t> c = NextCodePoint(text, i);
        if (!c)
            ++i;
        bytes += c && CanEncode(*c) ? static_cast<char>(*c) : '?';
    }
    return bytes;
}

bool CNameCodec::FromUtf8(std::string_view text, std::string& bytes, std::string& error) const {
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
        if (!CanEncode(*c)) {
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
