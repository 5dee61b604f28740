// Schemes for the drawing tests: hand-built ones and schemes that the
// synthesis operations build from random projects.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "model/LogicalScheme.h"
#include "synthesis/Covering.h"
#include "synthesis/OpsTestUtil.h"  // tests/synthesis: Block, Scheme
#include "synthesis/Parallel.h"
#include "synthesis/Serial.h"
#include "synthesis/SerialSearch.h"

namespace lodex::testing {

// A logic block captioned "Блок <id>", as the drawing shows captions.
inline CLogicalBlock LogicBlock(const std::string& id, const std::string& lp, std::vector<CBlockInput> inputs,
                                int outputs = 1) {
  CLogicalBlock b = Block(id, lp, std::move(inputs), outputs);
  b.m_caption = "Блок " + id;
  return b;
}

// Primary inputs I:0 .. I:n-1, the logic blocks in order, the output block
// reading `outputs`.
inline CLogicalScheme MakeScheme(int inputs, std::vector<CLogicalBlock> blocks, std::vector<CBlockInput> outputs) {
  const int digits = WordDigitsFor(static_cast<int>(outputs.size()));
  return Scheme(inputs, std::move(blocks), std::move(outputs), "", digits);
}

// A chain of `blocks` two-input blocks, B1 reading the inputs and each next
// block its predecessor: a diagram far larger than any window.
inline CLogicalScheme LongChain(int blocks) {
  std::vector<CLogicalBlock> chain;
  for (int k = blocks; k >= 1; --k) {
    const std::string source = k == 1 ? "I" : "B" + std::to_string(k - 1);
    chain.push_back(LogicBlock("B" + std::to_string(k), "0110", {{0, source}, {static_cast<int16_t>(k % 2), "I"}}));
  }
  return MakeScheme(2, chain, {{0, "B" + std::to_string(blocks)}});
}

// A project whose outputs are the last signals of a random network of
// two-input gates, so that its sequence has structure to decompose.
inline std::string StructuredSequence(std::mt19937& rng, int n, int m) {
  const int gates = n + m + 2;
  std::vector<std::pair<int, int>> operands;
  std::vector<int> ops;
  for (int g = 0; g < gates; ++g) {
    std::uniform_int_distribution<int> pick(0, n + g - 1);
    operands.emplace_back(pick(rng), pick(rng));
    ops.push_back(std::uniform_int_distribution<int>(0, 3)(rng));
  }
  Words words(size_t{1} << n);
  for (size_t row = 0; row < words.size(); ++row) {
    std::vector<int> v;
    for (int k = 0; k < n; ++k) v.push_back(static_cast<int>((row >> k) & 1));
    for (int g = 0; g < gates; ++g) {
      const int a = v[static_cast<size_t>(operands[static_cast<size_t>(g)].first)];
      const int b = v[static_cast<size_t>(operands[static_cast<size_t>(g)].second)];
      const int op = ops[static_cast<size_t>(g)];
      v.push_back(op == 0 ? (a & b) : op == 1 ? (a | b) : op == 2 ? (a ^ b) : !(a & b));
    }
    int32_t word = 0;
    for (int j = 0; j < m; ++j) word |= v[v.size() - 1 - static_cast<size_t>(j)] << j;
    words[row] = word;
  }
  return ToUpperAscii(WordsToLP(words, WordDigitsFor(m)));
}

// A project of n inputs and m outputs taken apart by random serial and
// parallel decompositions, then covered by NAND elements when `nand`.
inline CLogicalScheme DecomposedScheme(std::mt19937& rng, int n, int m, bool nand) {
  CLogicalScheme s(static_cast<int16_t>(n), static_cast<int16_t>(m), "Bl_1", StructuredSequence(rng, n, m));
  for (int step = 0; step < 20; ++step) {
    const int count = s.GetBlockCount();
    const int b = std::uniform_int_distribution<int>(1, count - 2)(rng);
    const CLogicalBlock& block = s.GetBlock(b);
    if (block.m_outputCount > 1 && std::bernoulli_distribution(0.5)(rng)) {
      const int32_t all = (int32_t{1} << block.m_outputCount) - 1;
      const int32_t out2 = std::uniform_int_distribution<int32_t>(1, all - 1)(rng);
      const int32_t inputs = (int32_t{1} << block.m_inputCount) - 1;
      ParallelSplit(s, b, inputs, all & ~out2, inputs, out2);
    } else if (block.m_inputCount >= 2) {
      const std::vector<SplitCandidate> c = SearchSplitsReference(s, b);
      if (c.empty()) continue;
      ExtractSerial(s, c[std::uniform_int_distribution<size_t>(0, c.size() - 1)(rng)].mask, b, false);
    }
    s.RenumberCaptions();
    s.RemoveRepeaters();
    s.RemoveInverters();
  }
  if (nand) CoverNand(s);
  return s;
}

}  // namespace lodex::testing
