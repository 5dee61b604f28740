#include <gtest/gtest.h>

#include "OpsTestUtil.h"
#include "model/SchemeFile.h"
#include "synthesis/Analysis.h"
#include "synthesis/Parallel.h"

namespace lodex {
namespace {

using testing::Block;
using testing::Scheme;

// Four outputs over three inputs, word 5 undefined.
const char* const kFourOutputs = "38DA7*14";

CLogicalScheme FourOutputScheme() {
  CLogicalScheme s(3, 4, "Bl_1", kFourOutputs);
  // A consumer of outputs 1 and 3 besides the output block.
  s.InsertBlock(1, Block("C", "0110", {{1, "Bl_1"}, {3, "Bl_1"}}));
  s.GetBlock(s.GetBlockCount() - 1).m_inputs.push_back(CBlockInput(0, "C"));
  s.GetBlock(s.GetBlockCount() - 1).m_inputCount = 5;
  return s;
}

TEST(OutputColumn, BitOfEveryWordAndUndefinedKept) {
  const CLogicalScheme s(3, 4, "Bl_1", kFourOutputs);
  EXPECT_EQ(OutputColumn(s, 1, 0), (Words{1, 0, 1, 0, 1, -1, 1, 0}));
  EXPECT_EQ(OutputColumn(s, 1, 3), (Words{0, 1, 1, 1, 0, -1, 0, 0}));
}

TEST(ParallelSplit, TwoGroupsRewireEveryConsumer) {
  CLogicalScheme s = FourOutputScheme();
  // Outputs: 0 = in1, 1 = in0, 2 = in0 xor in1, 3 = in2; word 6 undefined.
  // Outputs 1 and 3 depend on inputs 0 and 2 only.
  s.GetBlock(2).m_lp = "06538E*B";
  const std::string reference = Analize(s).sequence;
  ParallelSplit(s, 2, 7, 0b0101, 0b101, 0b1010);
  ASSERT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(s.m_blockCounter, 2);
  ASSERT_EQ(s.GetBlockCount(), 5);
  const CLogicalBlock& first = s.GetBlock(2);
  const CLogicalBlock& second = s.GetBlock(3);
  EXPECT_EQ(first.m_id, "Bl_1");
  EXPECT_EQ(first.m_inputCount, 3);
  EXPECT_EQ(first.m_outputCount, 2);
  EXPECT_EQ(second.m_id, "Bl_2");
  EXPECT_EQ(second.m_caption, "Блок 2");
  EXPECT_EQ(second.m_inputs, (std::vector<CBlockInput>{{0, "I"}, {2, "I"}}));
  EXPECT_EQ(second.m_outputCount, 2);
  // The consumer C now reads Bl_2's outputs 0 and 1.
  EXPECT_EQ(s.GetBlock(1).m_inputs, (std::vector<CBlockInput>{{0, "Bl_2"}, {1, "Bl_2"}}));
  const auto& out = s.GetBlock(4).m_inputs;
  EXPECT_EQ(out[0], CBlockInput(0, "Bl_1"));
  EXPECT_EQ(out[1], CBlockInput(0, "Bl_2"));
  EXPECT_EQ(out[2], CBlockInput(1, "Bl_1"));
  EXPECT_EQ(out[3], CBlockInput(1, "Bl_2"));
  EXPECT_EQ(Analize(s).sequence, reference);
}

TEST(ParallelSplit, GroupTwoTakingEveryOutputKeepsIdAndPosition) {
  CLogicalScheme s(2, 2, "Bl_1", "0213");  // output 0 = in1, output 1 = in0
  ParallelSplit(s, 1, 0, 0, 0b11, 0b11);
  ASSERT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(s.GetBlockCount(), 3);
  EXPECT_EQ(s.GetBlock(1).m_id, "Bl_1");
  EXPECT_EQ(s.m_blockCounter, 2);
  EXPECT_EQ(Analize(s).sequence, "0213");
}

TEST(ParallelSplit, GroupTwoWithoutOutputsOnlyUpperCases) {
  CLogicalScheme s(2, 4, "Bl_1", "0abf");
  const CLogicalBlock before = s.GetBlock(1);
  ParallelSplit(s, 1, 0b11, 0b1111, 0b01, 0);
  CLogicalBlock expected = before;
  expected.m_lp = "0ABF";
  EXPECT_EQ(s.GetBlock(1), expected);
  EXPECT_EQ(s.m_blockCounter, 2);
}

TEST(MakeSubBlock, RemovedEssentialInputTakesLowestDefiningCofactor) {
  // One output over inputs 0 and 1, undefined at combination 0.
  const CLogicalScheme s(2, 1, "Bl_1", "*011");
  // Keep input 1 only: cofactor in0=0 is (*, 1), cofactor in0=1 is (0, 1).
  const CLogicalBlock b = MakeSubBlock(s, 1, 0b10, 1, "X");
  EXPECT_EQ(b.m_lp, "01");
  EXPECT_EQ(b.m_inputs, (std::vector<CBlockInput>{{1, "I"}}));
  EXPECT_EQ(b.m_id, "X");
  // Removing input 1 instead: cofactors (*, 0) and (1, 1): "10".
  EXPECT_EQ(MakeSubBlock(s, 1, 0b01, 1, "X").m_lp, "10");
  // A position no cofactor defines stays undefined.
  const CLogicalScheme t(2, 1, "Bl_1", "**01");
  EXPECT_EQ(MakeSubBlock(t, 1, 0b10, 1, "X").m_lp, "*0");
}

TEST(MakeSubBlock, WordDigitsFollowTheOutputCount) {
  const CLogicalScheme s(1, 6, "Bl_1", "3F2A");
  const CLogicalBlock five = MakeSubBlock(s, 1, 1, 0b11111, "X");
  EXPECT_EQ(five.m_wordDigits, 2);
  EXPECT_EQ(five.m_lp, "1F0A");
  const CLogicalBlock four = MakeSubBlock(s, 1, 1, 0b111100, "X");
  EXPECT_EQ(four.m_wordDigits, 1);
  EXPECT_EQ(four.m_lp, "FA");
}

}  // namespace
}  // namespace lodex
