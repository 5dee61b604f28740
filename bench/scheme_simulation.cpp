// Analize and TabulateBlocks on a scheme of 16 inputs and over 1,000
// blocks, the fast simulation against the plain text-per-combination one.
#include <benchmark/benchmark.h>

#include <random>

#include "model/SchemeFile.h"
#include "synthesis/Analysis.h"
#include "synthesis/Optimisation.h"
#include "synthesis/Parallel.h"
#include "synthesis/ThreeInput.h"

namespace lodex {
namespace {

// A random two-output project of 16 inputs with 10 % undefined words, split
// by outputs and then expanded by three-input extraction on the highest input
// of every block of more than 8 inputs, breadth first, until the scheme holds
// at least 1,000 blocks.
const CLogicalScheme& BigScheme() {
  static const CLogicalScheme scheme = [] {
    std::mt19937 rng(2026);
    Words w(size_t{1} << 16);
    std::uniform_int_distribution<int32_t> value(0, 3);
    std::bernoulli_distribution undefined(0.1);
    for (auto& x : w) x = undefined(rng) ? -1 : value(rng);
    CLogicalScheme s(16, 2, "Bl_1", ToUpperAscii(WordsToLP(w, 1)));
    ParallelSplit(s, 1, 0xFFFF, 1, 0xFFFF, 2);
    for (int i = 1; s.GetBlockCount() < 1002;) {
      if (i >= s.GetBlockCount() - 1) i = 1;
      const CLogicalBlock& b = s.GetBlock(i);
      if (b.m_outputCount == 1 && b.m_inputCount > 8) {
        const int x = b.m_inputCount - 1;
        const int32_t type = ThreeInputTypes(s, i)[static_cast<size_t>(x)];
        ExtractThreeInput(s, i, x, type);
        i += 3;
      } else {
        ++i;
      }
    }
    if (!ValidateScheme(s).empty()) std::abort();
    return s;
  }();
  return scheme;
}

void BM_AnalizeFast(benchmark::State& state) {
  const CLogicalScheme& s = BigScheme();
  for (auto _ : state) benchmark::DoNotOptimize(Analize(s));
  state.counters["blocks"] = s.GetBlockCount();
}

void BM_AnalizePlain(benchmark::State& state) {
  const CLogicalScheme& s = BigScheme();
  for (auto _ : state) benchmark::DoNotOptimize(AnalizePlain(s));
  state.counters["blocks"] = s.GetBlockCount();
}

void BM_TabulateBlocksFast(benchmark::State& state) {
  for (auto _ : state) {
    CLogicalScheme s = BigScheme();
    benchmark::DoNotOptimize(TabulateBlocks(s));
  }
}

void BM_TabulateBlocksPlain(benchmark::State& state) {
  for (auto _ : state) {
    CLogicalScheme s = BigScheme();
    benchmark::DoNotOptimize(TabulateBlocksPlain(s));
  }
}

BENCHMARK(BM_AnalizeFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AnalizePlain)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TabulateBlocksFast)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TabulateBlocksPlain)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace lodex
