// Reading Berkeley PLA files of 1,000 and 100,000 cubes (16 inputs, 12
// outputs), against the simplest reading of the same text: one pass that
// splits it into lines and counts the characters of each cube.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "model/PlaFile.h"

namespace lodex {
namespace {

// Random cubes with a quarter of the inputs free; every output ON, OFF or
// don't-care, so the cubes never conflict (type fd: OFF means nothing).
std::string RandomPla(int cubes, bool allFree) {
  std::mt19937 rng(static_cast<unsigned>(cubes));
  std::string text = ".i 16\n.o 12\n.p ";
  text += std::to_string(cubes);
  text += '\n';
  for (int c = 0; c < cubes; ++c) {
    for (int j = 0; j < 16; ++j) text += allFree || rng() % 4 == 0 ? '-' : "01"[rng() % 2];
    text += ' ';
    for (int k = 0; k < 12; ++k) text += allFree ? '-' : "01-"[rng() % 3];
    text += '\n';
  }
  return text + ".e\n";
}

const std::string& Pla(int cubes, bool allFree = false) {
  static std::string texts[3];
  std::string& text = texts[cubes == 1000 ? 0 : allFree ? 2 : 1];
  if (text.empty()) text = RandomPla(cubes, allFree);
  return text;
}

void BM_PlaRead(benchmark::State& state) {
  const std::string& text = Pla(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    CPlaFunction f;
    if (!ParsePla(text, f)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(f.lp.data());
  }
  state.counters["cubes"] = static_cast<double>(state.range(0));
}

// The simplest reading: lines and the characters that are not blanks.
void BM_PlaLinesOnly(benchmark::State& state) {
  const std::string& text = Pla(static_cast<int>(state.range(0)), state.range(1) != 0);
  for (auto _ : state) {
    size_t lines = 0, marks = 0;
    for (char c : text) {
      lines += c == '\n';
      marks += c != ' ' && c != '\n';
    }
    benchmark::DoNotOptimize(lines);
    benchmark::DoNotOptimize(marks);
  }
  state.counters["cubes"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_PlaRead)->Args({1000, 0})->Args({100000, 0})->Args({250000, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlaLinesOnly)->Args({1000, 0})->Args({100000, 0})->Args({250000, 1})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lodex
