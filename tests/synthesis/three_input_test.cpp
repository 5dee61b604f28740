#include <gtest/gtest.h>

#include "OpsTestUtil.h"
#include "model/SchemeFile.h"
#include "synthesis/Analysis.h"
#include "synthesis/ThreeInput.h"

namespace lodex {
namespace {

TEST(ThreeInputTypes, AndOfThreeOnInputTwoIsTypeFour) {
  CLogicalScheme s(3, 1, "Bl_1", "00000001");
  const std::vector<int32_t> types = ThreeInputTypes(s, 1);
  ASSERT_EQ(types.size(), 3u);
  EXPECT_EQ(types[2], 4);
  EXPECT_EQ(SelectorSequence(4), "001*010*");

  ASSERT_TRUE(ExtractThreeInput(s, 1, 2, types[2]).ok());
  ASSERT_EQ(ValidateScheme(s), "");
  ASSERT_EQ(s.GetBlockCount(), 5);
  const CLogicalBlock& t = s.GetBlock(1);
  EXPECT_EQ(t.m_id, "Bl_1");
  EXPECT_EQ(t.m_lp, "001*010*");
  EXPECT_EQ(t.m_inputs, (std::vector<CBlockInput>{{0, "Bl_3"}, {0, "Bl_2"}, {2, "I"}}));
  EXPECT_EQ(s.GetBlock(2).m_id, "Bl_2");  // x = 0 part first
  EXPECT_EQ(s.GetBlock(2).m_lp, "0000");
  EXPECT_EQ(s.GetBlock(3).m_id, "Bl_3");
  EXPECT_EQ(s.GetBlock(3).m_lp, "0001");
  EXPECT_EQ(s.GetBlock(3).m_inputs, (std::vector<CBlockInput>{{0, "I"}, {1, "I"}}));
  EXPECT_EQ(s.m_blockCounter, 3);
  EXPECT_EQ(Analize(s).sequence, "00000001");
}

TEST(ThreeInputTypes, AllFourPairsGiveTypeFive) {
  // in2 = 0: A = in0; in2 = 1: B = in1: pairs (0,0), (1,0), (0,1), (1,1).
  const CLogicalScheme s(3, 1, "Bl_1", "01010011");
  EXPECT_EQ(ThreeInputTypes(s, 1)[2], 5);
  EXPECT_EQ(SelectorSequence(5), "00110101");
}

TEST(ExtractThreeInput, UndefinedInOneCofactorTakesTheOther) {
  // x = input 0: A = words 0,2,4,6 = (*, 0, 0, 1); B = words 1,3,5,7 =
  // (1, 1, *, *). Filled, the pairs are (1,1), (0,1), (0,0), (1,1): pair 2
  // (A = 1, B = 0) never occurs, so type 3.
  CLogicalScheme s(3, 1, "Bl_1", "*1010*1*");
  EXPECT_EQ(ThreeInputTypes(s, 1)[0], 3);
  ASSERT_TRUE(ExtractThreeInput(s, 1, 0, 3).ok());
  // The new blocks take the filled values too: A is defined wherever B is
  // (an A undefined at p while x = 1 selects B would be undefined where the
  // block is defined), so neither keeps a '*'.
  EXPECT_EQ(s.GetBlock(2).m_lp, "1001");
  EXPECT_EQ(s.GetBlock(3).m_lp, "1101");
  EXPECT_TRUE(MismatchedWords(s.m_sourceLP, Analize(s).sequence, 1).empty());
}

TEST(ExtractThreeInput, FollowingBlocksMoveUpTwoAndConsumersKeepReading) {
  CLogicalScheme s(3, 1, "Bl_1", "01101001");
  s.InsertBlock(1, testing::Block("C", "10", {{0, "Bl_1"}}));
  s.GetBlock(3).m_inputs[0] = CBlockInput(0, "C");
  ASSERT_EQ(ValidateScheme(s), "");
  const std::string before = Analize(s).sequence;
  const auto types = ThreeInputTypes(s, 2);
  ASSERT_TRUE(ExtractThreeInput(s, 2, 1, types[1]).ok());
  ASSERT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(s.GetBlockCount(), 6);
  EXPECT_EQ(s.GetBlock(1).m_inputs[0], CBlockInput(0, "Bl_1"));
  EXPECT_EQ(s.GetBlock(5).m_id, "O");
  EXPECT_EQ(Analize(s).sequence, before);
}

TEST(ExtractThreeInput, RefusesBadArguments) {
  CLogicalScheme s(3, 2, "Bl_1", "01230123");
  const CLogicalScheme before = s;
  EXPECT_FALSE(ExtractThreeInput(s, 1, 0, 5).ok());  // two outputs
  CLogicalScheme one(3, 1, "Bl_1", "01101001");
  EXPECT_FALSE(ExtractThreeInput(one, 1, 3, 5).ok());
  EXPECT_FALSE(ExtractThreeInput(one, 1, 0, 0).ok());
  // XOR of three on input 0: B = NOT A, so pairs (0,1) and (1,0) occur.
  // Type 2 ignores pair (0,1) and would compute a wrong selector.
  EXPECT_EQ(ThreeInputTypes(one, 1)[0], 4);
  EXPECT_FALSE(ExtractThreeInput(one, 1, 0, 2).ok());
  EXPECT_FALSE(ExtractThreeInput(one, 0, 0, 5).ok());
  EXPECT_EQ(s, before);
  EXPECT_EQ(one.GetBlockCount(), 3);
}

}  // namespace
}  // namespace lodex
