// Automatic synthesis: the scheme rebuilt, with the program's own
// operations only, until every logic block reads at most K inputs.
//
// Method. Blocks are taken in scheme order; a block wider than K is first
// stripped of its fictitious inputs (inputs no output essentially depends on)
// and then takes one step, chosen among
//   - a parallel split that gives a group of outputs sharing their essential
//     inputs a block of its own (output partitioning by support, as in the
//     multi-output decompositions surveyed by Perkowski and Grygiel, 1995);
//   - a serial (Curtis) split whose bound set holds at most K inputs, so the
//     lower block is finished at once: the row classes of the split table
//     (compatible classes of an incompletely specified function, merged first
//     fit as Wan and Perkowski, 1992) are encoded in r outputs and the higher
//     block reads n - k + r inputs (Ashenhurst, 1957; Curtis, 1962; the bound
//     sets limited to the LUT width as in Lai, Pedram and Vrudhula, 1993).
//     One lower block serves every output of the block, which is how a
//     multi-output block shares logic across its outputs;
//   - the Shannon expansion into a three-input selector and two cofactors,
//     only where a one-output block admits no serial split (Shannon, 1949).
//     With K = 2 the selector is finished by serial splits of the selector with
//     its select input read twice (a non-disjoint decomposition).
// Each step is ranked by an estimate of the blocks it leads to: a block of n
// inputs is taken to need 1 + ceil((n - K) / (K - 1)) blocks (each further
// split binding K inputs into one signal); ties go to the serial split whose
// lower block has the fewest outputs, then to the least complex, then to the
// lowest mask, so the result never depends on timing or threads. For narrow
// blocks the best few steps are tried in full on a copy of the block (a
// one-step look-ahead) and the one leading to the fewest blocks wins.
// Finally equal blocks reading the same signals are merged (reuse across
// outputs), repeaters and inverters are removed and the tiers recomputed.
//
// That block-by-block reduction is one engine; the pool synthesis
// (PoolSynthesis.h), which makes the outputs one at a time from the signals
// already made, is the other. A small project is synthesised several ways
// (both engines, both objectives' rankings, one and two levels of
// look-ahead, the outputs in up to three orders) and the best result for
// the objective kept; the pool syntheses of one run share a work budget, so
// the dearer ways are left out when it is spent. For the depth objective the
// pool synthesis then runs again ranking by elements within the fewest
// levels found. A larger project takes the reduction and one pool synthesis,
// the largest the reduction alone, whose look-ahead leaves out the Shannon
// expansions of blocks more than two inputs wider than K (they differ little
// and cost the most).
#pragma once

#include <functional>

#include "model/LogicalScheme.h"
#include "model/Status.h"

namespace lodex {

// Blocks (or one-output elements) a function of n inputs is expected to end
// as when it decomposes well: one, and one more for each K - 1 inputs beyond
// K, each further split binding K inputs into one signal.
constexpr int ExpectedBlocks(int n, int k) { return n <= k ? 1 : 1 + (n - k + (k - 2)) / (k - 1); }

// Fewest and most inputs a block may be reduced to.
inline constexpr int kMinBlockWidth = 2;
inline constexpr int kMaxBlockWidth = 8;

// What the synthesis minimises first: one-output elements (the LUTs a
// block of r outputs stands for), or levels (the longest path in blocks from
// an input to an output). The other comes second, logic blocks last.
enum class SynthesisObjective { Luts, Depth };

struct AutomaticSynthesisOptions {
  int maxInputs = 4;
  // Called on the calling thread between steps and while a step searches,
  // with the logic blocks of the scheme still wider than K; returning false
  // cancels the synthesis (the scheme is then left unchanged).
  std::function<bool(int wideBlocks)> progress;
  SynthesisObjective objective = SynthesisObjective::Luts;
};

struct AutomaticSynthesisResult {
  // Not ok for K out of range, a scheme without a logic block or one that
  // cannot be simulated, a block that cannot be reduced, or a cancel; the
  // scheme is then unchanged.
  Status status = Status::Ok();
  bool cancelled = false;
  int blocks = 0;  // logic blocks of the result
  int tiers = 0;   // tiers of the result
};

// Rebuilds `scheme` so that every logic block has at most
// `options.maxInputs` inputs and the scheme computes the project's sequence
// wherever it is defined. Deterministic.
AutomaticSynthesisResult RunAutomaticSynthesis(CLogicalScheme& scheme, const AutomaticSynthesisOptions& options);

// Merges logic blocks that read the same signals with the same sequence:
// the consumers of the earlier one read the later one. Returns how many
// blocks were removed.
int MergeEqualBlocks(CLogicalScheme& scheme);

}  // namespace lodex
