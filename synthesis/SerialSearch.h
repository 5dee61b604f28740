// The search of all serial split masks of a block.
//
// SearchSplitsReference evaluates masks 2^n - 2 down to 1 one by one with
// EvaluateSplit. SearchSplits gives the same candidate list without building
// split tables: it reads the rows in place, matches each row against all
// classes at once through per-column bit sets over the classes (a trie or a
// column-wise grouping when the block has no undefined words), stops as soon
// as the class count can no longer be accepted, and shares the masks among
// threads.
//
// Cost: for a block of n inputs and m outputs in words of d digits, 2^n - 2
// masks (fewer with maxBound); c is the class limit of a mask of k bound
// inputs, at most 2^(k-1) (or maxClasses). The reference builds and
// classifies every split table, O(2^n · (n + d + c)) a mask and O(6^n) in
// all. The fast search reads a fully defined block's 2^n words about once a
// mask, O(2^n · m) at worst through the trie, so O(4^n · m) in all; with
// undefined words a row is matched against 64 classes a step,
// O(2^n · ceil(c / 64) · d) a mask. Most rejected masks stop far earlier;
// the masks are shared among threads.
// See: Curtis, 1962 (every bound set tried); Morrison, 1968, "PATRICIA" (the
// trie); the class bit sets and the early stop are the program's own.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "synthesis/Serial.h"

namespace lodex {

// Called with the number of masks evaluated so far and the number of masks
// in all; returning false cancels the search.
using SearchProgress = std::function<bool(uint64_t done, uint64_t total)>;

struct SerialSearchOptions {
  // Worker threads; 0 uses every hardware thread, or fewer on a block too
  // small to pay for starting them.
  unsigned threads = 0;
  // Masks binding more inputs than this are skipped (0: no limit). The
  // automatic synthesis asks only for lower blocks it can keep as they are.
  int maxBound = 0;
  // Masks whose rows fall into more classes than this are skipped (0: only
  // the acceptance rule limits them); counting stops there, so a small limit
  // makes the search of a wide block much faster.
  int64_t maxClasses = 0;
  // Called on the calling thread between chunks of masks, and once with
  // done == total when the search completes (its answer is then ignored;
  // a block with nothing to search reports 0 of 0).
  SearchProgress progress;
};

struct SerialSearchResult {
  std::vector<SplitCandidate> candidates;  // sorted ascending
  bool cancelled = false;                  // candidates are then incomplete
};

// Every accepted mask of block `block`, sorted ascending, found with
// EvaluateSplit mask by mask.
std::vector<SplitCandidate> SearchSplitsReference(const CLogicalScheme& scheme, int block);

// The same list as SearchSplitsReference, found fast.
SerialSearchResult SearchSplits(const CLogicalScheme& scheme, int block, const SerialSearchOptions& options = {});

// Blocks of this many inputs and more are searched for two-class splits
// first.
inline constexpr int kWideSearchBlock = 12;

// The most work (masks times table words) a full search may take when only
// a few splits are wanted.
inline constexpr uint64_t kSearchBudget = uint64_t{1} << 20;

// The splits a synthesis step chooses among, found within kSearchBudget: a
// wide block (kWideSearchBlock inputs or more, or one whose full search would
// exceed the budget) is searched for splits into two row classes only (a
// lower block of one output), which stops counting at the third distinct row
// and so costs little even when nothing is found; when that finds `enough`
// splits, or the full search would exceed the budget, the list is theirs,
// otherwise (and for narrow blocks) the full search's. Cancelled searches
// give what they found.
std::vector<SplitCandidate> SearchSplitsWithinBudget(const CLogicalScheme& scheme, int block,
                                                     SerialSearchOptions options, size_t enough);

}  // namespace lodex
