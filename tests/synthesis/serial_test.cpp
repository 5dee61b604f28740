// Serial splits: evaluation of a mask, the split itself, and its texts.
#include <gtest/gtest.h>

#include <bit>

#include "model/SchemeFile.h"
#include "serial_blocks.h"
#include "synthesis/SerialSearch.h"

namespace lodex {
namespace {

using testing::DecomposableScheme;
using testing::RandomScheme;

// The words the output block reads for every combination of the primary
// inputs, evaluated through the links (-1 where an input is undefined).
Words Simulate(const CLogicalScheme& s) {
  const int n = s.GetBlock(0).m_outputCount;
  const int last = s.GetBlockCount() - 1;
  std::vector<Words> seq(static_cast<size_t>(last));
  for (int b = 1; b < last; ++b)
    seq[static_cast<size_t>(b)] = LPToWords(s.GetBlock(b).m_lp, s.GetBlock(b).m_wordDigits);
  Words out(size_t{1} << n);
  std::vector<int32_t> value(static_cast<size_t>(last) + 1);
  auto read = [&](const CLogicalBlock& block) -> int32_t {
    uint32_t index = 0;
    for (size_t i = 0; i < block.m_inputs.size(); ++i) {
      const int src = s.FindBlock(block.m_inputs[i].m_source);
      const int32_t v = value[static_cast<size_t>(src)];
      if (v == -1) return -1;
      index |= ((static_cast<uint32_t>(v) >> block.m_inputs[i].m_pin) & 1u) << i;
    }
    return static_cast<int32_t>(index);
  };
  for (uint32_t x = 0; x < out.size(); ++x) {
    value[0] = static_cast<int32_t>(x);
    for (int b = last - 1; b >= 1; --b) {
      const int32_t index = read(s.GetBlock(b));
      value[static_cast<size_t>(b)] = index == -1 ? -1 : seq[static_cast<size_t>(b)][static_cast<size_t>(index)];
    }
    out[x] = read(s.GetBlock(last));
  }
  return out;
}

void ExpectReproduces(const Words& expected, const CLogicalScheme& s, const std::string& what) {
  ASSERT_EQ(ValidateScheme(s), "") << what;
  const Words got = Simulate(s);
  ASSERT_EQ(got.size(), expected.size()) << what;
  for (size_t x = 0; x < expected.size(); ++x)
    if (expected[x] != -1) {
      ASSERT_EQ(got[x], expected[x]) << what << " combination " << x;
    }
}

// Splits block 1 by every accepted mask and checks the function, the order
// and links, and that the split has the complexity that was offered.
void CheckEveryAcceptedMask(const CLogicalScheme& scheme, const std::string& what) {
  const CLogicalBlock& f = scheme.GetBlock(1);
  const Words expected = LPToWords(scheme.m_sourceLP, scheme.m_wordDigits);
  for (const SplitCandidate& c : SearchSplitsReference(scheme, 1)) {
    CLogicalScheme split = scheme;
    ASSERT_TRUE(ExtractSerial(split, c.mask, 1, false));
    const std::string where = what + " mask " + std::to_string(c.mask);
    ASSERT_EQ(split.GetBlockCount(), 4) << where;
    const CLogicalBlock& lower = split.GetBlock(2);
    const int k = std::popcount(static_cast<uint32_t>(c.mask));
    EXPECT_EQ(SplitComplexity(f.m_inputCount, f.m_outputCount, k, lower.m_outputCount), c.complexity) << where;
    ExpectReproduces(expected, split, where);
  }
}

TEST(SerialSplit, EveryAcceptedMaskReproducesTheBlock) {
  std::mt19937 rng(11);
  for (int round = 0; round < 60; ++round) {
    const int n = 2 + round % 7;
    const int m = 1 + static_cast<int>(rng() % 5);
    const double undefined = 0.1 * static_cast<double>(rng() % 6);
    const uint32_t seed = static_cast<uint32_t>(rng());
    const std::string what = "n=" + std::to_string(n) + " m=" + std::to_string(m) + " seed=" + std::to_string(seed);
    CheckEveryAcceptedMask(RandomScheme(n, m, undefined, seed), "random " + what);
    const uint32_t bound = static_cast<uint32_t>(rng() % ((1u << n) - 2)) + 1;
    CheckEveryAcceptedMask(DecomposableScheme(n, m, undefined, seed, bound, 1 + static_cast<int>(rng() % 3)),
                           "decomposable " + what);
  }
}

// Block 1 = F, block 2 = N reading the bound inputs of `mask` in ascending
// order; the output block reads F's outputs, then N's.
CLogicalScheme WithNextBlock(const CLogicalScheme& base, uint32_t mask, int q, double undefined, uint32_t seed) {
  CLogicalScheme s = base;
  const int n = s.GetBlock(1).m_inputCount;
  const int k = std::popcount(mask);
  CLogicalBlock next = RandomScheme(k, q, undefined, seed).GetBlock(1);
  next.m_id = s.NextBlockId();
  next.m_inputs.clear();
  for (int i = 0; i < n; ++i)
    if ((mask >> i) & 1) next.m_inputs.emplace_back(static_cast<int16_t>(i), "I");
  CLogicalBlock& out = s.m_blocks.back();
  for (int p = 0; p < q; ++p) out.m_inputs.emplace_back(static_cast<int16_t>(p), next.m_id);
  out.m_inputCount = static_cast<int32_t>(out.m_inputs.size());
  s.InsertBlock(2, next);
  s.m_sourceLP.clear();
  return s;
}

TEST(SerialSplit, MergeIntoNextBlockReproducesBoth) {
  std::mt19937 rng(5);
  for (int round = 0; round < 40; ++round) {
    const int n = 3 + round % 5;
    const int m = 1 + static_cast<int>(rng() % 3);
    const double undefined = 0.15 * static_cast<double>(rng() % 4);
    const uint32_t seed = static_cast<uint32_t>(rng());
    const uint32_t bound = static_cast<uint32_t>(rng() % ((1u << n) - 2)) + 1;
    const CLogicalScheme base = DecomposableScheme(n, m, undefined, seed, bound, 2);
    for (const SplitCandidate& c : SearchSplitsReference(base, 1)) {
      const int q = 1 + static_cast<int>(rng() % 3);
      CLogicalScheme s = WithNextBlock(base, static_cast<uint32_t>(c.mask), q, undefined, seed + 1);
      const Words expected = Simulate(s);
      const int counter = s.m_blockCounter;
      ASSERT_TRUE(ExtractSerial(s, c.mask, 1, true));
      const std::string what = "seed " + std::to_string(seed) + " mask " + std::to_string(c.mask);
      ASSERT_EQ(s.GetBlockCount(), 4) << what;
      EXPECT_EQ(s.m_blockCounter, counter + 1) << what;
      const CLogicalBlock& merged = s.GetBlock(2);
      EXPECT_EQ(merged.m_outputCount,
                q + s.GetBlock(1).m_inputCount - (n - std::popcount(static_cast<uint32_t>(c.mask))))
          << what;
      ExpectReproduces(expected, s, what);
    }
  }
}

TEST(SerialSplit, MergeWritesClassAboveUndefinedWords) {
  // f = input 0 xor input 2; with inputs 0 and 1 bound the rows take the
  // classes 0 1 0 1. N reads inputs 0 and 1 and is undefined on row 1.
  CLogicalScheme s(3, 1, "Bl_1", "01011010");
  s = WithNextBlock(s, 3, 1, 0.0, 1);
  s.GetBlock(2).m_lp = "1*01";
  ExtractSerial(s, 3, 1, true);
  EXPECT_EQ(s.GetBlock(2).m_lp, "1203");  // class * 2 over N's words, 0 for its undefined one
  EXPECT_EQ(s.GetBlock(2).m_outputCount, 2);
  EXPECT_EQ(s.GetBlock(2).m_wordDigits, 1);
  EXPECT_EQ(s.GetBlock(1).m_inputs[0], CBlockInput(1, s.GetBlock(2).m_id));
  EXPECT_EQ(s.GetBlock(1).m_lp, "0110");
  EXPECT_EQ(ValidateScheme(s), "");
}

TEST(SerialSplit, AndAcceptsNoMask) {
  CLogicalScheme s(2, 1, "Bl_1", "0001");
  EXPECT_FALSE(EvaluateSplit(s, 1, 1));
  EXPECT_FALSE(EvaluateSplit(s, 2, 1));
  EXPECT_TRUE(SearchSplitsReference(s, 1).empty());
  EXPECT_TRUE(SearchSplits(s, 1).candidates.empty());
}

TEST(SerialSplit, EqualRowsGiveOneOutputAndUndefinedSecondClass) {
  // f = input 2: with inputs 0 and 1 bound every row is (0, 1).
  CLogicalScheme s(3, 1, "Bl_1", "00001111");
  const auto c = EvaluateSplit(s, 3, 1);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->complexity, 8);  // equal to the block's own: still offered
  ExtractSerial(s, 3, 1, false);
  ASSERT_EQ(s.GetBlockCount(), 4);
  const CLogicalBlock& higher = s.GetBlock(1);
  const CLogicalBlock& lower = s.GetBlock(2);
  EXPECT_EQ(lower.m_lp, "0000");
  EXPECT_EQ(lower.m_outputCount, 1);
  EXPECT_EQ(lower.m_id, "Bl_2");
  EXPECT_EQ(lower.m_caption, "Bl_2");
  EXPECT_EQ(lower.m_inputs, (std::vector<CBlockInput>{{0, "I"}, {1, "I"}}));
  EXPECT_EQ(higher.m_lp, "0*1*");
  EXPECT_EQ(higher.m_id, "Bl_1");
  EXPECT_EQ(higher.m_inputs, (std::vector<CBlockInput>{{0, "Bl_2"}, {2, "I"}}));
  EXPECT_EQ(ValidateScheme(s), "");
}

TEST(SerialSplit, CandidatesOrderedByComplexityThenMask) {
  // f = input 2: masks 3, 5 and 6 all keep the complexity 8; single inputs raise it.
  CLogicalScheme s(3, 1, "Bl_1", "00001111");
  const std::vector<SplitCandidate> expected{{3, 8}, {5, 8}, {6, 8}};
  EXPECT_EQ(SearchSplitsReference(s, 1), expected);
  EXPECT_EQ(SearchSplits(s, 1).candidates, expected);
  EXPECT_LT((SplitCandidate{6, 8}), (SplitCandidate{3, 9}));
  EXPECT_LT((SplitCandidate{3, 8}), (SplitCandidate{5, 8}));
}

TEST(SerialSplit, ComplexityAboveTheBlockIsRejected) {
  // Four inputs, mask 7: three classes need r = 2 and cost 2*8 + 2^3 = 24 > 16.
  CLogicalScheme four(4, 1, "Bl_1",
                      "010*****"
                      "*0*01***");
  EXPECT_FALSE(EvaluateSplit(four, 7, 1));
}

TEST(SerialSplit, RowJoiningAnOlderClassKeepsItsClass) {
  // Bound inputs 0..2, free inputs 3 and 4. Rows (first two columns):
  // [0 *] [1 0] [0 *] [* 0] [* 1], then undefined rows. First fit: 0 1 0 0 2.
  // A row of class 0 must not hand the later row [* 1] the newer class 1,
  // whose word in column 1 is 0.
  const std::string lp = std::string("010*****") + "*0*01***" + std::string(16, '*');
  CLogicalScheme s(5, 1, "Bl_1", lp);
  const auto c = EvaluateSplit(s, 7, 1);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->complexity, 32);
  ExtractSerial(s, 7, 1, false);
  EXPECT_EQ(s.GetBlock(2).m_lp, "01002***");
  EXPECT_EQ(s.GetBlock(2).m_outputCount, 2);
  ExpectReproduces(LPToWords(lp, 1), s, "older class");
}

