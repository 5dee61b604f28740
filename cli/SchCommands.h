// Schematics through the tarrow library, for sch and new --sch.
#pragma once

#include <string>

#include "app/TarrowLoader.h"

namespace lodex::cli {

// The sequence and counts of the schematic at `path`, computed by the
// library next to lodex-cli; refuses (status 2) a file that cannot be read,
// a missing library or export, and a schematic that gives no sequence.
SchematicSequence ImportSchematicOrRefuse(const std::string& path);

}  // namespace lodex::cli
