// Serial decomposition of one block into a lower and a higher block.
//
// A mask selects the bound inputs (bit k: input k of the block). The lower
// block reads the bound inputs and encodes in r outputs which class of rows
// of the split table holds; the higher block reads those r outputs (as the
// low bits of its input index) and the free inputs, and produces the block's
// outputs.
//
// Cost: for a block of n inputs and words of d digits, and a mask of k bound
// inputs whose 2^k rows fall into c classes, O(2^n · (n + d + c)): the split
// table is built and each row compared with every class so far
// (EvaluateSplit stops past 2^(k-1) classes), so O(2^(n + k)) at worst.
// ExtractSerial adds O(2^n) for the new tables and O(B) to insert into a
// scheme of B blocks.
// See: Ashenhurst, 1957 (the decomposition chart and its row classes);
// Curtis, 1962, "A New Approach to the Design of Switching Circuits" (bound
// and free sets, ceil(log2 c) outputs of the lower block); the compatible
// classes of an incompletely specified function (Wan and Perkowski, 1992),
// here merged first fit.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/LogicalScheme.h"

namespace lodex {

// Most inputs of a block that a split is evaluated for: with up to 31
// outputs every complexity then fits a 32-bit int.
constexpr int kMaxSplitInputs = 24;

// An accepted serial split: the mask and the complexity (truth-table bits)
// of the pair of blocks it produces. Ordered by complexity, then by mask.
struct SplitCandidate {
  int32_t mask = 0;
  int32_t complexity = 0;

  bool operator==(const SplitCandidate&) const = default;
  friend constexpr std::strong_ordering operator<=>(const SplitCandidate& a, const SplitCandidate& b) {
    if (auto c = a.complexity <=> b.complexity; c != 0) return c;
    return a.mask <=> b.mask;
  }
};

// The first-fit classification of the rows of a split table: each row that
// is not entirely undefined merges (MergeWords) into the first representative,
// in creation order, that accepts it, or opens a new class. Entirely
// undefined rows belong to no class (-1). Classes are numbered in order of
// creation, so class 0 holds the first defined row.
struct RowClasses {
  std::vector<int32_t> rowClass;       // one entry per row, -1 for undefined rows
  std::vector<Words> representatives;  // merged words of every class
  bool stopped = false;                // classification stopped at the limit
};

// Classifies the rows of `table`. With `limit` >= 0 it stops as soon as more
// than `limit` classes exist (stopped = true; rowClass is then incomplete).
RowClasses ClassifyRows(const SplitTable& table, int64_t limit = -1);

// Lower-block outputs for `classes` classes: ceil(log2(classes)), at least 1,
// in integers, so that powers of two never round up.
int SplitOutputs(int64_t classes);

// Complexity r * 2^k + m * 2^(n - k + r) of a split of a block with n inputs
// and m outputs, k of them bound, into a lower block with r outputs.
int64_t SplitComplexity(int n, int m, int k, int r);

// Lower-block outputs of a candidate split of a block with n inputs and m
// outputs, recovered from its complexity.
int CandidateOutputs(int n, int m, const SplitCandidate& candidate);

// Evaluates the split of block `block` by `mask`: the candidate, or none when
// the rows fall into more than half as many classes as there are rows, or
// the split would raise the complexity m * 2^n (and for a block index out of
// range, no outputs or more than kMaxSplitInputs inputs). Never changes the
// scheme.
std::optional<SplitCandidate> EvaluateSplit(const CLogicalScheme& scheme, int32_t mask, int block);

// Splits block `block` by `mask` (a mask EvaluateSplit accepts). Without
// `merge` the higher block replaces the block at `block` and the lower block
// is inserted after it; with `merge` the lower block's outputs are appended
// to the outputs of the block at `block` + 1, which must read exactly the
// bound inputs in ascending order. Returns false, changing nothing, when
// `block` is not a logic block, or the merge has no such block to go into or
// would give it more than 31 outputs.
bool ExtractSerial(CLogicalScheme& scheme, int32_t mask, int block, bool merge);

}  // namespace lodex
