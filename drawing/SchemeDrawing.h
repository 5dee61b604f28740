// The scheme diagram: the layout, painting and hit test of blocks, pins and wires.
//
// Blocks stand in columns by level (the longest path from the primary inputs)
// and are stacked top to bottom in scheme order, so every block has a band of
// rows of its own and every consumer stands right of and above its sources.
// A wire from an inner block leaves the source's right edge, runs to a
// vertical track in the gap left of its consumer's column, up to the pin's
// height and into the pin; all wires of one source output share the track of
// the wire into the lowest-level consumer, and tracks given up that way are
// squeezed out of the diagram. Wires from primary inputs are labelled stubs
// from x = 35; the output block's pins lie on the right edge of the diagram.
//
// Cost: Layout O(B + L log L) for B blocks and L links (signals are grouped
// in ordered maps, freed tracks found by bisection), plus the junction search
// of every signal (WireJunctions.h) and, with the library, a lookup of each
// block in a table of 27 sequences; HitTest O(B), painting O(B + L).
// See: the program's own method; the columns are the longest-path layering
// of layered graph drawing (Sugiyama, Tagawa and Toda, 1981).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "drawing/Canvas.h"
#include "model/LogicalScheme.h"

namespace lodex {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

// Left and top inclusive, right and bottom exclusive.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const Rect&) const = default;
};

// The wire that ends at one input pin, as three pieces: (startX, startY) to
// (runX, runStartY), the vertical run from (runX, runStartY) to (runX, pinY),
// and (runX, pinY) to (pinX, pinY). startX = kPrimaryInputX marks a wire from
// a primary input.
struct PinWire {
  int pinX = 0;
  int pinY = 0;
  int startX = 0;
  int startY = 0;
  int runX = 0;
  int runStartY = 0;
  bool operator==(const PinWire&) const = default;
};

// Geometry of one block, at the block's index in the scheme. The input and
// output blocks have empty rectangles.
struct DrawingEntry {
  std::string label;
  Rect rect;
  std::vector<PinWire> pins;
  std::string mask;  // '1' for each inverted input, input 0 first; empty off the library
  int32_t reserved = 0;
  int level = 0;
};

// A library gate: the sequence of a one-output block, the symbol drawn for
// it and its inversion mask, last input first.
struct LibraryRow {
  std::string lp;
  std::string label;
  std::string mask;
};

// A wire piece beyond the pin records: a vertical line of length a from the
// corner (x, y), then a horizontal line of length b.
struct WirePiece {
  int x = 0;
  int y = 0;
  int a = 0;
  int b = 0;
  bool operator==(const WirePiece&) const = default;
};

class CSchemeDrawing {
 public:
  static constexpr int kLeftMargin = 20;
  static constexpr int kTopMargin = 20;
  static constexpr int kPrimaryInputX = 35;
  static constexpr int kInputLabelX = 10;
  static constexpr int kPitch = 20;  // between pins and between tracks
  static constexpr int kColumnPitch = 90;
  static constexpr int kBlockWidth = 50;
  static constexpr int kJunctionRadius = 2;
  static constexpr int kInversionRadius = 4;

  CSchemeDrawing();

  // Computes every entry, the width and the height from the scheme.
  void Layout(const CLogicalScheme& scheme, bool libraryBlocks);
  // Boxes, labels and the multiplexer's pin letters; `selectedIndex` again in blue.
  void Paint(CCanvas& canvas, int selectedIndex) const;
  // Wires, junction dots, inversion circles, input and output labels.
  void PaintWires(CCanvas& canvas) const;
  // The first entry whose rectangle holds the point, or -1.
  int HitTest(int x, int y) const;

  // The label and mask (input 0 first) of a block drawn with the library on.
  struct LibraryLabel {
    std::string label;
    std::string mask;
  };
  LibraryLabel LookUpLibrary(const CLogicalBlock& block) const;

  const std::vector<LibraryRow>& Library() const { return m_library; }
  const std::vector<DrawingEntry>& Entries() const { return m_entries; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  int MaxLevel() const { return m_maxLevel; }
  // Exponents of the primary-input and primary-output labels, in the order
  // in which painting visits the pins (entries in order, pins in order).
  const std::vector<int>& InputWeights() const { return m_inputWeights; }
  const std::vector<int>& OutputWeights() const { return m_outputWeights; }
  // Points where a wire branches: three or more arms of one signal meet.
  const std::vector<Point>& Junctions() const { return m_junctions; }
  const std::vector<WirePiece>& ExtraPieces() const { return m_extraPieces; }
  // Pairs of end points: the vertical runs of the output block's wires,
  // which the output block's pin pieces leave out.
  const std::vector<Point>& StraightSegments() const { return m_segments; }
  // The y of output `output` on the right edge of entry `index`.
  int OutputY(int index, int output) const;

 private:
  void PaintEntry(CCanvas& canvas, const DrawingEntry& entry) const;

  std::vector<LibraryRow> m_library;
  int m_width = 0;
  int m_height = 0;
  std::vector<DrawingEntry> m_entries;
  std::vector<int> m_inputWeights;
  std::vector<int> m_outputWeights;
  std::vector<int> m_outputCounts;  // of every block, for OutputY
  std::vector<Point> m_junctions;
  std::vector<WirePiece> m_extraPieces;
  std::vector<Point> m_segments;
  int m_maxLevel = 0;
};

// The scheme's font on screen and in pictures.
Font SchemeFont();

}  // namespace lodex
