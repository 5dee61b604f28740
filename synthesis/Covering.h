// Covering: two-input blocks rebuilt from two-input NAND or NOR elements only.
//
// The element is NAND ("1110") or NOR ("1000"); every non-trivial two-input
// function has a fixed network of elements, so nothing is searched.
//
// Cost: O(B^2) for a scheme of B blocks: each block looks up its sources and
// a covered one inserts up to four elements, each a linear step in the block
// list; the network is found in a table of nine.
// See: the program's own method (fixed networks per function); the general
// technique is the decomposition into a two-input NAND (NOR) base before
// technology mapping (Keutzer, 1987, "DAGON"; De Micheli, 1994), here
// without the covering by library cells.
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
