// Three-input block extraction: a one-output block expanded on one input x.
//
// The block becomes a three-input selector and the two cofactor blocks of
// x = 0 and x = 1.
//
// Cost: ThreeInputTypes O(n^2 · 2^n) for a block of n inputs (a split table
// per input); ExtractThreeInput O(n · 2^n + B) for a scheme of B blocks.
// See: Shannon, 1949, "The Synthesis of Two-Terminal Switching Circuits" (the
// expansion); the selector types that use the don't-cares are the program's
// own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/LogicalScheme.h"
#include "model/Status.h"

namespace lodex {

// For every input i of one-output block `block`, the selector type 1..5
// that expanding on i needs: with A and B the block's functions for input
// i = 0 and 1, pairs (A, B) are numbered 0: (0,0), 1: (0,1), 2: (1,0),
// 3: (1,1); the type is t + 1 for the highest pair t that never occurs, and
// 5 when all occur. An undefined word in one cofactor takes the other's
// value for the classification; both undefined counts as pair 0.
std::vector<int32_t> ThreeInputTypes(const CLogicalScheme& scheme, int block);

// The selector's sequence for a type: "00110101" (input 0 = B, input 1 = A,
// input 2 = x) with '*' at positions type-1 and type+3 for a type below 5.
std::string SelectorSequence(int32_t type);

// Replaces block `block` by the selector (same identifier, so consumers are
// untouched) and inserts the x = 0 block ("Bl_%i", next counter) at
// `block` + 1 and the x = 1 block (the counter after) at `block` + 2. A
// combination undefined in one cofactor only takes the other's value, so the
// pair the selector ignores cannot occur and both new blocks are defined
// wherever the block was.
// Refuses, changing nothing, a block that is not a logic block with exactly
// one output, an input x out of range, or a type outside 1..5 or whose
// ignored pair occurs (a type above the one ThreeInputTypes gives).
Status ExtractThreeInput(CLogicalScheme& scheme, int block, int x, int32_t type);

}  // namespace lodex
