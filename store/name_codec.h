// The box keeps every name (service, satellite, network) as at most 16 bytes of an 8-bit
// character set. CNameCodec is the one place where those bytes become text and text becomes
// bytes again: every view, file and command line that shows or reads a name goes through it.
//
// A byte the set does not define, and a control byte, shows as the mark U+FFFD followed by the
// byte's value in two hex digits ("\uFFFD81"), and that text reads back as the byte: every name
// converts to text and back to the same bytes, whatever the set. The sets' characters come from
// the system's converters (iconv).
#pragma once

#include "name_charsets.h"
#include "records.h"

#include <string>
#include <string_view>

class CNameCodec {
  public:
    explicit CNameCodec(ECharset set = ECharset::Iso8859_1);

    ECharset Charset() const;

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
    // The characters of a UTF-8 text that the set lacks, each once, in their order, a blank
    // between them; empty when it has them all.
    std::string Missing(std::string_view text) const;
    // The byte that stands for a name's byte when names are compared without case: both cases of
    // a letter give the same byte.
    char Folded(char byte) const;

    struct STables;

  private:
    const STables* m_pTables;
};
