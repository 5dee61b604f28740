// The BLIF and Verilog exports judged by real logic-synthesis tools: ABC
// proves fully defined netlists equivalent to their PLA file, directly and
// after Yosys has synthesised the Verilog; netlists of functions with
// don't-cares are simulated against every word the function defines.
#include <gtest/gtest.h>

#include <random>

#include "export/BlifEval.h"
#include "export/NetlistGenerator.h"
#include "export/ToolRunner.h"
#include "export/TwoInputBlocks.h"
#include "model/PlaFile.h"
#include "synthesis/AutomaticSynthesis.h"
#include "synthesis/Covering.h"
#include "synthesis/OpsTestUtil.h"

namespace lodex {
namespace {

using testing::ReadBytes;
using testing::RunTool;
using testing::WriteBytes;

const char* kAbc = "berkeley-abc";
const char* kYosys = "yosys";

// The PLA text of a sequence: one cube per defined word; type fr (the rest
// don't-care) when a word is undefined.
std::string PlaOf(int n, int m, const std::string& lp) {
  const Words words = LPToWords(lp, WordDigitsFor(m));
  std::string text = ".i " + std::to_string(n) + "\n.o " + std::to_string(m) + "\n";
  bool undefined = false;
  std::string cubes;
  for (size_t c = 0; c < words.size(); ++c) {
    if (words[c] < 0) {
      undefined = true;
      continue;
    }
    for (int j = 0; j < n; ++j) cubes += ((c >> j) & 1u) != 0 ? '1' : '0';
    cubes += ' ';
    for (int k = 0; k < m; ++k) cubes += ((words[c] >> k) & 1) != 0 ? '1' : '0';
    cubes += '\n';
  }
  return text + (undefined ? ".type fr\n" : "") + cubes + ".e\n";
}

// A project read from PLA text, as lodex-cli new --pla makes it.
struct Project {
  std::string pla;
  CPlaFunction function;
  CLogicalScheme scheme;
};
Project FromPla(const std::string& pla) {
  CPlaFunction f;
  const Status s = ParsePla(pla, f);
  EXPECT_TRUE(s.ok()) << s.message();
  return {pla, f, CLogicalScheme(static_cast<int16_t>(f.inputs), static_cast<int16_t>(f.outputs), "Bl_1", f.lp)};
}

std::string Abc(const std::string& command) {
  const testing::CliResult r = RunTool(kAbc, {"-c", command});
  return r.out + r.err;
}

// Judges the scheme's BLIF, and the BLIF Yosys makes of its Verilog, against
// the project's PLA file.
void Judge(const Project& p, const CLogicalScheme& scheme, const std::string& what) {
  ASSERT_TRUE(testing::ToolInstalled(kAbc) && testing::ToolInstalled(kYosys))
      << "berkeley-abc or yosys is missing: run scripts/install-deps.sh";
  testing::CTempDir dir;
  const std::string pla = dir.File("f.pla"), blif = dir.File("f.blif"), v = dir.File("f.v"),
                    synthesised = dir.File("y.blif");
  const NetlistPorts ports{p.function.inputNames, p.function.outputNames};
  WriteBytes(pla, p.pla);
  ASSERT_TRUE(CNetlistGenerator::WriteFile(blif, CNetlistGenerator::Blif(scheme, "top", ports)).ok());
  ASSERT_TRUE(CNetlistGenerator::WriteFile(v, CNetlistGenerator::Verilog(scheme, "top", ports)).ok());
  const testing::CliResult y = RunTool(
      kYosys,
      {"-q", "-p", "read_verilog " + v + "; hierarchy -top top; proc; flatten; synth; write_blif " + synthesised});
  ASSERT_EQ(y.status, 0) << what << ":\n" << y.out << y.err;
  // Both readers take the export as it stands.
  const std::string read = Abc("read_blif " + blif + "; print_stats");
  EXPECT_NE(read.find("top"), std::string::npos) << what << ": " << read << ReadBytes(blif);
  EXPECT_EQ(read.find("rror"), std::string::npos) << what << ": " << read << ReadBytes(blif);
  const testing::CliResult yb = RunTool(kYosys, {"-q", "-p", "read_blif " + blif + "; hierarchy -top top; stat"});
  EXPECT_EQ(yb.status, 0) << what << ":\n" << yb.out << yb.err << ReadBytes(blif);

  if (p.scheme.m_sourceLP.find('*') == std::string::npos) {
    // -n: inputs and outputs are matched by their order, the file's order.
    for (const std::string& file : {blif, synthesised}) {
      const std::string verdict = Abc("cec -n " + pla + " " + file);
      EXPECT_NE(verdict.find("Networks are equivalent"), std::string::npos)
          << what << ": " << verdict << ReadBytes(file);
    }
    return;
  }
  const Words expected = LPToWords(p.scheme.m_sourceLP, p.scheme.m_wordDigits);
  for (const std::string& file : {blif, synthesised}) {
    testing::CBlifEval net(ReadBytes(file));
    ASSERT_EQ(net.inputs.size(), static_cast<size_t>(p.function.inputs)) << what;
    ASSERT_EQ(net.outputs.size(), static_cast<size_t>(p.function.outputs)) << what;
    for (size_t c = 0; c < expected.size(); ++c)
      if (expected[c] >= 0) {
        EXPECT_EQ(net.Evaluate(static_cast<unsigned>(c)), expected[c]) << what << " word " << c;
      }
    EXPECT_EQ(net.error, "") << what;
  }
}

// A classic two-output control function with named inputs and outputs.
const char* kNamed =
    ".i 7\n.o 2\n.ilb f b c d a h g\n.ob f0 f1\n.p 9\n-1--1-- 10\n1-11--- 10\n-001--- 10\n01---1- 10\n"
    "-0--0-- 01\n1---0-- 01\n0-----0 01\n01--1-- 01\n10-0--- 01\n.e\n";

TEST(NetlistTools, PlainAndDecomposedSchemesAreProvedEquivalent) {
  const Project named = FromPla(kNamed);
  Judge(named, named.scheme, "plain, named");
  const std::string blif = CNetlistGenerator::Blif(named.scheme, "top", {named.function.inputNames, {"f0", "1x"}});
  EXPECT_NE(blif.find(".inputs f b c d a h g\n.outputs f0 1x\n"), std::string::npos) << blif;
  const std::string v = CNetlistGenerator::Verilog(named.scheme, "top", {named.function.inputNames, {"f0", "1x"}});
  EXPECT_NE(v.find("module top(input f, input b, input c, input d, input a, input h, input g, output f0, output O1)"),
            std::string::npos)
      << v;

  const Project adder = FromPla(PlaOf(3, 2, "01121223"));
  CLogicalScheme parallel = adder.scheme;
  ParallelSplit(parallel, 1, SplitRequest{7, 1, 7, 2});
  Judge(adder, parallel, "parallel");

  CLogicalScheme nand = adder.scheme;
  testing::DecomposeToTwoInputBlocks(nand);
  CoverNand(nand);
  ASSERT_GT(nand.GetBlockCount(), 6);
  Judge(adder, nand, "NAND");

  const Project wide = FromPla(PlaOf(4, 2, "0000000000033333"));
  CLogicalScheme serial = wide.scheme;
  const auto found = SearchSplitsReference(serial, 1);
  ASSERT_FALSE(found.empty());
  ExtractSerial(serial, found.front().mask, 1, false);
  Judge(wide, serial, "serial");

  CLogicalScheme decomposed = named.scheme;
  testing::DecomposeToTwoInputBlocks(decomposed);
  Judge(named, decomposed, "decomposed, named");

  for (int k : {2, 3, 5}) {
    CLogicalScheme automatic = named.scheme;
    ASSERT_TRUE(RunAutomaticSynthesis(automatic, {k, nullptr}).status);
    Judge(named, automatic, "automatic synthesis, K = " + std::to_string(k));
  }
}

// Constant outputs: the square's bit 1 is always 0; the second function's
// bit 1 is always 0 and bit 2 always 1.
TEST(NetlistTools, ConstantOutputsAreReadByEveryTool) {
  Words square;
  for (int x = 0; x < 8; ++x) square.push_back(x * x);
  const Project p = FromPla(PlaOf(3, 6, WordsToLP(square, 2)));
  Judge(p, p.scheme, "square, plain");
  const std::string blif = CNetlistGenerator::Blif(p.scheme, "top");
  EXPECT_NE(blif.find(".names Bl_1_1\n"), std::string::npos) << blif;
  CLogicalScheme decomposed = p.scheme;
  testing::DecomposeToTwoInputBlocks(decomposed);
  Judge(p, decomposed, "square, decomposed");
  for (int k : {2, 3}) {
    CLogicalScheme automatic = p.scheme;
    ASSERT_TRUE(RunAutomaticSynthesis(automatic, {k, nullptr}).status);
    Judge(p, automatic, "square, automatic synthesis, K = " + std::to_string(k));
  }

  const Project c = FromPla(PlaOf(3, 3, "45455454"));
  Judge(c, c.scheme, "constants, plain");
  const std::string constants = CNetlistGenerator::Blif(c.scheme, "top");
  EXPECT_NE(constants.find(".names Bl_1_1\n.names Bl_1_2\n1\n.names Bl_1_0 O0\n"), std::string::npos) << constants;
  CLogicalScheme automatic = c.scheme;
  ASSERT_TRUE(RunAutomaticSynthesis(automatic, {2, nullptr}).status);
  Judge(c, automatic, "constants, automatic synthesis");
}

TEST(NetlistTools, AutomaticSynthesisOfRandomFunctionsIsProvedEquivalent) {
  ASSERT_TRUE(testing::ToolInstalled(kAbc)) << "berkeley-abc is missing: run scripts/install-deps.sh";
  std::mt19937 rng(41);
  testing::CTempDir dir;
  const std::string pla = dir.File("f.pla"), blif = dir.File("f.blif");
  for (int round = 0; round < 10; ++round) {
    const int n = 3 + round;
    const int m = 1 + round % 6;
    const int k = 2 + round % 5;
    const Project p = FromPla(PlaOf(n, m, testing::RandomSequence(rng, n, m, 0.0)));
    WriteBytes(pla, p.pla);
    for (SynthesisObjective objective : {SynthesisObjective::Luts, SynthesisObjective::Depth}) {
      AutomaticSynthesisOptions options;
      options.maxInputs = k;
      options.objective = objective;
      CLogicalScheme s = p.scheme;
      ASSERT_TRUE(RunAutomaticSynthesis(s, options).status);
      ASSERT_TRUE(CNetlistGenerator::WriteFile(blif, CNetlistGenerator::Blif(s, "top", {})).ok());
      const std::string verdict = Abc("cec -n " + pla + " " + blif);
      EXPECT_NE(verdict.find("Networks are equivalent"), std::string::npos)
          << n << " x " << m << " K=" << k << (objective == SynthesisObjective::Depth ? " depth" : " luts") << ": "
          << verdict;
    }
  }
}

TEST(NetlistTools, TheJudgesCatchAWrongNetlist) {
  const Project adder = FromPla(PlaOf(3, 2, "01121223"));
  CLogicalScheme wrong = adder.scheme;
  wrong.GetBlock(1).m_lp = "01121222";
  testing::CTempDir dir;
  WriteBytes(dir.File("f.pla"), adder.pla);
  ASSERT_TRUE(CNetlistGenerator::WriteFile(dir.File("f.blif"), CNetlistGenerator::Blif(wrong, "top")).ok());
  EXPECT_NE(Abc("cec -n " + dir.File("f.pla") + " " + dir.File("f.blif")).find("NOT EQUIVALENT"), std::string::npos);
  testing::CBlifEval net(ReadBytes(dir.File("f.blif")));
  EXPECT_EQ(net.Evaluate(6), 2);
  EXPECT_EQ(net.Evaluate(7), 2);
}

TEST(NetlistTools, FunctionsWithDontCaresMatchEveryDefinedWord) {
  std::mt19937 rng(14);
  for (int round = 0; round < 2; ++round) {
    const Project p = FromPla(PlaOf(5, 3, testing::RandomSequence(rng, 5, 3, 0.3)));
    Judge(p, p.scheme, "plain");
    CLogicalScheme decomposed = p.scheme;
    testing::DecomposeToTwoInputBlocks(decomposed);
    Judge(p, decomposed, "decomposed");
    CLogicalScheme automatic = p.scheme;
    ASSERT_TRUE(RunAutomaticSynthesis(automatic, {3, nullptr}).status);
    Judge(p, automatic, "automatic synthesis");
  }
}

}  // namespace
}  // namespace lodex
