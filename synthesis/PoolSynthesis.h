// Synthesis of one block as a network of one-output elements of at most K
// inputs, by functional decomposition in which each output may reuse every
// signal made before it.
//
// Method. Every signal (an input of the block, or an element's output) is
// kept with its function of the block's inputs. A target is a function to be
// made, with the combinations where it matters, and a set of signals it is a
// function of; its table over those signals has a don't-care wherever their
// values never occur together, so each step inherits what the steps before
// it made unreachable. A target is made by the first of these that applies:
//   - it equals a signal of the pool, or its complement (an element's inputs
//     absorb a complement);
//   - it reads at most K signals: one element;
//   - substitution: a signal of the pool covers several of its signals (the
//     target is a function of the rest and that one), which costs nothing
//     and is how the outputs share logic;
//   - otherwise one step, chosen among
//       * a serial (Curtis) split with a bound set of at most K signals,
//         found by the serial search; its row classes are coded so that as
//         many code bits as possible are signals already there (a bound
//         signal itself, or one of the pool), the rest become new elements;
//       * an OR or AND bi-decomposition into two targets over fewer signals
//         each (Mishchenko, Steinbach and Perkowski, 2001);
//       * the Shannon expansion on one signal into two cofactor targets and
//         a selector (for K = 2, an AND-OR of two elements).
//     Steps are ranked by an estimate of the elements (or levels) they lead
//     to; with look-ahead the best few are tried in full and the one that
//     made the fewest elements (or levels) wins. Trials only append signals,
//     so undoing one is a truncation.
// Outputs are made one at a time in a given order, so later outputs reuse
// what earlier ones made. Then, in passes until nothing changes, each
// element is rewired where its inputs and one more signal of the network
// (one that does not depend on it), as few as still give its function, free
// an element only it read (resubstitution, as in the MIS system of Brayton
// et al., 1987); for the depth objective no element gets deeper. Elements with the same inputs are grouped into one
// block of several outputs; an output that needs the complement of an
// element gets it by complementing that element where nothing else needs it
// as it is.
//
// Cost: a step on a target of v signals over a block of n inputs takes
// O(2^n · v) to tabulate it, the serial search over its 2^v table, and
// O(P · 2^n · v) for substitution against P signals of the pool; trials
// multiply that by the tries per step at each level of look-ahead; a
// resubstitution pass O(E · D · 2^n · K) for E elements and D signals tried
// each (at most 96). A work budget bounds the whole run; the passes stop at
// three quarters of it.
// See: R. L. Ashenhurst, 1957, and H. A. Curtis, 1962 (serial decomposition);
// J. P. Roth and R. M. Karp, "Minimization over Boolean graphs", 1962
// (decomposition reusing functions already built); A. Mishchenko,
// B. Steinbach, M. Perkowski, "An algorithm for bi-decomposition of logic
// functions", DAC 2001; C. E. Shannon, 1949.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/LogicalScheme.h"
#include "synthesis/AutomaticSynthesis.h"

namespace lodex {

// Most inputs of a block this synthesis takes.
inline constexpr int kMaxPoolInputs = 16;

struct PoolSynthesisOptions {
  int maxInputs = 4;
  SynthesisObjective objective = SynthesisObjective::Luts;
  // Levels of trial runs per step.
  int lookahead = 1;
  // With the element objective, the most levels an output may take where a
  // choice allows (0: no bound): fewest elements within that depth.
  int maxLevel = 0;
  // Outputs in the order they are made; empty: as numbered.
  std::vector<int> order;
  // Work (roughly machine-word operations) the run may take before it gives
  // up; look-ahead stops at half of it.
  uint64_t budget = uint64_t{1} << 32;
  // Called now and then; returning false cancels the run.
  std::function<bool()> poll;
};

struct PoolSynthesisResult {
  // A scheme computing the block from its inputs (input block I with the
  // block's inputs, output block O with its outputs), every logic block of
  // at most maxInputs inputs; none when the block is wider than
  // kMaxPoolInputs, the budget ran out or the run was cancelled.
  std::optional<CLogicalScheme> scheme;
  bool cancelled = false;
  bool exhausted = false;  // the budget ran out
  uint64_t work = 0;       // spent, in the budget's units
};

PoolSynthesisResult SynthesiseWithPool(const CLogicalBlock& block, const PoolSynthesisOptions& options);

}  // namespace lodex
