// Random sequences of synthesis operations on seeded random projects: after
// every step the scheme must keep its invariants and compute every defined
// word of the project's sequence.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>

#include "OpsTestUtil.h"
#include "model/SchemeFile.h"
#include "serial_blocks.h"
#include "synthesis/Analysis.h"
#include "synthesis/Covering.h"
#include "synthesis/Dependency.h"
#include "synthesis/Optimisation.h"
#include "synthesis/Parallel.h"
#include "synthesis/Serial.h"
#include "synthesis/SerialSearch.h"
#include "synthesis/Simulation.h"
#include "synthesis/ThreeInput.h"

namespace lodex {
namespace {

// "" when the scheme is sound and reproduces every defined word of its
// project, else what is wrong.
std::string Check(const CLogicalScheme& s) {
  if (std::string reason = ValidateScheme(s); !reason.empty()) return "invalid scheme: " + reason;
  const AnalysisResult r = Analize(s);
  if (!r.status) return "analysis refused: " + r.status.message();
  const size_t d = static_cast<size_t>(s.m_wordDigits);
  if (r.sequence.size() != s.m_sourceLP.size()) return "computed sequence has the wrong length";
  for (size_t i = 0; i < s.m_sourceLP.size(); i += d) {
    const std::string want = ToUpperAscii(s.m_sourceLP.substr(i, d));
    if (want == std::string(d, '*')) continue;
    if (r.sequence.substr(i, d) != want)
      return "word " + std::to_string(i / d) + " is " + r.sequence.substr(i, d) + ", the project's " + want;
  }
  // Wherever the project is defined every block is: an undefined signal
  // there would be read as '0' by some readers and as '*' by others, so a
  // later rewiring could change the output.
  const SchemeValues values = SimulateScheme(s, true);
  for (size_t b = 1; b + 1 < values.tables.size(); ++b)
    for (size_t i = 0; i < values.tables[b].size(); ++i)
      if (values.tables[b][i] == -1 && s.m_sourceLP.substr(i * d, d) != std::string(d, '*'))
        return "block " + std::to_string(b) + " (" + s.GetBlock(static_cast<int>(b)).m_id +
               ") is undefined at combination " + std::to_string(i) + ", where the project is defined";
  return {};
}

std::string Describe(const CLogicalScheme& s) {
  std::ostringstream out;
  for (int i = 0; i < s.GetBlockCount(); ++i) {
    const CLogicalBlock& b = s.GetBlock(i);
    out << i << " " << b.m_id << " [" << b.m_lp << "] " << b.m_inputCount << "->" << b.m_outputCount << " <-";
    for (const auto& link : b.m_inputs) out << " " << link.m_source << "." << link.m_pin;
    out << "\n";
  }
  return out.str();
}

int32_t AllBits(int n) { return static_cast<int32_t>((uint32_t{1} << n) - 1u); }

class Runner {
 public:
  Runner(CLogicalScheme scheme, uint32_t seed) : m_s(std::move(scheme)), m_rng(seed) {}

  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
  bool Chance(double p) { return std::bernoulli_distribution(p)(m_rng); }
  int RandomBlock() { return m_s.GetBlockCount() < 3 ? -1 : Pick(1, m_s.GetBlockCount() - 2); }

  // Serial split of block b by a random accepted mask.
  bool Serial(int b) {
    const CLogicalBlock& block = m_s.GetBlock(b);
    if (block.m_inputCount < 2 || block.m_inputCount > 10) return false;
    const std::vector<SplitCandidate> candidates = SearchSplits(m_s, b).candidates;
    if (candidates.empty()) return false;
    const int32_t mask = candidates[static_cast<size_t>(Pick(0, static_cast<int>(candidates.size()) - 1))].mask;
    m_log = "serial split of block " + std::to_string(b) + " mask " + std::to_string(mask);
    ExtractSerial(m_s, mask, b, false);
    return true;
  }

