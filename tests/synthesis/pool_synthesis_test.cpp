// The pool synthesis of one block, and the truth tables it computes with.
#include <gtest/gtest.h>

#include <random>

#include "OpsTestUtil.h"
#include "synthesis/Analysis.h"
#include "synthesis/PoolSynthesis.h"
#include "synthesis/SchemeCleanup.h"
#include "synthesis/TruthTable.h"

namespace lodex {
namespace {

using testing::kRoundDivisor;
using testing::RandomSequence;

CLogicalBlock BlockOf(int n, int m, const std::string& lp) { return CLogicalScheme(n, m, "Bl_1", lp).GetBlock(1); }

// The scheme made for `block`: every logic block within K, and every
// defined word of the block computed. Returns its one-output elements.
int ExpectComputes(const CLogicalBlock& block, const PoolSynthesisResult& made, int k, const std::string& what) {
  EXPECT_TRUE(made.scheme) << what;
  if (!made.scheme) return 0;
  CLogicalScheme s = *made.scheme;
  s.m_sourceLP = block.m_lp;
  s.m_wordDigits = block.m_wordDigits;
  for (int b = 1; b < s.GetBlockCount() - 1; ++b) {
    EXPECT_LE(s.GetBlock(b).m_inputCount, k) << what;
    EXPECT_LE(s.GetBlock(b).m_outputCount, 31) << what;
  }
  const AnalysisResult analysed = Analize(s);
  EXPECT_TRUE(analysed.status) << what << ": " << analysed.status.message();
  EXPECT_TRUE(MismatchedWords(s.m_sourceLP, analysed.sequence, s.m_wordDigits).empty()) << what;
  return CountElements(s);
}

TEST(PoolSynthesis, RandomBlocksAtEveryWidthBothObjectivesAndABoundOnLevels) {
  std::mt19937 rng(41);
  for (int round = 0; round < 40 / kRoundDivisor; ++round) {
    const int n = 3 + round % 8;
    const int m = 1 + round % 5;
    const int k = 2 + round % 5;
    const double undefined = (round / 5) % 2 == 0 ? 0.0 : 0.3;
    const CLogicalBlock block = BlockOf(n, m, RandomSequence(rng, n, m, undefined));
    PoolSynthesisOptions options;
    options.maxInputs = k;
    options.objective = round % 2 == 0 ? SynthesisObjective::Luts : SynthesisObjective::Depth;
    options.lookahead = 1 + round % 2;
    options.maxLevel = round % 3 == 0 ? 3 : 0;
    for (int j = m - 1; j >= 0; --j) options.order.push_back(j);
    const std::string what = "n=" + std::to_string(n) + " m=" + std::to_string(m) + " K=" + std::to_string(k) +
                             " round " + std::to_string(round);
    const PoolSynthesisResult first = SynthesiseWithPool(block, options);
    ExpectComputes(block, first, k, what);
    const PoolSynthesisResult second = SynthesiseWithPool(block, options);
    ASSERT_TRUE(first.scheme && second.scheme) << what;
    EXPECT_EQ(*first.scheme, *second.scheme) << what << ": two runs differ";
  }
}

TEST(PoolSynthesis, OutputsReuseWhatIsMadeAndCostNothingWhenTrivial) {
  // Outputs: a six-input parity p, p again, its complement, input 2, the
  // constants 0 and 1. At K = 4 the parity takes two elements and its
  // complement an inverter (both polarities are outputs); the rest are free.
  std::string lp;
  for (int i = 0; i < 64; ++i) {
    const int p = std::popcount(static_cast<unsigned>(i)) & 1;
    const int word = p | p << 1 | (1 - p) << 2 | ((i >> 2) & 1) << 3 | 1 << 5;
    static const char* kHex = "0123456789ABCDEF";
    lp += kHex[word >> 4];
    lp += kHex[word & 15];
  }
  const CLogicalBlock block = BlockOf(6, 6, lp);
  PoolSynthesisOptions options;
  options.maxInputs = 4;
  EXPECT_EQ(ExpectComputes(block, SynthesiseWithPool(block, options), 4, "parity"), 3);
  // Without the plain parity among the outputs, its element is complemented
  // instead and the inverter goes.
  std::string complementOnly;
  for (int i = 0; i < 64; ++i) complementOnly += std::popcount(static_cast<unsigned>(i)) % 2 == 0 ? '1' : '0';
  const CLogicalBlock odd = BlockOf(6, 1, complementOnly);
  EXPECT_EQ(ExpectComputes(odd, SynthesiseWithPool(odd, options), 4, "complement"), 2);
}

TEST(PoolSynthesis, SharedCarriesKeepAnAdderSmall) {
  // A four-bit adder (a + b, 8 inputs, 5 outputs) at K = 3, the outputs made
  // from the lowest: each sum bit and the carry out reuse the carries made
  // for the bits below, so ripple carry's 8 elements suffice.
  std::string lp;
  for (int i = 0; i < 256; ++i) {
    const int sum = (i & 15) + (i >> 4);
    lp += "0123456789ABCDEF"[sum >> 4];
    lp += "0123456789ABCDEF"[sum & 15];
  }
  const CLogicalBlock block = BlockOf(8, 5, lp);
  PoolSynthesisOptions options;
  options.maxInputs = 3;
  for (int j = 0; j < 5; ++j) options.order.push_back(j);
  EXPECT_LE(ExpectComputes(block, SynthesiseWithPool(block, options), 3, "adder"), 8);
}

TEST(PoolSynthesis, RefusalsBudgetAndCancel) {
  std::mt19937 rng(7);
  const CLogicalBlock block = BlockOf(10, 3, RandomSequence(rng, 10, 3, 0.0));
  PoolSynthesisOptions options;
  options.maxInputs = 1;
  EXPECT_FALSE(SynthesiseWithPool(block, options).scheme) << "K out of range";
  options.maxInputs = 3;
  options.budget = 1000;
  const PoolSynthesisResult poor = SynthesiseWithPool(block, options);
  EXPECT_FALSE(poor.scheme);
  EXPECT_TRUE(poor.exhausted);
  EXPECT_FALSE(poor.cancelled);
  options.budget = uint64_t{1} << 40;
  int polls = 0;
  options.poll = [&] { return ++polls < 3; };
  const PoolSynthesisResult cancelled = SynthesiseWithPool(block, options);
  EXPECT_FALSE(cancelled.scheme);
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(polls, 3) << "no poll after the cancel";
}

// Bit by bit, the word-wise operations on every input of tables of up to
// eight inputs (both sides of the word boundary at six).
TEST(TruthTable, WordWiseOperationsMatchTheBitsOnEveryInput) {
  std::mt19937 rng(3);
  for (int n = 0; n <= 8; ++n) {
    for (int round = 0; round < 20; ++round) {
      TruthTable f(n), care(n);
      for (size_t i = 0; i < f.Bits(); ++i) {
        f.Assign(i, rng() & 1);
        care.Assign(i, rng() % 4 != 0);
      }
      EXPECT_EQ((~f).Count(), f.Bits() - f.Count());
      const int relation = f.CompareOn(round % 2 ? ~f : f, care);
      EXPECT_EQ(relation, care.IsZero() ? 0 : round % 2);
      for (int k = 0; k < n; ++k) {
        const TruthTable flipped = f.Flipped(k), exists = f.Exists(k), projection = TruthTable::Projection(n, k);
        bool depends = false;
        for (size_t i = 0; i < f.Bits(); ++i) {
          const size_t j = i ^ (size_t{1} << k);
          ASSERT_EQ(flipped.Get(i), f.Get(j)) << n << " " << k;
          ASSERT_EQ(exists.Get(i), f.Get(i) || f.Get(j)) << n << " " << k;
          ASSERT_EQ(projection.Get(i), ((i >> k) & 1) != 0);
          depends = depends || (care.Get(i) && care.Get(j) && f.Get(i) != f.Get(j));
        }
        EXPECT_EQ(f.DependsOn(k, care), depends) << n << " " << k;
      }
    }
  }
}

}  // namespace
}  // namespace lodex
