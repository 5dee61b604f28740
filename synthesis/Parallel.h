// Parallel decomposition: a block split by groups of its outputs, one block each.
//
// Each group's block reads a chosen subset of the block's inputs.
//
// Pin masks: bit i set means input i (or output i) of the block belongs to
// the set; set bits are always walked in ascending order of i.
//
// Cost: MakeSubBlock and ParallelSplit O(2^n · (n + m · d)) for a block of n
// inputs and m outputs of d word digits (each output column is read from the
// sequence, the cofactors over the dropped inputs merged), ParallelSplit
// plus O(m · (B + L)) to rewire a scheme of B blocks and L links (a search
// of the consumers per output); SubBlockKeepsFunction O(2^n · d).
// See: decomposition by groups of outputs (Luba and Selvaraj, 1995;
// surveyed by Perkowski and Grygiel, 1995).
#pragma once

#include <cstdint>
#include <string>

#include "model/LogicalScheme.h"

namespace lodex {

// The four masks of a split request, in this order: group-1 inputs, group-1
// outputs, group-2 inputs, group-2 outputs. All zero means "no choice".
struct SplitRequest {
  int32_t in1 = 0;
  int32_t out1 = 0;
  int32_t in2 = 0;
  int32_t out2 = 0;

  bool operator==(const SplitRequest&) const = default;
};

// Output k of block `block` for every input combination: bit k of the word
// (0 or 1), or -1 where the word is undefined.
Words OutputColumn(const CLogicalScheme& scheme, int block, int k);

// A new block (not yet in the scheme) that computes the outputs of
// `outputMask` of block `block` from the inputs of `inputMask` only, named
// `id`. Removed inputs are dropped by merging the cofactors over them: each
// combination takes the value of the lowest-numbered cofactor that defines
// it, so when the removed inputs are fictitious the function is unchanged.
// The sequence is upper-case; the links are the block's links of the kept
// inputs in ascending order; the caption is the block's.
CLogicalBlock MakeSubBlock(const CLogicalScheme& scheme, int block, int32_t inputMask, int32_t outputMask,
                           const std::string& id);

// True when the outputs of `outputMask` of block `block` are a function of
// the inputs of `inputMask` alone: all cofactors over the other inputs agree
// wherever they are defined, so MakeSubBlock keeps every defined word. With
// undefined words this is stronger than each dropped input being fictitious
// on its own.
bool SubBlockKeepsFunction(const CLogicalScheme& scheme, int block, int32_t inputMask, int32_t outputMask);

// Replaces block `block` by the blocks of a split request and rewires every
// link that read the block's outputs. The block counter always advances by
// one. With one empty output group (out1 <= 0 or out2 <= 0) the other group
// replaces the block in place under its identifier; with two groups the
// group-1 block keeps the identifier and position, the group-2 block
// ("Bl_%i" with the new counter, caption "Блок 2") follows it, and every later
// block moves up one place.
void ParallelSplit(CLogicalScheme& scheme, int block, int32_t in1, int32_t out1, int32_t in2, int32_t out2);
void ParallelSplit(CLogicalScheme& scheme, int block, const SplitRequest& request);

// True when a split request leaves two blocks (both output groups non-empty),
// the only case in which the block after `block` is the group-2 block that the
// parallel-serial merge (ExtractSerial with merge) appends to.
constexpr bool IsTwoGroupSplit(const SplitRequest& r) { return r.out1 >= 1 && r.out2 >= 1; }

}  // namespace lodex