  // Parallel split whose group-2 inputs hold every essential input of the
  // group-2 outputs, then perhaps the parallel-serial merge.
  bool Parallel(int b) {
    const CLogicalBlock block = m_s.GetBlock(b);
    const int n = block.m_inputCount;
    const int m = block.m_outputCount;
    if (m < 1 || m > 8) return false;
    const int32_t out2 = m == 1 || Chance(0.15) ? AllBits(m) : Pick(1, AllBits(m) - 1);
    const int32_t out1 = AllBits(m) & ~out2;
    const DependencyMatrix dep = EssentialDependencies(block);
    int32_t in2 = 0;
    for (int i = 0; i < n; ++i) {
      bool essential = false;
      for (int j = 0; j < m; ++j) essential |= ((out2 >> j) & 1) && dep[static_cast<size_t>(i)][static_cast<size_t>(j)];
      if (essential || Chance(0.2)) in2 |= int32_t{1} << i;
    }
    // Each dropped input may be fictitious on its own while several are not
    // together (undefined words hide the dependence): add inputs until the
    // group-2 outputs are a function of the kept ones.
    for (int i = 0; i < n && !SubBlockKeepsFunction(m_s, b, in2, out2); ++i) in2 |= int32_t{1} << i;
    m_log = "parallel split of block " + std::to_string(b) + " out2 " + std::to_string(out2) + " in2 " +
            std::to_string(in2);
    const SplitRequest request{AllBits(n), out1, in2, out2};
    ParallelSplit(m_s, b, request);
    if (IsTwoGroupSplit(request) && in2 > 0 && in2 < AllBits(n) && Chance(0.6) &&
        EvaluateSplit(m_s, in2, b).has_value()) {
      m_log += " + merge";
      if (std::string bad = Check(m_s); !bad.empty()) return true;  // report the split itself
      ExtractSerial(m_s, in2, b, true);
    }
    return true;
  }

  bool Fictitious(int b) {
    const CLogicalBlock& block = m_s.GetBlock(b);
    if (block.m_outputCount != 1 || block.m_inputCount < 1) return false;
    const DependencyMatrix dep = EssentialDependencies(block);
    std::vector<int> fict;
    for (int i = 0; i < block.m_inputCount; ++i)
      if (IsFictitiousInput(dep, i)) fict.push_back(i);
    if (fict.empty()) return false;
    const int input = fict[static_cast<size_t>(Pick(0, static_cast<int>(fict.size()) - 1))];
    m_log = "fictitious input " + std::to_string(input) + " of block " + std::to_string(b);
    return RemoveFictitiousInput(m_s, b, input).ok();
  }

  bool ThreeInput(int b) {
    const CLogicalBlock& block = m_s.GetBlock(b);
    if (block.m_outputCount != 1 || block.m_inputCount < 2) return false;
    const std::vector<int32_t> types = ThreeInputTypes(m_s, b);
    const int x = Pick(0, block.m_inputCount - 1);
    m_log = "three-input extraction of block " + std::to_string(b) + " on input " + std::to_string(x) + " type " +
            std::to_string(types[static_cast<size_t>(x)]);
    return ExtractThreeInput(m_s, b, x, types[static_cast<size_t>(x)]).ok();
  }

  bool Optimise() {
    if (!IsElementary(m_s)) return false;
    const SubstitutionSearch search = FindSameLP(m_s, 2);
    if (!search.status.ok() || search.candidates.empty()) return false;
    const int best = ChooseSubstitution(m_s, search.candidates);
    const CSubstitution& c = search.candidates[static_cast<size_t>(best)];
    m_log = "substitution " + std::to_string(c.m_sourceBlock) + "," + std::to_string(c.m_targetBlock) + "," +
            std::to_string(c.m_targetInput) + "," + std::to_string(c.m_sourcePin) + "," + std::to_string(c.m_invert);
    ApplySubstitution(m_s, c, DeadBlocks(m_s, c));
    ++m_substitutions;
    return true;
  }

  // Breaks every block down until the scheme is elementary (or gives up).
  bool Elementarise() {
    for (int guard = 0; guard < 200 && !IsElementary(m_s) && m_s.GetBlockCount() < 120; ++guard) {
      for (int b = 1; b < m_s.GetBlockCount() - 1; ++b) {
        const CLogicalBlock& block = m_s.GetBlock(b);
        if (block.m_inputCount <= 2 && block.m_outputCount <= 1) continue;
        if (block.m_outputCount > 1) {
          Parallel(b);
        } else if (!Fictitious(b) && !(Chance(0.5) && Serial(b))) {
          ThreeInput(b);
        }
        m_log = "elementarise: " + m_log;
        if (std::string bad = Check(m_s); !bad.empty()) return Fail(bad);
        break;
      }
    }
    return true;
  }

