// The automatic synthesis on seeded random projects and its edge cases.
#include <gtest/gtest.h>

#include <random>

#include "OpsTestUtil.h"
#include "synthesis/Analysis.h"
#include "synthesis/AutomaticSynthesis.h"
#include "synthesis/SchemeCleanup.h"

namespace lodex {
namespace {

using testing::Block;
using testing::kRoundDivisor;
using testing::RandomSequence;
using testing::Scheme;

// Every logic block within K, and the scheme computes every defined word of
// the project.
void ExpectSynthesised(const CLogicalScheme& s, int k, const std::string& what) {
  for (int b = 1; b < s.GetBlockCount() - 1; ++b)
    ASSERT_LE(s.GetBlock(b).m_inputCount, k) << what << " block " << s.GetBlock(b).m_id;
  const AnalysisResult analysed = Analize(s);
  ASSERT_TRUE(analysed.status) << what << ": " << analysed.status.message();
  EXPECT_TRUE(MismatchedWords(s.m_sourceLP, analysed.sequence, s.m_wordDigits).empty()) << what;
}

TEST(AutomaticSynthesis, RandomProjectsReachKComputeTheProjectAndRepeat) {
  std::mt19937 rng(2026);
  // 63 rounds: every pairing of n (2..10) and K (2..8) once.
  for (int round = 0; round < 63 / kRoundDivisor; ++round) {
    const int n = 2 + round % 9;
    const int m = 1 + static_cast<int>(rng() % 4);
    const int k = 2 + round % 7;
    const double undefined = (round / 2) % 2 == 0 ? 0.0 : 0.25;
    const CLogicalScheme project(static_cast<int16_t>(n), static_cast<int16_t>(m), "Bl_1",
                                 RandomSequence(rng, n, m, undefined));
    const std::string what = "n=" + std::to_string(n) + " m=" + std::to_string(m) + " K=" + std::to_string(k) +
                             " undefined=" + std::to_string(undefined) + " round " + std::to_string(round);
    CLogicalScheme first = project;
    const AutomaticSynthesisResult result = RunAutomaticSynthesis(first, {k, nullptr});
    ASSERT_TRUE(result.status) << what << ": " << result.status.message();
    ExpectSynthesised(first, k, what);
    EXPECT_EQ(result.blocks, first.GetBlockCount() - 2) << what;
    EXPECT_EQ(result.tiers, first.GetBlock(first.GetBlockCount() - 1).m_tier) << what;
    CLogicalScheme second = project;
    ASSERT_TRUE(RunAutomaticSynthesis(second, {k, nullptr}).status);
    EXPECT_EQ(first, second) << what << ": two runs differ";
  }
}

TEST(AutomaticSynthesis, BothObjectivesOnWiderRandomProjects) {
  std::mt19937 rng(23);
  // Up to 12 inputs and 6 outputs, K = 2..6, with and without undefined words.
  for (int round = 0; round < 14 / kRoundDivisor; ++round) {
    const int n = 6 + round % 7;
    const int m = 1 + round % 6;
    const int k = 2 + round % 5;
    const double undefined = round % 2 == 0 ? 0.0 : 0.2;
    const CLogicalScheme project(static_cast<int16_t>(n), static_cast<int16_t>(m), "Bl_1",
                                 RandomSequence(rng, n, m, undefined));
    for (SynthesisObjective objective : {SynthesisObjective::Luts, SynthesisObjective::Depth}) {
      const std::string what = "n=" + std::to_string(n) + " m=" + std::to_string(m) + " K=" + std::to_string(k) +
                               (objective == SynthesisObjective::Depth ? " depth" : " luts") + " round " +
                               std::to_string(round);
      AutomaticSynthesisOptions options;
      options.maxInputs = k;
      options.objective = objective;
      CLogicalScheme first = project;
      const AutomaticSynthesisResult result = RunAutomaticSynthesis(first, options);
      ASSERT_TRUE(result.status) << what << ": " << result.status.message();
      ExpectSynthesised(first, k, what);
      CLogicalScheme second = project;
      ASSERT_TRUE(RunAutomaticSynthesis(second, options).status);
      EXPECT_EQ(first, second) << what << ": two runs differ";
    }
  }
}

TEST(AutomaticSynthesis, CleanUpFoldsConstantsRepeatersAndSingleReaders) {
  // Bl_3 = x0 XOR x1 read only by Bl_2 = Bl_3 AND x2; Bl_4 has a constant
  // output read by Bl_2's second output and a repeater of x1 read by O.
  CLogicalScheme s =
      Scheme(3,
             {Block("Bl_2", "0001", {{0, "Bl_3"}, {2, "I"}}), Block("Bl_5", "0110", {{0, "Bl_3"}, {0, "Bl_4"}}),
              Block("Bl_3", "0110", {{0, "I"}, {1, "I"}}), Block("Bl_4", "0022", {{0, "I"}, {1, "I"}}, 2)},
             {{0, "Bl_2"}, {0, "Bl_5"}, {1, "Bl_4"}}, "00020103", 1);
  const AnalysisResult before = Analize(s);
  ASSERT_TRUE(before.status);
  EXPECT_EQ(CountElements(s), 4);
  EXPECT_GT(CleanUpScheme(s, 3), 0);
  const AnalysisResult after = Analize(s);
  ASSERT_TRUE(after.status) << after.status.message();
  EXPECT_EQ(after.sequence, before.sequence);
  for (int b = 1; b < s.GetBlockCount() - 1; ++b) EXPECT_LE(s.GetBlock(b).m_inputCount, 3);
  // The XOR stays for its two readers; the constant and the repeater go.
  EXPECT_EQ(CountElements(s), 2);
  EXPECT_EQ(s.GetBlock(s.GetBlockCount() - 1).m_inputs[2], CBlockInput(1, "I"));
}

TEST(AutomaticSynthesis, EveryThreeInputFunctionAtTheNarrowestWidth) {
  // K = 2 needs the selector's split with its select input read twice.
  for (int f = 0; f < 256; ++f) {
    std::string lp;
    for (int i = 0; i < 8; ++i) lp += ((f >> i) & 1) ? '1' : '0';
    CLogicalScheme s(3, 1, "Bl_1", lp);
    const AutomaticSynthesisResult result = RunAutomaticSynthesis(s, {2, nullptr});
    ASSERT_TRUE(result.status) << lp << ": " << result.status.message();
    ExpectSynthesised(s, 2, lp);
    // A plain input keeps its block: a scheme without one cannot be analysed.
    EXPECT_GE(result.blocks, 1) << lp;
  }
}

TEST(AutomaticSynthesis, RefusalsAndCancelLeaveTheSchemeAlone) {
  std::mt19937 rng(5);
  const CLogicalScheme project(12, 2, "Bl_1", RandomSequence(rng, 12, 2, 0.0));
  for (int k : {1, 9}) {
    CLogicalScheme s = project;
    const AutomaticSynthesisResult result = RunAutomaticSynthesis(s, {k, nullptr});
    EXPECT_EQ(result.status.message(), "the block width must lie in 2..8, not " + std::to_string(k));
    EXPECT_EQ(s, project);
  }
  CLogicalScheme empty;
  EXPECT_FALSE(RunAutomaticSynthesis(empty, {4, nullptr}).status);

  CLogicalScheme s = project;
  int calls = 0;
  std::vector<int> wide;
  const AutomaticSynthesisResult cancelled = RunAutomaticSynthesis(s, {3, [&](int w) {
                                                                         wide.push_back(w);
                                                                         return ++calls < 5;
                                                                       }});
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_FALSE(cancelled.status);
  EXPECT_EQ(calls, 5) << "no call after the cancel";
  EXPECT_EQ(s, project);
  EXPECT_EQ(wide.front(), 1) << "the project's one block is wider than K";
}

TEST(AutomaticSynthesis, EqualBlocksReadingTheSameSignalsMerge) {
  // Two XORs of inputs 0 and 1 feeding an AND with input 2 and the output.
  CLogicalScheme s = Scheme(3,
                            {Block("Bl_3", "0001", {{0, "Bl_1"}, {2, "I"}}),
                             Block("Bl_1", "0110", {{0, "I"}, {1, "I"}}), Block("Bl_2", "0110", {{0, "I"}, {1, "I"}})},
                            {{0, "Bl_3"}, {0, "Bl_2"}}, "00020103", 1);
  const AnalysisResult before = Analize(s);
  ASSERT_TRUE(before.status);
  EXPECT_EQ(MergeEqualBlocks(s), 1);
  ASSERT_EQ(s.GetBlockCount(), 4);
  EXPECT_EQ(s.GetBlock(1).m_inputs[0].m_source, "Bl_2");
  EXPECT_EQ(s.GetBlock(3).m_inputs[1].m_source, "Bl_2");
  EXPECT_EQ(Analize(s).sequence, before.sequence);
}

}  // namespace
}  // namespace lodex
