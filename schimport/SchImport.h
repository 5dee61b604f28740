// One computation of the library: a schematic file in, its logic sequence
// out, traced to "generating.log".
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "schimport/GateEval.h"
#include "schimport/SchLogFile.h"

namespace tarrow {

inline constexpr const char* kTraceFileName = "generating.log";

// The trace file in the current directory, or in the user's temporary
// folder when it cannot be created there; null when neither works (the
// computation then runs without a trace).
std::unique_ptr<SchFileLog> OpenTraceFile();

// Reads, checks and evaluates the schematic at `path` with the sub-schematics
// beside it. Nothing when the file cannot be opened (no trace is written
// then) or the schematic is refused; `refusal`, when given, then receives the
// reason in one line (empty for no file name).
std::optional<SchSequence> CalcLogicLine(const std::string& path, std::string* refusal = nullptr);

}  // namespace tarrow
