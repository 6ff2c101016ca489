// Any bytes as a name in any character set, and any text typed as one: a name's bytes read back
// from their text unchanged, and whatever the text, the bytes given out fit a name.
#include "name_codec.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

constexpr std::size_t kMaxBytes = kNameSize - 1;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 4096)
        return 0;
    const CNameCodec names(kCharsets[data[0] % std::size(kCharsets)].set);
    const std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::string_view name = input.substr(0, std::min(input.find('\0'), kMaxBytes));
    std::string bytes, error;
    if (!names.FromUtf8(names.ToUtf8(name), bytes, error) || bytes != name)
        std::abort();

    if (names.FromUtf8(input, bytes, error) ? bytes.size() > kMaxBytes : !bytes.empty())
        std::abort();
    if (names.Encoded(input).size() > kMaxBytes)
        std::abort();
    names.Missing(input);
    for (const char b : input)
        names.Folded(b);
    return 0;
}
