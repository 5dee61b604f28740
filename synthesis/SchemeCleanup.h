// Clean-up of a synthesised scheme: local rewrites that never change what
// the scheme computes on the project's defined words and never make a block
// wider than K.
//
// Method. Blocks are visited from the back (sources before consumers), in
// passes until nothing changes. On each block:
//   - a repeated link and an input no output depends on are removed;
//   - an output nothing reads is dropped; a constant output is folded into
//     the logic blocks that read it (they lose that input); an output equal
//     to one of the block's inputs hands its readers that input's source; an
//     output equal to an earlier output hands its readers that output;
//   - a block without a read output is removed;
//   - a block whose outputs are all read by one logic block is merged into
//     it when their joint inputs fit in K (the classic collapsing of a node
//     into its only fanout, as in the node elimination of Brayton, Rudell et
//     al.'s MIS, 1987).
// A word undefined in a block stands for an input combination the block never
// sees while the project is defined, so each test compares defined words only
// and a merged block is undefined wherever either part is.
// Cost: O(passes * sum over blocks of 2^inputs * (inputs + outputs)).
// See: R. K. Brayton, R. Rudell, A. Sangiovanni-Vincentelli, A. R. Wang, "MIS:
// A Multiple-Level Logic Optimization System", IEEE TCAD 6(6), 1987.
#pragma once

#include "model/LogicalScheme.h"

namespace lodex {

// One-output elements of the scheme: the outputs of logic blocks that some
// block reads and that are not constant on the block's defined words.
int CountElements(const CLogicalScheme& scheme);

// Applies the rewrites above with blocks of at most `maxInputs` inputs.
// Returns the number of rewrites made. A scheme that would be left without a
// logic block (every output a primary input or a constant read by nothing)
// keeps its blocks.
int CleanUpScheme(CLogicalScheme& scheme, int maxInputs);

}  // namespace lodex
