// The scheme view's zoom, scrolling and selection arithmetic.
#pragma once

#include <cstdint>

#include "drawing/SchemeDrawing.h"

namespace lodex {

// 1 %: small enough that the largest scheme fits a window.
inline constexpr unsigned kMinimumZoom = 1;

// Scroll size of the diagram at `zoom` percent: (width + 30, height + 20)
// scaled, each coordinate rounded down.
Point ScaledDiagramSize(int width, int height, unsigned zoom);

// The diagram point under client point `client` with the view scrolled to
// `scroll`: (scroll + client) * 100 / zoom, rounded down.
Point ViewToDiagram(Point scroll, Point client, unsigned zoom);

// The block a click selects: the drawing's hit test at the diagram point,
// -1 outside every block.
int SelectAt(const CSchemeDrawing& drawing, Point scroll, Point client, unsigned zoom);

struct WheelZoom {
  unsigned zoom = 100;
  Point scroll;
};

// Ctrl and the wheel: a notch of 120 changes the zoom by 10 points (1 point
// below 10 %), never below kMinimumZoom, and the scroll position keeps the diagram point under the
// cursor (`cursor` in client coordinates) where it is. The caller keeps the
// scroll position within its range.
WheelZoom ZoomByWheel(unsigned zoom, int wheelDelta, Point scroll, Point cursor);

}  // namespace lodex
