// Import Transponders before its preview shows: a satellites.xml of 2000 transponders read and
// planned against the database, with the preview's lines. The limit is 50 ms.
#include "full_stores.h"
#include "satellite_import.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// 20 satellites of 100 transponders, spaced 17 MHz in both polarisations with every FEC the
// files use and every tenth one DVB-S2. The first ten share their positions with satellites
// of the full database.
std::string LargeFile() {
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n";
    for (int s = 0; s < 20; ++s) {
        const int position = s < 10 ? 10 + 30 * s : -10 * s;
        text += "\t<sat name=\"Satellite " + std::to_string(s) +
                " with a long name\" flags=\"1\" " + "position=\"" + std::to_string(position) +
                "\">\n";
        for (int t = 0; t < 100; ++t)
            text += "\t\t<transponder frequency=\"" + std::to_string(10700000 + 17000 * t) +
                    "\" symbol_rate=\"27500000\" polarization=\"" + std::to_string(t % 4) +
                    "\" fec_inner=\"" + std::to_string(t % 10) + "\" system=\"" +
                    std::to_string(t % 10 == 0) + "\" modulation=\"1\"/>\n";
        text += "\t</sat>\n";
    }
    return text + "</satellites>\n";
}

// Against an empty database (every satellite new, until the image's 1360 records are full) and
// against the full one (119 satellites, 100 MUXes, 760 transponders: merges, then no room).
void BM_ReadAndPreview(benchmark::State& state) {
    const std::string text = LargeFile();
    auto store = std::make_unique<CChannelStore>();
    if (state.range(0) != 0)
        FillFullStructure(*store, kMaxTransponders - kMaxMuxes - 500);
    std::size_t lines = 0;
    for (auto _ : state) {
        std::vector<SXmlSatellite> satellites;
        SXmlError error;
        if (!ReadSatellitesXml(text, satellites, error))
            state.SkipWithError(XmlErrorText(error).c_str());
        SImportChoice choice = DefaultChoice(satellites, true);
        for (SSatelliteChoice& sat : choice)
            sat.bChosen = true;
        lines = ImportPlanLines(PlanImport(*store, satellites, choice, CNameCodec()), CNameCodec())
                    .size();
    }
    state.counters["bytes"] = static_cast<double>(text.size());
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReadAndPreview)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
