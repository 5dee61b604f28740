#include <gtest/gtest.h>

#include "OpsTestUtil.h"
#include "model/SchemeFile.h"
#include "synthesis/Analysis.h"
#include "synthesis/Covering.h"

namespace lodex {
namespace {

using testing::Block;
using testing::Scheme;

// One two-input block Bl_2 over inputs 0 and 1, read by the output block.
CLogicalScheme TwoInput(const std::string& lp) {
  CLogicalScheme s = Scheme(2, {Block("Bl_2", lp, {{0, "I"}, {1, "I"}})}, {{0, "Bl_2"}}, lp);
  s.m_blockCounter = 2;
  return s;
}

std::vector<std::string> Ids(const CLogicalScheme& s) {
  std::vector<std::string> ids;
  for (const auto& b : s.m_blocks) ids.push_back(b.m_id);
  return ids;
}

TEST(CoverNand, AndBecomesTwoElements) {
  CLogicalScheme s = TwoInput("0001");
  CoverNand(s);
  ASSERT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(Ids(s), (std::vector<std::string>{"I", "Bl_2", "Bl_2_1", "O"}));
  EXPECT_EQ(s.GetBlock(1).m_inputs, (std::vector<CBlockInput>{{0, "Bl_2_1"}, {0, "Bl_2_1"}}));
  EXPECT_EQ(s.GetBlock(2).m_inputs, (std::vector<CBlockInput>{{0, "I"}, {1, "I"}}));
  EXPECT_EQ(s.GetBlock(1).m_lp, "1110");
  EXPECT_EQ(s.GetBlock(1).m_caption, "Блок 1");
  EXPECT_EQ(s.GetBlock(2).m_caption, "Блок 2");
  EXPECT_EQ(s.GetBlock(3).m_inputs[0], CBlockInput(0, "Bl_2"));
}

TEST(CoverNand, XorAndXnorNetworks) {
  CLogicalScheme x = TwoInput("0110");
  CoverNand(x);
  EXPECT_EQ(Ids(x), (std::vector<std::string>{"I", "Bl_2", "Bl_2_3", "Bl_2_2", "Bl_2_1", "O"}));
  CLogicalScheme n = TwoInput("1001");
  CoverNand(n);
  EXPECT_EQ(Ids(n), (std::vector<std::string>{"I", "Bl_2", "Bl_2_4", "Bl_2_3", "Bl_2_2", "Bl_2_1", "O"}));
  EXPECT_EQ(n.GetBlock(2).m_inputs, (std::vector<CBlockInput>{{0, "Bl_2_2"}, {0, "Bl_2_3"}}));
  EXPECT_EQ(n.GetBlock(1).m_inputs, (std::vector<CBlockInput>{{0, "Bl_2_4"}, {0, "Bl_2_4"}}));
}

TEST(Covering, EveryTwoInputFunctionKeepsItsFunction) {
  for (int f = 0; f < 16; ++f) {
    std::string lp;
    for (int p = 0; p < 4; ++p) lp.push_back((f >> p) & 1 ? '1' : '0');
    for (const bool nand : {true, false}) {
      CLogicalScheme s = TwoInput(lp);
      nand ? CoverNand(s) : CoverNor(s);
      ASSERT_EQ(ValidateScheme(s), "") << lp;
      EXPECT_EQ(Analize(s).sequence, lp) << lp << (nand ? " NAND" : " NOR");
      const char* element = nand ? "1110" : "1000";
      // Either covered by elements only, or one of the functions left alone.
      const bool covered = s.GetBlockCount() > 3;
      for (int i = 1; covered && i < s.GetBlockCount() - 1; ++i) EXPECT_EQ(s.GetBlock(i).m_lp, element) << lp;
      const bool kept =
          lp == "0000" || lp == "1111" || lp == "0101" || lp == "0011" || lp == "1010" || lp == "1100" || lp == element;
      EXPECT_EQ(covered, !kept) << lp;
      // A second covering changes nothing.
      const CLogicalScheme once = s;
      nand ? CoverNand(s) : CoverNor(s);
      EXPECT_EQ(s, once) << lp;
    }
  }
}

TEST(Covering, OtherShapesAreSkippedWithTheirLinks) {
  // A two-output block Bl_3, a three-input block Bl_4 reading its pin 1,
  // and a two-input AND reading pin 1 of Bl_3 (a different signal from pin 0).
  CLogicalScheme s = Scheme(
      2,
      {Block("Bl_5", "0001", {{1, "Bl_3"}, {0, "I"}}), Block("Bl_4", "00010111", {{1, "Bl_3"}, {0, "I"}, {1, "I"}}),
       Block("Bl_3", "0213", {{0, "I"}, {1, "I"}}, 2)},
      {{0, "Bl_5"}, {0, "Bl_4"}, {0, "Bl_3"}}, "0000", 1);
  s.m_blockCounter = 5;
  ASSERT_EQ(ValidateScheme(s), "");
  const std::string before = Analize(s).sequence;
  CoverNand(s);
  ASSERT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(Analize(s).sequence, before);
  EXPECT_EQ(s.GetBlock(s.FindBlock("Bl_5_1")).m_inputs[0], CBlockInput(1, "Bl_3"));
  EXPECT_EQ(s.GetBlock(s.FindBlock("Bl_4")).m_inputs[0], CBlockInput(1, "Bl_3"));
}

TEST(Covering, NorAfterNandKeepsIdentifiersUnique) {
  // NAND covering leaves "1110" elements, which NOR covering covers again:
  // the new elements must not reuse the names N_1, N_2 already taken.
  CLogicalScheme s = TwoInput("0110");
  CoverNand(s);
  CoverNor(s);
  ASSERT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(Analize(s).sequence, "0110");
  CoverNand(s);
  ASSERT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(Analize(s).sequence, "0110");
}

TEST(Covering, WideBlocksKeepTheirWordDigits) {
  // Five outputs need two digits a word; the covering renumbers captions
  // but must not cut the block's words to one digit.
  CLogicalScheme s = Scheme(1, {Block("Bl_2", "001F", {{0, "I"}}, 5)}, {{0, "Bl_2"}, {4, "Bl_2"}}, "03");
  CoverNor(s);
  EXPECT_EQ(s.GetBlock(1).m_wordDigits, 2);
  EXPECT_EQ(Analize(s).sequence, "03");
  EXPECT_EQ(s.GetBlock(1).m_caption, "Блок 1");
}

}  // namespace
}  // namespace lodex
