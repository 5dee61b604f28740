// Schematics through the tarrow library, for sch and new --sch.
#pragma once

#include <string>

#include "app/TarrowLoader.h"

namespace lodex::cli {

// The sequence and counts of the schematic at `path`, computed by the
// library next to lodex-cli; refuses (status 2) a file that cannot be read,
// a missing library or export, and a schematic that gives no sequence.
// With `outputs` (names joined by commas) only those outputs are imported,
// over the inputs they depend on.
SchematicSequence ImportSchematicOrRefuse(const std::string& path, const std::string& outputs = "");

// The line that says which inputs the chosen outputs depend on, in order.
std::string InputsLine(const SchematicSequence& s);

}  // namespace lodex::cli
