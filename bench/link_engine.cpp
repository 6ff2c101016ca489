// The protocol engine in-process: cost per received byte, and whole exchanges with the box
// simulator in each direction.
#include "loopback_link.h"
#include "store_builders.h"

#include <benchmark/benchmark.h>

namespace {

class CNullPort : public ISerialWriter {
  public:
    void Write(const BYTE*, UINT) override {}
    void WriteString(const char*) override {}
    void WriteByte(BYTE) override {}
};

class CNullView : public ITransferView {
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

// One block as the box sends it: data, checksum, seven more bytes.
std::vector<BYTE> ReceivedBlock() {
    std::vector<BYTE> block = RandomImage(42);
    block.resize(kReceivedBlockSize);
    block[kTransferBlockSize] = ByteSum(block.data(), kTransferBlockSize);
    return block;
}

void BM_EngineRawByte(benchmark::State& state) {
    CNullPort port;
    CNullView view;
    STransferSettings settings;
    const std::vector<BYTE> block = ReceivedBlock();
    std::unique_ptr<CTransferProtocol> pEngine;
    auto start = [&] {
        pEngine = std::make_unique<CTransferProtocol>(port, view, settings);
        pEngine->SetState(ETransferState::ReceiveImage);
        for (char c : std::string("ack\r\n"))
            pEngine->OnSerialByte(static_cast<BYTE>(c), 1);
    };
    start();
    for (auto _ : state) {
        if (pEngine->GetState() != ETransferState::ReceiveImage) {
            state.PauseTiming();
            start();
            state.ResumeTiming();
        }
        for (BYTE b : block)
            pEngine->OnSerialByte(b, 1);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kReceivedBlockSize);
    state.SetLabel("items = received bytes");
}
BENCHMARK(BM_EngineRawByte);

void BM_EngineLineByte(benchmark::State& state) {
    CNullPort port;
    CNullView view;
    STransferSettings settings;
    CTransferProtocol engine(port, view, settings);
    engine.SetDirection(DIRECTION_PC_TO_STB);
    engine.SetState(ETransferState::SendImage);
    const std::string lines = "1024DOWN_ERR1028\r\nREQUEST_E2PROM\r\nsomething else\r\n";
    for (auto _ : state)
        for (char c : lines)
            engine.OnSerialByte(static_cast<BYTE>(c), 1);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines.size()));
    state.SetLabel("items = received bytes");
}
BENCHMARK(BM_EngineLineByte);

void BM_LoopbackExchange(benchmark::State& state) {
    const UINT nDirection = static_cast<UINT>(state.range(0));
    const std::vector<BYTE> image = RandomImage(42);
    for (auto _ : state) {
        STransferSettings settings;
        SBoxOptions options;
        options.image = image;
        CLoopbackLink link(nDirection, options, settings);
        link.Engine().SetImageData(image.data(), static_cast<UINT>(image.size()));
        if (!link.Run() || !link.Engine().IsComplete())
            state.SkipWithError("the exchange did not complete");
    }
    state.SetLabel(nDirection == DIRECTION_PC_TO_STB ? "PC to STB, 204 blocks"
                                                     : "STB to PC, 204 blocks");
}
BENCHMARK(BM_LoopbackExchange)
    ->Arg(DIRECTION_PC_TO_STB)
    ->Arg(DIRECTION_STB_TO_PC)
    ->Unit(benchmark::kMillisecond);

} // namespace
