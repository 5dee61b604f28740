// The gate network of a checked schematic with every sub-schematic expanded:
// one gate per library part, nets numbered across the whole hierarchy, and
// the order in which the gates an output depends on are evaluated.
//
// The nets of the schematic itself keep their numbers; the nets inside each
// use of a sub-schematic follow. A sub-schematic's output port becomes a
// buffer from the net inside to the net outside, so a use never merges two
// nets. A loop exists only between gates: blocks that feed each other are
// fine as long as no gate reaches itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "schimport/GateType.h"
#include "schimport/SchLog.h"
#include "schimport/SchNetlist.h"

namespace tarrow {

struct FlatGate {
  GateType gate;
  uint64_t constant = 0;
  std::vector<int32_t> inputs;   // flat net of each input pin
  std::vector<int32_t> outputs;  // flat net of each output pin, kUnconnected for an unused one
  std::string path;              // the block names from the schematic down, joined by '/'
  bool port = false;             // the buffer of a sub-schematic's output port
};

struct FlatNetwork {
  size_t nets = 0;
  std::vector<FlatGate> gates;
  std::vector<int32_t> driver;  // the gate that drives each net; -1 for none (an input port's net)
};

// Expands `netlist`, which CheckNetlist accepted (and its sub-schematics).
// Cost: O(gates and pins of the expanded hierarchy).
FlatNetwork Flatten(const SchNetlist& netlist);

// The gates the nets `roots` depend on, each after the gates it reads (a
// depth-first walk, so a gate's inputs are computed shortly before it), and
// the nets of `roots`' cone that no gate drives (the input ports it needs),
// marked in `reached`. Nothing, with the gates of one loop named in the
// reason, when a gate depends on itself.
// Cost: O(gates and pins of the cone).
std::optional<std::vector<int32_t>> ConeOrder(const FlatNetwork& network, const std::vector<int32_t>& roots,
                                              std::vector<char>& reached, SchLog& log);

}  // namespace tarrow
