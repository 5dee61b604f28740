#include "synthesis/Serial.h"

#include <bit>

namespace lodex {
namespace {

bool AllUndefined(const Words& row) {
  for (int32_t w : row)
    if (w != -1) return false;
  return true;
}

// Input links of `block` whose mask bit equals `bound`, in ascending order.
std::vector<CBlockInput> LinksWhere(const CLogicalBlock& block, int32_t mask, bool bound) {
  std::vector<CBlockInput> out;
  for (int k = 0; k < block.m_inputCount && static_cast<size_t>(k) < block.m_inputs.size(); ++k)
    if ((((mask >> k) & 1) != 0) == bound) out.push_back(block.m_inputs[static_cast<size_t>(k)]);
  return out;
}

int BoundCount(const CLogicalBlock& block, int32_t mask) {
  int k = 0;
  for (int i = 0; i < block.m_inputCount; ++i) k += (mask >> i) & 1;
  return k;
}

}  // namespace

RowClasses ClassifyRows(const SplitTable& table, int64_t limit) {
  RowClasses out;
  out.rowClass.assign(table.size(), -1);
  for (size_t t = 0; t < table.size(); ++t) {
    if (AllUndefined(table[t])) continue;
    size_t c = 0;
    while (c < out.representatives.size() && !MergeWords(out.representatives[c], table[t])) ++c;
    if (c == out.representatives.size()) {
      if (limit >= 0 && static_cast<int64_t>(c) + 1 > limit) {
        out.stopped = true;
        return out;
      }
      out.representatives.push_back(table[t]);
    }
    out.rowClass[t] = static_cast<int32_t>(c);
  }
  return out;
}

int SplitOutputs(int64_t classes) {
  int r = 0;
  while ((int64_t{1} << r) < classes) ++r;
  return r < 1 ? 1 : r;
}

int64_t SplitComplexity(int n, int m, int k, int r) {
  return static_cast<int64_t>(r) * (int64_t{1} << k) + static_cast<int64_t>(m) * (int64_t{1} << (n - k + r));
}

int CandidateOutputs(int n, int m, const SplitCandidate& candidate) {
  const int k = std::popcount(static_cast<uint32_t>(candidate.mask));
  for (int r = 1; r <= k; ++r)
    if (SplitComplexity(n, m, k, r) == candidate.complexity) return r;
  return k;
}

std::optional<SplitCandidate> EvaluateSplit(const CLogicalScheme& scheme, int32_t mask, int block) {
  if (block < 0 || block >= scheme.GetBlockCount()) return std::nullopt;
  const CLogicalBlock& f = scheme.GetBlock(block);
  const int n = f.m_inputCount, m = f.m_outputCount;
  if (n < 1 || n > kMaxSplitInputs || m < 1) return std::nullopt;
  const int k = BoundCount(f, mask);
  const SplitTable table = scheme.BuildSplitTable(block, mask);
  const int64_t half = static_cast<int64_t>(table.size()) / 2;
  const RowClasses classes = ClassifyRows(table, half);
  if (classes.stopped) return std::nullopt;
  // A table without defined rows still needs one class to encode.
  const int r = SplitOutputs(static_cast<int64_t>(classes.representatives.size()));
  const int64_t complexity = SplitComplexity(n, m, k, r);
  if (complexity > static_cast<int64_t>(m) * (int64_t{1} << n)) return std::nullopt;
  return SplitCandidate{mask, static_cast<int32_t>(complexity)};
}

bool ExtractSerial(CLogicalScheme& scheme, int32_t mask, int block, bool merge) {
  if (block < 1 || block >= scheme.GetBlockCount() - 1) return false;
  const CLogicalBlock f = scheme.GetBlock(block);
  const int n = f.m_inputCount;
  if (n < 0 || n > kMaxSplitInputs) return false;
  const int k = BoundCount(f, mask);
  const SplitTable table = scheme.BuildSplitTable(block, mask);
  if (merge) {
    // The block that receives the lower block's outputs must read the bound
    // inputs, one word per row of the table.
    if (block + 1 >= scheme.GetBlockCount() - 1) return false;
    const CLogicalBlock& next = scheme.GetBlock(block + 1);
    if (LPToWords(next.m_lp, next.m_wordDigits).size() != table.size()) return false;
  }
  RowClasses classes = ClassifyRows(table);
  const int r = SplitOutputs(static_cast<int64_t>(classes.representatives.size()));
  if (merge && scheme.GetBlock(block + 1).m_outputCount + r > 31) return false;
  const size_t columns = table.empty() ? 0 : table[0].size();
  classes.representatives.resize(size_t{1} << r, Words(columns, -1));

  // Higher block: word col * 2^r + q is word col of representative q.
  Words higher;
  higher.reserve(columns << r);
  for (size_t col = 0; col < columns; ++col)
    for (const Words& rep : classes.representatives) higher.push_back(rep[col]);

  CLogicalBlock lower;
  lower.m_wordDigits = WordDigitsFor(r);
  lower.m_lp = ToUpperAscii(WordsToLP(classes.rowClass, lower.m_wordDigits));
  lower.m_id = scheme.NextBlockId();
  lower.m_caption = lower.m_id;
  lower.m_inputCount = k;
  lower.m_outputCount = r;
  lower.m_inputs = LinksWhere(f, mask, true);

  CLogicalBlock upper = f;
  upper.m_lp = ToUpperAscii(WordsToLP(higher, f.m_wordDigits));
  upper.m_inputCount = n - k + r;
  upper.m_inputs.clear();
  for (int q = 0; q < r; ++q) upper.m_inputs.emplace_back(static_cast<int16_t>(q), lower.m_id);
  for (const CBlockInput& link : LinksWhere(f, mask, false)) upper.m_inputs.push_back(link);

  if (!merge) {
    scheme.InsertBlock(block + 1, lower);
    scheme.SetBlock(block, upper);
    return true;
  }
  // Merge: the lower block's outputs become outputs q .. q + r - 1 of the
  // next block, whose own outputs keep the low bits.
  CLogicalBlock next = scheme.GetBlock(block + 1);
  const int q = next.m_outputCount;
  Words v = LPToWords(next.m_lp, next.m_wordDigits);
  for (size_t t = 0; t < v.size(); ++t) {
    const int32_t cls = classes.rowClass[t];
    if (cls == -1) continue;
    const uint32_t high = static_cast<uint32_t>(cls) << q;
    v[t] = static_cast<int32_t>((v[t] == -1 ? 0u : static_cast<uint32_t>(v[t])) + high);
  }
  next.m_outputCount = q + r;
  next.m_wordDigits = WordDigitsFor(q + r);
  next.m_reserved = 0;
  next.m_lp = ToUpperAscii(WordsToLP(v, next.m_wordDigits));
  for (int t = 0; t < r; ++t)
    upper.m_inputs[static_cast<size_t>(t)] = CBlockInput(static_cast<int16_t>(q + t), next.m_id);
  scheme.SetBlock(block + 1, next);
  scheme.SetBlock(block, upper);
  return true;
}

}  // namespace lodex
