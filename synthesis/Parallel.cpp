#include "synthesis/Parallel.h"

namespace lodex {
namespace {

// Set bits of `mask` below `limit`, ascending.
std::vector<int> SetBits(int32_t mask, int limit) {
  std::vector<int> bits;
  for (int i = 0; i < limit && i < 32; ++i)
    if ((static_cast<uint32_t>(mask) >> i) & 1u) bits.push_back(i);
  return bits;
}

// Points every link that reads output k of `id` (k the set bits of
// `outputs`, ascending) at pin j of `target`, j counting those bits.
void Rewire(CLogicalScheme& scheme, const std::string& id, int32_t outputs, int outputCount,
            const std::string& target) {
  const std::vector<int> ks = SetBits(outputs, outputCount);
  for (size_t j = 0; j < ks.size(); ++j) {
    for (const auto& [b, input] : scheme.FindConsumers(CBlockInput(static_cast<int16_t>(ks[j]), id))) {
      CLogicalBlock consumer = scheme.GetBlock(b);
      CBlockInput& link = consumer.m_inputs[static_cast<size_t>(input)];
      link.m_source = target;
      link.m_pin = static_cast<int16_t>(j);
      scheme.SetBlock(b, consumer);
    }
  }
}

}  // namespace

Words OutputColumn(const CLogicalScheme& scheme, int block, int k) {
  const CLogicalBlock& b = scheme.GetBlock(block);
  Words column = LPToWords(b.m_lp, b.m_wordDigits);
  for (int32_t& v : column)
    if (v != -1) v = (k >= 0 && k < 32) ? static_cast<int32_t>((static_cast<uint32_t>(v) >> k) & 1u) : 0;
  return column;
}

CLogicalBlock MakeSubBlock(const CLogicalScheme& scheme, int block, int32_t inputMask, int32_t outputMask,
                           const std::string& id) {
  const CLogicalBlock& source = scheme.GetBlock(block);
  const int n = source.m_inputCount;
  CLogicalBlock part = source;

  // Output restriction: the selected outputs, renumbered from 0.
  Words w(size_t{1} << n, 0);
  const std::vector<int> outputs = SetBits(outputMask, source.m_outputCount);
  for (size_t d = 0; d < outputs.size(); ++d) {
    const Words column = OutputColumn(scheme, block, outputs[d]);
    for (size_t x = 0; x < w.size() && x < column.size(); ++x) {
      if (column[x] == -1)
        w[x] = -1;
      else if (w[x] != -1)
        w[x] += column[x] << d;
    }
  }
  part.m_outputCount = static_cast<int32_t>(outputs.size());
  part.m_wordDigits = WordDigitsFor(part.m_outputCount);
  part.m_lp = WordsToLP(w, part.m_wordDigits);

  // Input restriction: the cofactors over the removed inputs, each position
  // taken from the lowest cofactor that defines it.
  const int32_t all = static_cast<int32_t>((uint32_t{1} << n) - 1u);
  const SplitTable cofactors = CLogicalScheme(part).BuildSplitTable(1, all & ~inputMask);
  Words merged = cofactors.front();
  for (const Words& cofactor : cofactors)
    for (size_t x = 0; x < merged.size(); ++x)
      if (merged[x] == -1) merged[x] = cofactor[x];

  const std::vector<int> kept = SetBits(inputMask, n);
  part.m_inputCount = static_cast<int32_t>(kept.size());
  part.m_lp = ToUpperAscii(WordsToLP(merged, part.m_wordDigits));
  part.m_id = id;
  part.m_reserved = 0;
  part.m_inputs.clear();
  for (int i : kept) part.m_inputs.push_back(source.m_inputs[static_cast<size_t>(i)]);
  return part;
}

bool SubBlockKeepsFunction(const CLogicalScheme& scheme, int block, int32_t inputMask, int32_t outputMask) {
  const CLogicalBlock& b = scheme.GetBlock(block);
  const Words w = LPToWords(b.m_lp, b.m_wordDigits);
  const uint32_t kept = static_cast<uint32_t>(inputMask);
  const uint32_t outputs = static_cast<uint32_t>(outputMask);
  // The first defined value seen for every assignment of the kept inputs.
  Words first(w.size(), -1);
  for (size_t x = 0; x < w.size(); ++x) {
    if (w[x] == -1) continue;
    const int32_t value = static_cast<int32_t>(static_cast<uint32_t>(w[x]) & outputs);
    int32_t& seen = first[x & kept];
    if (seen == -1)
      seen = value;
    else if (seen != value)
      return false;
  }
  return true;
}

void ParallelSplit(CLogicalScheme& scheme, int block, int32_t in1, int32_t out1, int32_t in2, int32_t out2) {
  const CLogicalBlock source = scheme.GetBlock(block);
  const std::string& id = source.m_id;
  const std::string secondId = scheme.NextBlockId();

  if (out1 <= 0 || out2 <= 0) {
    const bool second = out1 == 0;
    const int32_t in = second ? in2 : in1;
    const int32_t out = second ? out2 : out1;
    const CLogicalBlock part = MakeSubBlock(scheme, block, in, out, id);
    Rewire(scheme, id, out, source.m_outputCount, id);
    scheme.SetBlock(block, part);
    return;
  }

  const CLogicalBlock first = MakeSubBlock(scheme, block, in1, out1, id);
  CLogicalBlock second = MakeSubBlock(scheme, block, in2, out2, secondId);
  second.m_caption = "Блок 2";
  // Group 2 first: its links leave `id`, so the group-1 pass cannot find
  // them again; within group 1 a pin only ever moves down.
  Rewire(scheme, id, out2, source.m_outputCount, secondId);
  Rewire(scheme, id, out1, source.m_outputCount, id);
  scheme.SetBlock(block, second);
  scheme.InsertBlock(block, first);
}

void ParallelSplit(CLogicalScheme& scheme, int block, const SplitRequest& r) {
  ParallelSplit(scheme, block, r.in1, r.out1, r.in2, r.out2);
}

}  // namespace lodex
