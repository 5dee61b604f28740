// Scheme analysis: the sequence that the scheme as a whole computes.
//
// Cost: one simulation of the scheme (Simulation.h), O(2^n · (B + L)) for n
// primary inputs, B blocks and L links; MismatchedWords is linear in the
// length of the sequences.
// See: the program's own method (exhaustive simulation in evaluation order).
#pragma once

#include <string>
#include <vector>

#include "model/LogicalScheme.h"
#include "model/Status.h"

namespace lodex {

struct AnalysisResult {
  // Not ok when the scheme cannot be simulated (a link naming no block, a
  // block reading one that is not after it, a malformed sequence); the
  // message then says which block and link, and `sequence` is empty.
  Status status = Status::Ok();
  // N words of the scheme's word digits, upper-case, '*' words undefined.
  std::string sequence;
};

// Simulates the scheme for every combination of its source sequence.
AnalysisResult Analize(const CLogicalScheme& scheme);
// The same through the plain text-per-combination simulation (reference).
AnalysisResult AnalizePlain(const CLogicalScheme& scheme);

// Indices of the words at which `source` and `computed` (both of `digits`
// characters per word) differ while neither is entirely '*'.
std::vector<int> MismatchedWords(const std::string& source, const std::string& computed, int digits);

}  // namespace lodex
