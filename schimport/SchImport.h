// One computation of the library: a schematic file in, its logic sequence
// out, traced to "generating.log".
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "schimport/GateEval.h"
#include "schimport/SchLogFile.h"

namespace tarrow {

inline constexpr const char* kTraceFileName = "generating.log";

// The trace file in the current directory, or in the user's temporary
// folder when it cannot be created there; null when neither works (the
// computation then runs without a trace).
std::unique_ptr<SchFileLog> OpenTraceFile();

// Reads, checks and evaluates the schematic at `path` with the sub-schematics
// beside it, for the outputs `selection` names (all without one). Nothing
// when the file cannot be opened (no trace is written then; a pipe or device
// is refused before it is opened) or the schematic is refused; `refusal`,
// when given, then receives the reason (none for no file name).
std::optional<SchSequence> CalcLogicLine(const std::string& path, std::optional<Reason>* refusal = nullptr,
                                         const SchSelection* selection = nullptr);

// The output ports of the schematic at `path`, each with the number of
// input ports it depends on, for a choice of outputs; untraced. Nothing,
// with the reason, as CalcLogicLine refuses.
std::optional<std::vector<SchOutputCone>> ListOutputs(const std::string& path,
                                                      std::optional<Reason>* refusal = nullptr);

}  // namespace tarrow
