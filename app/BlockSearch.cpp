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

int FindLogicBlock(const CLogicalScheme& scheme, const std::string& query) {
  const std::string name = Trimmed(query);
  const int count = scheme.GetBlockCount();
  if (name.empty() || count < 3) return -1;
  int index = -1;
  const char* end = name.data() + name.size();
  if (auto [p, ec] = std::from_chars(name.data(), end, index); ec == std::errc() && p == end)
    return index >= 1 && index <= count - 2 ? index : -1;
  if (const int byId = scheme.FindBlock(name); byId >= 1 && byId <= count - 2) return byId;
  for (int i = 1; i <= count - 2; ++i)
    if (Trimmed(scheme.GetBlock(i).m_caption) == name) return i;
  return -1;
}

}  // namespace lodex
