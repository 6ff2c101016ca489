// Random bytes and timer ticks into the protocol engine, from any state, in either direction.
// The first byte picks the start: bits 0-2 the state, bit 3 the direction, bit 4 raw block
// reception (after the box's "ack"), bit 5 a block count taken from the second byte. In the
// rest, 0xFE followed by a byte is a timer tick (poll or close); everything else is received.
#include "transfer_protocol.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Reads every byte the engine hands over, so a read past the image shows up.
class CCheckingPort : public ISerialWriter {
  public:
    void Write(const BYTE* pData, UINT nLength) override { m_bSink += ByteSum(pData, nLength); }
    void WriteString(const char* pszText) override {
        while (*pszText)
            m_bSink += static_cast<BYTE>(*pszText++);
    }
    void WriteByte(BYTE bValue) override { m_bSink += bValue; }
    BYTE m_bSink = 0;
};

class CQuietView : public ITransferView {
  public:
    void AddLog(const std::string&) override {}
    void SetBarRange(ETransferBar, UINT) override {}
    void SetBarPos(ETransferBar, UINT) override {}
    void ShowLamp(bool) override {}
    void StartTimer(UINT, UINT) override {}
    void KillTimer(UINT) override {}
    void ClosePort() override {}
    void OnEndOfTransfer() override {}
};

constexpr BYTE kTickMarker = 0xFE;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    if (nSize < 2)
        return 0;
    const BYTE bStart = pData[0];
    STransferSettings settings;
    if (bStart & 0x20)
        settings.nBlockCount = pData[1] * 2u; // 0 to 510: beyond the buffer too
    CCheckingPort port;
    CQuietView view;
    CTransferProtocol engine(port, view, settings);
    engine.SetDirection(bStart & 0x08 ? DIRECTION_PC_TO_STB : DIRECTION_STB_TO_PC);
    engine.InitProgress();
    engine.SetState(static_cast<ETransferState>((bStart & 0x07) % 6));
    if ((bStart & 0x10) && engine.GetState() == ETransferState::ReceiveImage)
        for (char c : std::string("ack\r"))
            engine.OnSerialByte(static_cast<BYTE>(c), 1);

    for (size_t i = 2; i < nSize; ++i) {
        if (pData[i] == kTickMarker && i + 1 < nSize) {
            engine.OnTimer(pData[++i] & 1 ? kCloseTimerId : kPollTimerId);
            continue;
        }
        engine.OnSerialByte(pData[i], 1 + (i % 5 == 0 ? 4 : 0)); // now and then port 5: ignored
    }
    if (engine.GetBlockCount() == 0 || engine.GetBlockCount() > kMaxTransferBlocks ||
        engine.GetImageLength() > kTransferBufferSize)
        std::abort();
    return 0;
}
