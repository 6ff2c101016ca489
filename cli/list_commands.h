// zdftool's commands over the service lists (order like a reference, duplicates, compare, CSV
// export and import) and the satellites and transponders of a satellites.xml. Each takes the
// arguments after its name and reads the names through `names`.
#pragma once

#include "name_codec.h"

#include <ostream>
#include <span>
#include <string>

int RunOrder(std::span<const std::string> args, const CNameCodec& names, std::ostream& out,
             std::ostream& err);
int RunDupes(std::span<const std::string> args, const CNameCodec& names, std::ostream& out,
             std::ostream& err);
int RunDiff(std::span<const std::string> args, const CNameCodec& names, std::ostream& out,
            std::ostream& err);
int RunExport(std::span<const std::string> args, const CNameCodec& names, std::ostream& out,
              std::ostream& err);
int RunImport(std::span<const std::string> args, const CNameCodec& names, std::ostream& out,
              std::ostream& err);
int RunImportSatellites(std::span<const std::string> args, const CNameCodec& names,
                        std::ostream& out, std::ostream& err);
