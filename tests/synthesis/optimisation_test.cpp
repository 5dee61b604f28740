#include <gtest/gtest.h>

#include "OpsTestUtil.h"
#include "model/SchemeFile.h"
#include "synthesis/Analysis.h"
#include "synthesis/Optimisation.h"
#include "synthesis/Tiers.h"

namespace lodex {
namespace {

using testing::Block;
using testing::Scheme;

TEST(ComputeTiers, OneBlockSchemeHasTwoTiers) {
  CLogicalScheme s(3, 1, "Bl_1", "00000001");
  ComputeTiers(s);
  EXPECT_EQ(s.GetBlock(1).m_tier, 1);
  EXPECT_EQ(s.GetBlock(2).m_tier, 2);
}

TEST(ComputeTiers, UnknownSourceGivesMinusOneDownstream) {
  CLogicalScheme s =
      Scheme(1, {Block("A", "0001", {{0, "B"}, {0, "I"}}), Block("B", "01", {{0, "Nowhere"}})}, {{0, "A"}}, "00");
  ComputeTiers(s);
  EXPECT_EQ(s.GetBlock(2).m_tier, -1);
  EXPECT_EQ(s.GetBlock(1).m_tier, -1);
  EXPECT_EQ(s.GetBlock(3).m_tier, -1);
}

TEST(IsElementary, AtMostTwoInputsAndOneOutput) {
  EXPECT_TRUE(IsElementary(CLogicalScheme()));
  EXPECT_TRUE(IsElementary(CLogicalScheme(2, 1, "Bl_1", "0110")));
  EXPECT_FALSE(IsElementary(CLogicalScheme(3, 1, "Bl_1", "01101001")));
  EXPECT_FALSE(IsElementary(CLogicalScheme(1, 2, "Bl_1", "03")));
}

TEST(TabulateBlocks, IdentityInInputBlockAndTablesOfEveryBlock) {
  CLogicalScheme s(3, 1, "Bl_1", "0001*111");
  CLogicalScheme plain = s;
  const BlockTables t = TabulateBlocks(s);
  ASSERT_TRUE(t.status.ok());
  EXPECT_EQ(s.GetBlock(0).m_lp, "01234567");
  EXPECT_EQ(s.GetBlock(0).m_wordDigits, 1);
  EXPECT_EQ(s.GetBlock(2).m_tier, 2);
  EXPECT_EQ(t.tables[0], (Words{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(t.tables[1], (Words{0, 0, 0, 1, -1, 1, 1, 1}));
  EXPECT_EQ(t.tables[2], t.tables[1]);
  const BlockTables p = TabulateBlocksPlain(plain);
  EXPECT_EQ(p.tables, t.tables);
  EXPECT_EQ(plain, s);
  // Five inputs: two digits a word.
  CLogicalScheme wide(5, 1, "Bl_1", std::string(32, '0'));
  TabulateBlocks(wide);
  EXPECT_EQ(wide.GetBlock(0).m_lp.substr(0, 6), "000102");
}

TEST(TabulateBlocks, RefusesAnUnsimulableSchemeAndChangesNothing) {
  CLogicalScheme s(2, 1, "Bl_1", "0001");
  s.GetBlock(1).m_inputs[0].m_source = "Gone";
  const CLogicalScheme before = s;
  EXPECT_FALSE(TabulateBlocks(s).status.ok());
  EXPECT_EQ(s, before);
}

// o = J AND c, J = V AND b, V = W AND W, W = a (through a two-input
// repeater of input 0): V's signal can be taken from W or from input a.
CLogicalScheme Chain() {
  CLogicalScheme s =
      Scheme(3,
             {Block("Bl_o", "0001", {{0, "Bl_J"}, {2, "I"}}), Block("Bl_J", "0001", {{0, "Bl_V"}, {1, "I"}}),
              Block("Bl_V", "0001", {{0, "Bl_W"}, {0, "Bl_W"}}), Block("Bl_W", "0101", {{0, "I"}, {1, "I"}})},
             {{0, "Bl_o"}}, "00000101");
  return s;
}

TEST(FindSameLP, FindsShallowerSourcesOfTheSameSignal) {
  CLogicalScheme s = Chain();
  ASSERT_EQ(ValidateScheme(s), "");
  const SubstitutionSearch r = FindSameLP(s, 2);
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_EQ(r.candidates, (std::vector<CSubstitution>{{4, 2, 0, 0, false}, {0, 2, 0, 0, false}}));
  EXPECT_EQ(DeadBlocks(s, r.candidates[0]), (std::vector<int>{3}));
  // Equal dead sets: the later candidate wins.
  const int best = ChooseSubstitution(s, r.candidates);
  EXPECT_EQ(best, 1);
  const std::string before = Analize(s).sequence;
  ApplySubstitution(s, r.candidates[1], DeadBlocks(s, r.candidates[1]));
  ASSERT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(s.GetBlock(2).m_inputs[0], CBlockInput(0, "I"));
  EXPECT_EQ(s.FindBlock("Bl_V"), -1);
  EXPECT_EQ(Analize(s).sequence, before);
}

TEST(FindSameLP, OneBlockSchemeHasNoCandidate) {
  CLogicalScheme s(2, 1, "Bl_1", "0110");
  const SubstitutionSearch r = FindSameLP(s, 2);
  EXPECT_TRUE(r.status.ok());
  EXPECT_TRUE(r.candidates.empty());
  EXPECT_EQ(ChooseSubstitution(s, r.candidates), -1);
  CLogicalScheme wide(3, 1, "Bl_1", "01101001");
  EXPECT_FALSE(FindSameLP(wide, 2).status.ok());
}

TEST(RequiredSignal, StepThroughOneInputBlockIsNotUsable) {
  // o reads X (one input) and c; X reads J.
  CLogicalScheme s =
      Scheme(3,
             {Block("Bl_o", "0001", {{0, "Bl_X"}, {2, "I"}}), Block("Bl_X", "10", {{0, "Bl_J"}}),
              Block("Bl_J", "0001", {{0, "Bl_V"}, {1, "I"}}), Block("Bl_V", "0110", {{0, "I"}, {1, "I"}})},
             {{0, "Bl_o"}}, "00000000");
  const BlockTables t = TabulateBlocks(s);
  ASSERT_TRUE(t.status.ok());
  for (int32_t code = 0; code < 4; ++code) EXPECT_FALSE(RequiredSignal(s, t.tables, 2, code, 1).has_value()) << code;
  // The same path through a two-input block is usable.
  s.GetBlock(2) = Block("Bl_X", "1010", {{0, "Bl_J"}, {0, "I"}});
  EXPECT_TRUE(RequiredSignal(s, TabulateBlocks(s).tables, 2, 0, 1).has_value());
}

TEST(RequiredSignal, UndefinedWordsOfTheTargetCountAsObservable) {
  // J = "01*1": with its input 1 at 1, input 0 chooses between '*' and 1.
  // Moving input 0 to 0 there would make J undefined, so the current value
  // is required.
  CLogicalScheme s =
      Scheme(2,
             {Block("Bl_o", "0110", {{0, "Bl_J"}, {0, "I"}}), Block("Bl_J", "01*1", {{0, "Bl_V"}, {0, "Bl_U"}}),
              Block("Bl_V", "0111", {{0, "I"}, {1, "I"}}), Block("Bl_U", "0001", {{0, "I"}, {1, "I"}})},
             {{0, "Bl_o"}}, "0000");
  const BlockTables t = TabulateBlocks(s);
  const auto r = RequiredSignal(s, t.tables, 2, 0, 1);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->m_block, 2);
  EXPECT_EQ(r->m_input, 0);
  // U = a AND b is 1 only at combination 3, where V = 1 is required.
  EXPECT_EQ(r->m_care[3], 1);
}

TEST(ApplySubstitution, InversionIsAbsorbedIntoTheTarget) {
  auto inverted = [](int input) {
    CLogicalScheme s = Scheme(2, {Block("Bl_J", "0001", {{0, "I"}, {1, "I"}})}, {{0, "Bl_J"}}, "0000");
    ApplySubstitution(s, {0, 1, input, input, true}, {});
    return s.GetBlock(1).m_lp;
  };
  EXPECT_EQ(inverted(1), "0100");
  EXPECT_EQ(inverted(0), "0010");
}

TEST(ChooseSubstitution, DeadSetsAboveTenAreNotChosen) {
  // Target T reads a chain of 11 one-reader blocks: replacing T's input 0
  // frees all 11, replacing input 1 only Bl_K.
  std::vector<CLogicalBlock> blocks = {Block("Bl_T", "0110", {{0, "C0"}, {0, "Bl_K"}})};
  for (int c = 0; c < 11; ++c)
    blocks.push_back(
        Block("C" + std::to_string(c), "0001", {{0, c == 10 ? "I" : "C" + std::to_string(c + 1)}, {1, "I"}}));
  blocks.push_back(Block("Bl_K", "0110", {{0, "I"}, {1, "I"}}));
  CLogicalScheme s = Scheme(2, blocks, {{0, "Bl_T"}}, "0000");
  ASSERT_EQ(ValidateScheme(s), "");
  const CSubstitution big{13, 1, 0, 0, false};
  const CSubstitution none{0, 1, 1, 0, false};
  EXPECT_EQ(DeadBlocks(s, big).size(), 11u);
  EXPECT_EQ(DeadBlocks(s, none), std::vector<int>{13});
  EXPECT_EQ(ChooseSubstitution(s, {none, big}), 0);
  EXPECT_EQ(ChooseSubstitution(s, {big}), 0);
  EXPECT_EQ(DeadSetText({2, 5}), "2  5  ");
}

}  // namespace
}  // namespace lodex
