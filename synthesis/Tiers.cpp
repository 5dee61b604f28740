#include "synthesis/Tiers.h"

#include <algorithm>
#include <unordered_map>

namespace lodex {

void ComputeTiers(CLogicalScheme& scheme) {
  const int count = scheme.GetBlockCount();
  if (count < 2) return;
  std::vector<int32_t> tier(static_cast<size_t>(count), -1);
  tier[0] = 0;
  // Identifier to index, the first block of an identifier winning as in
  // FindBlock.
  std::unordered_map<std::string, int> index;
  for (int k = 0; k < count; ++k) index.emplace(scheme.GetBlock(k).m_id, k);
  auto settle = [&](int k) {
    CLogicalBlock& block = scheme.GetBlock(k);
    int known = 0;
    int32_t highest = 0;
    for (const CBlockInput& link : block.m_inputs) {
      const auto found = index.find(link.m_source);
      if (found == index.end() || tier[static_cast<size_t>(found->second)] < 0) continue;
      const int source = found->second;
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
