// The box keeps every name (service, satellite, network) as at most 16 bytes of an 8-bit
// character set. CNameCodec is the one place where those bytes become text and text becomes
// bytes again: every view, file and command line that shows or reads a name goes through it.
#pragma once

#include "records.h"

#include <string>
#include <string_view>

class CNameCodec {
  public:
    // A name's bytes as UTF-8 text.
    std::string ToUtf8(std::string_view bytes) const;
    // The same in double quotes, as messages show a name.
    std::string Quoted(std::string_view bytes) const;
    // The box's bytes of a UTF-8 text; false, with `bytes` empty and `error` saying why, when the
    // text is not UTF-8, holds a character the set lacks or a NUL, or needs more than 16 bytes.
    bool FromUtf8(std::string_view text, std::string& bytes, std::string& error) const;
    // The box's bytes of any UTF-8 text, as a name from elsewhere is taken: each character the
    // set lacks (and any malformed byte) becomes '?', and the name is cut to 16 bytes.
    std::string Encoded(std::string_view text) const;
    // Whether the set has the character (a Unicode code point); NUL is no name's character.
    bool CanEncode(char32_t c) const;
};
