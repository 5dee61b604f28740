// Simulation of a scheme for every primary input combination: the value
// (word, -1 undefined) of every block.
//
// A link reads character `m_pin` of IntToBits(source value), '0' beyond its
// end: an undefined source reads '*' on pin 0 and '0' on every other pin. A
// logic block whose assembled input string is exactly "*" is undefined;
// otherwise its word at the index the string spells ('*' counted as 0). The
// output block's value is undefined when its string holds any '*'.
#pragma once

#include <vector>

#include "model/LogicalScheme.h"
#include "model/Status.h"

namespace lodex {

struct SchemeValues {
  Status status = Status::Ok();
  // Entry [b][j]: value of block b for combination j (N = source length /
  // word digits entries). Without `keepAll` only the output block's table
  // (the last) is filled; the others are empty.
  std::vector<Words> tables;
};

// Refuses a scheme that cannot be simulated: no input or output block at the
// ends, a link naming no block or the output block, a logic block reading a
// block that does not come after it, a sequence that does not hold one word
// per combination of the block's links.
Status CheckSimulable(const CLogicalScheme& scheme);

// Evaluates block by block over whole tables with integer operations and
// source indices resolved once, freeing a table as soon as its last reader is
// done unless `keepAll`.
SchemeValues SimulateScheme(const CLogicalScheme& scheme, bool keepAll);

// Reference: combination by combination, each block's input assembled as a
// bit string of IntToBits texts and read back with BitsToInt.
SchemeValues SimulateSchemePlain(const CLogicalScheme& scheme, bool keepAll);

}  // namespace lodex
