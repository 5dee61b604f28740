// The gate network read from a schematic: nets, ports and gate instances.
//
// A net is known by its number, the index of its name in SignalNames; -1
// stands for a name that no SIGNAL line declared.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tarrow {

// The value column of a net that is not computed yet.
inline constexpr const char* kUndef = "UNDEF";

// A pin that no net connects.
inline constexpr int32_t kUnconnected = -2;

// One gate instance, with its pins as the schematic connects them. The pins
// are in the order of the part's pin names (GateType), or of the ports of a
// sub-schematic.
struct SchBlock {
  std::vector<int32_t> Inputs;   // net of each input pin
  std::vector<int32_t> Outputs;  // net of each output pin, kUnconnected for an unused one
  std::string Name = "noname";
  std::string Type = "UNDEF";
  std::string Value;       // the CValue attribute of a constant
  int32_t Sub = -1;        // index in SchNetlist::Subs of a sub-schematic's block
  bool Connected = false;  // some pin names a net
};

// One input or output port. Members of a bus port carry their index in the
// bus, which orders them; a plain port is ordered by its net name.
struct SchPort {
  int32_t net = -1;
  int32_t busIndex = -1;
};

struct SchSub;

struct SchNetlist {
  std::vector<std::string> SignalNames;
  std::vector<std::string> SignalValues;  // parallel to SignalNames
  std::vector<SchPort> InputPorts;
  std::vector<SchPort> OutputPorts;
  std::vector<SchBlock> Blocks;
  std::vector<std::shared_ptr<const SchSub>> Subs;  // the sub-schematics the blocks use
  size_t Combinations = 2;                          // 2^(input ports), at least 2; set by the evaluation
};

// A sub-schematic, read and checked once however many blocks use it.
struct SchSub {
  std::string File;  // its file name, for messages
  SchNetlist Netlist;
  uint64_t Gates = 0;  // parts and uses of sub-schematics it holds, expanded
  uint64_t Nets = 0;   // nets it holds, its own sub-schematics expanded
};

}  // namespace tarrow
