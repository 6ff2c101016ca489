#include "name_codec.h"

#include <QChar>
#include <QString>

#include <iconv.h>

#include <algorithm>
#include <array>
#include <iterator>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

// What a set makes of each byte, read once from the system's converter.
struct CNameCodec::STables {
    ECharset set = ECharset::Iso8859_1;
    std::array<char32_t, 256> character{};                 // 0: the byte shows as the mark
    std::array<std::string, 256> text;                     // the character, or the mark, as UTF-8
    std::vector<std::pair<char32_t, unsigned char>> bytes; // each character's byte, by character
    std::array<char, 256> folded{};
};

namespace {

using STables = CNameCodec::STables;

constexpr char32_t kMark = 0xFFFD;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

const char* ConverterName(ECharset set) {
    constexpr const char* kNames[] = {"CP1252", "CP1250", "CP1251", "CP1253", "CP1254",
                                      "CP1255", "CP1256", "CP1257", "CP1258", "ISO-8859-1"};
    static_assert(std::size(kNames) == std::size(kCharsets));
    return kNames[static_cast<std::size_t>(set)];
}

// One iconv conversion descriptor. Each conversion starts from the initial state and ends
// flushed: a converter that composes letters with marks (Vietnamese, Hebrew) holds a letter
// back until it knows no mark follows.
class CConverter {
  public:
    CConverter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~CConverter() {
        if (IsOpen())
            iconv_close(m_cd);
    }
    CConverter(const CConverter&) = delete;
    CConverter& operator=(const CConverter&) = delete;

    bool IsOpen() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // `in` converted whole; nothing when the converter has no conversion for it.
    std::optional<std::string> Convert(std::string in) {
        char buffer[16];
        char* pIn = in.data();
        char* pOut = buffer;
        std::size_t nIn = in.size(), nOut = sizeof buffer;
        constexpr std::size_t kFailed = static_cast<std::size_t>(-1);
        if (!IsOpen() || iconv(m_cd, nullptr, nullptr, nullptr, nullptr) == kFailed ||
            iconv(m_cd, &pIn, &nIn, &pOut, &nOut) == kFailed ||
            iconv(m_cd, nullptr, nullptr, &pOut, &nOut) == kFailed)
            return std::nullopt;
        return std::string(buffer, pOut);
    }

  private:
    iconv_t m_cd;
};

std::string Utf32(char32_t c) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((c >> (8 * i)) & 0xFF);
    return bytes;
}

char32_t FromUtf32(std::string_view bytes) {
    char32_t c = 0;
    for (int i = 3; i >= 0; --i)
        c = (c << 8) | static_cast<unsigned char>(bytes[i]);
    return c;
}

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
        return;
    }
    constexpr unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};
    const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    text += static_cast<char>(kLead[extra] | (c >> (6 * extra)));
    for (int k = extra - 1; k >= 0; --k)
        text += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
}

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

// Control characters are no name's characters: their bytes show as the mark.
bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

std::optional<unsigned char> ByteOf(const STables& t, char32_t c) {
    const auto it = std::lower_bound(t.bytes.begin(), t.bytes.end(), c,
                                     [](const auto& entry, char32_t x) { return entry.first < x; });
    if (it == t.bytes.end() || it->first != c)
        return std::nullopt;
    return it->second;
}

// Both cases of a letter give one character, and so does dotless i. Dotted capital I, whose
// lower case is an i with a dot above, gives the i.
char32_t FoldCase(char32_t c) {
    const char32_t folded = QChar::toLower(QChar::toUpper(c));
    if (folded != c)
        return folded;
    const QString lower = QString::fromUcs4(&c, 1).toLower();
    return lower.size() == 2 && lower[1].category() == QChar::Mark_NonSpacing ? lower[0].unicode()
                                                                              : c;
}

STables Build(ECharset set) {
    STables t;
    t.set = set;
    CConverter decode("UTF-32LE", ConverterName(set));
    for (int b = 0; b < 256; ++b) {
        const std::optional<std::string> out = decode.Convert(std::string(1, static_cast<char>(b)));
        const char32_t c = out && out->size() == 4 ? FromUtf32(*out) : 0;
        if (c != 0 && !IsControl(c)) {
            t.character[b] = c;
            AppendUtf8(t.text[b], c);
            t.bytes.emplace_back(c, static_cast<unsigned char>(b));
        } else {
            AppendUtf8(t.text[b], kMark);
            t.text[b] += kHexDigits[b >> 4];
            t.text[b] += kHexDigits[b & 0xF];
        }
    }
    std::sort(t.bytes.begin(), t.bytes.end());
    for (int b = 0; b < 256; ++b) {
        const std::optional<unsigned char> folded =
            t.character[b] != 0 ? ByteOf(t, FoldCase(t.character[b])) : std::nullopt;
        t.folded[b] = static_cast<char>(folded.value_or(static_cast<unsigned char>(b)));
    }
    return t;
}

