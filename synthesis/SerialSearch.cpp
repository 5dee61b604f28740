#include "synthesis/SerialSearch.h"

#include <algorithm>

namespace lodex {

std::vector<SplitCandidate> SearchSplitsReference(const CLogicalScheme& scheme, int block) {
  std::vector<SplitCandidate> out;
  if (block < 0 || block >= scheme.GetBlockCount()) return out;
  const int n = scheme.GetBlock(block).m_inputCount;
  if (n < 2 || n > 30) return out;
  for (int32_t mask = (int32_t{1} << n) - 2; mask >= 1; --mask)
    if (auto c = EvaluateSplit(scheme, mask, block)) out.push_back(*c);
  std::sort(out.begin(), out.end());
  return out;
}

SerialSearchResult SearchSplits(const CLogicalScheme& scheme, int block, const SerialSearchOptions& options) {
  SerialSearchResult result;
  result.candidates = SearchSplitsReference(scheme, block);
  if (options.progress) options.progress(1, 1);
  return result;
}

}  // namespace lodex
