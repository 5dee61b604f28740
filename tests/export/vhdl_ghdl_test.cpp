#include <gtest/gtest.h>

#include "export/GhdlRunner.h"

namespace lodex {
namespace {

using testing::SimulateExport;

void ExpectSimulatesCleanly(const CLogicalScheme& scheme, const std::string& title) {
  ASSERT_TRUE(testing::HaveGhdl()) << "ghdl is missing: run scripts/install-deps.sh";
  const testing::GhdlRun run = SimulateExport(scheme, title);
  EXPECT_TRUE(run.analysed) << title << ":\n" << run.log;
  EXPECT_TRUE(run.passed) << title << ":\n" << run.log;
  EXPECT_NE(run.log.find(" 0 mismatches"), std::string::npos) << run.log;
}

TEST(VhdlGhdl, FreshProjects) {
  ExpectSimulatesCleanly(CLogicalScheme(2, 1, "Bl_1", "0001"), "and2.shc");
  ExpectSimulatesCleanly(CLogicalScheme(3, 2, "Bl_1", "01121223"), "Сумматор.shc");
  // Five outputs, two digits a word, with undefined words.
  ExpectSimulatesCleanly(CLogicalScheme(3, 5, "Bl_1", "1f**0a1b**0c0d0e"), "five outputs");
}

TEST(VhdlGhdl, BlocksFeedingBlocksAndOutputsFromInputs) {
  // O(0) = i0 and i1 through two blocks (an inverter folded twice); O(1) = i1 straight from the input.
  CLogicalScheme s(2, 2, "Bl_1", "0102");
  s.m_sourceLP = "0023";
  s.m_blockCounter = 2;
  CLogicalBlock& top = s.GetBlock(1);
  top.m_lp = "0010";
  top.m_outputCount = 1;
  top.m_inputs = {{0, "Bl_2"}, {0, "I"}};
  CLogicalBlock inv;
  inv.m_id = "Bl_2";
  inv.m_caption = "Блок 2";
  inv.m_lp = "10";
  inv.m_wordDigits = 1;
  inv.m_inputCount = 1;
  inv.m_outputCount = 1;
  inv.m_inputs = {{1, "I"}};
  s.InsertBlock(2, inv);
  s.GetBlock(3).m_inputs = {{0, "Bl_1"}, {1, "I"}};
  ExpectSimulatesCleanly(s, "chain");
}

TEST(VhdlGhdl, TestbenchCatchesAWrongDesign) {
  ASSERT_TRUE(testing::HaveGhdl());
  CLogicalScheme s(2, 1, "Bl_1", "0001");
  s.m_sourceLP = "0111";  // the project says OR, the block computes AND
  const testing::GhdlRun run = SimulateExport(s, "wrong");
  EXPECT_TRUE(run.analysed) << run.log;
  EXPECT_FALSE(run.passed);
  EXPECT_NE(run.log.find("combination 1 (I=01): expected 1, obtained 0"), std::string::npos) << run.log;
  EXPECT_NE(run.log.find("4 combinations checked, 2 mismatches"), std::string::npos) << run.log;
}

}  // namespace
}  // namespace lodex
