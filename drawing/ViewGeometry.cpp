#include "drawing/ViewGeometry.h"

#include <algorithm>

namespace lodex {
namespace {

int Scale(int64_t value, int64_t numerator, int64_t denominator) {
  if (value < 0 || denominator <= 0) return 0;
  return static_cast<int>(std::min<int64_t>(value * numerator / denominator, INT32_MAX));
}

}  // namespace

Point ScaledDiagramSize(int width, int height, unsigned zoom) {
  return {Scale(int64_t{width} + 30, zoom, 100), Scale(int64_t{height} + 20, zoom, 100)};
}

Point ViewToDiagram(Point scroll, Point client, unsigned zoom) {
  const unsigned z = std::max(zoom, kMinimumZoom);
  return {Scale(int64_t{scroll.x} + client.x, 100, z), Scale(int64_t{scroll.y} + client.y, 100, z)};
}

int SelectAt(const CSchemeDrawing& drawing, Point scroll, Point client, unsigned zoom) {
  const Point p = ViewToDiagram(scroll, client, zoom);
  return drawing.HitTest(p.x, p.y);
}

WheelZoom ZoomByWheel(unsigned zoom, int wheelDelta, Point scroll, Point cursor) {
  const int64_t old = std::max(zoom, kMinimumZoom);
  // Signed throughout: an unsigned sum would wrap below zero on a fast turn
  // down and leave an enormous zoom instead of the minimum. Below 10 % a
  // notch moves one point instead of ten.
  const auto position = [](int64_t z) { return z >= 10 ? z : 10 - (10 - z) * 10; };
  const int64_t moved = position(old) + wheelDelta / 12;
  const int64_t next = std::max<int64_t>(moved >= 10 ? moved : 10 - (10 - moved) / 10, kMinimumZoom);
  auto keep = [&](int s, int p) { return static_cast<int>(next * (int64_t{s} + p) / old - p); };
  WheelZoom result;
  result.zoom = static_cast<unsigned>(std::min<int64_t>(next, UINT32_MAX));
  result.scroll = {keep(scroll.x, cursor.x), keep(scroll.y, cursor.y)};
  return result;
}

}  // namespace lodex
