#include "synthesis/ThreeInput.h"

#include <array>

namespace lodex {
namespace {

Status CheckOneOutputBlock(const CLogicalScheme& scheme, int block) {
  if (block < 1 || block >= scheme.GetBlockCount() - 1) return Status::Error(ReasonCode::NotLogicBlock, {block});
  const CLogicalBlock& b = scheme.GetBlock(block);
  if (b.m_outputCount != 1) return Status::Error(ReasonCode::NotOneOutput, {b.m_id, b.m_outputCount});
  return Status::Ok();
}

// Which pairs (A, B) of the two cofactors over input x occur, numbered
// 2A + B; an undefined word of one cofactor takes the other's value, and
// both undefined counts as pair 0. Reads the block's words in place and stops
// once every pair has occurred.
std::array<bool, 4> PairsSeen(const Words& w, int x) {
  std::array<bool, 4> seen = {false, false, false, false};
  const size_t bit = size_t{1} << x;
  int found = 0;
  for (size_t p = 0; p < w.size() && found < 4; ++p) {
    if ((p & bit) || (p | bit) >= w.size()) continue;
    int32_t a = w[p], c = w[p | bit];
    if (a == -1) a = c;
    if (c == -1) c = a;
    const size_t pair = a == -1 ? 0 : static_cast<size_t>(2 * (a & 1) + (c & 1));
    if (!seen[pair]) seen[pair] = true, ++found;
  }
  return seen;
}

}  // namespace

std::vector<int32_t> ThreeInputTypes(const CLogicalScheme& scheme, int block) {
  if (!CheckOneOutputBlock(scheme, block)) return {};
  const CLogicalBlock& b = scheme.GetBlock(block);
  const Words w = LPToWords(b.m_lp, b.m_wordDigits);
  std::vector<int32_t> types;
  for (int i = 0; i < b.m_inputCount; ++i) {
    const std::array<bool, 4> seen = PairsSeen(w, i);
    int32_t type = 5;
    for (int t = 3; t >= 0; --t)
      if (!seen[static_cast<size_t>(t)]) {
        type = t + 1;
        break;
      }
    types.push_back(type);
  }
  return types;
}

std::string SelectorSequence(int32_t type) {
  std::string lp = "00110101";
  if (type >= 1 && type < 5) {
    lp[static_cast<size_t>(type - 1)] = '*';
    lp[static_cast<size_t>(type + 3)] = '*';
  }
  return lp;
}

Status ExtractThreeInput(CLogicalScheme& scheme, int block, int x, int32_t type) {
  if (Status s = CheckOneOutputBlock(scheme, block); !s) return s;
  const CLogicalBlock source = scheme.GetBlock(block);
  const int n = source.m_inputCount;
  if (x < 0 || x >= n) return Status::Error(ReasonCode::NoSuchInput, {source.m_id, x});
  if (type < 1 || type > 5) return Status::Error(ReasonCode::SelectorRange, {type});
  // The selector ignores pair type - 1: that pair must never occur.
  if (type < 5 && PairsSeen(LPToWords(source.m_lp, source.m_wordDigits), x)[static_cast<size_t>(type - 1)])
    return Status::Error(ReasonCode::SelectorMismatch, {type, x, source.m_id});

  const SplitTable halves = CLogicalScheme(source).BuildSplitTable(1, int32_t{1} << x);

  CLogicalBlock selector;
  selector.m_id = source.m_id;
  selector.m_caption = source.m_caption;
  selector.m_inputCount = 3;
  selector.m_outputCount = 1;
  selector.m_wordDigits = 1;
  selector.m_lp = SelectorSequence(type);

  auto cofactorBlock = [&](const Words& words) {
    CLogicalBlock part;
    part.m_id = part.m_caption = scheme.NextBlockId();
    part.m_inputCount = n - 1;
    part.m_outputCount = 1;
    part.m_wordDigits = 1;
    part.m_lp = WordsToLP(words, 1);
    for (int i = 0; i < n; ++i)
      if (i != x) part.m_inputs.push_back(source.m_inputs[static_cast<size_t>(i)]);
    return part;
  };
  CLogicalBlock a = cofactorBlock(halves[0]);
  CLogicalBlock b = cofactorBlock(halves[1]);
  selector.m_inputs = {CBlockInput(0, b.m_id), CBlockInput(0, a.m_id), source.m_inputs[static_cast<size_t>(x)]};

  // A combination undefined in one cofactor only takes the other's value,
  // as the classification assumed. The selector then never meets the pair it
  // ignores, and A and B are defined wherever the block was: an undefined
  // A at a combination with x = 1 would be a signal undefined where the
  // project is defined, which readers other than the selector (after later
  // rewiring) read differently.
  for (size_t p = 0; p < a.m_lp.size() && p < b.m_lp.size(); ++p) {
    char& ca = a.m_lp[p];
    char& cb = b.m_lp[p];
    if (ca == '*') ca = cb;
    if (cb == '*') cb = ca;
  }

  scheme.SetBlock(block, selector);
  scheme.InsertBlock(block + 1, a);
  scheme.InsertBlock(block + 2, b);
  return Status::Ok();
}

}  // namespace lodex
