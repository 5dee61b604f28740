// The layout and painting of large schemes: the view lays the scheme out at
// every repaint, so a 1,000-block scheme must lay out in well under 50 ms.
#include <benchmark/benchmark.h>

#include "BenchSchemes.h"
#include "drawing/SchemeDrawing.h"
#include "export/SvgCanvas.h"

namespace lodex {
namespace {

void BM_Layout(benchmark::State& state) {
  const CLogicalScheme scheme = bench::LargeScheme(static_cast<int>(state.range(0)));
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
  const CLogicalScheme scheme = bench::LargeScheme(static_cast<int>(state.range(0)));
  CSchemeDrawing drawing;
  for (auto _ : state) {
    drawing.Layout(scheme, true);
    benchmark::DoNotOptimize(SchemeSvg(drawing, 1).size());
  }
}
BENCHMARK(BM_LayoutAndPaint)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lodex
