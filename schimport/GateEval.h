// Evaluation of a read netlist for every input combination, and the logic
// sequence built from the output columns.
//
// Every net holds a value column: character j is its value for input
// combination j ('0' or '1'), or the text "UNDEF" until it is computed. Input
// port k (in sorted order) gets the column of bit k of the combination;
// gates are evaluated in dependency order by repeated scans; each
// combination's output bits, the first sorted output port leftmost, form
// ceil(m / 4) hexadecimal digits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// True when no input net of `block` holds "UNDEF".
bool TestBlock(const SchNetlist& netlist, const SchBlock& block, SchLog& log);

// Computes the columns of the block's connected output nets.
void EvaluateBlock(SchNetlist& netlist, const SchBlock& block, SchLog& log);

// The hexadecimal digit ("0".."9", "A".."F") of four binary characters; '?'
// for any other text.
char NibbleToHex(std::string_view four);

struct SchSequence {
  std::string text;  // ceil(outputs / 4) upper-case hex digits per combination
  int32_t inputs = 0;
  int32_t outputs = 0;
};

// Evaluates a netlist that CheckNetlist accepted. Nothing, with the reason
// logged, when an output port's net stays "UNDEF" (undriven, or on a cycle).
std::optional<SchSequence> EvaluateNetlist(SchNetlist& netlist, SchLog& log);

}  // namespace tarrow
