#include <gtest/gtest.h>

#include <random>

#include "OpsTestUtil.h"
#include "model/SchemeFile.h"
#include "synthesis/Analysis.h"
#include "synthesis/Simulation.h"

namespace lodex {
namespace {

using testing::Block;
using testing::Scheme;

TEST(Analize, FreshProjectReproducesItsSource) {
  const CLogicalScheme s(3, 2, "Bl_1", "0123**21");
  const AnalysisResult r = Analize(s);
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_EQ(r.sequence, "0123**21");
}

TEST(Analize, DropsWordBitsAboveTheOutputsAndUpperCases) {
  // Two outputs, but the block's words set bit 2 (values 4..7): the output
  // block reads only pins 0 and 1. Lower-case digits read like upper-case.
  const CLogicalScheme s(1, 2, "Bl_1", "5f");
  EXPECT_EQ(Analize(s).sequence, "13");
  CLogicalScheme lower(2, 4, "Bl_1", "0abc");
  EXPECT_EQ(Analize(lower).sequence, "0ABC");
}

TEST(Analize, UndefinedSourceReadsStarOnPinZeroOnly) {
  // Block A is undefined for input 0 = 1. B reads A pin 0 and input 1:
  // the string "*x" is not exactly "*", so B looks up index 2x.
  // C reads A alone on pin 0 and is undefined wherever A is.
  // The output block reads A pin 1, which is '0' for an undefined A.
  const CLogicalScheme s = Scheme(
      2, {Block("B", "0110", {{0, "A"}, {1, "I"}}), Block("C", "10", {{0, "A"}}), Block("A", "3*", {{0, "I"}}, 2)},
      {{0, "B"}, {0, "C"}, {1, "A"}}, "0000");
  const AnalysisResult r = Analize(s);
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  // combination i: A = 3 or -1; B = lp[bit0(A) + 2*in1]; C = !bit0(A) or *.
  // i=0: A=3 -> B=lp[1]=1, C=0, A1=1 -> 1+0+4 = 5
  // i=1: A=* -> B=lp[0]=0, C=*, output string has '*' -> undefined
  // i=2: A=3 -> B=lp[3]=0, C=0, A1=1 -> 4
  // i=3: A=* -> undefined
  EXPECT_EQ(r.sequence, "5*4*");
}

TEST(Analize, PinBeyondTheValueReadsZero) {
  const CLogicalScheme s = Scheme(1, {Block("A", "01", {{0, "I"}}, 2)}, {{1, "A"}, {5, "I"}}, "00", 1);
  EXPECT_EQ(Analize(s).sequence, "00");
}

TEST(Analize, RefusesALinkThatNamesNoBlock) {
  CLogicalScheme s(2, 1, "Bl_1", "0001");
  s.GetBlock(1).m_inputs[1].m_source = "Bl_9";
  const AnalysisResult r = Analize(s);
  EXPECT_FALSE(r.status.ok());
  EXPECT_NE(r.status.message().find("Bl_9"), std::string::npos) << r.status.message();
  EXPECT_TRUE(r.sequence.empty());
  EXPECT_FALSE(AnalizePlain(s).status.ok());
}

TEST(Analize, RefusesABlockReadingOneBeforeIt) {
  // B at index 2 is read by A at index 1 (fine) and reads A (breaks the order).
  const CLogicalScheme s = Scheme(1, {Block("A", "01", {{0, "B"}}), Block("B", "01", {{0, "A"}})}, {{0, "A"}}, "01");
  const AnalysisResult r = Analize(s);
  EXPECT_FALSE(r.status.ok());
  EXPECT_NE(r.status.message().find("does not come after it"), std::string::npos) << r.status.message();
  // Reading the output block, or a sequence of the wrong length, is refused too.
  EXPECT_FALSE(Analize(Scheme(1, {Block("A", "01", {{0, "O"}})}, {{0, "A"}}, "01")).status.ok());
  EXPECT_FALSE(Analize(Scheme(1, {Block("A", "011", {{0, "I"}})}, {{0, "A"}}, "01")).status.ok());
  EXPECT_FALSE(Analize(Scheme(1, {Block("A", "0G", {{0, "I"}})}, {{0, "A"}}, "01")).status.ok());
}

TEST(Analize, WorkingSchemeWithoutSourceGivesEmptySequence) {
  CLogicalScheme s(CLogicalBlock(Block("X", "0110", {{0, "I"}, {1, "I"}})));
  const AnalysisResult r = Analize(s);
  EXPECT_TRUE(r.status.ok());
  EXPECT_EQ(r.sequence, "");
}

TEST(MismatchedWords, UndefinedOnEitherSideIsNoMismatch) {
  EXPECT_EQ(MismatchedWords("0A**1F", "0B1F**", 2), std::vector<int>{0});
  EXPECT_EQ(MismatchedWords("0123", "0124", 1), std::vector<int>{3});
  EXPECT_TRUE(MismatchedWords("", "", 1).empty());
  EXPECT_TRUE(MismatchedWords("0a0f", "0A0F", 1).empty()) << "a project typed in lower case";
}

// Random chains of blocks over random earlier signals, for the fast and
// the plain simulation to agree on.
CLogicalScheme RandomScheme(std::mt19937& rng, int inputs, int blocks) {
  std::vector<CLogicalBlock> list;
  std::vector<std::pair<std::string, int>> signals;  // id, outputs
  for (int b = 0; b < blocks; ++b) {
    const int k = std::uniform_int_distribution<int>(0, 3)(rng);
    const int m = std::uniform_int_distribution<int>(1, 5)(rng);
    std::vector<CBlockInput> links;
    for (int j = 0; j < k; ++j) {
      const int pick = std::uniform_int_distribution<int>(0, static_cast<int>(signals.size()))(rng);
      if (pick == static_cast<int>(signals.size()))
        links.emplace_back(static_cast<int16_t>(std::uniform_int_distribution<int>(0, inputs)(rng)), "I");
      else
        links.emplace_back(static_cast<int16_t>(std::uniform_int_distribution<int>(0, signals[pick].second)(rng)),
                           signals[pick].first);
    }
    const std::string id = "Bl_" + std::to_string(b + 2);
    list.insert(list.begin(), Block(id, testing::RandomSequence(rng, k, m, 0.2), links, m));
    signals.emplace_back(id, m);
  }
  std::vector<CBlockInput> outs;
  for (int o = 0; o < 3; ++o)
    outs.emplace_back(static_cast<int16_t>(std::uniform_int_distribution<int>(0, 2)(rng)),
                      signals[std::uniform_int_distribution<size_t>(0, signals.size() - 1)(rng)].first);
  return Scheme(inputs, list, outs, testing::RandomSequence(rng, inputs, 3, 0.1));
}

TEST(SimulateScheme, FastEqualsPlainOnRandomSchemes) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    std::mt19937 rng(seed);
    const CLogicalScheme s = RandomScheme(rng, 1 + static_cast<int>(seed % 9), 1 + static_cast<int>(seed % 23));
    const SchemeValues fast = SimulateScheme(s, true);
    const SchemeValues plain = SimulateSchemePlain(s, true);
    ASSERT_TRUE(fast.status.ok()) << fast.status.message();
    EXPECT_EQ(fast.tables, plain.tables) << "seed " << seed;
    EXPECT_EQ(Analize(s).sequence, AnalizePlain(s).sequence) << "seed " << seed;
  }
}

}  // namespace
}  // namespace lodex
