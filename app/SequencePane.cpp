#include "app/SequencePane.h"

#include "model/PrintableText.h"

namespace lodex {

std::vector<std::string> LayoutSequence(std::string_view lp, int digits) {
  const size_t d = digits < 1 ? 1 : static_cast<size_t>(digits);
  std::vector<std::string> lines;
  std::string line;
  for (size_t j = 0; j < lp.size(); ++j) {
    if (j % (4 * d) == 0) line += j > 0 ? "  " : "       ";
    if (j > 0 && j % d == 0) line += ' ';
    if (j > 0 && j % (16 * d) == 0) {
      lines.push_back(std::move(line));
      line = "       ";
    }
    line += lp[j];
  }
  // The last line; for the lengths of valid sequences (16-word multiples or
  // fewer than 16 words) this is exactly the rule of the list, and a text of
  // any other length still shows its tail.
  if (!line.empty() || lp.empty()) lines.push_back(std::move(line));
  return lines;
}

std::vector<std::string> ShowBlocks(const CLogicalScheme& scheme, std::vector<int>* owners) {
  std::vector<std::string> lines;
  if (owners) owners->clear();
  for (int i = 1; i < scheme.GetBlockCount() - 1; ++i) {
    const CLogicalBlock& b = scheme.GetBlock(i);
    lines.push_back(PrintableText(b.m_caption) + ":");
    for (std::string& l : LayoutSequence(b.m_lp, b.m_wordDigits)) lines.push_back(std::move(l));
    if (owners) owners->resize(lines.size(), i);
  }
  return lines;
}

std::vector<std::string> ShowSource(std::string_view lp, int digits) { return LayoutSequence(lp, digits); }

}  // namespace lodex