TEST(SerialSplit, FirstRowUndefinedNumbersClassesFromTheFirstDefinedRow) {
  // Bound inputs 0 and 1: rows * * * *, 0 0 0 0, 1 1 1 1, 0 0 0 0.
  const std::string lp = "*010*010*010*010";
  CLogicalScheme s(4, 1, "Bl_1", lp);
  const auto c = EvaluateSplit(s, 3, 1);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->complexity, 12);
  ExtractSerial(s, 3, 1, false);
  EXPECT_EQ(s.GetBlock(2).m_lp, "*010");
  EXPECT_EQ(s.GetBlock(1).m_lp, "01010101");
  ExpectReproduces(LPToWords(lp, 1), s, "first row undefined");
}

TEST(SerialSplit, ClassifyRowsIsFirstFit) {
  const SplitTable table{{-1, -1}, {0, -1}, {1, 0}, {0, -1}, {-1, 0}, {-1, 1}};
  const RowClasses all = ClassifyRows(table);
  EXPECT_EQ(all.rowClass, (std::vector<int32_t>{-1, 0, 1, 0, 0, 2}));
  EXPECT_EQ(all.representatives, (std::vector<Words>{{0, 0}, {1, 0}, {-1, 1}}));
  EXPECT_FALSE(all.stopped);
  EXPECT_TRUE(ClassifyRows(table, 2).stopped);
}

TEST(SerialSplit, OutOfRangeArgumentsChangeNothing) {
  CLogicalScheme s(3, 1, "Bl_1", "00001111");
  const CLogicalScheme before = s;
  EXPECT_FALSE(EvaluateSplit(s, 3, 5));
  EXPECT_FALSE(ExtractSerial(s, 3, 0, false));
  EXPECT_FALSE(ExtractSerial(s, 3, 2, false));
  EXPECT_FALSE(ExtractSerial(s, 3, 1, true));  // no block after it to merge into
  EXPECT_EQ(s, before);
  // A merge that would give the next block more than 31 outputs.
  CLogicalScheme wide = WithNextBlock(CLogicalScheme(3, 1, "Bl_1", "01011010"), 3, 31, 0.0, 2);
  const CLogicalScheme wideBefore = wide;
  EXPECT_FALSE(ExtractSerial(wide, 3, 1, true));
  EXPECT_EQ(wide, wideBefore);
  EXPECT_TRUE(ExtractSerial(s, 3, 1, false));
}

}  // namespace
}  // namespace lodex
