// Optimisation of an elementary scheme: inputs rewired to shallower signals, dead blocks deleted.
//
// One input of a block a few steps (the path length) below a deep block is
// taken instead from a shallower block or a primary input (directly or
// inverted) without changing what the deep block computes, and the blocks
// left driving nothing are deleted.
//
// Cost: for n primary inputs, B blocks and L links, TabulateBlocks is one
// simulation keeping every table, O(2^n · (B + L)) time and 2^n · B words.
// FindSameLP walks 2^p paths of p steps from each of up to B blocks, a step
// O(B + L + 2^n), and tests every path's end against each shallower block and
// primary input, O((B + n) · 2^n): O(2^p · B · (p · (B + L) + (p + B + n) ·
// 2^n)) in all. DeadBlocks is O(D · (B + L + D^2)) for D dead blocks,
// ApplySubstitution O(D · B).
// See: the program's own method; the general technique is rewiring within
// the permissible functions (observability don't-cares) of a connection, as
// in the transduction method (Muroga, Kambayashi, Lai and Culliney, 1989).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/LogicalScheme.h"
#include "model/Status.h"
#include "synthesis/Tiers.h"

namespace lodex {

struct BlockTables {
  // Not ok when the scheme cannot be simulated; nothing is changed then.
  Status status = Status::Ok();
  // Entry [b][j]: value of block b for primary combination j; the input
  // block's table is the identity, the output block's -1 where any of its
  // inputs reads '*'.
  std::vector<Words> tables;
};

// Value tables of all blocks. Also stores the identity sequence in the input
// block (ceil(n/4) digits per word) and recomputes the tiers.
BlockTables TabulateBlocks(CLogicalScheme& scheme);
// The same through the plain text-per-combination simulation (reference).
BlockTables TabulateBlocksPlain(CLogicalScheme& scheme);

// The values the signal at the end of a path must take so that the start
// block's function stays the same (-1 = don't care), and where the path ends.
struct RequiredSignalResult {
  Words m_care;
  int m_block = 0;  // the block whose input is to be replaced
  int m_input = 0;  // which of its inputs (0 or 1)
};

// Follows a path of `pathLength` steps down from block `start`, step s
// taking input bit s of `code`. None when the path is not usable: it reaches
// the input block, a step's signal feeds more than one input, or a step
// passes a block that is not a two-input, one-output block. An input counts
// as observable unless the two words it chooses between are defined and
// equal.
std::optional<RequiredSignalResult> RequiredSignal(const CLogicalScheme& scheme, const std::vector<Words>& tables,
                                                   int pathLength, int32_t code, int start);

struct CSubstitution {
  int32_t m_sourceBlock = 0;  // block to drive the input (0: a primary input)
  int32_t m_targetBlock = 0;  // block whose input is rewired
  int32_t m_targetInput = 0;  // which input of it (0 or 1)
  int32_t m_sourcePin = 0;    // 0 for a logic block, the primary input's number for the input block
  bool m_invert = false;      // the source delivers the complement of the required signal

  bool operator==(const CSubstitution&) const = default;
};

struct SubstitutionSearch {
  // Not ok when the scheme cannot be simulated or is not elementary.
  Status status = Status::Ok();
  std::vector<CSubstitution> candidates;  // in the order found
};

// Searches every path of `pathLength` steps from every block deeper than
// `pathLength` for substitutions. A source qualifies when it takes every
// value the care table requires (an undefined source value never does) and
// never moves the target onto an undefined word where the target was
// defined. Runs TabulateBlocks (its side effects stay).
SubstitutionSearch FindSameLP(CLogicalScheme& scheme, int pathLength);

// Ascending indices of the blocks that drive nothing once `s` is applied.
std::vector<int> DeadBlocks(const CLogicalScheme& scheme, const CSubstitution& s);

// Rewires the target input, absorbs an inversion into the target's
// sequence, and erases the dead blocks.
void ApplySubstitution(CLogicalScheme& scheme, const CSubstitution& s, const std::vector<int>& dead);

// The candidate the optimisation applies: the last one whose dead set is the
// largest of at most 10 blocks (0 when every set is larger); -1 for none.
int ChooseSubstitution(const CLogicalScheme& scheme, const std::vector<CSubstitution>& candidates);

// A dead set as the message text "%i  " per entry.
std::string DeadSetText(const std::vector<int>& dead);

}  // namespace lodex
