#include "synthesis/Tiers.h"

#include <algorithm>

namespace lodex {

void ComputeTiers(CLogicalScheme& scheme) {
  const int count = scheme.GetBlockCount();
  if (count < 2) return;
  std::vector<int32_t> tier(static_cast<size_t>(count), -1);
  tier[0] = 0;
  auto settle = [&](int k) {
    CLogicalBlock& block = scheme.GetBlock(k);
    int known = 0;
    int32_t highest = 0;
    for (const CBlockInput& link : block.m_inputs) {
      const int source = scheme.FindBlock(link.m_source);
      if (source < 0 || tier[static_cast<size_t>(source)] < 0) continue;
      ++known;
      highest = std::max(highest, tier[static_cast<size_t>(source)]);
    }
    if (known == block.m_inputCount) tier[static_cast<size_t>(k)] = highest + 1;
    block.m_tier = tier[static_cast<size_t>(k)];
  };
  for (int k = count - 2; k >= 1; --k) settle(k);
  settle(count - 1);
}

bool IsElementary(const CLogicalScheme& scheme) {
  for (int k = 1; k < scheme.GetBlockCount() - 1; ++k) {
    const CLogicalBlock& block = scheme.GetBlock(k);
    if (block.m_inputCount > 2 || block.m_outputCount > 1) return false;
  }
  return true;
}

}  // namespace lodex