const STables& TablesOf(ECharset set) {
    static std::array<std::once_flag, std::size(kCharsets)> built;
    static std::array<STables, std::size(kCharsets)> tables;
    const auto i = static_cast<std::size_t>(set);
    std::call_once(built[i], [&] { tables[i] = Build(set); });
    return tables[i];
}

// The bytes the set stores `c` as: its own byte, or what the converter makes of it (a
// Vietnamese letter with its tone mark becomes the letter and the mark); nothing when the set
// lacks it.
std::optional<std::string> EncodeChar(const STables& t, char32_t c) {
    if (const std::optional<unsigned char> b = ByteOf(t, c))
        return std::string(1, static_cast<char>(*b));
    if (c == 0 || c == kMark || IsControl(c))
        return std::nullopt;
    CConverter encode(ConverterName(t.set), "UTF-32LE");
    std::optional<std::string> out = encode.Convert(Utf32(c));
    const auto isMarked = [&](char b) { return t.character[static_cast<unsigned char>(b)] == 0; };
    if (!out || out->empty() || std::any_of(out->begin(), out->end(), isMarked))
        return std::nullopt;
    return out;
}

// The byte of a mark whose hex digits start at text[i]: one the set shows as the mark.
std::optional<unsigned char> MarkedByte(const STables& t, std::string_view text, std::size_t i) {
    if (i + 2 > text.size())
        return std::nullopt;
    const std::size_t high = kHexDigits.find(text[i]), low = kHexDigits.find(text[i + 1]);
    if (high == std::string_view::npos || low == std::string_view::npos)
        return std::nullopt;
    const auto b = static_cast<unsigned char>(high << 4 | low);
    return t.character[b] == 0 ? std::optional(b) : std::nullopt;
}

enum class EText { Read, NotUtf8, HoldsNul };

// The bytes of the characters of `text` that the set has, and the characters it lacks (each
// once); marks read back as their bytes.
EText Encode(const STables& t, std::string_view text, std::string& bytes, std::u32string& missing) {
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<char32_t> c = NextCodePoint(text, i);
        if (!c)
            return EText::NotUtf8;
        if (*c == 0)
            return EText::HoldsNul;
        if (const std::optional<unsigned char> b =
                *c == kMark ? MarkedByte(t, text, i) : std::nullopt) {
            bytes += static_cast<char>(*b);
            i += 2;
        } else if (const std::optional<std::string> stored = EncodeChar(t, *c)) {
            bytes += *stored;
        } else if (missing.find(*c) == std::u32string::npos) {
            missing += *c;
        }
    }
    return EText::Read;
}

std::string Utf8(std::u32string_view characters, std::string_view separator) {
    std::string text;
    for (const char32_t c : characters) {
        if (!text.empty())
            text += separator;
        AppendUtf8(text, c);
    }
    return text;
}

} // namespace

CNameCodec::CNameCodec(ECharset set) : m_pTables(&TablesOf(set)) {}

ECharset CNameCodec::Charset() const {
    return m_pTables->set;
}

std::string CNameCodec::ToUtf8(std::string_view bytes) const {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char b : bytes)
        text += m_pTables->text[static_cast<unsigned char>(b)];
    return text;
}

std::string CNameCodec::Quoted(std::string_view bytes) const {
    return "\"" + ToUtf8(bytes) + "\"";
}

char CNameCodec::Folded(char byte) const {
    return m_pTables->folded[static_cast<unsigned char>(byte)];
}

std::string CNameCodec::Encoded(std::string_view text) const {
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const std::optional<char32_t> c = NextCodePoint(text, i);
        if (!c)
            ++i;
        const std::string stored = c ? EncodeChar(*m_pTables, *c).value_or("?") : "?";
        if (bytes.size() + stored.size() > kNameSize - 1)
            break;
        bytes += stored;
    }
    return bytes;
}

std::string CNameCodec::Missing(std::string_view text) const {
    std::string bytes;
    std::u32string missing;
    Encode(*m_pTables, text, bytes, missing);
    return Utf8(missing, " ");
}

bool CNameCodec::FromUtf8(std::string_view text, std::string& bytes, std::string& error) const {
    bytes.clear();
    std::string name; // given out only when the whole text is a name
    std::u32string missing;
    const std::string quoted = "\"" + std::string(text) + "\"";
    switch (Encode(*m_pTables, text, name, missing)) {
    case EText::NotUtf8:
        error = "not UTF-8";
        return false;
    case EText::HoldsNul:
        error = "a name cannot hold a NUL character";
        return false;
    case EText::Read:
        break;
    }
    if (!missing.empty()) {
        error = quoted + " cannot be stored in " + CharsetOf(Charset()).pszTitle + ": it has no " +
                Utf8(missing, " ");
        return false;
    }
    if (name.size() > kNameSize - 1) {
        error = quoted + " is longer than 16 characters";
        return false;
    }
    bytes = std::move(name);
    return true;
}
