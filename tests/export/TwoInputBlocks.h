// Decomposes a scheme with the program's own operations until its logic
// blocks have one output and at most two inputs where a split exists.
#pragma once

#include "model/LogicalScheme.h"
#include "synthesis/Parallel.h"
#include "synthesis/Serial.h"
#include "synthesis/SerialSearch.h"

namespace lodex::testing {

// Splits every block with several outputs by its first output, and every
// one-output block with more than two inputs serially by its first accepted
// mask, until nothing more splits; the clean-up passes run after each step.
inline void DecomposeToTwoInputBlocks(CLogicalScheme& s) {
  for (bool changed = true; changed;) {
    changed = false;
    for (int b = 1; b < s.GetBlockCount() - 1 && !changed; ++b) {
      const CLogicalBlock& block = s.GetBlock(b);
      const int32_t all = static_cast<int32_t>((1u << block.m_inputCount) - 1u);
      if (block.m_outputCount > 1) {
        const int32_t rest = static_cast<int32_t>((1u << block.m_outputCount) - 2u);
        ParallelSplit(s, b, SplitRequest{all, 1, all, rest});
        changed = true;
      } else if (block.m_inputCount > 2) {
        const auto found = SearchSplitsReference(s, b);
        if (found.empty()) continue;
        ExtractSerial(s, found.front().mask, b, false);
        changed = true;
      }
    }
    s.RemoveRepeaters();
    s.RemoveInverters();
  }
}

}  // namespace lodex::testing