  bool Step() {
    int kind = Pick(0, 9);
    // Coverings multiply the blocks; past a size only shrinking steps run.
    if (m_s.GetBlockCount() > 120 && kind != 2 && kind != 5 && kind != 8) kind = 5 + 3 * Pick(0, 1);
    const int b = RandomBlock();
    bool applied = false;
    if (b < 0 && kind < 5) return true;
    switch (kind) {
      case 0: applied = Serial(b); break;
      case 1: applied = Parallel(b); break;
      case 2: applied = Fictitious(b); break;
      case 3: applied = ThreeInput(b); break;
      case 4: applied = Serial(b) || Parallel(b); break;
      case 5:
        m_log = "repeaters and inverters";
        m_s.RenumberCaptions();
        m_s.RemoveRepeaters();
        m_s.RemoveInverters();
        applied = true;
        break;
      case 6:
        m_log = "NAND covering";
        CoverNand(m_s);
        applied = true;
        break;
      case 7:
        m_log = "NOR covering";
        CoverNor(m_s);
        applied = true;
        break;
      case 8: applied = Optimise(); break;
      case 9: return Elementarise();
    }
    if (!applied) return true;
    ++m_applied[kind];
    if (std::string bad = Check(m_s); !bad.empty()) return Fail(bad);
    return true;
  }

  bool Fail(const std::string& why) {
    m_failure = m_log + ": " + why + "\n" + Describe(m_s);
    return false;
  }

  CLogicalScheme m_s;
  std::mt19937 m_rng;
  std::string m_log;
  std::string m_failure;
  int m_substitutions = 0;
  int m_applied[10] = {};
};

CLogicalScheme RandomProject(uint32_t seed) {
  std::mt19937 rng(seed);
  const int n = std::uniform_int_distribution<int>(2, 8)(rng);
  const int m = std::uniform_int_distribution<int>(1, 4)(rng);
  const double undefined = (seed % 3 == 0) ? 0.0 : (seed % 3 == 1 ? 0.1 : 0.35);
  if (seed % 2 == 0) return testing::RandomScheme(n, m, undefined, seed);
  const uint32_t bound = std::uniform_int_distribution<uint32_t>(1, (1u << n) - 2)(rng);
  return testing::DecomposableScheme(n, m, undefined, seed, bound, std::uniform_int_distribution<int>(1, 3)(rng));
}

struct RunTotals {
  int substitutions = 0;
  int applied[10] = {};
};

void RunSeed(uint32_t seed, RunTotals& totals) {
  Runner runner(RandomProject(seed), seed);
  ASSERT_EQ(Check(runner.m_s), "") << "seed " << seed;
  for (int step = 0; step < 14; ++step)
    ASSERT_TRUE(runner.Step()) << "seed " << seed << " step " << step << ": " << runner.m_failure;
  totals.substitutions += runner.m_substitutions;
  for (int k = 0; k < 10; ++k) totals.applied[k] += runner.m_applied[k];
}

TEST(SynthesisProperty, RandomOperationSequencesKeepTheFunction) {
  // LODEX_PROPERTY_SEEDS runs more seeds when hunting for rare faults.
  const char* env = std::getenv("LODEX_PROPERTY_SEEDS");
  const uint32_t seeds = env ? static_cast<uint32_t>(std::strtoul(env, nullptr, 10)) : 400;
  RunTotals totals;
  for (uint32_t seed = 1; seed <= seeds; ++seed) {
    RunSeed(seed, totals);
    if (::testing::Test::HasFatalFailure()) return;
  }
  // Every kind of step must actually have been exercised.
  EXPECT_GT(totals.substitutions, 20);
  for (int k = 0; k < 9; ++k) EXPECT_GT(totals.applied[k], 20) << "step kind " << k;
}

// Seeds that once found faults: 2 (three-input cofactor left undefined where
// the other is defined), 28 (substitution source undefined where a value is
// required), 147 (substitution moving the target onto an undefined word
// through an input counted as unobservable), 197 (repeater removal exposing
// an undefined signal), 269 (inputs fictitious one by one but not together),
// 1571 (inverted substitution onto an undefined word).
TEST(SynthesisProperty, SeedsThatOnceFoundFaults) {
  RunTotals totals;
  for (uint32_t seed : {2u, 28u, 147u, 197u, 269u, 1571u}) {
    RunSeed(seed, totals);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace lodex
