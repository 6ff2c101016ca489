// ReadDataBytes of any file content: header, decode and parse together.
#include "channel_store.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 20))
        return 0;
    CChannelStore store;
    store.ReadDataBytes(data, static_cast<UINT>(size));
    return 0;
}
