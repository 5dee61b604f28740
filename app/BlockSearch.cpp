#include "app/BlockSearch.h"

#include <charconv>

namespace lodex {
namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::optional<int> BlockPosition(const std::string& name) {
  int index = -1;
  const char* end = name.data() + name.size();
  if (auto [p, ec] = std::from_chars(name.data(), end, index); ec == std::errc() && p == end) return index;
  return std::nullopt;
}

bool IsLogicBlock(const CLogicalScheme& scheme, int index) { return index >= 1 && index <= scheme.GetBlockCount() - 2; }

int FindLogicBlock(const CLogicalScheme& scheme, const std::string& query) {
  const std::string name = Trimmed(query);
  if (name.empty() || scheme.IsEmpty()) return -1;
  if (const std::optional<int> position = BlockPosition(name)) return IsLogicBlock(scheme, *position) ? *position : -1;
  if (const int byId = scheme.FindBlock(name); IsLogicBlock(scheme, byId)) return byId;
  for (int i = 1; IsLogicBlock(scheme, i); ++i)
    if (Trimmed(scheme.GetBlock(i).m_caption) == name) return i;
  return -1;
}

}  // namespace lodex
