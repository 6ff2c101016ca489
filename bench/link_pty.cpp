// Whole transfers through CSerialPort and a pseudo-terminal, the box simulator on the far end,
// as fast as the terminal carries them.
#include "cli_transfer.h"
#include "pty_box.h"
#include "store_builders.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void BM_PtyTransfer(benchmark::State& state) {
    static int argc = 1;
    static char szName[] = "bench_link_pty";
    static char* argv[] = {szName, nullptr};
    static QCoreApplication app(argc, argv);
    const UINT nDirection = static_cast<UINT>(state.range(0));
    const std::vector<BYTE> image = RandomImage(7);
    for (auto _ : state) {
        SBoxOptions options;
        options.image = image;
        CPtyBox box(options);
        std::string strError;
        if (!box.Open(strError)) {
            state.SkipWithError(strError.c_str());
            return;
        }
        std::vector<BYTE> data = nDirection == DIRECTION_PC_TO_STB ? image : std::vector<BYTE>();
        STransferRequest request;
        request.strPort = box.DevicePath();
        request.nDirection = nDirection;
        request.pImage = &data;
        request.nTimeoutMs = 10000;
        STransferSettings settings;
        if (RunTransfer(request, settings) != ETransferOutcome::Complete)
            state.SkipWithError("the transfer did not complete");
    }
    state.SetLabel(nDirection == DIRECTION_PC_TO_STB ? "PC to STB, 204 blocks"
                                                     : "STB to PC, 204 blocks");
}
BENCHMARK(BM_PtyTransfer)
    ->Arg(DIRECTION_PC_TO_STB)
    ->Arg(DIRECTION_STB_TO_PC)
    ->Unit(benchmark::kMillisecond);

} // namespace
