#include "app/BlockFunctionText.h"

#include "model/LogicSequence.h"

namespace lodex {

std::string TruthTableText(const CLogicalBlock& block) {
  const int n = block.m_inputCount, m = block.m_outputCount;
  const Words words = LPToWords(block.m_lp, block.m_wordDigits);
  std::string text;
  const auto header = [&text](char name, int count) {
    for (int k = 0; k < count; ++k) {
      if (!text.empty()) text += '\t';
      text += name;
      text += std::to_string(k);
    }
  };
  header('x', n);
  header('y', m);
  text += '\n';
  text.reserve(text.size() + words.size() * static_cast<size_t>(2 * (n + m)));
  for (size_t row = 0; row < words.size(); ++row) {
    for (int k = 0; k < n; ++k) {
      text += ((row >> k) & 1u) ? '1' : '0';
      text += '\t';
    }
    for (int k = 0; k < m; ++k) {
      text += words[row] < 0 ? '-' : ((words[row] >> k) & 1) ? '1' : '0';
      text += k + 1 < m ? '\t' : '\n';
    }
    if (m == 0) text.back() = '\n';
  }
  return text;
}

std::string BlockFunctionText(const CLogicalBlock& block, const std::vector<SopCover>& formulas) {
  std::string text;
  for (size_t k = 0; k < formulas.size(); ++k) {
    text += FormulaText(static_cast<int>(k), formulas[k]);
    text += '\n';
  }
  if (!formulas.empty()) text += '\n';
  text += TruthTableText(block);
  return text;
}

}  // namespace lodex
