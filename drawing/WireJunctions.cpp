#include "drawing/WireJunctions.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace lodex {
namespace {

// A merged run on one line: horizontal runs keyed by y, vertical by x.
struct Run {
  int lo;
  int hi;
};

std::vector<Run> Merge(std::vector<Run> runs) {
  std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.lo < b.lo; });
  std::vector<Run> merged;
  for (const Run& r : runs) {
    if (!merged.empty() && r.lo <= merged.back().hi)
      merged.back().hi = std::max(merged.back().hi, r.hi);
    else
      merged.push_back(r);
  }
  return merged;
}

// Arms that a merged run contributes at coordinate c along it.
int Arms(const Run& r, int c) {
  if (c == r.lo || c == r.hi) return 1;
  return (c > r.lo && c < r.hi) ? 2 : 0;
}

}  // namespace

std::vector<Point> FindJunctions(const std::vector<Segment>& net) {
  std::map<int, std::vector<Run>> rows;     // y -> horizontal runs
  std::map<int, std::vector<Run>> columns;  // x -> vertical runs
  for (const Segment& s : net) {
    if (s.y1 == s.y2 && s.x1 != s.x2)
      rows[s.y1].push_back({std::min(s.x1, s.x2), std::max(s.x1, s.x2)});
    else if (s.x1 == s.x2 && s.y1 != s.y2)
      columns[s.x1].push_back({std::min(s.y1, s.y2), std::max(s.y1, s.y2)});
  }
  for (auto& [y, runs] : rows) runs = Merge(std::move(runs));
  for (auto& [x, runs] : columns) runs = Merge(std::move(runs));

  std::vector<Point> candidates;
  for (const auto& [y, runs] : rows)
    for (const Run& r : runs) candidates.insert(candidates.end(), {{r.lo, y}, {r.hi, y}});
  for (const auto& [x, runs] : columns)
    for (const Run& r : runs) candidates.insert(candidates.end(), {{x, r.lo}, {x, r.hi}});
  std::sort(candidates.begin(), candidates.end(),
            [](const Point& a, const Point& b) { return std::tie(a.x, a.y) < std::tie(b.x, b.y); });
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

  std::vector<Point> junctions;
  for (const Point& p : candidates) {
    int arms = 0;
    if (auto row = rows.find(p.y); row != rows.end())
      for (const Run& r : row->second) arms += Arms(r, p.x);
    if (auto column = columns.find(p.x); column != columns.end())
      for (const Run& r : column->second) arms += Arms(r, p.y);
    if (arms >= 3) junctions.push_back(p);
  }
  return junctions;
}

std::vector<Segment> WireSegments(const PinWire& w, bool withRun) {
  std::vector<Segment> pieces;
  const Segment all[3] = {{w.startX, w.startY, w.runX, w.runStartY},
                          {w.runX, w.runStartY, w.runX, w.pinY},
                          {w.runX, w.pinY, w.pinX, w.pinY}};
  for (int i = 0; i < 3; ++i) {
    if (i == 1 && !withRun) continue;
    if (all[i].x1 != all[i].x2 || all[i].y1 != all[i].y2) pieces.push_back(all[i]);
  }
  return pieces;
}

}  // namespace lodex
