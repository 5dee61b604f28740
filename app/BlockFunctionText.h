// A block's function as plain text, for the clipboard and for scripts: the
// formula of every output, then the truth table with a header row.
#pragma once

#include <string>
#include <vector>

#include "model/LogicalBlock.h"
#include "synthesis/SopMinimisation.h"

namespace lodex {

// "x0\tx1\t...\ty0\t...", then one line per input combination in ascending
// order: the input bits, then the output bits ("-" for an undefined word).
// Cost: O(2^n · (n + m)) for n inputs and m outputs.
std::string TruthTableText(const CLogicalBlock& block);

// One FormulaText line per output of `formulas`, a blank line, and the
// truth table.
std::string BlockFunctionText(const CLogicalBlock& block, const std::vector<SopCover>& formulas);

}  // namespace lodex
