// Properties of the layout of schemes that the synthesis operations build:
// every pin is wired to its source, wires of different signals never run
// on top of each other or touch, and no wire passes through a block.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <string>

#include "SchemeBuilders.h"
#include "drawing/SchemeDrawing.h"
#include "drawing/WireJunctions.h"
#include "model/SchemeFile.h"

namespace lodex {
namespace {

struct Piece {
  Segment s;
  std::string signal;  // "block:pin" of an inner source; primary stubs are each their own
  bool horizontal() const { return s.y1 == s.y2; }
  int lo() const { return horizontal() ? std::min(s.x1, s.x2) : std::min(s.y1, s.y2); }
  int hi() const { return horizontal() ? std::max(s.x1, s.x2) : std::max(s.y1, s.y2); }
  int line() const { return horizontal() ? s.y1 : s.x1; }
};

bool OnSegment(const Segment& s, int x, int y) {
  return x >= std::min(s.x1, s.x2) && x <= std::max(s.x1, s.x2) && y >= std::min(s.y1, s.y2) &&
         y <= std::max(s.y1, s.y2);
}

bool Touch(const Segment& a, const Segment& b) {
  return OnSegment(a, b.x1, b.y1) || OnSegment(a, b.x2, b.y2) || OnSegment(b, a.x1, a.y1) || OnSegment(b, a.x2, a.y2);
}

// Every piece drawn for every pin, the output block's vertical runs included.
std::vector<Piece> AllPieces(const CLogicalScheme& scheme, const CSchemeDrawing& d) {
  std::vector<Piece> pieces;
  const int count = scheme.GetBlockCount();
  for (int k = 1; k < count; ++k)
    for (size_t i = 0; i < d.Entries()[static_cast<size_t>(k)].pins.size(); ++i) {
      const CBlockInput& link = scheme.GetBlock(k).m_inputs[i];
      const std::string signal = link.m_source == "I" ? "I" + std::to_string(k) + "." + std::to_string(i)
                                                      : link.m_source + ":" + std::to_string(link.m_pin);
      for (const Segment& s : WireSegments(d.Entries()[static_cast<size_t>(k)].pins[i])) pieces.push_back({s, signal});
    }
  return pieces;
}

// How much of the routing the random schemes exercised.
struct Coverage {
  int blocks = 0;
  int deepest = 0;
  int junctions = 0;
};

void CheckLayout(const CLogicalScheme& scheme, const std::string& what, Coverage* coverage = nullptr) {
  SCOPED_TRACE(what);
  ASSERT_EQ(ValidateScheme(scheme), "");
  CSchemeDrawing d;
  d.Layout(scheme, true);
  const int count = scheme.GetBlockCount();
  const std::vector<Piece> pieces = AllPieces(scheme, d);
  if (coverage) {
    coverage->blocks += count - 2;
    coverage->deepest = std::max(coverage->deepest, d.MaxLevel());
    coverage->junctions += static_cast<int>(d.Junctions().size());
  }

  // Each pin: a primary input is a straight stub from x = 35; an inner
  // source's wire belongs to a connected net that holds the source's output.
  std::map<std::string, std::vector<Segment>> nets;
  for (const Piece& p : pieces) nets[p.signal].push_back(p.s);
  for (int k = 1; k < count; ++k) {
    const DrawingEntry& e = d.Entries()[static_cast<size_t>(k)];
    for (size_t i = 0; i < e.pins.size(); ++i) {
      const CBlockInput& link = scheme.GetBlock(k).m_inputs[i];
      const PinWire& w = e.pins[i];
      if (k < count - 1) {
        EXPECT_EQ(w.pinX, e.rect.left);
        EXPECT_GT(w.pinY, e.rect.top);
        EXPECT_LT(w.pinY, e.rect.bottom);
      } else {
        EXPECT_EQ(w.pinX, d.Width());
      }
      if (link.m_source == "I") {
        EXPECT_EQ(w.startX, CSchemeDrawing::kPrimaryInputX);
        EXPECT_EQ(w.startY, w.pinY);
        continue;
      }
      const int src = scheme.FindBlock(link.m_source);
      ASSERT_GT(src, 0);
      const Point out{d.Entries()[static_cast<size_t>(src)].rect.right, d.OutputY(src, link.m_pin)};
      const std::vector<Segment>& net = nets[link.m_source + ":" + std::to_string(link.m_pin)];
      // Flood the net from the source's output point.
      std::vector<bool> reached(net.size(), false);
      bool grew = true;
      for (size_t j = 0; j < net.size(); ++j) reached[j] = OnSegment(net[j], out.x, out.y);
      while (grew) {
        grew = false;
        for (size_t a = 0; a < net.size(); ++a)
          for (size_t b = 0; b < net.size() && !reached[a]; ++b)
            if (reached[b] && Touch(net[a], net[b])) reached[a] = grew = true;
      }
      bool pinReached = false;
      for (size_t j = 0; j < net.size(); ++j) pinReached |= reached[j] && OnSegment(net[j], w.pinX, w.pinY);
      EXPECT_TRUE(pinReached) << "block " << k << " pin " << i << " is not wired to " << link.m_source;
    }
  }

  // Different signals: no shared run, no overlapping piece, no touching
  // (a touch would read as a junction); crossing at right angles is fine.
  for (size_t a = 0; a < pieces.size(); ++a)
    for (size_t b = a + 1; b < pieces.size(); ++b) {
      const Piece& p = pieces[a];
      const Piece& q = pieces[b];
      if (p.signal == q.signal) continue;
      if (p.horizontal() == q.horizontal()) {
        EXPECT_FALSE(p.line() == q.line() && p.lo() <= q.hi() && q.lo() <= p.hi())
            << p.signal << " and " << q.signal << " run together on " << (p.horizontal() ? "y " : "x ") << p.line();
      } else {
        const Piece& h = p.horizontal() ? p : q;
        const Piece& v = p.horizontal() ? q : p;
        const bool crossing = v.line() > h.lo() && v.line() < h.hi() && h.line() > v.lo() && h.line() < v.hi();
        EXPECT_TRUE(crossing || !Touch(h.s, v.s)) << h.signal << " touches " << v.signal;
      }
    }

  // No piece enters a block's inside; pins end on the left edge.
  for (int k = 1; k < count - 1; ++k) {
    const Rect& r = d.Entries()[static_cast<size_t>(k)].rect;
    for (const Piece& p : pieces) {
      const int x1 = std::min(p.s.x1, p.s.x2), x2 = std::max(p.s.x1, p.s.x2);
      const int y1 = std::min(p.s.y1, p.s.y2), y2 = std::max(p.s.y1, p.s.y2);
      EXPECT_FALSE(x1 < r.right && x2 > r.left && y1 < r.bottom && y2 > r.top)
          << p.signal << " passes through block " << k;
    }
  }
  // Blocks never overlap each other.
  for (int a = 1; a < count - 1; ++a)
    for (int b = a + 1; b < count - 1; ++b) {
      const Rect& r = d.Entries()[static_cast<size_t>(a)].rect;
      const Rect& s = d.Entries()[static_cast<size_t>(b)].rect;
      EXPECT_FALSE(r.left < s.right && s.left < r.right && r.top < s.bottom && s.top < r.bottom);
    }
}

void CheckRandomProjects(unsigned firstSeed, bool nand) {
  Coverage coverage;
  for (unsigned seed = firstSeed; seed < firstSeed + 40; ++seed) {
    std::mt19937 rng(seed);
    const int n = 2 + static_cast<int>(seed % 7);  // 2..8 inputs
    const int m = 1 + static_cast<int>(seed % 3);
    CheckLayout(testing::DecomposedScheme(rng, n, m, nand), "seed " + std::to_string(seed), &coverage);
  }
  // The projects really were taken apart into deep, branching schemes.
  EXPECT_GT(coverage.blocks, 120);
  EXPECT_GE(coverage.deepest, 4);
  EXPECT_GT(coverage.junctions, 10);
}

TEST(LayoutInvariants, DecomposedRandomProjects) { CheckRandomProjects(1, false); }
TEST(LayoutInvariants, NandCoveredRandomProjects) { CheckRandomProjects(100, true); }

TEST(LayoutInvariants, OutputsSharedWithInnerConsumersAndDuplicated) {
  using testing::LogicBlock;
  // A feeds B and two outputs; B feeds one output and reads input 2 twice.
  CheckLayout(testing::MakeScheme(
                  3, {LogicBlock("B", "0110", {{0, "A"}, {2, "I"}}), LogicBlock("A", "0001", {{0, "I"}, {1, "I"}})},
                  {{0, "A"}, {0, "B"}, {0, "A"}, {1, "I"}}),
              "hand-built");
}

}  // namespace
}  // namespace lodex
