#include <gtest/gtest.h>

#include "export/GhdlRunner.h"
#include "export/TwoInputBlocks.h"
#include "synthesis/Analysis.h"
#include "synthesis/Covering.h"
#include "synthesis/OpsTestUtil.h"
#include "synthesis/Parallel.h"
#include "synthesis/Serial.h"
#include "synthesis/SerialSearch.h"
#include "synthesis/ThreeInput.h"

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
  s.InsertBlock(2, testing::Block("Bl_2", "10", {{1, "I"}}));
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

namespace lodex {
namespace {

void ExpectAnalysisClean(const CLogicalScheme& s) {
  const AnalysisResult r = Analize(s);
  ASSERT_TRUE(r.status.ok()) << r.status.message();
  EXPECT_TRUE(MismatchedWords(s.m_sourceLP, r.sequence, s.m_wordDigits).empty());
}

// x0 x1 | x2, on two outputs (the second is the first's complement), with
// undefined words.
const char* kTwoOutputs = "1*1*2*12";

TEST(VhdlGhdl, SerialAndParallelDecompositions) {
  CLogicalScheme serial(4, 2, "Bl_1", "0000000000033333");
  const auto found = SearchSplitsReference(serial, 1);
  ASSERT_FALSE(found.empty());
  ExtractSerial(serial, found.front().mask, 1, false);
  ExpectAnalysisClean(serial);
  ExpectSimulatesCleanly(serial, "serial");

  CLogicalScheme parallel(3, 2, "Bl_1", kTwoOutputs);
  ParallelSplit(parallel, 1, SplitRequest{7, 1, 7, 2});
  ExpectAnalysisClean(parallel);
  ExpectSimulatesCleanly(parallel, "parallel");
}

TEST(VhdlGhdl, ThreeInputExtraction) {
  CLogicalScheme s(4, 1, "Bl_1", "0110100*10010*10");
  const std::vector<int32_t> types = ThreeInputTypes(s, 1);
  ASSERT_FALSE(types.empty());
  ASSERT_TRUE(ExtractThreeInput(s, 1, 0, types[0]).ok());
  ExpectAnalysisClean(s);
  ExpectSimulatesCleanly(s, "three input");
}

TEST(VhdlGhdl, NandAndNorCoverings) {
  for (const bool nand : {true, false}) {
    CLogicalScheme s(3, 2, "Bl_1", kTwoOutputs);
    testing::DecomposeToTwoInputBlocks(s);
    nand ? CoverNand(s) : CoverNor(s);
    ExpectAnalysisClean(s);
    EXPECT_GT(s.GetBlockCount(), 4);
    ExpectSimulatesCleanly(s, nand ? "nand" : "nor");
  }
}

}  // namespace
}  // namespace lodex
