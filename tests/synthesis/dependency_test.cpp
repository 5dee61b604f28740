#include <gtest/gtest.h>

#include "OpsTestUtil.h"
#include "model/SchemeFile.h"
#include "synthesis/Analysis.h"
#include "synthesis/Dependency.h"

namespace lodex {
namespace {

TEST(EssentialDependencies, AndOfInputsZeroAndTwo) {
  // x = in0 + 2 in1 + 4 in2; output = in0 AND in2.
  CLogicalScheme s(3, 1, "Bl_1", "00000101");
  const DependencyMatrix m = EssentialDependencies(s, 1);
  EXPECT_EQ(m, (DependencyMatrix{{1}, {0}, {1}}));
  EXPECT_FALSE(IsFictitiousInput(m, 0));
  EXPECT_TRUE(IsFictitiousInput(m, 1));

  ASSERT_TRUE(RemoveFictitiousInput(s, 1, 1).ok());
  ASSERT_EQ(ValidateScheme(s), "");
  const CLogicalBlock& b = s.GetBlock(1);
  EXPECT_EQ(b.m_id, "Bl_1");
  EXPECT_EQ(b.m_lp, "0001");
  EXPECT_EQ(b.m_inputs, (std::vector<CBlockInput>{{0, "I"}, {2, "I"}}));
  EXPECT_EQ(s.m_blockCounter, 2);
  EXPECT_EQ(Analize(s).sequence, "00000101");
}

TEST(EssentialDependencies, MultiOutputColumnsAndWideWords) {
  // Five outputs (two digits a word) over two inputs: output 0 = in0,
  // output 4 = in1, the others 0.
  const CLogicalBlock b = testing::Block("X", "00011011", {{0, "I"}, {1, "I"}}, 5);
  EXPECT_EQ(EssentialDependencies(b), (DependencyMatrix{{1, 0, 0, 0, 0}, {0, 0, 0, 0, 1}}));
}

TEST(EssentialDependencies, DifferenceOnlyThroughUndefinedIsFictitious) {
  // Halves for input 1: (*, 1, 0, 1) and (0, 1, *, *): they never differ
  // where both are defined.
  CLogicalScheme s(3, 1, "Bl_1", "*10101**");
  const DependencyMatrix m = EssentialDependencies(s, 1);
  EXPECT_TRUE(IsFictitiousInput(m, 1));
  ASSERT_TRUE(RemoveFictitiousInput(s, 1, 1).ok());
  // Each remaining combination from the in1 = 0 cofactor where defined, else in1 = 1.
  EXPECT_EQ(s.GetBlock(1).m_lp, "0101");
  EXPECT_TRUE(MismatchedWords(s.m_sourceLP, Analize(s).sequence, 1).empty());
}

TEST(RemoveFictitiousInput, RefusesWhatWouldChangeTheFunction) {
  CLogicalScheme s(3, 1, "Bl_1", "00000101");
  const CLogicalScheme before = s;
  EXPECT_FALSE(RemoveFictitiousInput(s, 1, 0).ok());  // essential
  EXPECT_FALSE(RemoveFictitiousInput(s, 1, 3).ok());  // no such input
  EXPECT_FALSE(RemoveFictitiousInput(s, 2, 1).ok());  // the output block
  CLogicalScheme two(2, 2, "Bl_1", "0000");
  EXPECT_FALSE(RemoveFictitiousInput(two, 1, 0).ok());  // two outputs
  EXPECT_EQ(s, before);
  EXPECT_EQ(s.m_blockCounter, before.m_blockCounter);
}

TEST(FictitiousRemovalRequest, SingleGroupWithoutTheInput) {
  EXPECT_EQ(FictitiousRemovalRequest(4, 2), (SplitRequest{0b1011, 1, 0b0100, 0}));
}

}  // namespace
}  // namespace lodex
