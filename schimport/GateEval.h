// Evaluation of a read netlist for every input combination, and the logic
// sequence built from the output columns.
//
// Every net holds a value column: character j is its value for input
// combination j ('0' or '1'), or the text "UNDEF" until it is computed. Input
// port k (in sorted order) gets the column of bit k of the combination. The
// hierarchy is expanded into one gate network, and the gates the outputs
// depend on are evaluated once each, in dependency order, 64 combinations a
// machine word; each combination's output bits, the first sorted output
// port leftmost, form ceil(m / 4) hexadecimal digits.
//
// Cost: O(gates x pins x 2^n / 64) word operations for n inputs (64 times
// that for the wide parts); memory O(nets of the cone x 1024 combinations).
// The trace holds one event per gate and chunk of 1024 combinations.
// See: the bit-parallel ("compiled") simulation of gate networks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schimport/SchLog.h"
#include "schimport/SchNetlist.h"

namespace tarrow {

// The decimal number at the end of `name`, or -1 when it does not end in a
// digit. Numbers beyond int32 read as INT32_MAX.
int32_t TrailingNumber(std::string_view name);

// 2^k '0' then 2^k '1', repeated to `combinations` characters: character j
// is bit k of j.
std::string InputPattern(int k, size_t combinations);

// Orders the input and the output ports by ascending weight (the bus index,
// or the TrailingNumber of the net's name) when every port has one, with the
// exchange sort whose order among equal weights is part of the result;
// otherwise both keep file order.
void SortByWeights(SchNetlist& netlist, SchLog& log);

// The hexadecimal digit ("0".."9", "A".."F") of four binary characters; '?'
// for any other text.
char NibbleToHex(std::string_view four);

struct SchSequence {
  std::string text;  // ceil(outputs / 4) upper-case hex digits per combination
  int32_t inputs = 0;
  int32_t outputs = 0;
  // The nets of the input and output ports used, in sorted order.
  std::vector<std::string> inputNames;
  std::vector<std::string> outputNames;
};

// Which outputs to import: the output ports of these net names (all when
// empty). The project then has only the input ports they depend on.
struct SchSelection {
  std::vector<std::string> outputs;
};

// Evaluates a netlist that CheckNetlist accepted. Nothing, with the reason
// logged, for an output name that is no output port, a loop between gates,
// or more than kMaxInputPorts inputs (without a selection: more input ports;
// with one: more inputs the chosen outputs depend on; the reason says how
// many the outputs need). The ports left are those of the result.
std::optional<SchSequence> EvaluateNetlist(SchNetlist& netlist, SchLog& log, const SchSelection* selection = nullptr);

// An output port and the number of input ports it depends on.
struct SchOutputCone {
  std::string name;
  int inputs = 0;
};
// Every output port (file order) with its input count, for a choice of
// outputs; empty, with the reason logged, when the gates form a loop.
std::vector<SchOutputCone> OutputCones(const SchNetlist& netlist, SchLog& log);

}  // namespace tarrow
