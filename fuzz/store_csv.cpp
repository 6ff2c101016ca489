// CSV text of any content: read as a reference and, when accepted, planned and applied as
// Import CSV does.
#include "list_match.h"
#include "service_csv.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 20))
        return 0;
    SReference reference;
    SCsvError error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!ReadServicesCsv(text, CNameCodec(), reference, error)) {
        CsvErrorText(error);
        return 0;
    }
    CChannelStore store;
    ApplyOrder(store, PlanOrder(store, reference, {}));
    return 0;
}
