// The gate network read from a schematic: nets, ports and gate instances.
//
// A net is known by its number, the index of its name in SignalNames; -1
// stands for a name that no SIGNAL line declared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarrow {

// The value column of a net that is not computed yet.
inline constexpr const char* kUndef = "UNDEF";

// An input pin that no pin line connected.
inline constexpr int32_t kUnconnected = -2;

// One gate instance, with its pins as the schematic connects them.
struct SchBlock {
  std::vector<int32_t> Inputs;   // net of each input pin, indexed by pin number
  std::vector<int32_t> Outputs;  // net of each output pin, in the order of the pin lines
  std::string Name = "noname";
  std::string Type = "UNDEF";
  bool Evaluated = false;
};

// One input or output port. Members of a bus port carry their index in the
// bus, which orders them; a plain port is ordered by its net name.
struct SchPort {
  int32_t net = -1;
  int32_t busIndex = -1;
};

struct SchNetlist {
  std::vector<std::string> SignalNames;
  std::vector<std::string> SignalValues;  // parallel to SignalNames
  std::vector<SchPort> InputPorts;
  std::vector<SchPort> OutputPorts;
  std::vector<SchBlock> Blocks;
  size_t Combinations = 2;  // 2^(input ports), at least 2; set by the evaluation
};

}  // namespace tarrow
