// The layout and painting of large schemes: the view lays the scheme out at
// every repaint, so a 1,000-block scheme must lay out in well under 50 ms.
#include <benchmark/benchmark.h>

#include <random>

#include "drawing/SchemeDrawing.h"
#include "export/SvgCanvas.h"
#include "model/LogicalScheme.h"

namespace lodex {
namespace {

// `blocks` two- and three-input blocks over 16 primary inputs; each reads
// primary inputs or blocks further down the scheme, mostly near ones, as
// decompositions build them, and the output block reads the first eight.
CLogicalScheme LargeScheme(int blocks) {
  std::mt19937 rng(2006);
  CLogicalScheme s;
  CLogicalBlock in;
  in.m_id = "I";
  in.m_outputCount = 16;
  s.m_blocks.push_back(in);
  for (int i = 1; i <= blocks; ++i) {
    CLogicalBlock b;
    b.m_id = "Bl_" + std::to_string(i);
    b.m_caption = "Блок " + std::to_string(i);
    b.m_inputCount = std::uniform_int_distribution<int>(2, 3)(rng);
    b.m_lp = b.m_inputCount == 2 ? "1110" : "00110101";
    b.m_outputCount = 1;
    b.m_wordDigits = 1;
    for (int k = 0; k < b.m_inputCount; ++k) {
      const int reach = std::uniform_int_distribution<int>(1, 12)(rng);
      if (i + reach > blocks || std::bernoulli_distribution(0.3)(rng))
        b.m_inputs.emplace_back(static_cast<int16_t>(std::uniform_int_distribution<int>(0, 15)(rng)), "I");
      else
        b.m_inputs.emplace_back(0, "Bl_" + std::to_string(i + reach));
    }
    s.m_blocks.push_back(b);
  }
  CLogicalBlock out;
  out.m_id = "O";
  for (int k = 0; k < 8; ++k) out.m_inputs.emplace_back(0, "Bl_" + std::to_string(1 + k));
  out.m_inputCount = 8;
  s.m_blocks.push_back(out);
  return s;
}

void BM_Layout(benchmark::State& state) {
  const CLogicalScheme scheme = LargeScheme(static_cast<int>(state.range(0)));
  CSchemeDrawing drawing;
  for (auto _ : state) {
    drawing.Layout(scheme, true);
    benchmark::DoNotOptimize(drawing.Width());
  }
  state.counters["blocks"] = static_cast<double>(state.range(0));
  state.counters["junctions"] = static_cast<double>(drawing.Junctions().size());
}
BENCHMARK(BM_Layout)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A repaint: the layout and both painting passes, into an SVG picture.
void BM_LayoutAndPaint(benchmark::State& state) {
  const CLogicalScheme scheme = LargeScheme(static_cast<int>(state.range(0)));
  CSchemeDrawing drawing;
  for (auto _ : state) {
    drawing.Layout(scheme, true);
    benchmark::DoNotOptimize(SchemeSvg(drawing, 1).size());
  }
}
BENCHMARK(BM_LayoutAndPaint)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lodex
