// Essential dependencies of a block's outputs on its inputs; fictitious inputs removed.
//
// Cost: EssentialDependencies O(n · m · 2^n) for a block of n inputs and m
// outputs (the two halves of each input compared output by output); a
// removal adds that and a parallel split (Parallel.h).
// See: an output depends on an input where its Boolean difference with
// respect to that input is 1 (Akers, 1959), taken here only where both
// halves are defined.
#pragma once

#include <cstdint>
#include <vector>

#include "model/LogicalScheme.h"
#include "model/Status.h"
#include "synthesis/Parallel.h"

namespace lodex {

// Row i for input i, column j for output j: 1 when output j depends on
// input i for at least one combination of the other inputs at which both
// halves (input i = 0 and = 1) are defined, else 0.
using DependencyMatrix = std::vector<std::vector<int32_t>>;

DependencyMatrix EssentialDependencies(const CLogicalBlock& block);
DependencyMatrix EssentialDependencies(const CLogicalScheme& scheme, int block);

// True when no output of `block` depends on `input`.
bool IsFictitiousInput(const DependencyMatrix& matrix, int input);

// The split request that drops `input` from a one-output block of `inputs`
// inputs: group 1 = every other input and output 0, group 2 = `input` alone
// with no outputs (the single-group parallel split).
SplitRequest FictitiousRemovalRequest(int inputs, int input);

// Removes fictitious input `input` of one-output block `block`: the block is
// rebuilt in place (same identifier, position and consumers) with one input
// fewer and the same function of the others; the block counter advances by
// one. Refuses, changing nothing, a block that is not a logic block with
// exactly one output, an input out of range, or an input the output depends on.
Status RemoveFictitiousInput(CLogicalScheme& scheme, int block, int input);

}  // namespace lodex
