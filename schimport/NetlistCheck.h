// The checks a netlist passes before its evaluation, so that evaluation only
// meets connected pins, known gates and single drivers.
#pragma once

#include "schimport/SchLog.h"
#include "schimport/SchNetlist.h"

namespace tarrow {

// More input ports than this are refused (2^16 combinations).
inline constexpr int kMaxInputPorts = 16;

// False, with the reason logged, for: a net number out of range, a gate
// type that is not supported, a gate without output pin, an input pin left
// unconnected below a connected one (or any declared input of a primitive
// that needs them all), a net driven by two gates or a gate driving an input
// port's net, more than kMaxInputPorts input ports, no output port.
bool CheckNetlist(const SchNetlist& netlist, SchLog& log);

}  // namespace tarrow
