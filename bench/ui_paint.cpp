// The scheme view and the sequence pane on real widgets: a repaint must fit
// in a frame (16 ms) and opening the largest project, 16 inputs and 12
// outputs with 4,096 lines in each list, must feel immediate (200 ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <random>

#include "BenchSchemes.h"
#include "model/SchemeFile.h"
#include "model/TempDir.h"
#include "ui/UiTestHost.h"
#include "ui/widgets/QPainterCanvas.h"
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
