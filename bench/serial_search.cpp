// The search of all serial split masks of one block: the fast engine against
// the mask-by-mask reference, on random blocks and on blocks built to split.
#include <benchmark/benchmark.h>

#include "serial_blocks.h"
#include "synthesis/SerialSearch.h"

namespace {

using lodex::CLogicalScheme;

// Arguments: inputs, outputs, percent of undefined words, decomposable (0/1).
CLogicalScheme BlockFor(const benchmark::State& state) {
  const int n = static_cast<int>(state.range(0)), m = static_cast<int>(state.range(1));
  const double undefined = static_cast<double>(state.range(2)) / 100.0;
  if (state.range(3) == 0) return lodex::testing::RandomScheme(n, m, undefined, 42);
  // Half the inputs feed a lower block with four classes.
  const uint32_t bound = (1u << (n / 2)) - 1;
  return lodex::testing::DecomposableScheme(n, m, undefined, 42, bound, 4);
}

void Label(benchmark::State& state, size_t candidates) {
  state.counters["candidates"] = static_cast<double>(candidates);
  state.SetLabel(state.range(3) ? "decomposable" : "random");
}

void BM_SearchFast(benchmark::State& state) {
  const CLogicalScheme scheme = BlockFor(state);
  size_t found = 0;
  for (auto _ : state) {
    auto result = lodex::SearchSplits(scheme, 1);
    found = result.candidates.size();
    benchmark::DoNotOptimize(result);
  }
  Label(state, found);
}

void BM_SearchReference(benchmark::State& state) {
  const CLogicalScheme scheme = BlockFor(state);
  size_t found = 0;
  for (auto _ : state) {
    auto result = lodex::SearchSplitsReference(scheme, 1);
    found = result.size();
    benchmark::DoNotOptimize(result);
  }
  Label(state, found);
}

void Shapes(benchmark::internal::Benchmark* b) {
  for (int decomposable : {0, 1})
    for (int n : {14, 16})
      for (int m : {1, 4})
        for (int undefined : {0, 30}) b->Args({n, m, undefined, decomposable});
  // Real time is what the user waits for; the CPU column sums all threads, so
  // that figures taken on a busy machine can still be compared.
  b->ArgNames({"n", "m", "undef%", "dec"})->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
}

}  // namespace

BENCHMARK(BM_SearchFast)->Apply(Shapes);
// The reference at 16 inputs takes about a minute per run.
BENCHMARK(BM_SearchReference)->Apply(Shapes)->Iterations(1);
