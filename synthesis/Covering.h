// Covering of a scheme of two-input blocks by networks of a single element:
// two-input NAND ("1110") or two-input NOR ("1000").
#pragma once

#include "model/LogicalScheme.h"

namespace lodex {

// Replaces every two-input, one-output block whose function is one of the
// non-trivial two-input functions by a fixed network of elements; the last
// element keeps the block's identifier, so consumers are not rewired.
// Constants, single-input functions, the element's own function and blocks
// of any other shape are left as they are, links included. Afterwards every
// logic block's caption is "Блок %i" by position and its word digits 1.
void CoverNand(CLogicalScheme& scheme);
void CoverNor(CLogicalScheme& scheme);

}  // namespace lodex
