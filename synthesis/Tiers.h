// Tiers: the depth of every block counted from the primary inputs.
//
// Cost: ComputeTiers O(B + L) for B blocks and L links (identifiers hashed
// once); IsElementary O(B).
// See: the program's own method (a longest path in evaluation order).
#pragma once

#include "model/LogicalScheme.h"

namespace lodex {

// Sets m_tier of every block but the input block (tier 0 by definition): a
// block whose sources all have a tier gets 1 + the highest of them, one with
// a source of tier -1 (or naming no block) gets -1. The output block's tier
// is the scheme's number of tiers.
void ComputeTiers(CLogicalScheme& scheme);

// True when every logic block has at most two inputs and at most one output
// (true for a scheme without logic blocks).
bool IsElementary(const CLogicalScheme& scheme);

}  // namespace lodex
