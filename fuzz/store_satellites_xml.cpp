// Text of any content read as a satellites.xml and, when accepted, planned with every satellite
// and every transponder taken, previewed and applied to an empty store, which must then hold
// exactly what the plan said it would add.
#include "satellite_import.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 20))
        return 0;
    std::vector<SXmlSatellite> satellites;
    SXmlError error;
    if (!ReadSatellitesXml(std::string_view(reinterpret_cast<const char*>(data), size), satellites,
                           error)) {
        XmlErrorText(error);
        return 0;
    }
    SImportChoice choice = DefaultChoice(satellites, true);
    for (SSatelliteChoice& sat : choice)
        sat.bChosen = true;
    CChannelStore store;
    const SImportPlan plan = PlanImport(store, satellites, choice, CNameCodec());
    ImportPlanLines(plan, CNameCodec());
    ApplyImport(store, plan);
    int nNew = 0;
    for (const SSatImport& sat : plan)
        nNew += sat.bNew && sat.nSat != 0;
    if (store.GetTransponderCount() != CountOf(plan, ETpImport::Added) ||
        store.GetSatelliteCount() != nNew)
        std::abort();
    return 0;
}
