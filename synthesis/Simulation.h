// Simulation: the value of every block for every primary input combination.
//
// A value is a word, -1 where it is undefined.
//
// A link reads character `m_pin` of IntToBits(source value), '0' beyond its
// end: an undefined source reads '*' on pin 0 and '0' on every other pin. A
// logic block whose assembled input string is exactly "*" is undefined;
// otherwise its word at the index the string spells ('*' counted as 0). The
// output block's value is undefined when its string holds any '*'.
//
// Cost: O(2^n · (B + L)) time for n primary inputs, B blocks and L links,
// after O(B + L + S) to resolve the links and parse the sequences (S their
// total length). With `keepAll` the values take 2^n · B words; without, the
// output block's table and, per thread, a chunk of combinations for every
// block. The plain reference has the same order, with a text per link and
// combination.
// See: the program's own method (exhaustive simulation in evaluation order,
// compiled once into integer tables).
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

// Evaluates every block with integer operations and source indices resolved
// once, a chunk of combinations at a time (small enough for the caches; the
// chunks of a large scheme are shared among up to 8 threads). Without
// `keepAll` the other blocks' values live only in those chunks.
SchemeValues SimulateScheme(const CLogicalScheme& scheme, bool keepAll);

// Reference: combination by combination, each block's input assembled as a
// bit string of IntToBits texts and read back with BitsToInt.
SchemeValues SimulateSchemePlain(const CLogicalScheme& scheme, bool keepAll);

}  // namespace lodex
