#include "synthesis/ThreeInput.h"

namespace lodex {
namespace {

Status CheckOneOutputBlock(const CLogicalScheme& scheme, int block) {
  if (block < 1 || block >= scheme.GetBlockCount() - 1)
    return Status::Error("block " + std::to_string(block) + " is not a logic block");
  const CLogicalBlock& b = scheme.GetBlock(block);
  if (b.m_outputCount != 1)
    return Status::Error("block " + b.m_id + " has " + std::to_string(b.m_outputCount) + " outputs, not 1");
  return Status::Ok();
}

}  // namespace

std::vector<int32_t> ThreeInputTypes(const CLogicalScheme& scheme, int block) {
  if (!CheckOneOutputBlock(scheme, block)) return {};
  const int n = scheme.GetBlock(block).m_inputCount;
  std::vector<int32_t> types;
  for (int i = 0; i < n; ++i) {
    SplitTable halves = scheme.BuildSplitTable(block, int32_t{1} << i);
    Words& a = halves[0];
    Words& b = halves[1];
    bool seen[4] = {false, false, false, false};
    for (size_t p = 0; p < a.size(); ++p) {
      if (a[p] == -1 && b[p] != -1) a[p] = b[p];
      if (b[p] == -1 && a[p] != -1) b[p] = a[p];
      // h = A + 2B; pair numbers are 2A + B, so h = 1 is pair 2 and h = 2
      // pair 1. Both undefined (h = -3) counts as pair 0.
      switch (a[p] + 2 * b[p]) {
        case 0: case -3: seen[0] = true; break;
        case 1: seen[2] = true; break;
        case 2: seen[1] = true; break;
        case 3: seen[3] = true; break;
        default: break;
      }
    }
    int32_t type = 5;
    for (int t = 3; t >= 0; --t)
      if (!seen[t]) {
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
  if (x < 0 || x >= n) return Status::Error("block " + source.m_id + " has no input " + std::to_string(x));
  if (type < 1 || type > 5) return Status::Error("selector type " + std::to_string(type) + " is outside 1..5");

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

  // Fix don't-cares of A and B so that the pair the selector ignores (its
  // '*' positions) cannot occur.
  for (size_t p = 0; p < a.m_lp.size() && p < b.m_lp.size(); ++p) {
    char& ca = a.m_lp[p];
    char& cb = b.m_lp[p];
    if (ca == '*') {
      if ((type == 1 && cb == '0') || (type == 2 && cb == '1')) ca = '1';
      if ((type == 3 && cb == '0') || (type == 4 && cb == '1')) ca = '0';
    }
    if (cb == '*') {
      if ((type == 1 && ca == '0') || (type == 3 && ca == '1')) cb = '1';
      if ((type == 2 && ca == '0') || (type == 4 && ca == '1')) cb = '0';
    }
  }

  scheme.SetBlock(block, selector);
  scheme.InsertBlock(block + 1, a);
  scheme.InsertBlock(block + 2, b);
  return Status::Ok();
}

}  // namespace lodex
