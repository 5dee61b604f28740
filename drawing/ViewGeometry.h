// The scheme view's zoom, scrolling and selection arithmetic.
#pragma once

#include <cstdint>

#include "drawing/SchemeDrawing.h"

namespace lodex {

// Zooms are percentages of the diagram's own size. The zoom commands and
// the wheel go down to 1 %; fitting a diagram to the window goes below that
// when the diagram needs it, down to a hundredth of a percent.
inline constexpr double kMinimumZoom = 1;
inline constexpr double kFitMinimumZoom = 0.01;

// Scroll size of the diagram at `zoom` percent: (width + 30, height + 20)
// scaled, each coordinate rounded down.
Point ScaledDiagramSize(int width, int height, double zoom);

// The diagram point under client point `client` with the view scrolled to
// `scroll`: (scroll + client) * 100 / zoom, rounded down.
Point ViewToDiagram(Point scroll, Point client, double zoom);

// The block a click selects: the drawing's hit test at the diagram point,
// -1 outside every block.
int SelectAt(const CSchemeDrawing& drawing, Point scroll, Point client, double zoom);

struct WheelZoom {
  double zoom = 100;
  Point scroll;
};

// Ctrl and the wheel: a notch of 120 changes the zoom by 10 points (1 point
// below 10 %), never below kMinimumZoom (a fitted zoom below it only goes
// up), and the scroll position keeps the diagram point under the cursor
// (`cursor` in client coordinates) where it is. The caller keeps the scroll
// position within its range.
WheelZoom ZoomByWheel(double zoom, int wheelDelta, Point scroll, Point cursor);

}  // namespace lodex
