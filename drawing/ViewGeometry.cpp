#include "drawing/ViewGeometry.h"

#include <algorithm>
#include <cmath>

namespace lodex {
namespace {

// value * numerator / denominator rounded down, for a value of at least 0.
int Scale(int64_t value, double numerator, double denominator) {
  if (value < 0 || denominator <= 0) return 0;
  return static_cast<int>(std::min(static_cast<double>(value) * numerator / denominator, double{INT32_MAX}));
}

}  // namespace

Point ScaledDiagramSize(int width, int height, double zoom) {
  return {Scale(int64_t{width} + 30, zoom, 100), Scale(int64_t{height} + 20, zoom, 100)};
}

Point ViewToDiagram(Point scroll, Point client, double zoom) {
  const double z = std::max(zoom, kFitMinimumZoom);
  return {Scale(int64_t{scroll.x} + client.x, 100, z), Scale(int64_t{scroll.y} + client.y, 100, z)};
}

int SelectAt(const CSchemeDrawing& drawing, Point scroll, Point client, double zoom) {
  const Point p = ViewToDiagram(scroll, client, zoom);
  return drawing.HitTest(p.x, p.y);
}

WheelZoom ZoomByWheel(double zoom, int wheelDelta, Point scroll, Point cursor) {
  const double old = std::max(zoom, kFitMinimumZoom);
  // The steps count in whole points from the whole zoom nearest to it.
  const int64_t from = std::max<int64_t>(std::llround(old), 1);
  // Signed throughout: an unsigned sum would wrap below zero on a fast turn
  // down and leave an enormous zoom instead of the minimum. Below 10 % a
  // notch moves one point instead of ten.
  const auto position = [](int64_t z) { return z >= 10 ? z : 10 - (10 - z) * 10; };
  const int64_t moved = position(from) + wheelDelta / 12;
  const int64_t stepped = std::max<int64_t>(moved >= 10 ? moved : 10 - (10 - moved) / 10, 1);
  // A fitted zoom below the least step only goes up.
  const double next = old < kMinimumZoom && wheelDelta <= 0 ? old : static_cast<double>(stepped);
  auto keep = [&](int s, int p) { return static_cast<int>(next * (int64_t{s} + p) / old - p); };
  WheelZoom result;
  result.zoom = std::min(next, double{UINT32_MAX});
  result.scroll = {keep(scroll.x, cursor.x), keep(scroll.y, cursor.y)};
  return result;
}

}  // namespace lodex
