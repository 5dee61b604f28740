// The checks a netlist passes before its evaluation, so that evaluation only
// meets connected inputs, known parts, single drivers and no cycle.
#pragma once

#include <string>
#include <vector>

#include "schimport/SchLog.h"
#include "schimport/SchNetlist.h"

namespace tarrow {

// More inputs than this are refused (2^16 combinations).
inline constexpr int kMaxInputPorts = 16;

// A schematic of its own, or a sub-schematic (whose ports are not counted
// and which may have no output port).
enum class CheckScope { Top, Sub };

// The names of a block's input pins: its part's, or its sub-schematic's input
// ports; empty for an unknown type.
std::vector<std::string> InputPinNames(const SchNetlist& netlist, const SchBlock& block);

// False, with the reason logged, for: a net number out of range, a type that
// is not supported, an input pin left unconnected, a constant without a
// hexadecimal value, a net driven by two blocks or a block driving an input
// port's net, no output port (Top), and, among the blocks an output port
// depends on, a net that nothing drives. The number of inputs and loops
// between gates are checked by the evaluation, on the outputs chosen.
bool CheckNetlist(const SchNetlist& netlist, SchLog& log, CheckScope scope = CheckScope::Top);

}  // namespace tarrow
