// Random bytes from "the PC" into the box simulator, as stb-sim may get them from any program
// that opens its terminal. The first byte picks the version, line end and a refusal step.
#include "box_simulator.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    if (nSize < 1)
        return 0;
    SBoxOptions options;
    options.strVersion = pData[0] & 1 ? "V107" : "V120";
    options.strLineEnd = pData[0] & 2 ? "\r" : "\r\n";
    options.noAckStep = static_cast<ENoAckStep>((pData[0] >> 2) % 5);
    options.nCorruptReceivedBlock = pData[0] >> 5;
    options.nCorruptSentBlock = pData[0] >> 5;
    options.image.assign(1024, 0x5A); // shorter than any block count: the box pads it
    CBoxSimulator box(options);
    box.Receive(pData + 1, nSize - 1);
    box.TakeOutput();
    return 0;
}
