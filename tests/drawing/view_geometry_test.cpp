#include <gtest/gtest.h>

#include "drawing/ViewGeometry.h"

namespace lodex {
namespace {

TEST(ViewGeometry, WheelNotchesChangeTheZoomByTenDownToTen) {
  EXPECT_EQ(ZoomByWheel(100, 120, {0, 0}, {0, 0}).zoom, 110u);
  unsigned zoom = 100;
  for (int i = 0; i < 9; ++i) zoom = ZoomByWheel(zoom, -120, {0, 0}, {0, 0}).zoom;
  EXPECT_EQ(zoom, 10u);
  // Below 10 % a notch is one point, down to 1 %, and back up the same way.
  for (int i = 0; i < 9; ++i) zoom = ZoomByWheel(zoom, -120, {0, 0}, {0, 0}).zoom;
  EXPECT_EQ(zoom, 1u);
  EXPECT_EQ(ZoomByWheel(zoom, -120, {0, 0}, {0, 0}).zoom, 1u);
  EXPECT_EQ(ZoomByWheel(1, 120 * 9, {0, 0}, {0, 0}).zoom, 10u);
  EXPECT_EQ(ZoomByWheel(9, 240, {0, 0}, {0, 0}).zoom, 20u);
  // A fast turn worth twenty notches at once still stops at the minimum.
  EXPECT_EQ(ZoomByWheel(100, -2400, {0, 0}, {0, 0}).zoom, 1u);
  EXPECT_EQ(ZoomByWheel(10, -240, {0, 0}, {0, 0}).zoom, 8u);
  // No upper limit; a part of a notch counts in twelfths.
  EXPECT_EQ(ZoomByWheel(1000, 1200, {0, 0}, {0, 0}).zoom, 1100u);
  EXPECT_EQ(ZoomByWheel(100, 60, {0, 0}, {0, 0}).zoom, 105u);
  // A fitted zoom below 1 %: down stays, up steps from 1 %.
  EXPECT_EQ(ZoomByWheel(0.25, -120, {0, 0}, {0, 0}).zoom, 0.25);
  EXPECT_EQ(ZoomByWheel(0.25, 120, {0, 0}, {0, 0}).zoom, 2.0);
}

TEST(ViewGeometry, TheDiagramPointUnderTheCursorStaysThere) {
  const WheelZoom z = ZoomByWheel(100, 120, {40, 10}, {60, 90});
  EXPECT_EQ(z.scroll, (Point{110 * 100 / 100 - 60, 110 * 100 / 100 - 90}));
  // The point under the cursor before and after.
  EXPECT_EQ(ViewToDiagram({40, 10}, {60, 90}, 100), ViewToDiagram(z.scroll, {60, 90}, z.zoom));
  const WheelZoom out = ZoomByWheel(200, -120, {300, 100}, {50, 50});
  EXPECT_EQ(out.zoom, 190u);
  EXPECT_EQ(out.scroll, (Point{190 * 350 / 200 - 50, 190 * 150 / 200 - 50}));
}

TEST(ViewGeometry, ClicksAreScaledBackToDiagramUnits) {
  EXPECT_EQ(ViewToDiagram({0, 0}, {120, 60}, 200), (Point{60, 30}));
  EXPECT_EQ(ViewToDiagram({10, 0}, {9, 9}, 110), (Point{17, 8}));  // rounded down
  EXPECT_EQ(ScaledDiagramSize(160, 80, 100), (Point{190, 100}));
  EXPECT_EQ(ScaledDiagramSize(99'970, 9'980, 0.5), (Point{500, 50}));
  EXPECT_EQ(ViewToDiagram({0, 0}, {5, 1}, 0.5), (Point{1000, 200}));
  EXPECT_EQ(ScaledDiagramSize(160, 80, 150), (Point{285, 150}));

  CSchemeDrawing d;
  d.Layout(CLogicalScheme(2, 1, "Bl_1", "0110"), true);  // the block at (60, 20, 110, 80)
  EXPECT_EQ(SelectAt(d, {0, 0}, {120, 40}, 200), 1);
  EXPECT_EQ(SelectAt(d, {0, 0}, {220, 40}, 200), -1);  // x 110: the right edge is outside
  EXPECT_EQ(SelectAt(d, {100, 0}, {20, 40}, 200), 1);
  EXPECT_EQ(SelectAt(d, {0, 0}, {5, 5}, 100), -1);
}

}  // namespace
}  // namespace lodex
