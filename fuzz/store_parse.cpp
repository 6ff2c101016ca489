// ParseImage of any image, plain and shifted, reads nothing outside the image it was given;
// whatever it loads builds back into an image without fault.
#include "channel_store.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kImageBufferSize)
        return 0;
    for (BOOL bShifted : {FALSE, TRUE}) {
        CChannelStore store;
        if (!store.SetImage(data, static_cast<UINT>(size)))
            return 0;
        store.ParseImage(bShifted);
        store.FreeImage();
        std::vector<BYTE> image(kTransferImageSize);
        store.BuildImage(image.data());
    }
    return 0;
}
