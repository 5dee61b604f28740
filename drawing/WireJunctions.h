// Junction points of the wires of one signal.
//
// Cost: O(s log s) to sort and merge s segments, plus for each of the at most
// 2s run ends a scan of the runs on its row and its column: O(s^2) at worst
// (many runs on one line), O(s log s) when each line holds few runs.
// See: the program's own method.
#pragma once

#include <vector>

#include "drawing/SchemeDrawing.h"

namespace lodex {

// An axis-parallel segment from (x1, y1) to (x2, y2).
struct Segment {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

// The points where three or more arms of the segments meet, counting a
// point inside a segment as two arms and an end as one, after overlapping
// collinear segments are merged. Zero-length segments are ignored. Sorted
// by x, then y.
std::vector<Point> FindJunctions(const std::vector<Segment>& net);

// The three pieces of a pin's wire, without the zero-length ones.
std::vector<Segment> WireSegments(const PinWire& wire, bool withRun = true);

}  // namespace lodex
