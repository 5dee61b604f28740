// The scheme view, the sequence pane and the block properties pane on real
// widgets: a repaint must fit in a frame (16 ms), also for a synthesised
// scheme of over a thousand blocks; opening the largest project, 16 inputs
// and 12 outputs with 4,096 lines in each list, must feel immediate
// (200 ms); the block properties pane must follow a selection within 50 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <random>

#include "BenchSchemes.h"
#include "drawing/SchemeBuilders.h"
#include "drawing/SignalHighlight.h"
#include "drawing/ViewGeometry.h"
#include "model/SchemeFile.h"
#include "model/TempDir.h"
#include "synthesis/AutomaticSynthesis.h"
#include "ui/UiTestHost.h"
#include "ui/widgets/QPainterCanvas.h"
#include "ui/window/BlockProperties.h"
#include "ui/window/OutputBar.h"

namespace lodex {
namespace {

// A layout and a repaint of a window of 1280 x 1024 pixels, as the view does
// them; at 10 % the whole 1,000-block diagram is in sight.
void BM_PaintLargeScheme(benchmark::State& state) {
  const CLogicalScheme scheme = bench::LargeScheme(1000);
  const auto zoom = static_cast<unsigned>(state.range(0));
  CSchemeDrawing drawing;
  QImage image(1280, 1024, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    drawing.Layout(scheme, true);
    QPainter painter(&image);
    PaintScheme(painter, drawing, 1, zoom);
  }
  state.counters["zoom"] = zoom;
}
BENCHMARK(BM_PaintLargeScheme)->Arg(100)->Arg(10)->Unit(benchmark::kMillisecond);

// A random project of 12 inputs and 3 outputs synthesised to blocks of at
// most 4 inputs: the scheme a user walks with the view.
const CLogicalScheme& SynthesisedScheme() {
  static const CLogicalScheme scheme = [] {
    std::mt19937 rng(12);
    std::string lp(size_t{1} << 12, '0');
    for (char& c : lp) c = "01234567"[std::uniform_int_distribution<int>(0, 7)(rng)];
    CLogicalScheme s(12, 3, "Bl_1", lp);
    AutomaticSynthesisOptions options;
    options.maxInputs = 4;
    RunAutomaticSynthesis(s, options);
    return s;
  }();
  return scheme;
}

// One repaint of a 1280 x 1024 view of the synthesised scheme, laid out
// once as the view does: at 100 % scrolled to the middle, fitted to the
// window, and at 100 % with the selected block's signals highlighted (the
// highlight found anew each time, as the view's paint does).
void BM_RepaintSynthesisedScheme(benchmark::State& state) {
  const CLogicalScheme& scheme = SynthesisedScheme();
  CSchemeDrawing drawing;
  drawing.Layout(scheme, true);
  const int mode = static_cast<int>(state.range(0));
  const Point whole = ScaledDiagramSize(drawing.Width(), drawing.Height(), 100);
  // Fitted as the view fits: hundredths of a point below 1 %.
  const double exact = std::min(1280 * 100.0 / whole.x, 1024 * 100.0 / whole.y);
  const double zoom = mode != 1 ? 100 : exact >= 1 ? std::floor(exact) : std::floor(exact * 100) / 100;
  const QPoint scroll = mode == 1 ? QPoint() : QPoint(whole.x / 2 - 640, whole.y / 2 - 512);
  const int selected = scheme.GetBlockCount() / 2;
  QImage image(1280, 1024, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    PaintScheme(painter, drawing, mode == 2 ? selected : -1, zoom, scroll,
                mode == 2 ? BlockWires(scheme, selected) : std::vector<PinRef>{});
  }
  state.counters["blocks"] = scheme.GetBlockCount() - 2;
  state.counters["zoom"] = zoom;
  state.counters["diagram_kpx"] = static_cast<double>(whole.x) * whole.y / 1e3;
}
BENCHMARK(BM_RepaintSynthesisedScheme)
    ->ArgName("at100_fitted_highlit")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

// Opening a scheme file of the largest project through the document, which
// updates the view, which fills both lists of the pane.
void BM_OpenLargestProject(benchmark::State& state) {
  std::mt19937 rng(16);
  std::string lp(size_t{3} << 16, '0');
  for (char& c : lp) c = "0123456789ABCDEF"[std::uniform_int_distribution<int>(0, 15)(rng)];
  testing::CTempDir dir;
  const std::string path = dir.File("wide.shc");
  if (!SaveSchemeFile(path, CLogicalScheme(16, 12, "Bl_1", lp)).ok()) {
    state.SkipWithError("the scheme file could not be written");
    return;
  }
  test::CUiTestHost host;
  CLodexDoc doc(host);
  CLodexView view(doc);
  COutputBar pane;
  host.view = &view;
  QObject::connect(&view, &CLodexView::LayoutRefreshed,
                   [&](bool firstState) { pane.UpdatePanes(doc.Scheme(), firstState); });
  for (auto _ : state) {
    if (!doc.OnOpenDocument(path)) state.SkipWithError("the scheme file could not be opened");
  }
  state.counters["block lines"] = static_cast<double>(pane.BlockLines().size());
  state.counters["source lines"] = static_cast<double>(pane.SourceLines().size());
}
BENCHMARK(BM_OpenLargestProject)->Unit(benchmark::kMillisecond);

// The block properties pane following a selection that moves between two blocks of
// `inputs` inputs and two outputs with random functions: connections,
// table, formulas (up to 8 inputs) and map (up to 6), laid out and painted.
void BM_ShowSelectedBlock(benchmark::State& state) {
  const int inputs = static_cast<int>(state.range(0));
  std::mt19937 rng(static_cast<unsigned>(inputs));
  const auto randomBlock = [&](const std::string& id) {
    std::string lp(size_t{1} << inputs, '0');
    for (char& c : lp) c = "0123*"[std::uniform_int_distribution<int>(0, inputs > 6 ? 3 : 4)(rng)];
    std::vector<CBlockInput> links;
    for (int k = 0; k < inputs; ++k) links.push_back({static_cast<int16_t>(k), "I"});
    return testing::LogicBlock(id, lp, links, 2);
  };
  const CLogicalScheme scheme =
      testing::MakeScheme(inputs, {randomBlock("B1"), randomBlock("B2")}, {{0, "B1"}, {1, "B2"}});
  CBlockProperties properties;
  properties.resize(330, 700);
  properties.show();
  int index = 1;
  for (auto _ : state) {
    properties.ShowBlock(scheme, index);
    QApplication::processEvents();
    properties.repaint();
    index = 3 - index;
  }
  state.counters["rows"] = static_cast<double>(size_t{1} << inputs);
  state.counters["formulas"] = static_cast<double>(properties.FormulaLines().size());
}
BENCHMARK(BM_ShowSelectedBlock)->ArgName("inputs")->Arg(4)->Arg(6)->Arg(8)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lodex

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
